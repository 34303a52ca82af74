#pragma once

#include "forms/uz/CDlgEditXPos_UZ_ToolTip.h"
#include "platform/dialog/Dialog.h"

class CQELWinAppEx;

// "Position der Kreuze im Feld 8": how far each of the two crosses of box 8 is moved when the application's
// front is printed, in tenths of a millimetre (positive up and to the right), and whether the crosses are
// printed at all. It works on the certificate of origin's settings only. The edit fields show the offsets as
// printing uses them, held to the ranges of their up-down controls; OK stores them only when every entry is
// a whole number within its range, else it names the refused one and stores nothing.
class CDlgEditXPos_UZ : public platform::Dialog {
    Q_OBJECT
public:
    explicit CDlgEditXPos_UZ(CQELWinAppEx& app, QWidget* parent = nullptr);

    int Top_X1Pos = 0;
    int Left_X1Pos = 0;
    int Top_X2Pos = 0;
    int Left_X2Pos = 0;
    const CDlgEditXPos_UZ_ToolTip& ToolTip() const { return m_ToolTip; }

protected:
    void onInitDialog() override;
    void doDataExchange(platform::DataExchange& exchange) override;
    platform::wholefile::WriteResult storeValues() override;

private:
    CQELWinAppEx& m_app;
    CDlgEditXPos_UZ_ToolTip m_ToolTip;
};

// The crosses command of the certificate-of-origin view; how the dialog ended.
int RunEditXPosUZ(CQELWinAppEx& app, QWidget* parent = nullptr);
