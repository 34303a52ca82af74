#include "app/CRegeditManagment.h"

#include "app/CQELWinAppEx.h"
#include "platform/shell/DesktopFile.h"
#include "platform/shell/ProcessLauncher.h"
#include "tests/platform/TestEnvironment.h"
#include "tests/support/AnsweringUi.h"
#include "version.h"

#include <gtest/gtest.h>
#include <functional>

using platform::RegistryHive;

namespace {

constexpr quint32 kVersion3_20_4 = 0x031404;
const QString kExe = QStringLiteral("/opt/Kalvenport Zuzaza/bin/kalvenport-zuzaza");

class RegistryManager : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::ProcessLauncher::setLauncher([this](const QString& tool, const QStringList&) {
            started.append(tool);
            return true;
        });
    }
    void TearDown() override { platform::ProcessLauncher::setLauncher({}); }

    void initialize() { manager.Initialize("kalvenport-zuzaza", kExe, "Jan  6 2020", kVersion3_20_4); }

    std::optional<QString> classesText(const QString& key, const QString& name = {}) const
    {
        return registry.readString(RegistryHive::ClassesRoot, key, name);
    }

    TestEnvironment environment;
    AnsweringUi ui;
    QString folder = environment.path("config/kalvenport-zuzaza");
    CRegeditManagment manager{folder};
    platform::Registry registry{folder};
    QStringList started;
};

}  // namespace

TEST(RegistryManagerVersion, TextIsMajorMinorAndBuildInWholeParts)
{
    const std::pair<quint32, QString> cases[] = {
        {0x031404, "3.20.004"}, {0x03022D, "3.02.045"},    {0x0A0507, "10.05.007"},
        {0, "0.00.000"},        {0xFFFFFF, "255.255.255"}, {0x7F031404, "3.20.004"},
    };
    CRegeditManagment manager(QString{});
    for (const auto& [version, text] : cases) {
        manager.SetVersion(version);
        EXPECT_EQ(manager.GetVersionString(), text);
        EXPECT_EQ(manager.GetVersion(), version);
    }
}

TEST_F(RegistryManager, TheProgramsVersionComesFromItsBuild)
{
    CQELWinAppEx app(folder, kExe);
    app.m_RegeditManagment.RegisterApplication(app, "Jan  6 2020");
    const CRegeditManagment& registered = app.m_RegeditManagment;
    EXPECT_EQ(registered.GetVersion(),
              quint32(kz::kVersionMajor << 16 | kz::kVersionMinor << 8 | kz::kVersionPatch));
    EXPECT_EQ(registered.GetVersionString().split('.').size(), 3);
    EXPECT_EQ(registered.m_strCreationDate, QString("Jan  6 2020"));
    EXPECT_EQ(registered.GetProgramDirectory(), QString("/opt/Kalvenport Zuzaza/bin"));
}

TEST_F(RegistryManager, InitializeWritesTheApplicationKeys)
{
    initialize();
    const QString appKey = "SOFTWARE\\QEL\\kalvenport-zuzaza";
    EXPECT_EQ(registry.readString(RegistryHive::LocalMachine, appKey, u"CreationDate"),
              QString("Jan  6 2020"));
    for (RegistryHive hive : {RegistryHive::LocalMachine, RegistryHive::CurrentUser}) {
        EXPECT_EQ(registry.readDword(hive, appKey, u"Version"), kVersion3_20_4);
        EXPECT_EQ(registry.readString(hive, appKey, u"Path"), QString("/opt/Kalvenport Zuzaza/bin"));
    }
}

TEST_F(RegistryManager, FileTypeCheckClearsOnlyOlderRegistrationsOfItsOwnClasses)
{
    initialize();
    struct Case {
        const char* name;
        QString fileTypeId;
        std::optional<quint32> mark;
        bool cleared;
    };
    const Case cases[] = {
        {"older own", "EUR1-Dokument", 0x031403, true},
        {"unmarked own", "EUR1-Dokument", std::nullopt, true},
        {"newer own", "EUR1-Dokument", 0x031500, false},
        {"same own", "EUR1-Dokument", kVersion3_20_4, false},
        {"older foreign", "Other.Document", 0x031403, false},
        {"unmarked foreign", "Other.Document", std::nullopt, false},
        {"no class", "", 0x010000, false},
    };
    for (const Case& c : cases) {
        registry.deleteTree(RegistryHive::ClassesRoot, {});
        registry.writeString(RegistryHive::ClassesRoot, u".fme\\ShellNew", u"FileName", u"x");
        if (!c.fileTypeId.isEmpty())
            registry.writeString(RegistryHive::ClassesRoot, u".fme", {}, c.fileTypeId);
        if (c.mark) registry.writeDword(RegistryHive::ClassesRoot, u".fme", u"FileVersion", *c.mark);
        registry.writeString(RegistryHive::ClassesRoot, u"EUR1-Dokument\\DefaultIcon", {}, u"x,1");
        registry.writeString(RegistryHive::ClassesRoot, u"Other.Document\\DefaultIcon", {}, u"y,1");
        manager.CheckFileTypeVersion(u".fme", kVersion3_20_4);
        EXPECT_EQ(!classesText(".fme\\ShellNew", "FileName"), c.cleared) << c.name;
        EXPECT_EQ(!classesText("EUR1-Dokument\\DefaultIcon"), c.cleared) << c.name;
        EXPECT_TRUE(classesText("Other.Document\\DefaultIcon")) << c.name;
        EXPECT_EQ(registry.readDword(RegistryHive::ClassesRoot, u".fme", u"FileVersion"), kVersion3_20_4)
            << c.name;
    }
}

TEST_F(RegistryManager, FileTypeCheckWritesNothingForAnUnknownOrShortExtension)
{
    initialize();
    manager.CheckFileTypeVersion(u".lz2", kVersion3_20_4);
    manager.CheckFileTypeVersion(u".fm", kVersion3_20_4);
    EXPECT_FALSE(registry.keyExists(RegistryHive::ClassesRoot, u".lz2"));
    EXPECT_FALSE(registry.keyExists(RegistryHive::ClassesRoot, u".fm"));
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
}

TEST_F(RegistryManager, BeforeInitializeTheFileTypeCheckRefusesWithAMessage)
{
    registry.writeString(RegistryHive::ClassesRoot, u".fme", {}, u"EUR1-Dokument");
    manager.CheckFileTypeVersion(u".fme", kVersion3_20_4);
    ASSERT_EQ(ui.messageBoxes.size(), 1);
    EXPECT_EQ(ui.messageBoxes[0].text, QString("CRegeditManagment-Error"));
    EXPECT_EQ(registry.readDword(RegistryHive::ClassesRoot, u".fme", u"FileVersion"), std::nullopt);
}

TEST_F(RegistryManager, FileTypesGetIconsNewFileTemplateAndQuotedOpenCommands)
{
    initialize();
    registry.writeString(RegistryHive::ClassesRoot, u"ATR-Dokument\\shell\\open\\ddeexec", {},
                         u"[open(\"%1\")]");
    registry.writeString(RegistryHive::ClassesRoot, u".fme\\ShellNew", u"NullFile", {});
    manager.RegisterFileTypes(1);
    const QString ids[] = {"EUR1-Dokument", "ATR-Dokument", "Ursprungszeugnis", "Langeiterkl848a.Dokument"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(classesText(ids[i] + "\\DefaultIcon"), kExe + ',' + QString::number(i + 1));
        EXPECT_EQ(classesText(ids[i] + "\\shell\\open\\command"), '"' + kExe + "\" \"%1\"");
    }
    EXPECT_FALSE(registry.keyExists(RegistryHive::ClassesRoot, u"ATR-Dokument\\shell\\open\\ddeexec"));
    EXPECT_FALSE(registry.keyExists(RegistryHive::ClassesRoot, u"Langeiterkl848.Dokument"));
    const QString shellNew = environment.path("data/kalvenport-zuzaza/ShellNew/Euform.fme");
    EXPECT_EQ(classesText(".fme\\ShellNew", "FileName"), shellNew);
    EXPECT_EQ(classesText(".fme\\ShellNew", "NullFile"), std::nullopt);
    EXPECT_EQ(TestEnvironment::contentsOf(shellNew), QByteArray(4, '\0'));
    const QString appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\kalvenport-zuzaza";
    EXPECT_EQ(registry.readString(RegistryHive::LocalMachine, appPaths, {}), kExe);
    EXPECT_EQ(registry.readString(RegistryHive::LocalMachine, appPaths, u"Path"),
              QString("/opt/Kalvenport Zuzaza/bin;"));
}

TEST_F(RegistryManager, FileTypesAreRegisteredWithTheDesktop)
{
    initialize();
    manager.RegisterFileTypes(1);
    const QByteArray entry =
        TestEnvironment::contentsOf(environment.path("data/applications/kalvenport-zuzaza.desktop"));
    EXPECT_EQ(platform::desktopfile::value(entry, u"Desktop Entry", u"Exec"), '"' + kExe + "\" %f");
    EXPECT_EQ(platform::desktopfile::value(entry, u"Desktop Entry", u"MimeType")
                  .split(';', Qt::SkipEmptyParts)
                  .size(),
              4);
    const QString package = QString::fromUtf8(
        TestEnvironment::contentsOf(environment.path("data/mime/packages/kalvenport-zuzaza.xml")));
    for (const char* glob : {"*.fme", "*.fma", "*.fmu", "*.lz1", "*.lz2"})
        EXPECT_TRUE(package.contains(glob)) << glob;
    for (const char* magic : {"QEL-EUR1Form@", "QEL-ATRForm@", "QEL-UZForm@", "QEL-LZE1Form@"}) {
        EXPECT_TRUE(package.contains(QString("value=\"%1\"").arg(magic))) << magic;
    }
    for (const char* icon : {"apps/kalvenport-zuzaza", "mimetypes/application-x-kalvenport-eur1",
                             "mimetypes/application-x-kalvenport-lze848"}) {
        const QString path = environment.path(QString("data/icons/hicolor/scalable/%1.svg").arg(icon));
        EXPECT_TRUE(TestEnvironment::contentsOf(path).contains("<svg")) << icon;
    }
    EXPECT_EQ(started, QStringList({"update-mime-database", "update-desktop-database"}));
    started.clear();
    manager.RegisterFileTypes(1);
    EXPECT_TRUE(started.isEmpty());
}

TEST_F(RegistryManager, TheDataDirectoryIsTheProgramsFolderInTheDocuments)
{
    initialize();
    environment.writeFile("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(manager.GetDataDirectory(false), environment.path("home/Dokumente/kalvenport-zuzaza"));
    EXPECT_FALSE(QFileInfo::exists(environment.path("home/Dokumente")));
    EXPECT_EQ(manager.GetDataDirectoryWithBackslash(), environment.path("home/Dokumente/kalvenport-zuzaza/"));
    manager.GetDataDirectory(true);
    EXPECT_TRUE(QFileInfo(environment.path("home/Dokumente")).isDir());
    EXPECT_FALSE(QFileInfo::exists(environment.path("home/Dokumente/kalvenport-zuzaza")));
}

TEST_F(RegistryManager, WhatTheSettersChangeLandsInTheApplicationKeys)
{
    const QString appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\kalvenport-zuzaza";
    const QString ownKey = "SOFTWARE\\QEL\\kalvenport-zuzaza";
    struct Row {
        const char* what;
        std::function<void(CRegeditManagment&)> change;
        RegistryHive hive;
        QString key;
        QString name;
        QString text;
    };
    const Row rows[] = {
        {"company", [](CRegeditManagment& m) { m.SetCompanyKey(u"Muster"); }, RegistryHive::CurrentUser,
         "SOFTWARE\\Muster\\kalvenport-zuzaza", "Path", "/opt/Kalvenport Zuzaza/bin"},
        {"program name", [](CRegeditManagment& m) { m.SetExeName(u"kz2"); }, RegistryHive::LocalMachine,
         "SOFTWARE\\QEL\\kz2", "Path", "/opt/Kalvenport Zuzaza/bin"},
        {"help file", [](CRegeditManagment& m) { m.SetHelpPath(u"/srv/kz/hilfe/kz.chm"); },
         RegistryHive::CurrentUser, ownKey, "Path", "/srv/kz/hilfe"},
        {"help file in App Paths", [](CRegeditManagment& m) { m.SetHelpPath(u"/srv/kz/hilfe/kz.chm"); },
         RegistryHive::LocalMachine, appPaths, "Path", "/srv/kz/hilfe;"},
        {"creation date", [](CRegeditManagment& m) { m.SetCreationDate(u"Feb 29 2024"); },
         RegistryHive::LocalMachine, ownKey, "CreationDate", "Feb 29 2024"},
        {"nothing set: the program", [](CRegeditManagment&) {}, RegistryHive::LocalMachine, appPaths, "",
         kExe},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        registry.deleteTree(RegistryHive::CurrentUser, {});
        registry.deleteTree(RegistryHive::LocalMachine, {});
        CRegeditManagment fresh(folder);
        fresh.Initialize("kalvenport-zuzaza", kExe, "Jan  6 2020", kVersion3_20_4);
        row.change(fresh);
        fresh.RegisterApplicationKeys();
        EXPECT_EQ(registry.readString(row.hive, row.key, row.name), row.text);
        EXPECT_EQ(fresh.GetExePath(), kExe);
    }
}

TEST_F(RegistryManager, InitializeForAppTakesTheCompanyOfTheApplicationsSettings)
{
    CQELWinAppEx app(folder, kExe);
    app.SetRegistryKey(u"Brandel");
    manager.InitializeForApp(app, "Jan  6 2020", kVersion3_20_4);
    EXPECT_EQ(
        registry.readDword(RegistryHive::LocalMachine, u"SOFTWARE\\Brandel\\kalvenport-zuzaza", u"Version"),
        kVersion3_20_4);
    EXPECT_EQ(manager.GetExePath(), kExe);
}

TEST_F(RegistryManager, BeforeInitializeTheGuardedOperationsRefuseWithAMessageAndChangeNothing)
{
    QString owner = "x", organisation = "y";
    const std::pair<const char*, std::function<bool()>> rows[] = {
        {"write binary", [&] { return manager.WriteBinaryValue(u"Daten", u"Blob", "ab"); }},
        {"read binary", [&] { return manager.ReadBinaryValue(u"Daten", u"Blob", 8).has_value(); }},
        {"delete binary", [&] { return manager.DeleteBinaryValue(u"Daten", u"Blob"); }},
        {"write owner", [&] { return manager.WriteOwner("Anna", "Brandel"), false; }},
        {"read owner", [&] { return manager.ReadOwner(owner, organisation) || !owner.isEmpty(); }},
        {"unregister", [&] { return manager.UnregisterApplication(u"fma"), false; }},
    };
    registry.writeString(RegistryHive::ClassesRoot, u".fma", {}, u"ATR-Dokument");
    const QByteArray before = TestEnvironment::contentsOf(registry.filePath(RegistryHive::ClassesRoot));
    for (const auto& [what, run] : rows) {
        ui.messageBoxes.clear();
        EXPECT_FALSE(run()) << what;
        ASSERT_EQ(ui.messageBoxes.size(), 1) << what;
        EXPECT_EQ(ui.messageBoxes[0].text, QString("CRegeditManagment-Error")) << what;
    }
    EXPECT_FALSE(QFile::exists(registry.filePath(RegistryHive::CurrentUser)));
    EXPECT_FALSE(QFile::exists(registry.filePath(RegistryHive::LocalMachine)));
    EXPECT_EQ(TestEnvironment::contentsOf(registry.filePath(RegistryHive::ClassesRoot)), before);
}

TEST_F(RegistryManager, BinaryValuesAreReadBackOnlyWholeAndAsBinary)
{
    initialize();
    const QByteArray data("\x00\x01\xfe\xff", 4);
    ASSERT_TRUE(manager.WriteBinaryValue(u"Fenster", u"Lage", data));
    registry.writeString(RegistryHive::CurrentUser, u"Software\\QEL\\kalvenport-zuzaza\\Fenster", u"Text",
                         u"ab");
    CRegeditManagment later(folder);
    later.Initialize("kalvenport-zuzaza", kExe, "Jan  6 2020", kVersion3_20_4);
    const struct {
        const char* name;
        qsizetype size;
        std::optional<QByteArray> read;
    } rows[] = {
        {"Lage", 4, data}, {"Lage", 100, data}, {"Lage", 3, {}}, {"Text", 100, {}}, {"Fehlt", 100, {}}};
    for (const auto& [name, size, read] : rows)
        EXPECT_EQ(later.ReadBinaryValue(u"Fenster", QString(name), size), read) << name << size;
    EXPECT_TRUE(later.DeleteBinaryValue(u"Fenster", u"Lage"));
    EXPECT_FALSE(later.DeleteBinaryValue(u"Fenster", u"Lage"));
    EXPECT_EQ(later.ReadBinaryValue(u"Fenster", u"Lage", 4), std::nullopt);
    EXPECT_TRUE(ui.messageBoxes.isEmpty());
}

TEST_F(RegistryManager, OwnersAndFileTypeVersionsAreReadWithoutLeavingAnythingBehind)
{
    initialize();
    QString owner, organisation;
    manager.ReadSystemOwner(owner, organisation);
    EXPECT_EQ(QStringList({owner, organisation}), QStringList({"", ""}));
    registry.writeString(RegistryHive::LocalMachine, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                         u"RegisteredOwner", u"Anna Brandel");
    manager.ReadSystemOwner(owner, organisation);
    EXPECT_EQ(QStringList({owner, organisation}), QStringList({"Anna Brandel", ""}));

    manager.WriteOwner("Anna Brandel", "");
    EXPECT_FALSE(manager.ReadOwner(owner, organisation));
    EXPECT_EQ(owner, QString("Anna Brandel"));
    manager.WriteOwner("Anna Brandel", "Brandel GmbH");
    EXPECT_TRUE(manager.ReadOwner(owner, organisation));
    EXPECT_EQ(QStringList({owner, organisation}), QStringList({"Anna Brandel", "Brandel GmbH"}));

    EXPECT_EQ(manager.GetFileTypeVersion(u".fme"), 0u);
    EXPECT_FALSE(registry.keyExists(RegistryHive::ClassesRoot, u".fme"));
    manager.SetFileTypeVersion(u".FME", kVersion3_20_4);
    EXPECT_EQ(manager.GetFileTypeVersion(u".Fme"), kVersion3_20_4);
}

TEST_F(RegistryManager, UnregisterRemovesTheProgramsOwnRegistrationAndNothingElse)
{
    const QString templateFile = environment.path("data/kalvenport-zuzaza/ShellNew/Euform.fme");
    const QString elsewhere = environment.path("home/notizen.fme");
    const struct {
        const char* what;
        QString holder;        // the class of ".fme"
        QString shellNewFile;  // what its new-file template names
        bool binarySection;    // a section of binary values below the user's application key
    } rows[] = {
        {"own registration", "EUR1-Dokument", templateFile, false},
        {"with binary values", "EUR1-Dokument", templateFile, true},
        {"another program's", "Other.Document", elsewhere, false},
    };
    for (const auto& [what, holder, shellNewFile, binarySection] : rows) {
        SCOPED_TRACE(what);
        for (RegistryHive hive :
             {RegistryHive::CurrentUser, RegistryHive::LocalMachine, RegistryHive::ClassesRoot})
            registry.deleteTree(hive, {});
        initialize();
        manager.registerFileClasses();
        manager.RegisterFileTypes(1);
        registry.writeString(RegistryHive::ClassesRoot, u".fme", {}, holder);
        registry.writeString(RegistryHive::ClassesRoot, u".fme\\ShellNew", u"FileName", shellNewFile);
        environment.writeFile("home/notizen.fme", "Notizen");
        if (binarySection) manager.WriteBinaryValue(u"Fenster", u"Lage", "ab");
        started.clear();

        manager.UnregisterApplication(u"fme");
        const bool own = holder == "EUR1-Dokument";
        EXPECT_FALSE(registry.keyExists(RegistryHive::LocalMachine, u"SOFTWARE\\QEL\\kalvenport-zuzaza"));
        EXPECT_EQ(registry.keyExists(RegistryHive::CurrentUser, u"SOFTWARE\\QEL\\kalvenport-zuzaza"),
                  binarySection);
        EXPECT_EQ(registry.keyExists(RegistryHive::ClassesRoot, u".fme"), !own);
        EXPECT_EQ(registry.keyExists(RegistryHive::ClassesRoot, u"EUR1-Dokument"), !own);
        EXPECT_EQ(QFile::exists(shellNewFile), !own);
        // The other form types keep their registration.
        EXPECT_EQ(classesText(".fma"), QString("ATR-Dokument"));
        EXPECT_TRUE(classesText("ATR-Dokument\\shell\\open\\command"));
        for (const char* file :
             {"applications/kalvenport-zuzaza.desktop", "mime/packages/kalvenport-zuzaza.xml",
              "icons/hicolor/scalable/apps/kalvenport-zuzaza.svg",
              "icons/hicolor/scalable/mimetypes/application-x-kalvenport-atr.svg"})
            EXPECT_FALSE(QFile::exists(environment.path(QString("data/") + file))) << file;
        EXPECT_EQ(started, QStringList({"update-mime-database", "update-desktop-database"}));
        EXPECT_TRUE(ui.messageBoxes.isEmpty());
    }
}
