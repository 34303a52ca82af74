#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// Whole files read and written as the program's own files must be: a read opens only a regular file
// (never waits on a pipe, never reads a device without end) and never takes more than its limit; a write
// replaces the file whole or leaves it as it was, and says so.
namespace wholefile {

// What the file system says of a path: enough to tell that the file was replaced or changed since.
struct Stamp {
    enum class Kind { Missing, Regular, Other };
    Kind kind = Kind::Missing;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    bool link = false;  // whether the path itself is a symbolic link to the file

    bool operator==(const Stamp&) const = default;
    // Whether `later` shows the same file with the same contents: not another file, nor a link where
    // there was none, of the same size and modified at the same moment. The status-change time is left
    // out: a change of permissions or of the number of links changes no contents.
    bool unchangedIn(const Stamp& later) const;
};

// The stat of the path, following a symbolic link.
Stamp stampOf(const QString& path);

// The file that a write to `path` replaces: the target of a symbolic link, else the path itself; absolute.
QString fileBehind(const QString& path);

// Whether a file at `path` is there that this user may not write.
bool isReadOnly(const QString& path);

struct ReadResult {
    enum class Status { Read, Missing, NotRegular, TooLarge, Failed };
    Status status = Status::Missing;
    QByteArray bytes;
    Stamp stamp;    // of the file that was read
    QString error;  // why it was not read, for a person; empty when read or missing
};

// The whole file in one read of its size, unless it holds more than `largest` bytes.
ReadResult read(const QString& path, qint64 largest);

struct WriteResult {
    QString error;       // why the file could not be written, for a person; empty when it was
    bool wrote = false;  // whether the file was replaced
    Stamp stamp = {};    // of the file written, as seen through the path given

    bool ok() const { return error.isEmpty(); }
};

// Writes `bytes` to a new file beside `path`, flushes it to the disk and only then puts it in the place of
// the old one. Every step is checked, so a full disk or a file-size limit leaves the old file whole. A
// symbolic link keeps pointing to the file it names, which is the one replaced; the old file's permissions
// are kept. A path that names anything but a regular file is refused. Copies that a writer killed on the way
// left beside the file are removed at the next write; those of writers still at work are left alone.
WriteResult replace(const QString& path, QByteArrayView bytes);

// As replace, but a file that already holds `bytes` is left alone, so that a start that changes nothing
// writes nothing. The comparison reads at most the size of `bytes`.
WriteResult replaceIfDifferent(const QString& path, QByteArrayView bytes);

}  // namespace wholefile
}  // namespace platform
