#include "platform/file/FileLock.h"

#include "platform/file/SystemError.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <cerrno>

namespace platform {

FileLock::FileLock(const QString& path, int timeoutMs)
{
    m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (m_fd < 0) {
        m_error = systemErrorText(path, errno);
        return;
    }
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0) {
            m_locked = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            m_error = systemErrorText(path, errno);
            return;
        }
        if (deadline.hasExpired()) break;
        QThread::usleep(1000);
    }
    m_error = path + QStringLiteral(": Eine andere laufende Kopie des Programms gibt die Datei nicht frei.");
}

FileLock::~FileLock()
{
    // Closing the file lets go of the lock.
    if (m_fd >= 0) ::close(m_fd);
}

}  // namespace platform
