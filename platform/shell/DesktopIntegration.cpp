#include "platform/shell/DesktopIntegration.h"

#include "platform/shell/DesktopFile.h"
#include "platform/shell/ProcessLauncher.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

namespace platform {
namespace {

const QString kMimeNamespace = QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");

// shared-mime-info reads a string match with C escapes; printable ASCII stands for itself.
QString magicValue(const QByteArray& bytes)
{
    QString out;
    for (char byte : bytes) {
        const auto code = static_cast<quint8>(byte);
        if (code > 0x20 && code < 0x7F && byte != '\\') {
            out += QChar(code);
        } else {
            out += QStringLiteral("\\x%1").arg(uint(code), 2, 16, QChar(u'0'));
        }
    }
    return out;
}

void writeMimeType(QXmlStreamWriter& xml, const DesktopFileType& type)
{
    xml.writeStartElement(QStringLiteral("mime-type"));
    xml.writeAttribute(QStringLiteral("type"), type.mimeType);
    xml.writeTextElement(QStringLiteral("comment"), type.comment);
    xml.writeEmptyElement(QStringLiteral("glob"));
    xml.writeAttribute(QStringLiteral("pattern"), type.glob);
    if (!type.magic.isEmpty()) {
        xml.writeStartElement(QStringLiteral("magic"));
        xml.writeAttribute(QStringLiteral("priority"), QStringLiteral("50"));
        xml.writeEmptyElement(QStringLiteral("match"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("string"));
        xml.writeAttribute(QStringLiteral("offset"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("value"), magicValue(type.magic));
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

}  // namespace

DesktopIntegration::DesktopIntegration(QString dataHome) : m_dataHome(std::move(dataHome)) {}

QString DesktopIntegration::iconName(const QString& mimeType)
{
    return QString(mimeType).replace(u'/', u'-');
}

QByteArray DesktopIntegration::desktopEntry(const DesktopProgram& program)
{
    QString mimeTypes;
    for (const DesktopFileType& type : program.fileTypes) {
        if (type.openedByProgram) mimeTypes += type.mimeType + u';';
    }
    const QString exec = desktopfile::quotedExecArgument(program.executable) + QStringLiteral(" %f");
    const QStringList lines = {
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + desktopfile::escapedValue(program.name),
        QStringLiteral("Exec=") + desktopfile::escapedValue(exec),
        QStringLiteral("Icon=") + desktopfile::escapedValue(program.id),
        QStringLiteral("Terminal=false"),
        QStringLiteral("Categories=Office;"),
        // On X11 the taskbar finds the entry of a window by its class, which Qt takes from the application's
        // name; the desktop file name set on the application reaches only Wayland's.
        QStringLiteral("StartupWMClass=") + desktopfile::escapedValue(program.name),
        QStringLiteral("MimeType=") + mimeTypes,
    };
    return (lines.join(u'\n') + u'\n').toUtf8();
}

QByteArray DesktopIntegration::mimePackage(const DesktopProgram& program)
{
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(kMimeNamespace);
    xml.writeStartElement(kMimeNamespace, QStringLiteral("mime-info"));
    for (const DesktopFileType& type : program.fileTypes) writeMimeType(xml, type);
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

wholefile::WriteResult DesktopIntegration::writeIfChanged(const QString& relativePath,
                                                          const QByteArray& contents) const
{
    const QString path = m_dataHome + u'/' + relativePath;
    // A folder that cannot be made makes the write fail, which says why.
    QDir().mkpath(QFileInfo(path).path());
    return wholefile::replaceIfDifferent(path, contents);
}

wholefile::WriteResult DesktopIntegration::registerProgram(const DesktopProgram& program) const
{
    QList<wholefile::WriteResult> results = {writeIfChanged(programIconPath(program), program.iconSvg)};
    for (const DesktopFileType& type : program.fileTypes)
        results.append(writeIfChanged(typeIconPath(type), type.iconSvg));
    const wholefile::WriteResult package = writeIfChanged(packagePath(program), mimePackage(program));
    const wholefile::WriteResult entry = writeIfChanged(entryPath(program), desktopEntry(program));
    refreshCaches(package.wrote, entry.wrote);
    results << package << entry;
    QStringList errors;
    for (const wholefile::WriteResult& result : results) {
        if (!result.ok()) errors.append(result.error);
    }
    return {errors.join(u'\n')};
}

QStringList DesktopIntegration::unregisterProgram(const DesktopProgram& program) const
{
    QStringList notRemoved;
    const auto remove = [&](const QString& relativePath) {
        QFile file(m_dataHome + u'/' + relativePath);
        if (!file.exists()) return false;
        if (file.remove()) return true;
        notRemoved.append(file.fileName() + QStringLiteral(": ") + file.errorString());
        return false;
    };
    remove(programIconPath(program));
    for (const DesktopFileType& type : program.fileTypes) remove(typeIconPath(type));
    const bool package = remove(packagePath(program));
    const bool entry = remove(entryPath(program));
    refreshCaches(package, entry);
    return notRemoved;
}

QString DesktopIntegration::programIconPath(const DesktopProgram& program)
{
    return QStringLiteral("icons/hicolor/scalable/apps/") + program.id + QStringLiteral(".svg");
}

QString DesktopIntegration::typeIconPath(const DesktopFileType& type)
{
    return QStringLiteral("icons/hicolor/scalable/mimetypes/") + iconName(type.mimeType) +
           QStringLiteral(".svg");
}

QString DesktopIntegration::packagePath(const DesktopProgram& program)
{
    return QStringLiteral("mime/packages/") + program.id + QStringLiteral(".xml");
}

QString DesktopIntegration::entryPath(const DesktopProgram& program)
{
    return QStringLiteral("applications/") + program.id + QStringLiteral(".desktop");
}

void DesktopIntegration::refreshCaches(bool mimeTypes, bool programs) const
{
    // The desktop reads compiled caches, not the files themselves; the tools that build them may be missing.
    if (mimeTypes) {
        ProcessLauncher::startDetached(QStringLiteral("update-mime-database"),
                                       {m_dataHome + QStringLiteral("/mime")});
    }
    if (programs) {
        ProcessLauncher::startDetached(QStringLiteral("update-desktop-database"),
                                       {m_dataHome + QStringLiteral("/applications")});
    }
}

}  // namespace platform
