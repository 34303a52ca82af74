#pragma once

#include "editor/CQeEditWindow.h"
#include "forms/common/FormEditorOwner.h"
#include "forms/common/FormFieldTable.h"

// A form's field editor without a window, set up as the form's view sets up its own: for loading, saving and
// inspecting form files where no window exists.
class DetachedFormEditor final : public FormEditorOwner {
public:
    explicit DetachedFormEditor(const FormFieldTable& table);

    CQeEditWindow& FieldEditor() override { return m_editor; }

    // The field counts and the flags of a new document, as every editor of the form starts.
    static void ApplyFieldTable(CQeEditWindow& editor, const FormFieldTable& table);
    // After a load: when the file had fewer page-2 fields than the form (its editor block had no table),
    // the missing ones come back empty with the flags of a new document, so that page 2 can be typed and
    // saved again. Every text that was loaded stays.
    static void GiveBackPage2Fields(CQeEditWindow& editor, const FormFieldTable& table);

private:
    CQeEditWindow m_editor;
};
