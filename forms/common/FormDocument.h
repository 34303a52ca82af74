#pragma once

#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormDefinition.h"
#include "forms/common/FormFile.h"
#include "platform/docview/Document.h"

#include <QDate>
#include <memory>
#include <optional>

class CQELWinAppEx;
class CQeEditWindow;
class FormEditorOwner;

// A form document. It holds hardly anything itself: every field text and flag lives in the field editor of
// the document's one view. It fills in the default texts of a new form, writes and reads the form file, and
// keeps the load status for the view to show.
class FormDocument : public platform::Document {
public:
    FormDocument(CQELWinAppEx& app, const FormDefinition& definition);

    // The document's one view, which owns the field editor. A form whose view is not built yet keeps an
    // editor of its own, so that its files still open and save; once a view has come and gone (while the
    // window closes) there is no editor, and what needs one does nothing.
    void AttachView(FormEditorOwner* view);
    void DetachView(FormEditorOwner* view);
    CQeEditWindow* FieldEditor() const;

    const FormDefinition& definition() const { return m_definition; }
    const FormFieldTable& fieldTable() const { return m_definition.fields; }
    const FormFileFormat& fileFormat() const { return m_definition.file; }

    void Serialize(platform::Archive& archive) override;
    void DeleteContents() override;
    bool OnNewDocument() override;
    // A refused file opens as an untitled new form, so that Save asks for a name and never overwrites it.
    bool OnOpenDocument(const QString& path) override;
    bool OnSaveDocument(const QString& path) override;

    // "Stadt, 6.1.2020": the automatic date text.
    static QString DateText(const QString& city, QDate date);

    // 0, or the status of a refused file: 18 not a known format, 19 older, 20 newer version.
    int m_nLoadStatus = 0;
    // Which of the form's two alternative marks is set: 1 the first, any other value the second. Only the
    // forms whose file carries a choice byte use it.
    int m_nMarkChoice = 0;

    // Stores the text being typed into its field, where the file and the printout take it from.
    void CommitTypedText();
    // The stored text of a field without trailing white space; a goods column keeps exactly one line end, so
    // that the strike-out under the goods finds an empty line. The form is not marked modified by it.
    void TidyFieldText(std::uint16_t field, std::uint16_t page);

private:
    CQELWinAppEx& m_app;
    const FormDefinition& m_definition;
    FormEditorOwner* m_view = nullptr;
    bool m_hadView = false;
    mutable std::unique_ptr<DetachedFormEditor> m_ownEditor;
};
