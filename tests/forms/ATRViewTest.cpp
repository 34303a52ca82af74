#include "app/AppCursors.h"
#include "app/CQELWinAppEx.h"
#include "forms/atr/CATR_Doc.h"
#include "forms/atr/CATR_View.h"
#include "forms/common/FormCommandIds.h"
#include "platform/command/StandardCommands.h"
#include "platform/gdi/TextImages.h"
#include "platform/screen/ScreenMetrics.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/ImageDifference.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <climits>
#include <functional>

namespace {

// An A.TR. document in its view at true size (zoom 10) on a 96 dpi screen.
class ATRView : public ::testing::Test {
protected:
    QTemporaryDir dir;
    CQELWinAppEx app{dir.filePath("config"), "/opt/kalvenport-zuzaza"};
    AnsweringUi ui;
    std::unique_ptr<CATR_Doc> doc;
    std::unique_ptr<CATR_View> view;

    void SetUp() override
    {
        platform::ScreenMetrics::setSource([] { return platform::ScreenMetrics{1080, 96}; });
        app.InitInstance();
        app.WriteProfileInt(u"ATRForm_Defaults", u"ZoomFactor", 10);
        app.WriteProfileInt(u"Settings", u"WinFormScaledFactorOv", 100);
    }
    void TearDown() override
    {
        view.reset();
        doc.reset();
        platform::ScreenMetrics::setSource({});
    }

    void openView(const QString& path = {})
    {
        view.reset();
        doc = std::make_unique<CATR_Doc>(app);
        view = std::make_unique<CATR_View>(app, *doc);
        if (path.isEmpty()) {
            ASSERT_TRUE(doc->OnNewDocument());
        } else {
            ASSERT_TRUE(doc->OnOpenDocument(path));
        }
        view->OnInitialUpdate();
        view->resize(900, 700);
        view->show();
        // The first paint creates the edit window and lays the form out.
        view->viewport()->repaint();
        QCoreApplication::processEvents();
        ASSERT_NE(editor().LiveWindow(), nullptr);
    }
    CQeEditWindow& editor() { return view->FieldEditor(); }
    QPlainTextEdit& window() { return *editor().LiveWindow(); }
};

}  // namespace

TEST_F(ATRView, TextTypedIntoTheFormIsSavedAndReopensInTheSameBoxes)
{
    openView();
    view->ActivateField(0, 1);
    QTest::keyClicks(&window(), "Brandel GmbH");
    QTest::keyClick(&window(), Qt::Key_Return);
    QTest::keyClicks(&window(), "Bremen");
    view->ActivateField(9, 1);
    QTest::keyClicks(&window(), "10 Kisten Maschinenteile");
    EXPECT_TRUE(doc->isModified());

    const QString path = dir.filePath("lieferung.fma");
    ASSERT_TRUE(doc->OnSaveDocument(path));
    openView(path);
    EXPECT_EQ(doc->m_nLoadStatus, 0);
    EXPECT_EQ(editor().GetFieldText(0, 1), "Brandel GmbH\r\nBremen");
    EXPECT_EQ(editor().GetFieldText(9, 1), "10 Kisten Maschinenteile");
    EXPECT_FALSE(doc->isModified());
    // The edit window stands on field 0's box and shows its text.
    EXPECT_EQ(window().toPlainText(), "Brandel GmbH\nBremen");
    const platform::Rect box = view->GetFieldRect(0, 1);
    const QPoint boxTopLeft =
        view->viewport()->mapToGlobal(QPoint(qRound(box.left * 96 / 254.0), qRound(box.top * 96 / 254.0)));
    const QPoint windowTopLeft = window().mapToGlobal(QPoint(0, 0));
    EXPECT_LE((boxTopLeft - windowTopLeft).manhattanLength(), 3);
}

TEST_F(ATRView, TabAndShiftTabWrapAtTheEndsOfThePage)
{
    openView();
    view->ActivateField(20, 1);
    view->OnNextField();
    EXPECT_EQ(editor().GetCurrentField(), 0);
    view->OnPrevField();
    EXPECT_EQ(editor().GetCurrentField(), 20);
    view->OnPrevField();
    EXPECT_EQ(editor().GetCurrentField(), 19);
}

TEST_F(ATRView, FieldsBeyondTheTableGoToTheFirstField)
{
    openView();
    view->ActivateField(5, 1);
    EXPECT_EQ(view->ActivateField(21, 1), 0);
    EXPECT_EQ(editor().GetCurrentField(), 0);
    EXPECT_EQ(view->ActivateField(500, 1), 0);
    EXPECT_EQ(editor().GetCurrentField(), 0);
    EXPECT_EQ(view->GetFieldRect(21, 1), platform::Rect{});
    EXPECT_EQ(view->GetFieldRect(22, 1), view->GetFieldRect(0, 1));
}

TEST_F(ATRView, AClickOnALeftOrTopEdgeActivatesTheBoxButNotOnItsRightOrBottomEdge)
{
    openView();
    const platform::Rect box = view->GetFieldRect(7, 1);  // box 8 "Bemerkungen"
    EXPECT_EQ(view->FieldAt({box.left, box.top}, 1), 7);
    EXPECT_EQ(view->FieldAt({box.right - 1, box.bottom - 1}, 1), 7);
    EXPECT_NE(view->FieldAt({box.right, box.top + 10}, 1), std::optional<std::uint16_t>(7));
    EXPECT_NE(view->FieldAt({box.left + 10, box.bottom}, 1), std::optional<std::uint16_t>(7));

    // A real click in the middle of box 3 activates field 1.
    const platform::Rect box3 = view->GetFieldRect(1, 1);
    const QPoint middle(qRound((box3.left + box3.right) / 2 * 96 / 254.0),
                        qRound((box3.top + box3.bottom) / 2 * 96 / 254.0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, middle);
    EXPECT_EQ(editor().GetCurrentField(), 1);
}

TEST_F(ATRView, TheHelpContextFollowsTheActiveField)
{
    openView();
    EXPECT_EQ(app.m_nHelpContext, 320);
    view->ActivateField(9, 1);
    EXPECT_EQ(app.m_nHelpContext, 328);
    view->ActivateField(19, 1);
    EXPECT_EQ(app.m_nHelpContext, 331);
}

TEST_F(ATRView, LeavingAGoodsFieldLeavesExactlyOneLineEnd)
{
    openView();
    view->ActivateField(9, 1);
    editor().SetCurrentText("Maschinenteile\r\n\r\n\r\n  ");
    view->ActivateField(10, 1);
    EXPECT_EQ(editor().GetFieldText(9, 1), "Maschinenteile\r\n");
    editor().SetCurrentText("120 kg \r\n");
    view->ActivateField(11, 1);
    EXPECT_EQ(editor().GetFieldText(10, 1), "120 kg\r\n");
    editor().SetCurrentText("Hamburg  \r\n");
    view->ActivateField(12, 1);
    EXPECT_EQ(editor().GetFieldText(11, 1), "Hamburg");
}

TEST_F(ATRView, ARefusedFileShowsItsMessageOverABlankForm)
{
    const QString path = dir.filePath("neu.fma");
    writeFile(path, "QEL-ATRForm@3.01 and more");
    openView(path);
    QCoreApplication::processEvents();
    ASSERT_EQ(ui.messageBoxes.size(), 1);
    EXPECT_TRUE(ui.messageBoxes[0].text.startsWith("Dies ist ein Dokument einer neueren Version"));
    EXPECT_TRUE(doc->pathName().isEmpty());
}

TEST_F(ATRView, TheFormIsDrawnAtTrueSize)
{
    openView();
    view->resize(1200, 1100);
    const QImage image = view->viewport()->grab().toImage();
    if (qEnvironmentVariableIsSet("KZ_TEST_PICTURES"))
        image.save(qEnvironmentVariable("KZ_TEST_PICTURES") + "/atr.png");
    // The outer frame's top line lies 10 mm below the sheet's top: 37.8 pixels at 96 dpi; the form area
    // inside it is pale green.
    const int frameY = qRound(100 * 96 / 254.0);
    bool dark = false;
    for (int y = frameY - 2; y <= frameY + 2; ++y) dark = dark || qGray(image.pixel(400, y)) < 100;
    EXPECT_TRUE(dark);
    EXPECT_EQ(image.pixelColor(400, frameY + 20), QColor(0xDE, 0xFF, 0xD1));
    // Beyond the sheet's right edge at 205 mm lies the grey outside.
    EXPECT_EQ(image.pixelColor(qRound(2060 * 96 / 254.0), 300), QColor(0x80, 0x80, 0x80));
}

// The window paints every pixel itself, without a background painted first: the sheet around the form
// area, and what lies beyond the grey strips in a window larger than they reach, show the window's colour.
TEST_F(ATRView, AllOfTheWindowIsPainted)
{
    openView();
    view->resize(1700, 1500);
    const QImage image = view->viewport()->grab().toImage();
    const QColor windowColor = view->viewport()->palette().color(view->viewport()->backgroundRole());
    // The sheet's top left corner, left of and above the outer frame; right of the grey at 400 mm and below
    // it at 350 mm.
    for (const QPoint point : {QPoint(20, 10), QPoint(1600, 100), QPoint(100, 1400), QPoint(1600, 1400)}) {
        EXPECT_EQ(image.pixelColor(point), windowColor) << point.x() << "," << point.y();
    }
    EXPECT_EQ(image.pixelColor(1000, 300), QColor(0x80, 0x80, 0x80));
}

// The window scrolls over the sheet of 205 mm × 298 mm at least, so that every box can be reached, and up to
// the grey's edge at 400 mm × 350 mm at most, whatever "DocWidth" and "DocLength" hold.
TEST_F(ATRView, TheWindowScrollsOverTheSheetAndNoFurtherThanTheGreyWhateverTheSettingsHold)
{
    // The value stored in both, the width and the length scrolled over in millimetres.
    const std::array<int, 3> cases[] = {
        {250, 250, 298}, {320, 320, 320}, {-5, 205, 298}, {INT_MAX, 400, 350}, {INT_MIN, 205, 298}};
    for (const auto& [stored, width, length] : cases) {
        SCOPED_TRACE(stored);
        for (const char16_t* value : {u"DocWidth", u"DocLength"})
            app.WriteProfileInt(u"ATRForm_Defaults", value, stored);
        openView();
        view->resize(300, 300);
        EXPECT_EQ(view->horizontalScrollBar()->maximum() + view->viewport()->width(),
                  qRound(width * 96 / 25.4));
        EXPECT_EQ(view->verticalScrollBar()->maximum() + view->viewport()->height(),
                  qRound(length * 96 / 25.4));
    }
}

namespace {

// The lines of blue text in a part of an image: for each run of rows with ink, its top and its left and right
// ends, in pixels.
struct InkLine {
    int top;
    int left;
    int right;
};

QList<InkLine> inkLines(const QImage& image, const QRect& part)
{
    QList<InkLine> lines;
    bool inLine = false;
    for (int y = part.top(); y <= part.bottom(); ++y) {
        int left = INT_MAX, right = -1;
        for (int x = part.left(); x <= part.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 140 && c.green() < 140) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
        if (right < 0) {
            inLine = false;
            continue;
        }
        if (!inLine) lines.append({y, left, right});
        lines.last().left = std::min(lines.last().left, left);
        lines.last().right = std::max(lines.last().right, right);
        inLine = true;
    }
    return lines;
}

// The ink lines the live window itself shows in a part of the view, in the view's pixels: where the window
// is narrower than its text, what it cuts off the text is missing.
QList<InkLine> inkLinesOfTheWindow(QPlainTextEdit& window, const QRect& part)
{
    QList<InkLine> lines =
        inkLines(window.grab().toImage(), part.translated(-window.pos()).intersected(window.rect()));
    for (InkLine& line : lines) {
        line.top += window.y();
        line.left += window.x();
        line.right += window.x();
    }
    return lines;
}

}  // namespace

TEST_F(ATRView, TheEditWindowShowsItsTextWhereTheDrawnFieldShowsIt)
{
    AppCursors::Load();
    openView();
    view->resize(900, 1000);  // the whole of boxes 5 to 12, so that nothing scrolls
    const QString goods =
        "Maschinen und Teile aus Stahl-Alu, verpackt in Kisten aus Holz, Nr. 1-20, Alu-Rohre; Teile und "
        "Zubehör in Kartons x";
    // Left, centred and right, in wide boxes and the narrow box 11, and a word wider than box 8 (of digits:
    // no descender runs into the line below).
    const QString longWord = "Nr. " + QString("4711081500").repeated(16) + " 1234";
    // The line after "Ausfuhrpapier" in box 12 is a fifth wider on paper than drawn: its text, broken as it
    // prints, runs past the drawn box, and the window widens to show it.
    const QString paper = QString("4711081500").repeated(3);
    using Align = void (CQeEditWindow::*)(std::uint16_t field, std::uint16_t page);
    const Align left = &CQeEditWindow::SetFieldAlignLeft, centred = &CQeEditWindow::SetFieldAlignCenter,
                right = &CQeEditWindow::SetFieldAlignRight;
    // What the user does while the window stands on the field.
    const auto command = [this](int id) { return [this, id] { view->ExecuteCommand(id); }; };
    const auto pasteOver = [&](const QString& text) {
        QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(text);
        view->ExecuteCommand(platform::ID_EDIT_PASTE);
    };
    const struct {
        std::uint16_t field;
        Align align;
        QString text;
        // How the field stands as the window comes onto it, and what the user does there to give it the
        // row's alignment and text.
        Align alignBefore = nullptr;
        QString textBefore = {};
        std::function<void()> there = {};
    } rows[] = {{9, nullptr, goods},
                {4, nullptr, goods},
                {10, nullptr, goods},
                {10, centred, goods},
                {7, nullptr, longWord},
                // Blanks after the last word neither move nor widen a line; a tab takes a blank's room.
                {10, nullptr, "1,5 kg" + QString(80, u' ') + "\r\n2,5 kg" + QString(80, u' ')},
                {10, centred, "1,5 kg" + QString(60, u' ') + "\r\n2,5 kg"},
                {9, right, "Deutschland" + QString(30, u' ') + "\r\nZeile 2  "},
                {9, nullptr, "Menge\tGewicht\tWert\tLand\tCode\r\nZeile\t2"},
                {11, left, paper},
                {11, centred, paper},
                {11, right, paper},
                {11, right, paper, left, {}, command(formcmd::kAlignRight)},
                {11, centred, paper, left, {}, command(formcmd::kAlignCenter)},
                {11, centred, paper, nullptr, "EX 1", [&] { pasteOver(paper); }},
                {11, centred, paper, nullptr, paper, [&] {
                     pasteOver("EX 1");
                     view->ExecuteCommand(platform::ID_EDIT_UNDO);
                 }}};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        if (row.align) (editor().*row.align)(row.field, 1);
        editor().SetFieldText(row.field, row.text, 1);
        view->ActivateField(0, 1);
        const platform::Rect box = view->GetFieldRect(row.field, 1);
        // The rows of the box across the view: a line wider than its box shows past it.
        const QRect band(0, qRound(box.top * 96 / 254.0), view->viewport()->width(),
                         qRound((box.bottom - box.top) * 96 / 254.0));
        const QList<InkLine> drawn = inkLines(view->viewport()->grab().toImage(), band);
        if (row.alignBefore) (editor().*row.alignBefore)(row.field, 1);
        if (!row.textBefore.isEmpty()) editor().SetFieldText(row.field, row.textBefore, 1);
        view->ActivateField(row.field, 1);
        if (row.there) row.there();
        const QList<InkLine> live = inkLinesOfTheWindow(window(), band);
        ASSERT_EQ(live.size(), drawn.size());
        ASSERT_GE(live.size(), row.field == 11 ? 1 : 2);
        for (qsizetype i = 0; i < live.size(); ++i) {
            EXPECT_NEAR(live[i].top, drawn[i].top, 1) << "line " << i;
            EXPECT_NEAR(live[i].left, drawn[i].left, 2) << "line " << i;
            EXPECT_NEAR(live[i].right, drawn[i].right, 2) << "line " << i;
        }
        // The window had to widen.
        if (row.field == 11) {
            EXPECT_GT(drawn[0].right - drawn[0].left, qRound((box.right - box.left) * 96 / 254.0));
        }
        // A text that runs below its box would lie in the next row's.
        view->ActivateField(0, 1);
        editor().SetFieldText(row.field, {}, 1);
    }
    EXPECT_EQ(window().viewport()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window().viewport()->cursor().pixmap().cacheKey(), AppCursors::Get(342).pixmap().cacheKey());
}

// What the window shows of the form after an edit and after leaving the field is what a paint of the whole
// window shows: a field holding more lines than its box is emptied and typed anew, box 1 at the top of the
// form, and the goods of box 10 with the form scrolled down further than the box is high, the lines reaching
// over box 12.
TEST_F(ATRView, NoPixelOfAFieldsOldTextStaysOnScreenAfterAnEditOrLeavingIt)
{
    openView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        const QPoint at = view->viewport()->mapTo(view->window(), QPoint(0, 0));
        return view->screen()
            ->grabWindow(view->window()->winId(), at.x(), at.y(), view->viewport()->width(),
                         view->viewport()->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    const auto wholePaint = [&] {
        return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const struct {
        std::uint16_t field;
        int lines;
        int scrolledPixels;
    } rows[] = {{0, 10, 0}, {9, 40, 450}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.field);
        QStringList lines;
        for (int line = 1; line <= row.lines; ++line)
            lines.append(QStringLiteral("Zeile%1").arg(line, 2, 10, QChar('0')));
        view->ActivateField(1, 1);
        editor().SetFieldText(row.field, lines.join("\r\n"), 1);
        view->ActivateField(row.field, 1);
        view->verticalScrollBar()->setValue(row.scrolledPixels);
        // Whatever the set-up left to paint is painted before the edit, so that only the edit's own repaint
        // can clear the old lines.
        view->viewport()->repaint();
        QCoreApplication::processEvents();
        QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&window(), Qt::Key_Delete);
        QTest::keyClicks(&window(), "Neu");
        // The caret blinks in the edit window.
        EXPECT_EQ(largestDifference(onScreen(), wholePaint(), window().geometry()), 0) << "edited";
        view->ActivateField(1, 1);
        EXPECT_EQ(largestDifference(onScreen(), wholePaint(), window().geometry()), 0) << "left";
    }
}

// The captions and field texts are drawn on screen from pictures kept between paints: a repaint shows them
// on the pixels where the first paint drew their glyphs, at each zoom, but for the rounding of a smoothed
// edge.
TEST_F(ATRView, ARepaintDrawsTheTextsWhereTheFirstPaintDrewThem)
{
    // A text of its own in each run, whose pictures the repaint makes.
    static int runs = 0;
    const QString exporter = QStringLiteral("Brandel Maschinenbau GmbH %1").arg(++runs);
    for (const int zoom : {11, 17, 25}) {
        SCOPED_TRACE(zoom);
        app.WriteProfileInt(u"ATRForm_Defaults", u"ZoomFactor", zoom);
        view.reset();
        doc = std::make_unique<CATR_Doc>(app);
        ASSERT_TRUE(doc->OnNewDocument());
        view = std::make_unique<CATR_View>(app, *doc);
        view->OnInitialUpdate();
        editor().SetFieldText(0, exporter, 1);
        editor().SetFieldText(9, "10 Kisten Maschinenteile aus Stahl,\r\nverpackt in Holzkisten", 1);
        view->resize(1300, 1000);
        const QImage first = view->viewport()->grab().toImage();
        const qsizetype held = platform::TextImages::bytesHeld();
        const QImage again = view->viewport()->grab().toImage();
        EXPECT_GT(platform::TextImages::bytesHeld(), held);
        // The edit window, made by the first paint, lies over the active field.
        const QPlainTextEdit* live = editor().LiveWindow();
        ASSERT_NE(live, nullptr);
        EXPECT_LE(largestDifference(first, again, live->geometry()), 1);
    }
}
