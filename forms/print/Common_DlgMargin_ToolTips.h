#pragma once

#include "platform/dialog/ToolTip.h"

#include <QStringList>

class QWidget;

// The tips of the margin dialogs, in German or English: a title and a description per control, kept in one
// table of 19 texts (0 to 8 the titles, 9 to 18 the descriptions).
class Common_DlgMargin_ToolTips : public platform::ToolTip {
public:
    Common_DlgMargin_ToolTips();

    // Fills the texts in the language (1 English, any other German) and takes the display parameters.
    void FillToolTipTexts(const platform::ToolTipParams& params, int language);
    // Registers the controls of `dialog` that have a tip, each with its title from the table. The push
    // buttons OK, Cancel and Help are among them only where the dialog has them.
    void AddTools(QWidget& dialog);

    // The control whose tip showed last; 0 before the first.
    int m_nTipCtrlId = 0;
    QStringList m_astrTexts;

protected:
    void onShow(int controlId) override;
};
