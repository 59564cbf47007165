#include "scenario/verify/FieldChecks.h"
#include "support/ScenarioFixture.h"
#include "xml/TDate.h"
#include "xml/TXmlNode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <tuple>

namespace {

std::string ValueMessage(const std::string& text, TCheckKind kind, bool required) {
    TXmlNode node;
    node.Name = "field";
    node.SetText(text);
    return FieldChecks::CheckValue(&node, kind, required).Message;
}

TEST(CheckValue, MissingEmptyAndUnsetValues) {
    const TCheckResult missing = FieldChecks::CheckValue(nullptr, TCheckKind::Text, false);
    EXPECT_FALSE(missing.Ok);
    EXPECT_EQ(missing.Message, "Critical Error: Node missing.");
    using K = TCheckKind;
    const std::tuple<const char*, K, bool, const char*> cases[] = {
        // Nothing else is checked once required text is found empty.
        {"", K::Text, true, "Data required."},
        {"", K::Integer, true, "Data required."},
        {"   ", K::Text, true, "No Error"},
        // Empty optional text passes only text and decimal.
        {"", K::Text, false, "No Error"},
        {"", K::Decimal, false, "No Error"},
        {"", K::Integer, false, "Invalid number value."},
        {"", K::Date, false, "Invalid date value."},
        {"", K::Position, false, "Invalid position."},
        // File and reference kinds are not value kinds.
        {"x", K::File, true, "Unknown node type."},
        {"x", K::Reference, false, "Unknown node type."}};
    for (const auto& [text, kind, required, message] : cases)
        EXPECT_EQ(ValueMessage(text, kind, required), message) << "\"" << text << "\"";
    // "-1" passes every value kind, even when required.
    for (K kind : {K::Integer, K::Decimal, K::Text, K::Date, K::Position})
        EXPECT_EQ(ValueMessage("-1", kind, true), "No Error");
}

TEST(CheckValue, IntegersDecimalsAndPositionsInAnyLetterCase) {
    for (const char* ok : {"12", "  12", "-12", "+7", "$1F", "0x1f", "2147483647", "-2147483648"})
        EXPECT_EQ(ValueMessage(ok, TCheckKind::Integer, true), "No Error") << ok;
    for (const char* bad : {"3.0", "12 ", "1e3", "twelve", "0x", "$", "2147483648", "- 5", "--5"})
        EXPECT_EQ(ValueMessage(bad, TCheckKind::Integer, true), "Invalid number value.") << bad;
    for (const char* ok : {"2,5", "2.5", "12.5", "-0.75", "100"})
        EXPECT_EQ(ValueMessage(ok, TCheckKind::Decimal, true), "No Error") << ok;
    for (const char* bad : {"2,5,1", "ten", "1.2.3", "5%"})
        EXPECT_EQ(ValueMessage(bad, TCheckKind::Decimal, true), "Invalid decimal number.") << bad;
    for (const char* ok : {"Center-Left", "FAR-RIGHT", "left", "cEnTeR"})
        EXPECT_EQ(ValueMessage(ok, TCheckKind::Position, true), "No Error") << ok;
    for (const char* bad : {"centre", "Far Left", "far-left "})
        EXPECT_EQ(ValueMessage(bad, TCheckKind::Position, true), "Invalid position.") << bad;
}

// The parser and the date check must agree on every calendar edge, and a
// valid date's day count must run on without a gap into the next day.
TEST(CheckValue, DatesFollowTheGregorianCalendar) {
    struct TCase {
        const char* Text;
        bool Valid;
    };
    const TCase cases[] = {
        {"01/13/2008", true},  {"02/29/2008", true},  {"02/29/2000", true},   {"02/29/1900", false},
        {"02/29/2100", false}, {"02/29/2009", false}, {"02/28/2100", true},   {"12/31/1999", true},
        {"01/01/2000", true},  {"12/31/2008", true},  {"01/01/2009", true},   {"12/32/2008", false},
        {"00/10/2008", false}, {"01/00/2008", false}, {"04/31/2008", false},  {"13/01/2008", false},
        {"2008-01-13", false}, {"someday", false},    {"11/04/2008/1", false}};
    for (const TCase& c : cases) {
        EXPECT_EQ(ValueMessage(c.Text, TCheckKind::Date, true),
                  c.Valid ? "No Error" : "Invalid date value.")
            << c.Text;
        const auto date = TDate::Parse(c.Text);
        ASSERT_EQ(date.has_value(), c.Valid) << c.Text;
        if (!date)
            continue;
        EXPECT_EQ(TDate::FromDayNumber(date->DayNumber()), *date) << c.Text;
        const TDate next = TDate::FromDayNumber(date->DayNumber() + 1);
        const bool lastOfMonth = date->Day == TDate::DaysInMonth(date->Year, date->Month);
        EXPECT_EQ(next.Day, lastOfMonth ? 1 : date->Day + 1) << c.Text;
        EXPECT_EQ(next.Year, date->Year + (lastOfMonth && date->Month == 12 ? 1 : 0)) << c.Text;
        EXPECT_LT(*date, next) << c.Text;
    }
}

class CheckFileTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(Folder.Path() / "pictures");
        std::ofstream(Folder.Path() / "pictures" / "Flag.bmp") << "BM";
    }
    TCheckResult Check(const std::string& text, bool required) {
        TXmlNode node;
        node.SetText(text);
        return FieldChecks::CheckFile(&node, Pictures(), required);
    }
    std::string Pictures() const { return Folder.Str() + "pictures/"; }
    TTemporaryFolder Folder;
};

// Any letter case is ScenarioFolders.FilesAreFoundInAnyLetterCase's; the full
// path of a missing file, "-1" too, is the data case units-logo-files'.
TEST_F(CheckFileTest, AFileOrTheFullPathOfTheMissingOne) {
    EXPECT_TRUE(Check("flag.BMP", true).Ok);
    // An empty optional name names the folder itself, which is no file.
    EXPECT_EQ(Check("", false).Message, Pictures() + " does not exist.");
    EXPECT_EQ(Check("", true).Message, "Data required.");
    EXPECT_EQ(FieldChecks::CheckFile(nullptr, Pictures(), true).Message,
              "Critical Error: Node missing.");
}

std::optional<std::string> OnlyRemembered(const std::string& folder, const std::string& name) {
    // Any path ending in the name, so the refusal of absolute names is the
    // verifier's own.
    return name.ends_with("remembered.bmp") ? std::optional(folder + name) : std::nullopt;
}

TEST_F(CheckFileTest, AnInstalledFinderAnswersInPlaceOfTheDisk) {
    EXPECT_EQ(FieldChecks::InstallFileFinder(&OnlyRemembered), nullptr);
    EXPECT_TRUE(Check("remembered.bmp", true).Ok);
    EXPECT_FALSE(Check("Flag.bmp", true).Ok);
    // What the finder is never asked about is refused before it.
    EXPECT_FALSE(Check("/remembered.bmp", true).Ok);
    EXPECT_FALSE(Check("\\remembered.bmp", true).Ok);
    EXPECT_EQ(FieldChecks::InstallFileFinder(nullptr), &OnlyRemembered);
    EXPECT_TRUE(Check("Flag.bmp", true).Ok);
    EXPECT_FALSE(Check("remembered.bmp", true).Ok);
}

class CheckReferenceTest : public testing::Test {
protected:
    void SetUp() override {
        Root.Name = "issues";
        TXmlNode* issue = Root.AddNewChild("issue");
        issue->SetAttribute("id", "39900_5");
        issue->AddNewChild("positions")->AddNewChild("position")->SetAttribute("id", "center");
        Centre.Name = "issue";
    }
    TCheckResult Check(const std::string& name, bool allowNone, bool required = false) {
        return FieldChecks::CheckReference(&Centre, &Root, name, allowNone, required);
    }
    TXmlNode Root;
    TXmlNode Centre;
};

TEST_F(CheckReferenceTest, MissingIdNoneTheNamedElementAndRequiredText) {
    EXPECT_EQ(Check("issue", true).Message, "Id attribute not found.");
    Centre.SetAttribute("id", "-1");
    EXPECT_TRUE(Check("issue", true).Ok);
    EXPECT_EQ(Check("issue", false).Message, "Reference not found: issue -1");
    Root.AddNewChild("issue")->SetAttribute("id", "-1");
    EXPECT_TRUE(Check("issue", false).Ok);

    Centre.SetAttribute("id", "center");
    EXPECT_EQ(Check("issue", true).Message, "Reference not found: issue center");
    // Without an element name any element carrying the id will do.
    EXPECT_TRUE(Check("", false).Ok);

    Centre.SetAttribute("id", "39900_5");
    EXPECT_TRUE(Check("issue", false).Ok);
    EXPECT_EQ(Check("issue", false, true).Message, "Data required.");
    Centre.SetText("Center");
    EXPECT_TRUE(Check("issue", false, true).Ok);
    EXPECT_EQ(FieldChecks::CheckReference(nullptr, &Root, "issue", true, false).Message,
              "Critical Error: Node missing.");
    EXPECT_EQ(FieldChecks::CheckReference(&Centre, nullptr, "issue", true, false).Message,
              "Reference not found: issue 39900_5");
}

} // namespace
