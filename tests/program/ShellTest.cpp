#include "ShellFixture.h"
#include "app/HelpContextIds.h"
#include "app/SettingsKeys.h"
#include "forms/FormList.h"
#include "platform/command/StandardCommands.h"
#include "platform/command/ToolbarCustomizeDialog.h"
#include "platform/command/Toolbars.h"
#include "platform/dialog/ToolTipWindow.h"
#include "platform/docview/WindowsDialog.h"
#include "platform/shell/HtmlHelp.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>
#include <functional>

using platform::Document;

TEST_F(Shell, EveryKeyOfAcceleratorTable128SendsItsCommandPastTheField)
{
    ASSERT_TRUE(start({writeForm(0, "a.fme")}));
    FormTestView* view = activeView();
    view->catchAll = true;
    view->ignored = {32840, 32836, 32839};
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int command;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    const Qt::KeyboardModifiers all3 = ctrl | shift | alt;
    const Case table[] = {
        {Qt::Key_N, ctrl, 57600},
        {Qt::Key_O, ctrl, 57601},
        {Qt::Key_S, ctrl, 57603},
        {Qt::Key_P, ctrl, 57607},
        {Qt::Key_C, ctrl, 57634},
        {Qt::Key_Insert, ctrl, 57634},
        {Qt::Key_X, ctrl, 57635},
        {Qt::Key_Delete, shift, 57635},
        {Qt::Key_V, ctrl, 57637},
        {Qt::Key_Insert, shift, 57637},
        {Qt::Key_A, ctrl, 57642},
        {Qt::Key_Z, ctrl, 57643},
        {Qt::Key_Backspace, alt, 57643},
        {Qt::Key_Tab, {}, 32805},
        {Qt::Key_Backtab, shift, 32806},
        {Qt::Key_Tab, ctrl, 32838},
        {Qt::Key_Backtab, ctrl | shift, 32837},
        {Qt::Key_F8, {}, 32789},
        {Qt::Key_F9, {}, 32791},
        {Qt::Key_F2, {}, 32795},
        {Qt::Key_F6, {}, 57680},
        {Qt::Key_F6, shift, 57681},
        {Qt::Key_F, all3, 32847},
        {Qt::Key_M, all3, 32849},
        {Qt::Key_R, all3, 32851},
        {Qt::Key_I, all3, 32848},
        {Qt::Key_P, all3, 32850},
    };
    for (const Case& c : table) {
        view->commands.clear();
        QTest::keyClick(view->field, c.key, c.modifiers);
        EXPECT_EQ(view->commands, QList<int>({c.command})) << c.command;
    }
    EXPECT_TRUE(view->field->keys.isEmpty());

    // Keys of commands that nothing handles do nothing and still never reach the field.
    view->commands.clear();
    QTest::keyClick(view->field, Qt::Key_F10);
    QTest::keyClick(view->field, Qt::Key_Home, ctrl);
    QTest::keyClick(view->field, Qt::Key_End, ctrl);
    EXPECT_TRUE(view->commands.isEmpty());
    EXPECT_TRUE(view->field->keys.isEmpty());

    // The menu labels of the alignment commands name keys the table does not have.
    QTest::keyClick(view->field, Qt::Key_L, ctrl);
    QTest::keyClick(view->field, Qt::Key_R, ctrl);
    EXPECT_TRUE(view->commands.isEmpty());
    EXPECT_EQ(view->field->keys, QList<int>({Qt::Key_L, Qt::Key_R}));
}

TEST_F(Shell, CtrlNRunsTheChooserAndCtrlOTheOpenDialogFromInsideAForm)
{
    ASSERT_TRUE(start({writeForm(0, "a.fme")}));
    QTest::keyClick(activeView()->field, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(ui.dialogs, QStringList({"Neues Dokument erzeugen"}));
    QTest::keyClick(activeView()->field, Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(ui.fileRequests.size(), 1);
    EXPECT_EQ(ui.fileRequests[0].title, "Öffnen");
    EXPECT_EQ(ui.fileRequests[0].mode, platform::FileDialogRequest::Mode::Open);
    // It starts in the folder of the form in hand.
    EXPECT_EQ(ui.fileRequests[0].fileName, dir.filePath("forms"));
}

TEST_F(Shell, TheOpenDialogStartsOnTheTypeOfTheFormWorkedOnLast)
{
    const QString documents = documentsFolder();
    ASSERT_TRUE(start({}));
    struct Case {
        int noFileFilter;
        int formKind;
        const char* initial;
    };
    const Case cases[] = {
        {0, 0, "Alle Kalvenport Dateien"},   {0, 1, "EUR1 Form. (*.fme)"},
        {0, 2, "ATR Form. (*.fma)"},         {0, 3, "UZ Form. (*.fmu)"},
        {0, 5, "Langzeiterklärung (*.lz1)"}, {0, 4, "Langzeiterklärung (*.lz2)"},
        {0, 9, "Alle Kalvenport Dateien"},   {1, 0, "Alle Dateien (*.*)"},
        {1, 2, "ATR Form. (*.fma)"},         {1, 5, "Langzeiterklärung (*.lz1)"},
    };
    for (const Case& c : cases) {
        app->WriteProfileInt(settings::kNoFileFilter, c.noFileFilter);
        app->m_nActiveFormKind = c.formKind;
        ui.fileRequests.clear();
        app->OnFileOpen();
        ASSERT_EQ(ui.fileRequests.size(), 1);
        const platform::FileDialogRequest& request = ui.fileRequests[0];
        EXPECT_EQ(request.fileName, documents);
        EXPECT_EQ(request.filters.value(request.initialFilter).name, c.initial)
            << c.noFileFilter << c.formKind;
        EXPECT_EQ(request.filters.size(), 7);
        EXPECT_EQ(request.filters.first().name,
                  c.noFileFilter ? "Alle Dateien (*.*)" : "Alle Kalvenport Dateien");
        EXPECT_EQ(request.filters.last().name,
                  c.noFileFilter ? "Langzeiterklärung (*.lz2)" : "Alle Dateien (*.*)");
    }
    EXPECT_EQ(app->m_nHelpContext, 100);
}

TEST_F(Shell, TheRecentFileListKeepsEightFilesInItsSection)
{
    QStringList paths;
    for (int i = 1; i <= 9; ++i) paths.append(writeForm(0, QString("f%1.fme").arg(i)));
    ASSERT_TRUE(start({}));
    for (const QString& path : paths) app->OpenDocumentFile(path);
    EXPECT_EQ(app->m_recentFileList.entries().size(), 8);
    EXPECT_EQ(app->m_recentFileList.entries().first(), paths.last());
    app->m_docManager.CloseAllDocuments();
    app->ExitInstance();
    app.reset();

    SettingsStore store(dir.filePath("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    for (int i = 0; i < 8; ++i) {
        const settings::ValueName& value = settings::kRecentFiles.at(i);
        EXPECT_EQ(store.GetProfileString(value.section, value.name, {}), paths.at(8 - i));
    }
    EXPECT_TRUE(store.GetProfileString(u"Recent File List", u"File9", {}).isEmpty());

    ASSERT_TRUE(start({}));
    EXPECT_EQ(app->m_recentFileList.entries().first(), paths.last());
    // A recent file that is gone leaves the list when it is chosen.
    QFile::remove(paths.last());
    frame().ExecuteCommand(platform::ID_FILE_MRU_FILE1);
    EXPECT_EQ(app->m_recentFileList.entries().size(), 7);
    EXPECT_EQ(app->m_recentFileList.entries().first(), paths.at(7));
}

TEST_F(Shell, AnUnknownSavedPrinterIsNamedAndPrintingStaysOnTheCurrentPrinter)
{
    ASSERT_TRUE(start({}));
    EXPECT_EQ(app->m_printer.name(), "Büro");
    frame().SelectPrinterByName("Lager");
    EXPECT_EQ(app->m_printer.name(), "Lager");
    EXPECT_TRUE(ui.messages.isEmpty());
    frame().SelectPrinterByName("Verschwunden");
    EXPECT_EQ(app->m_printer.name(), "Lager");
    EXPECT_EQ(ui.messages, QStringList({"Der Drucker Verschwunden konnte nicht gefunden werden.\n"
                                        "Es wird der Standarddrucker verwendet."}));
}

TEST_F(Shell, TheMenuBarFollowsTheActiveFormAndTheStatusPanesEmptyWithTheLastForm)
{
    ASSERT_TRUE(start({}));
    const auto& templates = app->m_docManager.templates();
    app->m_docManager.OpenNewDocument(templates[0]);
    EXPECT_EQ(frame().currentMenuId(), 131);
    EXPECT_EQ(menuTitles(frame()), QStringList({"&Datei", "&Bearbeiten", "&Optionen", "&Ansicht", "&Hilfe"}));
    app->m_docManager.OpenNewDocument(templates[3]);
    EXPECT_EQ(frame().currentMenuId(), 134);
    frame().SetStatusPaneText("Ursprungszeugnis (848a)", 1);
    frame().SetStatusPaneText("Einfügen", 2);
    frame().MDIGetActive()->close();
    settle();
    EXPECT_EQ(frame().currentMenuId(), 131);
    frame().MDIGetActive()->close();
    settle();
    EXPECT_EQ(frame().currentMenuId(), 128);
    EXPECT_TRUE(frame().statusPaneText(1).isEmpty());
    EXPECT_TRUE(frame().statusPaneText(2).isEmpty());
}

TEST_F(Shell, AModifiedFormAsksBeforeClosingAndSavesUnderItsTypeAndExtension)
{
    const QString documents = documentsFolder();
    ASSERT_TRUE(start({}));
    app->m_docManager.OpenNewDocument(app->m_docManager.templates()[0])->setModifiedFlag();
    ui.saveChoice = platform::SaveChoice::Yes;
    const QString target = dir.filePath("forms/Neu.fme");
    ui.fileAnswers = {target};
    frame().MDIGetActive()->close();
    settle();
    EXPECT_EQ(ui.messages, QStringList({"Änderungen in Euform1 speichern?"}));
    ASSERT_EQ(ui.fileRequests.size(), 1);
    EXPECT_EQ(ui.fileRequests[0].filters.first(), (platform::FileFilter{"EUR1 Form. (*.fme)", "*.fme"}));
    EXPECT_EQ(ui.fileRequests[0].fileName, documents + "/Euform1.fme");
    EXPECT_TRUE(QFile::exists(target));
    EXPECT_TRUE(frame().childFrames().isEmpty());
    EXPECT_EQ(app->m_recentFileList.entries(), QStringList({target}));
}

TEST_F(Shell, TheHomepageOpensInTheDesktopsBrowserAndAFailedStartIsReported)
{
    const QString home = QDir::homePath();
    QDir().mkpath(home + "/.local/share/applications");
    writeFile(home + "/.local/share/applications/stoebern.desktop",
              "[Desktop Entry]\nType=Application\nName=Stöbern\nExec=/bin/true %u\n");
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const QString list = qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list";
    writeFile(list, "[Default Applications]\ntext/html=stoebern.desktop\n");

    ASSERT_TRUE(start({}));
    ui.started.clear();
    frame().ExecuteCommand(1004);
    EXPECT_EQ(ui.started, QList<QStringList>({{"/bin/true", CQELWinAppEx::kHomepage.toString()}}));
    EXPECT_TRUE(ui.messages.isEmpty());
    ui.startSucceeds = false;
    frame().ExecuteCommand(1004);
    EXPECT_EQ(ui.messages, QStringList({CQELWinAppEx::kBrowserFailedMessage}));

    QFile::remove(list);
    ui.messages.clear();
    app->m_nLanguage = 1;
    frame().ExecuteCommand(1004);
    EXPECT_EQ(ui.messages, QStringList({"Sorry, could not find any internet browser on your system"}));
}

TEST_F(Shell, HelpShowsThePageOfTheCurrentContextOrOfItsFormOrTheContents)
{
    ASSERT_TRUE(start({}));
    struct Case {
        int context;
        int command;
        const char* page;
    };
    for (const Case& c : {Case{320, platform::ID_HELP, "320.html"}, Case{328, platform::ID_HELP, "328.html"},
                          Case{339, platform::ID_HELP, "320.html"}, Case{110, platform::ID_HELP, "100.html"},
                          Case{360, platform::ID_HELP_INDEX, "100.html"}}) {
        app->m_nHelpContext = c.context;
        frame().ExecuteCommand(c.command);
        ASSERT_TRUE(platform::HtmlHelp::window());
        EXPECT_TRUE(platform::HtmlHelp::window()->source().toString().endsWith(c.page)) << c.context;
    }
    // Every topic the program sets has a page of its own: the dialogs', the forms' and their fields'.
    QList<int> topics(std::begin(HelpContextIds::kAll), std::end(HelpContextIds::kAll));
    for (const FormDefinition* form : AllForms()) {
        for (const auto& rows : {form->fields.page1, form->fields.page2}) {
            for (const FormFieldRow& row : rows) {
                if (row.enabled && row.helpId > 0) topics.append(row.helpId);
            }
        }
    }
    for (int id : topics) EXPECT_TRUE(QFile::exists(QString(":/help/%1.html").arg(id))) << id;
}

TEST_F(Shell, ADroppedFileOpensLikeFileOpen)
{
    const QString path = writeForm(2, "Zeugnis.fmu");
    ASSERT_TRUE(start({}));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame(), &drop);
    EXPECT_TRUE(ui.messages.isEmpty()) << ui.messages.join("|").toStdString();
    const Document* document = activeDocument();
    ASSERT_TRUE(document);
    EXPECT_EQ(document->pathName(), path);
    EXPECT_EQ(activeTemplate(), 133);
}

TEST_F(Shell, UserToolbarsAndTheStatusBarAreKeptInTheWorkspaceUnlessAResetForbidsIt)
{
    ASSERT_TRUE(start({}));
    QToolBar* mine = frame().toolbars().createUserToolbar("Meine Leiste");
    frame().toolbars().setButtons(*mine, {57607, 0, 57670});
    frame().ExecuteCommand(platform::ID_VIEW_STATUS_BAR);
    EXPECT_EQ(app->ExitInstance(), 0);
    app.reset();
    // A toolbar value edited by hand or damaged keeps the commands the toolbar editor offers, each once, and
    // separators between buttons: 99999 is no command, 1 a string of the resources, 32775 in no menu.
    SettingsStore store(dir.filePath("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    store.WriteProfileString(settings::kStandardToolbarButtons, u"0,0,99999,1,32775,x,-1,,32775,0,0,57670,0");
    store.WriteProfileString(settings::kUserToolbarButtons.in(u"Workspace\\UserToolbar59432"),
                             u"0,57607,99999,57607,0,0,57670,0");

    ASSERT_TRUE(start({}));
    platform::Toolbars& toolbars = frame().toolbars();
    ASSERT_EQ(toolbars.toolbars().size(), 2);
    EXPECT_EQ(toolbars.buttons(*toolbars.toolbars().at(0)), QList<int>({32775, 0, 57670}));
    QToolBar* restored = toolbars.toolbars().at(1);
    EXPECT_EQ(restored->windowTitle(), "Meine Leiste");
    EXPECT_EQ(toolbars.buttons(*restored), QList<int>({57607, 0, 57670}));
    EXPECT_TRUE(frame().statusBar()->isHidden());
    EXPECT_EQ(toolbars.toolbars().at(0)->windowTitle(), "Standard");

    ui.taskDialogAnswer = 201;
    frame().ExecuteCommand(32849);  // Ctrl+Shift+Alt+M
    EXPECT_EQ(app->m_bRegistryReset, 1);
    EXPECT_EQ(app->ExitInstance(), 0);
    app.reset();
    ASSERT_TRUE(start({}));
    EXPECT_EQ(frame().toolbars().toolbars().size(), 1);
    EXPECT_FALSE(frame().statusBar()->isHidden());
}

// Drags with the Alt key held down as the window system delivers it: the pressed button holds the mouse, so
// every event goes to it. `at` is a point of `onto`.
static void altDrag(QWidget& button, const QWidget& onto, QPoint at)
{
    const QPoint end = button.mapFromGlobal(onto.mapToGlobal(at));
    QTest::mousePress(&button, Qt::LeftButton, Qt::AltModifier, {4, 4});
    QTest::mouseMove(&button, (end + QPoint(4, 4)) / 2);
    QTest::mouseMove(&button, end);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::AltModifier, end);
}

TEST_F(Shell, AButtonDraggedWithAltMovesOnItsOrAnotherToolbarOrComesOffAndTheWorkspaceKeepsIt)
{
    ASSERT_TRUE(start({}));
    frame().show();
    frame().toolbars().setButtons(*frame().toolbars().createUserToolbar("Meine Leiste"), {57670});
    const auto toolbar = [this](int index) { return frame().toolbars().toolbars().at(index); };
    const auto buttonOf = [&](int index, int command) {
        return toolbar(index)->widgetForAction(frame().commandActions().action(command));
    };
    const auto standard = [&] { return frame().toolbars().buttons(*toolbar(0)); };
    const auto mine = [&] { return frame().toolbars().buttons(*toolbar(1)); };
    // One after the other, from the buttons of toolbar 129: 57665, 0, 57600, 57601, 57603, 0, 57635, ...
    const struct {
        int command;
        int ontoToolbar;  // -1: beside every toolbar
        int beforeCommand;
        QList<int> standardStart;
        int standardSize;
        QList<int> mine;
    } rows[] = {
        {57600, 0, 57635, {57665, 0, 57601, 57603, 0, 57600, 57635, 57634}, 29, {57670}},
        {57635, 0, 57601, {57665, 0, 57635, 57601, 57603, 0, 57600, 57634}, 29, {57670}},
        {57607, 1, 57670, {57665, 0, 57635, 57601, 57603, 0, 57600, 57634}, 28, {57607, 57670}},
        {57634, -1, 0, {57665, 0, 57635, 57601, 57603, 0, 57600, 57637}, 27, {57607, 57670}},
        {57601, 0, 57601, {57665, 0, 57635, 57601, 57603, 0, 57600, 57637}, 27, {57607, 57670}},
        // Onto a toolbar that already shows the command: both stay as they were.
        {57670, 1, 57607, {57665, 0, 57635, 57601, 57603, 0, 57600, 57637}, 27, {57607, 57670}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        QWidget* button = buttonOf(0, row.command);
        ASSERT_TRUE(button);
        if (row.ontoToolbar < 0) {
            altDrag(*button, *frame().mdiArea(), frame().mdiArea()->rect().center());
        } else {
            const QWidget* before = buttonOf(row.ontoToolbar, row.beforeCommand);
            altDrag(*button, *before, {1, before->height() / 2});
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(standard().mid(0, 8), row.standardStart);
        EXPECT_EQ(standard().size(), row.standardSize);
        EXPECT_EQ(mine(), row.mine);
    }
    // A click with Alt held down does not open, a click does.
    QTest::mouseClick(buttonOf(0, 57601), Qt::LeftButton, Qt::AltModifier);
    EXPECT_TRUE(ui.fileRequests.isEmpty());
    QTest::mouseClick(buttonOf(0, 57601), Qt::LeftButton);
    EXPECT_EQ(ui.fileRequests.size(), 1);

    EXPECT_EQ(app->ExitInstance(), 0);
    app.reset();
    ASSERT_TRUE(start({}));
    EXPECT_EQ(standard().mid(0, 8), rows[4].standardStart);
    EXPECT_EQ(standard().size(), 27);
    EXPECT_EQ(mine(), QList<int>({57607, 57670}));
}

TEST_F(Shell, TheToolbarHasTheButtonsOfToolbar129AndNoMoreThanTenUserToolbarsCanBeMade)
{
    ASSERT_TRUE(start({}));
    platform::Toolbars& toolbars = frame().toolbars();
    EXPECT_EQ(toolbars.buttons(*toolbars.toolbars().at(0)),
              QList<int>({57665, 0,     57600, 57601, 57603, 0,     57635, 57634, 57637, 0,
                          32867, 32869, 0,     32810, 32811, 32812, 0,     32816, 32817, 32818,
                          0,     32791, 57607, 0,     32837, 32838, 0,     57664, 57670}));
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(toolbars.createUserToolbar(QString("L%1").arg(i)));
    EXPECT_EQ(toolbars.createUserToolbar("zu viel"), nullptr);
}

TEST_F(Shell, PrintSetupRunsUnderHelpContext201AndItsPrinterBecomesTheApplicationsPrinter)
{
    ASSERT_TRUE(start({}));
    int contextDuringDialog = 0;
    ui.dialogScript = [&](QDialog&) { contextDuringDialog = app->m_nHelpContext; };
    frame().ExecuteCommand(platform::ID_FILE_PRINT_SETUP);
    EXPECT_EQ(contextDuringDialog, 201);
    EXPECT_EQ(app->m_nHelpContext, 100);
    EXPECT_EQ(app->m_printer.name(), "Büro");  // cancelled: unchanged
}

TEST_F(Shell, TheWindowsDialogActivatesAndClosesTheChosenForms)
{
    ASSERT_TRUE(start({}));
    const auto& templates = app->m_docManager.templates();
    Document* first = app->m_docManager.OpenNewDocument(templates[0]);
    app->m_docManager.OpenNewDocument(templates[1]);
    frame().ExecuteCommand(platform::ID_WINDOW_MANAGER);
    auto* dialog = frame().findChild<platform::WindowsDialog*>();
    ASSERT_TRUE(dialog);
    ASSERT_EQ(dialog->list()->count(), 2);
    EXPECT_EQ(dialog->list()->item(0)->text(), "Euform1");
    dialog->list()->clearSelection();
    dialog->list()->item(0)->setSelected(true);
    dialog->activateSelected();
    EXPECT_EQ(activeDocument(), first);
    dialog->closeSelected();
    settle();
    EXPECT_EQ(frame().childFrames().size(), 1);
    EXPECT_EQ(dialog->list()->count(), 1);
    dialog->close();
}

// The tabs show no document icons, and only the active tab a close button, which closes that form.
TEST_F(Shell, OnlyTheActiveTabHasACloseButtonAndNoTabAnIcon)
{
    ASSERT_TRUE(start({}));
    const auto& templates = app->m_docManager.templates();
    for (int index : {0, 1, 2}) app->m_docManager.OpenNewDocument(templates[index]);
    QTabBar* tabs = frame().mdiArea()->findChild<QTabBar*>();
    ASSERT_TRUE(tabs);
    QString closed;
    const auto buttons = [tabs](int index) {
        return QList<QWidget*>{tabs->tabButton(index, QTabBar::LeftSide),
                               tabs->tabButton(index, QTabBar::RightSide)};
    };
    QPixmap red(16, 16);
    red.fill(Qt::red);
    const struct {
        const char* step;
        std::function<void()> act;
        int current;
    } rows[] = {
        {"the last form opened", [] {}, 2},
        {"the first form activated", [&] { frame().MDIActivate(frame().childFrames()[0]); }, 0},
        {"the window given an icon", [&] { frame().setWindowIcon(QIcon(red)); }, 0},
        {"the active tab moved to the end", [&] { tabs->moveTab(0, 2); }, 2},
        {"the active form closed by its button",
         [&] {
             closed = frame().MDIGetActive()->windowTitle();
             for (QWidget* button : buttons(2)) {
                 if (button) QTest::mouseClick(button, Qt::LeftButton);
             }
             settle();
         },
         -1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.step);
        row.act();
        const int current = tabs->currentIndex();
        if (row.current >= 0) {
            ASSERT_EQ(current, row.current);
        }
        EXPECT_EQ(tabs->tabText(current), frame().MDIGetActive()->windowTitle());
        for (int index = 0; index < tabs->count(); ++index) {
            EXPECT_TRUE(tabs->tabIcon(index).isNull()) << index;
            EXPECT_EQ(buttons(index).count(nullptr), index == current ? 1 : 2) << index;
        }
    }
    ASSERT_EQ(frame().childFrames().size(), 2);
    for (const platform::ChildFrame* left : frame().childFrames()) EXPECT_NE(left->windowTitle(), closed);
}

TEST_F(Shell, TheToolbarEditorMakesAToolbarAndPutsACommandOnItOnce)
{
    ASSERT_TRUE(start({}));
    frame().ExecuteCommand(platform::ID_VIEW_CUSTOMIZE);
    auto* editor = frame().findChild<platform::ToolbarCustomizeDialog*>();
    ASSERT_TRUE(editor);
    QListWidget* commands = editor->commandList();
    const auto commandRow = [commands](int command) {
        for (int row = 0; row < commands->count(); ++row)
            if (commands->item(row)->data(Qt::UserRole).toInt() == command) return row;
        return -1;
    };
    EXPECT_GE(commandRow(32775), 0);
    editor->newToolbar();
    ASSERT_EQ(frame().toolbars().toolbars().size(), 2);
    QToolBar* made = frame().toolbars().toolbars().at(1);
    EXPECT_EQ(made->windowTitle(), "Benutzerdefiniert 1");
    const int first = commands->item(0)->data(Qt::UserRole).toInt();
    const int second = commands->item(1)->data(Qt::UserRole).toInt();
    commands->setCurrentRow(0);
    editor->addCommand();
    // A separator stands only between two buttons.
    editor->addSeparator();
    EXPECT_EQ(frame().toolbars().buttons(*made), QList<int>({first}));
    commands->setCurrentRow(1);
    editor->addCommand();
    editor->buttonList()->setCurrentRow(0);
    editor->addSeparator();
    EXPECT_EQ(frame().toolbars().buttons(*made), QList<int>({first, 0, second}));
    editor->removeButton();
    EXPECT_EQ(frame().toolbars().buttons(*made), QList<int>({first, second}));
    editor->deleteToolbar();
    EXPECT_EQ(frame().toolbars().toolbars().size(), 1);

    // "Beenden" taken off the front of "Standard", "Ausschneiden" added twice more: the bar keeps one
    // "Ausschneiden" where it was and no separator in front, in the editor, on the bar and after a restart.
    QToolBar* standard = frame().toolbars().toolbars().at(0);
    editor->toolbarList()->setCurrentRow(0);
    editor->buttonList()->setCurrentRow(0);
    editor->removeButton();
    commands->setCurrentRow(commandRow(57635));
    editor->addCommand();
    editor->addCommand();
    const QList<int> expected = {57600, 57601, 57603, 0,     57635, 57634, 57637, 0,     32867,
                                 32869, 0,     32810, 32811, 32812, 0,     32816, 32817, 32818,
                                 0,     32791, 57607, 0,     32837, 32838, 0,     57664, 57670};
    QList<int> listed, shown;
    for (int row = 0; row < editor->buttonList()->count(); ++row)
        listed.append(editor->buttonList()->item(row)->data(Qt::UserRole).toInt());
    for (const QAction* button : standard->actions())
        shown.append(button->isSeparator() ? 0 : platform::CommandActions::idOf(*button));
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(editor->buttonList()->currentRow(), expected.indexOf(57635));
    editor->close();
    EXPECT_EQ(app->ExitInstance(), 0);
    app.reset();
    SettingsStore store(dir.filePath("registry"), "Software\\Brandel\\Kalvenport-Zuzaza");
    EXPECT_EQ(store.GetProfileString(settings::kStandardToolbarButtons).toStdString(),
              "57600,57601,57603,0,57635,57634,57637,0,32867,32869,0,32810,32811,32812,0,32816,32817,32818,0,"
              "32791,57607,0,32837,32838,0,57664,57670");
    ASSERT_TRUE(start({}));
    EXPECT_EQ(frame().toolbars().buttons(*frame().toolbars().toolbars().at(0)), expected);
}

// The toolbar editor ticks the toolbars that show; a toolbar made there shows at once, also after a restart.
TEST_F(Shell, TheToolbarEditorTicksEveryToolbarThatShows)
{
    const auto editor = [this] {
        frame().ExecuteCommand(platform::ID_VIEW_CUSTOMIZE);
        return frame().findChild<platform::ToolbarCustomizeDialog*>();
    };
    const auto ticks = [](const platform::ToolbarCustomizeDialog* shown) {
        QList<bool> ticked;
        for (int row = 0; row < shown->toolbarList()->count(); ++row)
            ticked.append(shown->toolbarList()->item(row)->checkState() == Qt::Checked);
        return ticked;
    };
    const auto showing = [this] {
        QList<bool> shown;
        for (const QToolBar* toolbar : frame().toolbars().toolbars()) shown.append(toolbar->isVisible());
        return shown;
    };
    ASSERT_TRUE(start({}));
    frame().show();
    platform::ToolbarCustomizeDialog* open = editor();
    ASSERT_TRUE(open);
    open->newToolbar();
    EXPECT_EQ(showing(), QList<bool>({true, true}));
    EXPECT_EQ(ticks(open), QList<bool>({true, true}));
    open->toolbarList()->item(1)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(showing(), QList<bool>({true, false}));
    open->close();
    delete open;
    open = editor();
    EXPECT_EQ(ticks(open), QList<bool>({true, false}));
    open->toolbarList()->item(1)->setCheckState(Qt::Checked);
    delete open;
    EXPECT_EQ(app->ExitInstance(), 0);
    app.reset();

    ASSERT_TRUE(start({}));
    frame().show();
    EXPECT_EQ(showing(), QList<bool>({true, true}));
    open = editor();
    EXPECT_EQ(ticks(open), QList<bool>({true, true}));
    delete open;
    // The toolbars' own menu and the View menu's list of toolbars end with the entry of string 125.
    const std::unique_ptr<QMenu> paneMenu(frame().createPopupMenu());
    QMenu* viewMenu = frame().menuBar()->actions().at(2)->menu();
    QMenu* toolbarList = viewMenu->actions().at(0)->menu();
    emit toolbarList->aboutToShow();
    for (const QMenu* menu : {paneMenu.get(), toolbarList})
        EXPECT_EQ(menu->actions().constLast()->text(), "Anpassen...");
}

// Every tip of the program has the one look of its tips: rounded, framed in black, pale cyan at the top
// running down to white, a command's prompt below a line as its description, no wider than 200 pixels.
TEST_F(Shell, EveryTipShowsItsTitleAndDescriptionInTheProgramsLook)
{
    ASSERT_TRUE(start({}));
    frame().show();
    app->m_docManager.OpenNewDocument(app->m_docManager.templates()[0]);
    QAction* newForm = frame().commandActions().action(platform::ID_FILE_NEW);
    QWidget* newButton = frame().toolbars().toolbars().at(0)->widgetForAction(newForm);
    QTabBar* tabs = frame().mdiArea()->findChild<QTabBar*>();
    QWidget* closeButton = tabs->tabButton(0, QTabBar::RightSide);
    ASSERT_TRUE(newButton && closeButton);
    const auto shownTip = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* tip = qobject_cast<platform::ToolTipWindow*>(window);
            if (tip && tip->isVisible()) return tip;
        }
        return static_cast<platform::ToolTipWindow*>(nullptr);
    };
    const struct {
        QWidget* widget;
        QString title;
        QString description;
    } rows[] = {
        {newButton, "Neu", newForm->statusTip()},
        {closeButton, closeButton->toolTip(), {}},
    };
    ASSERT_FALSE(newForm->statusTip().isEmpty());
    for (const auto& row : rows) {
        SCOPED_TRACE(row.title.toStdString());
        QHelpEvent hover(QEvent::ToolTip, {2, 2}, row.widget->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(row.widget, &hover);
        platform::ToolTipWindow* tip = shownTip();
        ASSERT_TRUE(tip);
        EXPECT_FALSE(QToolTip::isVisible());
        EXPECT_EQ(tip->title(), row.title);
        EXPECT_EQ(tip->description(), row.description);
        EXPECT_EQ(tip->tipLayout().titleFont.bold(), !row.description.isEmpty());
        EXPECT_LE(tip->tipLayout().description.width(), 200);

        const QImage image = tip->grab().toImage();
        const int middle = image.width() / 2;
        const QColor top = image.pixelColor(middle, 2);
        EXPECT_NEAR(top.red(), 200, 8);
        EXPECT_EQ(top.green() + top.blue(), 2 * 255);
        EXPECT_GE(image.pixelColor(middle, image.height() - 3).red(), 250);
        EXPECT_EQ(image.pixelColor(0, image.height() / 2).lightness(), 0);
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);  // a rounded corner

        QTest::keyClick(&frame(), Qt::Key_Shift);
        EXPECT_FALSE(shownTip());
    }
}

TEST_F(Shell, ExitClosesTheMainWindowAfterAskingForModifiedForms)
{
    ASSERT_TRUE(start({}));
    app->m_docManager.OpenNewDocument(app->m_docManager.templates()[0])->setModifiedFlag();
    ui.saveChoice = platform::SaveChoice::Cancel;
    frame().ExecuteCommand(platform::ID_APP_EXIT);
    EXPECT_TRUE(frame().isVisible());
    ui.saveChoice = platform::SaveChoice::No;
    frame().ExecuteCommand(platform::ID_APP_EXIT);
    EXPECT_FALSE(frame().isVisible());
    EXPECT_EQ(ui.messages,
              QStringList({"Änderungen in Euform1 speichern?", "Änderungen in Euform1 speichern?"}));
}
