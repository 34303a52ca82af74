#pragma once

class CQeEditWindow;

// What owns a form's field editor: the form's view in the program, a detached editor in tests and tools.
// The document reaches the editor only through it.
class FormEditorOwner {
public:
    virtual CQeEditWindow& FieldEditor() = 0;

protected:
    ~FormEditorOwner() = default;
};
