#include "forms/uz/CDlgEditXPos_UZ_ToolTip.h"

#include "platform/command/Resources.h"

#include <QWidget>

namespace {

struct Tool {
    int controlId;
    int title;        // string-table id
    int description;  // string-table id
};

// Each up-down control has the title of its edit field.
constexpr Tool kTools[] = {
    {1023, 1058, 1057}, {1022, 1056, 1059}, {1025, 1061, 1057}, {1024, 1060, 1059},
    {1026, 1058, 1062}, {1027, 1056, 1062}, {1028, 1061, 1062}, {1029, 1060, 1062},
    {1017, 1063, 1064}, {1, 1024, 1025},    {2, 1027, 1028},    {57670, 1029, 1030},
};

QString StringOf(int id)
{
    return platform::Resources::application().string(id);
}

}  // namespace

void CDlgEditXPos_UZ_ToolTip::AddTools(QWidget& dialog)
{
    create(dialog);
    for (const Tool& tool : kTools)
        addTool(dialog.findChild<QWidget*>(QString::number(tool.controlId)), StringOf(tool.title));
}

void CDlgEditXPos_UZ_ToolTip::onShow(int controlId)
{
    m_nTipCtrlId = controlId;
    for (const Tool& tool : kTools) {
        if (tool.controlId == controlId) return setDescription(StringOf(tool.description));
    }
    setDescription({});
}
