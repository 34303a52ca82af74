#pragma once

#include "forms/common/FormDefaultsDialog.h"

// "Vorgaben für A.TR.": the texts of boxes 1, 5 and 7 and the city of box 13 for new A.TR. forms, the
// automatic date and whether the strike-out under the goods of box 10 is printed.
class CDlgDefaults_ATR : public FormDefaultsDialog {
    Q_OBJECT
public:
    explicit CDlgDefaults_ATR(CQELWinAppEx& app, QWidget* parent = nullptr);
};

// The A.TR. defaults command, with or without an A.TR. form open; how the dialog ended.
int RunFormDefaultsATR(CQELWinAppEx& app);
