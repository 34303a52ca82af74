#include "forms/print/MarginOffset.h"

#include <gtest/gtest.h>
#include <climits>

namespace {

struct TextCase {
    int tenths;
    int language;
    const char16_t* horizontal;
    const char16_t* vertical;
};

const TextCase kTexts[] = {
    {15, 0, u"1.5 mm nach rechts", u"1.5 mm nach unten"},
    {-5, 0, u"0.5 mm nach links", u"0.5 mm nach oben"},
    {0, 0, u"unverändert", u"unverändert"},
    {200, 0, u"20.0 mm nach rechts", u"20.0 mm nach unten"},
    {-2, 0, u"0.2 mm nach links", u"0.2 mm nach oben"},
    {15, 1, u"1.5 mm to the right", u"1.5 mm to bottom"},
    {-5, 1, u"0.5 mm to the left", u"0.5 mm to top"},
    {0, 1, u"unchanged", u"unchanged"},
    {15, 2, u"1.5 mm nach rechts", u"1.5 mm nach unten"},
    {-15, -1, u"1.5 mm nach links", u"1.5 mm nach oben"},
    {1234567, 0, u"123456.7 mm nach rechts", u"123456.7 mm nach unten"},
    {INT_MIN, 0, u"214748364.8 mm nach links", u"214748364.8 mm nach oben"},
};

}  // namespace

TEST(MarginOffset, TheTextShowsTheStoredTenthsExactlyWithADecimalPoint)
{
    for (const TextCase& c : kTexts) {
        SCOPED_TRACE(c.tenths);
        EXPECT_EQ(MarginOffset::HorizontalText(c.tenths, c.language), QString::fromUtf16(c.horizontal));
        EXPECT_EQ(MarginOffset::VerticalText(c.tenths, c.language), QString::fromUtf16(c.vertical));
    }
}

TEST(MarginOffset, ArrowsStepHalfMillimetresAndStopAtTwentyEitherWay)
{
    const struct {
        int from;
        int back;
        int on;
    } steps[] = {
        {0, -5, 5},
        {195, 190, 200},
        {200, 195, 200},
        {-200, -200, -195},
        {-195, -200, -190},
        {3, -2, 8},
        {4, -1, 9},
        {-4, -9, 1},
        {198, 193, 203},
        {203, 198, 203},
        {-250, -250, -245},
        {250, 245, 250},
        {INT_MIN, INT_MIN, INT_MIN + 5},
        {INT_MAX, INT_MAX - 5, INT_MAX},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(MarginOffset::StepBack(step.from), step.back) << step.from;
        EXPECT_EQ(MarginOffset::StepOn(step.from), step.on) << step.from;
    }
}
