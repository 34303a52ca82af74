// Where an EUR.1 lands on paper: the PDF of each of its three sheets, printed by form-inspect --print through
// the program's own print step, is read back word by word and as pixels, and every field text and mark is
// checked against the position the print table, the sheet's origin, the box corrections and the print-area
// scaling give it.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormPrinting.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "tests/forms/ATRPrintedPlaces.h"
#include "tests/forms/PrintedFormProbe.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <array>
#include <optional>

using namespace settings;

namespace {

constexpr int kPage1Fields = 21;
constexpr int kPage2Fields = 11;
// The corner 5 to 7 mm below the origin and 11 to 13 mm right of it, the tick 198 to 202 mm below it.
constexpr ReferenceMarkPlaces kEUR1Marks{110, 50, 1980};

// What the print step works with: the margins of both sets of sheets, the corrections of boxes 11 and 12,
// the print-area factors, the printer font factor and the edition of the application's back.
struct Calibration {
    int left1 = 0;
    int top1 = 0;
    int left2 = 0;
    int top2 = 0;
    int box11Horizontal = 0;
    int box11Vertical = 0;
    int box12Horizontal = 0;
    int box12Vertical = 0;
    int areaVertical = 1000;
    int areaHorizontal = 1000;
    int fontFactor = 95;
    int editionL = 0;  // "EURPRN"
};

struct CalibrationCase {
    const char* name;
    Calibration stored;     // in the settings
    Calibration effective;  // what the dialogs' ranges leave of it
};

const CalibrationCase kCalibrations[] = {
    {"none", {}, {}},
    {"margins of both sets", {15, -5, -30, 25}, {15, -5, -30, 25}},
    {"box corrections", {0, 0, 0, 0, 25, 15, -40, -99}, {0, 0, 0, 0, 25, 15, -40, -99}},
    {"the edition marked L", {.editionL = 1}, {.editionL = 1}},
    {"print area 97 %",
     {.areaVertical = 970, .areaHorizontal = 970},
     {.areaVertical = 970, .areaHorizontal = 970}},
    {"print area 103 %",
     {.areaVertical = 1030, .areaHorizontal = 1030},
     {.areaVertical = 1030, .areaHorizontal = 1030}},
    {"everything at once",
     {-35, 120, 60, -45, 12, -7, 99, 50, 980, 1015, 110, 1},
     {-35, 120, 60, -45, 12, -7, 99, 50, 980, 1015, 110, 1}},
    {"set by hand beyond every dialog",
     {5000, 900, 900, -5000, 300, -300, -250, 1000, 0, -5, 400, 2},
     {200, 200, 200, -200, 99, -99, -99, 99, 970, 970, 150, 2}},
};

QString page1Word(int field)
{
    return QStringLiteral("Feld%1").arg(field, 2, 10, QChar('0'));
}
QString page2Word(int field)
{
    return QStringLiteral("Zeile%1").arg(field, 2, 10, QChar('0'));
}

// Where the texts of page 1 go on the certificate and the application's front: from 1 mm right of the left
// margin and 2 mm above the top margin of the first set, box 11 and box 12 moved by their corrections.
Placed placedOnFront(int field, const Calibration& c)
{
    int dx = 0;
    int dy = 0;
    if (field >= 11 && field <= 18) {
        dx = c.box11Horizontal;
        dy = c.box11Vertical;
    } else if (field >= 19) {
        dx = c.box12Horizontal;
        dy = c.box12Vertical;
    }
    return placedRow(EUR1_FieldTable.page1[field].print, c.left1 + 10, 20 - c.top1, dx, dy, c.areaHorizontal,
                     c.areaVertical);
}

// Where the texts of page 2 go on the application's back: from the margins of the second set, in the rows of
// the paper edition that "EURPRN" names.
Placed placedOnBack(int field, const Calibration& c)
{
    const FormRect& row =
        c.editionL == 1 ? EUR1_FieldTable.page2SecondPrint[field] : EUR1_FieldTable.page2[field].print;
    return placedRow(row, c.left2, -c.top2, 0, 0, c.areaHorizontal, c.areaVertical);
}

class EUR1Print : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.InitInstance());
        for (int field = 0; field < kPage1Fields; ++field) page1[std::size_t(field)] = page1Word(field);
        for (int field = 0; field < kPage2Fields; ++field) page2[std::size_t(field)] = page2Word(field);
    }

    void store(const Calibration& c)
    {
        app.WriteProfileInt(kLeftMargin1.in(kEUR1Section), c.left1);
        app.WriteProfileInt(kTopMargin1.in(kEUR1Section), c.top1);
        app.WriteProfileInt(kLeftMargin2.in(kEUR1Section), c.left2);
        app.WriteProfileInt(kTopMargin2.in(kEUR1Section), c.top2);
        app.WriteProfileInt(kEUR1Field11HorCorr, c.box11Horizontal);
        app.WriteProfileInt(kEUR1Field11VertCorr, c.box11Vertical);
        app.WriteProfileInt(kEUR1Field12HorCorr, c.box12Horizontal);
        app.WriteProfileInt(kEUR1Field12VertCorr, c.box12Vertical);
        app.WriteProfileInt(kPrnFactorV, c.areaVertical);
        app.WriteProfileInt(kPrnFactorH, c.areaHorizontal);
        app.WriteProfileInt(kPrinterFontFactor.in(kEUR1Section), c.fontFactor);
        app.WriteProfileInt(kEURPRN, c.editionL);
    }

    // The form with the texts of `page1` and `page2` printed by form-inspect onto sheet `sheet`; false with
    // the tool's complaint.
    bool print(int sheet)
    {
        const QString form = dir.filePath("lieferung.fme");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
        DetachedForm eur1 = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        eur1.doc->OnNewDocument();
        for (int field = 0; field < kPage1Fields; ++field)
            eur1.editor().SetFieldText(std::uint16_t(field), page1[std::size_t(field)], 1);
        for (int field = 0; field < kPage2Fields; ++field)
            eur1.editor().SetFieldText(std::uint16_t(field), page2[std::size_t(field)], 2);
        EXPECT_TRUE(eur1.doc->OnSaveDocument(form));
        return printWithFormInspect(form, sheet, pdf, dir.filePath("config"), complaint);
    }

    std::optional<QRectF> word(const QString& text) { return pdfWord(pdf, text); }
    QImage rendered(QRect part) { return renderedPart(pdf, QDir(dir.path()), part); }

    // The texts of page-1 fields 0 to `count` - 1 where the front's boxes put them; none of the others.
    void expectFront(int count, const Calibration& c)
    {
        for (int field = 0; field < kPage1Fields; ++field) {
            SCOPED_TRACE(page1Word(field).toStdString());
            const std::optional<QRectF> found = word(page1Word(field));
            ASSERT_EQ(found.has_value(), field < count);
            if (found)
                expectInPlacedBox(*found, placedOnFront(field, c), EUR1_FieldTable.page1[field], c.fontFactor,
                                  kPlaceTolerance);
        }
        for (int field = 0; field < kPage2Fields; ++field) EXPECT_FALSE(word(page2Word(field)));
    }

    // Every text of page 2 where the back's rows put it; nothing of page 1, and no reference marks.
    void expectBack(const Calibration& c)
    {
        for (int field = 0; field < kPage2Fields; ++field) {
            SCOPED_TRACE(page2Word(field).toStdString());
            const std::optional<QRectF> found = word(page2Word(field));
            ASSERT_TRUE(found);
            expectInPlacedBox(*found, placedOnBack(field, c), EUR1_FieldTable.page2[field], c.fontFactor,
                              kPlaceTolerance);
        }
        for (int field = 0; field < kPage1Fields; ++field) EXPECT_FALSE(word(page1Word(field)));
        const int x = c.left2 + kEUR1Marks.x;
        EXPECT_TRUE(inkBox(rendered(QRect(x - 20, c.top2 + kEUR1Marks.cornerTop - 20, 60, 60))).isEmpty());
        EXPECT_TRUE(inkBox(rendered(QRect(x - 20, c.top2 + kEUR1Marks.tickTop - 20, 60, 80))).isEmpty());
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("eur1.pdf");
    QString complaint;
    CQELWinAppEx app{dir.filePath("config") + u'/' + CQELWinAppEx::kProgramId.toString()};
    std::array<QString, kPage1Fields> page1;
    std::array<QString, kPage2Fields> page2;
};

}  // namespace

TEST_F(EUR1Print, EachSheetPrintsItsFieldsAndMarksWhereTheCalibrationPutsThem)
{
    for (const CalibrationCase& calibration : kCalibrations) {
        SCOPED_TRACE(calibration.name);
        const Calibration& c = calibration.effective;
        store(calibration.stored);
        const QPointF front(c.left1, c.top1);

        ASSERT_TRUE(print(1)) << complaint.toStdString();
        expectFront(kPage1Fields, c);
        expectReferenceMarks(pdf, QDir(dir.path()), front, 1, kEUR1Marks);

        // The application's front carries boxes 1 to 10 only.
        ASSERT_TRUE(print(2)) << complaint.toStdString();
        expectFront(11, c);
        expectReferenceMarks(pdf, QDir(dir.path()), front, 1, kEUR1Marks);

        ASSERT_TRUE(print(3)) << complaint.toStdString();
        expectBack(c);
    }
}

TEST_F(EUR1Print, TheExporterOfTheWorkedExampleStands14mmInAnd11mmDown)
{
    store({});
    ASSERT_TRUE(print(1)) << complaint.toStdString();
    const std::optional<QRectF> exporter = word(page1Word(0));
    ASSERT_TRUE(exporter);
    EXPECT_NEAR(exporter->left(), 14.0, kPlaceTolerance);
    EXPECT_NEAR(exporter->top(), 11.0, kPlaceTolerance);
}

TEST_F(EUR1Print, TheCorrectionsOfTheATRMoveNothingOfTheEUR1)
{
    store({});
    app.WriteProfileInt(kATRField12HorCorr, 50);
    app.WriteProfileInt(kATRField12VertCorr, 50);
    app.WriteProfileInt(kATRField13HorCorr, 50);
    app.WriteProfileInt(kATRField13VertCorr, 50);
    ASSERT_TRUE(print(1)) << complaint.toStdString();
    expectFront(kPage1Fields, {});
}

TEST_F(EUR1Print, TextsAreUprightOnTheFrontAndTheBack)
{
    page1[0] = "F";
    page2[0] = "F";
    for (const int sheet : {1, 3}) {
        SCOPED_TRACE(sheet);
        ASSERT_TRUE(print(sheet)) << complaint.toStdString();
        const std::optional<QRectF> found = word("F");
        ASSERT_TRUE(found);
        expectUprightF(pdf, QDir(dir.path()), *found);
    }
}

TEST_F(EUR1Print, TheStrikeOutRunsBelowTheLastGoodsLineAndNeverTouchesIt)
{
    page1[8] = numberedLines("Ware", 12);
    page1[9] = numberedLines("kg", 2);
    page1[10] = numberedLines("Rg", 3);
    for (const int area : {970, 1000, 1030}) {
        for (const int sheet : {1, 2}) {
            SCOPED_TRACE(std::to_string(area) + " sheet " + std::to_string(sheet));
            const Calibration c{.areaVertical = area, .areaHorizontal = area};
            store(c);
            ASSERT_TRUE(print(sheet)) << complaint.toStdString();
            const Placed goods = placedOnFront(8, c);
            const Placed invoices = placedOnFront(10, c);
            const std::optional<QRectF> lastGoods = word("Ware12");
            ASSERT_TRUE(lastGoods);

            const StrikeOut line = strikeOutBelow(pdf, QDir(dir.path()), goods, invoices, *lastGoods);
            ASSERT_GE(line.y, 0) << "no strike-out";
            // In the empty line below the last goods line: clear of its text, above the line after.
            EXPECT_GT(line.y / 10.0, lastGoods->bottom() + 1.0);
            EXPECT_LT(line.y / 10.0, lastGoods->bottom() + printerFontHeight(3, c.fontFactor) / 10.0);
            // From the left edge of box 8 to the right edge of box 10, then down to the lower-left corner of
            // box 8.
            expectStrikeOutAcross(pdf, QDir(dir.path()), line, goods, invoices);
        }
    }
}

TEST_F(EUR1Print, NoPrintBNaseLeavesOutTheStrikeOutOnBothFrontsAndNothingElse)
{
    page1[8] = numberedLines("Ware", 3);
    store({});
    app.WriteProfileInt(kNoPrintBNase.in(kEUR1Section), 1);
    for (const int sheet : {1, 2}) {
        SCOPED_TRACE(sheet);
        ASSERT_TRUE(print(sheet)) << complaint.toStdString();
        ASSERT_TRUE(word(page1Word(0)));
        const std::optional<QRectF> lastGoods = word("Ware3");
        ASSERT_TRUE(lastGoods);
        const Placed goods = placedOnFront(8, {});
        const Placed invoices = placedOnFront(10, {});
        EXPECT_LT(strikeOutBelow(pdf, QDir(dir.path()), goods, invoices, *lastGoods).y, 0);
        expectReferenceMarks(pdf, QDir(dir.path()), {}, 1, kEUR1Marks);
    }
}

TEST_F(EUR1Print, OnlyTheThreeSheetsOfThePrintDialogCanBePrintedEachOnOnePage)
{
    EXPECT_FALSE(print(4));
    EXPECT_TRUE(complaint.contains("sheet 1 to 3")) << complaint.toStdString();
    EXPECT_FALSE(print(0));
    for (const int sheet : {1, 2, 3}) {
        ASSERT_TRUE(print(sheet)) << complaint.toStdString();
        EXPECT_EQ(pdfPageCount(pdf), 1);
    }
}

TEST(EUR1PrintRectangles, AFieldBeyondATableTakesTheRectangleOfFieldZero)
{
    QTemporaryDir dir;
    CQELWinAppEx app{dir.filePath("config")};
    ASSERT_TRUE(app.InitInstance());
    const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
    DetachedForm eur1 = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, "a.fme"));
    const std::unique_ptr<FormPrinting> printing = eur1.doc->definition().createPrinting(app, *eur1.doc);
    for (const int edition : {0, 1}) {
        SCOPED_TRACE(edition);
        app.WriteProfileInt(kEURPRN, edition);
        const struct {
            std::uint16_t field;
            int page;
        } beyond[] = {{21, 1}, {500, 1}, {11, 2}, {65535, 2}};
        for (const auto& b : beyond) {
            SCOPED_TRACE(b.field);
            EXPECT_EQ(printing->GetPrintFieldRect(b.field, b.page), printing->GetPrintFieldRect(0, b.page));
        }
    }
}
