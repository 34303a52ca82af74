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
// Where the system keeps whom the machine is registered to.
constexpr QStringView kSystemOwnerKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr QStringView kFileVersion = u"FileVersion";
constexpr QStringView kOwner = u"RegisteredOwner";
constexpr QStringView kOrganisation = u"RegisteredOrganization";

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
    m_strHelpPath = exePath;
    m_strCreationDate = platform::codepage1252::toUnicode(creationDate);
    SetVersion(version);
    WriteAppKeys();
    m_bInitialized = true;
}

void CRegeditManagment::InitializeForApp(const CQELWinAppEx& app, const char* creationDate, quint32 version)
{
    m_strCompanyKey = app.registryKey();
    Initialize(app.exeName(), app.exePath(), creationDate, version);
}

void CRegeditManagment::SetExeName(QStringView exeName)
{
    m_strExeName = exeName.toString();
}

void CRegeditManagment::SetHelpPath(QStringView helpPath)
{
    m_strHelpPath = helpPath.toString();
}

void CRegeditManagment::SetCreationDate(QStringView creationDate)
{
    m_strCreationDate = creationDate.toString();
}

void CRegeditManagment::SetCompanyKey(QStringView companyKey)
{
    m_strCompanyKey = companyKey.toString();
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

QString CRegeditManagment::appKey() const
{
    return QStringLiteral("SOFTWARE\\") + m_strCompanyKey + u'\\' + m_strExeName;
}

void CRegeditManagment::WriteAppKeys()
{
    const QString key = appKey();
    const QString folder = GetProgramDirectory();
    m_registry.writeString(RegistryHive::LocalMachine, key, u"CreationDate", m_strCreationDate);
    m_registry.writeDword(RegistryHive::LocalMachine, key, u"Version", m_dwVersion);
    m_registry.writeDword(RegistryHive::CurrentUser, key, u"Version", m_dwVersion);
    m_registry.writeString(RegistryHive::CurrentUser, key, u"Path", folder);
    m_registry.writeDword(RegistryHive::LocalMachine, key, u"Version", m_dwVersion);
    m_registry.writeString(RegistryHive::LocalMachine, key, u"Path", folder);
}

void CRegeditManagment::RegisterAppPath()
{
    const QString key = kAppPathsKey.toString() + u'\\' + QFileInfo(m_strExePath).fileName();
    m_registry.writeString(RegistryHive::LocalMachine, key, {}, m_strExePath);
    m_registry.writeString(RegistryHive::LocalMachine, key, u"Path", GetProgramDirectory() + u';');
}

void CRegeditManagment::RegisterApplicationKeys()
{
    RegisterAppPath();
    WriteAppKeys();
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

quint32 CRegeditManagment::GetFileTypeVersion(QStringView extension) const
{
    return m_registry.readDword(RegistryHive::ClassesRoot, extension.toString().toLower(), kFileVersion)
        .value_or(0);
}

void CRegeditManagment::UnregisterApplication(QStringView extensionWithoutDot)
{
    if (!requireInitialized()) return;
    // A key with keys below it stays: the settings, should they have the application key's name, are never
    // taken with it.
    m_registry.deleteKey(RegistryHive::CurrentUser, appKey());
    m_registry.deleteKey(RegistryHive::LocalMachine, appKey());

    const QString extension = u'.' + extensionWithoutDot.toString().toLower();
    const QString shellNew = extension + QStringLiteral("\\ShellNew");
    const QString shellNewFile =
        m_registry.readString(RegistryHive::ClassesRoot, shellNew, u"FileName").value_or(QString());
    // Only the program's own template is deleted, never a file that the registry merely names.
    const QString templateFolder = QDir::cleanPath(m_strSystemRoot + QStringLiteral("/ShellNew"));
    if (!shellNewFile.isEmpty() && QFileInfo(QDir::cleanPath(shellNewFile)).path() == templateFolder) {
        QFile::remove(shellNewFile);
        m_registry.deleteTree(RegistryHive::ClassesRoot, shellNew);
    }
    // An extension that another program's class holds stays that program's.
    const QString fileTypeId =
        m_registry.readString(RegistryHive::ClassesRoot, extension, {}).value_or(QString());
    if (fileTypeId.isEmpty() || isOwnFileTypeId(fileTypeId)) {
        if (!fileTypeId.isEmpty()) m_registry.deleteTree(RegistryHive::ClassesRoot, fileTypeId);
        m_registry.deleteTree(RegistryHive::ClassesRoot, extension);
    }

    const QStringList notRemoved = platform::DesktopIntegration().unregisterProgram(desktopProgram());
    if (!notRemoved.isEmpty())
        qWarning().noquote() << "The desktop still knows the program by:" << notRemoved.join(u'\n');
}

QString CRegeditManagment::binaryKey(QStringView section) const
{
    return appKey() + u'\\' + section.toString();
}

bool CRegeditManagment::WriteBinaryValue(QStringView section, QStringView name, QByteArrayView data)
{
    if (!requireInitialized()) return false;
    return m_registry.writeValue(RegistryHive::CurrentUser, binaryKey(section), name,
                                 {platform::RegistryValue::kBinary, data.toByteArray()});
}

std::optional<QByteArray> CRegeditManagment::ReadBinaryValue(QStringView section, QStringView name,
                                                             qsizetype size) const
{
    if (!requireInitialized()) return std::nullopt;
    const std::optional<platform::RegistryValue> value =
        m_registry.readValue(RegistryHive::CurrentUser, binaryKey(section), name);
    if (!value || value->type != platform::RegistryValue::kBinary || value->data.size() > size)
        return std::nullopt;
    return value->data;
}

bool CRegeditManagment::DeleteBinaryValue(QStringView section, QStringView name)
{
    if (!requireInitialized()) return false;
    const QString key = binaryKey(section);
    return m_registry.readValue(RegistryHive::CurrentUser, key, name) &&
           m_registry.deleteValue(RegistryHive::CurrentUser, key, name);
}

void CRegeditManagment::readOwnerValues(RegistryHive hive, const QString& key, QString& owner,
                                        QString& organisation) const
{
    owner = m_registry.readString(hive, key, kOwner).value_or(QString());
    organisation = m_registry.readString(hive, key, kOrganisation).value_or(QString());
}

void CRegeditManagment::ReadSystemOwner(QString& owner, QString& organisation) const
{
    readOwnerValues(RegistryHive::LocalMachine, kSystemOwnerKey.toString(), owner, organisation);
}

void CRegeditManagment::WriteOwner(const QString& owner, const QString& organisation)
{
    if (!requireInitialized()) return;
    platform::Registry::Batch both(m_registry);
    m_registry.writeString(RegistryHive::LocalMachine, appKey(), kOwner, owner);
    m_registry.writeString(RegistryHive::LocalMachine, appKey(), kOrganisation, organisation);
}

bool CRegeditManagment::ReadOwner(QString& owner, QString& organisation) const
{
    owner.clear();
    organisation.clear();
    if (!requireInitialized()) return false;
    readOwnerValues(RegistryHive::LocalMachine, appKey(), owner, organisation);
    return !owner.isEmpty() && !organisation.isEmpty();
}

QString CRegeditManagment::GetProgramDirectory() const
{
    return m_strHelpPath.isEmpty() ? QString() : QFileInfo(m_strHelpPath).absolutePath();
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

platform::DesktopProgram CRegeditManagment::desktopProgram() const
{
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
    return program;
}

void CRegeditManagment::RegisterWithDesktop() const
{
    // Without the program's path there is nothing the desktop could start.
    if (!m_bInitialized) return;
    const platform::wholefile::WriteResult registered =
        platform::DesktopIntegration().registerProgram(desktopProgram());
    if (!registered.ok())
        qWarning().noquote() << "The desktop does not know every file of the program:" << registered.error;
}
