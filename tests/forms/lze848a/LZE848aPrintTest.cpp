// Where a declaration 848a lands on paper: the PDF that form-inspect --print writes through the program's own
// print step is read back word by word and as pixels. Every field text and the X must stand where the
// form's print table, the sheet's origin (LeftMargin1, 40 - TopMargin1) and the two-line option put them.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "tests/forms/FormInspectPrint.h"
#include "tests/platform/InkBox.h"
#include "tests/support/PdfWords.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>
#include <functional>
#include <optional>

using namespace settings;

namespace {

constexpr int kFields = 11;
constexpr int kPlaceholderField = 5;
constexpr double kTolerance = 0.2;  // millimetres
// The printer font of size 3 at the default "PrinterFontFactor" of 95 %, in millimetres.
constexpr double kFontHeight = 42 * 95 / 100 / 10.0;

struct PrintCase {
    const char* name;
    bool twoLineFields;
    int markChoice;
    QPoint storedMargins;     // LeftMargin1, TopMargin1 as the settings hold them
    QPoint effectiveMargins;  // as the margin dialog's range leaves them
    bool filled;              // every field holds its word; otherwise the form is empty
};

const PrintCase kCases[] = {
    {"a new form", false, 0, {}, {}, false},
    {"filled, first box", false, 1, {}, {}, true},
    {"margins", false, 1, {15, -5}, {15, -5}, true},
    {"margins set by hand beyond the dialog", false, 0, {5000, -900}, {200, -200}, true},
    {"two-line fields", true, 0, {}, {}, true},
    {"two-line fields with margins", true, 1, {-35, 120}, {-35, 120}, true},
    {"two-line fields, empty form", true, 1, {}, {}, false},
};

QString wordOf(int field)
{
    return QStringLiteral("Feld%1").arg(field, 2, 10, QChar('0'));
}

// Where a table point (x, y) lands on the page, in tenths of a millimetre from its top-left corner: the
// printable area of a PDF is the whole sheet, the sheet's origin is (LeftMargin1, 40 - TopMargin1).
QPoint onPage(QPoint tablePoint, QPoint margins)
{
    return {margins.x() + tablePoint.x(), tablePoint.y() - 40 + margins.y()};
}

class LZE848aPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!hasPdfTools()) GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(app.InitInstance());
    }

    // The form of `c`, with field 5 holding text as well, printed by form-inspect; false with its complaint.
    bool print(const PrintCase& c)
    {
        return printWithFormInspect(save(c), 1, pdf, dir.filePath("config"), complaint);
    }

    // The form of `c` saved, its settings in place; the file.
    QString save(const PrintCase& c)
    {
        app.WriteProfileInt(kLeftMargin1.in(kLZE1Section), c.storedMargins.x());
        app.WriteProfileInt(kTopMargin1.in(kLZE1Section), c.storedMargins.y());
        app.WriteProfileInt(kLZEF1F2, c.twoLineFields ? 1 : 0);

        const QString form = dir.filePath("erklaerung.lz1");
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(app);
        DetachedForm lze = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        lze.doc->OnNewDocument();
        for (int field = 0; c.filled && field < kFields; ++field)
            lze.editor().SetFieldText(std::uint16_t(field), wordOf(field), 1);
        lze.doc->m_nMarkChoice = c.markChoice;
        EXPECT_TRUE(lze.doc->OnSaveDocument(form));
        return form;
    }

    // The dark pixels in the frame of a tick box's print row, widened by 1 mm on every side.
    QRect inkAround(std::uint16_t row, QPoint margins)
    {
        const FormRect& box = LZE848a_FieldTable.page1[row].print;
        const QRect part(onPage({box.left - 10, box.top - 10}, margins),
                         onPage({box.right + 10, box.bottom + 10}, margins));
        const QImage image = renderedPart(pdf, QDir(dir.path()), part);
        EXPECT_FALSE(image.isNull());
        const QRect ink = inkBox(image);
        return ink.isEmpty() ? ink : ink.translated(part.topLeft());
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("lze.pdf");
    QString complaint;
    CQELWinAppEx app{dir.filePath("config") + u'/' + CQELWinAppEx::kProgramId.toString()};
};

}  // namespace

TEST_F(LZE848aPrint, FieldTextsLandInTheirPrintBoxesAndThePlaceholderNeverPrints)
{
    for (const PrintCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(print(c)) << complaint.toStdString();
        const QList<PdfWord> words = pdfWords(pdf);
        if (!c.filled) {
            EXPECT_TRUE(words.isEmpty());
        }
        for (int field = 0; c.filled && field < kFields; ++field) {
            SCOPED_TRACE(field);
            const auto found = std::find_if(words.begin(), words.end(),
                                            [&](const PdfWord& word) { return word.text == wordOf(field); });
            if (field == kPlaceholderField) {
                EXPECT_TRUE(found == words.end()) << "the placeholder field printed";
                continue;
            }
            ASSERT_NE(found, words.end());
            const FormRect& box = LZE848a_FieldTable.page1[field].print;
            // Two-line fields start 3.4 mm higher, so that their second line stands where the first was.
            const int raise = c.twoLineFields && field <= 1 ? 34 : 0;
            const QPoint topLeft = onPage({box.left, box.top - raise}, c.effectiveMargins);
            // Left-aligned texts stand 1 mm in from the left edge.
            EXPECT_NEAR(found->mm.left(), (topLeft.x() + 10) / 10.0, kTolerance);
            EXPECT_NEAR(found->mm.top(), topLeft.y() / 10.0, kTolerance);
            EXPECT_NEAR(found->mm.height(), kFontHeight, kTolerance);
        }
    }
}

TEST_F(LZE848aPrint, TheXFillsTheChosenTickBoxAndTheOtherStaysEmpty)
{
    for (const PrintCase& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(print(c)) << complaint.toStdString();
        const std::uint16_t chosen = c.markChoice == 1 ? 11 : 12;
        const std::uint16_t other = c.markChoice == 1 ? 12 : 11;
        const FormRect& box = LZE848a_FieldTable.page1[chosen].print;
        const QPoint from = onPage({box.left, box.top}, c.effectiveMargins);
        const QPoint to = onPage({box.right, box.bottom}, c.effectiveMargins);
        // 5 mm by 5 mm, in a pen of 0.2 mm: within a pixel or two of a tenth of a millimetre.
        const QRect ink = inkAround(chosen, c.effectiveMargins);
        EXPECT_NEAR(ink.left(), from.x(), 2);
        EXPECT_NEAR(ink.top(), from.y(), 2);
        EXPECT_NEAR(ink.right() + 1, to.x(), 2);
        EXPECT_NEAR(ink.bottom() + 1, to.y(), 2);
        EXPECT_TRUE(inkAround(other, c.effectiveMargins).isEmpty());
    }
}

namespace {

// Pixels of a length of the sheet in tenths of a millimetre, in the picture at zoom 10.
int pictured(int tenths)
{
    return qRound(tenths * 96 / 254.0);
}

int countIn(const QImage& image, const FormRect& part, const std::function<bool(QColor)>& wanted)
{
    int count = 0;
    for (int y = pictured(part.top); y < pictured(part.bottom); ++y)
        for (int x = pictured(part.left); x < pictured(part.right); ++x)
            count += wanted(image.pixelColor(x, y));
    return count;
}

}  // namespace

TEST_F(LZE848aPrint, ThePictureOfItsWindowShowsTheHintTheTickAndTheFieldsWhereTheOptionPutsThem)
{
    const auto dark = [](QColor c) { return qGray(c.rgb()) < 100; };
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; };
    const auto blue = [](QColor c) { return c.blue() > 150 && c.red() < 140 && c.green() < 140; };
    // The lower and the upper half of the goods field's box when it has two lines, and the middles of the
    // tick boxes.
    const FormRect goodsLine{250, 640, 1750, 668}, goodsUpperLine{250, 590, 1750, 628};
    const FormRect firstTick{286, 1346, 294, 1354}, secondTick{286, 1446, 294, 1454};
    for (const PrintCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const QString png = dir.filePath("lze.png");
        ASSERT_TRUE(renderWithFormInspect(save(c), 1, png, dir.filePath("config"), complaint))
            << complaint.toStdString();
        const QImage image(png);
        ASSERT_EQ(image.size(), QSize(pictured(2050), pictured(2980)));
        EXPECT_GT(countIn(image, {500, 40, 1400, 125}, red), 100);
        EXPECT_EQ(countIn(image, firstTick, dark) > 0, c.markChoice == 1);
        EXPECT_EQ(countIn(image, secondTick, dark) > 0, c.markChoice != 1);
        // A field's text starts at the top of its box: one line higher with two lines.
        EXPECT_EQ(countIn(image, goodsUpperLine, blue) > 0, c.filled && c.twoLineFields);
        EXPECT_EQ(countIn(image, goodsLine, blue) > 0, c.filled && !c.twoLineFields);
    }
}
