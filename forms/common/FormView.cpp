#include "forms/common/FormView.h"

#include "app/AppCursors.h"
#include "app/CMainFrame.h"
#include "app/CQELWinAppEx.h"
#include "app/HelpContextIds.h"
#include "forms/common/DetachedFormEditor.h"
#include "forms/common/FormCommandIds.h"
#include "forms/common/FormDocument.h"
#include "forms/common/FormFile.h"
#include "forms/common/FormPrintJob.h"
#include "forms/print/CDlgDrucken.h"
#include "forms/print/JobPrinter.h"
#include "forms/print/MarginDialogRun.h"
#include "platform/command/MessageMap.h"
#include "platform/command/StandardCommands.h"
#include "platform/dialog/HelpContext.h"
#include "platform/dialog/UiService.h"
#include "platform/gdi/Dc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPrinter>
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
// A job prints the sheet once per copy, 99 times at most.
constexpr int kLastPageOfAJob = 99;
const QString kJobNotStartedMessage = QStringLiteral("Der Druckauftrag konnte nicht gestartet werden.");

unsigned AnchorAlignment(CaptionAnchor anchor)
{
    switch (anchor) {
        case CaptionAnchor::BottomCentre:
            return platform::TextAlign::Center;
        case CaptionAnchor::BottomRight:
            return platform::TextAlign::Right;
        case CaptionAnchor::BottomLeft:
        default:
            return platform::TextAlign::Left;
    }
}

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
      m_editor(std::move(editor))
{
    setDocument(&document);
    DetachedFormEditor::ApplyFieldTable(*m_editor, m_table);
    SetProfileSection(m_table.section);
    InitZoom();
    m_crEditText = static_cast<ColorRef>(m_app.GetProfileInt(settings::kEditTextColor.in(m_table.section)));
    m_document.AttachView(this);
    if (m_definition.createPrinting) m_printing = m_definition.createPrinting(m_app, m_document);
    m_app.m_nHelpContext = m_table.helpContext;
    viewport()->setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

FormView::~FormView()
{
    m_document.DetachView(this);
}

void FormView::OnInitialUpdate()
{
    const QStringView section = m_table.section;
    const int width = m_app.GetProfileInt(settings::kDocWidth.in(section));
    const int length = m_app.GetProfileInt(settings::kDocLength.in(section));
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
    const FormFontSpec& size = m_definition.look.fonts[font];
    return {QStringLiteral("Arial"), m_nZoom * size.numerator / size.denominator, size.weight, 0};
}

platform::Pen FormView::PenOf(FormPen pen) const
{
    switch (pen) {
        case FormPen::Thick:
            return {platform::PenStyle::Solid, 6, m_table.lineColor};
        case FormPen::Dotted:
            return {platform::PenStyle::Dot, 1, m_table.lineColor};
        case FormPen::Frame:
        default:
            return {platform::PenStyle::Solid, 2, m_table.lineColor};
    }
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

    // Grey beyond the sheet of 205 mm × 298 mm, to the right and below.
    const int sheetRight = Scaled(kFormSheetWidth);
    const int sheetBottom = -Scaled(kFormSheetHeight);
    const int outsideRight = m_nZoom * kOutsideWidth;
    const int outsideBottom = -m_nZoom * kOutsideLength;
    dc.fillRect({sheetRight, 0, outsideRight, outsideBottom}, kOutsideColor);
    dc.fillRect({0, sheetBottom, outsideRight, outsideBottom}, kOutsideColor);

    const FormPageDrawing& drawing = m_nCurrentPage == 1 ? m_definition.look.page1 : m_definition.look.page2;
    if (drawing.fillsFormArea) FillFormArea(dc, drawing);
    if (m_nCurrentPage == 1) {
        DrawPage1Form(dc);
        DrawPage1Fields(dc);
    } else {
        DrawPage2Form(dc);
        DrawPage2Fields(dc);
    }
}

// The form area is the span of the outer frame's first two lines.
void FormView::FillFormArea(Dc& dc, const FormPageDrawing& drawing)
{
    if (drawing.lines.empty() || drawing.lines.front().lines.size() < 2) return;
    const auto frame = drawing.lines.front().lines;
    dc.fillRect({Scaled(frame[0].x1), -Scaled(frame[0].y1), Scaled(frame[0].x2), -Scaled(frame[1].y2)},
                m_table.pageBackground);
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
    dc.setBackgroundMode(platform::BackgroundMode::Transparent);
    for (const FormLineSection& section : drawing.lines) {
        dc.selectPen(PenOf(section.pen));
        for (const FormLine& line : section.lines) {
            dc.moveTo({Scaled(line.x1), -Scaled(line.y1)});
            dc.lineTo({Scaled(line.x2), -Scaled(line.y2)});
        }
    }
    for (const FormCaption& caption : drawing.captions) {
        dc.selectFont(FontOf(caption.font));
        dc.setTextColor(caption.color.value_or(drawing.captionColor));
        dc.setTextAlign(AnchorAlignment(caption.anchor) | platform::TextAlign::Bottom);
        dc.textOut({Scaled(caption.x), -Scaled(caption.y)}, CaptionText(caption));
    }
}

QString FormView::CaptionText(const FormCaption& caption) const
{
    return QString::fromStdU16String(std::u16string(caption.text));
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
    if (m_editor->LiveWindow()) PlaceEditorOnFields(dc);
    m_bLayoutValid = 1;
}

void FormView::PlaceEditorOnFields(Dc& dc)
{
    const auto toPixels = [&dc](const Rect& r) {
        const QPointF topLeft = dc.mapper().himetricToDevice(QPointF(r.left * 10, r.top * 10));
        const QPointF bottomRight = dc.mapper().himetricToDevice(QPointF(r.right * 10, r.bottom * 10));
        return CQeEditWindow::Rect{static_cast<std::uint16_t>(qRound(topLeft.x())),
                                   static_cast<std::uint16_t>(qRound(topLeft.y())),
                                   static_cast<std::uint16_t>(qRound(bottomRight.x())),
                                   static_cast<std::uint16_t>(qRound(bottomRight.y()))};
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

// A click sets a mark; the mark already set stays as it is, and the form unchanged.
void FormView::ChooseMark(const FormMarkArea& area)
{
    if (&area == ChosenMarkArea()) return;
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
        ScrollToPosition({position.x(), position.y() - kPageScroll});
    } else if (event->key() == Qt::Key_PageUp) {
        ScrollToPosition({position.x(), position.y() + kPageScroll});
    } else {
        CQEScrollViewBase::keyPressEvent(event);
    }
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

void FormView::OnFilePrint()
{
    if (ShowsMarginDialog()) RunMarginCommand();
    DoFilePrint();
}

// One print run: the preparation, then the job on the application's printer.
void FormView::DoFilePrint()
{
    int pages = 0;
    if (!m_printing || !OnPreparePrinting(pages)) return;
    FormPrintJob job(m_app, m_document, *m_printing);
    if (!job.Print(m_app.m_printer.printer(), m_nPrintSheet, pages)) {
        platform::UiService::instance().messageBox({CQELWinAppEx::kAppName.toString(), kJobNotStartedMessage,
                                                    platform::MessageButtons::Ok,
                                                    platform::MessageIcon::Warning});
    }
}

bool FormView::OnPreparePrinting(int& pages)
{
    const std::optional<QString> saved = SavedPrinter();
    if (saved) SelectPrinterByName(*saved);
    // A job needs somewhere to go: with no printer at all the printer set-up asks for one first.
    if (!m_app.m_printer.hasDevice()) m_app.m_printer.runPrintSetup(window());

    CDlgDrucken dlg(m_app, m_definition.print.dialog, m_table.section,
                    JobPrinter::Of(m_app.m_printer.printer()), this);
    dlg.m_bAlwaysThisPrinter = saved ? 1 : 0;
    dlg.setStoreOnOk([&] { return StorePrinterChoice(dlg.m_bAlwaysThisPrinter != 0, dlg.m_strPrinterName); });
    if (dlg.doModal() == platform::answer::kOk) {
        pages = PagesForCopies(dlg.m_nCopies);
        m_nPrintSheet = dlg.m_nSheet;
        return true;
    }
    if (dlg.m_bPrinterChoice) {
        RunPrintSetup();
        m_app.WriteProfileString(settings::kPrinter.in(m_table.section), settings::kPrinter.defaultValue);
        m_app.WriteProfileInt(settings::kReUsePrn.in(m_table.section), 0);
        if (ShowsMarginDialog()) RunMarginCommand();
        // The run starts again with the printer just chosen.
        DoFilePrint();
    }
    viewport()->repaint();
    return false;
}

platform::wholefile::WriteResult FormView::StorePrinterChoice(bool keep, const QString& printerName)
{
    const QStringView section = m_table.section;
    platform::Registry::Batch printer = m_app.batch();
    m_app.WriteProfileInt(settings::kReUsePrn.in(section), keep ? 1 : 0);
    m_app.WriteProfileString(settings::kPrinter.in(section),
                             keep ? printerName : settings::kPrinter.defaultValue.toString());
    return printer.commit();
}

int FormView::PagesForCopies(unsigned copies)
{
    return copies == 0 ? 1 : static_cast<int>(std::min<unsigned>(copies, kLastPageOfAJob));
}

bool FormView::ShowsMarginDialog() const
{
    return m_app.GetProfileInt(settings::kShowMarginDlg.in(m_table.section)) != 1;
}

void FormView::OnMargins()
{
    RunMarginDialog(m_app, m_table.section, m_definition.margins);
}

// The margin command goes through the view's commands, as the menu's does.
void FormView::RunMarginCommand()
{
    OnCmdMsg(formcmd::kMargins, platform::CmdMsg::Command, nullptr);
}

// The printer the form keeps, when it is to be used again. An empty name is no printer, like "@", so that
// it does not end in a message about a printer that cannot be found.
std::optional<QString> FormView::SavedPrinter() const
{
    std::optional<QString> saved = CDlgDrucken::SavedPrinter(m_app, m_table.section);
    if (saved && saved->isEmpty()) return std::nullopt;
    return saved;
}

void FormView::SelectPrinterByName(const QString& name)
{
    if (auto* frame = qobject_cast<CMainFrame*>(m_app.m_pMainWnd.data())) frame->SelectPrinterByName(name);
}

void FormView::RunPrintSetup()
{
    const platform::HelpContextGuard help(m_app.m_nHelpContext, HelpContextIds::kPrintSetup);
    m_app.m_printer.runPrintSetup(window());
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

void FormView::OnEditUndo()
{
    if (auto* window = m_editor->LiveWindow()) window->undo();
}

void FormView::OnUpdateEditUndo(CmdUI& ui)
{
    auto* window = m_editor->LiveWindow();
    ui.Enable(window && window->document()->isUndoAvailable());
}

void FormView::OnEditCut()
{
    if (auto* window = m_editor->LiveWindow()) window->cut();
    MarkModified();
}

void FormView::OnEditCopy()
{
    if (auto* window = m_editor->LiveWindow()) window->copy();
}

void FormView::OnEditPaste()
{
    m_editor->PasteFromClipboard();
    MarkModified();
}

void FormView::OnEditSelectAll()
{
    if (auto* window = m_editor->LiveWindow()) {
        window->selectAll();
        window->ensureCursorVisible();
    }
}

void FormView::OnInsertMode()
{
    m_editor->SetInsertMode(!m_editor->IsInsertMode());
    UpdateStatusPanes();
}

void FormView::OnUpdateInsertMode(CmdUI& ui)
{
    ui.SetText(m_editor->IsInsertMode() ? QStringLiteral("Einfügemodus ausschalten\tEinfg")
                                        : QStringLiteral("Einfügemodus einschalten\tEinfg"));
    ui.Enable(true);
}

void FormView::OnFontLarger()
{
    m_editor->IncreaseFontSize();
    MarkModified();
}

void FormView::OnUpdateFontLarger(CmdUI& ui)
{
    ui.Enable(m_editor->CanIncreaseFontSize());
}

void FormView::OnFontSmaller()
{
    m_editor->DecreaseFontSize();
    MarkModified();
}

void FormView::OnUpdateFontSmaller(CmdUI& ui)
{
    ui.Enable(m_editor->CanDecreaseFontSize());
}

void FormView::OnFontBold()
{
    m_editor->ToggleBold();
    MarkModified();
}

void FormView::OnUpdateFontBold(CmdUI& ui)
{
    ui.SetCheck(m_editor->IsBold() ? 1 : 0);
}

void FormView::OnAlignLeft()
{
    m_editor->SetAlignLeft();
    MarkModified();
}

void FormView::OnUpdateAlignLeft(CmdUI& ui)
{
    ui.SetRadio(m_editor->IsAlignLeft());
}

void FormView::OnAlignCenter()
{
    m_editor->SetAlignCenter();
    MarkModified();
}

void FormView::OnUpdateAlignCenter(CmdUI& ui)
{
    ui.SetRadio(m_editor->IsAlignCenter());
}

void FormView::OnAlignRight()
{
    m_editor->SetAlignRight();
    MarkModified();
}

void FormView::OnUpdateAlignRight(CmdUI& ui)
{
    ui.SetRadio(m_editor->IsAlignRight());
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

const platform::MessageMapBase* FormView::GetMessageMap() const
{
    using Map = platform::MessageMap<FormView>;
    static const Map map(CQEScrollViewBase::GetMessageMap(),
                         {
                             Map::command(platform::ID_EDIT_UNDO, &FormView::OnEditUndo),
                             Map::update(platform::ID_EDIT_UNDO, &FormView::OnUpdateEditUndo),
                             Map::command(platform::ID_EDIT_CUT, &FormView::OnEditCut),
                             Map::command(platform::ID_EDIT_COPY, &FormView::OnEditCopy),
                             Map::command(platform::ID_EDIT_PASTE, &FormView::OnEditPaste),
                             Map::command(platform::ID_EDIT_SELECT_ALL, &FormView::OnEditSelectAll),
                             Map::command(formcmd::kInsertMode, &FormView::OnInsertMode),
                             Map::update(formcmd::kInsertMode, &FormView::OnUpdateInsertMode),
                             Map::command(formcmd::kNextField, &FormView::OnNextField),
                             Map::update(formcmd::kNextField, &FormView::OnUpdateNextPrevField),
                             Map::command(formcmd::kPrevField, &FormView::OnPrevField),
                             Map::update(formcmd::kPrevField, &FormView::OnUpdateNextPrevField),
                             Map::command(formcmd::kPage1, &FormView::OnShowPage1),
                             Map::update(formcmd::kPage1, &FormView::OnUpdateShowPage1),
                             Map::command(formcmd::kPage2, &FormView::OnShowPage2),
                             Map::update(formcmd::kPage2, &FormView::OnUpdateShowPage2),
                             Map::command(formcmd::kFontLarger, &FormView::OnFontLarger),
                             Map::update(formcmd::kFontLarger, &FormView::OnUpdateFontLarger),
                             Map::command(formcmd::kFontSmaller, &FormView::OnFontSmaller),
                             Map::update(formcmd::kFontSmaller, &FormView::OnUpdateFontSmaller),
                             Map::command(formcmd::kFontBold, &FormView::OnFontBold),
                             Map::update(formcmd::kFontBold, &FormView::OnUpdateFontBold),
                             Map::command(formcmd::kAlignLeft, &FormView::OnAlignLeft),
                             Map::update(formcmd::kAlignLeft, &FormView::OnUpdateAlignLeft),
                             Map::command(formcmd::kAlignCenter, &FormView::OnAlignCenter),
                             Map::update(formcmd::kAlignCenter, &FormView::OnUpdateAlignCenter),
                             Map::command(formcmd::kAlignRight, &FormView::OnAlignRight),
                             Map::update(formcmd::kAlignRight, &FormView::OnUpdateAlignRight),
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
