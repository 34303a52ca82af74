#pragma once

#include <QString>

namespace platform {

// An exclusive lock on a file between running copies of the program, held while the object lives. The
// system lets go of it when a process ends, so a copy that crashed never leaves a lock behind.
class FileLock {
public:
    // Waits at most `timeoutMs` for the lock. A waiter looks again every millisecond instead of sleeping
    // longer and longer, so no copy sleeps through the moments the lock is free while others take it.
    FileLock(const QString& path, int timeoutMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool isLocked() const { return m_locked; }
    // Why the lock could not be had, for a person; empty when it is held.
    QString error() const { return m_error; }

private:
    int m_fd = -1;
    bool m_locked = false;
    QString m_error;
};

}  // namespace platform
