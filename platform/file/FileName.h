#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// File names as the system keeps them: bytes, mostly UTF-8. Qt turns a byte that is not UTF-8 into a
// replacement character, which names another file (or none) on the way back. Here such a byte is kept in
// the text as a lone low surrogate U+DC80..U+DCFF, which no valid name contains, and turned back into the
// same byte: every name the system gives opens again.
namespace filename {

QString fromNative(QByteArrayView bytes);
QByteArray toNative(QStringView name);

// The path made absolute against the current folder and cleaned of "." and "..", as
// QFileInfo::absoluteFilePath() makes it, which would turn every kept byte of a relative path into a
// replacement character.
QString absolute(const QString& path);

// The path with every symbolic link followed and "." and ".." cleaned: one name for one file, however it was
// reached. Empty when there is no such file. QFileInfo::canonicalFilePath() finds no file whose name has a
// kept byte.
QString canonical(const QString& path);

}  // namespace filename
}  // namespace platform
