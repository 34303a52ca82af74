// The form being worked on owns the status panes, the form kind the Open dialog starts on and the help
// topic, from the moment its window shows, however it was opened; with no form left, nothing of it stays.

#include "app/AppCommandIds.h"
#include "forms/FormTemplates.h"
#include "forms/atr/CATR_View.h"
#include "forms/common/DetachedForm.h"
#include "platform/command/CommandActions.h"
#include "platform/command/StandardCommands.h"
#include "platform/dialog/Dialog.h"
#include "platform/docview/ChildFrame.h"
#include "platform/menu/ContextMenus.h"
#include "platform/shell/HtmlHelp.h"
#include "program/CKalvenportExportApp.h"
#include "tests/program/ShellDoubles.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace {

struct Owner {
    QString pane1;
    QString pane2;
    int formKind;
    int helpContext;
};

class ActiveForm : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (app) app->ExitInstance();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A new A.TR. saved as a file.
    QString writeForm()
    {
        CQELWinAppEx owner(dir.filePath("registry"));
        DetachedForm form = DetachedForm::Create(CreateFormTemplates(owner).at(1));
        const QString path = dir.filePath("lieferung.fma");
        EXPECT_TRUE(form.doc->OnSaveDocument(path));
        return path;
    }
    void start(const QString& path)
    {
        storeSplashScreen(dir.filePath("registry"));
        app = std::make_unique<CKalvenportExportApp>(QStringList{path}, dir.filePath("registry"),
                                                     "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
    }
    CMainFrame& frame() { return *app->mainFrame(); }
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // The active form, its edit window made by its first paint; without one the test fails here.
    CATR_View& activeView()
    {
        platform::ChildFrame* active = frame().MDIGetActive();
        auto* view = active ? dynamic_cast<CATR_View*>(active->GetActiveView()) : nullptr;
        if (!view) throw std::runtime_error("no A.TR. form is active");
        view->viewport()->grab();
        return *view;
    }
    Owner owner()
    {
        return {frame().statusPaneText(1), frame().statusPaneText(2), app->m_nActiveFormKind,
                app->m_nHelpContext};
    }

    QTemporaryDir dir;
    ShellUi ui;
    std::unique_ptr<CKalvenportExportApp> app;
};

void expectOwner(const Owner& seen, const Owner& expected, const char* how)
{
    EXPECT_EQ(seen.pane1.toStdString(), expected.pane1.toStdString()) << how;
    EXPECT_EQ(seen.pane2.toStdString(), expected.pane2.toStdString()) << how;
    EXPECT_EQ(seen.formKind, expected.formKind) << how;
    EXPECT_EQ(seen.helpContext, expected.helpContext) << how;
}

}  // namespace

TEST_F(ActiveForm, OwnsPanesFormKindAndHelpFromTheMomentItShowsAndLeavesNothingWhenItCloses)
{
    const Owner atr{"A.TR. Dokument", "Einfügen", 2, 320};
    const QString path = writeForm();

    start(path);
    expectOwner(owner(), atr, "command line");
    // The window system activates the window once it shows; the MDI area then forgets the active form.
    QApplication::setActiveWindow(&frame());
    expectOwner(owner(), atr, "command line, window active");
    frame().MDIGetActive()->close();
    settle();
    EXPECT_EQ(frame().currentMenuId(), 128);
    expectOwner(owner(), {"", "", 2, 320}, "closed");
    EXPECT_EQ(frame().windowTitle().toStdString(), "Kalvenport-Zuzaza");
    const auto* documentMenu = frame().mdiArea()->findChild<QToolButton*>({}, Qt::FindDirectChildrenOnly);
    EXPECT_FALSE(documentMenu->isVisibleTo(&frame()));

    app->m_nActiveFormKind = 0;
    app->m_nHelpContext = 100;
    ui.dialogScript = [](QDialog& chooser) {
        QTest::mouseClick(chooser.findChild<QWidget*>("1033"), Qt::LeftButton);
    };
    app->OnFileNew();
    expectOwner(owner(), atr, "chooser");

    // Each form is left on a field of its own, some in overwrite mode.
    const auto leave = [this](std::uint16_t field, bool overwrite) {
        activeView().ActivateField(field, 1);
        if (overwrite) QTest::keyClick(activeView().FieldEditor().LiveWindow(), Qt::Key_Insert);
    };
    leave(9, true);
    QTest::keyClick(activeView().FieldEditor().LiveWindow(), Qt::Key_N, Qt::ControlModifier);
    expectOwner(owner(), atr, "Ctrl+N");
    leave(1, false);
    ui.fileAnswers = {path};
    QTest::keyClick(activeView().FieldEditor().LiveWindow(), Qt::Key_O, Qt::ControlModifier);
    expectOwner(owner(), atr, "Ctrl+O");

    const QList<platform::ChildFrame*> forms = frame().childFrames();
    ASSERT_EQ(forms.size(), 3);
    frame().MDIActivate(forms[0]);
    expectOwner(owner(), {"A.TR. Dokument", "Überschreiben", 2, 328}, "switched to the first");
    frame().MDIActivate(forms[1]);
    expectOwner(owner(), {"A.TR. Dokument", "Einfügen", 2, 322}, "switched to the second");
}

TEST_F(ActiveForm, TheFieldsContextMenuShowsTheStatesOfTheBearbeitenMenu)
{
    start(writeForm());
    CATR_View& view = activeView();
    QPlainTextEdit* field = view.FieldEditor().LiveWindow();
    view.FieldEditor().SetFontSize(0, 1, 4);  // the largest: no larger
    view.FieldEditor().ToggleBold();
    view.FieldEditor().SetAlignRight();
    // The undo entry of the menu bar keeps its name, greyed while there is nothing to take back.
    QAction* undo = frame().commandActions().action(57643);
    frame().commandActions().updateAction(*undo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text().toStdString(), "&Rückgängig");
    QTest::keyClicks(field, "Brandel");  // something to undo
    QList<platform::MenuItem> shown;
    platform::ContextMenus::setTracker([&](const QList<platform::MenuItem>& items, QPoint) {
        shown = items;
        return 0;
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {5, 5}, field->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(field->viewport(), &rightClick);
    platform::ContextMenus::setTracker({});

    ASSERT_EQ(shown.size(), 14);
    for (const platform::MenuItem& item : shown) {
        if (item.separator) continue;
        QAction* inMenuBar = frame().commandActions().action(item.commandId);
        frame().commandActions().updateAction(*inMenuBar);
        EXPECT_EQ(item.enabled, inMenuBar->isEnabled()) << item.commandId;
        EXPECT_EQ(item.checked, inMenuBar->isChecked()) << item.commandId;
    }
    const auto find = [&](int id) {
        return *std::find_if(shown.begin(), shown.end(), [id](auto& i) { return i.commandId == id; });
    };
    EXPECT_TRUE(find(57643).enabled);
    EXPECT_FALSE(find(32810).enabled);
    EXPECT_TRUE(find(32812).checked);
    EXPECT_TRUE(find(32818).checked);
    EXPECT_FALSE(find(32816).checked);
    EXPECT_EQ(find(32802).text.toStdString(), "Einfügemodus ausschalten\tEinfg");
}

// A paste is taken where it fits into the box and refused where it would need a line more, from the menu
// bar's "Einfügen" as from the context menu's, as Ctrl+V refuses it.
TEST_F(ActiveForm, APasteFromEitherMenuIsRefusedWhereTheBoxHasNoRoomForIt)
{
    start(writeForm());
    CATR_View& view = activeView();
    view.ActivateField(14, 1);  // one line of box 13
    QPlainTextEdit* field = view.FieldEditor().LiveWindow();
    const std::function<void()> pastes[] = {
        [&] { frame().commandActions().action(57637)->trigger(); },
        [&] {
            platform::ContextMenus::setTracker(
                [](const QList<platform::MenuItem>&, QPoint) { return 57637; });
            QContextMenuEvent rightClick(QContextMenuEvent::Mouse, {5, 5}, field->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(field->viewport(), &rightClick);
            platform::ContextMenus::setTracker({});
        },
    };
    for (const auto& paste : pastes) {
        SCOPED_TRACE(&paste == pastes ? "menu bar" : "context menu");
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QGuiApplication::clipboard()->setText("Hamburg");
        paste();
        EXPECT_EQ(field->toPlainText().toStdString(), "Hamburg");
        QGuiApplication::clipboard()->setText(QString(" und weiter").repeated(12));
        paste();
        EXPECT_EQ(field->toPlainText().toStdString(), "Hamburg");
    }
}

// A change in the print-area dialog or the printer font size dialog reaches the open form at once: box 8's
// long word is drawn in other lines, and the line of box 12's "Zollstelle" takes less of a long word.
TEST_F(ActiveForm, APrintSettingChangedInItsDialogBreaksTheOpenFormsTextsAnew)
{
    start(writeForm());
    CATR_View& view = activeView();
    QPlainTextEdit* window = view.FieldEditor().LiveWindow();
    view.ActivateField(7, 1);
    QTest::keyClicks(window, "Langwort" + QString("ijlt").repeated(80));
    // Box 8 as the view draws it, the window on box 1.
    const auto drawnBox8 = [&] {
        view.ActivateField(0, 1);
        return view.viewport()->grab(QRect(QPoint(431, 317), QPoint(756, 440))).toImage();
    };
    const auto takenInBox12 = [&] {
        view.ActivateField(14, 1);
        window->selectAll();
        QTest::keyClick(window, Qt::Key_Delete);
        QTest::keyClicks(window, "Lorem " + QString(230, u'i'));
        return window->toPlainText().size();
    };
    // The dialog, when it takes the keyboard, gives it back to the form's window when it closes.
    const auto inDialog = [&](int command, int field, const std::function<void(QWidget*)>& change,
                              bool takesKeyboard) {
        ui.dialogScript = [&](QDialog& dialog) {
            if (takesKeyboard) QApplication::setActiveWindow(&dialog);
            change(dialog.findChild<QWidget*>(QString::number(field)));
            QTest::mouseClick(dialog.findChild<QWidget*>(QString::number(platform::control::kOk)),
                              Qt::LeftButton);
        };
        frame().commandActions().action(command)->trigger();
        if (takesKeyboard) QApplication::setActiveWindow(&frame());
    };
    const QImage drawn = drawnBox8();
    const qsizetype taken = takenInBox12();

    // The print area 97 % across, the form's window active again: typing first, drawing after.
    inDialog(
        AppCommandIds::kPrintSizeCorrection, 21148,
        [](QWidget* across) {
            QTest::keyClick(across, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(across, "97");
        },
        true);
    const qsizetype takenNarrower = takenInBox12();
    EXPECT_LT(takenNarrower, taken);
    const QImage drawnNarrower = drawnBox8();
    EXPECT_NE(drawnNarrower, drawn);

    // The A.TR.'s printer font at 105 %, the form drawn before its window is active again: drawing first,
    // typing after.
    inDialog(
        AppCommandIds::kPrinterFontSize, 1033,
        [](QWidget* atr) {
            for (int step = 0; step < 10; ++step) QTest::keyClick(atr, Qt::Key_Up);
        },
        false);
    EXPECT_NE(drawnBox8(), drawnNarrower);
    EXPECT_LT(takenInBox12(), takenNarrower);
}

TEST_F(ActiveForm, F1OpensTheTopicOfTheFieldOrOfTheDialogAndTheHelpWindowWorksBesideAModalDialog)
{
    start(writeForm());
    CATR_View& view = activeView();
    view.ActivateField(9, 1);
    QTest::keyClick(view.FieldEditor().LiveWindow(), Qt::Key_F1);
    const auto shownPage = [] { return platform::HtmlHelp::window()->source().fileName().toStdString(); };
    ASSERT_TRUE(platform::HtmlHelp::window());
    EXPECT_EQ(shownPage(), "328.html");

    std::string inDialog, afterFollowingALink;
    ui.dialogScript = [&](QDialog& margins) {
        margins.hide();
        margins.setWindowModality(Qt::ApplicationModal);
        margins.show();
        QTest::keyClick(&margins, Qt::Key_F1);
        inDialog = shownPage();
        // Keys through the window system, which holds back what a modal dialog blocks.
        QWindow* help = platform::HtmlHelp::window()->windowHandle();
        QTest::keyClick(help, Qt::Key_Tab);
        QTest::keyClick(help, Qt::Key_Return);
        afterFollowingALink = shownPage();
    };
    QTest::keyClick(view.FieldEditor().LiveWindow(), Qt::Key_F9);
    EXPECT_EQ(inDialog, "120.html");
    EXPECT_EQ(afterFollowingALink, "100.html");
}

// The help window of a dialog stands alone once the dialog has closed; Exit ends the program all the same.
TEST_F(ActiveForm, ExitEndsTheProgramWhileTheHelpOfAClosedDialogIsOpen)
{
    start(writeForm());
    ui.dialogScript = [](QDialog& defaults) {
        defaults.hide();
        defaults.setWindowModality(Qt::ApplicationModal);
        defaults.show();
        QTest::mouseClick(defaults.findChild<QWidget*>("57670"), Qt::LeftButton);  // "Hilfe"
    };
    QTest::keyClick(activeView().FieldEditor().LiveWindow(), Qt::Key_F8);
    ASSERT_TRUE(platform::HtmlHelp::window() && platform::HtmlHelp::window()->isVisible());

    QTimer::singleShot(0, &frame(), [this] { frame().ExecuteCommand(platform::ID_APP_EXIT); });
    QTimer::singleShot(5000, &frame(), [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
}
