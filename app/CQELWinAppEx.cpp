#include "app/CQELWinAppEx.h"

#include "app/AppCommandIds.h"
#include "app/CMainFrame.h"
#include "app/HelpContextIds.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/dialog/StoreOnOk.h"
#include "platform/dialog/UiService.h"
#include "platform/shell/CommandLine.h"
#include "platform/shell/DefaultBrowser.h"
#include "platform/shell/HtmlHelp.h"
#include "platform/shell/ProcessLauncher.h"

#include <QFileInfo>

namespace {

constexpr int kResetConfirmed = 201;
constexpr int kResetRefused = 202;
// The exit code of a start with "-resetworkspace" whose reset could not be stored.
constexpr int kResetNotStored = 1;

const QString kResetEnd = QStringLiteral(
    "\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\nGeöffnete Dateien werden nicht gesichert!");

}  // namespace

const QString CQELWinAppEx::kBrowserFailedMessage = QStringLiteral("Fehler beim Öffnen des Webbrowsers.");
const QString CQELWinAppEx::kNoBrowserMessages[2] = {
    QStringLiteral("Das Programm konnte auf Ihrem Rechner\nleider keinen Internet-Browser finden."),
    QStringLiteral("Sorry, could not find any internet browser on your system"),
};

CQELWinAppEx::CQELWinAppEx(QString registryFolder, QString exePath)
    : SettingsStore(registryFolder),
      m_RegeditManagment(registryFolder),
      m_strRegistryFolder(registryFolder),
      m_strExePath(std::move(exePath))
{
}

const platform::MessageMapBase* CQELWinAppEx::GetMessageMap() const
{
    using Map = platform::MessageMap<CQELWinAppEx>;
    static const Map map(nullptr,
                         {
                             Map::command(AppCommandIds::kHomepage, &CQELWinAppEx::OnHomepage),
                             Map::command(platform::ID_HELP, &CQELWinAppEx::OnHelp),
                             Map::command(platform::ID_HELP_INDEX, &CQELWinAppEx::OnHelpIndex),
                             Map::command(platform::ID_APP_EXIT, &CQELWinAppEx::OnAppExit),
                             Map::commandRange(platform::ID_FILE_MRU_FILE1, platform::ID_FILE_MRU_LAST,
                                               &CQELWinAppEx::OnOpenRecentFile),
                             Map::update(platform::ID_FILE_MRU_FILE1, &CQELWinAppEx::OnUpdateRecentFileMenu),
                         });
    return &map;
}

bool CQELWinAppEx::InitInstance()
{
    SetRegistryKey(kRegistryKey);
    const int language = GetProfileInt(settings::kLanguage);
    // A hand-set value outside the tables would pick a message that does not exist.
    m_nLanguage = language == 1 ? 1 : 0;
    return true;
}

int CQELWinAppEx::ExitInstance()
{
    if (m_bRegistryReset) return m_nExitCode;
    // One write of the settings file for all of it; one that fails is told with its reason, so that the
    // person knows the recent files and toolbars of this run are lost, and the program ends all the same.
    platform::Registry::Batch workspace = batch();
    SaveStdProfileSettings();
    if (auto* frame = qobject_cast<CMainFrame*>(m_pMainWnd.data())) frame->SaveWorkspace(*this);
    platform::storedOrTold(workspace.commit());
    return m_nExitCode;
}

void CQELWinAppEx::LoadStdProfileSettings(int size)
{
    const int kept = std::min<int>(size, settings::kRecentFiles.size());
    m_recentFileList = platform::RecentFileList(kept);
    QStringList entries;
    for (int i = 0; i < kept; ++i) {
        const settings::ValueName& value = settings::kRecentFiles.at(i);
        entries.append(GetProfileString(value.section, value.name, {}));
    }
    m_recentFileList.setEntries(entries);
}

void CQELWinAppEx::SaveStdProfileSettings()
{
    DeleteKey(settings::kRecentFileListSection);
    const QStringList& entries = m_recentFileList.entries();
    for (int i = 0; i < entries.size(); ++i) WriteProfileString(settings::kRecentFiles.at(i), entries.at(i));
}

void CQELWinAppEx::OnOpenRecentFile(int id)
{
    const int index = id - platform::ID_FILE_MRU_FILE1;
    const QString path = m_recentFileList.entries().value(index);
    if (path.isEmpty()) return;
    // A file that cannot be opened any more leaves the list.
    if (!OpenDocumentFile(path)) m_recentFileList.Remove(m_recentFileList.entries().indexOf(path));
}

void CQELWinAppEx::OnUpdateRecentFileMenu(platform::CmdUI& ui)
{
    ui.Enable(!m_recentFileList.entries().isEmpty());
}

void CQELWinAppEx::OnAppExit()
{
    if (m_pMainWnd) m_pMainWnd->close();
}

void CQELWinAppEx::OnHelp()
{
    platform::HtmlHelp::show(m_nHelpContext, HelpContextIds::FormTopicOf(m_nHelpContext), m_pMainWnd);
}

void CQELWinAppEx::OnHelpIndex()
{
    platform::HtmlHelp::show(HelpContextIds::kContents, HelpContextIds::kContents, m_pMainWnd);
}

void CQELWinAppEx::OnHomepage()
{
    if (const std::optional<QString> browser = platform::defaultBrowserProgram()) {
        if (!platform::ProcessLauncher::startDetached(*browser, {kHomepage.toString()}))
            ShowMessage(kBrowserFailedMessage);
        return;
    }
    StartBrowserByRegistry();
}

void CQELWinAppEx::StartBrowserByRegistry()
{
    const platform::Registry registry(m_strRegistryFolder);
    const std::optional<QString> fileClass =
        registry.readString(platform::RegistryHive::ClassesRoot, u".htm", {});
    if (!fileClass) {
        ShowMessage(kNoBrowserMessages[m_nLanguage == 1 ? 1 : 0]);
        return;
    }
    std::optional<QString> command = registry.readString(
        platform::RegistryHive::ClassesRoot, *fileClass + QStringLiteral("\\shell\\open\\command"), {});
    if (!command) return;
    // The homepage takes the place of the browser's own start page switch or of its file placeholder.
    const qsizetype noHome = command->indexOf(QStringLiteral("-nohome"));
    const qsizetype placeholder = command->indexOf(QStringLiteral("\"%1\""));
    if (noHome > 1) {
        *command = command->left(noHome) + kHomepage.toString();
    } else if (placeholder > 1) {
        *command = command->left(placeholder) + kHomepage.toString();
    } else {
        return;
    }
    if (!platform::commandline::start(*command)) ShowMessage(kBrowserFailedMessage);
}

void CQELWinAppEx::ShowMessage(const QString& text) const
{
    platform::UiService::instance().messageBox({kAppName.toString(), text});
}

void CQELWinAppEx::SetRegistryKey(QStringView company)
{
    m_strRegistryKey = company.toString();
    setRoot(QStringLiteral("Software\\") + company.toString() + u'\\' + kAppName.toString());
}

QString CQELWinAppEx::exeName() const
{
    return QFileInfo(m_strExePath).completeBaseName();
}

QString CQELWinAppEx::programDirectory() const
{
    return QFileInfo(m_strExePath).absolutePath();
}

void CQELWinAppEx::ResetRegistry()
{
    RunReset({QStringLiteral("Registry-Einträge dieses Programms löschen"),
              QStringLiteral(
                  "Mit diesem Aufruf werden alle Einträge dieses\nProgramms in der Registry gelöscht!") +
                  kResetEnd,
              {}},
             false);
}

void CQELWinAppEx::ResetWorkspace(bool bSilent)
{
    RunReset(
        {QStringLiteral("Menü- und Symbolleisten-Modifikationen löschen"),
         QStringLiteral("Mit diesem Aufruf werden alle werden die Menü- und\nSymbolleisten-Modifikationen "
                        "dieses Programms\nauf die Ursprungswerte zurückgesetzt!") +
             kResetEnd,
         settings::kWorkspaceSection},
        bSilent);
}

void CQELWinAppEx::ResetFontSizes()
{
    RunReset({QStringLiteral("Schriftgrößenmodifikationen löschen"),
              QStringLiteral("Mit diesem Aufruf werden alle werden die\nSchriftgrößenmodifikationen dieses "
                             "Programms\nauf die Ursprungswerte zurückgesetzt!") +
                  kResetEnd,
              settings::kFontSection},
             false);
}

void CQELWinAppEx::RunReset(const Reset& reset, bool silent)
{
    if (!silent && !ConfirmReset(reset)) return;
    platform::Registry::Batch deletion = batch();
    DeleteKey(reset.section);
    // A reset that could not be stored changed nothing: the program says so and goes on as it was, and the
    // start that was to reset ends with an exit code that tells it too.
    if (!platform::storedOrTold(deletion.commit())) {
        if (silent) m_nExitCode = kResetNotStored;
        return;
    }
    m_bRegistryReset = 1;
    if (!silent && m_pMainWnd) m_pMainWnd->close();
}

bool CQELWinAppEx::ConfirmReset(const Reset& reset) const
{
    platform::UiService& ui = platform::UiService::instance();
    if (!ui.hasTaskDialogs()) {
        const platform::MessageBoxRequest box{kAppName.toString(), reset.content,
                                              platform::MessageButtons::OkCancel,
                                              platform::MessageIcon::Stop};
        return ui.messageBox(box) == platform::answer::kOk;
    }
    const platform::TaskDialogRequest dialog{
        reset.title,
        QStringLiteral("Achtung!"),
        reset.content,
        platform::MessageIcon::Warning,
        {{kResetConfirmed, QStringLiteral("Ja, Werte zurücksetzen, Programm beenden.")},
         {kResetRefused, QStringLiteral("Nein, zurück zum Programm.")}},
        kResetRefused,
    };
    return ui.taskDialog(dialog) == kResetConfirmed;
}
