#include "app/CRegeditManagment.h"

#include "app/CQELWinAppEx.h"
#include "app/ShellFileTypes.h"
#include "platform/codepage/CodePage1252.h"
#include "platform/dialog/UiService.h"
#include "platform/file/WholeFile.h"
#include "platform/shell/DesktopIntegration.h"
#include "platform/shell/SystemInfo.h"
#include "version.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

using platform::RegistryHive;

namespace {

// Each part of the version has eight bits of the version number; a larger part would spill into the next.
static_assert(kz::kVersionMajor >= 0 && kz::kVersionMajor <= 255, "the major version must fit in 8 bits");
static_assert(kz::kVersionMinor >= 0 && kz::kVersionMinor <= 255, "the minor version must fit in 8 bits");
static_assert(kz::kVersionPatch >= 0 && kz::kVersionPatch <= 255, "the build number must fit in 8 bits");
constexpr quint32 kProgramVersion = (kz::kVersionMajor << 16) | (kz::kVersionMinor << 8) | kz::kVersionPatch;

constexpr QStringView kAppPathsKey = u"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr QStringView kFileVersion = u"FileVersion";

QByteArray resource(QStringView path)
{
    QFile file(path.toString());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isOwnFileTypeId(QStringView fileTypeId)
{
    return std::any_of(kShellFileTypes.begin(), kShellFileTypes.end(), [&](const ShellFileType& type) {
        return !fileTypeId.isEmpty() && type.fileTypeId.compare(fileTypeId, Qt::CaseInsensitive) == 0;
    });
}

}  // namespace

CRegeditManagment::CRegeditManagment(QString registryFolder)
    : m_strSystemRoot(platform::systeminfo::dataHome() + u'/' + CQELWinAppEx::kProgramId.toString()),
      m_registry(std::move(registryFolder))
{
}

void CRegeditManagment::RegisterApplication(const CQELWinAppEx& app, const char* creationDate)
{
    Initialize(app.exeName(), app.exePath(), creationDate, kProgramVersion);
}

void CRegeditManagment::Initialize(const QString& exeName, const QString& exePath, const char* creationDate,
                                   quint32 version)
{
    m_strExeName = exeName;
    m_strExePath = exePath;
    m_strCreationDate = platform::codepage1252::toUnicode(creationDate);
    SetVersion(version);
    WriteAppKeys();
    m_bInitialized = true;
}

void CRegeditManagment::SetVersion(quint32 version)
{
    m_dwVersion = version;
    m_wVersionHigh = version >> 24;
    m_wVersionMajor = (version >> 16) & 0xFF;
    m_wVersionMinor = (version >> 8) & 0xFF;
    m_wVersionBuild = version & 0xFF;
}

QString CRegeditManagment::GetVersionString() const
{
    return QString::asprintf("%d.%02d.%03d", m_wVersionMajor, m_wVersionMinor, m_wVersionBuild);
}

bool CRegeditManagment::requireInitialized() const
{
    if (m_bInitialized) return true;
    platform::UiService::instance().messageBox(
        {CQELWinAppEx::kAppName.toString(), QStringLiteral("CRegeditManagment-Error")});
    return false;
}

void CRegeditManagment::WriteAppKeys()
{
    const QString appKey = QStringLiteral("SOFTWARE\\") + m_strCompanyKey + u'\\' + m_strExeName;
    const QString folder = GetProgramDirectory();
    m_registry.writeString(RegistryHive::LocalMachine, appKey, u"CreationDate", m_strCreationDate);
    m_registry.writeDword(RegistryHive::LocalMachine, appKey, u"Version", m_dwVersion);
    m_registry.writeDword(RegistryHive::CurrentUser, appKey, u"Version", m_dwVersion);
    m_registry.writeString(RegistryHive::CurrentUser, appKey, u"Path", folder);
    m_registry.writeDword(RegistryHive::LocalMachine, appKey, u"Version", m_dwVersion);
    m_registry.writeString(RegistryHive::LocalMachine, appKey, u"Path", folder);
}

void CRegeditManagment::RegisterAppPath()
{
    const QString key = kAppPathsKey.toString() + u'\\' + QFileInfo(m_strExePath).fileName();
    m_registry.writeString(RegistryHive::LocalMachine, key, {}, m_strExePath);
    m_registry.writeString(RegistryHive::LocalMachine, key, u"Path", GetProgramDirectory() + u';');
}

void CRegeditManagment::RegisterFileTypes(int firstIconNumber, QByteArrayView shellNewData)
{
    RegisterAppPath();
    WriteAppKeys();
    RegisterDefaultIcons(firstIconNumber);
    // Without data of its own the template is a zero value of the four bytes it is registered with.
    const QByteArray zero(4, '\0');
    RegisterShellNew(shellNewData.isEmpty() ? QByteArrayView(zero) : shellNewData);
    RegisterOpenCommand();
    RegisterWithDesktop();
}

void CRegeditManagment::RegisterDefaultIcons(int firstIconNumber)
{
    int iconNumber = firstIconNumber;
    for (const ShellFileType& type : kShellFileTypes) {
        if (!type.hasTemplate) continue;
        const QString key = type.fileTypeId.toString() + QStringLiteral("\\DefaultIcon");
        const QString icon = m_strExePath + u',' + QString::number(iconNumber);
        if (m_registry.writeString(RegistryHive::ClassesRoot, key, {}, icon)) ++iconNumber;
    }
}

void CRegeditManagment::RegisterShellNew(QByteArrayView data)
{
    const ShellFileType& first = kShellFileTypes.front();
    CreateShellNewFile(first.docName.toString() + first.extension.toString(), data);
}

void CRegeditManagment::CreateShellNewFile(const QString& fileName, QByteArrayView data)
{
    const QString extension = fileName.sliced(std::max<qsizetype>(fileName.lastIndexOf(u'.'), 0)).toLower();
    const QString folder = m_strSystemRoot + QStringLiteral("/ShellNew");
    const QString path = folder + u'/' + fileName;
    QDir().mkpath(folder);
    const platform::wholefile::WriteResult written = platform::wholefile::replaceIfDifferent(path, data);
    if (!written.ok()) {
        qWarning().noquote() << "The new-file template could not be written:" << written.error;
        return;
    }
    const QString key = extension + QStringLiteral("\\ShellNew");
    m_registry.writeString(RegistryHive::ClassesRoot, key, u"FileName", path);
    m_registry.deleteValue(RegistryHive::ClassesRoot, key, u"NullFile");
}

void CRegeditManagment::RegisterOpenCommand()
{
    // Both quoted: a blank in the program's path never splits it, and a file name is one argument.
    const QString command = u'"' + m_strExePath + QStringLiteral("\" \"%1\"");
    for (const ShellFileType& type : kShellFileTypes) {
        if (!type.hasTemplate) continue;
        const QString open = type.fileTypeId.toString() + QStringLiteral("\\shell\\open");
        if (!m_registry.writeString(RegistryHive::ClassesRoot, open + QStringLiteral("\\command"), {},
                                    command))
            continue;
        m_registry.deleteTree(RegistryHive::ClassesRoot, open + QStringLiteral("\\ddeexec"));
    }
}

void CRegeditManagment::registerFileClasses()
{
    for (const ShellFileType& type : kShellFileTypes) {
        if (!type.hasTemplate) continue;
        const QString extension = type.extension.toString().toLower();
        const std::optional<QString> holder = m_registry.readString(RegistryHive::ClassesRoot, extension, {});
        if (holder && !holder->isEmpty() && !isOwnFileTypeId(*holder)) continue;
        m_registry.writeString(RegistryHive::ClassesRoot, extension, {}, type.fileTypeId);
        m_registry.writeString(RegistryHive::ClassesRoot, type.fileTypeId, {}, type.fileTypeName);
    }
}

void CRegeditManagment::SetFileTypeVersion(QStringView extension, quint32 version)
{
    m_registry.writeDword(RegistryHive::ClassesRoot, extension.toString().toLower(), kFileVersion, version);
}

void CRegeditManagment::CheckFileTypeVersion(QStringView extension, quint32 version)
{
    if (!requireInitialized() || extension.size() < 4) return;
    if (!m_registry.keyExists(RegistryHive::ClassesRoot, extension)) return;
    const QString fileTypeId =
        m_registry.readString(RegistryHive::ClassesRoot, extension, {}).value_or(QString());
    const std::optional<quint32> marked =
        m_registry.readDword(RegistryHive::ClassesRoot, extension, kFileVersion);
    // Only a registration under one of our own classes is ours to clear; another program's stays.
    if ((!marked || *marked < version) && isOwnFileTypeId(fileTypeId)) {
        m_registry.deleteTree(RegistryHive::ClassesRoot, extension);
        m_registry.deleteTree(RegistryHive::ClassesRoot, fileTypeId);
    }
    SetFileTypeVersion(extension, version);
}

QString CRegeditManagment::GetProgramDirectory() const
{
    return m_strExePath.isEmpty() ? QString() : QFileInfo(m_strExePath).absolutePath();
}

bool CRegeditManagment::ReadUserName(QString& out) const
{
    out = platform::systeminfo::userName().value_or(QString());
    return !out.isEmpty();
}

bool CRegeditManagment::ReadComputerName(QString& out) const
{
    out = platform::systeminfo::computerName().value_or(QString());
    return !out.isEmpty();
}

QString CRegeditManagment::GetDataDirectory(bool create) const
{
    const std::optional<QString> documents = platform::systeminfo::documentsFolder();
    if (!documents || (create && !QDir().mkpath(*documents))) {
        platform::UiService::instance().messageBox(
            {CQELWinAppEx::kAppName.toString(), QStringLiteral("Fehler, keine Datenpfad")});
        return {};
    }
    return *documents + u'/' + m_strExeName;
}

QString CRegeditManagment::GetDataDirectoryWithBackslash() const
{
    const QString folder = GetDataDirectory(false);
    // Without a folder the result stays empty rather than becoming the root folder.
    return folder.isEmpty() || folder.endsWith(u'/') ? folder : folder + u'/';
}

void CRegeditManagment::RegisterWithDesktop() const
{
    // Without the program's path there is nothing the desktop could start.
    if (!m_bInitialized) return;
    platform::DesktopProgram program{CQELWinAppEx::kProgramId.toString(),
                                     CQELWinAppEx::kAppName.toString(),
                                     m_strExePath,
                                     resource(u":/icons/kalvenport-zuzaza.svg"),
                                     {}};
    for (const ShellFileType& type : kShellFileTypes) {
        program.fileTypes.append({type.mimeType.toString(), type.fileTypeName.toString(),
                                  u'*' + type.extension.toString().toLower(), type.magic.toByteArray(),
                                  resource(type.icon), type.hasTemplate});
    }
    const platform::wholefile::WriteResult registered =
        platform::DesktopIntegration().registerProgram(program);
    if (!registered.ok())
        qWarning().noquote() << "The desktop does not know every file of the program:" << registered.error;
}
