#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// Code page 1252, the 8-bit code page of Western European Windows. On this machine it also stands for the
// thread's ANSI code page: old form files and every 8-bit text the program exchanges come from German
// Windows.
namespace codepage1252 {

// Every byte has a character; the five bytes that 1252 leaves undefined map to the C1 controls of the
// same value, as Windows does, so that decoding never loses a byte.
QString toUnicode(QByteArrayView bytes);

// A character that code page 1252 cannot represent becomes '?', one for each character (a surrogate pair
// is one character).
QByteArray fromUnicode(QStringView text);

}  // namespace codepage1252
}  // namespace platform
