#include "editor/CQeEditWindow.h"

#include "app/AppCursors.h"
#include "app/CQELWinAppEx.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "editor/EditorArchiveBlock.h"
#include "editor/FieldTextPlacement.h"
#include "platform/archive/Archive.h"
#include "platform/command/CmdUI.h"
#include "platform/dialog/UiService.h"
#include "platform/docview/Document.h"
#include "platform/docview/ScrollView.h"
#include "platform/gdi/Dc.h"

#include <QKeyEvent>
#include <algorithm>

using Model = EditorFieldModel;

namespace {

constexpr int kUnscaledPrintArea = 1000;
constexpr int kFieldEditorCursor = 342;
// A logical unit of the views is a tenth of a millimetre.
constexpr double kHimetricPerUnit = 10;

// The least length a box keeps when the print area scales it, wherever it stands on the page: each edge is
// scaled and truncated on its own, which can take a unit more off than the length's own scaling.
int LeastScaledLength(int length, int factor)
{
    if (factor == kUnscaledPrintArea) return length;
    return int(std::int64_t{length} * factor / kUnscaledPrintArea) - 1;
}

int StoreRect(Model::Rect* target, int left, int top, int right, int bottom, double exactHeight = 0)
{
    if (!target) return -1;
    *target = {left & 0xFFFF, top & 0xFFFF, right & 0xFFFF, bottom & 0xFFFF, exactHeight};
    return 0;
}

}  // namespace

CQeEditWindow::CQeEditWindow(const SettingsStore* settings, int language)
    : m_settings(settings), m_nLanguage(language == 1 ? 1 : 0)
{
}

CQeEditWindow::~CQeEditWindow()
{
    delete m_window;
}

// ---- counts, pages and rectangles

void CQeEditWindow::SetFieldCounts(std::uint16_t lines, std::uint16_t columns, bool initialise)
{
    m_model.SetCounts(lines, columns, initialise);
}

bool CQeEditWindow::ResizeFields(std::uint16_t lines, std::uint16_t columns)
{
    if (lines < m_model.lineCount || columns < m_model.columnCount) return false;
    m_model.Grow(lines, columns);
    return true;
}

void CQeEditWindow::SetTableRows(std::uint16_t rows, std::uint16_t flags)
{
    m_model.SetTableRows(rows, flags);
}

void CQeEditWindow::LinesToColumns()
{
    m_model.LinesToColumns();
}

int CQeEditWindow::RemovePage(std::uint16_t page)
{
    page = ResolvePage(page);
    if (!m_model.HasTable() || page > GetPageCount()) return -1;
    if (page == 1 && m_model.lineTexts.size() != m_model.cellTexts.size()) return -1;
    LeaveRemovedPage(page);
    m_model.RemovePage(page);
    if (m_nCurrentPage > page) --m_nCurrentPage;
    return 0;
}

// The text being typed on a page that goes is committed there, and the editor moves to a page that stays:
// the previous one when the last page goes, else the next one, which then moves into the removed one's place.
void CQeEditWindow::LeaveRemovedPage(std::uint16_t page)
{
    if (m_nCurrentPage != page) return;
    Activate(0, page == GetPageCount() ? page - 1 : page + 1);
}

void CQeEditWindow::InsertLine(std::uint16_t field, std::uint16_t page)
{
    page = ResolvePage(page);
    if (page == 2) {
        ShowNotImplemented();
        return;
    }
    if (page != 1 || !m_model.InsertLine(field)) return;
    if (m_nCurrentPage == 1 && m_nCurrentField >= field) ++m_nCurrentField;
}

void CQeEditWindow::DeleteLine(std::uint16_t field, std::uint16_t page)
{
    page = ResolvePage(page);
    if (page == 2) {
        ShowNotImplemented();
        return;
    }
    if (page != 1 || !m_model.SlotOf(field, 1)) return;
    LeaveDeletedLine(field);
    m_model.RemoveLine(field);
    if (m_nCurrentPage == 1 && m_nCurrentField > field) --m_nCurrentField;
}

// The text being typed in a field that goes is committed there, and the editor moves to a neighbour.
void CQeEditWindow::LeaveDeletedLine(std::uint16_t field)
{
    if (!IsCurrent(field, 1)) return;
    if (field + 1 < m_model.lineCount) {
        Activate(field + 1, 1);
    } else if (field > 0) {
        Activate(field - 1, 1);
    }
}

int CQeEditWindow::SetLineRect(std::uint16_t field, const Rect& rect)
{
    return StoreRect(m_model.LineRect(field), rect.left, rect.top, rect.right, rect.bottom, rect.exactHeight);
}

int CQeEditWindow::SetLineRectLTRB(std::uint16_t field, int left, int top, int right, int bottom)
{
    return StoreRect(m_model.LineRect(field), left, top, right, bottom);
}

int CQeEditWindow::GetLineRect(std::uint16_t field, Rect& rect) const
{
    const Rect* stored = m_model.LineRect(field);
    if (!stored) return -1;
    rect = *stored;
    return 0;
}

int CQeEditWindow::SetColumnRect(std::uint16_t column, const Rect& rect)
{
    return StoreRect(m_model.ColumnRect(column), rect.left, rect.top, rect.right, rect.bottom,
                     rect.exactHeight);
}

int CQeEditWindow::SetColumnRectLTRB(std::uint16_t column, int left, int top, int right, int bottom)
{
    return StoreRect(m_model.ColumnRect(column), left, top, right, bottom);
}

// ---- format words

std::optional<Model::Slot> CQeEditWindow::SlotOf(std::uint16_t field, std::uint16_t page) const
{
    return m_model.SlotOf(field, ResolvePage(page));
}

bool CQeEditWindow::IsCurrent(std::uint16_t field, std::uint16_t page) const
{
    return field == m_nCurrentField && ResolvePage(page) == m_nCurrentPage;
}

std::uint16_t* CQeEditWindow::FlagsOf(std::uint16_t field, std::uint16_t page)
{
    const auto slot = SlotOf(field, page);
    return slot ? &m_model.FlagsAt(*slot) : nullptr;
}

std::uint16_t CQeEditWindow::GetFieldFlags(std::uint16_t field, std::uint16_t page) const
{
    const auto slot = SlotOf(field, page);
    return slot ? m_model.FlagsAt(*slot) : 0;
}

void CQeEditWindow::SetFieldFlags(std::uint16_t field, std::uint16_t page, std::uint16_t flags)
{
    if (std::uint16_t* word = FlagsOf(field, page)) *word = flags;
}

std::uint16_t CQeEditWindow::GetFontSize(std::uint16_t field, std::uint16_t page) const
{
    const auto slot = SlotOf(field, page);
    return slot ? m_model.FlagsAt(*slot) & Model::kSizeMask : kUnknownFontSize;
}

void CQeEditWindow::SetFontSize(std::uint16_t field, std::uint16_t page, std::uint16_t size)
{
    if (page == 0) return;
    if (std::uint16_t* word = FlagsOf(field, page)) *word = (*word & 0xFF00) | (size & Model::kSizeMask);
}

// The size of the current field, or kUnknownFontSize when there is none.
std::uint16_t CQeEditWindow::CurrentSize() const
{
    return GetFontSize(m_nCurrentField, 0);
}

bool CQeEditWindow::CanIncreaseFontSize() const
{
    return CurrentSize() < Model::kLargestSize;
}

bool CQeEditWindow::CanDecreaseFontSize() const
{
    const std::uint16_t size = CurrentSize();
    return size > 0 && size != kUnknownFontSize;
}

void CQeEditWindow::IncreaseFontSize()
{
    if (!CanIncreaseFontSize()) return;
    *FlagsOf(m_nCurrentField, 0) += 1;
    ReactivateCurrent();
}

void CQeEditWindow::DecreaseFontSize()
{
    if (!CanDecreaseFontSize()) return;
    *FlagsOf(m_nCurrentField, 0) -= 1;
    ReactivateCurrent();
}

bool CQeEditWindow::IsFieldBold(std::uint16_t field, std::uint16_t page) const
{
    return GetFieldFlags(field, page) & Model::kBold;
}

void CQeEditWindow::ToggleBold()
{
    std::uint16_t* word = FlagsOf(m_nCurrentField, 0);
    if (!word) return;
    *word ^= Model::kBold;
    ReactivateCurrent();
}

void CQeEditWindow::SetFieldBold(std::uint16_t field, std::uint16_t page)
{
    if (std::uint16_t* word = FlagsOf(field, page)) *word |= Model::kBold;
}

void CQeEditWindow::ClearFieldBold(std::uint16_t field, std::uint16_t page)
{
    if (std::uint16_t* word = FlagsOf(field, page)) *word &= ~Model::kBold;
}

std::uint16_t CQeEditWindow::GetAlignment(std::uint16_t field, std::uint16_t page) const
{
    return GetFieldFlags(field, page) & Model::kAlignMask;
}

void CQeEditWindow::ResetFieldAlignment(std::uint16_t field, std::uint16_t page)
{
    if (std::uint16_t* word = FlagsOf(field, page)) *word &= ~Model::kAlignMask;
}

// The live window shows the alignment of the field it stands on, so it is re-activated when that changes.
void CQeEditWindow::SetFieldAlignment(std::uint16_t field, std::uint16_t page, std::uint16_t alignment)
{
    std::uint16_t* word = FlagsOf(field, page);
    if (!word) return;
    *word = (*word & ~Model::kAlignMask) | alignment;
    if (m_bCreated && IsCurrent(field, page)) ReactivateCurrent();
}

void CQeEditWindow::SetFieldAlignLeft(std::uint16_t field, std::uint16_t page)
{
    SetFieldAlignment(field, page, Model::kAlignLeft);
}

void CQeEditWindow::SetFieldAlignCenter(std::uint16_t field, std::uint16_t page)
{
    SetFieldAlignment(field, page, Model::kAlignCenter);
}

void CQeEditWindow::SetFieldAlignRight(std::uint16_t field, std::uint16_t page)
{
    SetFieldAlignment(field, page, Model::kAlignRight);
}

// ---- texts, insert mode, context menu items

QString CQeEditWindow::GetFieldText(std::uint16_t field, std::uint16_t page) const
{
    const auto slot = SlotOf(field, page);
    return slot ? m_model.TextAt(*slot) : QString();
}

void CQeEditWindow::SetFieldText(std::uint16_t field, const QString& text, std::uint16_t page)
{
    if (const auto slot = SlotOf(field, page)) m_model.TextAt(*slot) = text;
}

void CQeEditWindow::SetCurrentText(const QString& text)
{
    SetFieldText(m_nCurrentField, text, 0);
    if (m_window && m_bHoldsField) m_window->SetFieldText(text);
    RepaintDrawnText(m_nCurrentField, m_nCurrentPage);
}

void CQeEditWindow::SetInsertMode(bool insert)
{
    m_nInsertMode = insert ? 1 : 0;
    if (m_window) m_window->setOverwriteMode(!insert);
}

QString CQeEditWindow::GetCurrentText()
{
    CommitTypedText();
    return GetFieldText(m_nCurrentField, m_nCurrentPage);
}

qsizetype CQeEditWindow::GetFieldTextLength(std::uint16_t field, std::uint16_t page) const
{
    const auto slot = SlotOf(field, page);
    return slot ? m_model.TextAt(*slot).size() : 0;
}

bool CQeEditWindow::AddContextMenuItem(std::uint32_t flags, std::uint32_t id, const QString& text)
{
    return m_contextMenu.AddItem(flags, id, text);
}

// ---- activation and the file block

int CQeEditWindow::Activate(std::uint16_t field, std::uint16_t page)
{
    page = ResolvePage(page);
    if (!m_model.SlotOf(field, page)) return -1;
    CommitTypedText();
    // A field activated again keeps its text, caret and undo steps in the window.
    const bool textShown = m_bHoldsField && IsCurrent(field, page);
    // The field left is drawn by the view from here on, its text as it was left.
    RepaintDrawnText(m_nCurrentField, m_nCurrentPage);
    m_nCurrentField = field;
    m_nCurrentPage = page;
    if (m_window) ShowCurrentField(textShown);
    return 0;
}

// Only the field the window stands on gets its text: a window just made, or one whose field was replaced by
// a load, holds nobody's text and must not empty a field.
void CQeEditWindow::CommitTypedText()
{
    if (!m_window || !m_bHoldsField) return;
    if (const auto held = SlotOf(m_nCurrentField, m_nCurrentPage))
        m_model.TextAt(*held) = m_window->FieldText();
}

const CQeEditWindow::Rect* CQeEditWindow::RectOf(std::uint16_t field, std::uint16_t page) const
{
    return page == 1 ? m_model.LineRect(field) : m_model.ColumnRect(field);
}

// The view draws every field, the one under the live window too, and a text can reach below its box (more
// lines than it holds) and past its sides (a word wider than it): what it covered is repainted from the box's
// top down, across the view.
void CQeEditWindow::RepaintDrawnText(std::uint16_t field, std::uint16_t page)
{
    const Rect* rect = RectOf(field, page);
    if (!rect || !m_pParentView) return;
    QWidget* viewport = m_pParentView->viewport();
    const int top = std::uint16_t(rect->top) - m_pParentView->GetDeviceScrollPosition().y();
    viewport->update(0, top, viewport->width(), viewport->height() - top);
}

const platform::Font& CQeEditWindow::PrinterFontOf(std::uint16_t field, std::uint16_t page) const
{
    const std::uint16_t size = GetFontSize(field, page);
    return size == kUnknownFontSize ? m_fonts.turned
                                    : m_fonts.printer.ForField(size, IsFieldBold(field, page));
}

const CQeEditWindow::PaperBox* CQeEditWindow::PaperBoxOf(std::uint16_t field, std::uint16_t page) const
{
    const QList<PaperBox>& boxes = ResolvePage(page) == 1 ? m_paper.fields : m_paper.columns;
    return field < boxes.size() && SlotOf(field, page) ? &boxes[field] : nullptr;
}

std::optional<platform::LineBreaking> CQeEditWindow::PaperBreaking(std::uint16_t field, std::uint16_t page,
                                                                   int horizontalArea) const
{
    const PaperBox* box = PaperBoxOf(field, page);
    if (!box) return std::nullopt;
    const int width = FieldTextPlacement::LineWidth(GetAlignment(field, page),
                                                    LeastScaledLength(box->width, horizontalArea));
    return platform::LineBreaking{platform::TextMeasures::onPaper(PrinterFontOf(field, page)), double(width)};
}

// The lines whose cell ends inside the box, to the tenth of a millimetre the forms are laid out in; the
// leading below the last line may reach past it.
qsizetype CQeEditWindow::PaperLinesHeld(std::uint16_t field, std::uint16_t page) const
{
    const PaperBox* box = PaperBoxOf(field, page);
    if (!box) return platform::kAllLines;
    const platform::TextMetrics line =
        platform::TextMeasures::onPaper(PrinterFontOf(field, page))->unitMetrics();
    const double below = LeastScaledLength(box->height, m_paper.area.vertical) - std::round(line.height);
    return below < 0 ? 0 : 1 + qsizetype((below + 0.5) / (line.height + line.externalLeading));
}

// The live window shows the lines the field prints in, and refuses what would need more of them than its box
// holds on paper.
void CQeEditWindow::BreakWindowAsOnPaper()
{
    m_window->SetBreaking(PaperBreaking(m_nCurrentField, m_nCurrentPage, m_paper.area.horizontal),
                          PaperLinesHeld(m_nCurrentField, m_nCurrentPage));
}

void CQeEditWindow::ShowCurrentField(bool textShown)
{
    const auto slot = SlotOf(m_nCurrentField, m_nCurrentPage);
    const Rect* rect = RectOf(m_nCurrentField, m_nCurrentPage);
    if (!slot || !rect) return;
    LiveEditWidget& window = *m_window;
    const LiveEditWidget::FitOnce fitOnce(window);
    const QPoint scrolled = m_pParentView ? m_pParentView->GetDeviceScrollPosition() : QPoint();
    const QPoint topLeft(std::uint16_t(rect->left), std::uint16_t(rect->top));
    const QPoint bottomRight(std::uint16_t(rect->right), std::uint16_t(rect->bottom));
    window.SetBox(
        QRect(topLeft - scrolled, QSize(bottomRight.x() - topLeft.x(), bottomRight.y() - topLeft.y())),
        rect->exactHeight);
    const std::uint16_t alignment = GetAlignment(m_nCurrentField, m_nCurrentPage);
    window.SetAlignment(FieldTextPlacement::WindowAlignment(alignment));
    const FieldTextPlacement::Insets insets = FieldTextPlacement::InsetsOf(alignment);
    window.SetTextInsets(insets.left * m_dPixelsPerUnit, insets.right * m_dPixelsPerUnit);
    BreakWindowAsOnPaper();
    if (!textShown) window.SetFieldText(m_model.TextAt(*slot));
    const EditorFontTable::WindowFont font =
        m_fonts.ForWindow(GetFontSize(m_nCurrentField, m_nCurrentPage),
                          IsFieldBold(m_nCurrentField, m_nCurrentPage), window.logicalDpiY());
    window.SetFieldFont(font.font, font.cellPixels);
    window.show();
    window.setFocus();
    m_bHoldsField = true;
}

void CQeEditWindow::Serialize(platform::Archive& archive)
{
    if (archive.isStoring()) {
        EditorArchiveBlock::Store(archive, m_model);
        return;
    }
    m_model = EditorArchiveBlock::Load(archive, m_model);
    // The window's text belongs to the form that was there before.
    m_bHoldsField = false;
    if (m_window) ShowCurrentField();
}

void CQeEditWindow::ShowNotImplemented()
{
    platform::UiService::instance().messageBox(
        {CQELWinAppEx::kAppName.toString(), QString::fromLatin1(kNotImplementedText)});
}

// ---- the live window

bool CQeEditWindow::CreateEditor(platform::ScrollView* view, int controlId, platform::Document* document,
                                 int contextMenuId)
{
    if (!view) return false;
    m_pParentView = view;
    m_nControlId = controlId;
    m_pDocument = document;
    m_contextMenu.UseMenu(contextMenuId);
    if (m_model.lineCount == 0) {
        SetFieldCounts(1, 0, true);
        m_nCurrentField = 0;
    }
    delete m_window;
    m_window = new LiveEditWidget(*this, view->viewport());
    m_window->setObjectName(QString::number(controlId));
    m_window->setGeometry(10, 10, 10, 10);
    m_window->viewport()->setCursor(AppCursors::Get(kFieldEditorCursor));
    m_window->setOverwriteMode(!IsInsertMode());
    m_window->SetColors(platform::toQColor(m_crText), platform::toQColor(m_crBackground));
    m_window->show();
    m_bHoldsField = false;
    return true;
}

bool CQeEditWindow::CreateEditorEx(platform::ScrollView* view, int controlId, platform::Document* document,
                                   int contextMenuId, const platform::Dc& dc, int zoom,
                                   platform::ColorRef textColor, platform::ColorRef backgroundColor)
{
    SetColors(textColor, backgroundColor);
    m_bCreated = 0;
    if (!CreateEditor(view, controlId, document, contextMenuId)) return false;
    CreateFonts(dc, zoom);
    m_bCreated = 1;
    return true;
}

void CQeEditWindow::SetWindowText(const QString& text)
{
    if (m_window) m_window->SetFieldText(text);
}

void CQeEditWindow::EnsureVisible()
{
    if (m_window && m_pParentView) m_window->ScrollIntoView(*m_pParentView);
}

void CQeEditWindow::SetColors(platform::ColorRef textColor, platform::ColorRef backgroundColor)
{
    SetTextColor(textColor);
    SetBkColor(backgroundColor);
}

void CQeEditWindow::SetTextColor(platform::ColorRef color)
{
    m_crText = color;
    if (m_window) m_window->SetColors(platform::toQColor(m_crText), platform::toQColor(m_crBackground));
}

void CQeEditWindow::SetBkColor(platform::ColorRef color)
{
    m_crBackground = color;
    if (m_window) m_window->SetColors(platform::toQColor(m_crText), platform::toQColor(m_crBackground));
}

void CQeEditWindow::PasteFromClipboard()
{
    if (m_window) m_window->paste();
}

void CQeEditWindow::MoveCaretToEnd()
{
    if (!m_window) return;
    m_window->moveCursor(QTextCursor::End);
    m_window->ensureCursorVisible();
}

bool CQeEditWindow::CanUndo() const
{
    return m_window && m_window->document()->isUndoAvailable();
}

void CQeEditWindow::UpdateUndoCommand(platform::CmdUI& ui) const
{
    static const QString kNames[2][2] = {
        {QStringLiteral("&Rückgängig (nicht möglich)"), QStringLiteral("&Rückgängig")},
        {QStringLiteral("&Undo (not possible)"), QStringLiteral("&Undo")}};
    const bool canUndo = CanUndo();
    ui.Enable(canUndo);
    ui.SetText(kNames[m_nLanguage][canUndo ? 1 : 0]);
}

bool CQeEditWindow::IsInsertKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Insert && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void CQeEditWindow::OnKeyDown(QKeyEvent* event)
{
    if (IsInsertKey(event)) {
        SetInsertMode(!IsInsertMode());
        event->accept();
        return;
    }
    m_window->DefaultKeyDown(event);
}

void CQeEditWindow::OnMouseWheel(QWheelEvent* event)
{
    m_window->DefaultMouseWheel(event);
}

void CQeEditWindow::OnContextMenu(QPoint globalPos)
{
    m_contextMenu.Show(globalPos);
}

// The field takes every edit at once, so that what the view draws of it beside and below the window, and
// what prints, is what was typed.
void CQeEditWindow::OnTextEdited()
{
    CommitTypedText();
    RepaintDrawnText(m_nCurrentField, m_nCurrentPage);
    if (m_pDocument) m_pDocument->setModifiedFlag(true);
}

// ---- fonts, drawing and printing

int CQeEditWindow::ProfileInt(const settings::IntValue& value) const
{
    return m_settings ? m_settings->GetProfileInt(value) : value.defaultValue;
}

void CQeEditWindow::CreateFonts(const platform::Dc& dc, int zoom)
{
    m_dPixelsPerUnit = dc.mapper().himetricToDevice(QPointF(kHimetricPerUnit, 0)).x();
    m_fonts.CreateScreenFonts([this](const settings::IntValue& value) { return ProfileInt(value); }, dc,
                              zoom);
}

void CQeEditWindow::CreatePrinterFonts(int factor)
{
    m_fonts.CreatePrinterFonts([this](const settings::IntValue& value) { return ProfileInt(value); }, factor);
}

void CQeEditWindow::SetPaper(const Paper& paper)
{
    const EditorFontTable::FontSet printerFonts = m_fonts.printer;
    CreatePrinterFonts(paper.printerFontFactor);
    if (paper == m_paper && printerFonts == m_fonts.printer) return;
    m_paper = paper;
    if (m_window && m_bHoldsField) BreakWindowAsOnPaper();
    if (m_pParentView) m_pParentView->viewport()->update();
}

void CQeEditWindow::DefineFont(std::uint16_t index, platform::Font font)
{
    m_fonts.Define(index, font);
}

void CQeEditWindow::SetFont(std::uint16_t index, const platform::Font& font)
{
    platform::UiService::instance().messageBox(
        {CQELWinAppEx::kAppName.toString(),
         QStringLiteral("Alte Funktion: CQeEditWindow::SetFont\nCQeEditWindow::DefineFont benutzen!")});
    DefineFont(index, font);
    DefineFont(std::uint16_t(index + 16), font);
}

// Size codes beyond the largest size draw at the largest.
bool CQeEditWindow::PaintField(platform::Dc& dc, platform::Rect& rect, std::uint16_t field,
                               std::uint16_t page, bool singleLine)
{
    if (!m_bCreated) return false;
    dc.selectFont(m_fonts.display.ForField(GetFontSize(field, page), IsFieldBold(field, page)));
    const unsigned format = FieldTextPlacement::DrawTextFormat(GetAlignment(field, page), singleLine, rect);
    const std::optional<platform::LineBreaking> breaking =
        PaperBreaking(field, page, m_paper.area.horizontal);
    // A text far longer than its box, as a hostile file may bring, must not hold up every drawing of the
    // form.
    dc.drawText(GetFieldText(field, page), rect, format | platform::DrawTextFormat::ShownPartOnly,
                breaking ? &*breaking : nullptr);
    return true;
}

// Printing needs nothing of the screen: the printer fonts exist from the start and the texts are the stored
// ones.
int CQeEditWindow::PrintField(platform::Dc& dc, const platform::Rect& rect, std::uint16_t field,
                              std::uint16_t page, bool singleLine, PrintArea area)
{
    platform::Rect scaled = ScaledToPrintArea(rect, area);
    dc.selectFont(PrinterFontOf(field, page));
    const unsigned format = FieldTextPlacement::DrawTextFormat(GetAlignment(field, page), singleLine, scaled);
    const std::optional<platform::LineBreaking> breaking = PaperBreaking(field, page, area.horizontal);
    // Lines below the sheet's bottom edge print nowhere, and no line shows more than a box can hold: a
    // hostile text prints no slower than one that fills its box.
    return dc.drawText(GetFieldText(field, page), scaled, format | platform::DrawTextFormat::ShownPartOnly,
                       breaking ? &*breaking : nullptr);
}

// Toward the printer's logical origin, by the print-area factors in per mille, truncated toward zero.
platform::Rect CQeEditWindow::ScaledToPrintArea(const platform::Rect& rect, PrintArea area)
{
    const auto scaled = [](int value, int factor) {
        return int(std::int64_t{value} * factor / kUnscaledPrintArea);
    };
    return {scaled(rect.left, area.horizontal), scaled(rect.top, area.vertical),
            scaled(rect.right, area.horizontal), scaled(rect.bottom, area.vertical)};
}
