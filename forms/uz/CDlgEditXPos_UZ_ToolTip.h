#pragma once

#include "platform/dialog/ToolTip.h"

class QWidget;

// The tips of the crosses dialog, German from the string table: a title per control and a description that
// says which way the numbers move the cross.
class CDlgEditXPos_UZ_ToolTip : public platform::ToolTip {
public:
    // Creates the tip window on `dialog` and registers its controls, each with its title.
    void AddTools(QWidget& dialog);

    // The control whose tip showed last; 0 before the first.
    int m_nTipCtrlId = 0;

protected:
    void onShow(int controlId) override;
};
