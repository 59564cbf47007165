// The data that ships with the program (the template and the sample
// scenario) and the base scenario of the verification tests: they load,
// they are stored exactly as the program writes them, every picture they
// name is a 24-bit bitmap of the size the editors store, the map suits the
// region editor's flood fill, and they verify without a message.

#include "scenario/ScenarioFolders.h"
#include "scenario/TScenarioData.h"
#include "scenario/edit/ActivitiesEdit.h"
#include "scenario/map/RegionMap.h"
#include "scenario/map/TMapAreas.h"
#include "scenario/verify/FileVerifiers.h"
#include "scenario/verify/VerificationRun.h"
#include "support/ScenarioFixture.h"
#include "xml/FileText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

namespace {

namespace fs = std::filesystem;

const char* const SampleName = "Tellavar - 2008";

std::string BaseFolder() {
    return std::string(TEST_DATA_DIR) + "/base/";
}
std::string TemplateFile() {
    return std::string(SHIPPED_DATA_DIR) + "/default.vrx";
}

// A BMP file as far as the editors care: size, depth, and for 24-bit files
// the pixels.
struct TBitmap {
    std::string Problem; // empty when the header could be read
    int32_t Width = 0;
    int32_t Height = 0;
    uint16_t Bits = 0;
    uint32_t Compression = 0;
    TPixelBuffer Pixels;
};

uint32_t Le(const std::string& bytes, size_t at, size_t size) {
    uint32_t value = 0;
    for (size_t i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + i])) << (8 * i);
    return value;
}

TBitmap ReadBitmap(const std::string& path) {
    TBitmap bitmap;
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes.compare(0, 2, "BM") != 0) {
        bitmap.Problem = "not a BMP file";
        return bitmap;
    }
    const uint32_t offset = Le(bytes, 10, 4);
    if (Le(bytes, 14, 4) < 40) {
        bitmap.Problem = "old-style BMP header";
        return bitmap;
    }
    bitmap.Width = static_cast<int32_t>(Le(bytes, 18, 4));
    const int32_t height = static_cast<int32_t>(Le(bytes, 22, 4));
    bitmap.Height = height < 0 ? -height : height;
    bitmap.Bits = static_cast<uint16_t>(Le(bytes, 28, 2));
    bitmap.Compression = Le(bytes, 30, 4);
    if (bitmap.Bits != 24 || bitmap.Compression != 0 || bitmap.Width <= 0)
        return bitmap;
    const size_t stride = (static_cast<size_t>(bitmap.Width) * 3 + 3) / 4 * 4;
    if (bytes.size() < offset + stride * bitmap.Height) {
        bitmap.Problem = "pixel data cut short";
        return bitmap;
    }
    bitmap.Pixels = TPixelBuffer(bitmap.Width, bitmap.Height);
    for (int32_t y = 0; y < bitmap.Height; ++y) {
        const int32_t row = height > 0 ? bitmap.Height - 1 - y : y;
        for (int32_t x = 0; x < bitmap.Width; ++x) {
            const auto* bgr =
                reinterpret_cast<const uint8_t*>(&bytes[offset + row * stride + x * 3]);
            bitmap.Pixels.Set(x, y, {bgr[2], bgr[1], bgr[0]});
        }
    }
    return bitmap;
}

std::vector<TXmlNode*> Children(const TXmlNode* parent) {
    std::vector<TXmlNode*> list;
    for (int32_t i = 0; parent && i < parent->ChildCount(); ++i)
        list.push_back(parent->GetChildAt(i));
    return list;
}

// Every unit below the nation, depth first.
void CollectRegions(const TXmlNode* unit, std::vector<TXmlNode*>& regions) {
    for (TXmlNode* region : Children(unit->GetChild("political_units"))) {
        regions.push_back(region);
        CollectRegions(region, regions);
    }
}

TXmlNode* Nation(const TScenarioData& data) {
    return data.PoliticalUnits() ? data.PoliticalUnits()->GetChildAt(0) : nullptr;
}

struct TPicture {
    std::string Path;
    int Width = 0;
    int Height = 0;
};

// Every picture the documents name, with the size its editor stores it at.
std::vector<TPicture> NamedPictures(const TScenarioData& data) {
    const std::string folder = data.Folder();
    std::vector<TPicture> pictures = {{folder + "scenario.bmp", 65, 85},
                                      {folder + "map.bmp", 501, 381}};
    TXmlNode* nation = Nation(data);
    std::vector<TXmlNode*> units{nation};
    CollectRegions(nation, units);
    for (TXmlNode* unit : units)
        pictures.push_back(
            {folder + "region_images/" + TestScenario::TextAt(unit, "logo"), 76, 57});
    for (TXmlNode* issue : Children(data.Issues()))
        pictures.push_back(
            {folder + "issue_images/" + TestScenario::TextAt(issue, "picture"), 32, 32});
    for (TXmlNode* party : Children(data.Parties())) {
        pictures.push_back(
            {folder + "party_images/" + TestScenario::TextAt(party, "picture"), 101, 101});
        for (TXmlNode* leader : Children(party->GetChild("leaders"))) {
            const std::string candidates = folder + "party_images/candidates/";
            pictures.push_back({candidates + TestScenario::TextAt(leader, "image_large"), 75, 87});
            pictures.push_back({candidates + TestScenario::TextAt(leader, "image_small"), 32, 32});
        }
    }
    for (const char* list : {"leaders", "viceleaders"})
        for (TXmlNode* activity : Children(data.Activities()->GetChild(list)))
            pictures.push_back(
                {folder + "activity_images/" + TestScenario::TextAt(activity, "picture"), 32, 32});
    return pictures;
}

// The sample and the base scenario must both pass every test below.
class ShippedScenario : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        std::string folder = GetParam();
        ASSERT_NO_THROW(Data.Load(folder));
        ASSERT_TRUE(Data.Loaded());
    }
    TScenarioData Data;
};

TEST_P(ShippedScenario, HoldsTheTenRootsStoredExactlyAsTheProgramWritesThem) {
    // Opening a scenario rewrites it at once; shipped files that differ from
    // the written form would show up as changes in every copy.
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        const std::string path = Data.Folder() + TScenarioData::FileName(file);
        ASSERT_NE(Data.Root(file), nullptr) << path;
        EXPECT_EQ(Data.Root(file)->Name, TScenarioData::ElementName(file));
        EXPECT_GT(Data.Root(file)->ChildCount(), 0) << path;
        EXPECT_EQ(FileText::Read(path), Data.Document(file).ToText()) << path;
    }
}

TEST_P(ShippedScenario, EveryNamedPictureIsA24BitBitmapOfItsEditorSize) {
    const std::vector<TPicture> pictures = NamedPictures(Data);
    ASSERT_GT(pictures.size(), 20u);
    for (const TPicture& picture : pictures) {
        SCOPED_TRACE(picture.Path);
        ASSERT_TRUE(fs::is_regular_file(picture.Path));
        const TBitmap bitmap = ReadBitmap(picture.Path);
        ASSERT_EQ(bitmap.Problem, "");
        EXPECT_EQ(bitmap.Bits, 24);
        EXPECT_EQ(bitmap.Compression, 0u);
        EXPECT_EQ(bitmap.Width, picture.Width);
        EXPECT_EQ(bitmap.Height, picture.Height);
    }
}

TEST_P(ShippedScenario, EachFillPointFloodsAClosedAreaOfItsOwn) {
    // The region editor flood-fills from each fill point up to black: an
    // area that is not closed, or that holds another fill point, would paint
    // several regions as one.
    const TBitmap map = ReadBitmap(Data.Folder() + "map.bmp");
    ASSERT_EQ(map.Pixels.Rgb.size(), 501u * 381u * 3u);
    TMapAreas areas(map.Pixels);
    std::map<int32_t, std::string> owners;
    std::vector<TXmlNode*> regions;
    CollectRegions(Nation(Data), regions);
    for (TXmlNode* region : regions) {
        const std::string name = TestScenario::TextAt(region, "name");
        const auto points = RegionMap::FillPoints(region);
        ASSERT_FALSE(points.empty()) << name;
        for (const TXmlNode* point : points) {
            const auto at = RegionMap::PointOf(point);
            ASSERT_TRUE(at) << name;
            SCOPED_TRACE(name + " at " + std::to_string(at->X) + "," + std::to_string(at->Y));
            const int32_t area = areas.AreaAt(at->X, at->Y); // -1 outside or on black
            ASSERT_GE(area, 0);
            ASSERT_TRUE(owners.emplace(area, name).second)
                << "lies in the area of " << owners[area];
            for (const FloodFill::TSpan& span : areas.Spans(area))
                ASSERT_TRUE(span.Y > 0 && span.Y < 380 && span.Left > 0 && span.Right < 500)
                    << "the area is not closed by black";
        }
        const auto label = RegionMap::PointOf(RegionMap::AbbreviationPosition(region));
        EXPECT_TRUE(label && map.Pixels.Contains(label->X, label->Y)) << name;
    }
}

TEST_P(ShippedScenario, ItemIdentifiersAreUnique) {
    // References are resolved by the first element with the id; a duplicate
    // would silently point elsewhere.
    std::vector<const TXmlNode*> items;
    auto addChildren = [&](const TXmlNode* list) {
        for (TXmlNode* item : Children(list))
            items.push_back(item);
    };
    addChildren(Data.Issues());
    addChildren(Data.Ads());
    addChildren(Data.Endorsers());
    addChildren(Data.Events()->GetChild("scripted_events"));
    addChildren(Data.Scenario()->GetChild("economy")->GetChild("targets"));
    std::vector<TXmlNode*> units{Nation(Data)};
    CollectRegions(Nation(Data), units);
    items.insert(items.end(), units.begin(), units.end());
    for (TXmlNode* party : Children(Data.Parties())) {
        items.push_back(party);
        addChildren(party->GetChild("leaders"));
        addChildren(party->GetChild("viceleaders"));
    }
    std::set<std::string> seen;
    for (const TXmlNode* item : items) {
        const std::string id = item->AttributeValue("id");
        EXPECT_FALSE(id.empty()) << item->Name;
        EXPECT_TRUE(seen.insert(id).second) << item->Name << " " << id;
    }
}

TEST_P(ShippedScenario, VerifiesWithoutAMessageAndWithoutRepairs) {
    const std::vector<std::string> before = TestScenario::DocumentTexts(Data);
    const TVerificationRunResult result = VerificationRun::Run(&Data, true);
    EXPECT_EQ(TestScenario::MessageTexts(Data), std::vector<std::string>{});
    EXPECT_FALSE(result.ProblemsExist);
    // Silent repairs (missing percentages entries, moved bonus regions,
    // dropped references) would change the documents.
    EXPECT_FALSE(Data.Changed());
    EXPECT_EQ(TestScenario::DocumentTexts(Data), before);
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedScenario, testing::Values(Sample, BaseFolder()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param == BaseFolder() ? "Base" : "Sample";
                         });

TEST(ShippedData, ScenarioListNamesTheSampleFolders) {
    const std::string scenarios = std::string(SHIPPED_DATA_DIR) + "/scenarios/";
    std::vector<std::string> names;
    for (const std::string& line : ScenarioFolders::ReadLines(scenarios + "scenarios.txt"))
        if (!line.empty())
            names.push_back(line);
    ASSERT_FALSE(names.empty());
    EXPECT_NE(std::find(names.begin(), names.end(), SampleName), names.end());
    for (const std::string& name : names) {
        EXPECT_TRUE(ScenarioFolders::DirectoryExists(scenarios + name)) << name;
        for (TScenarioFile file : TScenarioData::AllFiles())
            EXPECT_TRUE(fs::is_regular_file(scenarios + name + "/" + TScenarioData::FileName(file)))
                << name << " " << TScenarioData::FileName(file);
    }
}

class ShippedTemplate : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NO_THROW(Data.CreateFromTemplate(TemplateFile(), Folder.Str()));
        ASSERT_TRUE(Data.Loaded());
    }
    TTemporaryFolder Folder;
    TScenarioData Data;
};

TEST_F(ShippedTemplate, IsStoredAsTheProgramWritesItAndHoldsTheTenRoots) {
    TXmlDom document;
    ASSERT_TRUE(document.LoadFromFile(TemplateFile()));
    EXPECT_EQ(FileText::Read(TemplateFile()), document.ToText());
    for (TScenarioFile file : TScenarioData::AllFiles()) {
        ASSERT_NE(Data.Root(file), nullptr) << TScenarioData::ElementName(file);
        EXPECT_EQ(Data.Root(file)->Name, TScenarioData::ElementName(file));
    }
}

TEST_F(ShippedTemplate, HoldsFourAttributeIssuesThenEighteenDescribedPositionIssues) {
    const std::vector<TXmlNode*> issues = Children(Data.Issues());
    ASSERT_EQ(issues.size(), 22u);
    for (size_t i = 0; i < issues.size(); ++i) {
        SCOPED_TRACE(TestScenario::TextAt(issues[i], "name"));
        EXPECT_FALSE(issues[i]->AttributeValue("id").empty());
        EXPECT_LE(TestScenario::TextAt(issues[i], "name").size(), 30u);
        if (i < 4) {
            EXPECT_EQ(TestScenario::TextAt(issues[i], "type"), "attribute");
            continue;
        }
        EXPECT_EQ(TestScenario::TextAt(issues[i], "type"), "PositionIssue");
        const std::vector<TXmlNode*> positions = Children(issues[i]->GetChild("positions"));
        ASSERT_EQ(positions.size(), 7u);
        std::set<std::string> descriptions;
        for (TXmlNode* position : positions) {
            const std::string description = TestScenario::TextAt(position, "description");
            // The issue editor's description memo holds 120 characters.
            EXPECT_LE(description.size(), 120u);
            EXPECT_TRUE(descriptions.insert(description).second) << description;
            EXPECT_EQ(description.find("description"), std::string::npos) << description;
        }
    }
}

TEST_F(ShippedTemplate, HoldsTheSevenBuiltInActivities) {
    // Seven different ones, each one the editor refuses to remove.
    std::set<std::string> ids;
    for (const TXmlNode* activity : Children(Data.Activities()->GetChild("leaders"))) {
        EXPECT_TRUE(ActivitiesEdit::IsBuiltIn(activity)) << activity->AttributeValue("id");
        ids.insert(activity->AttributeValue("id"));
    }
    EXPECT_EQ(ids.size(), 7u);
}

TEST_F(ShippedTemplate, NewScenarioVerifiesEverythingADesignerDoesNotHaveToAdd) {
    EXPECT_TRUE(VerifyScenarioSettings(Data));
    EXPECT_TRUE(VerifyIssues(Data));
    EXPECT_TRUE(VerifyAds(Data));
    EXPECT_TRUE(VerifyEvents(Data));
    EXPECT_TRUE(VerifyEndorsers(Data));
    EXPECT_EQ(TestScenario::MessageTexts(Data), std::vector<std::string>{});
}

TEST_F(ShippedTemplate, ItsPicturesLetTheActivitiesVerify) {
    EXPECT_FALSE(VerifyActivities(Data));
    Data.Messages().clear();
    ScenarioFolders::CopyFolder(std::string(SHIPPED_DATA_DIR) + "/default_images", Folder.Str());
    EXPECT_TRUE(VerifyActivities(Data));
    EXPECT_EQ(TestScenario::MessageTexts(Data), std::vector<std::string>{});
}

} // namespace
