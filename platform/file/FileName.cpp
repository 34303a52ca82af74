#include "platform/file/FileName.h"

#include <QDir>
#include <cstdlib>

namespace platform::filename {
namespace {

constexpr char16_t kFirstKeptByte = 0xDC80;
constexpr char16_t kLastKeptByte = 0xDCFF;

// The length of the well-formed UTF-8 sequence that `bytes` begins with, 0 when it begins with none. Overlong
// forms, surrogates and code points beyond U+10FFFF are not well-formed.
qsizetype sequenceLength(QByteArrayView bytes)
{
    const auto byte = [bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    unsigned char lowest = 0x80;  // the range of the second byte
    unsigned char highest = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) lowest = 0xA0;
        if (lead == 0xED) highest = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) lowest = 0x90;
        if (lead == 0xF4) highest = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < lowest || byte(1) > highest) return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

QString fromNative(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    while (!bytes.isEmpty()) {
        const qsizetype length = sequenceLength(bytes);
        if (length == 0) {
            name.append(QChar(char16_t(kFirstKeptByte - 0x80 + static_cast<unsigned char>(bytes[0]))));
            bytes = bytes.sliced(1);
        } else {
            name.append(QString::fromUtf8(bytes.first(length)));
            bytes = bytes.sliced(length);
        }
    }
    return name;
}

QByteArray toNative(QStringView name)
{
    QByteArray bytes;
    qsizetype done = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        const bool keptByte = unit >= kFirstKeptByte && unit <= kLastKeptByte &&
                              (i == 0 || !QChar::isHighSurrogate(name[i - 1].unicode()));
        if (!keptByte) continue;
        bytes += name.sliced(done, i - done).toUtf8();
        bytes += char(unit - kFirstKeptByte + 0x80);
        done = i + 1;
    }
    bytes += name.sliced(done).toUtf8();
    return bytes;
}

QString absolute(const QString& path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString canonical(const QString& path)
{
    char* resolved = ::realpath(toNative(path).constData(), nullptr);
    if (!resolved) return {};
    const QString name = fromNative(resolved);
    std::free(resolved);
    return name;
}

}  // namespace platform::filename
