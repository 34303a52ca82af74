#include "platform/registry/Registry.h"

#include "tests/platform/TestEnvironment.h"
#include "tests/support/FileReplacements.h"
#include "tests/support/FullDisk.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QElapsedTimer>
#include <QSet>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <iostream>

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

TEST_F(RegistryFiles, EightRunningCopiesWritingAtOnceLoseNothingWithoutSayingSo)
{
    constexpr int kCopies = 8;
    constexpr int kWritesEach = 250;
    // What a copy tells the test: a write that failed (index >= 0), or at its end its longest write.
    struct Note {
        int copy;
        int index;
        int milliseconds;
    };
    // In memory where the machine offers it: the test is about the copies, not about the disk's speed.
    QTemporaryDir memory(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/kz-registry-XXXXXX" : QString());
    const Registry shared(memory.path());
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    for (int copy = 0; copy < kCopies; ++copy) {
        if (::fork() != 0) continue;
        Registry own(shared.folder());
        int longest = 0;
        for (int i = 0; i < kWritesEach; ++i) {
            QElapsedTimer timer;
            timer.start();
            const bool stored = own.writeDword(kUser, u"S", QString("C%1_%2").arg(copy).arg(i), i);
            longest = std::max<int>(longest, timer.elapsed());
            const Note failed{copy, i, 0};
            if (!stored && ::write(pipeEnds[1], &failed, sizeof failed) != sizeof failed) ::_exit(1);
        }
        const Note end{copy, -1, longest};
        ::_exit(::write(pipeEnds[1], &end, sizeof end) == sizeof end ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    QSet<QString> told;
    int longest = 0;
    for (Note note; ::read(pipeEnds[0], &note, sizeof note) == sizeof note;) {
        if (note.index >= 0) told.insert(QString("C%1_%2").arg(note.copy).arg(note.index));
        longest = std::max(longest, note.milliseconds);
    }
    ::close(pipeEnds[0]);
    for (int copy = 0; copy < kCopies; ++copy) {
        int status = 0;
        ::wait(&status);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    int lostSilently = 0;
    for (int copy = 0; copy < kCopies; ++copy) {
        for (int i = 0; i < kWritesEach; ++i) {
            const QString name = QString("C%1_%2").arg(copy).arg(i);
            if (!told.contains(name) && shared.readDword(kUser, u"S", name) != quint32(i)) ++lostSilently;
        }
    }
    std::cout << kCopies * kWritesEach << " writes by " << kCopies << " copies: " << told.size()
              << " refused and told, " << lostSilently << " lost silently; longest write " << longest
              << " ms\n";
    EXPECT_EQ(lostSilently, 0);
    EXPECT_TRUE(told.isEmpty());
}

TEST_F(RegistryFiles, ABatchReplacesEachFileOnceAndOnlyWhenItChangesIt)
{
    QDir().mkpath(registry.folder());
    FileReplacements replaced(registry.folder());
    const auto writeAll = [&](quint32 value) {
        Registry::Batch batch(registry);
        registry.deleteTree(kUser, u"Recent");
        for (int i = 0; i < 8; ++i) registry.writeDword(kUser, u"Recent", QString("File%1").arg(i), value);
        registry.writeDword(RegistryHive::LocalMachine, u"App", u"Version", value);
        EXPECT_EQ(registry.readDword(kUser, u"Recent", u"File7"), value);  // seen before it is stored
        return batch.commit();
    };
    EXPECT_TRUE(writeAll(1).ok());
    EXPECT_EQ(replaced.take(), QStringList({"HKEY_CURRENT_USER.reg", "HKEY_LOCAL_MACHINE.reg"}));
    EXPECT_TRUE(writeAll(1).ok());  // deleted and written again as it was: no change
    EXPECT_TRUE(replaced.take().isEmpty());
    EXPECT_TRUE(writeAll(2).ok());
    EXPECT_EQ(replaced.take().size(), 2);
    EXPECT_EQ(Registry(registry.folder()).readDword(kUser, u"Recent", u"File0"), 2u);
}

TEST_F(RegistryFiles, AWriteThatChangesNothingLeavesTheFileAlone)
{
    const QByteArray handWritten = "[HKEY_CURRENT_USER\\S]\n; kept as typed\n\"A\"=dword:00000001\n";
    environment.writeFile("config/kalvenport-zuzaza/HKEY_CURRENT_USER.reg", handWritten);
    EXPECT_TRUE(registry.writeDword(kUser, u"s", u"a", 1));
    EXPECT_TRUE(registry.deleteTree(kUser, u"Missing"));
    EXPECT_EQ(userFile(), handWritten);
}

TEST_F(RegistryFiles, CommentLinesWrittenByHandAreKeptAtEveryWrite)
{
    const QByteArray handWritten =
        "Windows Registry Editor Version 5.00\n"
        "; written by hand\n"
        "[HKEY_CURRENT_USER\\S]\n"
        "; the printer in room 2\n"
        "\"Printer\"=\"Laser\"\n"
        "\"Zoom\"=dword:0000000a\n"
        "\n"
        "  ; before T\n"
        "[HKEY_CURRENT_USER\\T]\n"
        "\"A\"=dword:00000001\n"
        ";at the end\n";
    const QByteArray head =
        "Windows Registry Editor Version 5.00\n\n; written by hand\n[HKEY_CURRENT_USER\\S]\n";
    struct Case {
        const char* change;
        std::function<bool(Registry&)> make;
        QByteArray written;
    };
    const Case cases[] = {
        {"a value is added", [](Registry& r) { return r.writeDword(kUser, u"S", u"New", 1); },
         head + "; the printer in room "
                "2\n\"Printer\"=\"Laser\"\n\"Zoom\"=dword:0000000a\n\"New\"=dword:00000001\n"
                "\n; before T\n[HKEY_CURRENT_USER\\T]\n\"A\"=dword:00000001\n\n;at the end\n"},
        {"a value is changed", [](Registry& r) { return r.writeString(kUser, u"S", u"Printer", u"Tinte"); },
         head + "; the printer in room 2\n\"Printer\"=\"Tinte\"\n\"Zoom\"=dword:0000000a\n"
                "\n; before T\n[HKEY_CURRENT_USER\\T]\n\"A\"=dword:00000001\n\n;at the end\n"},
        {"the value below the comment goes",
         [](Registry& r) { return r.deleteValue(kUser, u"S", u"Printer"); },
         head + "\"Zoom\"=dword:0000000a\n"
                "\n; before T\n[HKEY_CURRENT_USER\\T]\n\"A\"=dword:00000001\n\n;at the end\n; the printer in "
                "room 2\n"},
        {"the key below the comment goes", [](Registry& r) { return r.deleteTree(kUser, u"T"); },
         head + "; the printer in room 2\n\"Printer\"=\"Laser\"\n\"Zoom\"=dword:0000000a\n\n;at the end\n; "
                "before T\n"},
    };
    for (const Case& c : cases) {
        environment.writeFile("config/kalvenport-zuzaza/HKEY_CURRENT_USER.reg", handWritten);
        EXPECT_TRUE(c.make(registry)) << c.change;
        EXPECT_EQ(userFile(), c.written) << c.change;
        EXPECT_FALSE(QFile::exists(registry.filePath(kUser) + ".bak")) << c.change;
    }
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

TEST_F(RegistryFiles, ADamagedFileWhoseBackupRunsOutOfRoomIsLeftAsItWas)
{
    // Lines that cannot be read make the copy larger than a file may grow here; the file written anew
    // without them would still fit.
    const QByteArray damaged = "[HKEY_CURRENT_USER\\S]\n\"B\"=dword:00000001\n" +
                               QByteArray("\"Bad\"=dword:1 written by hand\n").repeated(400);
    environment.writeFile("config/kalvenport-zuzaza/HKEY_CURRENT_USER.reg", damaged);
    const QString backup = registry.filePath(kUser) + ".bak";
    EXPECT_EQ(registry.readDword(kUser, u"S", u"B"), 1u);
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool stored = registry.writeDword(kUser, u"S", u"C", 2);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(stored);
    EXPECT_TRUE(registry.lastError().startsWith(backup)) << registry.lastError().toStdString();
    EXPECT_EQ(userFile(), damaged);
    EXPECT_FALSE(QFile::exists(backup));
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
