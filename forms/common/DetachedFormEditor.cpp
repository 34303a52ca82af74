#include "forms/common/DetachedFormEditor.h"

namespace {

// The flags of a new document for fields `first` on.
void ApplyStartFlags(CQeEditWindow& editor, std::uint16_t page, std::span<const FormFieldRow> rows,
                     std::size_t first = 0)
{
    for (std::size_t i = first; i < rows.size(); ++i) {
        const auto field = static_cast<std::uint16_t>(i);
        editor.SetFieldFlags(field, page, EditorFieldModel::kInitialFlags);
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

void DetachedFormEditor::GiveBackPage2Fields(CQeEditWindow& editor, const FormFieldTable& table)
{
    const std::uint16_t loaded = editor.GetColumnCount();
    if (loaded >= table.page2FieldCount) return;
    editor.ResizeFields(editor.GetLineCount(), table.page2FieldCount);
    ApplyStartFlags(editor, 2, table.page2, loaded);
}
