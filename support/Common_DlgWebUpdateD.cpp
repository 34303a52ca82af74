#include "support/Common_DlgWebUpdateD.h"

#include "app/CQELWinAppEx.h"
#include "platform/file/WholeFile.h"
#include "platform/shell/DefaultBrowser.h"
#include "platform/shell/ProcessLauncher.h"
#include "platform/shell/SystemInfo.h"
#include "support/UpdatePage.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPointer>

namespace {

const QString kNothingLoaded = QStringLiteral("Es sind noch keine Daten geladen.");
const QString kTransferError = QStringLiteral("Fehler bei der Übertragung");
const QString kUpToDate = QStringLiteral("Die benutzte Version von %1 ist auf dem aktuellen Stand.");
const QString kOtherVersion = QStringLiteral("Die derzeit aktuelle Version von %1 ist die Version %2");
const QString kNotReached = QStringLiteral("Die Updateinformationen konnten nicht geladen werden.\n\n%1");
const QString kNotWritten = QStringLiteral("Die Datei\r\n%1\r\nkonnte nicht geschrieben werden.");
const QString kPageName = QStringLiteral("Update.html");

// While the index is fetched: the wait cursor, no button to press but "Abbrechen", and afterwards the focus
// back where it was.
class TransferScope {
public:
    TransferScope(platform::Dialog& dialog, bool& running) : m_running(running), m_focus(dialog.focusWidget())
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        for (int id : {platform::control::kOk, Common_DlgWebUpdateD::kLoadButton}) {
            QWidget* button = dialog.item(id);
            if (!button || !button->isEnabled()) continue;
            button->setEnabled(false);
            m_disabled.append(button);
        }
        m_running = true;
    }
    ~TransferScope()
    {
        m_running = false;
        for (QWidget* button : m_disabled) button->setEnabled(true);
        if (m_focus) m_focus->setFocus();
        QGuiApplication::restoreOverrideCursor();
    }
    TransferScope(const TransferScope&) = delete;
    TransferScope& operator=(const TransferScope&) = delete;

private:
    bool& m_running;
    QPointer<QWidget> m_focus;
    QList<QWidget*> m_disabled;
};

// In the documents folder, made when missing; without one, in the current folder.
QString pagePath()
{
    const QString folder = platform::systeminfo::documentsFolder().value_or(QString());
    if (folder.isEmpty()) return QFileInfo(kPageName).absoluteFilePath();
    QDir().mkpath(folder);
    return QDir(folder).filePath(kPageName);
}

}  // namespace

Common_DlgWebUpdateD::Common_DlgWebUpdateD(QString serverAddress, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent),
      m_strServerAddress(std::move(serverAddress))
{
    onClicked(kLoadButton, [this] { LoadUpdateIndex(); });
    // "Abbrechen" closes the dialog at any time: during a transfer it ends the transfer first. Escape and
    // the close box wait for the transfer's end (onCancel).
    onClicked(platform::control::kCancel, [this] {
        if (m_bTransferRunning) platform::HttpClient::cancel();
    });
}

void Common_DlgWebUpdateD::onInitDialog()
{
    platform::Dialog::onInitDialog();
    controls().setText(kProductName, m_strProductName);
    controls().setText(kVersion, updateVersionText(m_nVersionMajor, m_nVersionMinor, m_nVersionBuild));
    controls().setText(kStatus, kNothingLoaded);
    item(platform::control::kOk)->setEnabled(false);
    item(kLoadButton)->setFocus();
}

void Common_DlgWebUpdateD::LoadUpdateIndex()
{
    if (m_bTransferRunning) return;
    const platform::HttpAnswer answer = FetchUpdateIndex();
    if (const auto* failure = std::get_if<platform::HttpFailure>(&answer)) {
        if (failure->kind == platform::HttpFailure::Kind::Cancelled)
            platform::Dialog::onCancel();
        else
            ShowMessage(kNotReached.arg(failure->reason));
        return;
    }
    // Whatever the status, the body is read as an index: an error page gives no record.
    m_record = readUpdateIndex(std::get<platform::HttpResponse>(answer).body, m_strProductName);
    ShowLoadResult();
}

platform::HttpAnswer Common_DlgWebUpdateD::FetchUpdateIndex()
{
    const TransferScope transfer(*this, m_bTransferRunning);
    platform::HttpRequest request;
    request.url = QUrl(m_strServerAddress + QStringLiteral("/UpdateIndex.qelidx"));
    request.headers = {{"Accept", "Text/*"}};
    return platform::HttpClient::get(request);
}

void Common_DlgWebUpdateD::ShowLoadResult()
{
    const QString& name = m_record.m_strRecordName;
    if (name != m_strProductName) {
        controls().setText(kStatus, kTransferError);
    } else if (m_record.m_strRecordVersion ==
               updateVersionText(m_nVersionMajor, m_nVersionMinor, m_nVersionBuild)) {
        controls().setText(kStatus, kUpToDate.arg(name));
    } else {
        // Any other version is offered, also an older one: the server's is the one to have.
        controls().setText(kStatus, kOtherVersion.arg(name, m_record.m_strRecordVersion));
        QWidget* download = item(platform::control::kOk);
        download->setEnabled(true);
        download->setFocus();
        item(kLoadButton)->setEnabled(false);
    }
}

int Common_DlgWebUpdateD::WriteUpdatePage()
{
    const QString path = pagePath();
    const QByteArray page =
        updatePageBytes(m_strServerAddress, m_record, m_nVersionMajor, m_nVersionMinor, m_nVersionBuild);
    if (const platform::wholefile::WriteResult written = platform::wholefile::replace(path, page);
        !written.ok()) {
        ShowMessage(kNotWritten.arg(path) + QStringLiteral("\n\n") + written.error);
        return 0;
    }
    const std::optional<QString> browser = platform::defaultBrowserProgram();
    if (!browser) {
        ShowMessage(CQELWinAppEx::kNoBrowserMessages[0]);
        return 1;
    }
    if (!platform::ProcessLauncher::startDetached(*browser, {path})) {
        ShowMessage(CQELWinAppEx::kBrowserFailedMessage);
        return 0;
    }
    return 1;
}

void Common_DlgWebUpdateD::onOk()
{
    if (m_bTransferRunning) return;
    if (WriteUpdatePage() == 1) endDialog(platform::answer::kOk);
}

void Common_DlgWebUpdateD::onCancel()
{
    // Escape and the close box wait for the transfer's end.
    if (!m_bTransferRunning) platform::Dialog::onCancel();
}

void Common_DlgWebUpdateD::ShowMessage(const QString& text)
{
    platform::UiService::instance().messageBox({CQELWinAppEx::kAppName.toString(), text});
}
