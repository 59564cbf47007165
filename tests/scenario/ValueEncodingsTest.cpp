#include "scenario/ValueEncodings.h"
#include "xml/TDate.h"

#include <gtest/gtest.h>

#include <set>

using namespace ValueEncodings;

TEST(ValueEncodings, Positions) {
    EXPECT_EQ(PositionValue("far-left"), 1);
    EXPECT_EQ(PositionValue("Center-Left"), 3);
    EXPECT_EQ(PositionValue("CENTER-LEFT"), 3);
    EXPECT_EQ(PositionValue("Far Left"), -1);
    EXPECT_EQ(PositionValue(""), -1);
    EXPECT_EQ(PositionName(7), "Far-Right");
    EXPECT_EQ(PositionName(0), "Unknown");
    EXPECT_EQ(PositionName(8), "Unknown");
    EXPECT_EQ(PositionLowerName(4), "center");
}

TEST(ValueEncodings, ColoursAndTheirLightShade) {
    EXPECT_EQ(ColourOf("Blue", TColourVariant::Main), (TRgb{0x20, 0x20, 0xFF}));
    EXPECT_EQ(ColourOf("BLUE", TColourVariant::Light), (TRgb{0x29, 0x29, 0xFF}));
    EXPECT_EQ(ColourOf("light-blue", TColourVariant::Light), (TRgb{0x44, 0xC7, 0xFF}));
    EXPECT_EQ(ColourOf("light-green", TColourVariant::Light), (TRgb{0xAA, 0xFF, 0xAA}));
    EXPECT_EQ(ColourOf("red", TColourVariant::Light), (TRgb{0xFF, 0x00, 0x00}));
    EXPECT_FALSE(ColourOf("teal", TColourVariant::Main));
    EXPECT_EQ(ColourNames().size(), 16u);
}

TEST(ValueEncodings, Weekdays) {
    const std::pair<const char*, const char*> names[] = {
        {"wed", "Wednesday"}, {"day", "Tuesday"}, {"Sun", "Sunday"},
        {"xyz", "Monday"},    {"", "Monday"},     {"Monday", "Monday"}};
    for (const auto& [text, day] : names)
        EXPECT_EQ(DayName(text), day) << text;
    for (const auto& [day, abbrev] :
         {std::pair{"Thursday", "Thu"}, {"Monday", "Mon"}, {"sunday", "Sun"}})
        EXPECT_EQ(DayAbbrev(day), abbrev);
}

TEST(ValueEncodings, IdsHaveTheDayCountFormAndNeverRepeat) {
    EXPECT_EQ(IdFromDayCount(39996.5), "39996_5");
    EXPECT_EQ(IdFromDayCount(39996), "39996");
    std::set<std::string> seen;
    for (int i = 0; i < 2000; ++i) {
        const std::string id = NewId();
        EXPECT_TRUE(seen.insert(id).second) << id;
        EXPECT_EQ(id.find_first_not_of("0123456789_"), std::string::npos) << id;
    }
}

TEST(ValueEncodings, NumericKeys) {
    for (int c : {int('0'), int('9'), int('-'), 8})
        EXPECT_TRUE(IsIntegerKey(c));
    for (int c : {'.', ',', 'a', '+', ' '})
        EXPECT_FALSE(IsIntegerKey(c));
    EXPECT_TRUE(IsDecimalKey('.'));
    EXPECT_FALSE(IsDecimalKey(','));
}

TEST(TDate, ParsesTheFileFormAndCountsDays) {
    EXPECT_EQ(TDate::Parse("11/04/2008"), (TDate{2008, 11, 4}));
    EXPECT_EQ(TDate::Parse(" 1/5/2008 "), (TDate{2008, 1, 5}));
    EXPECT_FALSE(TDate::Parse(""));
    EXPECT_EQ((TDate{2008, 11, 4}).ToString(), "11/04/2008");
    EXPECT_EQ((TDate{1899, 12, 30}).DayNumber(), 0);
    EXPECT_EQ((TDate{2009, 7, 1}).DayNumber(), 39995);
    EXPECT_EQ(TDate::FromDayNumber(39995), (TDate{2009, 7, 1}));
    EXPECT_EQ((TDate{2008, 11, 4}).Weekday(), 1); // a Tuesday
}
