#pragma once

#include "platform/command/CmdUI.h"

namespace platform {

class MessageMapBase;

// What a command message asks of a target: run the handler, let the update handler set the command's state,
// or only say whether there is a handler.
enum class CmdMsg { Command, UpdateUi, ProbeHandler };

// Something a command can reach: a view, a document, a frame or the application. Each class keeps one
// static message map of its own, chained to its base class's map; OnCmdMsg looks the command up there.
// Frames override OnCmdMsg to offer the command along their route first.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;

    // True when this target (or a target on its route) has an entry for the command and handled the message.
    virtual bool OnCmdMsg(int id, CmdMsg msg, CmdUI* ui);

    // The state of command `id` on this target's route: its update handler decides; without one the command
    // is enabled exactly when some handler on the route takes it.
    CmdUI UpdateCommand(int id);
    // Runs command `id` when it is enabled; false when it is disabled or nothing handled it.
    bool ExecuteCommand(int id);

protected:
    // The most derived class's map; null for a target without handlers.
    virtual const MessageMapBase* GetMessageMap() const { return nullptr; }
};

}  // namespace platform
