#pragma once

#include "forms/print/Common_DlgMargin_ToolTips.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/DialogControls.h"

#include <QString>

// What the one-page margin dialog and every page of the margin sheet share: the two offsets in tenths of a
// millimetre with their texts, the four arrow buttons that move them, and the tips over the controls.
class MarginPanel {
public:
    static constexpr int kLeft = 21128;
    static constexpr int kRight = 21129;
    static constexpr int kUp = 21130;
    static constexpr int kDown = 21131;
    static constexpr int kHorizontalText = 21132;
    static constexpr int kVerticalText = 21133;
    static constexpr int kDontShow = 21003;

    // The offset texts are English for language 1, German for any other.
    MarginPanel(platform::DialogControls& controls, int textLanguage);

    // Gives the arrows their images, shows the offsets and sets up the tips of `dialog` in `tipLanguage`.
    void OnInitDialog(QWidget& dialog, const platform::ToolTipParams& tipParams, int tipLanguage);
    // The two offset texts and the check box.
    void DoDataExchange(platform::DataExchange& exchange, int& dontShow);
    // Puts the texts of both offsets into their fields, and only there: the check box keeps what the user
    // set.
    void UpdateOffsetTexts();

    int m_nVertical = 0;
    int m_nHorizontal = 0;
    QString m_strHorizontal;
    QString m_strVertical;
    Common_DlgMargin_ToolTips m_ToolTip;

private:
    void LoadBitmaps();
    void OnArrow(int button, int& offset, int (*step)(int));

    platform::DialogControls& m_controls;
    int m_nTextLanguage;
};
