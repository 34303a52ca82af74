#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// Turns the program's UTF-16 text into 8-bit text of code page 1252 for the places that take 8-bit strings,
// the browser's command line above all. Typographic dashes, quotes and the euro sign are folded to plain
// characters; every other character above U+00FF becomes the byte 0xA5. A derived class may replace the
// folding. Texts longer than kLongestText characters are refused, which is not the same as an empty text.
class Calculate2 {
public:
    static constexpr qsizetype kLongestText = 9900;

    virtual ~Calculate2() = default;

    // The low byte of every code unit.
    virtual QByteArray NarrowCopy(QStringView text);
    // The 8-bit text up to its first zero byte, or nothing when the text is too long.
    virtual std::optional<QByteArray> ToCodePage1252(QStringView text);
    // ToCodePage1252 with the standard folding, for callers without an object.
    static std::optional<QByteArray> ToCodePage1252Static(QStringView text);
    // Code points below 256 unchanged, dashes to '-', quotes to ' and ", the euro sign to 'E', else 0xA5.
    virtual int FoldCodePoint(int codePoint);
    // WidenCopy of bytes, or nothing when there are more than kLongestText of them.
    virtual std::optional<QString> FromNarrow(QByteArrayView bytes);
    // Every byte up to the first zero byte as the code unit of the same value.
    virtual QString WidenCopy(QByteArrayView bytes);
};
