#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace platform {

// The key files of the desktop (desktop entries, mimeapps.list): groups in brackets, "Key=Value" lines.
namespace desktopfile {

// The value of `key` in `group`, its escapes (\s \n \t \r \\) resolved; empty when there is none.
QString value(QByteArrayView content, QStringView group, QStringView key);

// The program of an Exec line: its first argument, unquoted.
QString execProgram(QStringView exec);

// An argument for an Exec line, always quoted, so that blanks and shell characters stay part of it.
QString quotedExecArgument(QStringView argument);

// A text as the value of a key: backslashes and line breaks escaped.
QString escapedValue(QStringView text);

}  // namespace desktopfile
}  // namespace platform
