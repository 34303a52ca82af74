#include "app/Calculate2.h"

#include "tests/support/TestFiles.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

namespace {

}  // namespace

TEST(Calculate2, FoldsDashesQuotesAndTheEuroSign)
{
    Calculate2 convert;
    EXPECT_EQ(convert.ToCodePage1252(QString::fromUtf8("5€ – „x“")),
              bytes({0x35, 0x45, 0x20, 0x2D, 0x20, 0x22, 0x78, 0x22}));
}

TEST(Calculate2, KeepsLatinLettersAndMarksOtherTypographyWithA5)
{
    Calculate2 convert;
    EXPECT_EQ(convert.ToCodePage1252(QString::fromUtf8("Äößé")), bytes({0xC4, 0xF6, 0xDF, 0xE9}));
    // In code page 1252 at 0x85, 0x8C and 0x99, but above U+00FF after the round trip.
    EXPECT_EQ(convert.ToCodePage1252(QString::fromUtf8("…Œ™")), bytes({0xA5, 0xA5, 0xA5}));
    // Not in code page 1252 at all: '?'.
    EXPECT_EQ(convert.ToCodePage1252(QString::fromUtf8("Ł😀")), QByteArray("??"));
}

TEST(Calculate2, RefusesTextsLongerThan9900CharactersButNotEmptyOnes)
{
    Calculate2 convert;
    EXPECT_EQ(convert.ToCodePage1252(QString(9900, 'a')), QByteArray(9900, 'a'));
    EXPECT_EQ(convert.ToCodePage1252(QString(9901, 'a')), std::nullopt);
    EXPECT_EQ(Calculate2::ToCodePage1252Static(QString(9901, 'a')), std::nullopt);
    const auto empty = convert.ToCodePage1252(QString());
    ASSERT_TRUE(empty.has_value());
    EXPECT_TRUE(empty->isEmpty());
}

TEST(Calculate2, StopsAtTheFirstZeroCharacter)
{
    EXPECT_EQ(Calculate2::ToCodePage1252Static(utf16(u"ab\0cd"sv)), QByteArray("ab"));
}

TEST(Calculate2, UsesTheFoldingOfADerivedClass)
{
    struct Stars : Calculate2 {
        int FoldCodePoint(int) override { return '*'; }
    };
    Stars convert;
    EXPECT_EQ(convert.ToCodePage1252(QString::fromUtf8("a€–")), QByteArray("a**"));
    EXPECT_EQ(Calculate2::ToCodePage1252Static(QString::fromUtf8("a€")), QByteArray("aE"));
}

TEST(Calculate2, FoldCodePointTable)
{
    Calculate2 convert;
    const std::pair<int, int> cases[] = {
        {0x41, 0x41},   {0xFF, 0xFF},   {0x2011, 0xA5}, {0x2012, '-'},  {0x2015, '-'},
        {0x2018, '\''}, {0x201B, '\''}, {0x201C, '"'},  {0x201F, '"'},  {0x2033, '"'},
        {0x2034, '"'},  {0x20AC, 'E'},  {0x2016, 0xA5}, {0x0152, 0xA5}, {0x1F600, 0xA5},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(convert.FoldCodePoint(in), out) << std::hex << in;
}

TEST(Calculate2, NarrowAndWidenCopyByteForByte)
{
    Calculate2 convert;
    EXPECT_EQ(convert.WidenCopy(bytes({0xE4, 0x41})), utf16(u"\u00E4A"sv));
    EXPECT_EQ(convert.WidenCopy(bytes({0x41, 0x00, 0x42})), QString("A"));
    EXPECT_EQ(convert.NarrowCopy(utf16(u"\u00E4\u20AC"sv)), bytes({0xE4, 0xAC}));
    EXPECT_EQ(convert.FromNarrow(bytes({0x80})), utf16(u"\u0080"sv));
    EXPECT_EQ(convert.FromNarrow(QByteArray(9901, 'x')), std::nullopt);
    EXPECT_EQ(convert.FromNarrow(QByteArray(9900, 'x')), QString(9900, 'x'));
}
