#include "platform/gdi/Dc.h"

#include "tests/platform/InkBox.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>

using namespace platform;

namespace {

// A white page of `width` x `height` pixels at `dpiX` x `dpiY`. At 254 dpi one pixel is a tenth of a
// millimetre.
QImage page(int width, int height, double dpiX = 254, double dpiY = 254)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    image.fill(Qt::white);
    return image;
}

// Draws on `image` through a Dc in the metric mode, the way the forms draw.
void drawMetric(QImage& image, const std::function<void(Dc&)>& draw)
{
    QPainter painter(&image);
    Dc dc(painter);
    dc.mapper().setMapMode(MapMode::LoMetric);
    dc.setBackgroundMode(BackgroundMode::Transparent);
    draw(dc);
}

Font arial(int height, int escapement = 0)
{
    return Font{"Arial", height, 400, escapement};
}

}  // namespace

struct FontHeightCase {
    int height;
    double dpi;
};

class FontHeight : public ::testing::TestWithParam<FontHeightCase> {};

TEST_P(FontHeight, PositiveHeightIsTheCellWithinAPixel)
{
    const auto [height, dpi] = GetParam();
    QImage image = page(10, 10, dpi, dpi);
    drawMetric(image, [&](Dc& dc) {
        dc.selectFont(arial(height));
        const double unitsPerPixel = 254.0 / dpi;
        EXPECT_NEAR(dc.textMetrics().height, height, unitsPerPixel);
        EXPECT_NEAR(dc.textExtent("Hg").height(), height, unitsPerPixel);
    });
}

TEST_P(FontHeight, NegativeHeightIsTheEmSoTheCellIsArialsCellPerEmLarger)
{
    const auto [height, dpi] = GetParam();
    QImage image = page(10, 10, dpi, dpi);
    drawMetric(image, [&](Dc& dc) {
        dc.selectFont(arial(-height));
        // Arial's ascent and descent are 1854 and 434 of an em of 2048.
        EXPECT_NEAR(dc.textMetrics().height, height * 2288.0 / 2048.0, 254.0 / dpi * 1.2);
    });
}

INSTANTIATE_TEST_SUITE_P(Dc, FontHeight,
                         ::testing::Values(FontHeightCase{25, 96}, FontHeightCase{42, 96},
                                           FontHeightCase{20, 600}, FontHeightCase{36, 600},
                                           FontHeightCase{100, 254}));

TEST(DcFont, CapitalsOfACharacterHeightMatchThoseOfTheCellHoldingIt)
{
    // Ink only, no metrics of ours: "H" at character height 100 and at the cell height that holds an em of
    // 100.
    QImage byEm = page(300, 200);
    drawMetric(byEm, [](Dc& dc) {
        dc.selectFont(arial(-100));
        dc.textOut({20, -20}, "H");
    });
    QImage byCell = page(300, 200);
    drawMetric(byCell, [](Dc& dc) {
        dc.selectFont(arial(112));  // 100 * 2288 / 2048 = 111.7
        dc.textOut({20, -20}, "H");
    });
    EXPECT_NEAR(inkBox(byEm).height(), inkBox(byCell).height(), 1);
    EXPECT_NEAR(inkBox(byEm).height(), 100 * 1409 / 2048.0, 1.5);  // the capital height of the face
}

TEST(DcFont, MetricsAreTheSameInLogicalUnitsOnEveryResolution)
{
    QImage coarse = page(10, 10, 300, 300);
    QImage fine = page(10, 10, 1200, 1200);
    TextMetrics a, b;
    drawMetric(coarse, [&](Dc& dc) {
        dc.selectFont(arial(42));
        a = dc.textMetrics();
    });
    drawMetric(fine, [&](Dc& dc) {
        dc.selectFont(arial(42));
        b = dc.textMetrics();
    });
    EXPECT_NEAR(a.ascent, b.ascent, 0.5);
    EXPECT_NEAR(a.descent, b.descent, 0.5);
    EXPECT_GT(b.externalLeading, 0);  // Arial has one: 67 of 2048
    EXPECT_NEAR(b.externalLeading, b.height * 67 / 2288, 0.2);
}

TEST(DcFont, PairsAreNotKernedSoWidthsAddUpAsOnWindows)
{
    QImage image = page(10, 10, 600, 600);
    drawMetric(image, [](Dc& dc) {
        dc.selectFont(arial(100));
        EXPECT_NEAR(dc.textExtent("AV").width(), dc.textExtent("A").width() + dc.textExtent("V").width(),
                    1e-6);
        EXPECT_NEAR(dc.textExtent("To").width(), dc.textExtent("T").width() + dc.textExtent("o").width(),
                    1e-6);
    });
}

// TextOut at device (300, 150), "H" with a character height of 100 pixels.
namespace {
constexpr QPoint anchor{300, -150};
constexpr int anchorX = 300;
constexpr int anchorY = 150;

QRect inkOfH(unsigned align, TextMetrics* metrics = nullptr)
{
    QImage image = page(600, 300);
    drawMetric(image, [&](Dc& dc) {
        dc.selectFont(arial(-100));
        dc.setTextAlign(align);
        dc.textOut(anchor, "H");
        if (metrics) *metrics = dc.textMetrics();
    });
    return inkBox(image);
}
}  // namespace

struct HorizontalCase {
    unsigned align;
    double
        expectedInkCentre;  // relative to the anchor; "H" is symmetric, 1479 of 2048 wide with its bearings
};

class TextOutHorizontal : public ::testing::TestWithParam<HorizontalCase> {};

TEST_P(TextOutHorizontal, InkLiesWhereTheAlignmentSays)
{
    const QRect ink = inkOfH(GetParam().align | TextAlign::Baseline);
    const double advance = 100 * 1479 / 2048.0;
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0 - anchorX, GetParam().expectedInkCentre * advance, 1.5);
}

INSTANTIATE_TEST_SUITE_P(Dc, TextOutHorizontal,
                         ::testing::Values(HorizontalCase{TextAlign::Left, 0.5},
                                           HorizontalCase{TextAlign::Center, 0},
                                           HorizontalCase{TextAlign::Right, -0.5}));

TEST(DcTextOut, TheBaselineLiesOnThePointAnAscentBelowItOrADescentAboveIt)
{
    TextMetrics metrics;
    const QRect baseline = inkOfH(TextAlign::Left | TextAlign::Baseline, &metrics);
    EXPECT_NEAR(baseline.bottom() + 1, anchorY, 1);
    EXPECT_NEAR(baseline.top(), anchorY - 100 * 1409 / 2048.0, 1.5);  // upright capitals
    EXPECT_NEAR(inkOfH(TextAlign::Left | TextAlign::Top).bottom() + 1, anchorY + metrics.ascent, 1);
    EXPECT_NEAR(inkOfH(TextAlign::Center | TextAlign::Bottom).bottom() + 1, anchorY - metrics.descent, 1);
}

TEST(DcTextOut, NegativeEscapementTurnsTheBaselineClockwise)
{
    QImage image = page(800, 400);
    drawMetric(image, [](Dc& dc) {
        dc.selectFont(arial(-60, -150));
        dc.setTextAlign(TextAlign::Left | TextAlign::Baseline);
        dc.textOut({100, -100}, "HHHHHHHHHH");
    });
    const QRect firstLetter = inkBox(image, QRect(100, 0, 40, 400));
    const QRect lastLetters = inkBox(image, QRect(500, 0, 40, 400));
    ASSERT_FALSE(lastLetters.isEmpty());
    // 400 pixels further along a baseline turned 15 degrees: tan(15°) * 400 = 107 pixels lower.
    EXPECT_NEAR(lastLetters.bottom() - firstLetter.bottom(), 107, 12);
}

TEST(DcTextOut, OpaqueBackgroundWhitensTheCellTransparentLeavesThePage)
{
    for (const BackgroundMode mode : {BackgroundMode::Opaque, BackgroundMode::Transparent}) {
        QImage image = page(300, 200);
        image.fill(Qt::black);
        drawMetric(image, [&](Dc& dc) {
            dc.setBackgroundMode(mode);
            dc.selectFont(arial(50));
            dc.textOut({20, -20}, "H H");
        });
        // In the middle of the blank between the two letters.
        const bool white = qGray(image.pixel(58, 40)) > 128;
        EXPECT_EQ(white, mode == BackgroundMode::Opaque);
    }
}

TEST(DcTextOut, TextColourIsAColorRef)
{
    QImage image = page(300, 200);
    drawMetric(image, [](Dc& dc) {
        dc.setTextColor(0x0000FF);
        dc.selectFont(arial(-100));
        dc.textOut({20, -20}, "I");
    });
    const QRect ink = inkBox(image);
    EXPECT_EQ(QColor(image.pixel(ink.center())), QColor(255, 0, 0));
}

namespace {
// A field of the forms: 0xB10 and its centred and right-aligned kin.
constexpr unsigned FieldFormat = DrawTextFormat::WordBreak | DrawTextFormat::NoClip |
                                 DrawTextFormat::ExternalLeading | DrawTextFormat::NoPrefix;
}  // namespace

TEST(DcDrawText, ReportsTheHeightOfAllLinesDownwardsAsNegativeInTheMetricMode)
{
    QImage image = page(600, 600);
    drawMetric(image, [](Dc& dc) {
        dc.selectFont(arial(42));
        const TextMetrics metrics = dc.textMetrics();
        Rect rect{100, -100, 500, -500};
        const int height = dc.drawText("eins\r\nzwei\r\n", rect, FieldFormat);
        EXPECT_NEAR(height, -3 * (metrics.height + metrics.externalLeading), 0.5);
        EXPECT_EQ(rect, (Rect{100, -100, 500, -500}));
        Rect plain{100, -100, 500, -500};
        EXPECT_NEAR(dc.drawText("eins", plain, DrawTextFormat::NoClip), -metrics.height, 0.5);
    });
    // In pixels, downwards is positive.
    QPainter painter(&image);
    Dc pixels(painter);
    pixels.selectFont(arial(40));
    Rect rect{10, 10, 500, 500};
    EXPECT_NEAR(pixels.drawText("a\r\nb", rect, 0), 2 * pixels.textMetrics().height, 0.5);
}

TEST(DcDrawText, CalcRectMeasuresTheWrappedTextAndDrawsNothing)
{
    QImage image = page(600, 600);
    drawMetric(image, [](Dc& dc) {
        dc.selectFont(arial(40));
        const double word = dc.textExtent("Zollstelle").width();
        const double height = dc.textMetrics().height;
        Rect rect{100, -100, 100 + int(word * 1.5), -110};
        const int reported =
            dc.drawText("Zollstelle Zollstelle", rect, DrawTextFormat::WordBreak | DrawTextFormat::CalcRect);
        EXPECT_NEAR(reported, -2 * height, 0.5);
        EXPECT_EQ(rect.bottom, -100 + reported);
        EXPECT_EQ(rect.right, 100 + int(std::ceil(word)));
    });
    EXPECT_TRUE(inkBox(image).isEmpty());
}

TEST(DcDrawText, LinesFollowEachOtherDownTheRectangle)
{
    QImage image = page(400, 600);
    TextMetrics metrics;
    drawMetric(image, [&](Dc& dc) {
        dc.selectFont(arial(-100));
        metrics = dc.textMetrics();
        Rect rect{50, -50, 350, -550};
        dc.drawText("H\r\nH", rect, FieldFormat);
    });
    const double advance = metrics.height + metrics.externalLeading;
    EXPECT_NEAR(inkBox(image, QRect(0, 0, 400, 50 + int(advance))).bottom() + 1, 50 + metrics.ascent, 1);
    EXPECT_NEAR(inkBox(image).bottom() + 1, 50 + advance + metrics.ascent, 1);
}

struct LineAlignCase {
    unsigned format;
    double expectedInkCentre;  // in the rectangle from x = 100 to 500
    QString text = "H";
};

class DrawTextAlignment : public ::testing::TestWithParam<LineAlignCase> {};

TEST_P(DrawTextAlignment, EachLineSitsLeftCentredOrRightInTheRectangle)
{
    QImage image = page(600, 300);
    drawMetric(image, [](Dc& dc) {
        dc.selectFont(arial(-100));
        Rect rect{100, -50, 500, -250};
        dc.drawText(GetParam().text, rect, FieldFormat | GetParam().format);
    });
    const QRect ink = inkBox(image);
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, GetParam().expectedInkCentre, 1.5);
}

// Blanks and tabs after the last letter hang past the edge; a tab takes a blank's width (569 of 2048).
INSTANTIATE_TEST_SUITE_P(
    Dc, DrawTextAlignment,
    ::testing::Values(LineAlignCase{DrawTextFormat::Left, 100 + 100 * 1479 / 4096.0},
                      LineAlignCase{DrawTextFormat::Center, 300},
                      LineAlignCase{DrawTextFormat::Right, 500 - 100 * 1479 / 4096.0},
                      LineAlignCase{DrawTextFormat::Left, 100 + 100 * (569 + 1479 / 2.0) / 2048, "\tH"},
                      LineAlignCase{DrawTextFormat::Center, 300, "H" + QString(9, ' ') + "\t"},
                      LineAlignCase{DrawTextFormat::Right, 500 - 100 * 1479 / 4096.0, "H \t "},
                      LineAlignCase{DrawTextFormat::Right | DrawTextFormat::ShownPartOnly,
                                    500 - 100 * 1479 / 4096.0, "H" + QString(5000, ' ')}));

TEST(DcDrawText, ClipsToTheRectangleUnlessToldNotTo)
{
    for (const bool noClip : {false, true}) {
        QImage image = page(600, 300);
        drawMetric(image, [&](Dc& dc) {
            dc.selectFont(arial(-100));
            Rect rect{100, -50, 200, -250};
            dc.drawText("HHHHH", rect, DrawTextFormat::WordBreak | (noClip ? DrawTextFormat::NoClip : 0));
        });
        EXPECT_EQ(inkBox(image).right() >= 200, noClip);
    }
}

TEST(DcLines, PenWidthIsLogicalAcrossAndDownOnItsOwnResolution)
{
    // 254 dpi across, 508 down: a width of 6 is 6 pixels across and 12 down.
    QImage image = page(600, 1200, 254, 508);
    drawMetric(image, [](Dc& dc) {
        dc.selectPen(Pen{PenStyle::Solid, 6, 0});
        dc.moveTo({100, -100});
        dc.lineTo({500, -100});
        dc.moveTo({300, -200});
        dc.lineTo({300, -500});
    });
    EXPECT_NEAR(inkBox(image, QRect(150, 0, 100, 300)).height(), 12, 1);
    EXPECT_NEAR(inkBox(image, QRect(0, 500, 600, 400)).width(), 6, 1);
}

TEST(DcLines, TheDefaultPenDrawsOnePixelAndMovesTheCurrentPosition)
{
    QImage image = page(600, 300, 600, 600);
    drawMetric(image, [](Dc& dc) {
        dc.moveTo({10, -10});
        dc.lineTo({200, -10});
        dc.lineTo({200, -100});
    });
    EXPECT_EQ(inkBox(image, QRect(50, 0, 300, 50)).height(), 1);
    const QRect ink = inkBox(image);
    constexpr double pixelsPerUnit = 600 / 254.0;
    // Within a pixel and a half: like Windows, a line leaves out its last pixel.
    EXPECT_NEAR(ink.left(), 10 * pixelsPerUnit, 1.5);
    EXPECT_NEAR(ink.top(), 10 * pixelsPerUnit, 1.5);
    EXPECT_NEAR(ink.right(), 200 * pixelsPerUnit, 1.5);
    EXPECT_NEAR(ink.bottom(), 100 * pixelsPerUnit, 1.5);
}

TEST(DcLines, DottedPenLeavesGapsOnAThinLine)
{
    QImage image = page(400, 100, 96, 96);
    drawMetric(image, [](Dc& dc) {
        dc.selectPen(Pen{PenStyle::Dot, 1, 0});
        dc.moveTo({0, -100});
        dc.lineTo({1000, -100});
    });
    const int row = inkBox(image).top();
    int inked = 0;
    for (int x = 0; x < 300; ++x) inked += qGray(image.pixel(x, row)) < 128;
    EXPECT_NEAR(inked, 150, 10);
}

TEST(DcFillRect, FillsTheMappedRectangleInItsColorRefColour)
{
    QImage image = page(300, 300);
    drawMetric(image, [](Dc& dc) {
        dc.mapper().setViewportOrigin({10, 20});
        dc.fillRect(Rect{10, -10, 110, -60}, 0x0000FF);
    });
    QImage red(image.size(), QImage::Format_RGB32);
    red.fill(Qt::white);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == QColor(255, 0, 0)) red.setPixel(x, y, qRgb(0, 0, 0));
    EXPECT_EQ(inkBox(red), QRect(20, 30, 100, 50));
}

TEST(DcDrawText, OnlyTheShownPartDrawsAllTheWholeTextShowsOnThePageAndBreaksNoFurther)
{
    // The box is four lines of the font high, on a page that reaches a line below it: a text longer than
    // the box shows there as it prints.
    constexpr int kFont = -40;
    const Rect box{100, -50, 500, -260};
    struct Case {
        const char* text;
        QString content;
        unsigned alignment;
    };
    const QString longWord = QString(20'000, u'x') + " y";
    const Case cases[] = {
        {"a text that fits", "Zollstelle Hamburg\r\nFreihafen", DrawTextFormat::Left},
        {"a text that fits, centred", "Zollstelle Hamburg", DrawTextFormat::Center},
        {"many words", QString("Ware ").repeated(4'000), DrawTextFormat::Left},
        {"many lines", QString("Ware\r\n").repeated(4'000), DrawTextFormat::Right},
        {"a word longer than any line", longWord, DrawTextFormat::Left},
        {"a word longer than any line, centred", longWord, DrawTextFormat::Center},
        {"a word longer than any line, right", longWord, DrawTextFormat::Right},
    };
    for (const Case& c : cases) {
        QImage whole = page(600, 320);
        QImage shown = page(600, 320);
        int wholeHeight = 0;
        int shownHeight = 0;
        double advance = 0;
        drawMetric(whole, [&](Dc& dc) {
            dc.selectFont(arial(kFont));
            Rect rect = box;
            wholeHeight = dc.drawText(c.content, rect, FieldFormat | c.alignment);
        });
        drawMetric(shown, [&](Dc& dc) {
            dc.selectFont(arial(kFont));
            advance = dc.textMetrics().height + dc.textMetrics().externalLeading;
            Rect rect = box;
            shownHeight =
                dc.drawText(c.content, rect, FieldFormat | c.alignment | DrawTextFormat::ShownPartOnly);
        });
        EXPECT_EQ(shown, whole) << c.text;
        // No more than twice the lines that start above the page's bottom edge.
        const int pageLines = int(std::ceil((box.top + 320) / advance));
        EXPECT_LE(-shownHeight, std::lround(2 * (pageLines + 1) * advance)) << c.text;
        if (-wholeHeight <= box.top + 320) {
            EXPECT_EQ(shownHeight, wholeHeight) << c.text;
        }
    }
}
