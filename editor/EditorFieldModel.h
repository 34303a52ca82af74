#pragma once

#include <QList>
#include <QStringList>
#include <cstdint>
#include <optional>

// The data of a field editor: counts, mode, texts, format words and rectangles of the page-1 fields and of
// the table cells. A plain value, so that a load can work on a copy and the editor takes it only when the
// whole block was read.
//
// Page 1 holds lineCount fields. With a table, pages 2 and up are its rows: cell (page k, column c) is entry
// (k - 2) * columnCount + c of the cell arrays, and every cell of a column shares that column's rectangle.
// The page-1 arrays hold lineCount entries, the column rectangles columnCount, the cell arrays columnCount
// times the rows; every operation keeps it so, and a load restores it with MakeConsistent.
struct EditorFieldModel {
    // The edges of a field in device pixels, each kept as its low 16 bits.
    struct Rect {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
        // The height of the box before its edges were rounded to whole pixels, where the view gave it; 0
        // where only the edges are known. Typed text must fit into it. Not kept in files.
        double exactHeight = 0;
        friend bool operator==(const Rect&, const Rect&) = default;
    };

    // Where a field's text and format word are kept.
    struct Slot {
        bool isCell = false;
        qsizetype index = 0;
    };

    // Mode: the high nibble tells whether there is a table; with a table the low byte is the page count.
    static constexpr std::uint16_t kLinesOnly = 0x1000;
    static constexpr std::uint16_t kWithTable = 0x2000;
    static constexpr std::uint16_t kModeKindMask = 0xF000;
    static constexpr std::uint16_t kPageCountMask = 0x00FF;
    // Counts are 16 bits wide.
    static constexpr std::uint16_t kMostLines = 0xFFFF;
    // The page count lives in the low byte, so a table has at most 254 rows.
    static constexpr std::uint16_t kMostRows = 254;

    // Format word of a field or cell.
    static constexpr std::uint16_t kSizeMask = 0x000F;
    static constexpr std::uint16_t kBold = 0x0010;
    static constexpr std::uint16_t kAlignMask = 0x0F00;
    static constexpr std::uint16_t kAlignLeft = 0x0000;
    static constexpr std::uint16_t kAlignCenter = 0x0100;
    static constexpr std::uint16_t kAlignRight = 0x0200;
    static constexpr std::uint16_t kLargestSize = 4;
    // Size 1, regular, left: what fields made with initialisation start with.
    static constexpr std::uint16_t kInitialFlags = 1;

    QList<std::uint16_t> lineFlags;
    QList<std::uint16_t> cellFlags;
    QStringList lineTexts;
    QStringList cellTexts;
    QList<Rect> lineRects;
    QList<Rect> columnRects;
    std::uint16_t lineCount = 0;
    std::uint16_t columnCount = 0;
    std::uint16_t mode = kLinesOnly;

    // Sets both counts and sizes every array to them, keeping what fits: page-1 arrays to `lines`, the table
    // to one row of `columns` (or none). With `initialise`, the fields and cells that are added get
    // kInitialFlags, else 0.
    void SetCounts(std::uint16_t lines, std::uint16_t columns, bool initialise);
    // Brings arrays and mode in line with the counts, whatever a file put there: page-1 arrays to lineCount
    // entries; without columns no table; with columns a mode that names a table of 1 to kMostRows rows, no
    // more rows than the cells read could fill, and the cell arrays at exactly that many rows.
    void MakeConsistent();

    bool HasTable() const { return (mode & kModeKindMask) != kLinesOnly; }
    std::uint16_t PageCount() const { return HasTable() ? mode & kPageCountMask : 1; }
    // The place of field `field` on page `page` (1 or a table page), or nothing when the arrays hold no
    // such field. Every access to texts and format words goes through here.
    std::optional<Slot> SlotOf(std::uint16_t field, std::uint16_t page) const;
    QString& TextAt(Slot slot) { return slot.isCell ? cellTexts[slot.index] : lineTexts[slot.index]; }
    const QString& TextAt(Slot slot) const
    {
        return slot.isCell ? cellTexts[slot.index] : lineTexts[slot.index];
    }
    std::uint16_t& FlagsAt(Slot slot) { return slot.isCell ? cellFlags[slot.index] : lineFlags[slot.index]; }
    std::uint16_t FlagsAt(Slot slot) const
    {
        return slot.isCell ? cellFlags[slot.index] : lineFlags[slot.index];
    }
    // The rectangle of a page-1 field or of a column, or null when there is none.
    Rect* LineRect(std::uint16_t field);
    const Rect* LineRect(std::uint16_t field) const;
    Rect* ColumnRect(std::uint16_t column);
    const Rect* ColumnRect(std::uint16_t column) const;

    // Resizes the cell texts and format words together; cells that are added get `newFlags`.
    void ResizeCells(qsizetype size, std::uint16_t newFlags);

    // Grows both counts to at least what they are, keeping every text and format word at its field and
    // table row; the rows are laid out afresh at the new column count, added fields and cells are empty
    // with format word 0.
    void Grow(std::uint16_t lines, std::uint16_t columns);
    // Gives the table `rows` rows (at most kMostRows); the cells of the rows added get `flags`.
    void SetTableRows(std::uint16_t rows, std::uint16_t flags);
    // Without a table: turns the page-1 fields into the columns of a one-row table (rectangles and format
    // words, not texts). With a table: adds a row.
    void LinesToColumns();
    // Removes table page `page` (1 up to the page count), the later rows moving up; page 1 takes the first
    // row into the page-1 fields. The last row gone, no table is left.
    void RemovePage(std::uint16_t page);
    // Inserts an empty page-1 field before `field`, or after the last one; false when there is no such place
    // or no room for another field.
    bool InsertLine(std::uint16_t field);
    // Removes page-1 field `field`, which must exist.
    void RemoveLine(std::uint16_t field);

private:
    void ResizeLines(qsizetype size);
};
