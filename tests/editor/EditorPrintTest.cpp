#include "editor/CQeEditWindow.h"

#include "tests/editor/EditorTestSupport.h"
#include "tests/editor/PdfWords.h"
#include "tests/platform/InkBox.h"

#include <gtest/gtest.h>
#include <QPainter>
#include <QPdfWriter>
#include <QStandardPaths>
#include <functional>

using platform::Dc;

namespace {

// Prints onto an A4 PDF page without margins, in the metric mode with the origin at the page's top-left
// corner, as the form printing does.
class PrintedPage : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdftoppm").isEmpty())
            GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath("page.pdf");
        editor.SetFieldCounts(4, 0, true);
    }

    void print(const std::function<void(Dc&)>& draw)
    {
        QPdfWriter pdf(path);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&pdf);
        Dc dc(painter);
        dc.mapper().setMapMode(platform::MapMode::LoMetric);
        dc.setBackgroundMode(platform::BackgroundMode::Transparent);
        draw(dc);
    }

    QRectF word(const QString& text)
    {
        for (const PdfWord& found : pdfWords(path))
            if (found.text == text) return found.mm;
        ADD_FAILURE() << "no word " << text.toStdString() << " on the page";
        return {};
    }

    QTemporaryDir dir;
    QString path;
    TemporarySettings settings;
    CQeEditWindow editor{&settings.store()};
};

constexpr double kTolerance = 0.2;  // millimetres

}  // namespace

TEST_F(PrintedPage, AFieldLandsWhereItsPrintRectangleSaysWithoutTheScreenEverShown)
{
    editor.SetFieldText(0, "Kalvenport", 1);
    editor.SetFieldText(1, "Zuzaza", 1);
    editor.SetFieldAlignRight(1, 1);
    editor.CreatePrinterFonts(95);
    int height = 0;
    print([&](Dc& dc) {
        height = editor.PrintField(dc, {200, -300, 1200, -500}, 0, 1, false);
        editor.PrintField(dc, {200, -600, 1200, -800}, 1, 1, false);
    });
    // Size 1 prints 32 * 95 / 100 = 30 tenths high, 1 mm in from the left edge of the box.
    const QRectF left = word("Kalvenport");
    EXPECT_NEAR(left.left(), 21.0, kTolerance);
    EXPECT_NEAR(left.top(), 30.0, kTolerance);
    EXPECT_NEAR(left.height(), 3.0, kTolerance);
    EXPECT_GT(left.width(), left.height());
    // 1.2 mm in from the right edge.
    const QRectF right = word("Zuzaza");
    EXPECT_NEAR(right.right(), 118.8, kTolerance);
    EXPECT_NEAR(right.top(), 60.0, kTolerance);
    // The height is given as the metric mode runs: downwards is negative.
    EXPECT_NEAR(height, -30 - 1, 2);
}

TEST_F(PrintedPage, ThePrintAreaFactorsScaleTheRectangleTowardTheOrigin)
{
    settings.store().WriteProfileInt(u"Settings", u"PrnFactorV", 980);
    settings.store().WriteProfileInt(u"Settings", u"PrnFactorH", 1020);
    editor.SetFieldText(0, "Kalvenport", 1);
    editor.SetFieldText(1, "Zuzaza", 1);
    editor.SetFieldAlignRight(1, 1);
    editor.CreatePrinterFonts(95);
    const platform::Rect rect{200, -300, 1200, -500};
    print([&](Dc& dc) {
        editor.PrintField(dc, rect, 0, 1, false);
        editor.PrintField(dc, {200, -600, 1200, -800}, 1, 1, false);
    });
    // (204, -294, 1224, -490), then the inset.
    const QRectF left = word("Kalvenport");
    EXPECT_NEAR(left.left(), 21.4, kTolerance);
    EXPECT_NEAR(left.top(), 29.4, kTolerance);
    // Right edge 1200 * 1.02 = 1224, less 12; top 600 * 0.98 = 588.
    const QRectF right = word("Zuzaza");
    EXPECT_NEAR(right.right(), 121.2, kTolerance);
    EXPECT_NEAR(right.top(), 58.8, kTolerance);
}

TEST_F(PrintedPage, HandSetPrintAreaFactorsOfZeroOrLessCountAsOnePerMille)
{
    settings.store().WriteProfileInt(u"Settings", u"PrnFactorV", 0);
    settings.store().WriteProfileInt(u"Settings", u"PrnFactorH", -1000);
    editor.SetFieldText(0, "Kalvenport", 1);
    print([&](Dc& dc) { editor.PrintField(dc, {2000, -3000, 3000, -3500}, 0, 1, false); });
    // The box shrinks to the origin, and the text is still printed there.
    const QRectF left = word("Kalvenport");
    EXPECT_NEAR(left.left(), 1.2, kTolerance);
    EXPECT_NEAR(left.top(), 0.3, kTolerance);
}

TEST_F(PrintedPage, BoldFieldsUseTheBoldPrinterFontAndTheGlyphsStandUpright)
{
    settings.store().WriteProfileInt(u"Font", u"PFont4B", 100);
    editor.SetFieldText(0, "L", 1);
    editor.SetFontSize(0, 1, 4);
    editor.SetFieldBold(0, 1);
    editor.CreatePrinterFonts(100);
    print([&](Dc& dc) { editor.PrintField(dc, {300, -400, 1000, -600}, 0, 1, false); });
    EXPECT_NEAR(word("L").height(), 10.0, kTolerance);  // "PFont4B" 100 at 100 %: a 10 mm cell

    // The page from (300, 400) in tenths of a millimetre at 254 dpi, a pixel a tenth of a millimetre.
    const QString base = QDir(dir.path()).filePath("page");
    QProcess::execute("pdftoppm", {"-gray", "-r", "254", "-f", "1", "-l", "1", "-singlefile", "-x", "300",
                                   "-y", "400", "-W", "300", "-H", "200", path, base});
    const QImage part(base + ".pgm");
    ASSERT_FALSE(part.isNull());
    const QRect ink = inkBox(part);
    ASSERT_FALSE(ink.isEmpty());
    const QRect foot = inkBox(part, QRect(0, ink.bottom() - 4, 300, 5));
    const QRect head = inkBox(part, QRect(0, ink.top(), 300, 5));
    EXPECT_GT(foot.width(), ink.width() / 2 + 10);  // the bar of the L at its foot, to the right
    EXPECT_LT(head.width(), ink.width() / 2);       // only the stem at the top
    EXPECT_NEAR(head.left(), ink.left(), 1);
}
