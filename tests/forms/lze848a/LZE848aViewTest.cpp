// The declaration 848a in its own view, in the main frame as the program shows it: the two-line option taken
// by each form when it opens, and the colours of drawn and typed texts.

#include "forms/common/FormCommandIds.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "tests/forms/FormInMainFrame.h"
#include "tests/platform/ScriptedUi.h"

#include <sys/stat.h>
#include <QFile>

using platform::Rect;

namespace {

class LZE848aView : public FormInMainFrame {
protected:
    ScriptedUi ui;

    void open() { FormInMainFrame::open(LZE848a_Form); }
    int twoLineOption() { return app.GetProfileInt(settings::kLZEF1F2); }
};

}  // namespace

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
    open();
    EXPECT_EQ(view->GetFieldRect(0, 1), (Rect{250, 590, 1750, 670}));
    EXPECT_EQ(view->GetFieldRect(1, 1), (Rect{600, 680, 1800, 760}));
    EXPECT_EQ(before->GetFieldRect(1, 1), (Rect{600, 720, 1800, 760}));
    EXPECT_EQ(view->GetFieldRect(2, 1), (Rect{980, 795, 1800, 840}));
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

TEST_F(LZE848aView, AnOptionOrAZoomThatCannotBeStoredIsToldAndTheOptionStaysAsItWas)
{
    open();
    const QString settingsFile = dir.filePath("config/HKEY_CURRENT_USER.reg");
    // The command and the messages told up to its end; the option's tells first that it takes effect with
    // the next form.
    const std::pair<int, int> commands[] = {{formcmd::kTwoLineFields, 2}, {formcmd::kZoomIn, 3}};
    for (const auto& [command, messages] : commands) {
        QFile::remove(settingsFile);
        ASSERT_EQ(::mkfifo(QFile::encodeName(settingsFile).constData(), 0600), 0);
        ASSERT_TRUE(frame->ExecuteCommand(command));
        ASSERT_EQ(ui.messageTexts().size(), messages) << command;
        EXPECT_TRUE(
            ui.messageTexts().last().startsWith("Die Einstellungen konnten nicht gespeichert werden."));
        QFile::remove(settingsFile);
    }
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
