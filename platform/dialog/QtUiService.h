#pragma once

#include "platform/dialog/UiService.h"

namespace platform {

// The dialogs on the screen, modal over the active window; a task dialog's command links are its buttons.
class QtUiService : public UiService {
public:
    int messageBox(const MessageBoxRequest& request) override;
    bool hasTaskDialogs() const override { return true; }
    int taskDialog(const TaskDialogRequest& request) override;
};

}  // namespace platform
