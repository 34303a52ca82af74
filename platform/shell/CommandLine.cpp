#include "platform/shell/CommandLine.h"

#include "platform/file/FileName.h"
#include "platform/shell/ProcessLauncher.h"

namespace platform::commandline {

QStringList split(QStringView commandLine)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    qsizetype backslashes = 0;
    for (const QChar c : commandLine) {
        if (c == u'\\') {
            ++backslashes;
            inArgument = true;
            continue;
        }
        if (c == u'"') {
            current += QString(backslashes / 2, u'\\');
            if (backslashes % 2 == 1) {
                current += u'"';
            } else {
                quoted = !quoted;
            }
            backslashes = 0;
            inArgument = true;
            continue;
        }
        current += QString(backslashes, u'\\');
        backslashes = 0;
        if ((c == u' ' || c == u'\t') && !quoted) {
            if (inArgument) arguments.append(current);
            current.clear();
            inArgument = false;
            continue;
        }
        current += c;
        inArgument = true;
    }
    current += QString(backslashes, u'\\');
    if (inArgument) arguments.append(current);
    return arguments;
}

bool start(QStringView commandLine)
{
    const QStringList arguments = split(commandLine);
    if (arguments.isEmpty() || arguments.constFirst().isEmpty()) return false;
    return ProcessLauncher::startDetached(arguments.constFirst(), arguments.mid(1));
}

QStringList arguments(int argc, const char* const* argv)
{
    QStringList result;
    for (int i = 1; i < argc; ++i) result.append(filename::fromNative(argv[i]));
    return result;
}

}  // namespace platform::commandline
