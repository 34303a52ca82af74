#pragma once

#include <QString>
#include <QStringView>

class CQELWinAppEx;

// A form's margin dialog: its caption and how many sets of sheet margins the form keeps (1 the one-page
// dialog, 2 the sheet with a page per set).
struct MarginForm {
    QStringView caption;
    int sheets;
};

// The margin command of a form view: reads the margins and "ShowMarginDlg" of the form's settings section
// `section`, runs its margin dialog with help context 120 and writes every value back on OK, in the order the
// dialog lists them, in one write of the settings; when that fails the dialog says why and stays open.
// Cancel, Escape and the close box write nothing. The help context is back as it was afterwards. Answers how
// the dialog ended (answer::kOk or answer::kCancel).
int RunMarginDialog(CQELWinAppEx& app, QStringView section, const MarginForm& form);
