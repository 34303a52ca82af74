#include "forms/common/FormDocument.h"

#include "app/CQELWinAppEx.h"
#include "editor/CQeEditWindow.h"
#include "editor/TrailingWhiteSpace.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormEditorOwner.h"
#include "platform/clock/Clock.h"

FormDocument::FormDocument(CQELWinAppEx& app, const FormDefinition& definition)
    : m_app(app), m_definition(definition)
{
}

void FormDocument::DetachView(FormEditorOwner* view)
{
    if (m_view == view) m_view = nullptr;
}

void FormDocument::AttachView(FormEditorOwner* view)
{
    m_view = view;
    m_hadView = true;
    m_ownEditor.reset();
}

CQeEditWindow* FormDocument::FieldEditor() const
{
    if (m_view) return &m_view->FieldEditor();
    if (m_hadView) return nullptr;
    if (!m_ownEditor) m_ownEditor = std::make_unique<DetachedFormEditor>(m_definition.fields);
    return &m_ownEditor->FieldEditor();
}

void FormDocument::Serialize(platform::Archive& archive)
{
    CQeEditWindow* editor = FieldEditor();
    // Without its view a form has no fields: writing it would leave an empty file in place of the form.
    if (!editor)
        throw platform::ArchiveException(platform::ArchiveException::Cause::Generic, "a form without fields");
    if (archive.isStoring()) {
        FormFile::Origin origin;
        m_app.m_RegeditManagment.ReadComputerName(origin.computerName);
        m_app.m_RegeditManagment.ReadUserName(origin.userName);
        FormFile::Store(archive, m_definition.file, *editor, m_nMarkChoice, origin);
        m_nLoadStatus = kLoaded;
    } else {
        m_nLoadStatus = FormFile::Load(archive, m_definition.file, *editor, m_nMarkChoice);
        if (m_nLoadStatus == kLoaded) DetachedFormEditor::GiveBackPage2Fields(*editor, m_definition.fields);
    }
}

void FormDocument::DeleteContents()
{
    CQeEditWindow* editor = FieldEditor();
    const std::optional<DefaultTextFields>& fields = m_definition.defaultTexts;
    if (!fields || !editor) return;

    const QDate today = platform::Clock::now().date();
    const QStringView section = m_definition.fields.section;
    editor->SetFieldText(fields->exporteur, m_app.GetProfileString(settings::kExporteur.in(section)), 1);
    editor->SetFieldText(fields->ursprungsland, m_app.GetProfileString(settings::kUrsprungsland.in(section)),
                         1);
    editor->SetFieldText(fields->transport, m_app.GetProfileString(settings::kTransport.in(section)), 1);
    if (m_app.GetProfileInt(settings::kAutodatum.in(section)) == 1) {
        const QString city = m_app.GetProfileString(settings::kStadt.in(section));
        editor->SetFieldText(fields->date, DateText(city, today), 1);
    }
}

QString FormDocument::DateText(const QString& city, QDate date)
{
    // A date that cannot be had is written as zeros.
    const bool known = date.isValid();
    const auto number = [known](int value) { return QString::number(known ? value : 0); };
    return QStringLiteral("%1, %2.%3.%4")
        .arg(city, number(date.day()), number(date.month()), number(date.year()));
}

bool FormDocument::OnNewDocument()
{
    m_nLoadStatus = kLoaded;
    return Document::OnNewDocument();
}

bool FormDocument::OnOpenDocument(const QString& path)
{
    if (!Document::OnOpenDocument(path)) return false;
    if (m_nLoadStatus == kLoaded) {
        setPathName(path);
    } else {
        clearPathName();
        setTitle(QString());
    }
    return true;
}

bool FormDocument::OnSaveDocument(const QString& path)
{
    CommitTypedText();
    if (!Document::OnSaveDocument(path)) return false;
    setPathName(path);
    return true;
}

void FormDocument::CommitTypedText()
{
    if (CQeEditWindow* editor = FieldEditor()) editor->CommitTypedText();
}

void FormDocument::TidyFieldText(std::uint16_t field, std::uint16_t page)
{
    CQeEditWindow* editor = FieldEditor();
    if (!editor) return;
    QString text = WithoutTrailingWhiteSpace(editor->GetFieldText(field, page));
    const std::optional<FieldRange>& goods = m_definition.goodsFields;
    if (page == 1 && goods && goods->contains(field)) text += QStringLiteral("\r\n");
    editor->SetFieldText(field, text, page);
}
