#pragma once

#include "forms/common/FormDefinition.h"

#include <QList>
#include <QString>

// The forms as the benchmark names and picks them, by their index in the list of the forms.
class BenchForms {
public:
    // "A.TR. Form. (*.fma)": the form's filter name from its document string.
    static QString label(const FormDefinition& form);
    // The forms that have a view of their own (the others show an empty area).
    static QList<int> withViews();
    // Every form of the list.
    static QList<int> all();
    // The object name of the new-form chooser's button that makes the form.
    static QString chooserButton(int index);
};
