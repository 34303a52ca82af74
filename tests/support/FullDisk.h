#pragma once

#include <sys/mount.h>
#include <sys/resource.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <csignal>

// A folder where writing runs out of room for real once fill() was called: a small tmpfs mounted for the
// test where the test may mount one, else a limit on the size of every file the test writes (with SIGXFSZ
// ignored, so that the write fails instead of ending the test). Everything is put back when it ends.
class FullDisk {
public:
    FullDisk()
    {
        const QByteArray path = QFile::encodeName(m_dir.path());
        m_mounted = ::mount("tmpfs", path.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=256k") == 0;
        if (!m_mounted && ::getrlimit(RLIMIT_FSIZE, &m_limit) != 0)
            m_unavailable = "neither a tmpfs can be mounted nor a file-size limit set here";
    }
    ~FullDisk()
    {
        if (m_mounted) ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
        if (m_limited) {
            ::setrlimit(RLIMIT_FSIZE, &m_limit);
            std::signal(SIGXFSZ, m_oldHandler);
        }
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Why a full disk cannot be had here; empty when it can.
    const char* unavailable() const { return m_unavailable; }
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // From now on no file grows any further.
    void fill()
    {
        if (m_mounted) {
            QFile filler(path(".filler"));
            if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            return;
        }
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit none = m_limit;
        none.rlim_cur = 0;
        m_limited = ::setrlimit(RLIMIT_FSIZE, &none) == 0;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_limited = false;
    rlimit m_limit{};
    void (*m_oldHandler)(int) = SIG_DFL;
    const char* m_unavailable = nullptr;
};
