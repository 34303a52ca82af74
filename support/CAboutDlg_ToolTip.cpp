#include "support/CAboutDlg_ToolTip.h"

#include "platform/command/Resources.h"

#include <QWidget>

namespace {

constexpr int kOk = 1;
constexpr int kHomepage = 1004;
constexpr int kSystemInfo = 1005;

QString string(int id)
{
    return platform::Resources::application().string(id);
}

}  // namespace

void CAboutDlg_ToolTip::AddTools(QWidget& dialog)
{
    const auto add = [&dialog, this](int controlId, const QString& title) {
        addTool(dialog.findChild<QWidget*>(QString::number(controlId)), title);
    };
    add(kSystemInfo, string(1033));
    add(kOk, string(1024));
    add(kHomepage, QStringLiteral("Schaltfläche \"%1\"").arg(m_strHomepage));
}

void CAboutDlg_ToolTip::onShow(int controlId)
{
    m_nTipCtrlId = controlId;
    switch (controlId) {
        case kOk:
            return setDescription(string(1026));
        case kHomepage:
            return setDescription(string(1037).replace(QStringLiteral("%s"), m_strHomepage));
        case kSystemInfo:
            return setDescription(string(1034));
        default:
            return setDescription({});
    }
}
