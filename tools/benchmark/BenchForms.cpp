#include "tools/benchmark/BenchForms.h"

#include "forms/FormList.h"
#include "forms/common/CDlgNew.h"

QString BenchForms::label(const FormDefinition& form)
{
    // The document string: window name, file name, file type name, filter name, extension, ...
    return form.docString.toString().section(u'\n', 3, 3).trimmed();
}

QList<int> BenchForms::withViews()
{
    QList<int> indices;
    for (int index : all()) {
        if (AllForms()[index]->createView) indices.append(index);
    }
    return indices;
}

QList<int> BenchForms::all()
{
    QList<int> indices;
    for (int index = 0; index < static_cast<int>(AllForms().size()); ++index) indices.append(index);
    return indices;
}

QString BenchForms::chooserButton(int index)
{
    return QString::number(CDlgNew::kButtonIds.at(index));
}
