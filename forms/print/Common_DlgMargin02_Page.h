#pragma once

#include "forms/print/MarginPanel.h"
#include "platform/dialog/PropertyPage.h"

class Common_DlgMargin02;

// One sheet's page of the margin sheet: the two offsets with their arrows and the sheet's shared check box.
// The check box is the sheet's: a page shows the sheet's state when it becomes current and hands its own back
// when it is left, the last page by OK; a page left earlier never hands anything over again. Its texts are
// always German.
class Common_DlgMargin02_Page : public platform::PropertyPage {
    Q_OBJECT
public:
    // The tips are English for language 1.
    Common_DlgMargin02_Page(Common_DlgMargin02& sheet, int language);

    void SetHorizontal(int tenths) { m_Panel.m_nHorizontal = tenths; }
    int GetHorizontal() const { return m_Panel.m_nHorizontal; }
    void SetVertical(int tenths) { m_Panel.m_nVertical = tenths; }
    int GetVertical() const { return m_Panel.m_nVertical; }

    void UpdateOffsetTexts() { m_Panel.UpdateOffsetTexts(); }
    const Common_DlgMargin_ToolTips& ToolTips() const { return m_Panel.m_ToolTip; }

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    void onSetActive() override;
    bool onKillActive() override;

private:
    int m_bDontShow = 0;
    Common_DlgMargin02& m_sheet;
    int m_nLanguage;
    MarginPanel m_Panel;
};
