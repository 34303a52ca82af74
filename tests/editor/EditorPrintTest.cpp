#include "editor/CQeEditWindow.h"

#include "tests/editor/EditorTestSupport.h"
#include "tests/support/PdfPageTest.h"

using platform::Dc;

namespace {

class PrintedPage : public PdfPageTest {
protected:
    void SetUp() override
    {
        PdfPageTest::SetUp();
        editor.SetFieldCounts(4, 0, true);
    }

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
        height = editor.PrintField(dc, {200, -300, 1200, -500}, 0, 1, false, {});
        editor.PrintField(dc, {200, -600, 1200, -800}, 1, 1, false, {});
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
    editor.SetFieldText(0, "Kalvenport", 1);
    editor.SetFieldText(1, "Zuzaza", 1);
    editor.SetFieldAlignRight(1, 1);
    editor.CreatePrinterFonts(95);
    const platform::Rect rect{200, -300, 1200, -500};
    print([&](Dc& dc) {
        editor.PrintField(dc, rect, 0, 1, false, {980, 1020});
        editor.PrintField(dc, {200, -600, 1200, -800}, 1, 1, false, {980, 1020});
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

TEST_F(PrintedPage, BoldFieldsUseTheBoldPrinterFontAndTheGlyphsStandUpright)
{
    settings.store().WriteProfileInt(u"Font", u"PFont4B", 100);
    editor.SetFieldText(0, "L", 1);
    editor.SetFontSize(0, 1, 4);
    editor.SetFieldBold(0, 1);
    editor.CreatePrinterFonts(100);
    print([&](Dc& dc) { editor.PrintField(dc, {300, -400, 1000, -600}, 0, 1, false, {}); });
    EXPECT_NEAR(word("L").height(), 10.0, kTolerance);  // "PFont4B" 100 at 100 %: a 10 mm cell
    expectUprightL(QRect(300, 400, 300, 200));
}
