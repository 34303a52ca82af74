#include "platform/command/CommandTarget.h"

#include "platform/command/MessageMap.h"

namespace platform {

bool CommandTarget::OnCmdMsg(int id, CmdMsg msg, CmdUI* ui)
{
    for (const MessageMapBase* map = GetMessageMap(); map; map = map->base()) {
        if (map->dispatch(*this, id, msg, ui)) return true;
    }
    return false;
}

CmdUI CommandTarget::UpdateCommand(int id)
{
    CmdUI ui(id);
    if (OnCmdMsg(id, CmdMsg::UpdateUi, &ui)) return ui;
    ui.Enable(OnCmdMsg(id, CmdMsg::ProbeHandler, nullptr));
    return ui;
}

bool CommandTarget::ExecuteCommand(int id)
{
    if (!UpdateCommand(id).isEnabled()) return false;
    return OnCmdMsg(id, CmdMsg::Command, nullptr);
}

}  // namespace platform
