#include "app/CQELWinAppEx.h"
#include "platform/clock/Clock.h"
#include "platform/print/PrinterCatalog.h"
#include "platform/screen/ScreenMetrics.h"
#include "support/Common_DlgInternalInfo.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kData = QStringLiteral(KZ_TEST_DATA "/support/");
QString userDirs()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + "/user-dirs.dirs";
}

// The program's settings from `store` in tests/data/support (none when empty) in `language`, a fixed day, a
// screen of `screen` and two printers, one of which tells its driver and port.
class SupportInfo : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Clock::setSource([] { return QDateTime(QDate(2024, 3, 7), QTime(16, 45)); });
        platform::PrinterCatalog::setPrinters(
            {{"Zollbüro Laser", "Lager"},
             "Lager",
             {{"Zollbüro Laser", {"HP LaserJet 4250 Postscript", "socket://192.168.1.20:9100"}}}});
    }
    void TearDown() override
    {
        platform::Clock::setSource({});
        platform::ScreenMetrics::setSource({});
        platform::PrinterCatalog::useSystemPrinters();
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).removeRecursively();
        QFile::remove(userDirs());
    }

    void start(const QString& store, int language, platform::ScreenMetrics screen = {1080, 96, 1920})
    {
        platform::ScreenMetrics::setSource([=] { return screen; });
        const QString folder = dir.filePath(QString::number(++starts));
        QDir().mkpath(folder);
        if (!store.isEmpty()) QFile::copy(kData + store, folder + "/HKEY_CURRENT_USER.reg");
        app = std::make_unique<CQELWinAppEx>(folder, "/opt/kalvenport-zuzaza/bin/kalvenport-zuzaza");
        app->InitInstance();
        app->m_nLanguage = language;
        app->m_RegeditManagment.RegisterApplication(*app, "Jan  6 2020");
    }
    // Opens the dialog and presses "Daten in Datei sichern"; the messages it gave.
    QStringList save()
    {
        ui.messageBoxes.clear();
        Common_DlgInternalInfo dialog(*app);
        dialog.show();
        QTest::mouseClick(dialog.item(21103), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
        return ui.messageTexts();
    }

    QTemporaryDir dir;
    AnsweringUi ui;
    std::unique_ptr<CQELWinAppEx> app;
    int starts = 0;
};

}  // namespace

TEST_F(SupportInfo, TheSavedReportIsTheSupportFileByteForByteInBothLanguages)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString saved[] = {
        "Die Supportdaten wurden in der Datei\r\n%1/Kalvenport-Zuzaza_Daten.txt\r\ngesichert.",
        "The support data are saved in file\r\n%1/Kalvenport-Zuzaza_Data.txt"};
    struct Case {
        const char* store;
        int language;
        platform::ScreenMetrics screen;
        const char* expected;
    };
    for (const Case& c :
         {Case{"", 0, {1080, 96, 1920}, "fresh-de.txt"}, Case{"", 1, {1080, 96, 1920}, "fresh-en.txt"},
          Case{"filled.reg", 0, {1440, 120, 2560}, "filled-de.txt"},
          Case{"filled.reg", 1, {1440, 120, 2560}, "filled-en.txt"}}) {
        start(c.store, c.language, c.screen);
        const QString message = saved[c.language].arg(documents);
        ASSERT_EQ(save(), QStringList{message}) << c.expected;
        EXPECT_EQ(ui.messageBoxes[0].icon, platform::MessageIcon::None);
        const QByteArray expected = contentsOf(kData + c.expected);
        ASSERT_FALSE(expected.isEmpty()) << c.expected;
        EXPECT_EQ(contentsOf(message.section("\r\n", 1, 1)), expected) << c.expected;
    }
}

TEST_F(SupportInfo, AReportThatCannotBeWrittenIsToldAndTheEarlierOneStaysWhole)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    start("filled.reg", 0);
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const auto saveInto = [&](const QString& folder) {
        writeFile(userDirs(), "XDG_DOCUMENTS_DIR=\"" + folder.toUtf8() + "\"\n");
        const QStringList messages = save();
        return messages == QStringList{"Die Datei\r\n" + folder +
                                       "/Kalvenport-Zuzaza_Daten.txt\r\nkonnte nicht geschrieben werden."} &&
               ui.messageBoxes[0].icon == platform::MessageIcon::Stop;
    };
    EXPECT_FALSE(saveInto(disk.path("Dokumente")));
    const QByteArray earlier = contentsOf(disk.path("Dokumente/Kalvenport-Zuzaza_Daten.txt"));
    ASSERT_FALSE(earlier.isEmpty());

    writeFile(disk.path("Ablage"), "a file where a folder should be");
    EXPECT_TRUE(saveInto(disk.path("Ablage/Dokumente")));
    disk.fill();
    EXPECT_TRUE(saveInto(disk.path("Dokumente")));
    EXPECT_EQ(contentsOf(disk.path("Dokumente/Kalvenport-Zuzaza_Daten.txt")), earlier);
}
