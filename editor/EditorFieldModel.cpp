#include "editor/EditorFieldModel.h"

#include <algorithm>
#include <utility>

namespace {

void MarkAdded(QList<std::uint16_t>& flags, qsizetype from, qsizetype to, std::uint16_t word)
{
    for (qsizetype i = from; i < to; ++i) flags[i] = word;
}

}  // namespace

void EditorFieldModel::SetCounts(std::uint16_t lines, std::uint16_t columns, bool initialise)
{
    const std::uint16_t oldLines = lineCount;
    lineCount = lines;
    ResizeLines(lines);
    if (initialise) MarkAdded(lineFlags, oldLines, lines, kInitialFlags);

    const std::uint16_t oldColumns = columnCount;
    columnCount = columns;
    mode = columns > 0 ? kWithTable | 2 : kLinesOnly;
    columnRects.resize(columns);
    ResizeCells(columns, 0);
    if (initialise) MarkAdded(cellFlags, oldColumns, columns, kInitialFlags);
}

void EditorFieldModel::MakeConsistent()
{
    ResizeLines(lineCount);
    columnRects.resize(columnCount);
    if (columnCount == 0) {
        mode = kLinesOnly;
        ResizeCells(0, 0);
        return;
    }
    const qsizetype rowsNamed = std::clamp((mode & kPageCountMask) - 1, 1, int{kMostRows});
    const qsizetype cellsRead = std::max(cellTexts.size(), cellFlags.size());
    const qsizetype rowsRead = std::max<qsizetype>(1, (cellsRead + columnCount - 1) / columnCount);
    const qsizetype rows = std::min(rowsNamed, rowsRead);
    mode = kWithTable | static_cast<std::uint16_t>(rows + 1);
    ResizeCells(rows * columnCount, 0);
}

std::optional<EditorFieldModel::Slot> EditorFieldModel::SlotOf(std::uint16_t field, std::uint16_t page) const
{
    if (page == 1) {
        if (field >= lineCount || field >= lineTexts.size() || field >= lineFlags.size()) return std::nullopt;
        return Slot{false, field};
    }
    if (page < 2 || field >= columnCount) return std::nullopt;
    const qsizetype index = qsizetype{page - 2} * columnCount + field;
    if (index >= cellTexts.size() || index >= cellFlags.size()) return std::nullopt;
    return Slot{true, index};
}

const EditorFieldModel::Rect* EditorFieldModel::LineRect(std::uint16_t field) const
{
    return field < lineCount && field < lineRects.size() ? &lineRects[field] : nullptr;
}

EditorFieldModel::Rect* EditorFieldModel::LineRect(std::uint16_t field)
{
    // The non-const subscript, so that a shared copy of the array is never written through.
    return std::as_const(*this).LineRect(field) ? &lineRects[field] : nullptr;
}

const EditorFieldModel::Rect* EditorFieldModel::ColumnRect(std::uint16_t column) const
{
    return column < columnCount && column < columnRects.size() ? &columnRects[column] : nullptr;
}

EditorFieldModel::Rect* EditorFieldModel::ColumnRect(std::uint16_t column)
{
    return std::as_const(*this).ColumnRect(column) ? &columnRects[column] : nullptr;
}

void EditorFieldModel::ResizeCells(qsizetype size, std::uint16_t newFlags)
{
    cellTexts.resize(size);
    cellFlags.resize(size, newFlags);
}

void EditorFieldModel::ResizeLines(qsizetype size)
{
    lineTexts.resize(size);
    lineFlags.resize(size, 0);
    lineRects.resize(size);
}

void EditorFieldModel::Grow(std::uint16_t lines, std::uint16_t columns)
{
    const EditorFieldModel saved = *this;
    const std::uint16_t savedRows = saved.HasTable() ? saved.PageCount() - 1 : 0;
    SetCounts(lines, columns, false);
    if (columns == 0) return;

    // The rows are laid out afresh: a cell of the old layout must not show up at another column.
    ResizeCells(0, 0);
    SetTableRows(std::max<std::uint16_t>(savedRows, 1), 0);
    for (qsizetype row = 0; row < savedRows; ++row) {
        for (qsizetype column = 0; column < saved.columnCount; ++column) {
            const qsizetype from = row * saved.columnCount + column;
            const qsizetype to = row * columns + column;
            cellTexts[to] = saved.cellTexts[from];
            cellFlags[to] = saved.cellFlags[from];
        }
    }
}

void EditorFieldModel::SetTableRows(std::uint16_t rows, std::uint16_t flags)
{
    rows = std::min(rows, kMostRows);
    ResizeCells(qsizetype{rows} * columnCount, flags);
    mode = static_cast<std::uint16_t>((mode & 0xFF00) + rows + 1);
}

void EditorFieldModel::LinesToColumns()
{
    if (HasTable()) {
        SetTableRows(PageCount(), kInitialFlags);
        return;
    }
    // Without fields there is nothing to make columns of, and a table without columns has no cells.
    if (lineCount == 0) return;
    columnCount = lineCount;
    columnRects = lineRects;
    ResizeCells(lineCount, 0);
    cellFlags = lineFlags;
    mode = kWithTable | 2;
}

void EditorFieldModel::RemovePage(std::uint16_t page)
{
    const std::uint16_t pages = PageCount();
    for (std::uint16_t to = page; to < pages; ++to) {
        for (std::uint16_t column = 0; column < columnCount; ++column) {
            const auto target = SlotOf(column, to);
            const auto source = SlotOf(column, to + 1);
            if (!target || !source) continue;
            TextAt(*target) = TextAt(*source);
            FlagsAt(*target) = FlagsAt(*source);
        }
    }
    if (pages < 3) {
        mode = kLinesOnly;
        columnCount = 0;
        columnRects.clear();
        ResizeCells(0, 0);
    } else {
        mode -= 1;
        ResizeCells(qsizetype{columnCount} * (pages - 2), 0);
    }
}

bool EditorFieldModel::InsertLine(std::uint16_t field)
{
    if (field > lineCount || lineCount == kMostLines) return false;
    lineTexts.insert(field, QString());
    lineFlags.insert(field, kInitialFlags);
    lineRects.insert(field, Rect{});
    ++lineCount;
    return true;
}

void EditorFieldModel::RemoveLine(std::uint16_t field)
{
    lineTexts.removeAt(field);
    lineFlags.removeAt(field);
    lineRects.removeAt(field);
    --lineCount;
}
