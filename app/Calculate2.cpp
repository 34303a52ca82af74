#include "app/Calculate2.h"

#include "platform/codepage/CodePage1252.h"

QByteArray Calculate2::NarrowCopy(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) bytes[i] = static_cast<char>(text[i].unicode() & 0xFF);
    return bytes;
}

std::optional<QByteArray> Calculate2::ToCodePage1252(QStringView text)
{
    if (text.size() > kLongestText) return std::nullopt;

    // Through code page 1252 and back: what 1252 cannot hold becomes '?', and its bytes 0x80 to 0x9F come
    // back as their code points above U+00FF, which the folding then handles.
    const QString roundTrip = platform::codepage1252::toUnicode(platform::codepage1252::fromUnicode(text));
    QByteArray bytes;
    bytes.reserve(roundTrip.size());
    for (const QChar unit : roundTrip) {
        int codePoint = unit.unicode();
        if (codePoint > 0xFF) codePoint = FoldCodePoint(codePoint);
        const char byte = static_cast<char>(codePoint & 0xFF);
        if (byte == '\0') break;  // the text ends at its first zero byte, as a C string does
        bytes.append(byte);
    }
    return bytes;
}

std::optional<QByteArray> Calculate2::ToCodePage1252Static(QStringView text)
{
    return Calculate2().ToCodePage1252(text);
}

int Calculate2::FoldCodePoint(int codePoint)
{
    if (codePoint < 0x100) return codePoint;
    switch (codePoint) {
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2015:  // figure dash, en dash, em dash, horizontal bar
            return '-';
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x201B:  // single quotation marks
            return '\'';
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x201F:  // double quotation marks
        case 0x2033:
        case 0x2034:  // double and triple prime
            return '"';
        case 0x20AC:  // euro sign
            return 'E';
        default:
            return 0xA5;
    }
}

std::optional<QString> Calculate2::FromNarrow(QByteArrayView bytes)
{
    if (bytes.size() > kLongestText) return std::nullopt;
    return WidenCopy(bytes);
}

QString Calculate2::WidenCopy(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return QString::fromLatin1(end < 0 ? bytes : bytes.first(end));
}
