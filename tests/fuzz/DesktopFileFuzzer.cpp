// libFuzzer target: any bytes read as a desktop entry and as a mimeapps.list, for the values the search for
// the web browser takes from them; and any text as the program's path in the desktop entry the program
// writes for itself, whose Exec line must name that program again.
#include "platform/shell/DesktopFile.h"
#include "platform/shell/DesktopIntegration.h"
#include "tests/fuzz/FuzzInput.h"

#include <QStringList>

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes = fuzzinput::bytes(data, size);
    const QString exec = desktopfile::value(bytes, u"Desktop Entry", u"Exec");
    fuzzinput::require(desktopfile::execProgram(exec).size() <= exec.size(), "the program is part of Exec");
    // The lists of applications, read under the sanitizers as the search for the browser reads them.
    QStringList ids;
    for (const QStringView mimeType : {u"text/html", u"x-scheme-handler/http"})
        ids += desktopfile::value(bytes, u"Default Applications", mimeType).split(u';', Qt::SkipEmptyParts);

    // A path comes from the file system as UTF-8; what cannot be UTF-16 never names a file.
    const QString path = QString::fromUtf8(bytes);
    if (!path.isValidUtf16()) return 0;
    DesktopProgram program;
    program.executable = path;
    const QByteArray entry = DesktopIntegration::desktopEntry(program);
    fuzzinput::require(desktopfile::execProgram(desktopfile::value(entry, u"Desktop Entry", u"Exec")) == path,
                       "the desktop entry starts the program it was written for");
    return 0;
}
