#pragma once

#include "app/CMainFrame.h"
#include "app/CQELWinAppEx.h"
#include "platform/command/Resources.h"
#include "platform/dialog/AppToolTips.h"
#include "platform/docview/DocumentUi.h"

#include <memory>

// The program: its start-up (settings, recent files, the four form templates, the registration with the
// shell and the desktop, the command line, the main window and the first form), the commands that need no
// form (new, open, printer set-up, the resets) and the Open dialog with the program's list of file types.
class CKalvenportExportApp : public CQELWinAppEx {
public:
    // The build date the registry manager records.
    static constexpr const char* kCreationDate = "Jan  6 2020";
    static constexpr QStringView kResetWorkspaceSwitch = u"-resetworkspace";
    static constexpr int kOpenTitle = 61440;
    static constexpr int kAllFilesName = 61442;

    // `arguments` are the program's arguments as the system passes them, the program itself left out.
    explicit CKalvenportExportApp(
        QStringList arguments,
        QString registryFolder = platform::Registry::defaultFolder(kProgramId.toString()),
        QString exePath = QCoreApplication::applicationFilePath());
    ~CKalvenportExportApp() override;

    // The whole start-up; false ends the program before it runs (also after "-resetworkspace").
    bool InitInstance() override;
    int ExitInstance() override;
    // Before the main window puts back its saved layout: the edit context menu and where its commands go.
    void PreLoadState();

    // The Open (or Save) dialog with the program's file types, starting on the type of the form worked on
    // last; `fileName` gets the path chosen. False when the dialog was cancelled.
    virtual bool DoPromptFileName(QString& fileName, int nIDSTitle, bool bOpenFileDialog);
    // The file types of the Open dialog; with "NoFileFilter" set the all-files type comes first, not last.
    static QList<platform::FileFilter> OpenFilters(bool noFileFilter, const QString& allFilesName);
    // The type the Open dialog starts on (1 is the first) for the form kind worked on last.
    static int InitialFilterIndex(int formKind, bool noFileFilter);

    void OnFileNew();
    void OnFileOpen();
    void OnAppAbout();
    void OnSupportInfo();
    void OnFilePrintSetup();
    void OnResetWorkspace();
    // The web update check for this program and its version.
    void RunUpdateCheck();
    // The calibration and form defaults dialogs, which need no form open.
    void OnPrinterFontSize();
    void OnPrintSizeCorrection();
    void OnFormDefaultsATR();
    void OnFormDefaultsEUR();
    void OnFormDefaultsUZ();

    CMainFrame* mainFrame() const { return m_mainFrame.get(); }
    const platform::Resources& resources() const { return m_resources; }

    // The main frame loads toolbar 129 when set, else toolbar 128.
    int m_bHiColorIcons = 1;
    // Each argument whole, as the system passed it: the first is "-resetworkspace" or the one form to open.
    QStringList m_arguments;

protected:
    const platform::MessageMapBase* GetMessageMap() const override;
    // The four form templates in their order; each gets the program's child frame.
    virtual std::vector<platform::DocTemplate> CreateDocTemplates();

private:
    // Registers the program and its file types with the registry and the desktop, writing only what differs.
    void RegisterWithShell();
    // The look of every tip the program shows outside its dialogs' own.
    void ApplyToolTipParams();

    platform::Resources m_resources;
    std::unique_ptr<CMainFrame> m_mainFrame;
    std::unique_ptr<platform::AppToolTips> m_toolTips;
    bool m_bRegistrationPending = false;
};
