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
