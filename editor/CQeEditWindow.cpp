#include "editor/CQeEditWindow.h"

#include "editor/EditorArchiveBlock.h"
#include "platform/archive/Archive.h"

#include <QDebug>
#include <algorithm>

using Model = EditorFieldModel;

namespace {

int StoreRect(Model::Rect* target, int left, int top, int right, int bottom) {
    if (!target) return -1;
    *target = {left & 0xFFFF, top & 0xFFFF, right & 0xFFFF, bottom & 0xFFFF};
    return 0;
}

std::uint16_t EdgeOf(const Model::Rect* rect, int Model::Rect::*edge) {
    return rect ? static_cast<std::uint16_t>(rect->*edge) : 0;
}

}  // namespace

// ---- counts, pages and rectangles

void CQeEditWindow::SetFieldCounts(std::uint16_t lines, std::uint16_t columns, bool initialise) {
    m_model.SetCounts(lines, columns, initialise);
}

// Every table row is kept, each re-laid out at the new column count; added fields and cells are empty with
// format word 0.
bool CQeEditWindow::ResizeFields(std::uint16_t lines, std::uint16_t columns) {
    if (lines < m_model.lineCount || columns < m_model.columnCount) return false;
    const Model saved = m_model;
    const std::uint16_t savedRows = saved.HasTable() ? saved.PageCount() - 1 : 0;
    SetFieldCounts(lines, columns, false);
    if (columns == 0) return true;

    // The rows are laid out afresh: a cell of the old layout must not show up at another column.
    m_model.ResizeCells(0, 0);
    SetTableRows(std::max<std::uint16_t>(savedRows, 1), 0);
    for (qsizetype row = 0; row < savedRows; ++row) {
        for (qsizetype column = 0; column < saved.columnCount; ++column) {
            const qsizetype from = row * saved.columnCount + column;
            const qsizetype to = row * columns + column;
            m_model.cellTexts[to] = saved.cellTexts[from];
            m_model.cellFlags[to] = saved.cellFlags[from];
        }
    }
    return true;
}

void CQeEditWindow::SetTableRows(std::uint16_t rows, std::uint16_t flags) {
    rows = std::min(rows, Model::kMostRows);
    m_model.ResizeCells(qsizetype{rows} * m_model.columnCount, flags);
    m_model.mode = static_cast<std::uint16_t>((m_model.mode & 0xFF00) + rows + 1);
}

void CQeEditWindow::LinesToColumns() {
    if (m_model.HasTable()) {
        SetTableRows(m_model.PageCount(), Model::kInitialFlags);
        return;
    }
    // Without fields there is nothing to make columns of, and a table without columns has no cells.
    if (m_model.lineCount == 0) return;
    m_model.columnCount = m_model.lineCount;
    m_model.columnRects = m_model.lineRects;
    m_model.ResizeCells(m_model.lineCount, 0);
    m_model.cellFlags = m_model.lineFlags;
    m_model.mode = Model::kWithTable | 2;
}

int CQeEditWindow::RemovePage(std::uint16_t page) {
    page = ResolvePage(page);
    const std::uint16_t pages = GetPageCount();
    if (!m_model.HasTable() || page > pages) return -1;
    if (page == 1 && m_model.lineTexts.size() != m_model.cellTexts.size()) return -1;

    LeaveRemovedPage(page);
    MoveRowsUp(page);
    if (pages < 3) {
        m_model.mode = Model::kLinesOnly;
        m_model.columnCount = 0;
        m_model.columnRects.clear();
        m_model.ResizeCells(0, 0);
    } else {
        m_model.mode -= 1;
        m_model.ResizeCells(qsizetype{m_model.columnCount} * (pages - 2), 0);
    }
    if (m_nCurrentPage > page) --m_nCurrentPage;
    return 0;
}

// The text being typed on a page that goes is committed there, and the editor moves to a page that stays:
// the previous one when the last page goes, else the next one, which then moves into the removed one's place.
void CQeEditWindow::LeaveRemovedPage(std::uint16_t page) {
    if (m_nCurrentPage != page) return;
    Activate(0, page == GetPageCount() ? page - 1 : page + 1);
}

void CQeEditWindow::MoveRowsUp(std::uint16_t fromPage) {
    for (std::uint16_t page = fromPage; page < GetPageCount(); ++page) {
        for (std::uint16_t column = 0; column < m_model.columnCount; ++column) {
            SetFieldText(column, GetFieldText(column, page + 1), page);
            SetFieldFlags(column, page, GetFieldFlags(column, page + 1));
        }
    }
}

void CQeEditWindow::InsertLine(std::uint16_t field, std::uint16_t page) {
    page = ResolvePage(page);
    if (page == 2) {
        ShowNotImplemented();
        return;
    }
    if (page != 1 || field > m_model.lineCount || m_model.lineCount == Model::kMostLines) return;
    m_model.lineTexts.insert(field, QString());
    m_model.lineFlags.insert(field, Model::kInitialFlags);
    m_model.lineRects.insert(field, Rect{});
    ++m_model.lineCount;
    if (m_nCurrentPage == 1 && m_nCurrentField >= field) ++m_nCurrentField;
}

void CQeEditWindow::DeleteLine(std::uint16_t field, std::uint16_t page) {
    page = ResolvePage(page);
    if (page == 2) {
        ShowNotImplemented();
        return;
    }
    if (page != 1 || !m_model.SlotOf(field, 1)) return;
    LeaveDeletedLine(field);
    m_model.lineTexts.removeAt(field);
    m_model.lineFlags.removeAt(field);
    m_model.lineRects.removeAt(field);
    --m_model.lineCount;
    if (m_nCurrentPage == 1 && m_nCurrentField > field) --m_nCurrentField;
}

// The text being typed in a field that goes is committed there, and the editor moves to a neighbour.
void CQeEditWindow::LeaveDeletedLine(std::uint16_t field) {
    if (!IsCurrent(field, 1)) return;
    if (field + 1 < m_model.lineCount) {
        Activate(field + 1, 1);
    } else if (field > 0) {
        Activate(field - 1, 1);
    }
}

int CQeEditWindow::SetLineRect(std::uint16_t field, const Rect& rect) {
    return SetLineRectLTRB(field, rect.left, rect.top, rect.right, rect.bottom);
}

int CQeEditWindow::SetLineRectLTRB(std::uint16_t field, int left, int top, int right, int bottom) {
    return StoreRect(m_model.LineRect(field), left, top, right, bottom);
}

int CQeEditWindow::GetLineRect(std::uint16_t field, Rect& rect) const {
    const Rect* stored = m_model.LineRect(field);
    if (!stored) return -1;
    rect = *stored;
    return 0;
}

int CQeEditWindow::SetColumnRect(std::uint16_t column, const Rect& rect) {
    return SetColumnRectLTRB(column, rect.left, rect.top, rect.right, rect.bottom);
}

int CQeEditWindow::SetColumnRectLTRB(std::uint16_t column, int left, int top, int right, int bottom) {
    return StoreRect(m_model.ColumnRect(column), left, top, right, bottom);
}

std::uint16_t CQeEditWindow::GetLineLeft(std::uint16_t field) const {
    return EdgeOf(m_model.LineRect(field), &Rect::left);
}
std::uint16_t CQeEditWindow::GetLineTop(std::uint16_t field) const {
    return EdgeOf(m_model.LineRect(field), &Rect::top);
}
std::uint16_t CQeEditWindow::GetLineRight(std::uint16_t field) const {
    return EdgeOf(m_model.LineRect(field), &Rect::right);
}
std::uint16_t CQeEditWindow::GetLineBottom(std::uint16_t field) const {
    return EdgeOf(m_model.LineRect(field), &Rect::bottom);
}
std::uint16_t CQeEditWindow::GetColumnLeft(std::uint16_t column) const {
    return EdgeOf(m_model.ColumnRect(column), &Rect::left);
}
std::uint16_t CQeEditWindow::GetColumnTop(std::uint16_t column) const {
    return EdgeOf(m_model.ColumnRect(column), &Rect::top);
}
std::uint16_t CQeEditWindow::GetColumnRight(std::uint16_t column) const {
    return EdgeOf(m_model.ColumnRect(column), &Rect::right);
}
std::uint16_t CQeEditWindow::GetColumnBottom(std::uint16_t column) const {
    return EdgeOf(m_model.ColumnRect(column), &Rect::bottom);
}

// ---- format words

std::optional<Model::Slot> CQeEditWindow::SlotOf(std::uint16_t field, std::uint16_t page) const {
    return m_model.SlotOf(field, ResolvePage(page));
}

bool CQeEditWindow::IsCurrent(std::uint16_t field, std::uint16_t page) const {
    return field == m_nCurrentField && ResolvePage(page) == m_nCurrentPage;
}

std::uint16_t* CQeEditWindow::FlagsOf(std::uint16_t field, std::uint16_t page) {
    const auto slot = SlotOf(field, page);
    return slot ? &m_model.FlagsAt(*slot) : nullptr;
}

std::uint16_t CQeEditWindow::GetFieldFlags(std::uint16_t field, std::uint16_t page) const {
    const auto slot = SlotOf(field, page);
    return slot ? m_model.FlagsAt(*slot) : 0;
}

void CQeEditWindow::SetFieldFlags(std::uint16_t field, std::uint16_t page, std::uint16_t flags) {
    if (std::uint16_t* word = FlagsOf(field, page)) *word = flags;
}

std::uint16_t CQeEditWindow::GetFontSize(std::uint16_t field, std::uint16_t page) const {
    const auto slot = SlotOf(field, page);
    return slot ? m_model.FlagsAt(*slot) & Model::kSizeMask : kUnknownFontSize;
}

void CQeEditWindow::SetFontSize(std::uint16_t field, std::uint16_t page, std::uint16_t size) {
    if (page == 0) return;
    if (std::uint16_t* word = FlagsOf(field, page)) *word = (*word & 0xFF00) | (size & Model::kSizeMask);
}

// The size of the current field, or kUnknownFontSize when there is none.
std::uint16_t CQeEditWindow::CurrentSize() const {
    return GetFontSize(m_nCurrentField, 0);
}

bool CQeEditWindow::CanIncreaseFontSize() const {
    return CurrentSize() < Model::kLargestSize;
}

bool CQeEditWindow::CanDecreaseFontSize() const {
    const std::uint16_t size = CurrentSize();
    return size > 0 && size != kUnknownFontSize;
}

void CQeEditWindow::IncreaseFontSize() {
    if (!CanIncreaseFontSize()) return;
    *FlagsOf(m_nCurrentField, 0) += 1;
    ReactivateCurrent();
}

void CQeEditWindow::DecreaseFontSize() {
    if (!CanDecreaseFontSize()) return;
    *FlagsOf(m_nCurrentField, 0) -= 1;
    ReactivateCurrent();
}

bool CQeEditWindow::IsFieldBold(std::uint16_t field, std::uint16_t page) const {
    return GetFieldFlags(field, page) & Model::kBold;
}

void CQeEditWindow::ToggleBold() {
    std::uint16_t* word = FlagsOf(m_nCurrentField, 0);
    if (!word) return;
    *word ^= Model::kBold;
    ReactivateCurrent();
}

void CQeEditWindow::SetFieldBold(std::uint16_t field, std::uint16_t page) {
    if (std::uint16_t* word = FlagsOf(field, page)) *word |= Model::kBold;
}

void CQeEditWindow::ClearFieldBold(std::uint16_t field, std::uint16_t page) {
    if (std::uint16_t* word = FlagsOf(field, page)) *word &= ~Model::kBold;
}

std::uint16_t CQeEditWindow::GetAlignment(std::uint16_t field, std::uint16_t page) const {
    return GetFieldFlags(field, page) & Model::kAlignMask;
}

void CQeEditWindow::ResetFieldAlignment(std::uint16_t field, std::uint16_t page) {
    if (std::uint16_t* word = FlagsOf(field, page)) *word &= ~Model::kAlignMask;
}

// The live window shows the alignment of the field it stands on, so it is re-activated when that changes.
void CQeEditWindow::SetFieldAlignment(std::uint16_t field, std::uint16_t page, std::uint16_t alignment) {
    std::uint16_t* word = FlagsOf(field, page);
    if (!word) return;
    *word = (*word & ~Model::kAlignMask) | alignment;
    if (m_bCreated && IsCurrent(field, page)) ReactivateCurrent();
}

void CQeEditWindow::SetFieldAlignLeft(std::uint16_t field, std::uint16_t page) {
    SetFieldAlignment(field, page, Model::kAlignLeft);
}

void CQeEditWindow::SetFieldAlignCenter(std::uint16_t field, std::uint16_t page) {
    SetFieldAlignment(field, page, Model::kAlignCenter);
}

void CQeEditWindow::SetFieldAlignRight(std::uint16_t field, std::uint16_t page) {
    SetFieldAlignment(field, page, Model::kAlignRight);
}

// ---- texts, insert mode, context menu items

QString CQeEditWindow::GetFieldText(std::uint16_t field, std::uint16_t page) const {
    const auto slot = SlotOf(field, page);
    return slot ? m_model.TextAt(*slot) : QString();
}

void CQeEditWindow::SetFieldText(std::uint16_t field, const QString& text, std::uint16_t page) {
    if (const auto slot = SlotOf(field, page)) m_model.TextAt(*slot) = text;
}

QString CQeEditWindow::GetCurrentText() {
    ReactivateCurrent();
    return GetFieldText(m_nCurrentField, m_nCurrentPage);
}

qsizetype CQeEditWindow::GetFieldTextLength(std::uint16_t field, std::uint16_t page) const {
    const auto slot = SlotOf(field, page);
    return slot ? m_model.TextAt(*slot).size() : 0;
}

bool CQeEditWindow::AddContextMenuItem(std::uint32_t flags, std::uint32_t id, const QString& text) {
    if (m_contextMenuItems.size() >= kMostContextMenuItems) return false;
    if (flags & kMenuSeparator) {
        m_contextMenuItems.append({flags, 0, QString()});
    } else {
        m_contextMenuItems.append({flags, id, text});
    }
    return true;
}

// ---- activation and the file block

// Without a live window, activation moves the current position only.
int CQeEditWindow::Activate(std::uint16_t field, std::uint16_t page) {
    page = ResolvePage(page);
    if (!m_model.SlotOf(field, page)) return -1;
    m_nCurrentField = field;
    m_nCurrentPage = page;
    return 0;
}

void CQeEditWindow::Serialize(platform::Archive& archive) {
    if (archive.isStoring()) {
        EditorArchiveBlock::Store(archive, m_model);
    } else {
        m_model = EditorArchiveBlock::Load(archive, m_model);
    }
}

void CQeEditWindow::ShowNotImplemented() {
    qWarning().noquote() << kNotImplementedText;
}
