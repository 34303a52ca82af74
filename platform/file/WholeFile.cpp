#include "platform/file/WholeFile.h"

#include "platform/file/FileName.h"
#include "platform/file/SystemError.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>

namespace platform::wholefile {
namespace {

const QString kNotRegular = QStringLiteral("Dies ist keine gewöhnliche Datei.");
const QString kTooLarge = QStringLiteral("Die Datei ist zu groß.");
constexpr int kTemporaryNameAttempts = 100;

Stamp stampFrom(const struct stat& info)
{
    Stamp stamp;
    stamp.kind = S_ISREG(info.st_mode) ? Stamp::Kind::Regular : Stamp::Kind::Other;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNs = qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    stamp.changedNs = qint64(info.st_ctim.tv_sec) * 1'000'000'000 + info.st_ctim.tv_nsec;
    return stamp;
}

// Closes the descriptor when the scope ends, whatever way it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    // Closes now, for a caller that must know whether the close succeeded; the error number or 0.
    int close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

ReadResult refused(ReadResult::Status status, const QString& path, const QString& cause)
{
    ReadResult result;
    result.status = status;
    result.error = path + QStringLiteral(": ") + cause;
    return result;
}

ReadResult failed(const QString& path, int error)
{
    ReadResult result;
    result.status = ReadResult::Status::Failed;
    result.error = systemErrorText(path, error);
    return result;
}

// Reads to the end of the file into `bytes`, which holds the size the file had when it was opened and
// one byte more, so that the usual read fills it once and finds the end. A file that grew meanwhile gets
// more room, never beyond `largest` + 1 bytes. The error number, or 0.
int readToEnd(int fd, QByteArray& bytes, qint64 largest, qsizetype& total)
{
    total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (bytes.size() > largest) return 0;
            bytes.resize(std::min<qint64>(largest + 1, std::max<qint64>(2 * bytes.size(), 4096)));
        }
        const ssize_t got = ::read(fd, bytes.data() + total, bytes.size() - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return 0;
        total += got;
    }
}

// The error number, or 0 when every byte was written.
int writeAll(int fd, QByteArrayView bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR) continue;
        if (done < 0) return errno;
        if (done == 0) return EIO;
        written += done;
    }
    return 0;
}

bool isSymLink(const QString& path)
{
    struct stat info {};
    return ::lstat(filename::toNative(path).constData(), &info) == 0 && S_ISLNK(info.st_mode);
}

// The new file is written under ".<name>.<8 hex digits>" beside the file it replaces. A writer holds a lock
// on it until it is in place; one without a lock was left behind by a writer that ended on the way.
bool isTemporaryName(QByteArrayView entry, QByteArrayView name)
{
    constexpr qsizetype kDigits = 8;
    if (entry.size() != name.size() + 2 + kDigits || !entry.startsWith('.') ||
        !entry.sliced(1).startsWith(name) || entry[name.size() + 1] != '.')
        return false;
    const QByteArrayView digits = entry.last(kDigits);
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// Removes the temporaries of `name` in `folder` that no running writer holds, so that a writer killed on
// the way leaves no copies behind for long. One that cannot be removed is left for the next time.
void removeLeftTemporaries(const QString& folder, const QString& name)
{
    const QByteArray encodedName = filename::toNative(name);
    DIR* dir = ::opendir(filename::toNative(folder).constData());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTemporaryName(entry->d_name, encodedName)) continue;
        const Descriptor left(
            ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
        struct stat info {};
        if (left.get() >= 0 && ::fstat(left.get(), &info) == 0 && S_ISREG(info.st_mode) &&
            ::flock(left.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// A new file of a name of its own in `folder`, made as any new file is (its mode from the umask) and locked
// as a writer's; the descriptor, or -1 with errno set.
int createTemporary(const QString& folder, const QString& name, QString& temporaryPath)
{
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporaryPath = QStringLiteral("%1/.%2.%3")
                            .arg(folder, name)
                            .arg(QRandomGenerator::system()->generate(), 8, 16, QChar(u'0'));
        const int fd = ::open(filename::toNative(temporaryPath).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) return fd;
        // Another writer may have taken the file for one left behind before it was locked: then it is gone
        // from the folder, and another name is tried.
        struct stat info {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &info) == 0 && info.st_nlink > 0) return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// The new name is only lasting once the folder is on the disk too. The file is already in place, and
// a folder that cannot be flushed does not make it less whole: nothing to report.
void syncFolder(const QString& folder)
{
    const Descriptor dir(::open(filename::toNative(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

// Writes, flushes and closes the new file, checking each step; the error number, or 0.
int fill(Descriptor& file, QByteArrayView bytes, const struct stat* old)
{
    int error = writeAll(file.get(), bytes);
    if (error == 0 && old && ::fchmod(file.get(), old->st_mode & 07777) != 0) error = errno;
    if (error == 0 && ::fsync(file.get()) != 0) error = errno;
    const int closeError = file.close();
    return error != 0 ? error : closeError;
}

}  // namespace

QString fileBehind(const QString& path)
{
    if (!isSymLink(path)) return filename::absolute(path);
    const QString target = filename::canonical(path);
    // A link to a file not there yet names the file to be made.
    return target.isEmpty() ? QFileInfo(path).symLinkTarget() : target;
}

bool isReadOnly(const QString& path)
{
    const QByteArray native = filename::toNative(path);
    return ::access(native.constData(), F_OK) == 0 && ::access(native.constData(), W_OK) != 0;
}

bool Stamp::unchangedIn(const Stamp& later) const
{
    return kind == later.kind && link == later.link && device == later.device && inode == later.inode &&
           size == later.size && modifiedNs == later.modifiedNs;
}

Stamp stampOf(const QString& path)
{
    struct stat info {};
    if (::stat(filename::toNative(path).constData(), &info) != 0) return {};
    Stamp stamp = stampFrom(info);
    stamp.link = isSymLink(path);
    return stamp;
}

ReadResult read(const QString& path, qint64 largest)
{
    // Without O_NONBLOCK opening a pipe would wait for a writer that may never come.
    Descriptor file(
        ::open(filename::toNative(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        if (errno == ENOENT) return {};
        return failed(path, errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return failed(path, errno);
    if (!S_ISREG(info.st_mode)) return refused(ReadResult::Status::NotRegular, path, kNotRegular);
    if (info.st_size > largest) return refused(ReadResult::Status::TooLarge, path, kTooLarge);

    ReadResult result;
    result.bytes.resize(qsizetype(info.st_size) + 1);
    qsizetype total = 0;
    if (const int error = readToEnd(file.get(), result.bytes, largest, total)) return failed(path, error);
    if (total > largest) return refused(ReadResult::Status::TooLarge, path, kTooLarge);
    result.bytes.truncate(total);
    result.status = ReadResult::Status::Read;
    result.stamp = stampFrom(info);
    result.stamp.link = isSymLink(path);
    return result;
}

WriteResult replace(const QString& path, QByteArrayView bytes)
{
    const QString target = fileBehind(path);
    struct stat old {};
    const bool exists = ::stat(filename::toNative(target).constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return {target + QStringLiteral(": ") + kNotRegular};

    const QFileInfo info(target);
    removeLeftTemporaries(info.absolutePath(), info.fileName());
    QString temporary;
    Descriptor file(createTemporary(info.absolutePath(), info.fileName(), temporary));
    if (file.get() < 0) return {systemErrorText(target, errno)};
    // Filling closes the file; the lock stays on this copy of the descriptor until the file is in place.
    const Descriptor lock(::dup(file.get()));
    int error = lock.get() < 0 ? errno : fill(file, bytes, exists ? &old : nullptr);
    // The rename changes no size and no modification time: the new file's stamp is known before.
    struct stat written {};
    if (error == 0 && ::fstat(lock.get(), &written) != 0) error = errno;
    if (error == 0 &&
        ::rename(filename::toNative(temporary).constData(), filename::toNative(target).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(filename::toNative(temporary).constData());
        return {systemErrorText(target, error)};
    }
    syncFolder(info.absolutePath());
    Stamp stamp = stampFrom(written);
    stamp.link = isSymLink(path);
    return {{}, true, stamp};
}

WriteResult replaceIfDifferent(const QString& path, QByteArrayView bytes)
{
    const ReadResult existing = read(path, bytes.size());
    if (existing.status == ReadResult::Status::Read && existing.bytes == bytes) return {};
    return replace(path, bytes);
}

}  // namespace platform::wholefile
