#include "forms/common/FormDefaultsToolTip.h"

#include "platform/command/Resources.h"
#include "platform/dialog/Dialog.h"

#include <QWidget>
#include <array>

namespace {

constexpr std::array<FormDefaultsToolTip::Tool, 3> kButtonTools{{
    {platform::control::kOk, 1024},
    {platform::control::kCancel, 1027},
    {platform::control::kHelp, 1029},
}};

QString StringOf(int id)
{
    return platform::Resources::application().string(id);
}

}  // namespace

FormDefaultsToolTip::FormDefaultsToolTip(std::span<const Tool> formTools) : m_formTools(formTools) {}

void FormDefaultsToolTip::AddTools(QWidget& dialog)
{
    create(dialog);
    for (const auto& tools : {std::span<const Tool>(kButtonTools), m_formTools}) {
        for (const Tool& tool : tools)
            addTool(dialog.findChild<QWidget*>(QString::number(tool.controlId)), StringOf(tool.titleId));
    }
}

const FormDefaultsToolTip::Tool* FormDefaultsToolTip::ToolOf(int controlId) const
{
    for (const auto& tools : {std::span<const Tool>(kButtonTools), m_formTools}) {
        for (const Tool& tool : tools) {
            if (tool.controlId == controlId) return &tool;
        }
    }
    return nullptr;
}

void FormDefaultsToolTip::onShow(int controlId)
{
    m_nTipCtrlId = controlId;
    const Tool* tool = ToolOf(controlId);
    setDescription(tool ? StringOf(tool->titleId + 1) : QString());
}
