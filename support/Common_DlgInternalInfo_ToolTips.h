#pragma once

#include "platform/dialog/ToolTip.h"

class QWidget;

// The tips of the support information dialog, in German or English (1 English, any other German): the
// titles are fixed when the tools are added, the description is chosen each time a tip shows.
class Common_DlgInternalInfo_ToolTips : public platform::ToolTip {
public:
    explicit Common_DlgInternalInfo_ToolTips(int language) : m_nLanguage(language) {}

    // Registers the dialog's controls that have a tip, each with its title.
    void AddTools(QWidget& dialog);

    // The control whose tip showed last; 0 before the first.
    int m_nTipCtrlId = 0;

protected:
    void onShow(int controlId) override;

private:
    int m_nLanguage;
};
