#include "editor/CQeEditWindow.h"

#include "tests/editor/ProbeEditor.h"
#include "tests/support/AnsweringUi.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint16_t kBoldCentredSize2 = 0x0112;

// An editor of `lines` fields and a table of `columns` columns and `rows` rows; every field and cell holds a
// text and a format word of its own, so that a shifted index shows.
void Fill(CQeEditWindow& editor, std::uint16_t lines, std::uint16_t columns, std::uint16_t rows)
{
    editor.SetFieldCounts(lines, columns, true);
    if (columns > 0) editor.SetTableRows(rows, 1);
    for (std::uint16_t page = 1; page <= editor.GetPageCount(); ++page) {
        const std::uint16_t fields = page == 1 ? lines : columns;
        for (std::uint16_t field = 0; field < fields; ++field) {
            editor.SetFieldText(field, QString("p%1f%2").arg(page).arg(field), page);
            editor.SetFieldFlags(field, page, static_cast<std::uint16_t>(page * 0x100 + field));
        }
    }
}

QString CellText(int page, int field)
{
    return QString("p%1f%2").arg(page).arg(field);
}

}  // namespace

TEST(FieldCounts, ANewEditorHasNoFieldsOnePageAndStandsOnField0OfPage1)
{
    const CQeEditWindow editor;
    EXPECT_EQ(editor.GetLineCount(), 0);
    EXPECT_EQ(editor.GetColumnCount(), 0);
    EXPECT_EQ(editor.GetMode(), 0x1000);
    EXPECT_EQ(editor.GetPageCount(), 1);
    EXPECT_EQ(editor.GetCurrentField(), 0);
    EXPECT_EQ(editor.GetCurrentPage(), 1);
    EXPECT_TRUE(editor.IsInsertMode());
}

TEST(FieldCounts, InitialisedFieldsAndCellsStartWithSize1AndATableOfOneRow)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(21, 11, true);
    EXPECT_EQ(editor.GetLineCount(), 21);
    EXPECT_EQ(editor.GetColumnCount(), 11);
    EXPECT_EQ(editor.GetMode(), 0x2000);
    EXPECT_EQ(editor.GetPageCount(), 2);
    for (std::uint16_t field = 0; field < 21; ++field) EXPECT_EQ(editor.GetFieldFlags(field, 1), 1) << field;
    for (std::uint16_t cell = 0; cell < 11; ++cell) EXPECT_EQ(editor.GetFieldFlags(cell, 2), 1) << cell;
    EXPECT_EQ(editor.GetFontSize(11, 2), CQeEditWindow::kUnknownFontSize);
    EXPECT_EQ(editor.GetFontSize(0, 3), CQeEditWindow::kUnknownFontSize);
    // Fields added without initialisation start with word 0.
    editor.SetFieldCounts(23, 12, false);
    EXPECT_EQ(editor.GetFieldFlags(22, 1), 0);
    EXPECT_EQ(editor.GetFieldFlags(11, 2), 0);
}

TEST(FieldCounts, CuttingToOneFieldKeepsField0AndDropsTheRestAndTheTable)
{
    CQeEditWindow editor;
    Fill(editor, 21, 11, 1);
    editor.SetFieldCounts(1, 0, true);
    EXPECT_EQ(editor.GetLineCount(), 1);
    EXPECT_EQ(editor.GetFieldText(0, 1), CellText(1, 0));
    EXPECT_EQ(editor.GetFieldFlags(0, 1), 0x100);
    EXPECT_EQ(editor.GetFieldText(1, 1), "");
    EXPECT_EQ(editor.GetColumnCount(), 0);
    EXPECT_EQ(editor.GetMode(), 0x1000);
    EXPECT_EQ(editor.GetPageCount(), 1);
    EXPECT_EQ(editor.GetFieldText(0, 2), "");
}

TEST(FieldAddressing, EveryCellOfEveryRowKeepsItsOwnTextAndWord)
{
    CQeEditWindow editor;
    Fill(editor, 4, 3, 3);
    ASSERT_EQ(editor.GetPageCount(), 4);
    for (std::uint16_t page = 1; page <= 4; ++page) {
        const std::uint16_t fields = page == 1 ? 4 : 3;
        for (std::uint16_t field = 0; field < fields; ++field) {
            EXPECT_EQ(editor.GetFieldText(field, page), CellText(page, field));
            EXPECT_EQ(editor.GetFieldFlags(field, page), page * 0x100 + field);
        }
    }
}

TEST(FieldAddressing, Page0IsTheCurrentPage)
{
    CQeEditWindow editor;
    Fill(editor, 4, 3, 2);
    ASSERT_EQ(editor.Activate(1, 3), 0);
    EXPECT_EQ(editor.GetFieldText(2, 0), CellText(3, 2));
    editor.SetFieldText(0, "neu", 0);
    EXPECT_EQ(editor.GetFieldText(0, 3), "neu");
    editor.SetFieldFlags(0, 0, 0x0204);
    EXPECT_EQ(editor.GetAlignment(0, 3), 0x200);
    editor.SetFontSize(0, 0, 3);  // the one operation that takes no page 0
    EXPECT_EQ(editor.GetFontSize(0, 3), 4);
    ASSERT_EQ(editor.Activate(2, 0), 0);
    EXPECT_EQ(editor.GetCurrentPage(), 3);
}

// Fields and pages that do not exist: 4 fields, 3 columns, 2 rows (pages 2 and 3).
TEST(FieldAddressing, AFieldOrPageThatDoesNotExistGivesNeutralAnswersAndChangesNothing)
{
    const std::pair<std::uint16_t, std::uint16_t> missing[] = {
        {4, 1}, {25, 1}, {0xFFFF, 1}, {3, 2}, {2, 4}, {0, 4}, {0, 255}, {0, 0xFFFF},
    };
    for (const auto& [field, page] : missing) {
        SCOPED_TRACE(testing::Message() << "field " << field << " page " << page);
        ProbeEditor editor;
        Fill(editor, 4, 3, 2);
        editor.SetFieldText(field, "x", page);
        editor.SetFieldFlags(field, page, 0x0213);
        editor.SetFontSize(field, page, 3);
        editor.SetFieldBold(field, page);
        editor.SetFieldAlignRight(field, page);
        editor.ResetFieldAlignment(field, page);
        EXPECT_EQ(editor.GetFieldText(field, page), "");
        EXPECT_EQ(editor.GetFieldTextLength(field, page), 0);
        EXPECT_EQ(editor.GetFieldFlags(field, page), 0);
        EXPECT_EQ(editor.GetFontSize(field, page), 64);
        EXPECT_EQ(editor.GetAlignment(field, page), 0);
        EXPECT_FALSE(editor.IsFieldBold(field, page));
        EXPECT_EQ(editor.Activate(field, page), -1);
        EXPECT_EQ(editor.GetCurrentField(), 0);
        EXPECT_EQ(editor.GetCurrentPage(), 1);

        ProbeEditor untouched;
        Fill(untouched, 4, 3, 2);
        for (std::uint16_t p = 1; p <= 3; ++p) {
            for (std::uint16_t f = 0; f < 4; ++f) {
                EXPECT_EQ(editor.GetFieldText(f, p), untouched.GetFieldText(f, p));
                EXPECT_EQ(editor.GetFieldFlags(f, p), untouched.GetFieldFlags(f, p));
            }
        }
    }
}

TEST(Rectangles, EdgesAreKeptAsTheirLow16BitsAndReadBackUnsigned)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(2, 2, true);
    EXPECT_EQ(editor.SetLineRectLTRB(1, -1, 70000, 5, 0x1FFFF), 0);
    CQeEditWindow::Rect rect;
    EXPECT_EQ(editor.GetLineRect(1, rect), 0);
    EXPECT_EQ(rect, (CQeEditWindow::Rect{0xFFFF, 70000 & 0xFFFF, 5, 0xFFFF}));
    EXPECT_EQ(editor.GetLineBottom(1), 0xFFFF);
    EXPECT_EQ(editor.SetColumnRect(1, {10, 20, 30, 40}), 0);
    EXPECT_EQ(editor.GetColumnTop(1), 20);
    EXPECT_EQ(editor.GetLineLeft(0), 0);
}

TEST(Rectangles, AFieldOrColumnOutOfRangeIsRefused)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(2, 0, true);
    CQeEditWindow::Rect rect{1, 2, 3, 4};
    EXPECT_EQ(editor.SetLineRect(2, rect), -1);
    EXPECT_EQ(editor.SetLineRectLTRB(2, 1, 2, 3, 4), -1);
    EXPECT_EQ(editor.GetLineRect(2, rect), -1);
    EXPECT_EQ(editor.SetColumnRect(0, rect), -1);
    EXPECT_EQ(editor.SetColumnRectLTRB(0, 1, 2, 3, 4), -1);
    EXPECT_EQ(editor.GetLineBottom(2), 0);
    EXPECT_EQ(editor.GetColumnLeft(0), 0);
}

TEST(FontSize, SettingASizeClearsBoldKeepsAlignmentAndTakesOnlyFourBits)
{
    const struct {
        std::uint16_t size;
        std::uint16_t expected;
    } cases[] = {{3, 0x0103}, {0, 0x0100}, {0x13, 0x0103}, {0xFFFF, 0x010F}};
    for (const auto& c : cases) {
        CQeEditWindow editor;
        editor.SetFieldCounts(2, 0, true);
        editor.SetFieldFlags(1, 1, kBoldCentredSize2);
        editor.SetFontSize(1, 1, c.size);
        EXPECT_EQ(editor.GetFieldFlags(1, 1), c.expected) << c.size;
        EXPECT_FALSE(editor.IsFieldBold(1, 1));
    }
}

TEST(FontSize, StepsStayWithin0To4AndReactivateOnlyWhenTheyChangeSomething)
{
    const struct {
        std::uint16_t size;
        bool increase;
        std::uint16_t expected;
        int activations;
    } cases[] = {
        {2, true, 3, 1},  {4, true, 4, 0}, {2, false, 1, 1},
        {0, false, 0, 0}, {7, true, 7, 0}, {7, false, 6, 1},
    };
    for (const auto& c : cases) {
        ProbeEditor editor;
        editor.SetFieldCounts(3, 0, true);
        editor.Activate(2, 1);
        editor.activations = 0;
        editor.SetFontSize(2, 1, c.size);
        EXPECT_EQ(editor.CanIncreaseFontSize(), c.size < 4);
        EXPECT_EQ(editor.CanDecreaseFontSize(), c.size > 0);
        c.increase ? editor.IncreaseFontSize() : editor.DecreaseFontSize();
        EXPECT_EQ(editor.GetFontSize(2, 1), c.expected) << c.size << (c.increase ? " +" : " -");
        EXPECT_EQ(editor.activations, c.activations) << c.size << (c.increase ? " +" : " -");
    }
}

TEST(FontSize, WithoutACurrentFieldNothingCanBeStepped)
{
    ProbeEditor editor;
    EXPECT_FALSE(editor.CanIncreaseFontSize());
    EXPECT_FALSE(editor.CanDecreaseFontSize());
    editor.IncreaseFontSize();
    editor.DecreaseFontSize();
    editor.ToggleBold();
    EXPECT_EQ(editor.activations, 0);
}

TEST(Bold, ToggleReactivatesTheCurrentFieldSetAndClearTouchOnlyTheBoldBit)
{
    ProbeEditor editor;
    editor.SetFieldCounts(3, 0, true);
    editor.SetFieldFlags(2, 1, 0x0203);
    editor.Activate(1, 1);
    editor.activations = 0;
    editor.ToggleBold();
    EXPECT_TRUE(editor.IsBold());
    EXPECT_EQ(editor.GetFieldFlags(1, 1), 0x11);
    editor.ToggleBold();
    EXPECT_FALSE(editor.IsFieldBold(1, 1));
    EXPECT_EQ(editor.activations, 2);

    editor.Activate(2, 1);
    editor.activations = 0;
    editor.SetBold();
    editor.SetBold();
    EXPECT_EQ(editor.GetFieldFlags(2, 1), 0x0213);
    editor.ClearBold();
    EXPECT_EQ(editor.GetFieldFlags(2, 1), 0x0203);
    EXPECT_EQ(editor.activations, 0);
}

TEST(Alignment, SettingItKeepsSizeAndBoldAndReactivatesOnlyTheCurrentFieldOfALiveWindow)
{
    const struct {
        std::uint16_t field;
        bool liveWindow;
        int activations;
    } cases[] = {{1, true, 0}, {2, false, 0}, {2, true, 1}};
    for (const auto& c : cases) {
        ProbeEditor editor;
        editor.SetFieldCounts(3, 0, true);
        editor.SetFieldFlags(c.field, 1, 0x0013);
        editor.Activate(2, 1);
        if (c.liveWindow) editor.PretendLiveWindow();
        editor.activations = 0;
        editor.SetFieldAlignRight(c.field, 1);
        EXPECT_EQ(editor.GetFieldFlags(c.field, 1), 0x0213);
        EXPECT_EQ(editor.activations, c.activations) << c.field << " " << c.liveWindow;
    }
}

TEST(Alignment, TheCurrentFieldOperationsActOnTheCurrentPage)
{
    ProbeEditor editor;
    editor.SetFieldCounts(3, 2, true);
    editor.Activate(1, 2);
    editor.SetAlignCenter();
    EXPECT_TRUE(editor.IsAlignCenter());
    EXPECT_EQ(editor.GetAlignment(1, 2), 0x100);
    EXPECT_EQ(editor.GetAlignment(1, 1), 0);
    editor.SetFieldAlignCenter(1, 2);
    editor.ResetFieldAlignment(1, 2);
    EXPECT_EQ(editor.GetFieldFlags(1, 2), 1);
}

TEST(Texts, TheCurrentTextIsCommittedWithoutActivatingTheFieldAgain)
{
    ProbeEditor editor;
    editor.SetFieldCounts(2, 2, true);
    editor.Activate(1, 2);
    editor.activations = 0;
    editor.SetCurrentText("Zelle");
    EXPECT_EQ(editor.GetFieldText(1, 2), "Zelle");
    EXPECT_EQ(editor.GetCurrentText(), "Zelle");
    EXPECT_EQ(editor.activations, 0);
}

TEST(ContextMenu, TakesTwentyFiveItemsAndSeparatorsLoseIdAndText)
{
    CQeEditWindow editor;
    EXPECT_TRUE(editor.AddContextMenuItem(0x800, 57634, "Kopieren"));
    for (int i = 1; i < 25; ++i) EXPECT_TRUE(editor.AddContextMenuItem(0, 1000 + i, QString::number(i)));
    EXPECT_FALSE(editor.AddContextMenuItem(0, 2000, "zu viel"));
    const auto& items = editor.GetContextMenuItems();
    ASSERT_EQ(items.size(), 25);
    EXPECT_EQ(items[0].flags, 0x800u);
    EXPECT_EQ(items[0].id, 0u);
    EXPECT_TRUE(items[0].text.isEmpty());
    EXPECT_EQ(items[24].id, 1024u);
    EXPECT_EQ(items[24].text, "24");
}

TEST(ResizeFields, RefusesToShrinkEitherCountAndKeepsEveryTextAndWordAtItsFieldAndRow)
{
    CQeEditWindow editor;
    Fill(editor, 4, 3, 1);
    EXPECT_FALSE(editor.ResizeFields(3, 3));
    EXPECT_FALSE(editor.ResizeFields(4, 2));
    EXPECT_EQ(editor.GetLineCount(), 4);
    EXPECT_EQ(editor.GetColumnCount(), 3);

    CQeEditWindow grown;
    Fill(grown, 2, 2, 3);
    ASSERT_TRUE(grown.ResizeFields(3, 4));
    EXPECT_EQ(grown.GetLineCount(), 3);
    EXPECT_EQ(grown.GetColumnCount(), 4);
    EXPECT_EQ(grown.GetPageCount(), 4);
    for (std::uint16_t page = 1; page <= 4; ++page) {
        for (std::uint16_t field = 0; field < 2; ++field) {
            EXPECT_EQ(grown.GetFieldText(field, page), CellText(page, field));
            EXPECT_EQ(grown.GetFieldFlags(field, page), page * 0x100 + field);
        }
        EXPECT_EQ(grown.GetFieldText(2, page), "");
        EXPECT_EQ(grown.GetFieldFlags(2, page), 0);
    }
}

TEST(TableRows, AddedRowsGetTheGivenWordAndThePageCountStopsAt255)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(1, 2, true);
    editor.SetTableRows(3, 0x0104);
    EXPECT_EQ(editor.GetPageCount(), 4);
    EXPECT_EQ(editor.GetFieldFlags(1, 2), 1);
    EXPECT_EQ(editor.GetFieldFlags(1, 4), 0x0104);
    editor.SetTableRows(300, 0);
    EXPECT_EQ(editor.GetMode(), 0x2000);
    EXPECT_EQ(editor.GetPageCount(), 255);
    EXPECT_EQ(editor.GetFieldFlags(1, 255), 0);
}

TEST(LinesToColumns, TurnsThePage1FieldsIntoOneRowWithTheirRectanglesAndWordsButNotTheirTexts)
{
    CQeEditWindow editor;
    Fill(editor, 3, 0, 0);
    editor.SetLineRectLTRB(2, 5, 6, 7, 8);
    editor.LinesToColumns();
    EXPECT_EQ(editor.GetColumnCount(), 3);
    EXPECT_EQ(editor.GetPageCount(), 2);
    EXPECT_EQ(editor.GetColumnLeft(2), 5);
    EXPECT_EQ(editor.GetColumnBottom(2), 8);
    EXPECT_EQ(editor.GetFieldFlags(2, 2), 0x102);
    EXPECT_EQ(editor.GetFieldText(2, 2), "");
}

TEST(LinesToColumns, AddsARowOfSize1CellsToATableAndMakesNoTableWithoutFields)
{
    CQeEditWindow empty;
    empty.LinesToColumns();
    EXPECT_EQ(empty.GetMode(), 0x1000);
    CQeEditWindow editor;
    Fill(editor, 3, 2, 1);
    editor.LinesToColumns();
    EXPECT_EQ(editor.GetPageCount(), 3);
    EXPECT_EQ(editor.GetFieldText(1, 2), CellText(2, 1));
    EXPECT_EQ(editor.GetFieldFlags(1, 3), 1);
}

TEST(RemovePage, MovesLaterRowsUpWithTheirWordsAndTheCurrentPageFollowsItsRow)
{
    ProbeEditor editor;
    Fill(editor, 4, 3, 3);
    editor.Activate(1, 4);
    editor.activations = 0;
    ASSERT_EQ(editor.RemovePage(2), 0);
    EXPECT_EQ(editor.GetPageCount(), 3);
    for (std::uint16_t page = 2; page <= 3; ++page) {
        for (std::uint16_t field = 0; field < 3; ++field) {
            EXPECT_EQ(editor.GetFieldText(field, page), CellText(page + 1, field));
            EXPECT_EQ(editor.GetFieldFlags(field, page), (page + 1) * 0x100 + field);
        }
    }
    EXPECT_EQ(editor.GetFieldText(0, 4), "");
    EXPECT_EQ(editor.GetCurrentPage(), 3);
    EXPECT_EQ(editor.GetCurrentField(), 1);
    EXPECT_EQ(editor.GetFieldText(1, 1), CellText(1, 1));
    EXPECT_EQ(editor.activations, 0);
}

TEST(RemovePage, LeavesTheRemovedCurrentPageForOneThatStays)
{
    const struct {
        std::uint16_t removed;
        std::uint16_t currentAfter;
        QString currentTextAfter;
    } cases[] = {
        {4, 3, CellText(3, 0)},  // the last page: the previous one
        {3, 3, CellText(4, 0)},  // another page: the next one, which moves into its place
    };
    for (const auto& c : cases) {
        ProbeEditor editor;
        Fill(editor, 4, 3, 3);
        editor.Activate(2, c.removed);
        editor.activations = 0;
        ASSERT_EQ(editor.RemovePage(0), 0);
        EXPECT_EQ(editor.activations, 1);
        EXPECT_EQ(editor.GetCurrentPage(), c.currentAfter) << c.removed;
        EXPECT_EQ(editor.GetCurrentField(), 0);
        EXPECT_EQ(editor.GetFieldText(0, 0), c.currentTextAfter) << c.removed;
    }
}

TEST(RemovePage, RemovingTheOnlyRowEndsTheTable)
{
    ProbeEditor editor;
    Fill(editor, 4, 3, 1);
    editor.Activate(2, 2);
    ASSERT_EQ(editor.RemovePage(2), 0);
    EXPECT_EQ(editor.GetMode(), 0x1000);
    EXPECT_EQ(editor.GetColumnCount(), 0);
    EXPECT_EQ(editor.GetPageCount(), 1);
    EXPECT_EQ(editor.GetCurrentPage(), 1);
    EXPECT_EQ(editor.GetColumnLeft(0), 0);
    EXPECT_EQ(editor.GetFieldText(0, 2), "");
}

TEST(RemovePage, RemovingPage1MovesTheFirstRowIntoTheFields)
{
    ProbeEditor editor;
    Fill(editor, 3, 3, 1);
    editor.Activate(1, 2);
    ASSERT_EQ(editor.RemovePage(1), 0);
    EXPECT_EQ(editor.GetPageCount(), 1);
    EXPECT_EQ(editor.GetFieldText(1, 1), CellText(2, 1));
    EXPECT_EQ(editor.GetFieldFlags(1, 1), 0x201);
    EXPECT_EQ(editor.GetCurrentPage(), 1);
    EXPECT_EQ(editor.GetCurrentField(), 1);
}

TEST(RemovePage, RefusesPagesItCannotRemove)
{
    const struct {
        std::uint16_t lines, columns, rows, page;
    } cases[] = {
        {3, 0, 0, 1},  // no table
        {3, 0, 0, 2},
        {4, 3, 2, 4},  // beyond the last page
        {4, 3, 2, 1},  // page 1 while its fields and the cells differ in number
    };
    for (const auto& c : cases) {
        CQeEditWindow editor;
        Fill(editor, c.lines, c.columns, c.rows);
        const std::uint16_t pages = editor.GetPageCount();
        EXPECT_EQ(editor.RemovePage(c.page), -1) << c.page;
        EXPECT_EQ(editor.GetPageCount(), pages);
        EXPECT_EQ(editor.GetFieldText(0, 1), CellText(1, 0));
    }
}

TEST(InsertLine, InsertsAnEmptySize1FieldAndTheCurrentFieldFollowsItsText)
{
    ProbeEditor editor;
    Fill(editor, 3, 0, 0);
    editor.SetLineRectLTRB(1, 1, 2, 3, 4);
    editor.Activate(1, 1);
    editor.InsertLine(1, 1);
    EXPECT_EQ(editor.GetLineCount(), 4);
    EXPECT_EQ(editor.GetFieldText(1, 1), "");
    EXPECT_EQ(editor.GetFieldFlags(1, 1), 1);
    EXPECT_EQ(editor.GetLineLeft(1), 0);
    EXPECT_EQ(editor.GetFieldText(2, 1), CellText(1, 1));
    EXPECT_EQ(editor.GetLineLeft(2), 1);
    EXPECT_EQ(editor.GetCurrentField(), 2);

    editor.InsertLine(4, 1);
    EXPECT_EQ(editor.GetLineCount(), 5);
    EXPECT_EQ(editor.GetFieldText(3, 1), CellText(1, 2));
    editor.InsertLine(6, 1);
    EXPECT_EQ(editor.GetLineCount(), 5);
}

TEST(DeleteLine, RemovesTheFieldAndTheCurrentFieldFollowsItsText)
{
    ProbeEditor editor;
    Fill(editor, 4, 0, 0);
    editor.Activate(3, 1);
    editor.activations = 0;
    editor.DeleteLine(1, 1);
    EXPECT_EQ(editor.GetLineCount(), 3);
    EXPECT_EQ(editor.GetFieldText(1, 1), CellText(1, 2));
    EXPECT_EQ(editor.GetFieldFlags(1, 1), 0x102);
    EXPECT_EQ(editor.GetCurrentField(), 2);
    EXPECT_EQ(editor.GetFieldText(2, 1), CellText(1, 3));
    EXPECT_EQ(editor.activations, 0);
    editor.DeleteLine(3, 1);
    EXPECT_EQ(editor.GetLineCount(), 3);
}

TEST(DeleteLine, LeavesTheDeletedCurrentFieldForANeighbour)
{
    const struct {
        std::uint16_t deleted;
        std::uint16_t currentAfter;
        QString currentTextAfter;
    } cases[] = {{1, 1, CellText(1, 2)}, {3, 2, CellText(1, 2)}};
    for (const auto& c : cases) {
        ProbeEditor editor;
        Fill(editor, 4, 0, 0);
        editor.Activate(c.deleted, 1);
        editor.activations = 0;
        editor.DeleteLine(c.deleted, 0);
        EXPECT_EQ(editor.activations, 1);
        EXPECT_EQ(editor.GetCurrentField(), c.currentAfter) << c.deleted;
        EXPECT_EQ(editor.GetFieldText(editor.GetCurrentField(), 1), c.currentTextAfter) << c.deleted;
    }
}

TEST(InsertAndDeleteLine, OnPage2OnlyTellTheUserAndElsewhereDoNothing)
{
    AnsweringUi ui;
    ProbeEditor editor;
    Fill(editor, 3, 2, 2);
    editor.InsertLine(0, 2);
    editor.DeleteLine(0, 2);
    editor.InsertLine(0, 3);
    editor.DeleteLine(0, 3);
    EXPECT_EQ(ui.messageTexts(), QStringList(2, "Funktion nicht implementiert!"));
    EXPECT_EQ(editor.GetLineCount(), 3);
    EXPECT_EQ(editor.GetPageCount(), 3);
    EXPECT_EQ(editor.GetFieldText(0, 2), CellText(2, 0));
    EXPECT_EQ(editor.GetFieldText(0, 3), CellText(3, 0));
}
