#pragma once

#include "platform/dialog/ToolTip.h"

#include <span>

// The tips of a form defaults dialog, German from the string table: each control has the string of its title,
// and the string after it describes the control.
class FormDefaultsToolTip : public platform::ToolTip {
public:
    struct Tool {
        int controlId;
        int titleId;
    };

    // The tools in the order the dialog registers them: OK, Abbruch and Hilfe, then `formTools`.
    explicit FormDefaultsToolTip(std::span<const Tool> formTools);

    void AddTools(QWidget& dialog);

    // The control whose tip showed last; 0 before the first.
    int m_nTipCtrlId = 0;

protected:
    void onShow(int controlId) override;

private:
    const Tool* ToolOf(int controlId) const;

    std::span<const Tool> m_formTools;
};
