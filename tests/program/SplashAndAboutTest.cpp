#include "ShellDoubles.h"
#include "app/CSplashWnd.h"
#include "platform/command/CommandActions.h"
#include "platform/command/StandardCommands.h"
#include "platform/command/Toolbars.h"
#include "platform/docview/ChildFrame.h"
#include "support/CAboutDlg.h"
#include "tests/support/SplashSetting.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

QPointer<CSplashWnd>& splash = CSplashWnd::c_pSplashWnd;

bool aboutBoxShown()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
                       [](QWidget* w) { return qobject_cast<CAboutDlg*>(w) && w->isVisible(); });
}

// Hands every event of the program to `seen`.
class EventWatch : public QObject {
public:
    EventWatch(QObject& parent, std::function<void(QObject*, QEvent*)> seen)
        : QObject(&parent), m_seen(std::move(seen))
    {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        m_seen(watched, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> m_seen;
};

// The program started on an A.TR. form, with "SplashScreen" stored as given or not at all. Every dialog it
// runs is worked by the test's script, which notes the dialog's title and the help context while it is open.
class Program : public ::testing::Test {
protected:
    void TearDown() override { stop(); }

    // Started, and on the screen as the person who started it sees it: painted, with the start picture
    // over it unless none is to come.
    void start(std::optional<int> splashSeconds = 0, bool onScreen = true)
    {
        stop();
        const QString registry = dir.filePath(QString::number(++starts));
        if (splashSeconds) storeSplashScreen(registry, *splashSeconds);
        app = std::make_unique<CKalvenportExportApp>(QStringList{KZ_TEST_DATA "/forms/atr-1.01.fma"},
                                                     registry, "/opt/kz/kz");
        ASSERT_TRUE(app->InitInstance());
        view = app->mainFrame()->MDIGetActive()->GetActiveView();
        view->viewport()->grab();  // the first paint makes the form's edit window
        app->m_nHelpContext = 320;
        if (!onScreen) return;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->mainFrame()));
        if (splashSeconds == 0) {
            QCoreApplication::processEvents();
        } else {
            ASSERT_TRUE(QTest::qWaitFor([] { return splash != nullptr; }, 2000));
        }
    }
    void stop()
    {
        if (app) app->ExitInstance();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QPlainTextEdit* field() { return dynamic_cast<FormEditorOwner&>(*view).FieldEditor().LiveWindow(); }
    void run(int command, std::function<void(QDialog&)> work)
    {
        ui.dialogScript = [=, this](QDialog& dialog) {
            seen.append({dialog.windowTitle(), QString::number(app->m_nHelpContext)});
            work(dialog);
        };
        app->mainFrame()->ExecuteCommand(command);
    }
    static void click(QDialog& dialog, int id)
    {
        QTest::mouseClick(dialog.findChild<QWidget*>(QString::number(id)), Qt::LeftButton);
    }

    QTemporaryDir dir;
    ShellUi ui;
    int starts = 0;
    std::unique_ptr<CKalvenportExportApp> app;
    platform::View* view = nullptr;
    QStringList seen;
};

}  // namespace

TEST_F(Program, TheSplashStaysTheStoredSecondsANegativeValueFiveAndAHugeOneAMinute)
{
    const std::pair<std::optional<int>, int> cases[] = {
        {{}, 5000}, {2, 2000}, {0, 0}, {-1, 5000}, {1000000, 60000}};
    for (const auto& [stored, milliseconds] : cases) {
        start(stored);
        const CSplashWnd* shown = splash.data();
        ASSERT_EQ(shown && shown->isVisible(), milliseconds != 0) << stored.value_or(-99);
        if (milliseconds == 0) continue;
        EXPECT_EQ(shown->findChild<QTimer*>()->interval(), milliseconds);
        EXPECT_EQ(CSplashWnd::Create(*app->mainFrame(), *app, "3.20.004"), nullptr) << "only one at a time";
    }
    start(1);
    const QDeadlineTimer deadline(3000);
    while (splash && !deadline.hasExpired()) QTest::qWait(50);
    EXPECT_FALSE(splash) << "still up after its second";
}

TEST_F(Program, TheSplashComesOnceTheMainWindowHasPainted)
{
    start(5, false);
    EXPECT_FALSE(splash) << "drawn inside the start";
    int framePaints = 0;
    int paintsBeforeSplash = -1;
    QWidget& frame = *app->mainFrame();
    EventWatch watch(frame, [&](QObject* watched, QEvent* event) {
        if (watched == &frame && event->type() == QEvent::Paint) ++framePaints;
        if (qobject_cast<CSplashWnd*>(watched) && event->type() == QEvent::Show && paintsBeforeSplash < 0)
            paintsBeforeSplash = framePaints;
    });
    ASSERT_TRUE(QTest::qWaitFor([] { return splash != nullptr; }, 2000));
    EXPECT_GE(paintsBeforeSplash, 1);
    const CSplashWnd* shown = splash.data();
    EXPECT_TRUE(shown && shown->isVisible());
}

// The splash lets its picture go once painted; painted again, it shows the picture all the same, under its
// texts.
TEST_F(Program, TheSplashPaintedAgainShowsItsPicture)
{
    start(5);
    ASSERT_TRUE(splash);
    CSplashWnd& shown = *splash.data();
    const QImage picture = QImage(":/splash/320.svg").convertToFormat(QImage::Format_RGB32);
    const QImage repainted = shown.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(repainted.size(), picture.size());
    qsizetype same = 0, coloured = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            same += repainted.pixel(x, y) == picture.pixel(x, y);
            coloured += picture.pixel(x, y) != qRgb(0xFF, 0xFF, 0xFF);
        }
    }
    const qsizetype pixels = qsizetype{picture.width()} * picture.height();
    EXPECT_GT(coloured, pixels / 2);
    EXPECT_GT(same, pixels * 9 / 10);
}

TEST_F(Program, TheSplashStaysCentredOverTheMainWindowAsTheWindowManagerPlacesIt)
{
    start(5);
    ASSERT_TRUE(splash);
    QWidget& frame = *app->mainFrame();
    const auto centred = [&] {
        const QWidget* shown = splash.data();
        return shown != nullptr && shown->geometry().center() == frame.frameGeometry().center();
    };
    EXPECT_TRUE(centred());
    // Maximised, restored and moved by the window manager after the splash came up.
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"restored to a smaller size",
         [&] {
             frame.showNormal();
             frame.setGeometry(40, 30, 900, 700);
         }},
        {"moved", [&] { frame.move(300, 200); }},
        {"maximised", [&] { frame.showMaximized(); }}};
    for (const auto& [what, change] : changes) {
        change();
        EXPECT_TRUE(QTest::qWaitFor(centred, 1000)) << what;
    }
}

TEST_F(Program, TheFirstKeyOrClickOnlyClosesTheSplashTheNextOneWorks)
{
    const std::pair<const char*, std::function<void()>> cases[] = {
        {"A in a field", [this] { QTest::keyClick(field(), Qt::Key_A); }},
        {"Ctrl+N", [this] { QTest::keyClick(field(), Qt::Key_N, Qt::ControlModifier); }},
        {"a click on New", [this] {
             QAction* newForm = app->mainFrame()->commandActions().action(platform::ID_FILE_NEW);
             QTest::mouseClick(app->mainFrame()->toolbars().toolbars().at(0)->widgetForAction(newForm),
                               Qt::LeftButton);
         }}};
    for (const auto& [what, press] : cases) {
        start({});
        const QString text = field()->toPlainText();
        ui.dialogs.clear();
        press();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(splash) << what;
        EXPECT_EQ(field()->toPlainText(), text) << what;
        EXPECT_TRUE(ui.dialogs.isEmpty()) << what;
        press();
        EXPECT_TRUE(field()->toPlainText() != text || !ui.dialogs.isEmpty()) << what << " did nothing";
    }
}

TEST_F(Program, TheAboutBoxShowsTheVersionAndItsHomepageButtonClosesItBeforeTheBrowserStarts)
{
    QDir().mkpath(QDir::homePath() + "/.local/share/applications");
    writeFile(QDir::homePath() + "/.local/share/applications/web.desktop",
              "[Desktop Entry]\nType=Application\nName=Web\nExec=/bin/true %u\n");
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    writeFile(qEnvironmentVariable("XDG_CONFIG_HOME") + "/mimeapps.list",
              "[Default Applications]\ntext/html=web.desktop\n");
    start();
    bool boxShownAtStart = true;
    QStringList started;
    platform::ProcessLauncher::setLauncher([&](const QString&, const QStringList& arguments) {
        boxShownAtStart = aboutBoxShown();
        started = arguments;
        return true;
    });
    run(platform::ID_APP_ABOUT, [&](QDialog& dialog) {
        seen.append(static_cast<CAboutDlg&>(dialog).controls().text(1000));
        click(dialog, 1004);
    });
    EXPECT_EQ(seen, QStringList({"", "101", "Kalvenport-Zuzaza für Windows - Version 3.20.004"}));
    EXPECT_EQ(started, QStringList({CQELWinAppEx::kHomepage.toString()}));
    EXPECT_FALSE(boxShownAtStart);
    EXPECT_EQ(app->m_nHelpContext, 320);
}

TEST_F(Program, SysteminfoRunsTheSupportInformationAndClosingItClosesTheAboutBoxToo)
{
    start();
    run(platform::ID_APP_ABOUT,
        [](QDialog& dialog) { click(dialog, qobject_cast<CAboutDlg*>(&dialog) ? 1005 : 1); });
    EXPECT_EQ(seen, QStringList({"", "101", "Interne Programminformationen", "101"}));
    EXPECT_FALSE(aboutBoxShown());
    EXPECT_EQ(app->m_nHelpContext, 320);

    CAboutDlg box(*app);
    ui.dialogScript = [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
    EXPECT_EQ(box.DoModal(), 1) << "Escape answers OK all the same";

    seen.clear();
    ui.dialogScript = [&](QDialog& dialog) { seen.append(dialog.windowTitle()); };
    QTest::keyClick(app->mainFrame(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(seen, QStringList({"Interne Programminformationen"}));
}
