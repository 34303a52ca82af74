#pragma once

#include "platform/file/WholeFile.h"
#include "platform/shell/SystemInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace platform {

// A file type the desktop is told about.
struct DesktopFileType {
    QString mimeType;      // "application/x-..."
    QString comment;       // what file managers call such a file
    QString glob;          // "*.ext"; matched without regard to case
    QByteArray magic;      // the bytes every such file starts with; empty when there are none
    QByteArray iconSvg;    // the type's icon
    bool openedByProgram;  // the program's desktop entry offers to open it
};

// The program as the desktop shall know it.
struct DesktopProgram {
    QString id;          // names the desktop entry, the MIME package and the program's icon
    QString name;        // also the class of its windows
    QString executable;  // full path
    QByteArray iconSvg;
    QList<DesktopFileType> fileTypes;
};

// Registers a program and its file types with the desktop for one user: a desktop entry, a shared-mime-info
// package (types by extension and by the bytes at the start of a file) and scalable icons, all below the
// user's data folder. A file is written only when its contents change, and the desktop's MIME and
// application caches are refreshed only then, so a start that changes nothing writes nothing. The same files
// are removed again when the program is unregistered.
class DesktopIntegration {
public:
    explicit DesktopIntegration(QString dataHome = systeminfo::dataHome());

    // Best effort: what could be written stays written; the result names the files that could not be.
    wholefile::WriteResult registerProgram(const DesktopProgram& program) const;
    // Removes what registerProgram writes for the program; the files that could not be removed, with why.
    QStringList unregisterProgram(const DesktopProgram& program) const;

    static QByteArray desktopEntry(const DesktopProgram& program);
    static QByteArray mimePackage(const DesktopProgram& program);
    // The icon name the desktop looks up for a MIME type: "application/x-a" gives "application-x-a".
    static QString iconName(const QString& mimeType);

private:
    // Below the data folder.
    static QString programIconPath(const DesktopProgram& program);
    static QString typeIconPath(const DesktopFileType& type);
    static QString packagePath(const DesktopProgram& program);
    static QString entryPath(const DesktopProgram& program);

    wholefile::WriteResult writeIfChanged(const QString& relativePath, const QByteArray& contents) const;
    void refreshCaches(bool mimeTypes, bool programs) const;

    QString m_dataHome;
};

}  // namespace platform
