// The declaration 848a in its own view, in the main frame as the program shows it: the tick drawn where the
// document's choice puts it, Tab past the placeholder field, the two-line option taken by each form when it
// opens, the colours of drawn and typed texts, and the form's commands.

#include "forms/common/FormCommandIds.h"
#include "forms/lze848a/CLZE_848a_View.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/lze848a/LZE848a_Printing.h"
#include "tests/forms/FormInMainFrame.h"
#include "tests/platform/ScriptedUi.h"

#include <sys/stat.h>
#include <QFile>

using platform::Rect;

namespace {

class LZE848aView : public FormInMainFrame {
protected:
    ScriptedUi ui;

    // A declaration 848a in its own view, new or read from `path`.
    CLZE_848a_View& open(const QString& path = {})
    {
        FormInMainFrame::open(LZE848a_Form, path);
        return dynamic_cast<CLZE_848a_View&>(*view);
    }
    int twoLineOption() { return app.GetProfileInt(settings::kLZEF1F2); }

    // Whether the middle of a tick box is inked on screen: the tick's two strokes cross there.
    bool tickedAt(std::uint16_t row)
    {
        const QPoint middle = middleOf(view->GetFieldRect(row, 1));
        view->viewport()->repaint();
        const QImage image = view->viewport()->grab().toImage();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (qGray(image.pixel(middle + QPoint(dx, dy))) < 128) return true;
        return false;
    }
};

}  // namespace

TEST_F(LZE848aView, TheTickIsDrawnInTheBoxOfTheDocumentsChoice)
{
    open();
    EXPECT_FALSE(tickedAt(11));
    EXPECT_TRUE(tickedAt(12));

    clickOn(view->GetFieldRect(11, 1));
    EXPECT_EQ(doc->m_nMarkChoice, 1);
    EXPECT_TRUE(tickedAt(11));
    EXPECT_FALSE(tickedAt(12));

    // A choice that no box has ticks the second box, as it prints.
    doc->m_nMarkChoice = 3;
    EXPECT_FALSE(tickedAt(11));
    EXPECT_TRUE(tickedAt(12));
}

TEST_F(LZE848aView, TabAndShiftTabPassThePlaceholderFieldAndWrapAtTheEnds)
{
    open();
    const struct {
        std::uint16_t from;
        Qt::Key key;
        std::uint16_t to;
    } moves[] = {
        {4, Qt::Key_Tab, 6},      {6, Qt::Key_Backtab, 4}, {10, Qt::Key_Tab, 0},
        {0, Qt::Key_Backtab, 10}, {3, Qt::Key_Tab, 4},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.from);
        view->ActivateField(move.from, 1);
        key(move.key, move.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(editor().GetCurrentField(), move.to);
    }
    // Field 5 shares the box of field 6, which a click there reaches.
    view->ActivateField(0, 1);
    clickOn(view->GetFieldRect(6, 1));
    EXPECT_EQ(editor().GetCurrentField(), 6);
    // The tick rows and any row beyond the table have the box of the table's rows or of row 0.
    EXPECT_EQ(view->GetFieldRect(11, 1), (Rect{270, 1330, 310, 1370}));
    for (const std::uint16_t beyond : {13, 14, 500})
        EXPECT_EQ(view->GetFieldRect(beyond, 1), view->GetFieldRect(0, 1));
}

TEST_F(LZE848aView, TheTwoLineOptionHoldsForTheFormsOpenedAfterItChanged)
{
    open();
    const FormView* before = view;
    const QRect typedBefore = window().geometry();
    EXPECT_EQ(frame->UpdateCommand(formcmd::kTwoLineFields).check(), 0);

    ASSERT_TRUE(frame->ExecuteCommand(formcmd::kTwoLineFields));
    EXPECT_EQ(ui.messageTexts(),
              QStringList{"Eine Änderung der Einstellung wird erst ab dem nächsten Dokument wirksam!"});
    EXPECT_EQ(twoLineOption(), 1);
    EXPECT_EQ(frame->UpdateCommand(formcmd::kTwoLineFields).check(), 1);
    // The open form keeps its boxes and its edit window, even when it is laid out again at another zoom.
    EXPECT_EQ(view->GetFieldRect(0, 1), (Rect{250, 630, 1750, 670}));
    view->OnZoomIn();
    view->OnZoomOut();
    view->viewport()->repaint();
    EXPECT_EQ(view->GetFieldRect(0, 1), (Rect{250, 630, 1750, 670}));
    view->ActivateField(0, 1);
    EXPECT_EQ(window().geometry(), typedBefore);

    // A form opened now has fields 0 and 1 one box height taller, reaching up; the others stay.
    const struct {
        std::uint16_t field;
        Rect oneLine;
        Rect twoLines;
    } boxes[] = {
        {0, {250, 630, 1750, 670}, {250, 590, 1750, 670}},
        {1, {600, 720, 1800, 760}, {600, 680, 1800, 760}},
        {2, {980, 795, 1800, 840}, {980, 795, 1800, 840}},
        {10, {250, 2030, 1850, 2120}, {250, 2030, 1850, 2120}},
    };
    open();
    for (const auto& box : boxes) {
        EXPECT_EQ(before->GetFieldRect(box.field, 1), box.oneLine) << box.field;
        EXPECT_EQ(view->GetFieldRect(box.field, 1), box.twoLines) << box.field;
    }
    // Each takes a second line.
    for (const std::uint16_t field : {0, 1}) {
        view->ActivateField(field, 1);
        QTest::keyClicks(&window(), "Zeile");
        key(Qt::Key_Return);
        QTest::keyClicks(&window(), "zwei");
        view->ActivateField(2, 1);
        EXPECT_EQ(editor().GetFieldText(field, 1), "Zeile\r\nzwei") << field;
    }
    view->ActivateField(0, 1);
    EXPECT_NEAR(window().height(), 2 * typedBefore.height(), 2);
    EXPECT_NEAR(window().y(), typedBefore.y() - pixels(40), 2);
    // The upper half of the box is the field's: a click there edits it.
    view->ActivateField(2, 1);
    clickOn({1000, 600, 1000, 600});
    EXPECT_EQ(editor().GetCurrentField(), 0);

    ASSERT_TRUE(frame->ExecuteCommand(formcmd::kTwoLineFields));
    EXPECT_EQ(twoLineOption(), 0);
    EXPECT_EQ(frame->UpdateCommand(formcmd::kTwoLineFields).check(), 0);
    EXPECT_EQ(view->GetFieldRect(0, 1), (Rect{250, 590, 1750, 670}));
    open();
    EXPECT_EQ(view->GetFieldRect(0, 1), (Rect{250, 630, 1750, 670}));
}

TEST_F(LZE848aView, AnOptionThatCannotBeStoredIsToldAndStaysAsItWas)
{
    open();
    const QString settingsFile = dir.filePath("config/HKEY_CURRENT_USER.reg");
    QFile::remove(settingsFile);
    ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFile).constData(), 0600), 0);
    ASSERT_TRUE(frame->ExecuteCommand(formcmd::kTwoLineFields));
    ASSERT_EQ(ui.messageTexts().size(), 2);
    EXPECT_TRUE(ui.messageTexts()[1].startsWith("Die Einstellungen konnten nicht gespeichert werden."));
    QFile::remove(settingsFile);
    EXPECT_EQ(twoLineOption(), 0);
}

TEST_F(LZE848aView, DrawnFieldTextsShowInTheirColourWhileTheTextBeingTypedIsBlackOnWhite)
{
    app.WriteProfileInt(settings::kEditTextColor.in(settings::kLZE1Section), 0x00C000);  // green
    open();
    view->ActivateField(2, 1);
    QTest::keyClicks(&window(), "MMMMMMMM");
    view->ActivateField(3, 1);
    QTest::keyClicks(&window(), "MMMMMMMM");
    const Rect drawn = view->GetFieldRect(2, 1);
    const QPoint middle = middleOf(drawn);
    view->viewport()->repaint();
    const QImage image = view->viewport()->grab().toImage();
    const int left = middle.x() - pixels(drawn.right - drawn.left) / 2;
    int green = 0;
    for (int y = middle.y() - 8; y <= middle.y() + 8; ++y)
        for (int x = left; x < left + 80; ++x) {
            const QColor colour = image.pixelColor(x, y);
            if (colour.green() > 120 && colour.red() < 80 && colour.blue() < 80) ++green;
        }
    EXPECT_GT(green, 20);
    EXPECT_EQ(window().palette().color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(window().palette().color(QPalette::Base), QColor(Qt::white));
}

TEST_F(LZE848aView, TypedFieldsAndTheTickSurviveSaveAndReopenAndTheOptionStaysOutOfTheFile)
{
    app.WriteProfileInt(settings::kLZEF1F2, 1);
    open();
    QStringList typed;
    for (int field = 0; field <= 10; ++field) {
        if (field == 5) continue;
        ASSERT_EQ(editor().GetCurrentField(), field);
        typed.append(QStringLiteral("Text %1").arg(field));
        QTest::keyClicks(&window(), typed.last());
        key(Qt::Key_Tab);
    }
    clickOn(view->GetFieldRect(11, 1));
    const QString path = dir.filePath("erklaerung.lz1");
    ASSERT_TRUE(doc->OnSaveDocument(path));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_FALSE(bytes.contains("LZEF1F2"));
    EXPECT_FALSE(bytes.contains(QByteArray::fromRawData(reinterpret_cast<const char*>(u"LZEF1F2"), 14)));

    app.WriteProfileInt(settings::kLZEF1F2, 0);
    open(path);
    EXPECT_EQ(doc->m_nLoadStatus, 0);
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(doc->m_nMarkChoice, 1);
    EXPECT_TRUE(tickedAt(11));
    QStringList reopened;
    for (std::uint16_t field = 0; field <= 10; ++field)
        if (field != 5) reopened.append(editor().GetFieldText(field, 1));
    EXPECT_EQ(reopened, typed);
    EXPECT_EQ(editor().GetFieldText(5, 1), "");
}

TEST_F(LZE848aView, F9OpensTheOnePageMarginDialogAndTheFormHasNoDefaultsNorPages)
{
    open();
    QString caption;
    int helpWhileOpen = 0;
    ui.script = [&](QDialog& dialog) {
        caption = dialog.windowTitle();
        helpWhileOpen = app.m_nHelpContext;
        dialog.reject();
    };
    key(Qt::Key_F9);
    EXPECT_EQ(caption, "Ränder beim Ausdruck für 848a");
    EXPECT_EQ(helpWhileOpen, 120);
    EXPECT_EQ(app.m_nHelpContext, 360);
    EXPECT_EQ(frame->statusPaneText(1), "Ursprungszeugnis (848a)");
    EXPECT_EQ(app.m_nActiveFormKind, 5);
    for (const int command :
         {formcmd::kFormDefaults, formcmd::kAdvancedPrintPositions, formcmd::kPage1, formcmd::kPage2}) {
        EXPECT_FALSE(frame->UpdateCommand(command).isEnabled()) << command;
    }
    EXPECT_TRUE(frame->UpdateCommand(formcmd::kTwoLineFields).isEnabled());
    // The menu names Ctrl+2 for the option, but no key is bound to it.
    key(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(twoLineOption(), 0);
    EXPECT_TRUE(ui.messageTexts().isEmpty());
}

TEST(LZE848aPrintRows, RowsBeyondThePrintTableReadRowZero)
{
    QTemporaryDir dir;
    CQELWinAppEx app{dir.filePath("config")};
    std::unique_ptr<FormDocument> doc = LZE848a_Form.createDocument(app);
    const LZE848a_Printing printing(app, *doc);
    for (const std::uint16_t beyond : {13, 14, 500})
        EXPECT_EQ(printing.GetPrintFieldRect(beyond, 1), printing.GetPrintFieldRect(0, 1)) << beyond;
    EXPECT_EQ(printing.GetPrintFieldRect(12, 1), (Rect{180, -1405, 230, -1455}));
}
