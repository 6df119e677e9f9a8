#include "core/color.h"
#include "core/value_text.h"

#include <gtest/gtest.h>

namespace zenpa {
namespace {

TEST(ColorTable, SeventeenItemsInOrder) {
    EXPECT_EQ(ColorItemName(0), QStringLiteral("黒色"));
    EXPECT_EQ(ColorItemName(8), QStringLiteral("銀色"));
    EXPECT_EQ(ColorItemName(15), QStringLiteral("白色"));
    EXPECT_EQ(ColorItemName(16), QStringLiteral("その他"));
    EXPECT_EQ(ColorItemName(17), QString());
    EXPECT_EQ(ColorTable()[9].color, MakeColor(255, 0, 0));
    EXPECT_EQ(ColorTable()[4].color, MakeColor(0, 0, 128));
    for (int i = 0; i < kColorItemCount; ++i)
        EXPECT_EQ(ColorItemIndex(ColorItemName(i)), i);
    EXPECT_EQ(ColorItemIndex(QStringLiteral("red")), -1);
    EXPECT_EQ(ColorItemIndex(QString()), -1);
}

TEST(ColorTable, ResolveChoiceWithRoleFallback) {
    const ColorRef custom = MakeColor(1, 2, 3);
    EXPECT_EQ(ResolveColor(16, custom, ColorRole::Text), custom);
    EXPECT_EQ(ResolveColor(11, custom, ColorRole::Text), MakeColor(0, 0, 255));
    EXPECT_EQ(ResolveColor(0, custom, ColorRole::Background), kBlack);
    struct Case {
        ColorRole role;
        ColorRef fallback;
    };
    const Case roles[] = {
        {ColorRole::Text, kBlack},         {ColorRole::FrameLine, kBlack},
        {ColorRole::GradationStart, kBlack}, {ColorRole::Background, kWhite},
        {ColorRole::FrameFill, kWhite},    {ColorRole::Shadow, kWhite},
        {ColorRole::HollowInside, kWhite}, {ColorRole::GradationEnd, kWhite},
    };
    for (const Case& c : roles) {
        EXPECT_EQ(ResolveColor(-1, custom, c.role), c.fallback);
        EXPECT_EQ(ResolveColor(17, custom, c.role), c.fallback);
        EXPECT_EQ(ResolveColor(ColorItemIndex(QStringLiteral("no such")), custom, c.role),
                  c.fallback);
    }
}

TEST(ColorText, WritesIdentifiersElseDollarHex) {
    EXPECT_EQ(ColorText(0x0000FF), QStringLiteral("clRed"));
    EXPECT_EQ(ColorText(0xFF0000), QStringLiteral("clBlue"));
    EXPECT_EQ(ColorText(0x123456), QStringLiteral("$00123456"));
    EXPECT_EQ(ColorText(0x00FF8000), QStringLiteral("$00FF8000"));
    EXPECT_EQ(ColorText(0xFF00000F), QStringLiteral("clBtnFace"));
    EXPECT_EQ(ColorText(0xFF00001E), QStringLiteral("clMenuBar"));
    EXPECT_EQ(ColorText(0x1FFFFFFF), QStringLiteral("clNone"));
    EXPECT_EQ(ColorText(0xFF000019), QStringLiteral("$FF000019")); // index 25 has no name
}

TEST(ColorText, ReadsIdentifiersAndIntegers) {
    struct Case {
        const char* text;
        ColorRef value;
    };
    const Case ok[] = {
        {"$00FF0000", 0xFF0000},  {"16711680", 0xFF0000},     {"0xFF0000", 0xFF0000},
        {"clblue", 0xFF0000},     {"CLRED", 0x0000FF},         {"clDefault", 0x20000000},
        {"$FF000005", 0xFF000005}, {"-1", 0xFFFFFFFF},         {"clWindowText", 0xFF000008},
    };
    for (const Case& c : ok) {
        const auto v = ParseColorText(QString::fromLatin1(c.text));
        ASSERT_TRUE(v.has_value()) << c.text;
        EXPECT_EQ(*v, c.value) << c.text;
    }
    for (const char* bad : {"red", "", "$", "0x", "12a", " 12", "$1FFFFFFFF", "clRedd"})
        EXPECT_FALSE(ParseColorText(QString::fromLatin1(bad)).has_value()) << bad;
    // Every identifier reads back as what it was written from.
    for (ColorRef c : {0x0u, 0xC0DCC0u, 0xF0FBFFu, 0xFF000000u, 0xFF00001Du, 0x20000000u})
        EXPECT_EQ(ParseColorText(ColorText(c)), c);
}

TEST(IntText, DecimalAndHexadecimal) {
    EXPECT_EQ(ParseIntText(QStringLiteral("42")), 42);
    EXPECT_EQ(ParseIntText(QStringLiteral("-42")), -42);
    EXPECT_EQ(ParseIntText(QStringLiteral("$1F")), 31);
    EXPECT_EQ(ParseIntText(QStringLiteral("0x1f")), 31);
    EXPECT_EQ(ParseIntText(QStringLiteral("-$10")), -16);
    EXPECT_EQ(ParseIntText(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(ParseIntText(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_FALSE(ParseIntText(QStringLiteral("2147483648")));
    EXPECT_FALSE(ParseIntText(QStringLiteral("1.5")));
    EXPECT_FALSE(ParseIntText(QStringLiteral("１２"))); // full-width digits are not numbers
    EXPECT_FALSE(ParseIntText(QStringLiteral("-")));
}

} // namespace
} // namespace zenpa
