#include "platform/shell/DefaultBrowser.h"

#include "platform/shell/DesktopFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace platform {
namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(1024 * 1024) : QByteArray();
}

// In the order the XDG MIME applications rules give: desktop-specific lists before the general one, the
// user's configuration before the system's, configuration folders before data folders.
QStringList mimeappsLists()
{
    const QStringList desktops =
        qEnvironmentVariable("XDG_CURRENT_DESKTOP").toLower().split(u':', Qt::SkipEmptyParts);
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation) +
                                QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
    QStringList lists;
    for (const QString& folder : folders) {
        for (const QString& desktop : desktops)
            lists.append(folder + u'/' + desktop + QStringLiteral("-mimeapps.list"));
        lists.append(folder + QStringLiteral("/mimeapps.list"));
    }
    return lists;
}

QString installedDesktopFile(const QString& id)
{
    for (const QString& folder : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        const QString path = folder + u'/' + id;
        if (QFileInfo(path).isFile()) return path;
    }
    return {};
}

QString executable(const QString& program)
{
    if (program.isEmpty()) return {};
    if (QFileInfo(program).isAbsolute()) return QFileInfo(program).isExecutable() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

QString programOfApplication(const QString& id)
{
    const QString desktopFile = installedDesktopFile(id);
    if (desktopFile.isEmpty()) return {};
    return executable(
        desktopfile::execProgram(desktopfile::value(contentsOf(desktopFile), u"Desktop Entry", u"Exec")));
}

QString defaultProgramFor(QStringView mimeType, const QStringList& lists)
{
    for (const QString& list : lists) {
        const QString ids = desktopfile::value(contentsOf(list), u"Default Applications", mimeType);
        for (const QString& id : ids.split(u';', Qt::SkipEmptyParts)) {
            const QString program = programOfApplication(id.trimmed());
            if (!program.isEmpty()) return program;
        }
    }
    return {};
}

}  // namespace

std::optional<QString> defaultBrowserProgram()
{
    const QStringList lists = mimeappsLists();
    for (QStringView mimeType : {u"text/html", u"x-scheme-handler/http"}) {
        const QString program = defaultProgramFor(mimeType, lists);
        if (!program.isEmpty()) return program;
    }
    const QString debianDefault = QStandardPaths::findExecutable(QStringLiteral("x-www-browser"));
    if (!debianDefault.isEmpty()) return debianDefault;
    return std::nullopt;
}

}  // namespace platform
