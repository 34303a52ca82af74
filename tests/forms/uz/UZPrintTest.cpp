// Where a certificate of origin lands on paper, sheet by sheet: the PDF that form-inspect --print writes
// through the program's own print step is read back word by word and as pixels, and every field text, the
// cross of box 8, the reference marks and the strike-out under the goods are checked against the places the
// form's print table, the sheet's margins, the crosses' offsets and the print-area scaling give them.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/uz/UZ_FieldTable.h"
#include "tests/forms/FormInspectPrint.h"
#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <array>
#include <cstdint>
#include <optional>

using namespace settings;

namespace {

constexpr double kPlaceTolerance = 0.2;  // millimetres
constexpr int kInkTolerance = 2;         // tenths of a millimetre
constexpr int kPage1Fields = 10;
const QString kBackText = QStringLiteral("Rueckseite");

// What the print step works with for this form.
struct Calibration {
    int left1 = 0;
    int top1 = 0;
    int left2 = 0;
    int top2 = 0;
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
    {"margins of both sets", {15, -5, -30, 25}, {15, -5, -30, 25}},
    {"print area 103 %", {0, 0, 0, 0, 1030, 1030}, {0, 0, 0, 0, 1030, 1030}},
    {"print area 97 % across, 102.5 % down", {0, 0, 0, 0, 1025, 970}, {0, 0, 0, 0, 1025, 970}},
    {"everything at once", {-35, 120, 40, -60, 980, 1015, 110}, {-35, 120, 40, -60, 980, 1015, 110}},
    {"set by hand beyond every dialog",
     {5000, 900, 300, 999, 0, 2000, 10},
     {200, 200, 200, 200, 970, 1030, 50}},
};

int scaled(int value, int factor)
{
    return int(std::int64_t{value} * factor / 1000);
}

// The point of the page, in tenths of a millimetre from its top-left corner, y downwards, where a point of
// the form's print table lands on sheet `sheet`: the application's back counts from (LeftMargin2, 20 -
// TopMargin2), every other sheet from (LeftMargin1, 40 - TopMargin1); print y runs upwards.
QPoint onPage(QPoint table, int sheet, const Calibration& c)
{
    if (sheet == 3) return {c.left2 + table.x(), table.y() - 20 + c.top2};
    return {c.left1 + table.x(), table.y() - 40 + c.top1};
}

QString wordOf(int field)
{
    return QStringLiteral("Feld%1").arg(field, 2, 10, QChar('0'));
}

// The fields each sheet prints, with the row of the print table each goes to.
struct PrintedField {
    int field;
    int row;
};

QList<PrintedField> printedOn(int sheet, bool chamberEdition)
{
    QList<PrintedField> printed;
    if (sheet == 3) return printed;
    for (int field = sheet == 4 ? 0 : 1; field <= 7; ++field) printed.append({field, field});
    if (sheet == 2) {
        printed.append({8, chamberEdition ? 10 : 8});
        printed.append({9, chamberEdition ? 11 : 9});
    }
    return printed;
}

class UZPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.InitInstance());
    }

    void store(const Calibration& c)
    {
        app.WriteProfileInt(kLeftMargin1.in(kUZSection), c.left1);
        app.WriteProfileInt(kTopMargin1.in(kUZSection), c.top1);
        app.WriteProfileInt(kLeftMargin2.in(kUZSection), c.left2);
        app.WriteProfileInt(kTopMargin2.in(kUZSection), c.top2);
        app.WriteProfileInt(kPrnFactorV, c.areaVertical);
        app.WriteProfileInt(kPrnFactorH, c.areaHorizontal);
        app.WriteProfileInt(kPrinterFontFactor.in(kUZSection), c.fontFactor);
    }

    // The form with `texts`, `back` on page 2 and `choice` as the cross of box 8, printed by form-inspect
    // onto sheet `sheet`; false with the tool's complaint.
    bool print(int sheet)
    {
        const QString form = dir.filePath("zeugnis.fmu");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
        DetachedForm uz = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        uz.doc->OnNewDocument();
        for (int field = 0; field < kPage1Fields; ++field)
            uz.editor().SetFieldText(std::uint16_t(field), texts[std::size_t(field)], 1);
        uz.editor().SetFieldText(0, back, 2);
        uz.doc->m_nMarkChoice = choice;
        EXPECT_TRUE(uz.doc->OnSaveDocument(form));

        return printWithFormInspect(form, sheet, pdf, dir.filePath("config"), complaint);
    }

    std::optional<QRectF> word(const QString& text) const
    {
        for (const PdfWord& found : pdfWords(pdf))
            if (found.text == text) return found.mm;
        return std::nullopt;
    }

    QImage rendered(QRect part) { return renderedPart(pdf, QDir(dir.path()), part); }

    // The ink around `expected` (page coordinates, tenths of a millimetre), within `around` of it on every
    // side, lies exactly on `expected`: its edges within 0.2 mm.
    void expectInkOn(QRect expected, int around = 30)
    {
        const QRect part = expected.adjusted(-around, -around, around, around);
        const QImage image = rendered(part);
        ASSERT_FALSE(image.isNull());
        const QRect ink = inkBox(image).translated(part.topLeft());
        ASSERT_FALSE(ink.isEmpty()) << "no ink";
        EXPECT_NEAR(ink.left(), expected.left(), kInkTolerance);
        EXPECT_NEAR(ink.top(), expected.top(), kInkTolerance);
        EXPECT_NEAR(ink.left() + ink.width(), expected.left() + expected.width(), kInkTolerance);
        EXPECT_NEAR(ink.top() + ink.height(), expected.top() + expected.height(), kInkTolerance);
    }

    bool inkIn(QRect part) { return !inkBox(rendered(part)).isEmpty(); }

    QTemporaryDir dir;
    QString pdf = dir.filePath("uz.pdf");
    QString complaint;
    CQELWinAppEx app{dir.filePath("config") + u'/' + CQELWinAppEx::kProgramId.toString()};
    std::array<QString, kPage1Fields> texts;
    QString back;
    int choice = 0;
};

}  // namespace

TEST_F(UZPrint, EachSheetPrintsItsFieldsInTheirPlacedBoxesUnderEveryCalibration)
{
    for (int field = 0; field < kPage1Fields; ++field) texts[std::size_t(field)] = wordOf(field);
    back = kBackText;
    for (const bool chamberEdition : {false, true}) {
        app.WriteProfileInt(kU08_HH, chamberEdition ? 1 : 0);
        for (const CalibrationCase& calibration : kCalibrations) {
            store(calibration.stored);
            const Calibration& c = calibration.effective;
            for (int sheet = 1; sheet <= 4; ++sheet) {
                SCOPED_TRACE(std::string(calibration.name) + ", sheet " + std::to_string(sheet) +
                             (chamberEdition ? ", U08_HH" : ""));
                ASSERT_TRUE(print(sheet)) << complaint.toStdString();
                QList<PrintedField> expected = printedOn(sheet, chamberEdition);
                QStringList expectedWords;
                for (const PrintedField& p : expected) expectedWords.append(wordOf(p.field));
                if (sheet == 3) expectedWords.append(kBackText);
                QStringList found;
                for (const PdfWord& w : pdfWords(pdf)) found.append(w.text);
                found.sort();
                expectedWords.sort();
                EXPECT_EQ(found, expectedWords);

                const auto expectPlaced = [&](const QString& text, const FormRect& row) {
                    SCOPED_TRACE(text.toStdString());
                    const std::optional<QRectF> at = word(text);
                    ASSERT_TRUE(at);
                    // Print y runs upwards: the box's top is the negated page y, scaled as the texts are.
                    const QPoint topLeft = onPage({row.left, row.top}, sheet, c);
                    const double left = scaled(topLeft.x(), c.areaHorizontal) + 10;
                    const double top = -scaled(-topLeft.y(), c.areaVertical);
                    EXPECT_NEAR(at->left(), left / 10, kPlaceTolerance);
                    EXPECT_NEAR(at->top(), top / 10, kPlaceTolerance);
                    EXPECT_NEAR(at->height(), 42 * c.fontFactor / 100 / 10.0, kPlaceTolerance);
                };
                for (const PrintedField& p : expected)
                    expectPlaced(wordOf(p.field), UZ_FieldTable.page1[std::size_t(p.row)].print);
                if (sheet == 3) expectPlaced(kBackText, UZ_FieldTable.page2[0].print);
            }
        }
    }
}

TEST_F(UZPrint, TheReferenceMarksOfEachSheetFollowItsMarginSet)
{
    const Calibration c{15, -5, -30, 25, 1030, 970};
    store(c);
    for (int sheet = 1; sheet <= 4; ++sheet) {
        SCOPED_TRACE(sheet);
        ASSERT_TRUE(print(sheet)) << complaint.toStdString();
        // A corner of 2 mm by 2 mm opening downwards, and a tick of 4 mm, unscaled by the print area.
        const int x = sheet == 3 ? 10 : 150;
        const int cornerY = sheet == 3 ? 100 : 120;
        const QPoint corner = onPage({x, cornerY - 20}, sheet, c);
        expectInkOn(QRect(corner, QSize(20, 20)));
        EXPECT_TRUE(inkIn(QRect(corner + QPoint(5, -1), QSize(15, 3))));  // the bar lies at the top
        expectInkOn(QRect(onPage({x, 2000}, sheet, c), QSize(0, 40)));
    }
}

TEST_F(UZPrint, TheCrossOfBoxEightPrintsOnTheApplicationsFrontOnlyAtItsBoxMovedByItsOffsets)
{
    const QPoint firstBox(795, 2255);
    const QPoint secondBox(1325, 2255);
    const struct {
        const char* name;
        int sheet;
        int choice;
        QList<std::pair<IntValue, int>> settings;
        Calibration calibration;
        std::optional<QPoint> cross;  // the table point of its top-left corner, offsets included
    } cases[] = {
        {"a new form: the second box", 2, 0, {}, {}, secondBox},
        {"the first box, 2 mm right and 1 mm lower",
         2,
         1,
         {{kLeft_X1Pos, 20}, {kTop_X1Pos, -10}},
         {},
         QPoint(815, 2265)},
        {"the second box by its own offsets",
         2,
         0,
         {{kLeft_X1Pos, 50}, {kTop_X1Pos, 50}, {kLeft_X2Pos, -200}, {kTop_X2Pos, 100}},
         {},
         QPoint(1125, 2155)},
        {"any other choice is the second box", 2, 7, {}, {}, secondBox},
        {"offsets set by hand beyond their ranges",
         2,
         1,
         {{kLeft_X1Pos, 5000}, {kTop_X1Pos, -999}},
         {},
         QPoint(995, 2355)},
        {"margins move it, the print area does not scale it", 2, 1, {}, {-40, 60, 0, 0, 1030, 970}, firstBox},
        {"NoPrint_X", 2, 1, {{kNoPrint_X, 1}}, {}, std::nullopt},
        {"the original", 1, 1, {}, {}, std::nullopt},
        {"the application's back", 3, 1, {}, {}, std::nullopt},
        {"the copy", 4, 0, {}, {}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store(c.calibration);
        for (const IntValue* value : {&kNoPrint_X, &kLeft_X1Pos, &kTop_X1Pos, &kLeft_X2Pos, &kTop_X2Pos})
            app.WriteProfileInt(*value, 0);
        for (const auto& [value, number] : c.settings) app.WriteProfileInt(value, number);
        choice = c.choice;
        ASSERT_TRUE(print(c.sheet)) << complaint.toStdString();

        // Each box with the whole reach of its offsets; nothing else prints there on an empty form.
        const int sheetForPlaces = c.sheet == 3 ? 1 : c.sheet;
        for (const QPoint box : {firstBox, secondBox}) {
            const QRect reach(onPage(box - QPoint(200, 100), sheetForPlaces, c.calibration), QSize(435, 235));
            const bool here = c.cross && std::abs(c.cross->x() - box.x()) <= 200;
            EXPECT_EQ(inkIn(reach), here) << box.x();
        }
        if (!c.cross) continue;
        const QRect cross(onPage(*c.cross, c.sheet, c.calibration), QSize(35, 35));
        expectInkOn(cross, 15);
        // An X: ink at its centre, none in the middle of its sides.
        EXPECT_TRUE(inkIn(QRect(cross.center() - QPoint(2, 2), QSize(5, 5))));
        EXPECT_FALSE(inkIn(QRect(cross.left() + 15, cross.top() - 3, 6, 6)));
        EXPECT_FALSE(inkIn(QRect(cross.left() - 3, cross.top() + 15, 6, 6)));
    }
}

namespace {

QString lines(const QString& word, int count)
{
    QStringList list;
    for (int line = 1; line <= count; ++line) list.append(word + QString::number(line));
    return list.join("\r\n");
}

}  // namespace

TEST_F(UZPrint, TheStrikeOutRunsAcrossBoxesSixAndSevenBelowTheLongerTextOnEverySheetOfTheFront)
{
    const struct {
        int sheet;
        int goodsLines;
        int quantityLines;
        bool noPrintBNase;
        const char* lastWord;  // the last line above the strike-out; empty: the boxes are empty
        bool struck;
    } cases[] = {
        {1, 2, 5, false, "Menge5", true}, {2, 4, 1, false, "Ware4", true}, {4, 0, 0, false, "", true},
        {2, 3, 3, true, "", false},       {3, 3, 3, false, "", false},
    };
    const Calibration c;
    store(c);
    for (const auto& row : cases) {
        SCOPED_TRACE(std::to_string(row.sheet) + " " + row.lastWord);
        app.WriteProfileInt(kNoPrintBNase.in(kUZSection), row.noPrintBNase ? 1 : 0);
        texts[6] = lines("Ware", row.goodsLines);
        texts[7] = lines("Menge", row.quantityLines);
        ASSERT_TRUE(print(row.sheet)) << complaint.toStdString();

        // Between the texts of boxes 6 and 7 only the strike-out's line and diagonal pass.
        const QPoint boxTop = onPage({1515, 1225}, 1, c);
        const QRect gap = inkBox(rendered(QRect(boxTop, QSize(30, 920)))).translated(boxTop);
        EXPECT_EQ(!gap.isEmpty(), row.struck);
        if (!row.struck) continue;
        const int y = gap.top();
        const double lineHeight = 42 * c.fontFactor / 100 / 10.0;
        if (*row.lastWord) {
            const std::optional<QRectF> last = word(row.lastWord);
            ASSERT_TRUE(last);
            // In the empty line below the longer text, 2 mm above its end.
            EXPECT_GT(y / 10.0, last->bottom() + 1.0);
            EXPECT_LT(y / 10.0, last->bottom() + lineHeight);
        } else {
            EXPECT_GT(y / 10.0, boxTop.y() / 10.0 + lineHeight - 2.0 - kPlaceTolerance);
            EXPECT_LT(y / 10.0, boxTop.y() / 10.0 + 2 * lineHeight);
        }
        // From the left edge of box 6 to the right edge of box 7, then down to box 6's lower-left corner.
        const QRect across = inkBox(rendered(QRect(0, y - 1, 2100, 3))).translated(0, y - 1);
        EXPECT_NEAR(across.left(), onPage({160, 0}, 1, c).x(), kInkTolerance);
        EXPECT_NEAR(across.left() + across.width(), onPage({1950, 0}, 1, c).x(), kInkTolerance);
        const QPoint corner = onPage({160, 2145}, 1, c);
        const QRect end = inkBox(rendered(QRect(corner - QPoint(20, 40), QSize(50, 60))))
                              .translated(corner - QPoint(20, 40));
        EXPECT_NEAR(end.left(), corner.x(), kInkTolerance + 1);
        EXPECT_NEAR(end.top() + end.height(), corner.y(), kInkTolerance + 1);
    }
}
