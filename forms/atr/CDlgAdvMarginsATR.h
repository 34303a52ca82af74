#pragma once

#include "forms/common/AdvancedPositionsDialog.h"

// "Erweiterte Druckpositionen in ATR": the print positions of boxes 12 and 13.
class CDlgAdvMarginsATR : public AdvancedPositionsDialog {
    Q_OBJECT
public:
    explicit CDlgAdvMarginsATR(CQELWinAppEx& app, QWidget* parent = nullptr);
};

// The A.TR. view's command "Erweiterte Druckpositionierung"; how the dialog ended.
int RunAdvMarginsATR(CQELWinAppEx& app);
