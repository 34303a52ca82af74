#include "platform/gdi/DrawTextLines.h"

#include "platform/gdi/GdiTypes.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

// Every character ten units wide, so that the widths in the cases can be counted by eye.
double tenPerCharacter(QStringView text)
{
    return 10.0 * text.size();
}

struct WrapCase {
    const char* name;
    const char16_t* text;
    unsigned format;
    double width;
    QStringList lines;
};

constexpr unsigned Wrap = DrawTextFormat::WordBreak;

const WrapCase wrapCases[] = {
    {"an empty text is one empty line", u"", 0, 100, {""}},
    {"CR LF ends a line", u"ab\r\ncd", 0, 100, {"ab", "cd"}},
    {"a final line end counts as a line", u"ab\r\n", 0, 100, {"ab", ""}},
    {"two final line ends give two empty lines", u"ab\r\n\r\n", Wrap, 100, {"ab", "", ""}},
    {"a lone CR and a lone LF each end a line", u"a\rb\nc", 0, 100, {"a", "b", "c"}},
    {"LF CR is two line ends", u"a\n\rb", 0, 100, {"a", "", "b"}},
    {"without word break a long line stays whole", u"aa bb cc", 0, 30, {"aa bb cc"}},
    {"words that fit exactly stay on the line", u"aa bb cc", Wrap, 50, {"aa bb", "cc"}},
    {"the line breaks at the blank before the word that passes the edge",
     u"aa bb cc",
     Wrap,
     49,
     {"aa", "bb", "cc"}},
    {"a word longer than the line stands alone and is not split",
     u"aa bbbbbbbb cc",
     Wrap,
     50,
     {"aa", "bbbbbbbb", "cc"}},
    {"a first word longer than the line is not split", u"bbbbbbbb cc", Wrap, 50, {"bbbbbbbb", "cc"}},
    {"the blanks at a break are dropped", u"aa    bb", Wrap, 30, {"aa", "bb"}},
    {"blanks after a line end stay", u"aa\r\n  bb", Wrap, 100, {"aa", "  bb"}},
    {"blanks after the last word stay", u"aa  ", Wrap, 20, {"aa  "}},
    {"a tab is no place where a line breaks", u"aa\tbb cc", Wrap, 40, {"aa\tbb", "cc"}},
    {"tabs after the last word neither break nor move the line", u"aa bb\t\t\t", Wrap, 50, {"aa bb\t\t\t"}},
    {"a final line end after wrapped lines still counts", u"aa bb\r\n", Wrap, 30, {"aa", "bb", ""}},
    {"each line of a text wraps on its own", u"aa bb\r\ncc dd", Wrap, 30, {"aa", "bb", "cc", "dd"}},
    {"single line leaves out the line ends", u"ab\r\ncd\n", DrawTextFormat::SingleLine | Wrap, 10, {"abcd"}},
};

class DrawTextWrap : public ::testing::TestWithParam<WrapCase> {};

}  // namespace

TEST_P(DrawTextWrap, GivesTheLinesDrawTextDraws)
{
    const WrapCase& c = GetParam();
    EXPECT_EQ(drawTextLines(QStringView(c.text), c.format, c.width, tenPerCharacter), c.lines) << c.name;
}

INSTANTIATE_TEST_SUITE_P(DrawTextLines, DrawTextWrap, ::testing::ValuesIn(wrapCases));

// An edit control breaks a word too long for the line after the last character that fits; a character of
// two code units or with its accent stays whole.
TEST(DrawTextLines, AnEditControlBreaksAWordTooLongForTheLineAtItsLastCharacterThatFits)
{
    const struct {
        const char16_t* paragraph;
        double width;
        QStringList lines;
    } rows[] = {
        {u"aa bbbbbbbb cc", 50, {"aa", "bbbbb", "bbb", "cc"}},
        {u"bbbbbbbbbbbb", 50, {"bbbbb", "bbbbb", "bb"}},
        {u"b\U0001D11Ebbb", 30, {"b\U0001D11E", "bbb"}},
        {u"bbe\u0301bb", 30, {"bb", "e\u0301b", "b"}},
        {u"bb", 5, {"b", "b"}},
    };
    for (const auto& row : rows) {
        const QStringView paragraph(row.paragraph);
        QStringList lines;
        for (const WrappedLine& line :
             wrapParagraph(paragraph, row.width, tenPerCharacter, kAllLines, LongWords::Break))
            lines.append(paragraph.sliced(line.start, line.end - line.start).toString());
        EXPECT_EQ(lines, row.lines) << QStringView(row.paragraph).toString().toStdString();
    }
}
