#include "tools/benchmark/FilledForms.h"

#include "editor/CQeEditWindow.h"
#include "forms/FormTemplates.h"
#include "forms/common/DetachedForm.h"

namespace {

// A name and address over three lines, as the boxes of a filled form mostly read; the narrower boxes wrap it.
const QString kFieldText = QStringLiteral("Brandel Maschinenbau GmbH\r\nHafenstraße 12\r\n28195 Bremen");

void fill(CQeEditWindow& editor)
{
    for (std::uint16_t field = 0; field < editor.GetLineCount(); ++field)
        editor.SetFieldText(field, kFieldText, 1);
    for (std::uint16_t page = 2; editor.GetColumnCount() > 0 && page <= editor.GetPageCount(); ++page) {
        for (std::uint16_t column = 0; column < editor.GetColumnCount(); ++column)
            editor.SetFieldText(column, kFieldText, page);
    }
}

}  // namespace

FilledForms::FilledForms(CQELWinAppEx& app, QString folder)
    : m_templates(CreateFormTemplates(app)), m_folder(std::move(folder))
{
}

QString FilledForms::path(int index) const
{
    return QStringLiteral("%1/filled-%2%3")
        .arg(m_folder)
        .arg(index)
        .arg(m_templates.at(index).field(platform::DocTemplate::Field::FilterExt));
}

bool FilledForms::write(QString& error)
{
    for (int index = 0; index < static_cast<int>(m_templates.size()); ++index) {
        DetachedForm form = DetachedForm::Create(m_templates.at(index));
        form.doc->OnNewDocument();
        fill(form.editor());
        if (!form.doc->OnSaveDocument(path(index))) {
            error = form.doc->lastError();
            return false;
        }
    }
    return true;
}
