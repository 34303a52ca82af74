// form-inspect --render: the picture of a form page as its window draws it, covering exactly the sheet.

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/atr/ATR_Form.h"
#include "forms/common/DetachedForm.h"
#include "forms/common/FormDocument.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/uz/UZ_Form.h"
#include "tests/forms/FormInspectPrint.h"
#include "tests/platform/InkBox.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <optional>

namespace {

class FormInspectRender : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString complaint;

    // Runs form-inspect --render with `arguments` after the file; true when it exited 0.
    bool render(const QString& form, const QStringList& arguments)
    {
        return runFormInspect(QStringList{"--render", form} + arguments, dir.filePath("config"), complaint);
    }

    // A new form of `definition` saved under `name` and the form's extension, with `text` in field 0 of
    // `page`, and `more` in its field of page 1.
    QString saveForm(const FormDefinition& definition, int page, const QString& text, const QString& name,
                     std::optional<std::pair<std::uint16_t, QString>> more = {})
    {
        CQELWinAppEx app(dir.filePath("owner"));
        for (const platform::DocTemplate& docTemplate : CreateFormTemplates(app)) {
            DetachedForm form = DetachedForm::Create(docTemplate);
            if (&form.doc->definition() != &definition) continue;
            form.doc->OnNewDocument();
            form.editor().SetFieldText(0, text, std::uint16_t(page));
            if (more) form.editor().SetFieldText(more->first, more->second, 1);
            const QString path =
                dir.filePath(name + docTemplate.field(platform::DocTemplate::Field::FilterExt));
            EXPECT_TRUE(form.doc->OnSaveDocument(path));
            return path;
        }
        ADD_FAILURE() << "no template for the form";
        return {};
    }
};

// Pixels of a length in tenths of a millimetre at a zoom, on the picture's 96 dots per inch: the window's on
// a standard screen.
int pixels(int tenths, int zoom)
{
    return qRound(tenths * zoom / 10.0 * 96 / 254);
}

bool blackIn(const QImage& image, const QRect& part)
{
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) return true;
        }
    }
    return false;
}

bool colourIn(const QImage& image, const FormRect& box, int zoom, const std::function<bool(QColor)>& wanted)
{
    for (int y = pixels(box.top, zoom); y <= pixels(box.bottom, zoom); ++y) {
        for (int x = pixels(box.left, zoom); x <= pixels(box.right, zoom); ++x) {
            if (wanted(image.pixelColor(x, y))) return true;
        }
    }
    return false;
}

// A dotted writing line that a field's text stands on: drawn from the left edge of the field's box, not
// beyond its right edge, `below` tenths of a millimetre under the box.
struct WritingLine {
    std::uint16_t field;
    int below;
};

// The dark pixels of row `y` across `box` and a little beyond its edges (to the right less than a dotted
// line's gap and dash, where a caption may begin): the first and the last, and how many.
struct RowInk {
    int first = -1;
    int last = -1;
    int count = 0;
};
RowInk rowInk(const QImage& image, int y, const FormRect& box, int zoom)
{
    RowInk ink;
    for (int x = pixels(box.left, zoom) - 2; x <= pixels(box.right, zoom) + 5; ++x) {
        if (qGray(image.pixel(x, y)) >= 100) continue;
        if (ink.first < 0) ink.first = x;
        ink.last = x;
        ++ink.count;
    }
    return ink;
}

bool blue(QColor c)
{
    return c.blue() > 150 && c.red() < 140 && c.green() < 140;
}

// How far down the blue ink of a field's text reaches below the top of its box, up to 3 cm, in tenths of a
// millimetre.
int blueDepth(const QImage& image, const FormRect& box, int zoom)
{
    int deepest = 0;
    for (int y = pixels(box.top, zoom); y < pixels(box.top + 300, zoom); ++y) {
        for (int x = pixels(box.left, zoom); x <= pixels(box.right, zoom); ++x) {
            if (blue(image.pixelColor(x, y))) deepest = y;
        }
    }
    return qRound(deepest * 254 / 96.0 * 10 / zoom) - box.top;
}

// How far right of the left edge of a field's box the blue ink of its text reaches across the box's first
// 3 cm down, in tenths of a millimetre.
int blueReach(const QImage& image, const FormRect& box, int zoom)
{
    int farthest = 0;
    for (int y = pixels(box.top, zoom); y < pixels(box.top + 300, zoom); ++y) {
        for (int x = pixels(box.left, zoom); x < image.width(); ++x) {
            if (blue(image.pixelColor(x, y))) farthest = std::max(farthest, x);
        }
    }
    return qRound(farthest * 254 / 96.0 * 10 / zoom) - box.left;
}

bool red(QColor c)
{
    return c.red() > 200 && c.green() < 80 && c.blue() < 80;
}

// The foot of each of the 848a's 24 lines of notes, where its descenders end, in tenths of a millimetre down
// the sheet.
constexpr int kNoteLineFeet[] = {2295, 2325, 2350, 2375, 2400, 2425, 2450, 2475, 2510, 2545, 2570, 2595,
                                 2620, 2645, 2670, 2695, 2720, 2745, 2770, 2795, 2830, 2855, 2880, 2905};

// Each line of notes is a whole line: its letters run past the middle of the notes, it ends before the right
// end of the form's underlines, and no dots trail after its last word. Its letters are looked for between
// 0.9 and 1.5 mm above its foot, higher than the dots of a full stop or an ellipsis reach. Below its
// baseline and above the next line's small letters, a row of pixels is blank: the lines do not touch.
void expectWholeNoteLines(const QImage& image, int zoom)
{
    const auto inkAcross = [&](int top, int bottom) {
        return inkBox(image, QRect(0, pixels(top, zoom), image.width(), pixels(bottom - top, zoom)));
    };
    for (std::size_t i = 0; i < std::size(kNoteLineFeet); ++i) {
        const int foot = kNoteLineFeet[i];
        const QRect line = inkAcross(foot - 22, foot), letters = inkAcross(foot - 15, foot - 9);
        EXPECT_GT(letters.right(), pixels(1050, zoom)) << foot;
        EXPECT_LT(line.right(), pixels(1850, zoom)) << foot;
        EXPECT_LT(line.right() - letters.right(), pixels(10, zoom)) << foot;
        if (i + 1 == std::size(kNoteLineFeet)) break;
        bool apart = false;
        for (int y = pixels(foot - 6, zoom); y <= pixels(kNoteLineFeet[i + 1] - 14, zoom) && !apart; ++y)
            apart = inkBox(image, QRect(0, y, image.width(), 1)).isEmpty();
        EXPECT_TRUE(apart) << foot;
    }
}

}  // namespace

TEST_F(FormInspectRender, APageIsDrawnAsItsWindowDrawsItOverExactlyTheSheet)
{
    const QColor green(0xDE, 0xFF, 0xD1), white(Qt::white), orange(0xFF, 0xD6, 0xAA);
    const struct {
        const FormDefinition& form;
        int page;
        int zoom;
        // The colour inside the form area, 15 mm down in the middle; the 848a has its heading there.
        std::optional<QColor> area;
        // Where the outer frame's top line runs, in tenths of a millimetre down the sheet; none on the
        // back page.
        std::optional<int> frameTop;
        // The 848a's two-line fields, whose first line is one line higher.
        bool twoLineFields = false;
        // Where the text of field 0 is drawn; the box of its row without it.
        std::optional<FormRect> text = {};
        // Where the form draws red: the 848a's hint.
        std::optional<FormRect> red = {};
        // The 848a's notes, each a whole line.
        bool notes = false;
        // The dotted lines that the texts of page 1 stand on.
        QList<WritingLine> writingLines = {};
        // A text of page 1 longer than its box's line, drawn at each zoom up to `lastZoom` in as many lines
        // as the sheet prints it in: its ink reaches from `depth.first` to `depth.second` below its box's
        // top.
        std::optional<std::pair<std::uint16_t, QString>> longText = {};
        std::pair<int, int> depth = {};
        int lastZoom = 0;
        // How far right of its box's left edge the long text reaches at the least.
        int reach = 0;
    } cases[] = {
        {ATR_Form, 1, 10, green, 100},
        {ATR_Form, 1, 20, green, 100},
        // The EUR.1's writing lines: under the two lines of box 2, the lines of box 11 and box 12, and the
        // signature line 4 mm under the last field.
        // clang-format off
        {EUR1_Form, 1, 10, green, 100, false, std::nullopt, std::nullopt, false,
         {{2, 5}, {3, 5}, {12, 0}, {13, 0}, {14, 0}, {15, 0}, {16, 0}, {17, 0}, {18, 0}, {19, 0}, {20, 40}}},
        // clang-format on
        {EUR1_Form, 2, 10, white, std::nullopt},
        // The certificate of origin has its frame on both pages, 2 mm down the sheet.
        {UZ_Form, 1, 10, orange, 20},
        {UZ_Form, 2, 14, orange, 20},
        {LZE848a_Form, 1, 10, std::nullopt, std::nullopt, false, std::nullopt, FormRect{500, 40, 1400, 125},
         true},
        // The notes at every zoom.
        {LZE848a_Form,
         1,
         11,
         std::nullopt,
         std::nullopt,
         false,
         std::nullopt,
         std::nullopt,
         true,
         {},
         {},
         {},
         25},
        {LZE848a_Form, 1, 10, std::nullopt, std::nullopt, true, FormRect{250, 590, 1750, 628}},
        // The second line of the EUR.1's box 2, centred, 83 mm wide: "Lorem" and 96 "i" need 85.8 mm in
        // the printer font, so that the sheet prints them in two lines, the second over the caption below.
        // clang-format off
        {EUR1_Form, 1, 10, green, 100, false, std::nullopt, std::nullopt, false, {},
         std::pair<std::uint16_t, QString>{3, "Lorem " + QString(96, u'i')}, {50, 90}, 25},
        // A word of 328 narrow letters, two lines long on paper in the A.TR.'s box 8 (86 mm), breaks where a
        // letter no longer fits on paper: its first line, drawn in the screen's font, fills more than 70 mm
        // of the box at every zoom, not the width of its first 64 letters (under 62 mm).
        {ATR_Form, 1, 10, green, 100, false, std::nullopt, std::nullopt, false, {},
         std::pair<std::uint16_t, QString>{7, "Langwort" + QString("ijlt").repeated(80)}, {50, 200}, 25, 700},
        // clang-format on
    };
    for (const auto& c : cases) {
        for (int zoom = c.zoom; zoom <= std::max(c.zoom, c.lastZoom); ++zoom) {
            SCOPED_TRACE(
                QString("%1 page %2 zoom %3").arg(c.form.menuId).arg(c.page).arg(zoom).toStdString());
            CQELWinAppEx settings(dir.filePath("config") + u'/' + CQELWinAppEx::kProgramId.toString());
            ASSERT_TRUE(settings.InitInstance());
            settings.WriteProfileInt(settings::kLZEF1F2, c.twoLineFields ? 1 : 0);
            const QString form = saveForm(c.form, c.page, "Brandel GmbH", "lieferung", c.longText);
            const QString out = dir.filePath("page.png");
            // The options in any order: the zoom, where given, between the page and the picture.
            QStringList arguments{"--page", QString::number(c.page)};
            if (zoom != 10) arguments << "--zoom" << QString::number(zoom);
            arguments << "--out" << out;
            ASSERT_TRUE(render(form, arguments)) << complaint.toStdString();
            const QImage image(out);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(pixels(2050, zoom), pixels(2980, zoom)));
            EXPECT_TRUE(!c.area || image.pixelColor(pixels(1000, zoom), pixels(150, zoom)) == *c.area);
            if (c.frameTop) {
                const int y = pixels(*c.frameTop, zoom);
                EXPECT_TRUE(blackIn(image, QRect(pixels(1000, zoom), y - 1, 1, 3)));
                EXPECT_FALSE(blackIn(image, QRect(pixels(1000, zoom), y + 10, 1, 3)));
            }
            // Nothing of the grey beyond the sheet up to its right and bottom edges.
            EXPECT_NE(image.pixelColor(image.width() - 1, image.height() / 2), QColor(0x80, 0x80, 0x80));
            EXPECT_NE(image.pixelColor(image.width() / 2, image.height() - 1), QColor(0x80, 0x80, 0x80));
            // The text of field 0 in its box.
            const FormRect box = (c.page == 1 ? c.form.fields.page1 : c.form.fields.page2)[0].screen;
            EXPECT_TRUE(colourIn(image, c.text.value_or(box), zoom, blue));
            EXPECT_TRUE(!c.red || colourIn(image, *c.red, zoom, red));
            if (c.notes) expectWholeNoteLines(image, zoom);
            if (c.longText) {
                const int depth = blueDepth(image, c.form.fields.page1[c.longText->first].screen, zoom);
                EXPECT_GE(depth, c.depth.first);
                EXPECT_LE(depth, c.depth.second);
                EXPECT_GE(blueReach(image, c.form.fields.page1[c.longText->first].screen, zoom), c.reach);
            }
            for (const WritingLine& line : c.writingLines) {
                SCOPED_TRACE("the writing line of field " + std::to_string(line.field));
                const FormRect& field = c.form.fields.page1[line.field].screen;
                const int y = pixels(field.bottom + line.below, zoom);
                RowInk ink;
                for (int row = y - 1; row <= y + 1; ++row) {
                    const RowInk found = rowInk(image, row, field, zoom);
                    if (found.count > ink.count) ink = found;
                }
                EXPECT_GE(ink.count, 20);
                EXPECT_NEAR(ink.first, pixels(field.left, zoom), 1);
                EXPECT_LE(ink.last, pixels(field.right, zoom) + 1);
            }
        }
    }
}

TEST_F(FormInspectRender, WhatTheWindowCannotShowIsRefused)
{
    const QString atr = saveForm(ATR_Form, 1, "", "leer");
    const QString eur1 = saveForm(EUR1_Form, 1, "", "leer");
    const QString out = dir.filePath("out.png");
    const struct {
        const char* what;
        QString file;
        QStringList arguments;
        const char* said;
    } cases[] = {
        {"a page the form does not show", atr, {"--page", "2", "--out", out}, "page 1 only"},
        {"no page", atr, {"--page", "0", "--out", out}, "page 1 only"},
        {"a third page", eur1, {"--page", "3", "--out", out}, "pages 1 and 2 only"},
        {"a zoom below the smallest", atr, {"--page", "1", "--out", out, "--zoom", "9"}, "zoom 10 to 25"},
        {"a zoom above the largest", atr, {"--page", "1", "--out", out, "--zoom", "26"}, "zoom 10 to 25"},
        {"a file that does not open", dir.filePath("fehlt.fma"), {"--page", "1", "--out", out}, ""},
        {"a refused version", dir.filePath("neu.fma"), {"--page", "1", "--out", out}, "neueren Version"},
        {"an unknown option", atr, {"--page", "1", "--out", out, "--size", "3"}, "unknown option --size"},
        {"an option without its value", atr, {"--page", "--out", out}, "--page needs a value"},
        {"an option given twice", atr, {"--page", "2", "--out", out, "--page", "1"}, "--page is given twice"},
        {"a page that is no number", atr, {"--page", "eins", "--out", out}, "whole numbers"},
        {"no picture", atr, {"--page", "1"}, "--out is missing"},
        {"a picture that cannot be written",
         atr,
         {"--page", "1", "--out", dir.filePath("no/such/x.png")},
         "cannot write"},
    };
    writeFile(dir.filePath("neu.fma"), "QEL-ATRForm@3.01 and more");
    for (const auto& c : cases) {
        EXPECT_FALSE(render(c.file, c.arguments)) << c.what;
        EXPECT_TRUE(complaint.contains(c.said)) << c.what << ": " << complaint.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}
