// Where the EUR.1, the certificate of origin and the declaration 848a land on paper: the PDF of each sheet,
// printed by form-inspect --print through the program's own print step, is read back word by word and as
// pixels. Every field text, reference mark, strike-out and cross is checked against the place the form's
// print table, the sheet's origin, the box corrections and the print-area scaling give it; and, with the
// A.TR. among them, every field text at zero margins against the boxes of the paper written down here.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "forms/uz/UZ_FieldTable.h"
#include "tests/forms/ATRPrintedPlaces.h"
#include "tests/forms/PrintedFormProbe.h"

#include <gtest/gtest.h>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <optional>

using namespace settings;

namespace {

// What the print step works with. `edition` is the form's choice of paper edition ("EURPRN", "U08_HH",
// "LZEF1F2"); `atrCorrections` sets the A.TR.'s box corrections, which no other form may read.
struct Calibration {
    int left1 = 0, top1 = 0, left2 = 0, top2 = 0;  // the margins of both sets
    int box11Horizontal = 0, box11Vertical = 0, box12Horizontal = 0, box12Vertical = 0;
    int areaVertical = 1000, areaHorizontal = 1000;
    int fontFactor = 95;
    int edition = 0;
    bool atrCorrections = false;
};

struct CalibrationCase {
    const char* name;
    Calibration stored;                         // in the settings
    std::optional<Calibration> effective = {};  // what the dialogs' ranges leave of it, where they change it
};

// clang-format off
const CalibrationCase kCalibrations[] = {
    {"none", {}},
    {"margins of both sets", {15, -5, -30, 25}},
    {"box corrections", {0, 0, 0, 0, 25, 15, -40, -99}},
    {"the other paper edition", {.edition = 1}},
    {"print area 97 %", {.areaVertical = 970, .areaHorizontal = 970}},
    {"print area 97 % across, 102.5 % down", {.areaVertical = 1025, .areaHorizontal = 970}},
    {"print area 103 %", {.areaVertical = 1030, .areaHorizontal = 1030}},
    {"everything at once", {-35, 120, 60, -45, 12, -7, 99, 50, 980, 1015, 110, 1}},
    {"set by hand beyond every dialog", {5000, 900, 300, 999, 300, -300, -250, 1000, 0, -5, 400, 2},
     Calibration{200, 200, 200, 200, 99, -99, -99, 99, 970, 970, 150, 0}},
    {"the corrections of the A.TR.", {.atrCorrections = true}, Calibration{}},
};
// clang-format on

// Short enough for the narrowest box at the largest printer font, where a longer word would break.
QString wordOf(int field, int page)
{
    return QStringLiteral("%1%2").arg(page == 1 ? "F" : "Z").arg(field, 2, 10, QChar('0'));
}

// A field text as a sheet prints it, in the box it is placed in.
struct Printed {
    int page;
    int field;
    Placed box;
};

// A page-1 field at the front's origin (LeftMargin1, 40 - TopMargin1), as the certificate of origin and the
// declaration 848a place it.
Placed onFront(int field, const FormFieldTable& table, const Calibration& c, int dy = 0)
{
    return placedRow(table.page1[std::size_t(field)].print, c.left1, 40 - c.top1, 0, dy, c.areaHorizontal,
                     c.areaVertical);
}

// The EUR.1's certificate and application front: from 1 mm right of the left margin and 2 mm above the top
// margin of the first set, box 11 and box 12 moved by their corrections.
Placed eur1Front(int field, const Calibration& c)
{
    const bool box11 = field >= 11 && field <= 18;
    const bool box12 = field >= 19;
    const int dx = box11 ? c.box11Horizontal : box12 ? c.box12Horizontal : 0;
    const int dy = box11 ? c.box11Vertical : box12 ? c.box12Vertical : 0;
    return placedRow(EUR1_FieldTable.page1[std::size_t(field)].print, c.left1 + 10, 20 - c.top1, dx, dy,
                     c.areaHorizontal, c.areaVertical);
}

// Sheets 1 and 2 print the certificate's boxes and the application front's 1 to 10; sheet 3, the back, prints
// page 2 from the second set's margins in the rows of the paper edition "EURPRN" names.
QList<Printed> eur1Sheet(int sheet, const Calibration& c)
{
    QList<Printed> printed;
    const FormFieldTable& t = EUR1_FieldTable;
    if (sheet == 3) {
        for (std::size_t field = 0; field < t.page2.size(); ++field) {
            const FormRect& row = c.edition == 1 ? t.page2SecondPrint[field] : t.page2[field].print;
            printed.append(
                {2, int(field), placedRow(row, c.left2, -c.top2, 0, 0, c.areaHorizontal, c.areaVertical)});
        }
        return printed;
    }
    for (int field = 0; field <= (sheet == 2 ? 10 : 20); ++field)
        printed.append({1, field, eur1Front(field, c)});
    return printed;
}

// The copy (sheet 4) alone has the small box at the top; the application's front (sheet 2) alone the
// applicant and the date, in rows 10 and 11 on the chamber's edition "U08_HH"; the application's back (sheet
// 3) prints page 2 from (LeftMargin2, 20 - TopMargin2).
QList<Printed> uzSheet(int sheet, const Calibration& c)
{
    const FormFieldTable& t = UZ_FieldTable;
    if (sheet == 3)
        return {{2, 0,
                 placedRow(t.page2[0].print, c.left2, 20 - c.top2, 0, 0, c.areaHorizontal, c.areaVertical)}};
    QList<Printed> printed;
    for (int field = sheet == 4 ? 0 : 1; field <= 7; ++field)
        printed.append({1, field, onFront(field, t, c)});
    if (sheet == 2) {
        for (const int field : {8, 9})
            printed.append({1, field, onFront(c.edition == 1 ? field + 2 : field, t, c)});
    }
    return printed;
}

// Every field but the placeholder 5; with "LZEF1F2" fields 0 and 1 start 3.4 mm higher, so that their second
// line stands where the first was.
QList<Printed> lzeSheet(int, const Calibration& c)
{
    QList<Printed> printed;
    for (int field = 0; field <= 10; ++field) {
        if (field == 5) continue;
        printed.append(
            {1, field, onFront(field, LZE848a_FieldTable, c, c.edition == 1 && field <= 1 ? 34 : 0)});
    }
    return printed;
}

struct PrintedForm {
    const char* name;
    const FormFieldTable& table;
    const char* file;
    QStringView section;
    IntValue edition;
    int sheets;
    QList<Printed> (*sheet)(int, const Calibration&);
    std::pair<int, int> goods;  // the first and the last box the strike-out runs across
    Placed (*front)(int, const Calibration&);
};

Placed uzFront(int field, const Calibration& c)
{
    return onFront(field, UZ_FieldTable, c);
}

// clang-format off
const PrintedForm kEUR1{"EUR.1", EUR1_FieldTable, "lieferung.fme", kEUR1Section, kEURPRN, 3, eur1Sheet,
                        {8, 10}, eur1Front};
const PrintedForm kUZ{"certificate of origin", UZ_FieldTable, "zeugnis.fmu", kUZSection, kU08_HH, 4, uzSheet,
                      {6, 7}, uzFront};
const PrintedForm kLZE{"declaration 848a", LZE848a_FieldTable, "erklaerung.lz1", kLZE1Section, kLZEF1F2, 1,
                       lzeSheet, {}, nullptr};
// clang-format on
const PrintedForm* const kForms[] = {&kEUR1, &kUZ, &kLZE};

class FormSheetsPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.InitInstance());
    }

    void store(const PrintedForm& form, const Calibration& c)
    {
        app.WriteProfileInt(kLeftMargin1.in(form.section), c.left1);
        app.WriteProfileInt(kTopMargin1.in(form.section), c.top1);
        app.WriteProfileInt(kLeftMargin2.in(form.section), c.left2);
        app.WriteProfileInt(kTopMargin2.in(form.section), c.top2);
        app.WriteProfileInt(kEUR1Field11HorCorr, c.box11Horizontal);
        app.WriteProfileInt(kEUR1Field11VertCorr, c.box11Vertical);
        app.WriteProfileInt(kEUR1Field12HorCorr, c.box12Horizontal);
        app.WriteProfileInt(kEUR1Field12VertCorr, c.box12Vertical);
        for (const IntValue& atr :
             {kATRField12HorCorr, kATRField12VertCorr, kATRField13HorCorr, kATRField13VertCorr})
            app.WriteProfileInt(atr, c.atrCorrections ? 50 : 0);
        app.WriteProfileInt(kPrnFactorV, c.areaVertical);
        app.WriteProfileInt(kPrnFactorH, c.areaHorizontal);
        app.WriteProfileInt(kPrinterFontFactor.in(form.section), c.fontFactor);
        app.WriteProfileInt(form.edition, c.edition);
        for (const IntValue& cross : {kNoPrint_X, kLeft_X1Pos, kTop_X1Pos, kLeft_X2Pos, kTop_X2Pos})
            app.WriteProfileInt(cross, 0);
    }

    // A new form saved as `file` with `page1` and `page2` as its field texts, `aligned` as the alignment of
    // page-1 fields, and `choice` as its mark, printed by form-inspect onto sheet `sheet`; false with the
    // tool's complaint.
    bool print(const QString& file, int sheet, const QStringList& page1 = {}, const QStringList& page2 = {},
               int choice = 0, const QMap<int, std::uint16_t>& aligned = {})
    {
        const QString path = dir.filePath(file);
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
        DetachedForm detached = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, path));
        detached.doc->OnNewDocument();
        CQeEditWindow& editor = detached.editor();
        for (int field = 0; field < page1.size(); ++field)
            editor.SetFieldText(std::uint16_t(field), page1[field], 1);
        for (int field = 0; field < page2.size(); ++field)
            editor.SetFieldText(std::uint16_t(field), page2[field], 2);
        for (const auto [field, alignment] : aligned.asKeyValueRange()) {
            if (alignment == kFieldAlignRight) editor.SetFieldAlignRight(std::uint16_t(field), 1);
            if (alignment == kFieldAlignCenter) editor.SetFieldAlignCenter(std::uint16_t(field), 1);
            if (alignment == kFieldAlignLeft) editor.SetFieldAlignLeft(std::uint16_t(field), 1);
        }
        detached.doc->m_nMarkChoice = choice;
        EXPECT_TRUE(detached.doc->OnSaveDocument(path));
        return printWithFormInspect(path, sheet, pdf, dir.filePath("config"), complaint);
    }

    std::optional<QRectF> word(const QString& text) { return pdfWord(pdf, text); }

    // The words of `text`, printed from `top` down, are all of it in its order, broken into `lines` lines
    // (0: more than one), and each stands in the box from `left` to `right` off the edge its alignment holds:
    // 1 mm in from the left edge for a left-aligned text, 1.2 mm in from the right for a right-aligned one.
    // The longest line reaches past `reach`.
    void expectLinesInTextArea(const QString& text, double left, double top, double right,
                               std::uint16_t alignment, int lines = 0, double reach = 0)
    {
        const double start = left + (alignment == kFieldAlignLeft ? 1.0 : 0);
        const double end = right - (alignment == kFieldAlignRight ? 1.2 : 0);
        QString read;
        QSet<double> tops;
        double farthest = 0;
        for (const PdfWord& w : pdfWords(pdf)) {
            if (w.mm.top() < top - kPlaceTolerance || !text.contains(w.text)) continue;
            read += w.text;
            tops.insert(w.mm.top());
            farthest = std::max(farthest, w.mm.right());
            EXPECT_GE(w.mm.left(), start - kPlaceTolerance) << w.text.toStdString();
            EXPECT_LE(w.mm.right(), end + kPlaceTolerance) << w.text.toStdString();
        }
        EXPECT_EQ(read.toStdString(), QString(text).remove(' ').toStdString());
        if (lines == 0) {
            EXPECT_GT(tops.size(), 1);
        } else {
            EXPECT_EQ(tops.size(), lines);
        }
        EXPECT_GT(farthest, reach);
    }
    QImage rendered(QRect part) { return renderedPart(pdf, work(), part); }
    bool inkIn(QRect part) { return !inkBox(rendered(part)).isEmpty(); }
    QDir work() const { return QDir(dir.path()); }

    // The ink around `expected` (tenths of a millimetre of the page), within `around` of it, lies on it.
    void expectInkOn(QRect expected, int around)
    {
        const QRect part = expected.adjusted(-around, -around, around, around);
        const QRect ink = inkBox(rendered(part)).translated(part.topLeft());
        ASSERT_FALSE(ink.isEmpty()) << "no ink";
        EXPECT_NEAR(ink.left(), expected.left(), 2);
        EXPECT_NEAR(ink.top(), expected.top(), 2);
        EXPECT_NEAR(ink.right(), expected.right(), 2);
        EXPECT_NEAR(ink.bottom(), expected.bottom(), 2);
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("sheet.pdf");
    QString complaint;
    CQELWinAppEx app{dir.filePath("config") + u'/' + CQELWinAppEx::kProgramId.toString()};
};

QStringList wordsOfPage(const FormFieldTable& table, int page)
{
    QStringList words;
    const int last = page == 1 ? table.lastPage1Field : table.hasPageCommands ? table.lastPage2Field : -1;
    for (int field = 0; field <= last; ++field) words.append(wordOf(field, page));
    return words;
}

}  // namespace

TEST_F(FormSheetsPrint, EachSheetPrintsItsFieldsAndMarksWhereTheCalibrationPutsThem)
{
    for (const PrintedForm* form : kForms) {
        const QStringList page1 = wordsOfPage(form->table, 1);
        const QStringList page2 = wordsOfPage(form->table, 2);
        for (const CalibrationCase& calibration : kCalibrations) {
            const Calibration& c = calibration.effective.value_or(calibration.stored);
            store(*form, calibration.stored);
            for (int sheet = 1; sheet <= form->sheets; ++sheet) {
                SCOPED_TRACE(std::string(form->name) + ", " + calibration.name + ", sheet " +
                             std::to_string(sheet));
                ASSERT_TRUE(print(form->file, sheet, page1, page2)) << complaint.toStdString();
                EXPECT_EQ(pdfPageCount(pdf), 1);

                // The sheet's texts and no others, each in its placed box.
                const QList<Printed> expected = form->sheet(sheet, c);
                QStringList expectedWords;
                for (const Printed& p : expected) expectedWords.append(wordOf(p.field, p.page));
                QStringList found;
                for (const PdfWord& w : pdfWords(pdf)) found.append(w.text);
                found.sort();
                expectedWords.sort();
                EXPECT_EQ(found.join(" ").toStdString(), expectedWords.join(" ").toStdString());
                for (const Printed& p : expected) {
                    SCOPED_TRACE(wordOf(p.field, p.page).toStdString());
                    const FormFieldRow& row = (p.page == 1 ? form->table.page1 : form->table.page2)[p.field];
                    const std::optional<QRectF> at = word(wordOf(p.field, p.page));
                    if (at) expectInPlacedBox(*at, p.box, row, c.fontFactor, kPlaceTolerance);
                }
            }
        }
    }
}

TEST_F(FormSheetsPrint, AtZeroMarginsEveryFieldPrintsInItsBoxOfThePrePrintedPaper)
{
    // The boxes of the pre-printed paper in millimetres from the corner of the printable area, as the
    // forms' paper has them: the left and right edges of a field's box and the top its first line starts at,
    // below the box's caption and above its lines. A text that slips out of its box by a millimetre prints
    // over a caption or across an underline. A text longer than its box's line (`text`) breaks into lines
    // that each stay inside the box, off the edge its alignment holds, and, where a word breaks at the
    // character that no longer fits, reach close to the other edge (`reach`); a text that fits stays on
    // `lines` lines. A box set to another alignment than its form's is printed with it.
    struct Box {
        int field;
        double left, top, right;
        std::uint16_t alignment = kFieldAlignLeft;
        QString text = {};
        double reach = 0;
        int lines = 0;
    };
    const std::uint16_t centred = kFieldAlignCenter, right = kFieldAlignRight;
    const QString alphabet = "abcdefghijklmnopqrstuvwxyz";
    const QString longWord = "Langwort" + alphabet.repeated(6) + " ENDE weiter";
    // Narrow letters, far more of them than a first stretch of a word looked at for its break.
    const QString narrowWord = "Langwort" + QString("ijlt").repeated(80);
    // `count` times `letter` with a blank between each two.
    const auto blanked = [](int count, QChar letter = u'i') {
        return (QString(letter) + u' ').repeated(count - 1) + letter;
    };
    const QString weights = "Gewicht" + QString("0123456789").repeated(4);
    const struct {
        const char* name;
        const char* file;
        int sheet;
        int page;
        QList<Box> boxes;
        int areaHorizontal = 1000;  // "PrnFactorH", which scales the boxes toward the printable area's corner
    } sheets[] = {
        // clang-format off
        {"A.TR.", "lieferung.fma", 1, 1,
         {{0, 15, 12, 104.5}, {1, 15, 37, 104.5}, {2, 116, 26.5, 151}, {3, 159, 26.5, 192},
          {4, 108, 67.5, 150, centred}, {5, 153, 67.5, 194, kFieldAlignLeft, "t5" + QString(90, 'i')},
          {6, 15, 79.5, 104.5}, {7, 108, 79.5, 194, kFieldAlignLeft, narrowWord, 193.2}, {8, 15, 120, 27},
          {9, 29, 120, 173.5}, {10, 175.5, 120, 195, right, weights}, {11, 41, 240, 93},
          {12, 33, 244, 59}, {13, 64, 244, 113}, {14, 33, 248, 93}, {15, 48, 252, 93}, {16, 18, 256, 93},
          {17, 18, 260, 93}, {18, 41, 264, 93, centred}, {19, 133, 256, 193, centred},
          {20, 133, 265, 193}}},
        // Box 9 set right-aligned; box 5 centred and box 8 left-aligned, each with as many of a narrow letter
        // as its line holds up to its edges.
        {"A.TR. boxes filled to their edges", "lieferung.fma", 1, 1,
         {{8, 15, 120, 27, right, "Kiste 8", 0, 1}, {4, 108, 67.5, 150, centred, blanked(24), 0, 1},
          {7, 108, 79.5, 194, kFieldAlignLeft, blanked(49, u'l'), 0, 1}}},
        {"A.TR. box 5 at print area 102 % across", "lieferung.fma", 1, 1,
         {{4, 110.16, 67.5, 153, centred, blanked(24), 0, 1}}, 1020},
        {"EUR.1 certificate", kEUR1.file, 1, 1,
         {{0, 13, 11, 102.5}, {1, 13, 36, 102.5}, {2, 107, 33, 190, centred},
          {3, 107, 45, 190, centred, "Lorem " + QString(96, 'i')},
          {4, 106, 67.5, 148}, {5, 151, 67.5, 192}, {6, 13, 78.5, 102.5}, {7, 106, 78.5, 192},
          {8, 13, 119, 148}, {9, 151, 119, 171.5, right}, {10, 173.5, 119, 193}, {11, 39, 239, 91},
          {12, 29.5, 243, 57}, {13, 62, 243, 111}, {14, 23, 247, 91}, {15, 33, 251, 91}, {16, 53, 255, 91},
          {17, 26, 259, 91}, {18, 26, 263, 91, centred}, {19, 131, 255, 191, centred},
          {20, 131, 264, 191}}},
        {"EUR.1 application's back", kEUR1.file, 3, 2,
         {{0, 18, 64.5, 183}, {1, 18, 73, 183}, {2, 18, 81.5, 183}, {3, 18, 90, 183}, {4, 18, 99.5, 183},
          {5, 18, 111.5, 183}, {6, 18, 120, 183}, {7, 18, 128.5, 183}, {8, 18, 137, 183},
          {9, 18, 145.5, 183}, {10, 92, 190.5, 183}}},
        {"certificate of origin, copy", kUZ.file, 4, 1,
         {{0, 125, 3.5, 160}, {1, 16, 8, 106}, {2, 16, 36.5, 106}, {3, 110, 57, 198}, {4, 16, 75.5, 106},
          {5, 110, 75.5, 198}, {6, 16, 118.5, 151}, {7, 155, 118.5, 195}}},
        {"certificate of origin, application's front", kUZ.file, 2, 1,
         {{8, 16, 263.5, 106}, {9, 109, 266.5, 166}}},
        {"certificate of origin, application's back", kUZ.file, 3, 2, {{0, 2, 13, 183}}},
        {"declaration 848a", kLZE.file, 1, 1,
         {{0, 20, 56, 185}, {1, 54, 64.5, 190}, {2, 93, 73, 190}, {3, 20, 94.5, 195}, {4, 20, 102.5, 165},
          {6, 81, 124, 152}, {7, 29, 157.5, 97}, {8, 106, 157.5, 190}, {9, 85, 170.5, 195},
          {10, 20, 195.5, 195, kFieldAlignLeft, longWord}}},
        {"declaration 848a, print area 97 % across", kLZE.file, 1, 1,
         {{10, 19.4, 195.5, 189.15, kFieldAlignLeft, longWord, 187.5}}, 970},
        // clang-format on
    };
    for (const auto& s : sheets) {
        SCOPED_TRACE(s.name);
        app.WriteProfileInt(kPrnFactorH, s.areaHorizontal);
        QStringList texts;
        QMap<int, std::uint16_t> aligned;
        for (const Box& box : s.boxes) {
            while (texts.size() <= box.field) texts.append(QString());
            texts[box.field] = box.text.isEmpty() ? wordOf(box.field, s.page) : box.text;
            aligned.insert(box.field, box.alignment);
        }
        ASSERT_TRUE(s.page == 1 ? print(s.file, s.sheet, texts, {}, 0, aligned)
                                : print(s.file, s.sheet, {}, texts))
            << complaint.toStdString();
        for (const Box& box : s.boxes) {
            SCOPED_TRACE(wordOf(box.field, s.page).toStdString());
            if (!box.text.isEmpty()) {
                expectLinesInTextArea(box.text, box.left, box.top, box.right, box.alignment, box.lines,
                                      box.reach);
                continue;
            }
            const std::optional<QRectF> at = word(wordOf(box.field, s.page));
            ASSERT_TRUE(at);
            expectAlignedInBox(*at, box.left, box.top, box.right, box.alignment, kPlaceTolerance);
        }
    }
}

// A tab prints as one blank, wherever it stands, and blanks or tabs after a line's last letter hang past its
// edge (a saved text keeps them at the end of a line that another follows): each A.TR. text prints word for
// word where the same text with blanks for its tabs and without what follows each line's last letter
// prints, and its first line inside its box of the paper, aligned in it as its box is.
TEST_F(FormSheetsPrint, ATabPrintsAsABlankAndBlanksAfterTheLastLetterHangPastTheEdge)
{
    struct Box {
        int field;
        double left, top, right;
        std::uint16_t alignment;
        QString text;
    };
    const std::uint16_t left = kFieldAlignLeft, centred = kFieldAlignCenter, right = kFieldAlignRight;
    const QList<QList<Box>> prints{
        {{0, 15, 12, 104.5, left, "Menge\tGewicht\tWert\tLand\tCode"},
         {4, 108, 67.5, 150, centred, "12,5 kg" + QString(30, ' ') + "\r\nKiste"},
         {10, 175.5, 120, 195, right, "1,5 kg" + QString(80, ' ') + "\r\n2"},
         {19, 133, 256, 193, centred, "Kisten \t\t\t\r\nZoll"}},
        {{10, 175.5, 120, 195, right, "12\t\t\t\t\t\t34"},
         {0, 15, 12, 104.5, left, "Deutschland\t" + QString(120, ' ') + "\r\nBremen"}},
    };
    for (const QList<Box>& boxes : prints) {
        QStringList texts(21), asBlanks(21);
        for (const Box& box : boxes) {
            texts[box.field] = box.text;
            QStringList lines = QString(box.text).replace('\t', ' ').split("\r\n");
            for (QString& line : lines)
                while (line.endsWith(' ')) line.chop(1);
            asBlanks[box.field] = lines.join("\r\n");
        }
        ASSERT_TRUE(print("lieferung.fma", 1, asBlanks)) << complaint.toStdString();
        const QList<PdfWord> expected = pdfWords(pdf);
        ASSERT_TRUE(print("lieferung.fma", 1, texts)) << complaint.toStdString();
        const QList<PdfWord> printed = pdfWords(pdf);
        ASSERT_EQ(printed.size(), expected.size());
        for (qsizetype i = 0; i < printed.size(); ++i) {
            SCOPED_TRACE(expected[i].text.toStdString());
            EXPECT_EQ(printed[i].text, expected[i].text);
            EXPECT_NEAR(printed[i].mm.left(), expected[i].mm.left(), 0.05);
            EXPECT_NEAR(printed[i].mm.top(), expected[i].mm.top(), 0.05);
        }
        for (const Box& box : boxes) {
            SCOPED_TRACE(box.text.toStdString());
            QRectF firstLine;
            for (const PdfWord& w : printed) {
                if (std::abs(w.mm.top() - box.top) <= kPlaceTolerance && box.text.contains(w.text))
                    firstLine |= w.mm;
            }
            ASSERT_FALSE(firstLine.isEmpty());
            expectAlignedInBox(firstLine, box.left, box.top, box.right, box.alignment, kPlaceTolerance);
            EXPECT_LE(firstLine.right(), box.right - 1.2 + kPlaceTolerance);
        }
    }
}

TEST_F(FormSheetsPrint, TheReferenceMarksOfEachSheetFollowItsMarginSetUnscaled)
{
    // From the margins of the sheet's set: the corner's left edge and top, the tick's top, in tenths of a
    // millimetre. None on the EUR.1's back, the 848a has none at all.
    const struct {
        const PrintedForm& form;
        int sheet;
        int marginSet;
        ReferenceMarkPlaces places;
        bool drawn;
    } cases[] = {
        {kEUR1, 1, 1, {110, 50, 1980}, true},  {kEUR1, 2, 1, {110, 50, 1980}, true},
        {kEUR1, 3, 2, {110, 50, 1980}, false}, {kUZ, 1, 1, {150, 60, 1960}, true},
        {kUZ, 2, 1, {150, 60, 1960}, true},    {kUZ, 3, 2, {10, 60, 1980}, true},
        {kUZ, 4, 1, {150, 60, 1960}, true},
    };
    const Calibration calibrations[] = {
        kCalibrations[7].stored,
        {.left1 = 15, .top1 = -5, .left2 = -30, .top2 = 25, .areaVertical = 1030, .areaHorizontal = 970}};
    for (const Calibration& c : calibrations) {
        for (const auto& m : cases) {
            SCOPED_TRACE(std::string(m.form.name) + ", left margin " + std::to_string(c.left1) + ", sheet " +
                         std::to_string(m.sheet));
            store(m.form, c);
            ASSERT_TRUE(print(m.form.file, m.sheet)) << complaint.toStdString();
            const QPoint origin = m.marginSet == 1 ? QPoint(c.left1, c.top1) : QPoint(c.left2, c.top2);
            if (m.drawn) {
                expectReferenceMarks(pdf, work(), origin, 1, m.places);
                continue;
            }
            const int x = origin.x() + m.places.x;
            EXPECT_FALSE(inkIn(QRect(x - 20, origin.y() + m.places.cornerTop - 20, 60, 60)));
            EXPECT_FALSE(inkIn(QRect(x - 20, origin.y() + m.places.tickTop - 20, 60, 80)));
        }
    }
}

TEST_F(FormSheetsPrint, TextsStandUprightAndTheEUR1ExporterStands14mmInAnd11mmDown)
{
    store(kEUR1, {});
    ASSERT_TRUE(print(kEUR1.file, 1, {"F"})) << complaint.toStdString();
    const std::optional<QRectF> exporter = word("F");
    ASSERT_TRUE(exporter);
    expectUprightF(pdf, work(), *exporter);
    EXPECT_NEAR(exporter->left(), 14.0, kPlaceTolerance);
    EXPECT_NEAR(exporter->top(), 11.0, kPlaceTolerance);

    ASSERT_TRUE(print(kEUR1.file, 3, {}, {"F"})) << complaint.toStdString();
    const std::optional<QRectF> back = word("F");
    ASSERT_TRUE(back);
    expectUprightF(pdf, work(), *back);
}

TEST_F(FormSheetsPrint, OnlyTheSheetsOfThePrintDialogArePrinted)
{
    for (const PrintedForm* form : kForms) {
        SCOPED_TRACE(form->name);
        EXPECT_FALSE(print(form->file, form->sheets + 1));
        EXPECT_TRUE(complaint.contains(QString("sheet 1 to %1").arg(form->sheets)))
            << complaint.toStdString();
        EXPECT_FALSE(print(form->file, 0));
    }
}

TEST_F(FormSheetsPrint, TheStrikeOutRunsAcrossTheGoodsBelowTheLongerTextAndNeverTouchesIt)
{
    // The texts of page 1 from field `first` on.
    const auto from = [](int first, const QStringList& texts) {
        return QStringList(first, QString()) + texts;
    };
    const QStringList eur1Goods =
        from(8, {numberedLines("Ware", 12), numberedLines("kg", 2), numberedLines("Rg", 3)});
    const struct {
        const PrintedForm& form;
        int sheet;
        int area;
        bool noPrintBNase;
        QStringList page1;
        const char* lastWord;  // the last line above the strike-out; none: the boxes are empty
        bool struck;
    } cases[] = {
        // clang-format off
        {kEUR1, 1, 970, false, eur1Goods, "Ware12", true},
        {kEUR1, 2, 970, false, eur1Goods, "Ware12", true},
        {kEUR1, 1, 1030, false, eur1Goods, "Ware12", true},
        {kEUR1, 2, 1030, false, eur1Goods, "Ware12", true},
        {kUZ, 1, 1000, false, from(6, {numberedLines("Ware", 2), numberedLines("Menge", 5)}), "Menge5",
         true},
        {kUZ, 2, 1000, false, from(6, {numberedLines("Ware", 4), numberedLines("Menge", 1)}), "Ware4", true},
        {kUZ, 4, 1000, false, {}, nullptr, true},
        {kEUR1, 1, 1000, true, from(8, {numberedLines("Ware", 3)}), "Ware3", false},
        {kEUR1, 2, 1000, true, from(8, {numberedLines("Ware", 3)}), "Ware3", false},
        {kUZ, 2, 1000, true, from(6, {numberedLines("Ware", 3)}), "Ware3", false},
        {kUZ, 3, 1000, false, from(6, {numberedLines("Ware", 3)}), nullptr, false},
        // clang-format on
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(std::string(row.form.name) + " sheet " + std::to_string(row.sheet) + " at " +
                     std::to_string(row.area) + (row.noPrintBNase ? ", NoPrintBNase" : ""));
        const Calibration c{.areaVertical = row.area, .areaHorizontal = row.area};
        store(row.form, c);
        app.WriteProfileInt(kNoPrintBNase.in(row.form.section), row.noPrintBNase ? 1 : 0);
        ASSERT_TRUE(print(row.form.file, row.sheet, row.page1)) << complaint.toStdString();

        const Placed first = row.form.front(row.form.goods.first, c);
        const Placed last = row.form.front(row.form.goods.second, c);
        const double lineHeight = printerFontHeight(3, c.fontFactor) / 10.0;
        const double boxTop = -first.top / 10.0;
        std::optional<QRectF> lastLine = QRectF(0, boxTop, 0, 0);
        if (row.lastWord) lastLine = word(row.lastWord);
        ASSERT_TRUE(lastLine);
        const StrikeOut line = strikeOutBelow(pdf, work(), first, last, *lastLine);
        EXPECT_EQ(line.y >= 0, row.struck);
        if (line.y < 0 || !row.struck) continue;
        // In the empty line below the last line of the longer text: clear of it, above the line after.
        const double below =
            row.lastWord ? lastLine->bottom() + 1.0 : boxTop + lineHeight - 2.0 - kPlaceTolerance;
        EXPECT_GT(line.y / 10.0, below);
        EXPECT_LT(line.y / 10.0, row.lastWord ? lastLine->bottom() + lineHeight : boxTop + 2 * lineHeight);
        // From the left edge of the first box to the right edge of the last, then down to the first box's
        // lower-left corner.
        expectStrikeOutAcross(pdf, work(), line, first, last);
    }
}

TEST_F(FormSheetsPrint, TheCrossOrTheXPrintsInTheChosenBoxMovedByItsOffsetsAndNowhereElse)
{
    // The top-left corners of the boxes, in the print table's tenths of a millimetre; each box with the whole
    // reach of its offsets, where nothing else prints on an empty form.
    const QPoint uzFirst(795, 2255), uzSecond(1325, 2255), lzeFirst(180, 1280), lzeSecond(180, 1405);
    const QList<QRect> uzReach{QRect(595, 2155, 435, 235), QRect(1125, 2155, 435, 235)};
    const QList<QRect> lzeReach{QRect(170, 1270, 70, 70), QRect(170, 1395, 70, 70)};
    const struct {
        const char* name;
        const PrintedForm& form;
        int sheet;
        int choice;
        QList<std::pair<IntValue, int>> settings;
        Calibration calibration;
        std::optional<QPoint> mark;  // its top-left corner in the print table, offsets included
    } cases[] = {
        // clang-format off
        {"a new form: the second box", kUZ, 2, 0, {}, {}, uzSecond},
        {"the first box, 2 mm right and 1 mm lower", kUZ, 2, 1, {{kLeft_X1Pos, 20}, {kTop_X1Pos, -10}}, {},
         QPoint(815, 2265)},
        {"the second box by its own offsets", kUZ, 2, 0,
         {{kLeft_X1Pos, 50}, {kTop_X1Pos, 50}, {kLeft_X2Pos, -200}, {kTop_X2Pos, 100}}, {},
         QPoint(1125, 2155)},
        {"any other choice: the second box", kUZ, 2, 7, {}, {}, uzSecond},
        {"offsets beyond their ranges", kUZ, 2, 1, {{kLeft_X1Pos, 5000}, {kTop_X1Pos, -999}}, {},
         QPoint(995, 2355)},
        {"margins move it, the print area does not scale it", kUZ, 2, 1, {},
         {.left1 = -40, .top1 = 60, .areaVertical = 1030, .areaHorizontal = 970}, uzFirst},
        {"NoPrint_X", kUZ, 2, 1, {{kNoPrint_X, 1}}, {}, std::nullopt},
        {"the original", kUZ, 1, 1, {}, {}, std::nullopt},
        {"the application's back", kUZ, 3, 1, {}, {}, std::nullopt},
        {"the copy", kUZ, 4, 0, {}, {}, std::nullopt},
        {"848a: the first box", kLZE, 1, 1, {}, {}, lzeFirst},
        {"848a: the second box moved by the margins", kLZE, 1, 0, {},
         {.left1 = 15, .top1 = -5, .areaVertical = 1030, .areaHorizontal = 970}, lzeSecond},
        {"848a: any other choice, margins beyond the dialog", kLZE, 1, 3, {}, {5000, -900}, lzeSecond},
        {"848a: two-line fields", kLZE, 1, 1, {}, {.edition = 1}, lzeFirst},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        store(c.form, c.calibration);
        for (const auto& [value, number] : c.settings) app.WriteProfileInt(value, number);
        ASSERT_TRUE(print(c.form.file, c.sheet, {}, {}, c.choice)) << complaint.toStdString();

        // Tenths of a millimetre of the page: the front's origin is (LeftMargin1, 40 - TopMargin1), held to
        // the margin dialog's range.
        const QPoint origin(std::clamp(c.calibration.left1, -200, 200),
                            40 - std::clamp(c.calibration.top1, -200, 200));
        const auto onPage = [&](QPoint table) {
            return QPoint(origin.x() + table.x(), table.y() - origin.y());
        };
        const bool uz = &c.form == &kUZ;
        for (const QRect& reach : uz ? uzReach : lzeReach) {
            const bool here = c.mark && reach.contains(*c.mark);
            EXPECT_EQ(inkIn(QRect(onPage(reach.topLeft()), reach.size())), here)
                << reach.x() << "," << reach.y();
        }
        if (!c.mark) continue;
        const int size = uz ? 35 : 50;
        const QRect mark(onPage(*c.mark), QSize(size, size));
        expectInkOn(mark.adjusted(0, 0, -1, -1), 10);
        // An X: ink a quarter, half and three quarters along both diagonals, none in the middle of its top
        // and left sides.
        for (const int quarter : {1, 2, 3}) {
            const int x = mark.left() + size * quarter / 4;
            for (const int y : {mark.top() + size * quarter / 4, mark.top() + size - size * quarter / 4})
                EXPECT_TRUE(inkIn(QRect(x - 2, y - 2, 5, 5))) << "at " << x << ", " << y;
        }
        EXPECT_FALSE(inkIn(QRect(mark.left() + size / 2 - 3, mark.top() - 3, 6, 6)));
        EXPECT_FALSE(inkIn(QRect(mark.left() - 3, mark.top() + size / 2 - 3, 6, 6)));
    }
}
