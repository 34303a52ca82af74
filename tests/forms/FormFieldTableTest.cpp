#include "forms/atr/ATR_FieldTable.h"
#include "forms/eur1/EUR1_FieldTable.h"
#include "forms/lze848a/LZE848a_FieldTable.h"
#include "forms/uz/UZ_FieldTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <vector>

static bool operator==(const FormRect& a, const FormRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

static std::ostream& operator<<(std::ostream& out, const FormRect& r)
{
    return out << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

namespace {

struct HelpRange {
    int first;
    int last;
};

// What a form's rows must satisfy beyond the rules every form shares.
struct FormCase {
    const char* name;
    const FormFieldTable& table;
    HelpRange page1Help;
    HelpRange page2Help;
    // Rows that are no box at all: the 848a placeholder prints into a line of no height, and the
    // certificate of origin's print crosses have no place on screen.
    std::initializer_list<int> page1EmptyScreenRows;
    std::initializer_list<int> page1EmptyPrintRows;
};

const FormCase kForms[] = {
    {"A.TR.", ATR_FieldTable, {320, 331}, {100, 100}, {}, {}},
    {"EUR.1", EUR1_FieldTable, {300, 311}, {312, 312}, {}, {}},
    {"848a", LZE848a_FieldTable, {360, 360}, {0, 0}, {}, {5}},
    {"certificate of origin", UZ_FieldTable, {340, 349}, {350, 350}, {12, 13}, {}},
};

bool contains(std::initializer_list<int> rows, std::size_t row)
{
    return std::find(rows.begin(), rows.end(), static_cast<int>(row)) != rows.end();
}

bool isBox(const FormRect& r)
{
    return r.left < r.right && r.top < r.bottom;
}

bool liesOnTheSheet(const FormRect& r)
{
    return r.left >= 0 && r.top >= 0 && r.right <= kFormSheetWidth && r.bottom <= kFormSheetHeight;
}

// Half-open, as a click test sees them: boxes that only touch do not overlap.
bool overlap(const FormRect& a, const FormRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where a row lands on paper with the print origin (x, y): y grows upwards there.
FormRect onPaper(const FormRect& r, int x, int y)
{
    const auto v = [](int value) { return static_cast<std::int16_t>(value); };
    return {v(x + r.left), v(y - r.top), v(x + r.right), v(y - r.bottom)};
}

FormRect zoomed(const FormRect& r, int zoom)
{
    const auto v = [zoom](int value) { return static_cast<std::int16_t>(value * zoom / 10); };
    return {v(r.left), v(r.top), v(r.right), v(r.bottom)};
}

// The fields a user types into: enabled and not after the page's last tab stop.
std::vector<std::size_t> inputFields(std::span<const FormFieldRow> rows, std::size_t last)
{
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i <= last && i < rows.size(); ++i)
        if (rows[i].enabled) fields.push_back(i);
    return fields;
}

void expectDisjoint(std::span<const FormFieldRow> rows, const std::vector<std::size_t>& fields,
                    FormRect (*pick)(const FormFieldRow&), const char* what)
{
    for (std::size_t a = 0; a < fields.size(); ++a)
        for (std::size_t b = a + 1; b < fields.size(); ++b)
            EXPECT_FALSE(overlap(pick(rows[fields[a]]), pick(rows[fields[b]])))
                << what << " of fields " << fields[a] << " and " << fields[b];
}

FormRect screenOf(const FormFieldRow& row)
{
    return row.screen;
}
FormRect printOf(const FormFieldRow& row)
{
    return row.print;
}

}  // namespace

TEST(FormFieldTable, HoldsOneRowPerEditorField)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        EXPECT_EQ(t.page1.size(), t.page1FieldCount);
        EXPECT_EQ(t.page2.size(), t.page2FieldCount);
        EXPECT_TRUE(t.page2SecondPrint.empty() || t.page2SecondPrint.size() == t.page2FieldCount);
        EXPECT_LT(t.lastPage1Field, t.page1FieldCount);
        EXPECT_LT(t.lastPage2Field, t.page2FieldCount);
    }
}

TEST(FormFieldTable, EveryBoxIsWellFormedAndOnTheSheet)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        for (std::size_t i = 0; i < t.page1.size(); ++i) {
            const FormFieldRow& row = t.page1[i];
            EXPECT_EQ(isBox(row.screen), !contains(form.page1EmptyScreenRows, i)) << "page 1 screen " << i;
            EXPECT_EQ(isBox(row.print), !contains(form.page1EmptyPrintRows, i)) << "page 1 print " << i;
            EXPECT_TRUE(liesOnTheSheet(row.screen)) << "page 1 screen " << i;
            EXPECT_TRUE(liesOnTheSheet(row.print)) << "page 1 print " << i;
            // A row that is no box is no input field either.
            if (!isBox(row.screen) || !isBox(row.print)) {
                EXPECT_FALSE(row.enabled) << "page 1 " << i;
            }
        }
        for (std::size_t i = 0; i < t.page2.size(); ++i) {
            EXPECT_TRUE(isBox(t.page2[i].screen) && liesOnTheSheet(t.page2[i].screen))
                << "page 2 screen " << i;
            EXPECT_TRUE(isBox(t.page2[i].print) && liesOnTheSheet(t.page2[i].print)) << "page 2 print " << i;
        }
        for (const FormRect& r : t.page2SecondPrint) EXPECT_TRUE(isBox(r) && liesOnTheSheet(r)) << r;
    }
}

TEST(FormFieldTable, StartFlagsAreSizesAndAlignmentsTheEditorKnows)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        for (auto rows : {form.table.page1, form.table.page2}) {
            for (const FormFieldRow& row : rows) {
                EXPECT_LE(row.startSize, 4);
                EXPECT_TRUE(row.startAlignment == kFieldAlignLeft ||
                            row.startAlignment == kFieldAlignCenter || row.startAlignment == kFieldAlignRight)
                    << row.startAlignment;
            }
        }
    }
}

TEST(FormFieldTable, InputFieldsOpenTopicsOfTheirForm)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        // A page switch sets the form's topic while it activates field 0, so the two must agree.
        EXPECT_EQ(t.page1[0].helpId, t.helpContext);
        for (std::size_t i : inputFields(t.page1, t.lastPage1Field)) {
            EXPECT_GE(t.page1[i].helpId, form.page1Help.first) << "page 1 field " << i;
            EXPECT_LE(t.page1[i].helpId, form.page1Help.last) << "page 1 field " << i;
        }
        for (std::size_t i : inputFields(t.page2, t.lastPage2Field)) {
            EXPECT_GE(t.page2[i].helpId, form.page2Help.first) << "page 2 field " << i;
            EXPECT_LE(t.page2[i].helpId, form.page2Help.last) << "page 2 field " << i;
        }
    }
}

TEST(FormFieldTable, TabWrapsOntoInputFields)
{
    // Activating a disabled field moves on to a neighbour; a disabled field 0 would send the wrap below zero.
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        EXPECT_TRUE(t.page1[0].enabled);
        EXPECT_TRUE(t.page1[t.lastPage1Field].enabled);
        if (t.hasPageCommands) {
            EXPECT_TRUE(t.page2[0].enabled);
            EXPECT_TRUE(t.page2[t.lastPage2Field].enabled);
        }
    }
}

TEST(FormFieldTable, InputFieldsNeitherHideEachOtherNorPrintOverEachOther)
{
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        const auto page1 = inputFields(t.page1, t.lastPage1Field);
        const auto page2 = inputFields(t.page2, t.lastPage2Field);
        expectDisjoint(t.page1, page1, screenOf, "page 1 screen");
        expectDisjoint(t.page1, page1, printOf, "page 1 print");
        expectDisjoint(t.page2, page2, screenOf, "page 2 screen");
        expectDisjoint(t.page2, page2, printOf, "page 2 print");
        for (std::size_t a = 0; a < t.page2SecondPrint.size(); ++a)
            for (std::size_t b = a + 1; b < t.page2SecondPrint.size(); ++b)
                EXPECT_FALSE(overlap(t.page2SecondPrint[a], t.page2SecondPrint[b])) << a << ", " << b;
    }
}

TEST(FormFieldTable, PrintPositionsStayCloseToTheirBoxesOnScreen)
{
    // Screen and paper show the same form, so a field prints near where its box is drawn; a slipped or
    // doubled digit moves a value by far more than the 25 mm allowed here.
    static constexpr int kNear = 250;
    const auto expectNear = [](const FormRect& screen, const FormRect& print, const std::string& what) {
        EXPECT_LE(std::abs(screen.left - print.left), kNear) << what;
        EXPECT_LE(std::abs(screen.top - print.top), kNear) << what;
        EXPECT_LE(std::abs(screen.right - print.right), kNear) << what;
        EXPECT_LE(std::abs(screen.bottom - print.bottom), kNear) << what;
    };
    for (const FormCase& form : kForms) {
        SCOPED_TRACE(form.name);
        const FormFieldTable& t = form.table;
        for (std::size_t i : inputFields(t.page1, t.lastPage1Field))
            expectNear(t.page1[i].screen, t.page1[i].print, "page 1 field " + std::to_string(i));
        for (std::size_t i : inputFields(t.page2, t.lastPage2Field))
            expectNear(t.page2[i].screen, t.page2[i].print, "page 2 field " + std::to_string(i));
        for (std::size_t i = 0; i < t.page2SecondPrint.size(); ++i)
            expectNear(t.page2[i].screen, t.page2SecondPrint[i], "second page 2 field " + std::to_string(i));
    }
}

TEST(ATR_FieldTable, PlacesBoxesWhereTheFormHasThem)
{
    const FormFieldTable& t = ATR_FieldTable;
    EXPECT_EQ(t.page1[0].screen, (FormRect{210, 160, 1105, 340}));
    // With the origin the A.TR. print sets for zero margins, box 1 starts 15 mm from the left and 12 mm
    // from the top, 89.5 mm wide.
    EXPECT_EQ(onPaper(t.page1[0].print, 30, 10), (FormRect{150, -120, 1045, -300}));
    EXPECT_EQ(t.page1[9].screen, (FormRect{360, 1250, 1795, 2330}));
    EXPECT_EQ(t.page2[0].print, (FormRect{180, 635, 1830, 695}));
}

TEST(ATR_FieldTable, StartFlagsMatchTheWordsOfANewFile)
{
    // The flag words a blank A.TR. file carries: size in the low bits, alignment in bits 8-11.
    const std::uint16_t expected[] = {3, 3, 3, 3, 0x103, 3, 3, 3,     3,     3, 0x203,
                                      2, 2, 2, 2, 2,     2, 2, 0x102, 0x102, 2};
    ASSERT_EQ(ATR_FieldTable.page1.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const FormFieldRow& row = ATR_FieldTable.page1[i];
        EXPECT_EQ(row.startSize | row.startAlignment, expected[i]) << i;
    }
}

TEST(EUR1_FieldTable, PlacesBoxesWhereTheFormHasThem)
{
    const FormFieldTable& t = EUR1_FieldTable;
    // With the origin the print sets for zero margins, box 1 lands 13 mm from the left, 11 mm from the top,
    // and the strike-out's diagonal ends at the lower-left corner of box 8.
    EXPECT_EQ(onPaper(t.page1[0].print, 10, 20), (FormRect{130, -110, 1025, -290}));
    const FormRect goods = onPaper(t.page1[8].print, 10, 20);
    EXPECT_EQ(goods.left, 130);
    EXPECT_EQ(goods.bottom, -2270);
    EXPECT_EQ(t.page1[9].startAlignment, kFieldAlignRight);
    EXPECT_EQ(t.page2[10].screen, (FormRect{920, 1905, 1830, 1965}));
}

TEST(EUR1_FieldTable, BothEditionsOfTheBackPlaceTheirLinesAsPrinted)
{
    const FormFieldTable& t = EUR1_FieldTable;
    // First edition: the description from 64.5 mm, the documents from 111.5 mm, place and date at 190.5 mm.
    EXPECT_EQ(t.page2[0].print.top, 645);
    EXPECT_EQ(t.page2[5].print.top, 1115);
    EXPECT_EQ(t.page2[10].print.top, 1905);
    // Second edition: lines 6.3 mm apart from 67 mm and from 118 mm, place and date at 208 mm.
    for (int line = 0; line < 5; ++line) {
        EXPECT_EQ(t.page2SecondPrint[line].top, 670 + 63 * line) << line;
        EXPECT_EQ(t.page2SecondPrint[5 + line].top, 1180 + 63 * line) << 5 + line;
    }
    EXPECT_EQ(t.page2SecondPrint[10], (FormRect{920, 2080, 1830, 2130}));
}

TEST(EUR1_FieldTable, SharesTheBoxesOfTheATRCertificateWhereBothFormsHaveThem)
{
    // Exporter, consignee, transport, remarks, the right-hand goods column, parts of the customs endorsement
    // and the declaration sit in the same places on both movement certificates.
    for (std::size_t field : {0, 1, 6, 7, 10, 11, 13, 19, 20}) {
        EXPECT_EQ(EUR1_FieldTable.page1[field].screen, ATR_FieldTable.page1[field].screen) << field;
        EXPECT_EQ(EUR1_FieldTable.page1[field].print, ATR_FieldTable.page1[field].print) << field;
        EXPECT_EQ(EUR1_FieldTable.page1[field].startSize, ATR_FieldTable.page1[field].startSize) << field;
    }
}

TEST(LZE848a_FieldTable, PlacesBoxesWhereTheFormHasThem)
{
    const FormFieldTable& t = LZE848a_FieldTable;
    // Two-line fields 0 and 1 grow upwards by their own height on screen and by 3.4 mm on paper.
    const auto twoLineTop = [](const FormRect& r) { return r.top - (r.bottom - r.top); };
    EXPECT_EQ(twoLineTop(t.page1[0].screen), 590);
    EXPECT_EQ(twoLineTop(t.page1[1].screen), 680);
    EXPECT_EQ(t.page1[0].print.top - 34, 566);
    EXPECT_EQ(t.page1[1].print.top - 34, 651);
    EXPECT_FALSE(t.page1[5].enabled);
    EXPECT_EQ(t.page1[5].screen, t.page1[6].screen);
    EXPECT_EQ(t.page1[6].print, (FormRect{810, 1280, 1520, 1325}));
    // A new document's X prints into the second box, 5 mm by 5 mm.
    EXPECT_EQ(onPaper(t.page1[12].print, 0, 0), (FormRect{180, -1405, 230, -1455}));
    EXPECT_EQ(t.page1[12].helpId, 0);
}

TEST(UZ_FieldTable, PlacesBoxesWhereTheFormHasThem)
{
    const FormFieldTable& t = UZ_FieldTable;
    EXPECT_EQ(zoomed(t.page1[1].screen, 14), (FormRect{154, 98, 1414, 378}));
    EXPECT_EQ(t.page1[8].helpId, 349);
    EXPECT_EQ(t.page1[9].helpId, 348);
    EXPECT_EQ(t.page1[9].print, (FormRect{1090, 2705, 1660, 2755}));
    // The chamber's variant of the form moves fields 8 and 9 into rows 10 and 11.
    EXPECT_EQ(t.page1[10].print, (FormRect{180, 2625, 950, 2755}));
    EXPECT_EQ(t.page1[11].print, (FormRect{320, 2765, 950, 2805}));
    // The first cross moved 2 mm right and 1 mm down spans these paper positions.
    const FormRect cross = onPaper(t.page1[12].print, 20, -10);
    EXPECT_EQ(cross, (FormRect{815, -2265, 850, -2300}));
    EXPECT_EQ(t.page2[0].print, (FormRect{20, 150, 1830, 2050}));
}
