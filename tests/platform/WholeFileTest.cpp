#include "platform/file/SystemError.h"
#include "platform/file/WholeFile.h"
#include "platform/registry/Registry.h"

#include "tests/platform/TestEnvironment.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>

using namespace platform;

namespace {

constexpr auto kUser = RegistryHive::CurrentUser;

QStringList hiddenEntries(const QString& folder)
{
    return QDir(folder)
        .entryList(QDir::Hidden | QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
        .filter(QRegularExpression("^\\."));
}

}  // namespace

TEST(WholeFile, AWriteKeepsTheFilesPermissionsAndWritesThroughALinkToTheFileItNames)
{
    struct Case {
        const char* file;
        mode_t mode;
        const char* linkTarget;  // the settings file is this link; nullptr: a plain file
    };
    const Case cases[] = {
        {"a settings file only its owner reads", 0600, nullptr},
        {"a settings file its group reads", 0640, nullptr},
        {"a link to a file beside it", 0600, "elsewhere/settings.reg"},
        {"a link to a file by its full path", 0644, "/"},
    };
    for (const Case& c : cases) {
        TestEnvironment environment;
        const Registry registry(environment.path("config/kz"));
        const QString file = registry.filePath(kUser);
        QDir().mkpath(registry.folder());
        QString real = file;
        if (c.linkTarget) {
            real = environment.path("config/kz/elsewhere/settings.reg");
            QDir().mkpath(QFileInfo(real).path());
            const QString linkText = QString(c.linkTarget) == "/" ? real : QString(c.linkTarget);
            ASSERT_TRUE(QFile::link(linkText, file)) << c.file;
        }
        environment.writeFile(QDir(environment.path("")).relativeFilePath(real),
                              "[HKEY_CURRENT_USER\\S]\n\"A\"=dword:00000001\n");
        ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), c.mode), 0) << c.file;
        const QString linkBefore = QFileInfo(file).symLinkTarget();

        Registry writer(registry.folder());
        ASSERT_TRUE(writer.writeDword(kUser, u"S", u"B", 2)) << c.file;
        struct stat after {};
        ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &after), 0) << c.file;
        EXPECT_EQ(after.st_mode & 07777, c.mode) << c.file;
        EXPECT_EQ(QFileInfo(file).isSymLink(), c.linkTarget != nullptr) << c.file;
        EXPECT_EQ(QFileInfo(file).symLinkTarget(), linkBefore) << c.file;
        EXPECT_TRUE(TestEnvironment::contentsOf(real).contains("\"B\"=dword:00000002")) << c.file;
    }
}

TEST(WholeFile, CopiesLeftBesideAFileByAWriterThatEndedOnTheWayGoAtTheNextWrite)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("HKEY_CURRENT_USER.reg");
    const QString other = dir.filePath("else.txt");
    ASSERT_TRUE(wholefile::replace(other, "else").ok());
    struct Case {
        const char* entry;
        bool left;  // whether it was left behind by a writer of this file that ended
    };
    const Case cases[] = {
        {".HKEY_CURRENT_USER.reg.0a1b2c3d", true},      {".HKEY_CURRENT_USER.reg.ffffffff", true},
        {".HKEY_CURRENT_USER.reg.bak.0a1b2c3d", false}, {".HKEY_CURRENT_USER.reg.0A1B2C3D", false},
        {".HKEY_CURRENT_USER.reg.0a1b2c3", false},      {".HKEY_CURRENT_USER.reg.0a1b2c3d0", false},
        {".KEY_CURRENT_USER.reg.0a1b2c3d", false},      {"HKEY_CURRENT_USER.reg.0a1b2c3d", false},
    };
    for (const Case& c : cases)
        ASSERT_TRUE(wholefile::replace(dir.filePath(c.entry), "copy").ok()) << c.entry;
    // One that a writer holds, one that is a link (to a file that must stay), one that is a folder.
    const QString held = dir.filePath(".HKEY_CURRENT_USER.reg.12345678");
    ASSERT_TRUE(wholefile::replace(held, "being written").ok());
    const int writer = ::open(QFile::encodeName(held).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);
    ASSERT_TRUE(QFile::link(other, dir.filePath(".HKEY_CURRENT_USER.reg.aaaaaaaa")));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(".HKEY_CURRENT_USER.reg.bbbbbbbb")));

    ASSERT_TRUE(wholefile::replace(file, "new").ok());
    for (const Case& c : cases) EXPECT_EQ(QFile::exists(dir.filePath(c.entry)), !c.left) << c.entry;
    EXPECT_TRUE(QFile::exists(held));
    EXPECT_TRUE(QFileInfo(dir.filePath(".HKEY_CURRENT_USER.reg.aaaaaaaa")).isSymLink());
    EXPECT_EQ(TestEnvironment::contentsOf(other), "else");
    EXPECT_TRUE(QFileInfo(dir.filePath(".HKEY_CURRENT_USER.reg.bbbbbbbb")).isDir());

    ::close(writer);  // the writer ended without putting its file in place
    ASSERT_TRUE(wholefile::replace(file, "newer").ok());
    EXPECT_FALSE(QFile::exists(held));
    EXPECT_EQ(TestEnvironment::contentsOf(file), "newer");
}

TEST(WholeFile, AWriterKilledWhileWritingLeavesNoCopyAfterTheNextWrite)
{
    // In memory where the machine offers it: many large writes, each killed on the way.
    QTemporaryDir dir(QFileInfo("/dev/shm").isWritable() ? "/dev/shm/kz-wholefile-XXXXXX" : QString());
    const QString file = dir.filePath("Lieferung.fma");
    const QByteArray large(16 * 1024 * 1024, 'x');
    int killed = 0;
    QStringList left;
    for (int attempt = 0; attempt < 100 && left.isEmpty(); ++attempt) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) wholefile::replace(file, large);
        }
        QThread::msleep(5 + attempt % 20);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ++killed;
        left = hiddenEntries(dir.path());
    }
    ASSERT_FALSE(left.isEmpty()) << "no write was killed on the way in " << killed << " kills";
    ASSERT_TRUE(wholefile::replace(file, "saved").ok());
    EXPECT_TRUE(hiddenEntries(dir.path()).isEmpty()) << hiddenEntries(dir.path()).join(' ').toStdString();
    EXPECT_EQ(TestEnvironment::contentsOf(file), "saved");
}

// A message of the program is German throughout: every cause a file or folder can give is told in German,
// one the program has no words for by its number.
TEST(WholeFile, AFileThatCannotBeWrittenOrReadIsToldWhyInGerman)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(dir.filePath("loop"), dir.filePath("loop")));
    QFile settingsFolder(dir.filePath("config"));
    ASSERT_TRUE(settingsFolder.open(QIODevice::WriteOnly));
    settingsFolder.close();
    const struct {
        QString path;
        const char* cause;
    } writes[] = {
        {dir.filePath("config/HKEY_CURRENT_USER.reg"), "Ein Teil des Pfads ist eine Datei, kein Ordner."},
        {dir.filePath("loop/HKEY_CURRENT_USER.reg"), "Der Pfad führt über zu viele Verknüpfungen."},
        {dir.filePath(QString(300, u'n')), "Der Name der Datei oder eines Ordners ist zu lang."},
    };
    for (const auto& c : writes) {
        const std::string told = (c.path + ": " + QString::fromUtf8(c.cause)).toStdString();
        EXPECT_EQ(wholefile::replace(c.path, "x").error.toStdString(), told);
        EXPECT_EQ(wholefile::read(c.path, 100).error.toStdString(), told);
    }

    EXPECT_EQ(systemErrorText("/home/a/Kunde.fma", 4095).toStdString(),
              "/home/a/Kunde.fma: Systemfehler 4095.");
    // No cause falls back to the system's own, English words.
    for (int error = 1; error < 134; ++error) {
        const QString told = systemErrorText("/f", error);
        EXPECT_FALSE(told.contains(QString::fromLocal8Bit(std::strerror(error)))) << told.toStdString();
    }
}
