#pragma once

#include "platform/registry/Registry.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

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
    virtual void Initialize(const QString& exeName, const QString& exePath, const char* creationDate,
                            quint32 version);

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
    platform::Registry m_registry;
};
