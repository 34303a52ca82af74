#pragma once

#include "editor/CQELEditWindow.h"
#include "editor/CQEScrollViewBase.h"
#include "forms/common/FormDefinition.h"
#include "forms/common/FormEditCommands.h"
#include "forms/common/FormEditorOwner.h"
#include "platform/gdi/GdiTypes.h"

#include <QPoint>
#include <QString>
#include <memory>
#include <optional>
#include <span>

class CQELWinAppEx;
class FormDocument;
class FormPrintCommand;
class QPaintDevice;

namespace platform {
class CmdUI;
class Dc;
}  // namespace platform

// The behaviour that the four form views share: the form at true size times the zoom, its printed matter
// drawn from the form's tables, one field editor moved from field to field by mouse, Tab and the field
// commands, the edit, font and alignment commands, the status panes and the help context of the field.
//
// Form rectangles are tenths of a millimetre of the zoomed page with y downwards; the view draws in the
// metric mode with y upwards and negates y.
class FormView : public CQEScrollViewBase, public FormEditorOwner {
    Q_OBJECT

public:
    FormView(CQELWinAppEx& app, FormDocument& document, std::unique_ptr<CQELEditWindow> editor);
    ~FormView() override;

    CQeEditWindow& FieldEditor() override { return *m_editor; }
    FormDocument& document() const { return m_document; }
    const FormDefinition& definition() const { return m_definition; }
    const FormFieldTable& fieldTable() const { return m_definition.fields; }
    int zoom() const { return m_nZoom; }

    // The view's own commands first, then the edit, font and alignment commands of the field being edited.
    bool OnCmdMsg(int id, platform::CmdMsg msg, platform::CmdUI* ui) override;
    void OnInitialUpdate() override;
    // The form being worked on owns the status panes, the application's form kind and its help context.
    void OnActivateView(bool activate) override;

    virtual void UpdateStatusPanes();
    virtual void UpdateFormLayout(platform::Dc& dc);
    // The field's screen box on the zoomed page, y downwards. A field just past the table has an empty box,
    // any field beyond it the box of field 0. Placing the editor, hit-testing and drawing all take it.
    virtual platform::Rect GetFieldRect(std::uint16_t field, int page) const;
    // Moves the editor onto an input field, skipping fields that are not input fields in the direction of
    // travel. 0, or -1 when the page has no input field.
    virtual int ActivateField(std::uint16_t field, int page);
    virtual void DrawPage1Form(platform::Dc& dc);
    virtual void DrawPage2Form(platform::Dc& dc);
    virtual void DrawPage1Fields(platform::Dc& dc);
    virtual void DrawPage2Fields(platform::Dc& dc);

    // The margin command: the form's margin dialog, its values read from and written back to the form's
    // settings.
    void OnMargins();
    // The print command, when the form can be printed.
    void OnFilePrint();

    // Whether field `field` of `page` is an input field: drawn, printed, reached by Tab and the mouse.
    bool IsInputField(std::uint16_t field, int page) const;
    // The first input field under a point of the zoomed page (0.1 mm, y downwards), if any.
    std::optional<std::uint16_t> FieldAt(QPoint pagePoint, int page) const;
    // The first of the form's mark areas of `page` under a point of the zoomed page, if any.
    const FormMarkArea* MarkAreaAt(QPoint pagePoint, int page) const;
    // The mark area the document's choice sets, where the form draws its mark: the area of that choice, the
    // last area for a choice no area has. Null for a form without marks.
    const FormMarkArea* ChosenMarkArea() const;

    // Draws page `page` of the form at `zoom` onto `device` from its top-left corner, as the window draws it,
    // without the window being shown: a picture of the form's screen layout.
    void DrawPageOnto(QPaintDevice& device, int page, int zoom);

    // The page commands of the forms that show two pages; disabled in the others.
    void OnShowPage1();
    void OnShowPage2();
    void OnUpdateShowPage1(platform::CmdUI& ui);
    void OnUpdateShowPage2(platform::CmdUI& ui);

    void OnNextField();
    void OnPrevField();
    void OnUpdateNextPrevField(platform::CmdUI& ui);
    void OnFileSave();
    void OnUpdateDefaultsChoice(platform::CmdUI& ui);
    void OnUpdateZoomIn(platform::CmdUI& ui);
    void OnUpdateZoomOut(platform::CmdUI& ui);

    int m_nCurrentPage = 1;
    int m_nPrintSheet = 1;
    // 0 nothing under the mouse, 2 an input field, 3 a secondary area of the form.
    int m_nHoverState = 0;
    platform::ColorRef m_crEditText;

protected:
    void OnDraw(platform::Dc& dc) override;
    const platform::MessageMapBase* GetMessageMap() const override;

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

    CQELWinAppEx& app() const { return m_app; }
    // The form's sheets on paper, made with the view; null while the form cannot be printed.
    const FormPrinting* printing() const;
    // A point of the viewport as a point of the zoomed page.
    QPoint PagePoint(QPoint viewportPoint) const;
    int Scaled(int value) const { return value * m_nZoom / 10; }
    platform::Font FontOf(std::uint8_t font) const;
    // The text a caption shows; a computed caption's is worked out by the form's view.
    virtual QString CaptionText(const FormCaption& caption) const;
    platform::Pen PenOf(FormPen pen) const;

private:
    std::span<const FormFieldRow> RowsOf(int page) const;
    std::uint16_t LastFieldOf(int page) const;
    platform::Rect FieldTextRect(std::uint16_t field, int page) const;
    void DrawPageForm(platform::Dc& dc, const FormPageDrawing& drawing);
    void DrawPageFields(platform::Dc& dc, int page, int editorPage);
    void PlaceEditorOnFields(platform::Dc& dc);
    // Gives the editor the paper the form prints on, as the settings have it now.
    void SetUpPaper();
    void ShowPage(int page);
    void ColourEditWindowFor(int page);
    void ChooseMark(const FormMarkArea& area);
    void TakeOverApplication();
    void ShowLoadStatus();
    void MarkModified();

    CQELWinAppEx& m_app;
    FormDocument& m_document;
    const FormDefinition& m_definition;
    const FormFieldTable& m_table;
    std::unique_ptr<CQELEditWindow> m_editor;
    FormEditCommands m_editCommands;
    // None while the form cannot be printed.
    std::unique_ptr<FormPrintCommand> m_print;
    bool m_loadStatusShown = false;
    // The settings' change count when the editor was last given the paper.
    quint64 m_paperSettings = 0;
};
