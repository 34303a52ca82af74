#include "support/CAboutDlg.h"

#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "platform/command/Resources.h"
#include "support/Common_DlgInternalInfo.h"

namespace {

constexpr int kTemplate = 100;
constexpr int kVersionLine = 1000;
constexpr int kNoticeLine = 1001;
constexpr int kEMailLine = 1002;
constexpr int kInfoText = 1003;
constexpr int kHomepageButton = 1004;
constexpr int kSystemInfoButton = 1005;
// "Kalvenport-Zuzaza für Windows - Version %1"
constexpr int kVersionLineFormat = 16;

constexpr QStringView kEMail = u"E-Mail: support@brandel.de";
// Two empty lines, then the publisher's name, street, town, telephone, fax and e-mail, one per line.
constexpr QStringView kContactBlock =
    u"\r\n\r\nBrandel Software GmbH\r\nAm Sandtorkai 41\r\n20457 Hamburg\r\nTelefon: 040 555 017-0\r\n"
    u"Fax: 040 555 017-99\r\nE-Mail: info@brandel.de\r\n";

QPixmap picture(int id)
{
    return QPixmap(platform::DialogTemplate::imagePath(id));
}

}  // namespace

CAboutDlg::CAboutDlg(CQELWinAppEx& app, QWidget* parent)
    : platform::Dialog(platform::DialogTemplate::load(kTemplate), parent, picture),
      m_ToolTip(CQELWinAppEx::kHomepage.toString()),
      m_app(app)
{
    onClicked(kHomepageButton, [this] { OnWebsite(); });
    onClicked(kSystemInfoButton, [this] { OnSystemInfo(); });
}

int CAboutDlg::DoModal()
{
    const platform::HelpContextGuard help(m_app.m_nHelpContext, HelpContextIds::kAbout);
    m_strVersionLine = platform::Resources::application()
                           .string(kVersionLineFormat)
                           .arg(m_app.m_RegeditManagment.GetVersionString());
    m_strNoticeLine = CQELWinAppEx::kNoticeLine.toString();
    m_strEMailLine = kEMail.toString();
    doModal();
    return platform::answer::kOk;
}

void CAboutDlg::BuildInfoText()
{
    m_strInfoText =
        kContactBlock.toString() + QStringLiteral("\r\nInternet: ") + CQELWinAppEx::kHomepage.toString();
    m_strEMailLine = kEMail.toString();
}

void CAboutDlg::onInitDialog()
{
    BuildInfoText();
    platform::Dialog::onInitDialog();
    controls().setText(kHomepageButton, CQELWinAppEx::kHomepage.toString());
    m_ToolTip.create(*this);
    m_ToolTip.AddTools(*this);
}

void CAboutDlg::doDataExchange(platform::DataExchange& exchange)
{
    exchange.text(kVersionLine, m_strVersionLine);
    exchange.text(kNoticeLine, m_strNoticeLine);
    exchange.text(kEMailLine, m_strEMailLine);
    exchange.text(kInfoText, m_strInfoText);
}

void CAboutDlg::OnWebsite()
{
    endDialog(platform::answer::kOk);
    m_app.OnHomepage();
}

void CAboutDlg::OnSystemInfo()
{
    Common_DlgInternalInfo dialog(m_app, this);
    dialog.doModal();
    endDialog(platform::answer::kOk);
}
