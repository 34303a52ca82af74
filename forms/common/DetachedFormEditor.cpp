#include "forms/common/DetachedFormEditor.h"

namespace {

void ApplyStartFlags(CQeEditWindow& editor, std::uint16_t page, std::span<const FormFieldRow> rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto field = static_cast<std::uint16_t>(i);
        editor.SetFontSize(field, page, rows[i].startSize);
        switch (rows[i].startAlignment) {
            case kFieldAlignCenter:
                editor.SetFieldAlignCenter(field, page);
                break;
            case kFieldAlignRight:
                editor.SetFieldAlignRight(field, page);
                break;
            default:
                editor.SetFieldAlignLeft(field, page);
                break;
        }
    }
}

}  // namespace

DetachedFormEditor::DetachedFormEditor(const FormFieldTable& table)
{
    ApplyFieldTable(m_editor, table);
}

void DetachedFormEditor::ApplyFieldTable(CQeEditWindow& editor, const FormFieldTable& table)
{
    editor.SetFieldCounts(table.page1FieldCount, table.page2FieldCount, true);
    ApplyStartFlags(editor, 1, table.page1);
    ApplyStartFlags(editor, 2, table.page2);
}
