#pragma once

#include "forms/common/FormDefaultsDialog.h"

// "Vorgaben für EUR.1": the texts of boxes 1, 4 and 6 and the city of box 12 for new EUR.1 forms, the
// automatic date and whether the strike-out under the goods of box 8 is printed.
class CDlgDefaults_EUR : public FormDefaultsDialog {
    Q_OBJECT
public:
    explicit CDlgDefaults_EUR(CQELWinAppEx& app, QWidget* parent = nullptr);
};

// The EUR.1 defaults command, with or without an EUR.1 form open; how the dialog ended.
int RunFormDefaultsEUR(CQELWinAppEx& app);
