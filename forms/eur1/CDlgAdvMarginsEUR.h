#pragma once

#include "forms/common/AdvancedPositionsDialog.h"

// "Erweiterte Druckpositionen in EUR1": the print positions of boxes 11 and 12.
class CDlgAdvMarginsEUR : public AdvancedPositionsDialog {
    Q_OBJECT
public:
    explicit CDlgAdvMarginsEUR(CQELWinAppEx& app, QWidget* parent = nullptr);
};

// The EUR.1 view's command "Erweiterte Druckpositionierung"; how the dialog ended.
int RunAdvMarginsEUR(CQELWinAppEx& app);
