#include "xml/Progress.h"
#include "scenario/TScenarioData.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

using TEvents = std::vector<std::pair<std::string, int>>;

// Everything said while it runs.
TEvents Heard(const std::function<void()>& work) {
    TEvents events;
    Progress::TScope scope(
        [&](const std::string& step, int percent) { events.emplace_back(step, percent); });
    work();
    return events;
}

// The steps in the order first said.
std::vector<std::string> Steps(const TEvents& events) {
    std::vector<std::string> steps;
    for (const auto& [step, percent] : events)
        if (steps.empty() || steps.back() != step)
            steps.push_back(step);
    return steps;
}

std::vector<std::string> Named(const std::string& verb, const std::vector<std::string>& files) {
    std::vector<std::string> steps;
    for (const std::string& file : files)
        steps.push_back(verb + " " + file + ".xml");
    return steps;
}

void ExpectRisingToHundred(const TEvents& events) {
    ASSERT_FALSE(events.empty());
    for (size_t i = 1; i < events.size(); ++i)
        EXPECT_GE(events[i].second, events[i - 1].second) << events[i].first;
    EXPECT_EQ(events.front().second, 0);
    EXPECT_EQ(events.back().second, 100);
}

// Percentages said during step, strictly between 0 and 100.
std::vector<int> Inside(const TEvents& events, const std::string& step) {
    std::vector<int> percents;
    for (const auto& [said, percent] : events)
        if (said == step && percent > 0 && percent < 100)
            percents.push_back(percent);
    return percents;
}

} // namespace

TEST(Progress, LoadSaveAndVerifyNameEachFileInOrderAndEndAtHundred) {
    TTemporaryFolder temp;
    TestScenario::LoadCopy(Sample, temp);
    auto data = std::make_unique<TScenarioData>();
    std::string folder = temp.Str();
    const TEvents load = Heard([&] { data->Load(folder); });
    EXPECT_EQ(Steps(load),
              Named("Reading", {"scenario", "activities", "ads", "endorsers", "events", "issues",
                                "parties", "percentages", "political_units", "relations"}));
    ExpectRisingToHundred(load);

    const TEvents save = Heard([&] { data->Save(); });
    EXPECT_EQ(Steps(save),
              Named("Writing", {"activities", "ads", "endorsers", "events", "issues", "parties",
                                "percentages", "political_units", "relations", "scenario"}));
    ExpectRisingToHundred(save);

    const TEvents verify = Heard([&] { VerificationRun::Run(data.get(), true); });
    EXPECT_EQ(Steps(verify), Named("Verifying", {"scenario", "issues", "political_units", "ads",
                                                 "parties", "events", "endorsers", "activities"}));
    ExpectRisingToHundred(verify);
}

TEST(Progress, AFailedLoadStopsAtTheBrokenFileShortOfTheEnd) {
    TTemporaryFolder temp;
    const auto data = TestScenario::LoadCopy(Sample, temp);
    std::ofstream(temp.Path() / "parties.xml", std::ios::binary) << "<parties><party>";
    const TEvents events = Heard([&] {
        TScenarioData broken;
        std::string folder = temp.Str();
        EXPECT_THROW(broken.Load(folder), TFileError);
    });
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().first, "Reading parties.xml");
    EXPECT_LT(events.back().second, 100);
}

TEST(Progress, OneLargeDocumentAdvancesWhileReadAndWhileWritten) {
    TTemporaryFolder temp;
    const auto data = TestScenario::LoadCopy(Sample, temp);
    // Endorsers enough to outweigh the other nine files together.
    {
        std::ofstream out(temp.Path() / "endorsers.xml", std::ios::binary);
        out << "<endorsers>\r\n";
        for (int i = 0; i < 40000; ++i)
            out << "   <endorser>\r\n      <id>" << i << "</id>\r\n      <name>Endorser " << i
                << "</name>\r\n   </endorser>\r\n";
        out << "</endorsers>\r\n";
    }
    TScenarioData large;
    std::string folder = temp.Str();
    const TEvents load = Heard([&] { large.Load(folder); });
    const std::vector<int> read = Inside(load, "Reading endorsers.xml");
    EXPECT_GE(read.size(), 10u);
    ExpectRisingToHundred(load);

    const TEvents save = Heard([&] { large.Save(); });
    const std::vector<int> written = Inside(save, "Writing endorsers.xml");
    EXPECT_GE(written.size(), 10u);
    ExpectRisingToHundred(save);

    // Said only when the percentage moves: at most once per point.
    for (const TEvents* events : {&load, &save}) {
        for (size_t i = 1; i < events->size(); ++i) {
            if ((*events)[i].first == (*events)[i - 1].first) {
                EXPECT_NE((*events)[i].second, (*events)[i - 1].second);
            }
        }
    }
    // Told child by child, the text is the same as written in one go.
    // (Not EXPECT_EQ: megabytes of difference would be printed.)
    EXPECT_TRUE(FileText::Read((temp.Path() / "endorsers.xml").string()) ==
                large.Document(TScenarioFile::Endorsers).ToText());
}
