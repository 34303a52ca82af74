#pragma once

#include "platform/registry/Registry.h"
#include "platform/shell/DesktopIntegration.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

class CQELWinAppEx;

// Everything in the registry that is not a setting: the program's version, its registration with the
// shell (application keys, file types with their version marks, icons, the new-file template, open
// commands, and on this desktop the desktop entry, MIME types and icons), and small facts about the machine.
// Registration is best effort: what cannot be written is skipped without a word.
class CRegeditManagment {
public:
    explicit CRegeditManagment(QString registryFolder);
    virtual ~CRegeditManagment() = default;

    // Every form type's open command becomes "<program>" "%1", and the shell's DDE entry goes.
    virtual void RegisterOpenCommand();
    // What the framework registers for the form types around the manager's own registration: each
    // extension's class (unless another program's class holds the extension) and the class's name.
    void registerFileClasses();
    // Takes the program's version and calls Initialize.
    virtual void RegisterApplication(const CQELWinAppEx& app, const char* creationDate);
    // `creationDate` is 8-bit text of code page 1252, such as "Jan  6 2020". Writes the application keys.
    // The program's help pages are built into the program, so its own file is also its help file.
    virtual void Initialize(const QString& exeName, const QString& exePath, const char* creationDate,
                            quint32 version);
    // Initialize with the application's program, under the company key of the application's settings.
    virtual void InitializeForApp(const CQELWinAppEx& app, const char* creationDate, quint32 version);

    // The names the application keys are written under and with.
    virtual void SetExeName(QStringView exeName);
    // The help file, whose folder is the program folder written into the application keys.
    virtual void SetHelpPath(QStringView helpPath);
    virtual void SetCreationDate(QStringView creationDate);
    virtual void SetCompanyKey(QStringView companyKey);
    virtual QString GetExePath() const { return m_strExePath; }

    // (major << 16) + (minor << 8) + build; bits 24 to 31 are kept apart.
    virtual void SetVersion(quint32 version);
    virtual quint32 GetVersion() const { return m_dwVersion; }
    // "3.20.004".
    virtual QString GetVersionString() const;

    // The application's keys, icons, new-file template and open commands, then the desktop's files. Without
    // template data the new-file template holds four zero bytes.
    virtual void RegisterFileTypes(int firstIconNumber, QByteArrayView shellNewData = {});
    virtual void RegisterDefaultIcons(int firstIconNumber);
    virtual void CreateShellNewFile(const QString& fileName, QByteArrayView data);
    virtual void RegisterShellNew(QByteArrayView data);
    virtual void SetFileTypeVersion(QStringView extension, quint32 version);
    // Clears an older registration of one of the program's own file types and marks the type with
    // `version`. A registration that belongs to another program is never deleted.
    virtual void CheckFileTypeVersion(QStringView extension, quint32 version);
    virtual void WriteAppKeys();
    virtual void RegisterAppPath();
    virtual void RegisterApplicationKeys();
    // Of one file type: its version mark, 0 when it has none. Asking leaves nothing behind.
    virtual quint32 GetFileTypeVersion(QStringView extension) const;
    // Removes the application keys (unless keys lie below them), the registration of the file type
    // `extensionWithoutDot` when it is the program's own, its new-file template, and everything the program
    // told the desktop.
    virtual void UnregisterApplication(QStringView extensionWithoutDot);

    // Binary values in a section below HKEY_CURRENT_USER\Software\<company>\<program>.
    virtual bool WriteBinaryValue(QStringView section, QStringView name, QByteArrayView data);
    // Nothing when the value is missing, is not binary or holds more than `size` bytes.
    virtual std::optional<QByteArray> ReadBinaryValue(QStringView section, QStringView name,
                                                      qsizetype size) const;
    // Whether there was such a value to delete.
    virtual bool DeleteBinaryValue(QStringView section, QStringView name);

    // The owner and organisation this machine was registered to; empty where it names none.
    virtual void ReadSystemOwner(QString& owner, QString& organisation) const;
    // The owner and organisation in the program's application key.
    virtual void WriteOwner(const QString& owner, const QString& organisation);
    // True when the application key names both.
    virtual bool ReadOwner(QString& owner, QString& organisation) const;

    // Gathers the registration's changes into one write of each registry file; see platform::Registry::Batch.
    [[nodiscard]] platform::Registry::Batch batch() { return platform::Registry::Batch(m_registry); }

    virtual QString GetProgramDirectory() const;
    virtual bool ReadUserName(QString& out) const;
    virtual bool ReadComputerName(QString& out) const;
    // <documents folder>/<program name>; empty, after a message, when the user has no documents folder.
    // With `create` the documents folder is created when missing (not the program's folder in it).
    virtual QString GetDataDirectory(bool create) const;
    virtual QString GetDataDirectoryWithBackslash() const;

    // The build date handed to Initialize; the support report shows it.
    QString m_strCreationDate;

private:
    bool requireInitialized() const;
    // SOFTWARE\<company>\<program>, in both hives.
    QString appKey() const;
    QString binaryKey(QStringView section) const;
    void readOwnerValues(platform::RegistryHive hive, const QString& key, QString& owner,
                         QString& organisation) const;
    platform::DesktopProgram desktopProgram() const;
    void RegisterWithDesktop() const;

    bool m_bInitialized = false;
    quint16 m_wVersionHigh = 0;
    quint16 m_wVersionMajor = 0;
    quint16 m_wVersionMinor = 0;
    quint16 m_wVersionBuild = 0;
    quint32 m_dwVersion = 0;
    QString m_strCompanyKey = QStringLiteral("QEL");
    // The folder that holds the new-file templates: on this machine the program's own data folder.
    QString m_strSystemRoot;
    QString m_strExeName;
    QString m_strExePath;
    QString m_strHelpPath;
    platform::Registry m_registry;
};
