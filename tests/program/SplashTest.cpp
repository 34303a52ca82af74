#include "ShellDoubles.h"
#include "app/CSplashWnd.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"
#include "platform/command/CommandActions.h"
#include "platform/command/StandardCommands.h"
#include "platform/command/Toolbars.h"
#include "platform/docview/ChildFrame.h"
#include "tests/support/SplashSetting.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kNoValue = -12345;

// The program started on an A.TR. form, with "SplashScreen" stored as given.
class Splash : public ::testing::Test {
protected:
    void SetUp() override
    {
        CQELWinAppEx owner(dir.filePath("forms"));
        const std::vector<platform::DocTemplate> templates = CreateFormTemplates(owner);
        form = dir.filePath("lieferung.fma");
        DetachedForm atr = DetachedForm::Create(*platform::DocTemplate::findForFile(templates, form));
        atr.doc->OnNewDocument();
        atr.editor().SetFieldText(0, "Brandel", 1);
        ASSERT_TRUE(atr.doc->OnSaveDocument(form));
    }
    void TearDown() override { stop(); }

    void start(int seconds)
    {
        stop();
        const QString registry = dir.filePath(QString::number(++starts));
        if (seconds != kNoValue) storeSplashScreen(registry, seconds);
        app = std::make_unique<CKalvenportExportApp>(form, registry, "/opt/kalvenport/kalvenport-zuzaza");
        ASSERT_TRUE(app->InitInstance());
        view = app->mainFrame()->MDIGetActive()->GetActiveView();
        // The first paint makes the form's edit window.
        view->viewport()->grab();
    }
    void stop()
    {
        if (app) app->ExitInstance();
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    CQeEditWindow& editor() { return dynamic_cast<FormEditorOwner&>(*view).FieldEditor(); }
    static bool splashUp() { return CSplashWnd::c_pSplashWnd && CSplashWnd::c_pSplashWnd->isVisible(); }
    static int splashMilliseconds() { return CSplashWnd::c_pSplashWnd->findChild<QTimer*>()->interval(); }

    QTemporaryDir dir;
    ShellUi ui;
    QString form;
    int starts = 0;
    std::unique_ptr<CKalvenportExportApp> app;
    platform::View* view = nullptr;
};

}  // namespace

TEST_F(Splash, TheStoredSecondsGiveHowLongItStaysANegativeOneFiveAndAHugeOneAMinute)
{
    const std::pair<int, int> cases[] = {{kNoValue, 5000}, {2, 2000}, {0, 0}, {-1, 5000}, {1000000, 60000}};
    for (const auto& [stored, milliseconds] : cases) {
        start(stored);
        ASSERT_EQ(splashUp(), milliseconds != 0) << stored;
        if (milliseconds == 0) continue;
        EXPECT_EQ(splashMilliseconds(), milliseconds) << stored;
        EXPECT_EQ(CSplashWnd::c_pSplashWnd->size(), QSize(500, 340));
        EXPECT_EQ(CSplashWnd::Create(*app->mainFrame(), *app, "3.20.004"), nullptr) << "only one at a time";
    }

    start(1);
    const QDeadlineTimer deadline(3000);
    while (CSplashWnd::c_pSplashWnd && !deadline.hasExpired()) {
        QTest::qWait(50);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_FALSE(CSplashWnd::c_pSplashWnd) << "still up after its second";
}

TEST_F(Splash, TheFirstKeyOrClickOnlyClosesItTheNextOneWorks)
{
    struct Case {
        const char* what;
        std::function<void()> press;
    };
    const Case cases[] = {
        {"A typed into the field", [this] { QTest::keyClick(editor().LiveWindow(), Qt::Key_A); }},
        {"Ctrl+N", [this] { QTest::keyClick(editor().LiveWindow(), Qt::Key_N, Qt::ControlModifier); }},
        {"a click on the toolbar's New",
         [this] {
             QToolBar* bar = app->mainFrame()->toolbars().toolbars().at(0);
             QAction* newForm = app->mainFrame()->commandActions().action(platform::ID_FILE_NEW);
             QTest::mouseClick(bar->widgetForAction(newForm), Qt::LeftButton);
         }},
    };
    for (const Case& c : cases) {
        start(kNoValue);
        ASSERT_TRUE(splashUp());
        const QString before = editor().LiveWindow()->toPlainText();
        ui.dialogs.clear();
        c.press();
        EXPECT_FALSE(splashUp()) << c.what;
        EXPECT_EQ(editor().LiveWindow()->toPlainText(), before) << c.what;
        EXPECT_FALSE(view->GetDocument()->isModified()) << c.what;
        EXPECT_TRUE(ui.dialogs.isEmpty()) << c.what;
        // Once it is gone, keys reach the form again.
        c.press();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(CSplashWnd::c_pSplashWnd);
        EXPECT_TRUE(editor().LiveWindow()->toPlainText() != before || !ui.dialogs.isEmpty()) << c.what;
    }
}
