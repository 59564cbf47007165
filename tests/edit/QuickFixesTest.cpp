#include "scenario/edit/QuickFixes.h"

#include "scenario/ElementTargets.h"
#include "scenario/verify/TVerifier.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

const std::string Fisheries = "39446_2313639706"; // named by platforms, an endorser, units

// text with the first line holding from, through the first after it holding
// to (that line alone when to is empty), replaced by replacement indented
// as that line (by nothing when replacement is empty).
std::string ReplaceLines(const std::string& text, const std::string& from,
                         const std::string& to = {}, const std::string& replacement = {}) {
    const size_t start = text.rfind('\n', text.find(from)) + 1;
    size_t end = text.find('\n', start) + 1;
    if (!to.empty())
        end = text.find('\n', text.find(to, end)) + 1;
    const std::string indent = text.substr(start, text.find_first_not_of(' ', start) - start);
    return text.substr(0, start) + (replacement.empty() ? "" : indent + replacement + "\r\n") +
           text.substr(end);
}

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

// A copy of the sample with file edited as a designer would in a text editor,
// loaded and verified; keeps the broken files' bytes.
struct TBroken {
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data;
    std::map<std::string, std::string> Files;

    TBroken(const std::string& file, const std::function<std::string(std::string)>& edit) {
        TestScenario::LoadCopy(Sample, Folder);
        TestScenario::WriteFile(Folder.Str() + file, edit(FileText::Read(Folder.Str() + file)));
        for (const TScenarioFile f : TScenarioData::AllFiles())
            Files[TScenarioData::FileName(f)] =
                FileText::Read(Folder.Str() + TScenarioData::FileName(f));
        Data = std::make_unique<TScenarioData>();
        std::string folder = Folder.Str();
        Data->Load(folder);
        VerificationRun::Run(Data.get(), true);
    }

    const TVerificationMessage& Message(const std::string& file, const std::string& field,
                                        const std::string& text, int skip = 0) const {
        for (const auto& m : Data->Messages())
            if (m.File == file && m.Field == field && m.Message == text && skip-- == 0)
                return m;
        throw std::runtime_error("no message " + field + ": " + text);
    }

    // Saves; every file but changed must still be the broken one.
    std::string SaveAndCheckOthers(const std::string& changed) {
        Data->Save();
        for (const auto& [name, bytes] : Files)
            EXPECT_TRUE(name == changed || FileText::Read(Folder.Str() + name) == bytes) << name;
        return FileText::Read(Folder.Str() + changed);
    }
};

std::multiset<std::string> Texts(const TScenarioData& data) {
    std::multiset<std::string> texts;
    for (const auto& m : data.Messages())
        texts.insert(m.File + ": " + m.Text());
    return texts;
}

// Applies offered fixes one at a time, verifying after each: each must take
// its message away and add none. Returns how many were applied.
int ApplyEveryFix(TScenarioData& data, const std::string& context) {
    int applied = 0;
    for (bool any = true; any;) {
        any = false;
        for (const auto& m : data.Messages()) {
            if (!QuickFixes::Apply(data, m))
                continue;
            const std::string fixed = m.File + ": " + m.Text();
            std::multiset<std::string> before = Texts(data);
            VerificationRun::Run(&data, true);
            for (const std::string& text : Texts(data)) {
                const auto found = before.find(text);
                EXPECT_NE(found, before.end())
                    << context << " fixing " << fixed << " adds " << text;
                if (found != before.end())
                    before.erase(found);
            }
            EXPECT_FALSE(before.empty()) << context << " fixing " << fixed;
            any = true;
            ++applied;
            break;
        }
    }
    return applied;
}

} // namespace

TEST(QuickFixes, RemovedIssueLosesItsPlatformEntryAndEndorsersFallBackToNone) {
    TBroken broken("issues.xml", [](const std::string& text) {
        return ReplaceLines(text, "<issue id=\"" + Fisheries + "\">", "   </issue>");
    });
    const std::string missing = "Reference not found: issue " + Fisheries;
    const auto& platform = broken.Message("parties.xml", "issue", missing);
    EXPECT_EQ(QuickFixes::Label(platform), "Remove this reference");
    const auto before = Texts(*broken.Data);
    ASSERT_TRUE(QuickFixes::Apply(*broken.Data, platform));
    EXPECT_TRUE(broken.Data->Changed());
    EXPECT_EQ(broken.SaveAndCheckOthers("parties.xml"),
              ReplaceLines(broken.Files["parties.xml"], "<issue id=\"" + Fisheries + "\">"));
    VerificationRun::Run(broken.Data.get(), true);
    EXPECT_EQ(Texts(*broken.Data).size() + 1, before.size());

    const auto& endorser = broken.Message("endorsers.xml", "issue", missing);
    EXPECT_EQ(QuickFixes::Label(endorser), "Remove this reference");
    ASSERT_TRUE(QuickFixes::Apply(*broken.Data, endorser));
    broken.Files["parties.xml"] = FileText::Read(broken.Folder.Str() + "parties.xml");
    EXPECT_EQ(broken.SaveAndCheckOthers("endorsers.xml"),
              Replaced(broken.Files["endorsers.xml"], "<issue id=\"" + Fisheries + "\">",
                       "<issue id=\"-1\">"));

    EXPECT_GT(ApplyEveryFix(*broken.Data, "issue removed"), 10);
    EXPECT_EQ(Texts(*broken.Data),
              std::multiset<std::string>{"issues.xml: Issues >> issues >> Invalid number of "
                                         "issues defined."});
}

TEST(QuickFixes, MissingFieldsComeBackWithTheNewItemValuesInTheirPlace) {
    struct TCase {
        std::string File, Line, Restored;
    };
    for (const TCase& c :
         {TCase{"parties.xml", "<funds>40</funds>", "<funds>0</funds>"},
          TCase{"parties.xml", "<age>56</age>", "<age>50</age>"},
          TCase{"scenario.xml", "<stance>Center-Left</stance>", "<stance>Center</stance>"},
          TCase{"parties.xml", "<ad_credits>", "<ad_credits></ad_credits>"}}) {
        const std::string close = c.Line == "<ad_credits>" ? "</ad_credits>" : "";
        TBroken broken(c.File,
                       [&](const std::string& text) { return ReplaceLines(text, c.Line, close); });
        ASSERT_EQ(broken.Data->Messages().size(), 1u) << c.Line;
        const auto& m = broken.Data->Messages()[0];
        EXPECT_EQ(m.Message, "Critical Error: Node missing.");
        EXPECT_EQ(QuickFixes::Label(m), "Add it with its default");
        ASSERT_TRUE(QuickFixes::Apply(*broken.Data, m));
        VerificationRun::Run(broken.Data.get(), true);
        EXPECT_TRUE(broken.Data->Messages().empty()) << c.Line;
        EXPECT_EQ(broken.SaveAndCheckOthers(c.File),
                  ReplaceLines(FileText::Read(Sample + "/" + c.File), c.Line, close, c.Restored));
    }
    // A group of required fields comes back whole, as a new leader has it.
    TBroken ratings("parties.xml", [](const std::string& text) {
        return ReplaceLines(text, "<attributes>", "</attributes>");
    });
    ASSERT_EQ(ratings.Data->Messages().size(), 1u);
    const TVerificationMessage m = ratings.Data->Messages()[0];
    ASSERT_TRUE(QuickFixes::Apply(*ratings.Data, m));
    VerificationRun::Run(ratings.Data.get(), true);
    EXPECT_TRUE(ratings.Data->Messages().empty());
    const TXmlNode* attributes =
        ElementTargets::Resolve(*ratings.Data, TScenarioFile::Parties, m.SubjectPath)
            ->GetChild("attributes");
    ASSERT_EQ(attributes->ChildCount(), 7);
    EXPECT_EQ(attributes->GetChild("debating")->GetText(), "3");
}

TEST(QuickFixes, NothingIsOfferedWhereNoValueIsSafe) {
    // A date, a region that cannot be none, and a leader's only running
    // mate.
    TBroken date("parties.xml", [](const std::string& text) {
        return ReplaceLines(text, "<start_date>06/10/2008</start_date>");
    });
    ASSERT_EQ(date.Data->Messages().size(), 1u);
    EXPECT_EQ(QuickFixes::Label(date.Data->Messages()[0]), "");
    EXPECT_FALSE(QuickFixes::Apply(*date.Data, date.Data->Messages()[0]));
    EXPECT_FALSE(date.Data->Changed());

    TBroken region("political_units.xml", [](const std::string& text) {
        return Replaced(text, "<political_unit id=\"39428_5037311721\">",
                        "<political_unit id=\"gone\">");
    });
    const std::string missing = "Reference not found: political_unit 39428_5037311721";
    EXPECT_EQ(QuickFixes::Label(region.Message("parties.xml", "political_unit", missing)), "");
    EXPECT_EQ(QuickFixes::Label(region.Message("parties.xml", "home_political_unit", missing)),
              "Remove this reference");

    TBroken mate("parties.xml", [](const std::string& text) {
        return Replaced(text, "<viceleader id=\"39425_2395520931\">\r\n",
                        "<viceleader id=\"gone\">\r\n");
    });
    const std::string gone = "Reference not found: viceleader 39425_2395520931";
    EXPECT_EQ(QuickFixes::Label(mate.Message("parties.xml", "viceleader", gone, 0)),
              "Remove this reference");
    EXPECT_EQ(QuickFixes::Label(mate.Message("parties.xml", "viceleader", gone, 1)), "");
}

TEST(QuickFixes, AViceLeadersHomeBecomesNoneAndItsBonusesGo) {
    TBroken broken("parties.xml", [](const std::string& text) {
        return Replaced(
            text,
            "<home_political_unit id=\"39453_4642743598\"></home_political_unit>\r\n            "
            "<age>63",
            "<home_political_unit id=\"gone\"></home_political_unit>\r\n            <age>63");
    });
    ASSERT_EQ(broken.Data->Messages().size(), 1u);
    const TVerificationMessage m = broken.Data->Messages()[0];
    EXPECT_EQ(m.Message, "Reference not found: political_unit gone");
    ASSERT_TRUE(QuickFixes::Apply(*broken.Data, m));
    VerificationRun::Run(broken.Data.get(), true);
    EXPECT_TRUE(broken.Data->Messages().empty());
    const TXmlNode* home =
        ElementTargets::Resolve(*broken.Data, TScenarioFile::Parties, m.SubjectPath);
    EXPECT_EQ(home->AttributeValue("id"), "-1");
    EXPECT_EQ(home->Parent()->GetChild("percentage_bonuses")->ChildCount(), 0);
}

TEST(QuickFixes, AMessageOnDocumentsChangedSinceIsRefused) {
    TBroken broken("issues.xml", [](const std::string& text) {
        return ReplaceLines(text, "<issue id=\"" + Fisheries + "\">", "   </issue>");
    });
    const TVerificationMessage m =
        broken.Message("parties.xml", "issue", "Reference not found: issue " + Fisheries);
    TXmlNode* entry = ElementTargets::Resolve(*broken.Data, TScenarioFile::Parties, m.SubjectPath);
    ASSERT_NE(entry, nullptr);
    TXmlNode* platform = entry->Parent();
    // The path now names the entry after it.
    platform->RemoveChild(platform->GetChildAt(0));
    const auto documents = TestScenario::DocumentTexts(*broken.Data);
    EXPECT_FALSE(QuickFixes::Apply(*broken.Data, m));
    // The path names nothing.
    platform->Parent()->RemoveChild(platform);
    const auto without = TestScenario::DocumentTexts(*broken.Data);
    EXPECT_FALSE(QuickFixes::Apply(*broken.Data, m));
    EXPECT_EQ(TestScenario::DocumentTexts(*broken.Data), without);
    EXPECT_NE(documents, without);
}

TEST(QuickFixes, DeletingAnyElementOfTheSampleThenFixingNeverAddsAMessage) {
    TTemporaryFolder folder;
    auto sample = TestScenario::LoadCopy(Sample, folder);
    int applied = 0;
    for (const TScenarioFile file : TScenarioData::AllFiles()) {
        // The first element of each kind (parent and name) in the file.
        std::vector<std::string> paths;
        std::set<std::string> kinds;
        std::function<void(const TXmlNode*)> collect = [&](const TXmlNode* node) {
            for (int32_t i = 0; i < node->ChildCount(); ++i) {
                const TXmlNode* child = node->GetChildAt(i);
                if (kinds.insert(node->Name + "/" + child->Name).second)
                    paths.push_back(TVerifier::PathOf(child));
                collect(child);
            }
        };
        collect(sample->Root(file));
        for (const std::string& path : paths) {
            TScenarioData data;
            std::string from = folder.Str();
            data.Load(from);
            TXmlNode* element = ElementTargets::Resolve(data, file, path);
            element->Parent()->RemoveChild(element);
            VerificationRun::Run(&data, true);
            applied += ApplyEveryFix(data, "without " + path);
        }
    }
    EXPECT_GT(applied, 200);
}
