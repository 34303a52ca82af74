#include "app/CQELWinAppEx.h"

#include "platform/dialog/UiService.h"

#include <QFileInfo>

namespace {

constexpr int kResetConfirmed = 201;
constexpr int kResetRefused = 202;

const QString kResetEnd = QStringLiteral(
    "\n\nDas Programm wird anschliessend ohne Rückfrage beendet.\nGeöffnete Dateien werden nicht gesichert!");

}  // namespace

CQELWinAppEx::CQELWinAppEx(QString registryFolder, QString exePath)
    : SettingsStore(registryFolder), m_RegeditManagment(registryFolder), m_strExePath(std::move(exePath)) {}

bool CQELWinAppEx::InitInstance() {
    SetRegistryKey(kRegistryKey);
    const int language = GetProfileInt(settings::kLanguage);
    // A hand-set value outside the tables would pick a message that does not exist.
    m_nLanguage = language == 1 ? 1 : 0;
    return true;
}

void CQELWinAppEx::SetRegistryKey(QStringView company) {
    setRoot(QStringLiteral("Software\\") + company.toString() + u'\\' + kAppName.toString());
}

QString CQELWinAppEx::exeName() const {
    return QFileInfo(m_strExePath).completeBaseName();
}

QString CQELWinAppEx::programDirectory() const {
    return QFileInfo(m_strExePath).absolutePath();
}

void CQELWinAppEx::ResetRegistry() {
    RunReset({QStringLiteral("Registry-Einträge dieses Programms löschen"),
              QStringLiteral(
                  "Mit diesem Aufruf werden alle Einträge dieses\nProgramms in der Registry gelöscht!") +
                  kResetEnd,
              {}},
             false);
}

void CQELWinAppEx::ResetWorkspace(bool bSilent) {
    RunReset(
        {QStringLiteral("Menü- und Symbolleisten-Modifikationen löschen"),
         QStringLiteral("Mit diesem Aufruf werden alle werden die Menü- und\nSymbolleisten-Modifikationen "
                        "dieses Programms\nauf die Ursprungswerte zurückgesetzt!") +
             kResetEnd,
         settings::kWorkspaceSection},
        bSilent);
}

void CQELWinAppEx::ResetFontSizes() {
    RunReset({QStringLiteral("Schriftgrößenmodifikationen löschen"),
              QStringLiteral("Mit diesem Aufruf werden alle werden die\nSchriftgrößenmodifikationen dieses "
                             "Programms\nauf die Ursprungswerte zurückgesetzt!") +
                  kResetEnd,
              settings::kFontSection},
             false);
}

void CQELWinAppEx::RunReset(const Reset& reset, bool silent) {
    if (!silent && !ConfirmReset(reset)) return;
    DeleteKey(reset.section);
    m_bRegistryReset = 1;
    if (!silent && m_pMainWnd) m_pMainWnd->close();
}

bool CQELWinAppEx::ConfirmReset(const Reset& reset) const {
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
