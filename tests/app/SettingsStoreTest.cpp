#include "app/CQELWinAppEx.h"
#include "app/SettingsStore.h"

#include "tests/platform/TestEnvironment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <csignal>

using namespace settings;

namespace {

const QString kRoot = QStringLiteral("Software\\Brandel\\Kalvenport-Zuzaza");
constexpr QStringView kFormSections[] = {kEUR1Section, kATRSection, kUZSection, kLZE1Section, kLZE2Section};

class Settings : public ::testing::Test {
protected:
    TestEnvironment environment;
    QString folder = environment.path("config/kalvenport-zuzaza");
    SettingsStore store{folder, kRoot};

    QStringList fileLines() const
    {
        return QString::fromUtf8(TestEnvironment::contentsOf(folder + "/HKEY_CURRENT_USER.reg")).split(u'\n');
    }
};

void expectHeights(const SettingsStore& store, const FontHeights& fonts, const std::array<int, 12>& expected)
{
    std::array<int, 12> read{};
    for (size_t i = 0; i < 5; ++i) read[i] = store.GetProfileInt(fonts.regular[i]);
    read[5] = store.GetProfileInt(fonts.extra1);
    read[6] = store.GetProfileInt(fonts.extra2);
    for (size_t i = 0; i < 5; ++i) read[7 + i] = store.GetProfileInt(fonts.bold[i]);
    EXPECT_EQ(read, expected);
}

}  // namespace

TEST_F(Settings, AFreshUserReadsEveryDefaultOfTheMasterTable)
{
    environment.set("XDG_CONFIG_HOME", {});
    CQELWinAppEx app;
    ASSERT_TRUE(app.InitInstance());
    const std::pair<IntValue, int> programWide[] = {
        {kLanguage, 0},     {kSplashScreenAtStart, 1}, {kSplashScreenSeconds, 5},
        {kNoFileFilter, 0}, {kPrnFactorV, 1000},       {kPrnFactorH, 1000},
        {kEURPRN, 0},
    };
    for (const auto& [value, expected] : programWide) EXPECT_EQ(app.GetProfileInt(value), expected);
    expectHeights(app, kScreenFontHeights, {30, 38, 42, 46, 52, 26, 22, 28, 38, 42, 46, 52});
    expectHeights(app, kEditFontHeights, {30, 38, 42, 46, 52, 26, 22, 28, 38, 42, 46, 52});
    expectHeights(app, kPrinterFontHeights, {22, 32, 36, 42, 46, 24, 19, 22, 32, 38, 42, 46});
    const std::pair<FormIntValue, int> perForm[] = {
        {kEditTextColor, 0xFF0000}, {kDocLength, 350},        {kDocWidth, 205},   {kReUsePrn, 0},
        {kShowMarginDlg, 0},        {kLeftMargin1, 0},        {kTopMargin1, 0},   {kLeftMargin2, 0},
        {kTopMargin2, 0},           {kPrinterFontFactor, 95}, {kNoPrintBNase, 0}, {kAutodatum, 0},
    };
    for (QStringView section : kFormSections) {
        for (const auto& [value, expected] : perForm)
            EXPECT_EQ(app.GetProfileInt(value.in(section)), expected);
        EXPECT_EQ(app.GetProfileString(kPrinter.in(section)), QString("@"));
        for (const FormTextValue& text : {kExporteur, kUrsprungsland, kTransport, kStadt}) {
            EXPECT_EQ(app.GetProfileString(text.in(section)), QString());
        }
    }
    for (const IntValue& value :
         {kATRField12HorCorr, kATRField12VertCorr, kATRField13HorCorr, kATRField13VertCorr,
          kEUR1Field11HorCorr, kEUR1Field11VertCorr, kEUR1Field12HorCorr, kEUR1Field12VertCorr, kU08_HH,
          kNoPrint_X, kLeft_X1Pos, kTop_X1Pos, kLeft_X2Pos, kTop_X2Pos, kLZEF1F2}) {
        EXPECT_EQ(app.GetProfileInt(value), 0) << value.name.toString().toStdString();
    }
    // Values whose default the reader computes give back the reader's default.
    for (const ValueName& value : {kWinFormScaledFactorOv, kPreviewPages, kZoomFactor.in(kUZSection),
                                   kZoomFactorLU.in(kUZSection), kWinFormScaledFactor.in(kUZSection)}) {
        EXPECT_EQ(app.GetProfileInt(value.section, value.name, 4711), 4711);
    }
    for (const ValueName& file : kRecentFiles)
        EXPECT_EQ(app.GetProfileString(file.section, file.name, u"@@"), "@@");
    EXPECT_FALSE(QFileInfo::exists(environment.path("home/.config/kalvenport-zuzaza")));
}

TEST_F(Settings, WrittenValuesAreReadBackAndOneOfTheOtherTypeAsItsDefault)
{
    EXPECT_TRUE(store.WriteProfileInt(kLeftMargin1.in(kATRSection), -99));
    EXPECT_TRUE(store.WriteProfileString(kExporteur.in(kEUR1Section),
                                         QString::fromUtf8("Müller \"GmbH\"\r\nHafen 1")));
    EXPECT_EQ(store.GetProfileInt(kLeftMargin1.in(kATRSection)), -99);
    EXPECT_EQ(store.GetProfileString(kExporteur.in(kEUR1Section)),
              QString::fromUtf8("Müller \"GmbH\"\r\nHafen 1"));
    EXPECT_EQ(store.GetProfileInt(u"atrform_defaults", u"LEFTMARGIN1", 0), -99);
    // A value of the other type reads as its default.
    store.WriteProfileString(kLanguage, u"1");
    store.WriteProfileInt(kPrinter.in(kUZSection), 7);
    EXPECT_EQ(store.GetProfileInt(kLanguage), 0);
    EXPECT_EQ(store.GetProfileString(kPrinter.in(kUZSection)), QString("@"));
}

TEST_F(Settings, TwoStoresOnOneFolderKeepBothTheirValues)
{
    SettingsStore other(folder, kRoot);
    EXPECT_TRUE(store.WriteProfileInt(kZoomFactor.in(kEUR1Section), 14));
    EXPECT_TRUE(other.WriteProfileInt(kZoomFactor.in(kATRSection), 17));
    EXPECT_TRUE(store.WriteProfileString(kPrinter.in(kEUR1Section), u"Laser"));
    EXPECT_TRUE(other.WriteProfileString(kPrinter.in(kATRSection), u"Tinte"));
    for (const SettingsStore* reader : {&store, &other}) {
        EXPECT_EQ(reader->GetProfileInt(kEUR1Section, u"ZoomFactor", 0), 14);
        EXPECT_EQ(reader->GetProfileInt(kATRSection, u"ZoomFactor", 0), 17);
        EXPECT_EQ(reader->GetProfileString(kPrinter.in(kEUR1Section)), QString("Laser"));
        EXPECT_EQ(reader->GetProfileString(kPrinter.in(kATRSection)), QString("Tinte"));
    }
}

TEST_F(Settings, APersonFindsTheValuesByTheirSectionAndName)
{
    store.WriteProfileInt(kPrnFactorV, 1000);
    store.WriteProfileString(kPrinter.in(kEUR1Section), u"HP LaserJet");
    store.WriteProfileInt(kScreenFontHeights.bold[4], 60);
    const QStringList lines = fileLines();
    const auto indexOf = [&](const char* line) { return lines.indexOf(QString::fromUtf8(line)); };
    EXPECT_LT(indexOf("[HKEY_CURRENT_USER\\Software\\Brandel\\Kalvenport-Zuzaza\\Settings]"),
              indexOf("\"PrnFactorV\"=dword:000003e8"));
    EXPECT_LT(indexOf("[HKEY_CURRENT_USER\\Software\\Brandel\\Kalvenport-Zuzaza\\EUR1Form_Defaults]"),
              indexOf("\"Printer\"=\"HP LaserJet\""));
    EXPECT_GE(indexOf("\"DFont4B\"=dword:0000003c"), 0);
    EXPECT_GE(indexOf("[HKEY_CURRENT_USER\\Software\\Brandel\\Kalvenport-Zuzaza\\Font]"), 0);
}

TEST_F(Settings, WithoutARootThereIsNoStore)
{
    SettingsStore unrooted(folder);
    EXPECT_FALSE(unrooted.WriteProfileInt(kLanguage, 1));
    EXPECT_EQ(unrooted.GetProfileInt(kPrnFactorH), 1000);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(Settings, AWriteWhileAnotherCopyHoldsTheFileGivesUpAfterItsWaitAndSaysWhy)
{
    // Another running copy in the middle of its write: it holds the file's lock far longer than a write
    // waits for it, and lets go only when it ends.
    constexpr int kHeldSeconds = 20;
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray lockFile = QFile::encodeName(folder + "/HKEY_CURRENT_USER.reg.lock");
    int holding[2];
    ASSERT_EQ(::pipe(holding), 0);
    const pid_t other = ::fork();
    ASSERT_GE(other, 0);
    if (other == 0) {
        const int fd = ::open(lockFile.constData(), O_RDWR | O_CREAT, 0666);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0 || ::write(holding[1], "!", 1) != 1) ::_exit(1);
        ::sleep(kHeldSeconds);
        ::_exit(0);
    }
    ::close(holding[1]);
    char held = 0;
    ASSERT_EQ(::read(holding[0], &held, 1), 1);
    ::close(holding[0]);

    QElapsedTimer waited;
    waited.start();
    platform::Registry::Batch batch = store.batch();
    store.WriteProfileInt(kZoomFactor.in(kEUR1Section), 14);
    const platform::wholefile::WriteResult result = batch.commit();
    const qint64 seconds = waited.elapsed() / 1000;
    ::kill(other, SIGKILL);
    ::waitpid(other, nullptr, 0);

    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.endsWith("Eine andere laufende Kopie des Programms gibt die Datei nicht frei."))
        << result.error.toStdString();
    // It waited its five seconds, then gave up long before the other copy let go.
    EXPECT_GE(seconds, 4);
    EXPECT_LT(seconds, kHeldSeconds / 2);
    // Once the other copy has ended, the value is stored.
    EXPECT_TRUE(store.WriteProfileInt(kZoomFactor.in(kEUR1Section), 14));
    EXPECT_EQ(SettingsStore(folder, kRoot).GetProfileInt(kEUR1Section, u"ZoomFactor", 0), 14);
}
