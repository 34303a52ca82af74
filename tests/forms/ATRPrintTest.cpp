// Where an A.TR. lands on paper: the PDF that form-inspect --print writes through the program's own print
// step is read back word by word and as pixels, and every field text and mark is checked against the position
// the form's print table, the calibration of the settings and the print-area scaling give it.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/atr/ATR_FieldTable.h"
#include "forms/common/DetachedForm.h"
#include "forms/print/CDlgPrinterFontSize.h"
#include "forms/print/Common_CDlgPrintSizeCorr.h"
#include "tests/forms/ATRPrintedPlaces.h"
#include "tests/forms/PrintedFormProbe.h"
#include "tests/platform/ScriptedUi.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <cstdint>
#include <optional>

using namespace settings;

namespace {

constexpr int kFields = 21;

// What the print step works with: margins, box corrections, print-area factors and printer font factor.
struct Calibration {
    int leftMargin = 0;
    int topMargin = 0;
    int box12Horizontal = 0;
    int box12Vertical = 0;
    int box13Horizontal = 0;
    int box13Vertical = 0;
    int areaVertical = 1000;
    int areaHorizontal = 1000;
    int fontFactor = 95;
};

struct CalibrationCase {
    const char* name;
    Calibration stored;     // in the settings
    Calibration effective;  // what the dialogs' ranges leave of it
};

const CalibrationCase kCalibrations[] = {
    {"none", {}, {}},
    {"margins", {15, -5}, {15, -5}},
    {"box corrections", {0, 0, 25, 15, -40, -99}, {0, 0, 25, 15, -40, -99}},
    {"print area 103 %", {0, 0, 0, 0, 0, 0, 1030, 1030}, {0, 0, 0, 0, 0, 0, 1030, 1030}},
    {"print area 97 % across, 102.5 % down", {0, 0, 0, 0, 0, 0, 1025, 970}, {0, 0, 0, 0, 0, 0, 1025, 970}},
    {"everything at once",
     {-35, 120, 12, -7, 99, 50, 980, 1015, 110},
     {-35, 120, 12, -7, 99, 50, 980, 1015, 110}},
    {"set by hand beyond every dialog",
     {5000, 900, 300, -300, -250, 1000, 0, -5, 400},
     {200, 200, 99, -99, -99, 99, 970, 970, 150}},
};

Placed placedField(int field, const Calibration& c)
{
    const FormRect& row = ATR_FieldTable.page1[field].print;
    // The A.TR. sheet's origin is 3 mm right of the left margin and 1 mm above the top margin.
    const int x0 = c.leftMargin + 30;
    const int y0 = 10 - c.topMargin;
    int dx = 0;
    int dy = 0;
    if (field >= 11 && field <= 18) {
        dx = c.box12Horizontal;
        dy = c.box12Vertical;
    } else if (field >= 19) {
        dx = c.box13Horizontal;
        dy = c.box13Vertical;
    }
    return placedRow(row, x0, y0, dx, dy, c.areaHorizontal, c.areaVertical);
}

// Short enough for the narrowest box, 12 mm, at the largest printer font, where a longer word would break.
QString wordOf(int field)
{
    return QStringLiteral("%1").arg(field, 2, 10, QChar('0'));
}

class ATRPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.InitInstance());
        texts.fill({});
    }

    void store(const Calibration& c)
    {
        app.WriteProfileInt(kLeftMargin1.in(kATRSection), c.leftMargin);
        app.WriteProfileInt(kTopMargin1.in(kATRSection), c.topMargin);
        app.WriteProfileInt(kATRField12HorCorr, c.box12Horizontal);
        app.WriteProfileInt(kATRField12VertCorr, c.box12Vertical);
        app.WriteProfileInt(kATRField13HorCorr, c.box13Horizontal);
        app.WriteProfileInt(kATRField13VertCorr, c.box13Vertical);
        app.WriteProfileInt(kPrnFactorV, c.areaVertical);
        app.WriteProfileInt(kPrnFactorH, c.areaHorizontal);
        app.WriteProfileInt(kPrinterFontFactor.in(kATRSection), c.fontFactor);
    }

    // The form with `texts` printed by form-inspect onto sheet `sheet`; false with the tool's complaint.
    bool print(int sheet = 1)
    {
        const QString form = dir.filePath("lieferung.fma");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
        DetachedForm atr = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        atr.doc->OnNewDocument();
        for (int field = 0; field < kFields; ++field)
            atr.editor().SetFieldText(std::uint16_t(field), texts[std::size_t(field)], 1);
        EXPECT_TRUE(atr.doc->OnSaveDocument(form));

        return printWithFormInspect(form, sheet, pdf, configHome(), complaint);
    }

    std::optional<QRectF> word(const QString& text) { return pdfWord(pdf, text); }

    QImage rendered(QRect part) { return renderedPart(pdf, QDir(dir.path()), part); }

    // Every field's word where its box, moved and scaled by `c`, puts it, in the printer font of `c`.
    void expectEveryFieldPlaced(const Calibration& c)
    {
        for (int field = 0; field < kFields; ++field) {
            SCOPED_TRACE(field);
            const std::optional<QRectF> found = word(wordOf(field));
            ASSERT_TRUE(found);
            expectInPlacedBox(*found, placedField(field, c), ATR_FieldTable.page1[field], c.fontFactor,
                              kPlaceTolerance);
        }
    }

    // Each test has settings of its own, shared with the tool: no calibration of an earlier test is left.
    QString configHome() const { return dir.filePath("config"); }

    QTemporaryDir dir;
    QString pdf = dir.filePath("atr.pdf");
    QString complaint;
    CQELWinAppEx app{configHome() + u'/' + CQELWinAppEx::kProgramId.toString()};
    std::array<QString, kFields> texts;
};

}  // namespace

TEST_F(ATRPrint, EveryFieldTextLandsInItsPlacedBoxUnderEveryCalibration)
{
    for (int field = 0; field < kFields; ++field) texts[std::size_t(field)] = wordOf(field);
    for (const CalibrationCase& calibration : kCalibrations) {
        SCOPED_TRACE(calibration.name);
        store(calibration.stored);
        ASSERT_TRUE(print()) << complaint.toStdString();
        expectEveryFieldPlaced(calibration.effective);
    }
}

TEST_F(ATRPrint, FactorsChangedInTheirDialogsPrint)
{
    for (int field = 0; field < kFields; ++field) texts[std::size_t(field)] = wordOf(field);
    ScriptedUi ui;
    ui.script = [](QDialog& d) {
        for (int i = 0; i < 5; ++i) QTest::keyClick(d.findChild<QWidget*>("1033"), Qt::Key_Up);
        d.accept();
    };
    ASSERT_EQ(RunPrinterFontSize(app), platform::answer::kOk);
    ui.script = [](QDialog& d) {
        d.findChild<QLineEdit*>("21147")->setText("101.5");
        d.findChild<QLineEdit*>("21148")->setText("98");
        d.accept();
    };
    ASSERT_EQ(RunPrintSizeCorrection(app), platform::answer::kOk);
    ASSERT_TRUE(print()) << complaint.toStdString();
    expectEveryFieldPlaced({.areaVertical = 1015, .areaHorizontal = 980, .fontFactor = 100});
}

TEST_F(ATRPrint, TheWorkedExampleAndTheReferenceMarksFollowTheMarginsAndNothingElse)
{
    texts[0] = "Brandel";
    for (const CalibrationCase& calibration : kCalibrations) {
        SCOPED_TRACE(calibration.name);
        store(calibration.stored);
        ASSERT_TRUE(print()) << complaint.toStdString();
        // A4 printed onto a PDF: the printable area is the whole sheet.
        const QPoint margins(calibration.effective.leftMargin, calibration.effective.topMargin);
        const Calibration& c = calibration.effective;
        if (c.areaVertical == 1000 && c.areaHorizontal == 1000) expectExporterInBoxOne(pdf, margins);
        expectReferenceMarks(pdf, QDir(dir.path()), margins);
    }
}

TEST_F(ATRPrint, TextsAreUprightOnThePage)
{
    texts[0] = "F";
    ASSERT_TRUE(print()) << complaint.toStdString();
    const std::optional<QRectF> found = word("F");
    ASSERT_TRUE(found);
    expectUprightF(pdf, QDir(dir.path()), *found);
}

TEST_F(ATRPrint, TheStrikeOutRunsBelowTheTallestGoodsTextAcrossTheGoodsBoxesAtAnyPrintAreaScaling)
{
    texts[8] = numberedLines("Pos", 2);
    texts[9] = numberedLines("Ware", 12);
    texts[10] = numberedLines("kg", 2);
    struct Scaling {
        int vertical;
        int horizontal;
    };
    for (const Scaling s :
         {Scaling{970, 970}, Scaling{1000, 1000}, Scaling{1030, 1030}, Scaling{1030, 970}}) {
        SCOPED_TRACE(std::to_string(s.vertical) + " " + std::to_string(s.horizontal));
        Calibration c;
        c.areaVertical = s.vertical;
        c.areaHorizontal = s.horizontal;
        store(c);
        ASSERT_TRUE(print()) << complaint.toStdString();
        const Placed numbers = placedField(8, c);
        const Placed weights = placedField(10, c);
        const std::optional<QRectF> lastGoods = word("Ware12");
        const std::optional<QRectF> lastWeight = word("kg2");
        ASSERT_TRUE(lastGoods && lastWeight);

        const StrikeOut line = strikeOutBelow(pdf, QDir(dir.path()), numbers, weights, *lastGoods);
        ASSERT_GE(line.y, 0) << "no strike-out";
        // In the empty line below the twelfth goods line, 2 mm above its end: below every goods text, never
        // through one.
        const double lineHeight = printerFontHeight(3, c.fontFactor) / 10.0;
        EXPECT_GT(line.y / 10.0, lastGoods->bottom() + 1.0);
        EXPECT_LT(line.y / 10.0, lastGoods->bottom() + lineHeight);
        EXPECT_GT(line.y / 10.0, lastWeight->bottom() + 1.0);
        // From the left edge of box 9 to the right edge of box 11, then down to the lower-left corner of
        // box 9.
        expectStrikeOutAcross(pdf, QDir(dir.path()), line, numbers, weights);
    }
}

TEST_F(ATRPrint, GoodsRunningPastTheBoxGetAStrikeOutThatNeverClimbs)
{
    texts[8] = numberedLines("Pos", 1);
    texts[9] = numberedLines("Ware", 32);
    texts[10] = numberedLines("kg", 1);
    store({});
    ASSERT_TRUE(print()) << complaint.toStdString();
    const Calibration c;
    const Placed numbers = placedField(8, c);
    const Placed weights = placedField(10, c);
    const std::optional<QRectF> lastGoods = word("Ware32");
    ASSERT_TRUE(lastGoods);
    ASSERT_GT(lastGoods->bottom() * 10, -numbers.bottom);  // the goods run below the box

    const StrikeOut line = strikeOutBelow(pdf, QDir(dir.path()), numbers, weights, *lastGoods);
    ASSERT_GE(line.y, 0) << "no strike-out";
    EXPECT_GT(line.y / 10.0, lastGoods->bottom() + kPlaceTolerance);
    // Between the box's lower edge and the line, right of the goods texts, a diagonal back up to the box's
    // corner would be the only ink.
    const QRect between(600, -numbers.bottom + 10, 1200, line.y - 10 - (-numbers.bottom + 10));
    ASSERT_GT(between.height(), 0);
    EXPECT_TRUE(inkBox(rendered(between)).isEmpty());
}

TEST_F(ATRPrint, NoPrintBNaseLeavesOutTheStrikeOutAndNothingElse)
{
    texts[0] = "Brandel";
    texts[9] = numberedLines("Ware", 3);
    app.WriteProfileInt(kNoPrintBNase.in(kATRSection), 1);
    ASSERT_TRUE(print()) << complaint.toStdString();
    ASSERT_TRUE(word("Brandel"));
    const std::optional<QRectF> lastGoods = word("Ware3");
    ASSERT_TRUE(lastGoods);
    const Placed numbers = placedField(8, {});
    const Placed weights = placedField(10, {});
    EXPECT_LT(strikeOutBelow(pdf, QDir(dir.path()), numbers, weights, *lastGoods).y, 0);
    // The marks stay.
    EXPECT_FALSE(inkBox(rendered(QRect(110, 40, 60, 60))).isEmpty());
}

TEST_F(ATRPrint, OnlyTheSheetsThePrintDialogOffersCanBePrinted)
{
    texts[0] = "Brandel";
    EXPECT_FALSE(print(3));
    EXPECT_TRUE(complaint.contains("sheet 1 to 1")) << complaint.toStdString();
    EXPECT_FALSE(print(0));
    ASSERT_TRUE(print(1)) << complaint.toStdString();
    EXPECT_EQ(pdfPageCount(pdf), 1);
    // A4, and the printable area is the whole sheet: the page's corner is the origin.
    QProcess info;
    info.start("pdfinfo", {pdf});
    info.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains("595 x 842 pts (A4)"));
}
