#include "editor/CQeEditWindow.h"
#include "editor/TrailingWhiteSpace.h"
#include "platform/archive/Archive.h"

#include "tests/editor/ProbeEditor.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TestText.h"

#include <gtest/gtest.h>

#include <set>

using namespace std::string_view_literals;
using platform::Archive;
using Cause = platform::ArchiveException::Cause;

namespace {

QByteArray Word(int value)
{
    return bytes({value & 0xFF, (value >> 8) & 0xFF});
}

// A text as the block writes it, for texts below 255 code units.
QByteArray Utf16String(const QString& text)
{
    QByteArray result = bytes({0xFF, 0xFE, 0xFF, static_cast<int>(text.size())});
    for (const QChar unit : text) result += Word(unit.unicode());
    return result;
}

QByteArray StringArray(const QStringList& texts)
{
    QByteArray result = Word(static_cast<int>(texts.size()));
    for (const QString& text : texts) result += Utf16String(text);
    return result;
}

QByteArray WordArray(const QList<int>& words)
{
    QByteArray result = Word(static_cast<int>(words.size()));
    for (int word : words) result += Word(word);
    return result;
}

QByteArray Header(int version)
{
    return Word(0x1206) + Word(version);
}

QByteArray Stored(CQeEditWindow& editor)
{
    QByteArray sink;
    Archive archive(sink);
    editor.Serialize(archive);
    return sink;
}

// Loads a block that must be read to its last byte.
void Load(CQeEditWindow& editor, const QByteArray& block)
{
    Archive archive(QByteArrayView{block});
    editor.Serialize(archive);
    EXPECT_EQ(archive.bytesLeft(), 0);
}

std::optional<Cause> FailureOfLoading(CQeEditWindow& editor, const QByteArray& block)
{
    Archive archive(QByteArrayView{block});
    try {
        editor.Serialize(archive);
    } catch (const platform::ArchiveException& e) {
        return e.cause();
    }
    return std::nullopt;
}

QStringList Numbered(const QString& stem, int count)
{
    QStringList texts;
    for (int i = 0; i < count; ++i) texts << stem + QString::number(i);
    return texts;
}

// Everything a block holds, and the current position and rectangles that a load must not touch.
struct Snapshot {
    QByteArray block;
    std::uint16_t currentField;
    std::uint16_t currentPage;
    std::uint16_t lastLineLeft;

    explicit Snapshot(CQeEditWindow& editor)
        : block(Stored(editor)),
          currentField(editor.GetCurrentField()),
          currentPage(editor.GetCurrentPage()),
          lastLineLeft(editor.GetLineLeft(editor.GetLineCount() - 1))
    {
    }
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

// An EUR.1-like editor: 21 fields, 11 columns, 3 rows, every text and word its own.
void FillTable(CQeEditWindow& editor)
{
    editor.SetFieldCounts(21, 11, true);
    editor.SetTableRows(3, 1);
    for (std::uint16_t page = 1; page <= 4; ++page) {
        for (std::uint16_t field = 0; field < (page == 1 ? 21 : 11); ++field) {
            editor.SetFieldText(field, QString("S%1 F%2\r\nzwei").arg(page).arg(field), page);
            editor.SetFieldFlags(field, page, static_cast<std::uint16_t>(0x100 * (page % 3) + field % 5));
        }
    }
    editor.SetLineRectLTRB(20, 7, 8, 9, 10);
    editor.Activate(4, 3);
}

// Every field operation on every field and page up to a few beyond what exists: none may reach outside the
// arrays (the sanitizer build checks).
void TouchEveryField(ProbeEditor& editor)
{
    const int pages = editor.GetPageCount() + 3;
    const int fields = std::max(editor.GetLineCount(), editor.GetColumnCount()) + 3;
    for (int p = 0; p <= pages; ++p) {
        const auto page = static_cast<std::uint16_t>(p);
        for (int f = 0; f <= fields; ++f) {
            const auto field = static_cast<std::uint16_t>(f);
            editor.SetFieldText(field, editor.GetFieldText(field, page) + "x", page);
            editor.SetFieldFlags(field, page, editor.GetFieldFlags(field, page));
            editor.SetFontSize(field, page, editor.GetFontSize(field, page));
            editor.SetFieldBold(field, page);
            editor.SetFieldAlignCenter(field, page);
            (void)editor.GetFieldTextLength(field, page);
            (void)editor.GetAlignment(field, page);
            editor.SetLineRectLTRB(field, 1, 2, 3, 4);
            editor.SetColumnRectLTRB(field, 1, 2, 3, 4);
            (void)editor.GetColumnBottom(field);
            if (editor.Activate(field, page) == 0) {
                editor.IncreaseFontSize();
                editor.ToggleBold();
                (void)editor.GetCurrentText();
            }
        }
    }
}

struct BlockCounts {
    int lineTexts, lineFlags, mode, columns, cellTexts, cellFlags;
};

// Reads back the counts of a stored block.
BlockCounts CountsOf(const QByteArray& block)
{
    Archive archive(QByteArrayView{block});
    archive.readWord();
    archive.readWord();
    BlockCounts counts{};
    counts.lineTexts = archive.readStringArray().size();
    counts.lineFlags = archive.readWordArray().size();
    counts.mode = archive.readWord();
    counts.columns = archive.readWord();
    counts.cellTexts = archive.readStringArray().size();
    counts.cellFlags = archive.readWordArray().size();
    return counts;
}

}  // namespace

TEST(EditorBlock, TwentyOneFieldsWithoutTableAreWrittenByteForByte)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(21, 0, true);
    QStringList texts = Numbered("Feld ", 21);
    texts[3] = "Zeile 1\r\nZeile 2";
    texts[7] = utf16(u"Größe €"sv);
    QList<int> flags(21, 1);
    flags[2] = 0x0213;
    for (std::uint16_t i = 0; i < 21; ++i) {
        editor.SetFieldText(i, texts[i], 1);
        editor.SetFieldFlags(i, 1, static_cast<std::uint16_t>(flags[i]));
    }
    const QByteArray expected = bytes({0x06, 0x12, 0x02, 0x00}) + StringArray(texts) + WordArray(flags) +
                                bytes({0x00, 0x10, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(Stored(editor), expected);
    EXPECT_EQ(Stored(editor).left(6), bytes({0x06, 0x12, 0x02, 0x00, 0x15, 0x00}));
}

TEST(EditorBlock, StoringTrimsTrailingWhiteSpaceInTheFileAndInTheEditor)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(2, 1, true);
    editor.SetFieldText(0, " \t\r\n ", 1);
    editor.SetFieldText(1, utf16(u" a b\r\n\u00A0\u3000"sv), 1);
    editor.SetFieldText(0, "Zelle \r\n", 2);
    const QByteArray block = Stored(editor);
    EXPECT_EQ(block.mid(6, 4), bytes({0xFF, 0xFE, 0xFF, 0x00}));
    EXPECT_EQ(block.mid(10, 4 + 8), Utf16String(" a b"));
    EXPECT_TRUE(block.contains(Utf16String("Zelle")));
    EXPECT_EQ(editor.GetFieldText(0, 1), "");
    EXPECT_EQ(editor.GetFieldText(1, 1), " a b");
    EXPECT_EQ(editor.GetFieldText(0, 2), "Zelle");
}

TEST(TrailingWhiteSpace, IsUnicodeWhiteSpaceNoBreakSpacesIncluded)
{
    const std::set<char16_t> whiteSpace = {0x0009, 0x000A, 0x000B, 0x000C, 0x000D, 0x0020, 0x0085,
                                           0x00A0, 0x1680, 0x2000, 0x2001, 0x2002, 0x2003, 0x2004,
                                           0x2005, 0x2006, 0x2007, 0x2008, 0x2009, 0x200A, 0x2028,
                                           0x2029, 0x202F, 0x205F, 0x3000};
    for (char32_t unit = 0; unit <= 0xFFFF; ++unit) {
        const auto u = static_cast<char16_t>(unit);
        EXPECT_EQ(IsTrailingWhiteSpace(QChar(u)), whiteSpace.contains(u))
            << std::hex << static_cast<unsigned>(unit);
    }
    EXPECT_EQ(WithoutTrailingWhiteSpace(utf16(u"a\u00A0b \u00A0\t"sv)), utf16(u"a\u00A0b"sv));
    EXPECT_EQ(WithoutTrailingWhiteSpace(utf16(u"\u200Bx\u200B"sv)), utf16(u"\u200Bx\u200B"sv));
}

TEST(EditorBlock, ATableRoundTripsAndTheCountsOfTheEditorStay)
{
    CQeEditWindow written;
    FillTable(written);
    const QByteArray block = Stored(written);

    CQeEditWindow read;
    read.SetFieldCounts(21, 11, true);
    Load(read, block);
    EXPECT_EQ(read.GetLineCount(), 21);
    EXPECT_EQ(read.GetColumnCount(), 11);
    EXPECT_EQ(read.GetPageCount(), 4);
    for (std::uint16_t page = 1; page <= 4; ++page) {
        for (std::uint16_t field = 0; field < (page == 1 ? 21 : 11); ++field) {
            EXPECT_EQ(read.GetFieldText(field, page), written.GetFieldText(field, page));
            EXPECT_EQ(read.GetFieldFlags(field, page), written.GetFieldFlags(field, page));
        }
    }
    EXPECT_EQ(Stored(read), block);
}

TEST(EditorBlock, LoadingKeepsTheCurrentFieldAndTheRectangles)
{
    CQeEditWindow editor;
    FillTable(editor);
    const Snapshot before(editor);
    editor.SetFieldText(0, "geändert", 1);
    Load(editor, before.block);
    EXPECT_EQ(Snapshot(editor), before);
    EXPECT_EQ(editor.GetFieldText(0, 1), "S1 F0\r\nzwei");
}

TEST(EditorBlock, Versions0And1HaveNoTable)
{
    for (int version : {0, 1}) {
        CQeEditWindow editor;
        editor.SetFieldCounts(2, 11, true);
        Load(editor, Header(version) + StringArray({"a", "b"}) + WordArray({0x0102, 0x0003}));
        EXPECT_EQ(editor.GetMode(), 0x1000);
        EXPECT_EQ(editor.GetPageCount(), 1);
        EXPECT_EQ(editor.GetColumnCount(), 0);
        EXPECT_EQ(editor.GetFieldText(0, 2), "");
        EXPECT_EQ(editor.GetFieldText(1, 1), "b");
        EXPECT_EQ(editor.GetFieldFlags(0, 1), 0x0102);
        EXPECT_EQ(CountsOf(Stored(editor)).cellTexts, 0);
    }
}

// More texts than fields add fields that start with word 1; fewer leave the other fields empty with word 0.
TEST(EditorBlock, TheTextsOfTheBlockDecideTheFieldsBeyondTheEditorsCount)
{
    const struct {
        int texts, lines, word, flagsBeyond;
        const char* textBeyond;
    } cases[] = {{25, 25, 0x0203, 1, "t"}, {10, 21, 0x0102, 0, ""}};
    for (const auto& c : cases) {
        CQeEditWindow editor;
        editor.SetFieldCounts(21, 0, true);
        for (std::uint16_t field = 0; field < 21; ++field) editor.SetFieldText(field, "alt", 1);
        Load(editor, Header(2) + StringArray(Numbered("t", c.texts)) +
                         WordArray(QList<int>(c.texts, c.word)) + Word(0x1000) + Word(0) + Word(0) + Word(0));
        EXPECT_EQ(editor.GetLineCount(), c.lines);
        EXPECT_EQ(editor.GetFieldFlags(std::uint16_t(std::min(c.texts, 21) - 1), 1), c.word);
        for (int field = std::min(c.texts, 21); field < c.lines; ++field) {
            const auto f = std::uint16_t(field);
            EXPECT_EQ(editor.GetFieldFlags(f, 1), c.flagsBeyond) << field;
            EXPECT_EQ(editor.GetFieldText(f, 1), *c.textBeyond ? "t" + QString::number(field) : "") << field;
        }
    }
}

TEST(EditorBlock, LoadingTrimsPage1TextsButNotCells)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(1, 1, true);
    Load(editor, Header(2) + StringArray({"Feld \r\n"}) + WordArray({1}) + Word(0x2002) + Word(1) +
                     StringArray({"Zelle \r\n"}) + WordArray({1}));
    EXPECT_EQ(editor.GetFieldText(0, 1), "Feld");
    EXPECT_EQ(editor.GetFieldText(0, 2), "Zelle \r\n");
}

TEST(EditorBlock, Old8BitTextsAreCodePage1252)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(2, 0, true);
    Load(editor, Header(2) + Word(2) + bytes({0x03, 'a', 'b', 0xE4}) + bytes({0x02, 0x80, 0x96}) +
                     WordArray({1, 1}) + Word(0x1000) + Word(0) + Word(0) + Word(0));
    EXPECT_EQ(editor.GetFieldText(0, 1), utf16(u"abä"sv));
    EXPECT_EQ(editor.GetFieldText(1, 1), utf16(u"€–"sv));
}

TEST(EditorBlock, EveryCutOffBlockFailsWithEndOfFileAndLeavesTheEditorAsItWas)
{
    CQeEditWindow source;
    FillTable(source);
    source.SetFieldText(5, QString(300, QChar(u'ß')), 2);
    const QByteArray block = Stored(source);

    CQeEditWindow editor;
    editor.SetFieldCounts(3, 2, true);
    editor.SetFieldText(2, "vorher", 1);
    editor.SetLineRectLTRB(2, 5, 5, 5, 5);
    editor.Activate(1, 2);
    const Snapshot before(editor);
    for (qsizetype length = 0; length < block.size(); ++length) {
        ASSERT_EQ(FailureOfLoading(editor, block.left(length)), Cause::EndOfFile) << length;
        ASSERT_EQ(Snapshot(editor), before) << length;
    }
}

TEST(EditorBlock, AForeignMarkOrANewerVersionIsAFormatFailureAndChangesNothing)
{
    const QByteArray rest = StringArray({"a"}) + WordArray({1}) + Word(0x1000) + Word(0) + Word(0) + Word(0);
    const std::pair<QByteArray, Cause> cases[] = {
        {Word(0x1205) + Word(2) + rest, Cause::BadClass},
        {Word(0x0612) + Word(2) + rest, Cause::BadClass},
        {Header(3) + rest, Cause::BadSchema},
        {Header(0xFFFF) + rest, Cause::BadSchema},
    };
    for (const auto& [block, cause] : cases) {
        CQeEditWindow editor;
        FillTable(editor);
        const Snapshot before(editor);
        EXPECT_EQ(FailureOfLoading(editor, block), cause);
        EXPECT_EQ(Snapshot(editor), before);
    }
}

TEST(EditorBlock, MoreFieldsThanACountCanHoldAreRefused)
{
    CQeEditWindow editor;
    editor.SetFieldCounts(2, 0, true);
    const Snapshot before(editor);
    const QByteArray block = Header(1) + bytes({0xFF, 0xFF}) + bytes({0x70, 0x11, 0x01, 0x00}) +
                             QByteArray(70000, '\0') + WordArray({});
    EXPECT_EQ(FailureOfLoading(editor, block), Cause::Generic);
    EXPECT_EQ(Snapshot(editor), before);
}

// Blocks no release writes: modes and arrays that disagree. The editor comes out with arrays that fit its
// counts and a mode that fits its columns, and no operation reaches outside them.
TEST(EditorBlock, HostileBlocksLoadToAConsistentEditor)
{
    const struct {
        const char* what;
        int version;
        int lineTexts, lineFlags, mode, columns, cellTexts, cellFlags;
        int pages;  // expected
    } cases[] = {
        {"page count 0, short cells", 2, 3, 3, 0x2000, 3, 2, 5, 2},
        {"page count 1, cells without flags", 2, 3, 3, 0x2001, 3, 7, 0, 2},
        {"page count 255, few cells", 2, 3, 3, 0x20FF, 3, 4, 1, 3},
        {"page count 255, no cells", 2, 3, 3, 0x20FF, 3, 0, 0, 2},
        {"more cells than the pages", 2, 3, 3, 0x2003, 2, 9, 9, 3},
        {"no table mode but columns", 2, 3, 3, 0x1000, 2, 2, 2, 2},
        {"mode without kind", 2, 3, 3, 0x0004, 2, 6, 6, 4},
        {"table mode without columns", 2, 3, 3, 0x2005, 0, 3, 3, 1},
        {"flags shorter than fields", 2, 21, 3, 0x1000, 0, 0, 0, 1},
        {"flags longer than fields", 2, 3, 30, 0x1000, 0, 0, 0, 1},
        {"version 1, flags shorter than fields", 1, 21, 0, 0, 0, 0, 0, 1},
        {"many columns, one cell", 2, 1, 1, 0x20FF, 0xFFFF, 1, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray block = Header(c.version) + StringArray(Numbered("f", c.lineTexts)) +
                           WordArray(QList<int>(c.lineFlags, 0x0214));
        if (c.version == 2) {
            block += Word(c.mode) + Word(c.columns) + StringArray(Numbered("c", c.cellTexts)) +
                     WordArray(QList<int>(c.cellFlags, 0x0103));
        }
        ProbeEditor editor;
        editor.SetFieldCounts(static_cast<std::uint16_t>(c.lineTexts), 0, true);
        Load(editor, block);

        const int columns = c.pages > 1 ? c.columns : 0;
        EXPECT_EQ(editor.GetColumnCount(), columns);
        EXPECT_EQ(editor.GetPageCount(), c.pages);
        EXPECT_EQ(editor.GetMode(), c.pages > 1 ? 0x2000 : 0x1000);
        const BlockCounts counts = CountsOf(Stored(editor));
        EXPECT_EQ(counts.lineTexts, c.lineTexts);
        EXPECT_EQ(counts.lineFlags, c.lineTexts);
        EXPECT_EQ(counts.cellTexts, columns * (c.pages - 1));
        EXPECT_EQ(counts.cellFlags, columns * (c.pages - 1));
        if (c.cellTexts > 0 && columns > 0) {
            EXPECT_EQ(editor.GetFieldText(0, 2), "c0");
        }

        TouchEveryField(editor);
        EXPECT_EQ(editor.GetPageCount(), c.pages);
    }
}
