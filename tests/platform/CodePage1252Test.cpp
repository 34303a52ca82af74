#include "platform/codepage/CodePage1252.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

using namespace std::string_view_literals;

using namespace platform;

TEST(CodePage1252, EveryByteSurvivesTheRoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QString text = codepage1252::toUnicode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(codepage1252::fromUnicode(text), all);
}

TEST(CodePage1252, HighControlsDecodeToTheirTypographicCharacters)
{
    EXPECT_EQ(codepage1252::toUnicode("\x80\x84\x85\x8C\x96\x99"), QString::fromUtf8("€„…Œ–™"));
    EXPECT_EQ(codepage1252::toUnicode("\x81\x8D\x8F\x90\x9D"), utf16(u"\u0081\u008D\u008F\u0090\u009D"sv));
    EXPECT_EQ(codepage1252::toUnicode("\xE4\xDF"), QString::fromUtf8("äß"));
}

TEST(CodePage1252, CharactersOutsideTheCodePageBecomeOneQuestionMarkEach)
{
    EXPECT_EQ(codepage1252::fromUnicode(QString::fromUtf8("Łx😀y")), QByteArray("?x?y"));
    // A lone surrogate is one character too.
    EXPECT_EQ(codepage1252::fromUnicode(utf16(u"a\xD800"
                                              "b"sv)),
              QByteArray("a?b"));
}
