#include "editor/PastedText.h"

#include "tests/support/TestText.h"

#include <gtest/gtest.h>

TEST(PastedText, BecomesAFieldTextWithCrLfLineEndsNoTrailingBlanksAndNoEnclosingQuotes)
{
    const struct {
        std::u16string_view clipboard;
        std::u16string_view field;
    } cases[] = {
        {u"\"word\"  ", u"word"},
        {u"two\nwords", u"two\r\nwords"},
        {u"two\r\nwords", u"two\r\nwords"},
        {u"\nleading", u"\r\nleading"},
        {u"a\r\n\r\n\t \u00A0", u"a"},
        {u"\"", u""},
        {u"\"\"", u""},
        {u"\"open", u"\"open"},
        {u"close\"", u"close\""},
        {u"\"\"quoted\"\"", u"\"quoted\""},  // only one pair goes
        {u"\"cell\nwith break\"\n", u"cell\r\nwith break"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizePastedText(utf16(c.clipboard)), utf16(c.field))
            << utf16(c.clipboard).toStdString();
}
