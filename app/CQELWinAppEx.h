#pragma once

#include "app/CRegeditManagment.h"
#include "app/SettingsStore.h"
#include "platform/command/CommandTarget.h"
#include "platform/docview/DocManager.h"
#include "platform/docview/RecentFileList.h"
#include "platform/print/AppPrinter.h"

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QWidget>

// The base of the application object: the settings store under
// HKEY_CURRENT_USER\Software\Brandel\Kalvenport-Zuzaza, the language of the program's own messages, the
// current help context, the registry manager and the commands that reset the settings; the documents with
// their templates and the recent-file list, the application's printer, and the commands for help, the
// homepage, the recent files and the program's end.
class CQELWinAppEx : public SettingsStore, public platform::CommandTarget {
public:
    static constexpr QStringView kAppName = u"Kalvenport-Zuzaza";
    static constexpr QStringView kRegistryKey = u"Brandel";
    // Names the program's folders and its entry on the desktop.
    static constexpr QStringView kProgramId = u"kalvenport-zuzaza";

    // The publisher's web page.
    static constexpr QStringView kHomepage = u"https://www.brandel.de/kalvenport-zuzaza/";
    // The maker's notice, on the start picture and in the About box.
    static constexpr QStringView kNoticeLine = u"Copyright © 2001-2020 Brandel Software GmbH";
    static const QString kBrowserFailedMessage;
    // By language: German, English.
    static const QString kNoBrowserMessages[2];

    // The settings live in `registryFolder`; `exePath` is the program's own file.
    explicit CQELWinAppEx(QString registryFolder = platform::Registry::defaultFolder(kProgramId.toString()),
                          QString exePath = QCoreApplication::applicationFilePath());
    virtual ~CQELWinAppEx() = default;

    // Roots the settings store and reads the language.
    virtual bool InitInstance();
    // At the program's end: saves the recent-file list and the main window's workspace, or nothing at all
    // after a reset in this run; a save that fails is told. The program's exit code: not 0 after a reset
    // switch that failed.
    virtual int ExitInstance();

    // The recent-file list of `size` entries, as saved in "Recent File List".
    void LoadStdProfileSettings(int size);
    void SaveStdProfileSettings();

    platform::Document* OpenDocumentFile(const QString& path) { return m_docManager.OpenDocumentFile(path); }

    void OnHelp();
    void OnHelpIndex();
    void OnHomepage();
    void OnAppExit();
    void OnOpenRecentFile(int id);
    void OnUpdateRecentFileMenu(platform::CmdUI& ui);
    // From here on the settings live under Software\<company>\<application name>.
    void SetRegistryKey(QStringView company);
    // The company of the settings' key; empty before SetRegistryKey.
    const QString& registryKey() const { return m_strRegistryKey; }

    // Each asks first, deletes its key below the settings root, forbids saving at exit and closes the main
    // window. ResetWorkspace(true) neither asks nor closes. A deletion that cannot be stored is told and
    // changes nothing; after ResetWorkspace(true) the exit code then says so too.
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
    // Form code of the form view that last had the focus: 1 EUR.1, 2 A.TR., 3 certificate of origin,
    // 5 declaration 848a, 0 before any; the Open dialog starts on its type. The form views set it.
    int m_nActiveFormKind = 0;
    platform::RecentFileList m_recentFileList;
    platform::DocManager m_docManager{m_recentFileList};
    platform::AppPrinter m_printer;

protected:
    const platform::MessageMapBase* GetMessageMap() const override;

private:
    struct Reset {
        QString title;
        QString content;
        QStringView section;
    };
    void RunReset(const Reset& reset, bool silent);
    bool ConfirmReset(const Reset& reset) const;
    // The browser's open command from the classes of the registry, with the homepage put in.
    void StartBrowserByRegistry();
    void ShowMessage(const QString& text) const;

    QString m_strRegistryFolder;
    QString m_strRegistryKey;
    QString m_strExePath;
    // What ExitInstance answers: 0 unless a start's own work failed.
    int m_nExitCode = 0;
};
