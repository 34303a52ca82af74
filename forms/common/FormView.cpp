#include "forms/common/FormView.h"

#include "app/AppCursors.h"
#include "app/CMainFrame.h"
#include "app/CQELWinAppEx.h"
#include "app/SettingsKeys.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormCommandIds.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormEditCommands.h"
#include "forms/common/FormFieldTable.h"
#include "forms/common/FormFile.h"
#include "forms/common/FormPageDrawer.h"
#include "forms/common/FormPrintCommand.h"
#include "forms/common/FormPrinting.h"
#include "forms/print/MarginDialogRun.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/dialog/UiService.h"
#include "platform/gdi/Dc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTimer>

using platform::CmdUI;
using platform::ColorRef;
using platform::Dc;
using platform::Rect;

namespace {

constexpr int kInsertingCaption = 61;    // "Einfügen"
constexpr int kOverwritingCaption = 62;  // "Überschreiben"
constexpr int kCursorOverNothing = 338;
constexpr int kCursorOverField = 340;
constexpr int kCursorOverSecondaryArea = 341;

// The page the window scrolls over, in millimetres, whatever was set by hand: at least the sheet, so that
// every box can be reached, and at most the edge of the grey beyond it, past which there is nothing to see.
constexpr settings::IntRange kDocWidthRange{kFormSheetWidth / 10, FormPageDrawer::kOutsideWidth};
constexpr settings::IntRange kDocLengthRange{kFormSheetHeight / 10, FormPageDrawer::kOutsideLength};

// Left and top edges belong to a box, right and bottom edges do not.
bool BoxHolds(const Rect& box, QPoint point)
{
    return point.x() >= box.left && point.x() < box.right && point.y() >= box.top && point.y() < box.bottom;
}

QString StatusCaption(int id)
{
    return id == kInsertingCaption ? QStringLiteral("Einfügen") : QStringLiteral("Überschreiben");
}

}  // namespace

FormView::FormView(CQELWinAppEx& app, FormDocument& document, std::unique_ptr<CQELEditWindow> editor)
    : CQEScrollViewBase(app),
      m_crEditText(0),
      m_app(app),
      m_document(document),
      m_definition(document.definition()),
      m_table(m_definition.fields),
      m_editor(std::move(editor)),
      m_editCommands(*m_editor, document, [this] { UpdateStatusPanes(); })
{
    setDocument(&document);
    DetachedFormEditor::ApplyFieldTable(*m_editor, m_table);
    SetProfileSection(m_table.section);
    InitZoom();
    m_crEditText = static_cast<ColorRef>(m_app.GetProfileInt(settings::kEditTextColor.in(m_table.section)));
    m_document.AttachView(this);
    if (m_definition.createPrinting) {
        // The margin command goes through the view's commands, as the menu's does.
        m_print = std::make_unique<FormPrintCommand>(
            m_app, m_document, m_definition.createPrinting(m_app, m_document), *this,
            [this] { OnCmdMsg(formcmd::kMargins, platform::CmdMsg::Command, nullptr); });
    }
    m_app.m_nHelpContext = m_table.helpContext;
    viewport()->setMouseTracking(true);
    // OnDraw paints every pixel once; a background painted first would double the cost of a paint.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

FormView::~FormView()
{
    m_document.DetachView(this);
}

void FormView::OnInitialUpdate()
{
    const QStringView section = m_table.section;
    const int width = kDocWidthRange.clamp(m_app.GetProfileInt(settings::kDocWidth.in(section)));
    const int length = kDocLengthRange.clamp(m_app.GetProfileInt(settings::kDocLength.in(section)));
    SetScrollSizes(platform::MapMode::LoMetric, QSize(m_nZoom * width, m_nZoom * length),
                   QSize(m_nZoom * 50, m_nZoom * 70));
    ScrollToPosition({0, 0});
}

// The message of a refused file comes once the window can be seen, so that it stands over the blank form.
void FormView::showEvent(QShowEvent* event)
{
    CQEScrollViewBase::showEvent(event);
    if (m_loadStatusShown || m_document.m_nLoadStatus == kLoaded) return;
    m_loadStatusShown = true;
    QTimer::singleShot(0, this, &FormView::ShowLoadStatus);
}

void FormView::ShowLoadStatus()
{
    QApplication::beep();
    platform::MessageBoxRequest request;
    request.text = FormFile::StatusMessage(m_document.m_nLoadStatus);
    request.icon = platform::MessageIcon::Warning;
    platform::UiService::instance().messageBox(request);
}

std::span<const FormFieldRow> FormView::RowsOf(int page) const
{
    return page <= 1 ? m_table.page1 : m_table.page2;
}

std::uint16_t FormView::LastFieldOf(int page) const
{
    return page <= 1 ? m_table.lastPage1Field : m_table.lastPage2Field;
}

bool FormView::IsInputField(std::uint16_t field, int page) const
{
    const auto rows = RowsOf(page);
    return field < rows.size() && field <= LastFieldOf(page) && rows[field].enabled;
}

Rect FormView::GetFieldRect(std::uint16_t field, int page) const
{
    const auto rows = RowsOf(page < 1 ? 1 : page);
    if (field == rows.size()) return {};
    const FormRect& box = rows[field < rows.size() ? field : 0].screen;
    return {Scaled(box.left), Scaled(box.top), Scaled(box.right), Scaled(box.bottom)};
}

// A field's text is drawn a little right of its box.
Rect FormView::FieldTextRect(std::uint16_t field, int page) const
{
    constexpr int kShift = 2;
    const Rect box = GetFieldRect(field, page);
    return {box.left + kShift, box.top, box.right + kShift, box.bottom};
}

platform::Font FormView::FontOf(std::uint8_t font) const
{
    return FormPageDrawer(m_definition, m_nZoom).FontOf(font);
}

platform::Pen FormView::PenOf(FormPen pen) const
{
    return FormPageDrawer(m_definition, m_nZoom).PenOf(pen);
}

void FormView::DrawPageOnto(QPaintDevice& device, int page, int zoom)
{
    if (page != m_nCurrentPage) ShowPage(page);
    m_nZoom = static_cast<std::int16_t>(zoom);
    m_bLayoutValid = 0;
    QPainter painter(&device);
    Dc dc(painter);
    dc.mapper().setMapMode(platform::MapMode::LoMetric);
    OnDraw(dc);
}

void FormView::OnDraw(Dc& dc)
{
    dc.setBackgroundMode(platform::BackgroundMode::Transparent);
    if (!m_editor->LiveWindow()) {
        m_editor->CreateEditorEx(this, m_table.editorControlId, &m_document, formcmd::kEditContextMenu, dc,
                                 m_nZoom, m_definition.look.editWindowTextColor.value_or(m_crEditText),
                                 m_table.pageBackground);
    }
    if (!m_bLayoutValid) UpdateFormLayout(dc);
    if (m_paperSettings != m_app.changeCount()) SetUpPaper();

    const FormPageDrawer drawer(m_definition, m_nZoom);
    const FormPageDrawing& drawing = m_nCurrentPage == 1 ? m_definition.look.page1 : m_definition.look.page2;
    drawer.FillWindow(dc, drawing,
                      platform::toColorRef(viewport()->palette().color(viewport()->backgroundRole())));
    drawer.DrawOutside(dc);
    drawer.FillFormArea(dc, drawing);
    if (m_nCurrentPage == 1) {
        DrawPage1Form(dc);
        DrawPage1Fields(dc);
    } else {
        DrawPage2Form(dc);
        DrawPage2Fields(dc);
    }
}

void FormView::DrawPage1Form(Dc& dc)
{
    DrawPageForm(dc, m_definition.look.page1);
}

void FormView::DrawPage2Form(Dc& dc)
{
    DrawPageForm(dc, m_definition.look.page2);
}

void FormView::DrawPageForm(Dc& dc, const FormPageDrawing& drawing)
{
    FormPageDrawer(m_definition, m_nZoom).DrawPrintedMatter(dc, drawing, [this](const FormCaption& caption) {
        return CaptionText(caption);
    });
}

QString FormView::CaptionText(const FormCaption& caption) const
{
    return QString::fromUtf16(caption.text.data(), qsizetype(caption.text.size()));
}

void FormView::DrawPage1Fields(Dc& dc)
{
    DrawPageFields(dc, 1, 1);
}

void FormView::DrawPage2Fields(Dc& dc)
{
    DrawPageFields(dc, 2, static_cast<int>(m_nCurrentPage));
}

void FormView::DrawPageFields(Dc& dc, int page, int editorPage)
{
    dc.setTextAlign(platform::TextAlign::Left | platform::TextAlign::Top);
    dc.setTextColor(m_crEditText);
    for (std::uint16_t field = 0; field < RowsOf(page).size(); ++field) {
        if (!IsInputField(field, page)) continue;
        const Rect text = FieldTextRect(field, page);
        Rect rect{text.left, -text.top, text.right, -text.bottom};
        m_editor->PaintField(dc, rect, field, static_cast<std::uint16_t>(editorPage), false);
    }
}

void FormView::UpdateFormLayout(Dc& dc)
{
    if (m_bLayoutValid) return;
    if (m_nZoom < kSmallestZoomStep) InitZoom();
    OnInitialUpdate();
    SetUpPaper();
    if (m_editor->LiveWindow()) PlaceEditorOnFields(dc);
    m_bLayoutValid = 1;
}

// The field texts break into the lines they print in, and so the view follows every setting of the print.
void FormView::SetUpPaper()
{
    if (const FormPrinting* sheets = printing()) {
        m_editor->SetPaper(
            sheets->PaperOf(PrintCalibration::Read(m_app, m_table.section, m_definition.boxCorrections)));
    }
    m_paperSettings = m_app.changeCount();
}

void FormView::PlaceEditorOnFields(Dc& dc)
{
    // Each edge to its nearest pixel; the box's height as it is, for the text typed must fit into that.
    const auto toPixels = [&dc](const Rect& r) {
        const QPointF topLeft = dc.mapper().himetricToDevice(QPointF(r.left * 10, r.top * 10));
        const QPointF bottomRight = dc.mapper().himetricToDevice(QPointF(r.right * 10, r.bottom * 10));
        return CQeEditWindow::Rect{
            static_cast<std::uint16_t>(qRound(topLeft.x())), static_cast<std::uint16_t>(qRound(topLeft.y())),
            static_cast<std::uint16_t>(qRound(bottomRight.x())),
            static_cast<std::uint16_t>(qRound(bottomRight.y())), bottomRight.y() - topLeft.y()};
    };
    // The edit window lies where the field's text is drawn, so that typed text stands where it will be shown.
    for (std::uint16_t field = 0; field < m_table.page1.size(); ++field) {
        m_editor->SetLineRect(field, toPixels(FieldTextRect(field, 1)));
    }
    for (std::uint16_t column = 0; column < m_table.page2.size(); ++column) {
        m_editor->SetColumnRect(column, toPixels(FieldTextRect(column, 2)));
    }
    m_editor->CreateFonts(dc, m_nZoom);
    // The window moves onto field 0 of the page at its new size; what was typed is stored on the way.
    m_editor->Activate(0, static_cast<std::uint16_t>(m_nCurrentPage));
    m_editor->LiveWindow()->setFocus();
}

int FormView::ActivateField(std::uint16_t field, int page)
{
    const std::uint16_t previous = m_editor->GetCurrentField();
    const std::uint16_t previousPage = m_editor->GetCurrentPage();
    const auto rows = RowsOf(page);
    if (page <= 1 && field >= rows.size()) {
        field = 0;
        page = 1;
    }
    // A field that is not an input field is skipped in the direction of travel; past either end the search
    // goes on from field 0, and it gives up after one round, so it always ends.
    const int step = previous >= field && previousPage == page ? -1 : +1;
    int candidate = field;
    for (std::size_t tries = 0; !IsInputField(static_cast<std::uint16_t>(candidate), page); ++tries) {
        if (tries > rows.size()) return -1;
        candidate += step;
        if (candidate < 0 || candidate >= static_cast<int>(rows.size())) candidate = 0;
    }
    field = static_cast<std::uint16_t>(candidate);

    const int result = m_editor->Activate(field, static_cast<std::uint16_t>(page));
    if (m_editor->LiveWindow()) m_editor->LiveWindow()->setFocus();
    if (m_definition.tidiesLeftFields) m_document.TidyFieldText(previous, previousPage);
    ColourEditWindowFor(page);
    m_app.m_nHelpContext = rows[field].helpId;
    UpdateStatusPanes();
    m_editor->EnsureVisible();
    return result;
}

void FormView::ColourEditWindowFor(int page)
{
    if (!m_definition.look.editWindowFollowsPage) return;
    m_editor->SetBkColor(page == 1 ? m_table.pageBackground : m_definition.look.page2Background);
}

std::optional<std::uint16_t> FormView::FieldAt(QPoint pagePoint, int page) const
{
    for (std::uint16_t field = 0; field < RowsOf(page).size(); ++field) {
        if (IsInputField(field, page) && BoxHolds(GetFieldRect(field, page), pagePoint)) return field;
    }
    return std::nullopt;
}

const FormMarkArea* FormView::MarkAreaAt(QPoint pagePoint, int page) const
{
    for (const FormMarkArea& area : m_definition.markAreas) {
        if (area.page == page && BoxHolds(GetFieldRect(area.field, page), pagePoint)) return &area;
    }
    return nullptr;
}

const FormMarkArea* FormView::ChosenMarkArea() const
{
    const auto areas = m_definition.markAreas;
    for (const FormMarkArea& area : areas) {
        if (area.choice == m_document.m_nMarkChoice) return &area;
    }
    return areas.empty() ? nullptr : &areas.back();
}

// A click sets a mark and counts as a change of the form, also on the mark already set.
void FormView::ChooseMark(const FormMarkArea& area)
{
    m_document.m_nMarkChoice = area.choice;
    MarkModified();
    viewport()->repaint();
}

QPoint FormView::PagePoint(QPoint viewportPoint) const
{
    const QPointF onPage = QPointF(viewportPoint + GetDeviceScrollPosition());
    const QPointF hundredths = ViewMapper().deviceToHimetric(onPage);
    return {static_cast<int>(hundredths.x() / 10), static_cast<int>(hundredths.y() / 10)};
}

void FormView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = PagePoint(event->position().toPoint());
    m_nHoverState = FieldAt(point, m_nCurrentPage) ? 2 : MarkAreaAt(point, m_nCurrentPage) ? 3 : 0;
    const int cursor = m_nHoverState == 2   ? kCursorOverField
                       : m_nHoverState == 3 ? kCursorOverSecondaryArea
                                            : kCursorOverNothing;
    viewport()->setCursor(AppCursors::Get(cursor));
    CQEScrollViewBase::mouseMoveEvent(event);
}

void FormView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPoint point = PagePoint(event->position().toPoint());
        if (const auto field = FieldAt(point, m_nCurrentPage)) {
            ActivateField(*field, m_nCurrentPage);
            return;
        }
        if (const FormMarkArea* area = MarkAreaAt(point, m_nCurrentPage)) {
            ChooseMark(*area);
            return;
        }
        QApplication::beep();
    }
    CQEScrollViewBase::mousePressEvent(event);
}

void FormView::keyPressEvent(QKeyEvent* event)
{
    const QPoint position = GetScrollPosition();
    if (event->key() == Qt::Key_PageDown) {
        ScrollToPosition({position.x(), position.y() - CQELEditWindow::kPageScroll});
    } else if (event->key() == Qt::Key_PageUp) {
        ScrollToPosition({position.x(), position.y() + CQELEditWindow::kPageScroll});
    } else {
        CQEScrollViewBase::keyPressEvent(event);
    }
}

// A dialog of the program, or another copy of it, may have changed a setting of the print while the window
// was not active: the field texts then break anew.
bool FormView::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_bLayoutValid && m_paperSettings != m_app.changeCount())
        SetUpPaper();
    return CQEScrollViewBase::event(event);
}

void FormView::focusInEvent(QFocusEvent* event)
{
    CQEScrollViewBase::focusInEvent(event);
    TakeOverApplication();
    if (m_editor->LiveWindow()) m_editor->LiveWindow()->setFocus();
}

// The edit window takes the focus before the view can, so the frame's activation is what tells the form
// that it is the one worked on: when it opens, and when the user switches windows.
void FormView::OnActivateView(bool activate)
{
    if (activate) TakeOverApplication();
}

void FormView::TakeOverApplication()
{
    UpdateStatusPanes();
    m_app.m_nActiveFormKind = m_table.formKind;
    const std::uint16_t page = m_editor->GetCurrentPage();
    const auto rows = RowsOf(page);
    const std::uint16_t field = m_editor->GetCurrentField();
    const int fieldTopic = field < rows.size() ? rows[field].helpId : 0;
    m_app.m_nHelpContext = fieldTopic > 0 ? fieldTopic : m_table.helpContext;
}

void FormView::UpdateStatusPanes()
{
    auto* frame = qobject_cast<CMainFrame*>(m_app.m_pMainWnd.data());
    if (!frame) return;
    frame->SetStatusPaneText(
        StatusCaption(m_editor->IsInsertMode() ? kInsertingCaption : kOverwritingCaption), 2);
    // The pane texts are the program's own: "EUR.1 - Seite %d von %d" takes the page and the page count.
    const QString pattern = QString::fromStdU16String(std::u16string(m_table.statusPaneText));
    frame->SetStatusPaneText(
        QString::asprintf(qPrintable(pattern), m_editor->GetCurrentPage(), m_editor->GetPageCount()), 1);
}

const FormPrinting* FormView::printing() const
{
    return m_print ? &m_print->printing() : nullptr;
}

void FormView::OnFilePrint()
{
    if (m_print) m_print->OnFilePrint(m_nPrintSheet);
}

void FormView::OnMargins()
{
    RunMarginDialog(m_app, m_table.section, m_definition.margins);
}

void FormView::MarkModified()
{
    m_document.setModifiedFlag(true);
}

void FormView::OnNextField()
{
    const std::uint16_t current = m_editor->GetCurrentField();
    const std::uint16_t last = LastFieldOf(m_nCurrentPage);
    ActivateField(current < last ? current + 1 : 0, m_nCurrentPage);
}

void FormView::OnPrevField()
{
    const std::uint16_t current = m_editor->GetCurrentField();
    ActivateField(current > 0 ? current - 1 : LastFieldOf(m_nCurrentPage), m_nCurrentPage);
}

void FormView::OnUpdateNextPrevField(CmdUI& ui)
{
    ui.Enable(true);
}

void FormView::OnShowPage1()
{
    ShowPage(1);
}

void FormView::OnShowPage2()
{
    ShowPage(2);
}

void FormView::OnUpdateShowPage1(CmdUI& ui)
{
    ui.Enable(m_table.hasPageCommands && m_nCurrentPage > 1);
}

void FormView::OnUpdateShowPage2(CmdUI& ui)
{
    ui.Enable(m_table.hasPageCommands && m_nCurrentPage == 1);
}

// The text being typed is stored before the page goes; the new page starts on its field 0, where the view
// stands as it did: the switch neither scrolls nor tidies the field left.
void FormView::ShowPage(int page)
{
    m_editor->CommitTypedText();
    m_nCurrentPage = page;
    m_editor->Activate(0, static_cast<std::uint16_t>(page));
    ColourEditWindowFor(page);
    viewport()->repaint();
    UpdateStatusPanes();
    m_app.m_nHelpContext = page == 1 ? m_table.helpContext : m_table.page2HelpContext;
}

void FormView::OnFileSave()
{
    // What is being typed belongs in the file.
    m_document.CommitTypedText();
    m_document.OnFileSave();
}

void FormView::OnUpdateDefaultsChoice(CmdUI& ui)
{
    ui.SetCheck(0);
    ui.Enable(false);
}

void FormView::OnUpdateZoomIn(CmdUI& ui)
{
    ui.Enable(CQEScrollViewBase::OnUpdateZoomIn());
}

void FormView::OnUpdateZoomOut(CmdUI& ui)
{
    ui.Enable(CQEScrollViewBase::OnUpdateZoomOut());
}

bool FormView::OnCmdMsg(int id, platform::CmdMsg msg, CmdUI* ui)
{
    return CQEScrollViewBase::OnCmdMsg(id, msg, ui) || m_editCommands.OnCmdMsg(id, msg, ui);
}

const platform::MessageMapBase* FormView::GetMessageMap() const
{
    using Map = platform::MessageMap<FormView>;
    static const Map map(CQEScrollViewBase::GetMessageMap(),
                         {
                             Map::command(formcmd::kNextField, &FormView::OnNextField),
                             Map::update(formcmd::kNextField, &FormView::OnUpdateNextPrevField),
                             Map::command(formcmd::kPrevField, &FormView::OnPrevField),
                             Map::update(formcmd::kPrevField, &FormView::OnUpdateNextPrevField),
                             Map::command(formcmd::kPage1, &FormView::OnShowPage1),
                             Map::update(formcmd::kPage1, &FormView::OnUpdateShowPage1),
                             Map::command(formcmd::kPage2, &FormView::OnShowPage2),
                             Map::update(formcmd::kPage2, &FormView::OnUpdateShowPage2),
                             Map::command(platform::ID_FILE_SAVE, &FormView::OnFileSave),
                             Map::command(platform::ID_FILE_PRINT, &FormView::OnFilePrint),
                             Map::command(formcmd::kMargins, &FormView::OnMargins),
                             Map::update(formcmd::kDefaultsChoice, &FormView::OnUpdateDefaultsChoice),
                             Map::command(formcmd::kZoomIn, &FormView::OnZoomIn),
                             Map::update(formcmd::kZoomIn, &FormView::OnUpdateZoomIn),
                             Map::command(formcmd::kZoomOut, &FormView::OnZoomOut),
                             Map::update(formcmd::kZoomOut, &FormView::OnUpdateZoomOut),
                         });
    return &map;
}
