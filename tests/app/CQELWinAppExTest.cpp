#include "app/CQELWinAppEx.h"

#include "platform/dialog/StoreOnOk.h"
#include "tests/platform/TestEnvironment.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QWidget>
#include <functional>

using namespace settings;

namespace {

constexpr int kYes = 201;
constexpr int kNo = 202;

class Application : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(app.InitInstance());
        app.WriteProfileInt(kPrnFactorV, 990);
        app.WriteProfileInt(kScreenFontHeights.regular[0], 33);
        app.WriteProfileInt(kLeftMargin1.in(kEUR1Section), 12);
        app.WriteProfileString(kRecentFiles[0], u"/home/a/Form.fme");
        app.WriteProfileInt(kWorkspaceSection, u"Placement", 1);
        app.WriteProfileInt(QString(kWorkspaceSection.toString() + "\\ToolBar"), u"Visible", 1);
        // Keys of the program that lie outside the settings.
        other.writeDword(platform::RegistryHive::CurrentUser, u"SOFTWARE\\QEL\\kalvenport-zuzaza", u"Version",
                         1);
        other.writeDword(platform::RegistryHive::CurrentUser, u"Software\\Brandel\\Kalvenport-Zuzaza-Alt",
                         u"V", 1);
        mainWindow.show();
        app.m_pMainWnd = &mainWindow;
    }

    QByteArray userFile() const { return TestEnvironment::contentsOf(folder + "/HKEY_CURRENT_USER.reg"); }

    bool sectionIsThere(QStringView section) const
    {
        return other.keyExists(platform::RegistryHive::CurrentUser, app.root() + '\\' + section.toString());
    }

    TestEnvironment environment;
    AnsweringUi ui;
    QString folder = environment.path("config/kalvenport-zuzaza");
    CQELWinAppEx app{folder, "/opt/Kalvenport Zuzaza/bin/kalvenport-zuzaza"};
    platform::Registry other{folder};
    QWidget mainWindow;
};

struct ResetCase {
    const char* name;
    std::function<void(CQELWinAppEx&)> run;
    QStringList gone;
    QStringList kept;
};

const ResetCase kResets[] = {
    {"ResetRegistry",
     [](CQELWinAppEx& a) { a.ResetRegistry(); },
     {"Settings", "Font", "EUR1Form_Defaults", "Recent File List", "Workspace"},
     {}},
    {"ResetWorkspace",
     [](CQELWinAppEx& a) { a.ResetWorkspace(false); },
     {"Workspace", "Workspace\\ToolBar"},
     {"Settings", "Font", "EUR1Form_Defaults", "Recent File List"}},
    {"ResetFontSizes",
     [](CQELWinAppEx& a) { a.ResetFontSizes(); },
     {"Font"},
     {"Settings", "EUR1Form_Defaults", "Recent File List", "Workspace", "Workspace\\ToolBar"}},
};

}  // namespace

TEST_F(Application, TheLanguageIsGermanUnlessSetToEnglish)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}, {49, 0}};
    for (const auto& [stored, language] : cases) {
        app.WriteProfileInt(kLanguage, stored);
        app.InitInstance();
        EXPECT_EQ(app.m_nLanguage, language) << stored;
    }
    app.WriteProfileString(kLanguage, u"1");
    app.InitInstance();
    EXPECT_EQ(app.m_nLanguage, 0);
}

TEST_F(Application, EachResetDeletesExactlyItsKey)
{
    for (const ResetCase& reset : kResets) {
        SetUp();
        ui.taskDialogAnswer = kYes;
        reset.run(app);
        for (const QString& section : reset.gone)
            EXPECT_FALSE(sectionIsThere(section)) << reset.name << section.toStdString();
        for (const QString& section : reset.kept)
            EXPECT_TRUE(sectionIsThere(section)) << reset.name << section.toStdString();
        EXPECT_TRUE(
            other.keyExists(platform::RegistryHive::CurrentUser, u"SOFTWARE\\QEL\\kalvenport-zuzaza"));
        EXPECT_TRUE(other.keyExists(platform::RegistryHive::CurrentUser,
                                    u"Software\\Brandel\\Kalvenport-Zuzaza-Alt"));
        EXPECT_EQ(app.m_bRegistryReset, 1) << reset.name;
        EXPECT_FALSE(mainWindow.isVisible()) << reset.name;
        app.m_bRegistryReset = 0;
    }
}

TEST_F(Application, AnsweringNoLeavesEveryFileAsItWas)
{
    const QByteArray user = userFile();
    const QStringList files = QDir(folder).entryList(QDir::Files);
    for (const ResetCase& reset : kResets) {
        ui.taskDialogAnswer = kNo;
        reset.run(app);
        EXPECT_EQ(userFile(), user) << reset.name;
        EXPECT_EQ(QDir(folder).entryList(QDir::Files), files) << reset.name;
        EXPECT_EQ(app.m_bRegistryReset, 0) << reset.name;
        EXPECT_TRUE(mainWindow.isVisible()) << reset.name;
        ui.taskDialogAnswer = platform::answer::kCancel;  // closed without a choice
        reset.run(app);
        EXPECT_EQ(userFile(), user) << reset.name;
    }
    EXPECT_EQ(ui.taskDialogs.size(), 6);
}

TEST_F(Application, TheQuestionOffersTwoCommandLinksWithNoAsDefault)
{
    app.ResetFontSizes();
    ASSERT_EQ(ui.taskDialogs.size(), 1);
    const platform::TaskDialogRequest& asked = ui.taskDialogs[0];
    EXPECT_EQ(asked.title, QString::fromUtf8("Schriftgrößenmodifikationen löschen"));
    EXPECT_EQ(asked.mainInstruction, QString("Achtung!"));
    EXPECT_TRUE(asked.content.startsWith(
        QString::fromUtf8("Mit diesem Aufruf werden alle werden die\nSchriftgrößen")));
    EXPECT_TRUE(asked.content.endsWith(QString::fromUtf8("Geöffnete Dateien werden nicht gesichert!")));
    EXPECT_EQ(asked.icon, platform::MessageIcon::Warning);
    ASSERT_EQ(asked.commandLinks.size(), 2);
    EXPECT_EQ(asked.commandLinks[0].id, kYes);
    EXPECT_EQ(asked.commandLinks[0].text, QString::fromUtf8("Ja, Werte zurücksetzen, Programm beenden."));
    EXPECT_EQ(asked.commandLinks[1].id, kNo);
    EXPECT_EQ(asked.commandLinks[1].text, QString::fromUtf8("Nein, zurück zum Programm."));
    EXPECT_EQ(asked.defaultId, kNo);
}

TEST_F(Application, WithoutTaskDialogsAMessageBoxAsks)
{
    ui.offersTaskDialogs = false;
    ui.messageBoxAnswer = platform::answer::kCancel;
    app.ResetRegistry();
    EXPECT_TRUE(sectionIsThere(u"Settings"));
    ui.messageBoxAnswer = platform::answer::kOk;
    app.ResetRegistry();
    EXPECT_FALSE(sectionIsThere(u"Settings"));
    ASSERT_EQ(ui.messageBoxes.size(), 2);
    EXPECT_EQ(ui.messageBoxes[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_EQ(ui.messageBoxes[0].icon, platform::MessageIcon::Stop);
    EXPECT_TRUE(ui.messageBoxes[0].text.startsWith("Mit diesem Aufruf werden alle Eintr"));
    EXPECT_TRUE(ui.taskDialogs.isEmpty());
}

TEST_F(Application, TheSilentWorkspaceResetNeitherAsksNorCloses)
{
    app.ResetWorkspace(true);
    EXPECT_FALSE(sectionIsThere(u"Workspace"));
    EXPECT_TRUE(sectionIsThere(u"Font"));
    EXPECT_EQ(app.m_bRegistryReset, 1);
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_TRUE(ui.taskDialogs.isEmpty());
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
}

TEST(ApplicationOnAFullDisk, AResetOrAnEndThatCannotBeStoredIsToldAndChangesNothing)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    TestEnvironment environment;
    AnsweringUi ui;
    CQELWinAppEx app{disk.path("config"), "/opt/kz/kalvenport-zuzaza"};
    ASSERT_TRUE(app.InitInstance());
    ASSERT_TRUE(app.WriteProfileInt(kScreenFontHeights.regular[0], 33));
    ASSERT_TRUE(app.WriteProfileInt(kWorkspaceSection, u"Placement", 1));
    QWidget mainWindow;
    mainWindow.show();
    app.m_pMainWnd = &mainWindow;
    // A form opened in this run, which the program's end has to store.
    app.m_recentFileList.Add("/home/a/Form.fme");
    const QByteArray before = TestEnvironment::contentsOf(disk.path("config/HKEY_CURRENT_USER.reg"));
    disk.fill();

    struct Case {
        const char* name;
        std::function<void(CQELWinAppEx&)> run;
        int exitCode;
    };
    const Case cases[] = {
        {"ResetRegistry", [](CQELWinAppEx& a) { a.ResetRegistry(); }, 0},
        {"ResetWorkspace", [](CQELWinAppEx& a) { a.ResetWorkspace(false); }, 0},
        {"ResetFontSizes", [](CQELWinAppEx& a) { a.ResetFontSizes(); }, 0},
        {"ResetWorkspace silent", [](CQELWinAppEx& a) { a.ResetWorkspace(true); }, 1},
    };
    for (const Case& c : cases) {
        ui.taskDialogAnswer = kYes;
        ui.messageBoxes.clear();
        c.run(app);
        ASSERT_EQ(ui.messageBoxes.size(), 1) << c.name;
        EXPECT_EQ(TestEnvironment::contentsOf(disk.path("config/HKEY_CURRENT_USER.reg")), before) << c.name;
        EXPECT_EQ(app.m_bRegistryReset, 0) << c.name;
        EXPECT_TRUE(mainWindow.isVisible()) << c.name;
        // The end, which cannot store the recent files either, says so too and ends all the same.
        EXPECT_EQ(app.ExitInstance(), c.exitCode) << c.name;
        ASSERT_EQ(ui.messageBoxes.size(), 2) << c.name;
        for (const platform::MessageBoxRequest& told : ui.messageBoxes)
            EXPECT_TRUE(told.text.startsWith(platform::kSettingsNotStoredMessage + "\n\n")) << c.name;
    }
}
