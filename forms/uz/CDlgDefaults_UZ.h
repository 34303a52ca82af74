#pragma once

#include "forms/common/FormDefaultsDialog.h"

// "Vorgaben für Ursprungszeugnis": the texts of boxes 1, 3 and 4 and the city of the date box for new
// certificates of origin, the automatic date, the Hamburg chamber's form U08 and whether the strike-out under
// the goods of boxes 6/7 is printed.
class CDlgDefaults_UZ : public FormDefaultsDialog {
    Q_OBJECT
public:
    explicit CDlgDefaults_UZ(CQELWinAppEx& app, QWidget* parent = nullptr);
};

// The certificate-of-origin defaults command, with or without such a form open; how the dialog ended.
int RunFormDefaultsUZ(CQELWinAppEx& app);
