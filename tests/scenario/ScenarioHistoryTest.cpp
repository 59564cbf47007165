// Snapshots and the undo history over a copy of the sample scenario: undo
// restores byte-identical documents and pictures, redo re-applies them.

#include "scenario/ScenarioHistory.h"
#include "support/ScenarioFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

const std::string Map = "map.bmp";
const std::string Portrait = "party_images/civic_union.bmp";

using TestScenario::ReadFile;
using TestScenario::WriteFile;

class ScenarioHistoryTest : public ::testing::Test {
protected:
    TTemporaryFolder Folder;
    std::unique_ptr<TScenarioData> Data = TestScenario::LoadCopy(Sample, Folder);

    fs::path Path(const std::string& relative) const { return Folder.Path() / relative; }
    std::string Name() const { return Data->Scenario()->GetChild("name")->GetText(); }
    // What an editor session does: a field, a redrawn picture and a new one.
    void Edit(const std::string& name, const std::string& picture) {
        Data->Scenario()->GetChild("name")->SetText(name);
        WriteFile(Path(Map), picture);
        WriteFile(Path("issue_images/" + name + ".bmp"), picture);
    }
};

TEST_F(ScenarioHistoryTest, PicturesSkipTheBackupsFolderAndOtherFiles) {
    WriteFile(Path("backups/2026-01-01 10-00-00/old.bmp"), "x");
    WriteFile(Path("notes.txt"), "x");
    WriteFile(Path("region_images/UPPER.BMP"), "x");
    const auto pictures = ScenarioPictures(Folder.Str());
    for (const std::string& picture : {Map, Portrait, std::string("region_images/UPPER.BMP")})
        EXPECT_NE(std::find(pictures.begin(), pictures.end(), picture), pictures.end()) << picture;
    for (const std::string& picture : pictures) {
        EXPECT_EQ(picture.find("backups"), std::string::npos) << picture;
        EXPECT_EQ(picture.find("notes"), std::string::npos) << picture;
    }
}

TEST_F(ScenarioHistoryTest, UndoRestoresBytesAndRedoReappliesThem) {
    const std::string name = Name();
    const std::string map = ReadFile(Path(Map));
    const std::string scenarioText = Data->Document(TScenarioFile::Scenario).ToText();
    TScenarioHistory history;
    TScenarioSnapshot before = TScenarioSnapshot::Capture(*Data);
    Edit("Renamed", "new map");
    TScenarioSnapshot after = TScenarioSnapshot::Capture(*Data, &before);
    ASSERT_TRUE(history.Record("Step 1: Scenario", before, after));
    EXPECT_EQ(history.UndoLabel(), "Step 1: Scenario");
    EXPECT_FALSE(history.CanRedo());

    // A picture the designer put in the folder meanwhile is no business of
    // the history.
    WriteFile(Path("region_images/added.bmp"), "mine");
    Data->SetChanged(false);
    history.Undo(*Data);
    EXPECT_TRUE(fs::exists(Path("region_images/added.bmp")));
    EXPECT_EQ(Name(), name);
    EXPECT_EQ(Data->Document(TScenarioFile::Scenario).ToText(), scenarioText);
    EXPECT_EQ(ReadFile(Path(Map)), map);
    EXPECT_FALSE(fs::exists(Path("issue_images/Renamed.bmp")));
    EXPECT_TRUE(Data->Changed());
    EXPECT_EQ(history.RedoLabel(), "Step 1: Scenario");
    EXPECT_FALSE(history.CanUndo());

    history.Redo(*Data);
    EXPECT_EQ(Name(), "Renamed");
    EXPECT_EQ(ReadFile(Path(Map)), "new map");
    EXPECT_EQ(ReadFile(Path("issue_images/Renamed.bmp")), "new map");
    // Documents are whole copies: the tree is usable after a restore.
    EXPECT_NE(Data->Parties()->GetChild("party"), nullptr);
}

TEST_F(ScenarioHistoryTest, UnchangedSessionsAreNotRecordedAndNewChangesDropRedo) {
    TScenarioHistory history;
    const std::string original = Name();
    const TScenarioSnapshot start = TScenarioSnapshot::Capture(*Data);
    EXPECT_FALSE(history.Record("Step 2: Issues", start, TScenarioSnapshot::Capture(*Data)));
    EXPECT_FALSE(history.CanUndo());

    Edit("One", "1");
    const TScenarioSnapshot one = TScenarioSnapshot::Capture(*Data);
    history.Record("first", start, one);
    Edit("Two", "2");
    history.Record("second", one, TScenarioSnapshot::Capture(*Data));
    history.Undo(*Data);
    EXPECT_EQ(Name(), "One");
    Edit("Three", "3");
    history.Record("third", one, TScenarioSnapshot::Capture(*Data));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoLabel(), "third");
    history.Undo(*Data);
    history.Undo(*Data);
    EXPECT_EQ(Name(), original);
    EXPECT_FALSE(history.CanUndo());
}

TEST_F(ScenarioHistoryTest, DepthDropsTheOldestEntries) {
    TScenarioHistory history(20);
    TScenarioSnapshot previous = TScenarioSnapshot::Capture(*Data);
    for (int i = 0; i < 25; ++i) {
        Data->Scenario()->GetChild("name")->SetText("Name " + std::to_string(i));
        TScenarioSnapshot next = TScenarioSnapshot::Capture(*Data, &previous);
        history.Record("change " + std::to_string(i), previous, next);
        previous = next;
    }
    EXPECT_EQ(history.Size(), 20u);
    // Every entry shares the pictures nobody changed.
    const TScenarioSnapshot again = TScenarioSnapshot::Capture(*Data, history.Current());
    EXPECT_EQ(again.Pictures().at(Map), history.Current()->Pictures().at(Map));
    EXPECT_EQ(again.Pictures().at(Map), previous.Pictures().at(Map));
    // ... and the documents nobody changed: the history costs the scenario
    // once plus a copy of the changed document per state.
    size_t whole = 0;
    for (TScenarioFile file : TScenarioData::AllFiles())
        whole += previous.Document(file).size();
    for (const auto& picture : previous.Pictures())
        whole += picture.second->Size();
    // Held packed, that is well under a third of it.
    EXPECT_LT(history.Bytes(),
              (whole + 21 * previous.Document(TScenarioFile::Scenario).size()) / 3);
    int undone = 0;
    while (history.CanUndo()) {
        history.Undo(*Data);
        ++undone;
    }
    EXPECT_EQ(undone, 20);
    EXPECT_EQ(Name(), "Name 4");
}

TEST(InstallDocumentsTest, TextThatDoesNotParseChangesNothing) {
    auto data = TestScenario::FromTexts(
        {{TScenarioFile::Ads, "<ads><ad/></ads>"}, {TScenarioFile::Scenario, "<scenario/>"}});
    TScenarioSnapshot::TDocuments texts;
    texts[static_cast<size_t>(TScenarioFile::Ads)] = "<ads/>";
    texts[static_cast<size_t>(TScenarioFile::Scenario)] = "<scenario><name></scenario>";
    const std::string error = TestScenario::FileErrorText([&] { InstallDocuments(*data, texts); });
    EXPECT_NE(error.find("scenario.xml: line 1"), std::string::npos) << error;
    EXPECT_NE(data->Ads()->GetChild("ad"), nullptr);
}

} // namespace
