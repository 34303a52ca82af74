#pragma once

#include <sys/inotify.h>
#include <unistd.h>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

// Notes every file put in place in a folder by a rename, as the program replaces its files, while it lives.
class FileReplacements {
public:
    explicit FileReplacements(const QString& folder) : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        if (m_fd >= 0) ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), IN_MOVED_TO);
    }
    ~FileReplacements()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileReplacements(const FileReplacements&) = delete;
    FileReplacements& operator=(const FileReplacements&) = delete;

    // The names of the files put in place since the last call, in their order.
    QStringList take()
    {
        QStringList names;
        alignas(inotify_event) char buffer[64 * 1024];
        for (ssize_t got; (got = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                if (event->len > 0) names.append(QFile::decodeName(event->name));
                at += ssize_t(sizeof(inotify_event)) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd;
};
