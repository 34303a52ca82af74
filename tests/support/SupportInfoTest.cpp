#include "app/CQELWinAppEx.h"
#include "platform/clock/Clock.h"
#include "platform/dialog/ToolTipWindow.h"
#include "platform/print/PrinterCatalog.h"
#include "platform/screen/ScreenMetrics.h"
#include "support/Common_DlgInternalInfo.h"
#include "tests/support/AnsweringUi.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QTest>

using namespace settings;

namespace {

constexpr int kSaveButton = 21103;
const QString kExePath = "/opt/kalvenport-zuzaza/bin/kalvenport-zuzaza";

// Runs the dialog of a program started with the settings in `registry`, as a person at the screen would.
class SupportInfo : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Clock::setSource([] { return QDateTime(QDate(2024, 3, 7), QTime(16, 45)); });
        platform::PrinterCatalog::setPrinters(
            {{"Zollbüro Laser", "Lager"},
             "Lager",
             {{"Zollbüro Laser", {"HP LaserJet 4250 Postscript", "socket://192.168.1.20:9100"}}}});
        QDir(documents()).removeRecursively();
    }
    void TearDown() override
    {
        platform::Clock::setSource({});
        platform::ScreenMetrics::setSource({});
        platform::PrinterCatalog::useSystemPrinters();
        QDir(documents()).removeRecursively();
        QFile::remove(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("user-dirs.dirs"));
    }

    static QString documents() { return QDir::home().filePath("Documents"); }

    CQELWinAppEx& start(const QString& registry, const std::function<void(SettingsStore&)>& fill = {})
    {
        app = std::make_unique<CQELWinAppEx>(registry, kExePath);
        app->InitInstance();
        if (fill) fill(*app);
        app->InitInstance();
        app->m_RegeditManagment.RegisterApplication(*app, "Jan  6 2020");
        return *app;
    }
    // Opens the dialog and presses "Daten in Datei sichern".
    std::unique_ptr<Common_DlgInternalInfo> save()
    {
        auto dialog = std::make_unique<Common_DlgInternalInfo>(*app);
        dialog->show();
        QTest::mouseClick(dialog->item(kSaveButton), Qt::LeftButton);
        return dialog;
    }

    QTemporaryDir dir;
    AnsweringUi ui;
    std::unique_ptr<CQELWinAppEx> app;
};

void fill(SettingsStore& s)
{
    s.WriteProfileInt(kPrnFactorV, 1000);
    s.WriteProfileInt(kPrnFactorH, -5);
    s.WriteProfileInt(kWinFormScaledFactorOv, 110);
    const QStringView eur = kEUR1Section;
    s.WriteProfileInt(kZoomFactor.in(eur), 12061953);  // the marker of a missing value
    s.WriteProfileInt(kZoomFactorLU.in(eur), 15);
    s.WriteProfileInt(kEditTextColor.in(eur), 0xFF0000);
    s.WriteProfileInt(kReUsePrn.in(eur), 1);
    s.WriteProfileString(kPrinter.in(eur), u"Zollbüro Laser");
    s.WriteProfileInt(kPrinterFontFactor.in(eur), 95);
    s.WriteProfileInt(kShowMarginDlg.in(eur), 0);
    s.WriteProfileInt(kLeftMargin1.in(eur), -15);
    s.WriteProfileInt(kTopMargin1.in(eur), 20);
    s.WriteProfileInt(kNoPrintBNase.in(eur), 1);
    s.WriteProfileInt(kAutodatum.in(eur), 1);
    s.WriteProfileString(kStadt.in(eur), u"München");
    s.WriteProfileString(kTransport.in(eur), u"LKW\r\nper Spedition");
    s.WriteProfileString(kUrsprungsland.in(eur), u"Deutschland");
    s.WriteProfileInt(kZoomFactor.in(kATRSection), 12);
    s.WriteProfileString(kPrinter.in(kATRSection), u"@");
    s.WriteProfileString(kPrinter.in(kUZSection), u"Gone");
    s.WriteProfileInt(kTop_X1Pos, 5);
    s.WriteProfileInt(kPrinterFontFactor.in(kLZE2Section), 90);
    s.WriteProfileString(kPrinter.in(kLZE1Section), u"Lager");
    s.WriteProfileInt(kEditFontHeights.regular[0], 30);
    s.WriteProfileInt(kEditFontHeights.bold[2], 44);
    s.WriteProfileInt(kScreenFontHeights.regular[4], 52);
    s.WriteProfileInt(kPrinterFontHeights.bold[0], 22);
    s.WriteProfileString(kRecentFiles[0], u"/home/anna/Formulare/Müller.fma");
    s.WriteProfileString(kRecentFiles[2], u"/home/anna/Formulare/Ausfuhr 2024.fme");
    s.WriteProfileString(kRecentFiles[6], u"/x/ignored.fme");
}

}  // namespace

TEST_F(SupportInfo, TheSavedReportIsTheSupportFileByteForByteInBothLanguages)
{
    struct Case {
        int language;
        bool filled;
        platform::ScreenMetrics screen;
        QString expected;
        QString fileName;
        QString message;
        QString caption;
    };
    const Case cases[] = {
        {0,
         false,
         {1080, 96, 1920},
         "fresh-de.txt",
         "Kalvenport-Zuzaza_Daten.txt",
         "Die Supportdaten wurden in der Datei\r\n%1\r\ngesichert.",
         "Interne Programminformationen"},
        {1,
         false,
         {1080, 96, 1920},
         "fresh-en.txt",
         "Kalvenport-Zuzaza_Data.txt",
         "The support data are saved in file\r\n%1",
         "Internal program information"},
        {0,
         true,
         {1440, 120, 2560},
         "filled-de.txt",
         "Kalvenport-Zuzaza_Daten.txt",
         "Die Supportdaten wurden in der Datei\r\n%1\r\ngesichert.",
         "Interne Programminformationen"},
        {1,
         true,
         {1440, 120, 2560},
         "filled-en.txt",
         "Kalvenport-Zuzaza_Data.txt",
         "The support data are saved in file\r\n%1",
         "Internal program information"},
    };
    int run = 0;
    for (const Case& c : cases) {
        platform::ScreenMetrics::setSource([&] { return c.screen; });
        start(dir.filePath(QString::number(run++)), [&](SettingsStore& s) {
            s.WriteProfileInt(kLanguage, c.language);
            if (c.filled) fill(s);
        });
        ui.messageBoxes.clear();
        const auto dialog = save();
        const QString path = QDir(documents()).filePath(c.fileName);
        EXPECT_EQ(dialog->windowTitle(), c.caption);
        EXPECT_FALSE(dialog->isVisible()) << c.expected.toStdString();
        ASSERT_EQ(ui.messageTexts(), QStringList{c.message.arg(path)});
        EXPECT_EQ(ui.messageBoxes[0].icon, platform::MessageIcon::None);
        const QByteArray expected = contentsOf(QStringLiteral(KZ_TEST_DATA "/support/") + c.expected);
        ASSERT_FALSE(expected.isEmpty()) << c.expected.toStdString();
        EXPECT_EQ(contentsOf(path), expected) << c.expected.toStdString();
        QFile::remove(path);
    }
}

TEST_F(SupportInfo, AReportThatCannotBeWrittenIsToldAndTheEarlierOneStaysWhole)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    start(dir.filePath("registry"), fill);
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
    const auto saveInto = [&](const QString& folder) {
        writeFile(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("user-dirs.dirs"),
                  "XDG_DOCUMENTS_DIR=\"" + folder.toUtf8() + "\"\n");
        ui.messageBoxes.clear();
        EXPECT_FALSE(save()->isVisible());
        const QString path = folder + "/Kalvenport-Zuzaza_Daten.txt";
        return ui.messageTexts() ==
                   QStringList{"Die Datei\r\n" + path + "\r\nkonnte nicht geschrieben werden."} &&
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

TEST_F(SupportInfo, TheTipsAndTheScalingFollowTheScreenAndTheLanguage)
{
    EXPECT_EQ(Common_DlgInternalInfo::DisplayScaling(96), 100);
    EXPECT_EQ(Common_DlgInternalInfo::DisplayScaling(108), 113);
    EXPECT_EQ(Common_DlgInternalInfo::DisplayScaling(144), 150);

    start(dir.filePath("registry"), [](SettingsStore& s) { s.WriteProfileInt(kLanguage, 1); });
    Common_DlgInternalInfo dialog(*app);
    dialog.show();
    QWidget* button = dialog.item(kSaveButton);
    QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(button, &hover);
    const platform::ToolTipWindow* tip = dialog.m_ToolTip.window();
    ASSERT_TRUE(tip);
    EXPECT_EQ(tip->title(), "Button \"Save data to file\"");
    EXPECT_EQ(
        tip->description(),
        "This button will create a file with suport information on your harddisk and close this dialog.");
    EXPECT_EQ(dialog.m_ToolTip.m_nTipCtrlId, kSaveButton);
}
