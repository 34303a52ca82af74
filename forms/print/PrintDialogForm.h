#pragma once

#include "forms/print/PrintFormKind.h"

#include <QStringView>
#include <span>

// What the print dialog shows for one form: its title, the sheets of the form set it offers (in order, the
// first being sheet 1) and its help topic. A form of one sheet hides the list.
struct PrintDialogForm {
    PrintFormKind kind;
    QStringView title;
    std::span<const QStringView> sheets;
    int helpContext;

    bool showsSheetList() const { return sheets.size() > 1; }
};
