#include "platform/registry/Registry.h"

#include "tests/platform/TestEnvironment.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDir>
#include <functional>
#include <thread>
#include <vector>

using namespace platform;

namespace {

constexpr auto kUser = RegistryHive::CurrentUser;
constexpr auto kClasses = RegistryHive::ClassesRoot;
const QString kShellFolders =
    QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");

class RegistryFiles : public ::testing::Test {
protected:
    TestEnvironment environment;
    Registry registry{environment.path("config/kalvenport-zuzaza")};

    QByteArray userFile() const { return TestEnvironment::contentsOf(registry.filePath(kUser)); }
};

// A browser installed as a desktop application and named the default for web pages.
void installBrowser(const TestEnvironment& environment)
{
    environment.writeFile("opt/My Browser/browse", "#!/bin/sh\n", true);
    environment.writeFile("data/applications/web.desktop",
                          "[Desktop Entry]\nName=Web\nExec=\"" +
                              environment.path("opt/My Browser/browse").toUtf8() + "\" %u\n");
    environment.writeFile("config/mimeapps.list",
                          "[Default Applications]\ntext/html=missing.desktop;web.desktop;\n");
}

}  // namespace

TEST_F(RegistryFiles, TheDefaultFolderIsBelowTheUsersConfiguration)
{
    EXPECT_EQ(Registry::defaultFolder("kz"), environment.path("config/kz"));
    environment.set("XDG_CONFIG_HOME", {});
    EXPECT_EQ(Registry::defaultFolder("kz"), environment.path("home/.config/kz"));
}

TEST_F(RegistryFiles, NothingIsThereBeforeTheFirstWrite)
{
    EXPECT_EQ(registry.readDword(kUser, u"Software", u"X"), std::nullopt);
    EXPECT_FALSE(registry.keyExists(kUser, u"Software"));
    EXPECT_TRUE(registry.deleteTree(kUser, u"Software"));
    EXPECT_TRUE(registry.deleteValue(kUser, u"Software", u"X"));
    EXPECT_FALSE(QDir(registry.folder()).exists(registryHiveName(kUser) + ".reg"));
}

TEST_F(RegistryFiles, EachHiveHasAFileOfItsOwn)
{
    EXPECT_TRUE(registry.writeDword(kUser, u"K", u"V", 1));
    EXPECT_TRUE(registry.writeDword(RegistryHive::LocalMachine, u"K", u"V", 2));
    EXPECT_TRUE(registry.writeString(kClasses, u".fme", {}, u"EUR1-Dokument"));
    EXPECT_EQ(registry.readDword(kUser, u"k", u"v"), 1u);
    EXPECT_EQ(registry.readDword(RegistryHive::LocalMachine, u"K", u"V"), 2u);
    EXPECT_EQ(registry.readString(kClasses, u".FME", {}), QString("EUR1-Dokument"));
    EXPECT_TRUE(QFileInfo::exists(registry.folder() + "/HKEY_LOCAL_MACHINE.reg"));
    EXPECT_TRUE(QFileInfo::exists(registry.folder() + "/HKEY_CLASSES_ROOT.reg"));
}

TEST_F(RegistryFiles, TwoInstancesWritingInTurnKeepEachOthersValues)
{
    Registry other(registry.folder());
    EXPECT_TRUE(registry.writeDword(kUser, u"S", u"A", 1));
    EXPECT_TRUE(other.writeDword(kUser, u"S", u"B", 2));
    EXPECT_TRUE(registry.writeString(kUser, u"S", u"C", u"drei"));
    EXPECT_TRUE(other.deleteValue(kUser, u"S", u"A"));
    EXPECT_EQ(registry.readDword(kUser, u"S", u"A"), std::nullopt);
    EXPECT_EQ(registry.readDword(kUser, u"S", u"B"), 2u);
    EXPECT_EQ(other.readString(kUser, u"S", u"C"), QString("drei"));
}

TEST_F(RegistryFiles, WritersAtTheSameTimeLoseNothing)
{
    constexpr int kWriters = 4;
    constexpr int kValuesEach = 20;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([folder = registry.folder(), w] {
            Registry own(folder);
            for (int i = 0; i < kValuesEach; ++i)
                own.writeDword(kUser, u"S", QString("W%1_%2").arg(w).arg(i), i);
        });
    }
    for (std::thread& writer : writers) writer.join();
    for (int w = 0; w < kWriters; ++w) {
        for (int i = 0; i < kValuesEach; ++i) {
            EXPECT_EQ(registry.readDword(kUser, u"S", QString("W%1_%2").arg(w).arg(i)), quint32(i));
        }
    }
}

TEST_F(RegistryFiles, AWriteThatChangesNothingLeavesTheFileAlone)
{
    const QByteArray handWritten = "[HKEY_CURRENT_USER\\S]\n; kept as typed\n\"A\"=dword:00000001\n";
    environment.writeFile("config/kalvenport-zuzaza/HKEY_CURRENT_USER.reg", handWritten);
    EXPECT_TRUE(registry.writeDword(kUser, u"s", u"a", 1));
    EXPECT_TRUE(registry.deleteTree(kUser, u"Missing"));
    EXPECT_EQ(userFile(), handWritten);
}

TEST_F(RegistryFiles, ADamagedFileIsRewrittenOnlyOnceItsBackupIsMade)
{
    const QByteArray damaged =
        "[HKEY_CURRENT_USER\\S]\n\"Language\"=1\n\"A\"=dword:0000001\n\"B\"=dword:00000001\n";
    environment.writeFile("config/kalvenport-zuzaza/HKEY_CURRENT_USER.reg", damaged);
    const QString backup = registry.filePath(kUser) + ".bak";
    EXPECT_EQ(registry.readDword(kUser, u"S", u"A"), std::nullopt);  // cut short: no number at all
    EXPECT_EQ(registry.readDword(kUser, u"S", u"B"), 1u);

    QDir().mkpath(backup);  // no copy can be made where a folder stands
    EXPECT_FALSE(registry.writeDword(kUser, u"S", u"C", 2));
    EXPECT_TRUE(registry.lastError().startsWith(backup));
    EXPECT_EQ(userFile(), damaged);

    QDir().rmdir(backup);
    EXPECT_TRUE(registry.writeDword(kUser, u"S", u"C", 2));
    EXPECT_EQ(TestEnvironment::contentsOf(backup), damaged);
    EXPECT_EQ(registry.readDword(kUser, u"S", u"B"), 1u);
    EXPECT_EQ(registry.readDword(kUser, u"S", u"C"), 2u);
}

TEST_F(RegistryFiles, OnlyARegularFileIsReadAndNothingElseIsEverReplaced)
{
    const QString file = registry.filePath(kUser);
    const std::function<void()> makeOtherThanAFile[] = {
        [&] { QDir().mkpath(file); },
        [&] { QFile::link("/dev/zero", file); },
        [&] { ::mkfifo(QFile::encodeName(file).constData(), 0600); },
    };
    for (const auto& make : makeOtherThanAFile) {
        QDir().mkpath(registry.folder());
        make();
        EXPECT_EQ(registry.readDword(kUser, u"S", u"A"), std::nullopt);
        EXPECT_FALSE(registry.writeDword(kUser, u"S", u"A", 1));
        EXPECT_FALSE(registry.lastError().isEmpty());
        EXPECT_FALSE(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink());
        QDir(registry.folder()).removeRecursively();
    }
}

TEST_F(RegistryFiles, AWriteThatRunsOutOfRoomKeepsTheFileWholeAndSaysWhy)
{
    FullDisk disk;
    if (disk.unavailable()) GTEST_SKIP() << disk.unavailable();
    Registry full(disk.path("config"));
    ASSERT_TRUE(full.writeString(kUser, u"S", u"Printer", u"Laser"));
    const QByteArray before = TestEnvironment::contentsOf(full.filePath(kUser));
    disk.fill();
    EXPECT_FALSE(full.writeString(kUser, u"S", u"Printer", QString(2000, u'x')));
    EXPECT_TRUE(full.lastError().startsWith(full.filePath(kUser) + ": "));
    EXPECT_EQ(TestEnvironment::contentsOf(full.filePath(kUser)), before);
    EXPECT_EQ(full.readString(kUser, u"S", u"Printer"), QString("Laser"));
}

TEST_F(RegistryFiles, NamesThatCannotStandInTheFileAreRefused)
{
    EXPECT_FALSE(registry.writeDword(kUser, u"S", u"line\nbreak", 1));
    EXPECT_FALSE(registry.writeDword(kUser, u"S\nT", u"A", 1));
    EXPECT_TRUE(userFile().isEmpty());
}

TEST_F(RegistryFiles, ShellFoldersAnswerTheDocumentsFolderAndCannotBeChanged)
{
    environment.writeFile("config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    EXPECT_EQ(registry.readString(kUser, kShellFolders, u"Personal"), environment.path("home/Dokumente"));
    EXPECT_EQ(registry.readString(kUser, kShellFolders.toUpper(), u"personal"),
              environment.path("home/Dokumente"));
    EXPECT_EQ(registry.readString(kUser, kShellFolders, u"Desktop"), std::nullopt);
    EXPECT_TRUE(registry.keyExists(kUser, kShellFolders));
    EXPECT_FALSE(registry.writeString(kUser, kShellFolders, u"Personal", u"/tmp"));
    EXPECT_FALSE(registry.deleteTree(kUser, kShellFolders));
    EXPECT_TRUE(userFile().isEmpty());
}

TEST_F(RegistryFiles, WebPagesOpenWithTheDesktopsDefaultBrowser)
{
    installBrowser(environment);
    const QString browser = environment.path("opt/My Browser/browse");
    EXPECT_EQ(registry.readString(kClasses, u".htm", {}), QString("htmlfile"));
    EXPECT_EQ(registry.readString(kClasses, u"htmlfile\\shell\\open\\command", {}),
              QString("\"%1\" \"%2\"").arg(browser, "%1"));
    EXPECT_FALSE(registry.writeString(kClasses, u".htm", {}, u"other"));
    EXPECT_FALSE(registry.writeString(kClasses, u"htmlfile\\shell\\open\\command", {}, u"other"));
}

TEST_F(RegistryFiles, WithoutABrowserWebPagesHaveNoClassAndDebiansAlternativeServesWhenTheDesktopNamesNone)
{
    EXPECT_EQ(registry.readString(kClasses, u".htm", {}), std::nullopt);
    environment.writeFile("bin/x-www-browser", "#!/bin/sh\n", true);
    EXPECT_EQ(registry.readString(kClasses, u"htmlfile\\shell\\open\\command", {}),
              QString("\"%1\" \"%2\"").arg(environment.path("bin/x-www-browser"), "%1"));
}
