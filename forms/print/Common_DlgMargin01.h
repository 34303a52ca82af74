#pragma once

#include "forms/print/MarginPanel.h"
#include "platform/dialog/Dialog.h"

// "Ränder einstellen" for a form with one printed sheet: the two offsets of its printout, moved with four
// arrow buttons, and the check box that keeps the dialog from showing before each print. The dialog never
// touches the settings: its caller hands the values in and takes them back after OK (RunMarginDialog).
class Common_DlgMargin01 : public platform::Dialog {
    Q_OBJECT
public:
    // Language 1 shows the English texts, any other the German ones.
    explicit Common_DlgMargin01(int language, QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { m_strCaption = caption; }
    void SetDontShow(int dontShow) { m_bDontShow = dontShow; }
    int GetDontShow() const { return m_bDontShow; }
    // Tenths of a millimetre, positive to the right.
    void SetHorizontal(int tenths) { m_Panel.m_nHorizontal = tenths; }
    int GetHorizontal() const { return m_Panel.m_nHorizontal; }
    // Tenths of a millimetre, positive downwards.
    void SetVertical(int tenths) { m_Panel.m_nVertical = tenths; }
    int GetVertical() const { return m_Panel.m_nVertical; }

    void UpdateOffsetTexts() { m_Panel.UpdateOffsetTexts(); }
    const Common_DlgMargin_ToolTips& ToolTips() const { return m_Panel.m_ToolTip; }

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;

private:
    void TranslateControls();

    int m_bDontShow = 0;
    QString m_strCaption;
    int m_nLanguage;
    MarginPanel m_Panel;
};
