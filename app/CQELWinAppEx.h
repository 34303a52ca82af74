#pragma once

#include "app/CRegeditManagment.h"
#include "app/SettingsStore.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

// The base of the application object: the settings store under
// HKEY_CURRENT_USER\Software\Brandel\Kalvenport-Zuzaza, the language of the program's own messages, the
// current help context, the registry manager and the commands that reset the settings.
class CQELWinAppEx : public SettingsStore {
public:
    static constexpr QStringView kAppName = u"Kalvenport-Zuzaza";
    static constexpr QStringView kRegistryKey = u"Brandel";
    // Names the program's folders and its entry on the desktop.
    static constexpr QStringView kProgramId = u"kalvenport-zuzaza";

    // The settings live in `registryFolder`; `exePath` is the program's own file.
    explicit CQELWinAppEx(QString registryFolder = platform::Registry::defaultFolder(kProgramId.toString()),
                          QString exePath = QCoreApplication::applicationFilePath());
    virtual ~CQELWinAppEx() = default;

    // Roots the settings store and reads the language.
    virtual bool InitInstance();
    // From here on the settings live under Software\<company>\<application name>.
    void SetRegistryKey(QStringView company);

    // Each asks first, deletes its key below the settings root, forbids saving at exit and closes the main
    // window. ResetWorkspace(true) neither asks nor closes.
    virtual void ResetRegistry();
    virtual void ResetWorkspace(bool bSilent);
    virtual void ResetFontSizes();

    const QString& exePath() const { return m_strExePath; }
    // The program's file name without folder and extension.
    QString exeName() const;
    QString programDirectory() const;

    int m_nHelpContext = 100;
    // 1 after a reset in this run: nothing is saved at exit.
    int m_bRegistryReset = 0;
    // 0 German, 1 English: picks the entry of every two-language message table.
    int m_nLanguage = 0;
    CRegeditManagment m_RegeditManagment;
    // The window a reset closes.
    QPointer<QWidget> m_pMainWnd;

private:
    struct Reset {
        QString title;
        QString content;
        QStringView section;
    };
    void RunReset(const Reset& reset, bool silent);
    bool ConfirmReset(const Reset& reset) const;

    QString m_strExePath;
};
