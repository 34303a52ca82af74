#include "tools/benchmark/ProbedRun.h"

#include "app/CQELWinAppEx.h"
#include "platform/command/CommandActions.h"
#include "platform/command/StandardCommands.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

double monotonicMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Counts the files renamed into the watched folder, the last step of every atomic replacement.
class ReplacementCounter {
public:
    explicit ReplacementCounter(const QString& folder) : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0) inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~ReplacementCounter()
    {
        if (m_fd >= 0) close(m_fd);
    }
    ReplacementCounter(const ReplacementCounter&) = delete;
    ReplacementCounter& operator=(const ReplacementCounter&) = delete;

    int count() const
    {
        int replacements = 0;
        alignas(inotify_event) char buffer[16 * 1024];
        for (;;) {
            const ssize_t got = m_fd >= 0 ? read(m_fd, buffer, sizeof buffer) : -1;
            if (got <= 0) return replacements;
            for (ssize_t at = 0; at < got;) {
                inotify_event event{};
                std::memcpy(&event, buffer + at, sizeof event);
                if (event.mask & IN_MOVED_TO) ++replacements;
                at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            }
        }
    }

private:
    int m_fd;
};

// Waits for the child's end up to the deadline; ends it when the deadline passes.
bool awaitEnd(pid_t pid, int deadlineMs)
{
    const int pidFd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidFd < 0) return true;  // wait4 below waits without a deadline
    pollfd end{pidFd, POLLIN, 0};
    int ready = 0;
    do {
        ready = poll(&end, 1, deadlineMs);
    } while (ready < 0 && errno == EINTR);
    close(pidFd);
    if (ready > 0) return true;
    kill(pid, SIGKILL);
    return false;
}

// Reads the probe's report into `result`: the first paint in ms of the monotonic clock, the forms shown and
// the libraries loaded. False when the probe never got to write it.
bool readProbeReport(const QString& path, double started, ProbedRun::Result& result)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QStringList lines = QString::fromLocal8Bit(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const QStringList numbers = lines.value(0).split(u' ');
    bool paintRead = false, formsRead = false;
    const double nanoseconds = numbers.value(0).toDouble(&paintRead);
    result.formsShown = numbers.value(1).toInt(&formsRead);
    result.firstPaintMs = nanoseconds / 1e6 - started;
    result.libraries = lines.mid(1);
    return paintRead && formsRead;
}

}  // namespace

ProbedRun::ProbedRun(QString probe, QString cache) : m_probe(std::move(probe)), m_cache(std::move(cache)) {}

QString ProbedRun::settingsFolder(const QString& home)
{
    return home + QStringLiteral("/.config/") + CQELWinAppEx::kProgramId.toString();
}

QStringList ProbedRun::environment(const Request& request, const QString& report) const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), request.home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), request.home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), request.home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), m_cache);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LD_PRELOAD"), m_probe);
    // In a build with the sanitizers the probe stands before their runtime, which is fine for what it does.
    const QString sanitizer = env.value(QStringLiteral("ASAN_OPTIONS"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), (sanitizer.isEmpty() ? QString() : sanitizer + u':') +
                                                   QStringLiteral("verify_asan_link_order=0"));
    env.insert(QStringLiteral("KZ_PROBE_REPORT"), report);
    env.insert(QStringLiteral("KZ_PROBE_CHOOSE"), request.choose.join(u','));
    // The next form comes as from File New.
    env.insert(QStringLiteral("KZ_PROBE_NEW"),
               QStringLiteral("%1=%2")
                   .arg(QLatin1StringView(platform::CommandActions::kCommandProperty))
                   .arg(platform::ID_FILE_NEW));
    return env.toStringList();
}

ProbedRun::Result ProbedRun::run(const Request& request) const
{
    Result result;
    const QString folder = settingsFolder(request.home);
    QDir().mkpath(folder);
    const QString report = request.home + QStringLiteral("/probe-report");
    QFile::remove(report);

    std::vector<QByteArray> envText;
    for (const QString& entry : environment(request, report)) envText.push_back(entry.toLocal8Bit());
    std::vector<char*> envp;
    for (QByteArray& entry : envText) envp.push_back(entry.data());
    envp.push_back(nullptr);
    QByteArray program = QFile::encodeName(request.program);
    char* argv[] = {program.data(), nullptr};

    // What the program says goes to a file beside its settings, for when a run fails.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const QByteArray log = QFile::encodeName(request.home + QStringLiteral("/output.log"));
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, log.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);

    const ReplacementCounter replacements(folder);
    pid_t pid = 0;
    const double started = monotonicMs();
    const int spawned = posix_spawn(&pid, program.constData(), &files, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) {
        result.error = QStringLiteral("cannot start %1: %2")
                           .arg(request.program, QString::fromLocal8Bit(strerror(spawned)));
        return result;
    }
    const bool ended = awaitEnd(pid, request.deadlineMs);
    result.wallMs = monotonicMs() - started;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    result.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.settingsReplacements = replacements.count();
    const bool reported = readProbeReport(report, started, result);
    result.ok = ended && WIFEXITED(status) && WEXITSTATUS(status) == 0 && reported;
    if (!result.ok) {
        result.error =
            QStringLiteral("%1 %2 (see %3)")
                .arg(request.program,
                     ended ? QStringLiteral("did not paint and end cleanly") : QStringLiteral("hung"),
                     QString::fromLocal8Bit(log));
    }
    return result;
}
