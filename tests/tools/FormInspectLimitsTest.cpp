// form-inspect opens and saves forms as File Open and Save do; run as a person runs it, from a shell.
#include "platform/file/FileName.h"
#include "tests/support/FullDisk.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>

namespace {

struct ToolRun {
    int exitCode = -1;  // -1 when a signal ended it
    int signal = 0;
    long peakKiB = 0;  // the most memory it held
    QByteArray said;   // on its standard error
};

// Runs form-inspect as a shell starts it (SIGXFSZ at its default), under a limit on the size of the files
// it writes, else under the test's own.
ToolRun formInspect(const QStringList& arguments, rlim_t fileSizeLimit = RLIM_INFINITY)
{
    QList<QByteArray> texts{KZ_FORM_INSPECT};
    for (const QString& argument : arguments) texts.append(platform::filename::toNative(argument));
    std::vector<char*> argv;
    for (QByteArray& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);

    int said[2];
    if (::pipe(said) != 0) return {};
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit limit{fileSizeLimit, fileSizeLimit};
        if (fileSizeLimit != RLIM_INFINITY) ::setrlimit(RLIMIT_FSIZE, &limit);
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(said[1], STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(said[1]);
    ToolRun run;
    // Read to the end before waiting, so that the tool never waits on a full pipe.
    char text[4096];
    for (ssize_t got = 0; (got = ::read(said[0], text, sizeof text)) > 0;) run.said.append(text, got);
    ::close(said[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child) return run;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    run.peakKiB = usage.ru_maxrss;
    return run;
}

QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i) bytes.append(char((value >> (8 * i)) & 0xFF));
    return bytes;
}

}  // namespace

TEST(FormInspect, AFormThatClaimsMillionsOfEntriesIsRefusedWithoutTakingMemoryForTheClaim)
{
    QTemporaryDir dir;
    QFile sample(KZ_TEST_DATA "/forms/new.fma");
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    // Magic, version, the ignored field and the fill: everything before the array of who wrote the file.
    const QByteArray header = sample.read(31);
    const QByteArray block = littleEndian(0, 2) + littleEndian(0x1206, 2) + littleEndian(2, 2);
    constexpr qsizetype kFileSize = 16 * 1024 * 1024;
    // The largest count the file's bytes could still hold: as many one-byte empty texts or two-byte words.
    const auto claim = [](qsizetype before, int elementSize) {
        return littleEndian(0xFFFF, 2) + littleEndian(quint32((kFileSize - before) / elementSize - 16), 4);
    };
    struct Case {
        const char* array;
        QByteArray start;
        int elementSize;
    };
    const Case cases[] = {
        {"who wrote the file", header, 1},
        {"texts of the fields", header + block, 1},
        {"formats of the fields", header + block + littleEndian(0, 2), 2},
        {"texts of the table",
         header + block + littleEndian(0, 4) + littleEndian(0x0102, 2) + littleEndian(11, 2), 1},
    };
    const ToolRun small = formInspect({KZ_TEST_DATA "/forms/new.fma"});
    ASSERT_EQ(small.exitCode, 0);
    for (const Case& c : cases) {
        QByteArray bytes = c.start + claim(c.start.size() + 6, c.elementSize);
        bytes.resize(kFileSize, '\0');
        QFile file(dir.filePath("claims.fma"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), kFileSize);
        file.close();
        const ToolRun run = formInspect({file.fileName()});
        EXPECT_EQ(run.exitCode, 2) << c.array;
        // The file itself is read whole, once or twice over; what it claims is never made room for.
        EXPECT_LT(run.peakKiB - small.peakKiB, 3 * kFileSize / 1024) << c.array;
    }
}

TEST(FormInspect, AFileThatCannotBeWrittenWholeIsToldAndLeavesTheOldFile)
{
    const QString form = KZ_TEST_DATA "/forms/atr-1.01.fma";
    // The form again under a name from a system whose names are Latin-1: its "ä" is no UTF-8.
    const QTemporaryDir forms;
    const QByteArray latin1Name = QFile::encodeName(forms.path()) + "/\xE4rger.fma";
    ASSERT_TRUE(QFile::copy(form, forms.filePath("latin1.fma")));
    ASSERT_EQ(::rename(QFile::encodeName(forms.filePath("latin1.fma")).constData(), latin1Name.constData()),
              0);
    // Qt cannot remove it with the folder.
    const auto removeLatin1 = qScopeGuard([&latin1Name] { ::unlink(latin1Name.constData()); });
    const QString latin1Form = platform::filename::fromNative(latin1Name);
    const struct {
        const char* what;
        QStringList arguments;  // those before the file written
        const char* said;       // why it failed, in part
        bool onFullDisk;
        rlim_t fileSizeLimit = RLIM_INFINITY;
    } cases[] = {
        {"a save beyond the file-size limit", {"--resave", form}, "Fehler beim Speichern", false, 100},
        {"a save of a form whose name is no UTF-8 beyond the file-size limit",
         {"--resave", latin1Form},
         "Fehler beim Speichern",
         false,
         100},
        // As `ulimit -f 1` in a shell.
        {"a print beyond the file-size limit",
         {"--print", form, "--sheet", "1", "--out"},
         "cannot write",
         false,
         1024},
        {"a print on a full disk", {"--print", form, "--sheet", "1", "--out"}, "cannot write", true},
        {"a picture on a full disk", {"--render", form, "--page", "1", "--out"}, "cannot write", true},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        FullDisk disk;
        if (c.onFullDisk && disk.unavailable()) GTEST_SKIP() << disk.unavailable();
        const QString target = c.onFullDisk ? disk.path("out") : dir.filePath("out");
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
        old.close();
        if (c.onFullDisk) disk.fill();
        const QDir folder = QFileInfo(target).dir();
        const QStringList before = folder.entryList(QDir::Files | QDir::Hidden);
        const ToolRun run = formInspect(c.arguments + QStringList{target}, c.fileSizeLimit);
        EXPECT_EQ(run.signal, 0) << c.what;
        EXPECT_EQ(run.exitCode, 2) << c.what;
        EXPECT_TRUE(run.said.contains(c.said)) << c.what << ": " << run.said.constData();
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), "old") << c.what;
        old.close();
        EXPECT_EQ(folder.entryList(QDir::Files | QDir::Hidden), before) << c.what;
    }
}
