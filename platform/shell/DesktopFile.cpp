#include "platform/shell/DesktopFile.h"

#include <QStringList>

namespace platform::desktopfile {
namespace {

// The escapes of a value: "\s" is a blank, "\n" a line feed and so on; any other escaped character
// stands for itself.
const QString kEscapeLetters = QStringLiteral("sntr\\");
const QString kEscapedCharacters = QStringLiteral(" \n\t\r\\");

QString unescaped(QStringView text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const qsizetype escape = kEscapeLetters.indexOf(text[++i]);
        out += escape >= 0 ? kEscapedCharacters[escape] : text[i];
    }
    return out;
}

}  // namespace

QString value(QByteArrayView content, QStringView group, QStringView key)
{
    bool inGroup = false;
    for (const QString& rawLine : QString::fromUtf8(content).split(u'\n')) {
        const QStringView line = QStringView(rawLine).trimmed();
        if (line.startsWith(u'[')) {
            inGroup = line == QString(u'[' + group.toString() + u']');
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inGroup && equals > 0 && line.first(equals).trimmed() == key) {
            return unescaped(line.sliced(equals + 1).trimmed());
        }
    }
    return {};
}

QString execProgram(QStringView exec)
{
    exec = exec.trimmed();
    QString program;
    if (!exec.startsWith(u'"')) {
        program = exec.first(exec.contains(u' ') ? exec.indexOf(u' ') : exec.size()).toString();
    } else {
        qsizetype i = 1;
        for (; i < exec.size() && exec[i] != u'"'; ++i) {
            if (exec[i] == u'\\' && i + 1 < exec.size()) ++i;
            program += exec[i];
        }
        if (i == exec.size()) return {};  // the quote is never closed
    }
    return program.replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QString quotedExecArgument(QStringView argument)
{
    QString out(u'"');
    for (QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') out += u'\\';
        out += c;
        // A percent sign would start a field code.
        if (c == u'%') out += u'%';
    }
    return out + u'"';
}

QString escapedValue(QStringView text)
{
    QString out;
    for (QChar c : text) {
        // A blank needs no escape in a value.
        const qsizetype escape = c == u' ' ? -1 : kEscapedCharacters.indexOf(c);
        if (escape >= 0) out += u'\\';
        out += escape >= 0 ? kEscapeLetters[escape] : c;
    }
    return out;
}

}  // namespace platform::desktopfile
