#pragma once

#include <QString>
#include <QStringView>

class CQELWinAppEx;

// What a form's margin command needs: the form's settings section, the dialog's caption and how many sheets
// the form prints (1 the one-page dialog, 2 the sheet with a page per sheet).
struct MarginForm {
    QStringView section;
    QStringView caption;
    int sheets;
};

extern const MarginForm kATRMargins;
extern const MarginForm kLZE848aMargins;
extern const MarginForm kEUR1Margins;
extern const MarginForm kUZMargins;

// The margin command of a form view: reads the form's margins and "ShowMarginDlg", runs its margin dialog
// with help context 120 and writes every value back after OK, in the order the dialog lists them; Cancel,
// Escape and the close box write nothing. The help context is back as it was afterwards. Answers how the
// dialog ended (answer::kOk or answer::kCancel).
int RunMarginDialog(CQELWinAppEx& app, const MarginForm& form);
