#include "editor/CQELEditWindow_ATR.h"

#include "app/SettingsKeys.h"
#include "editor/EditorArchiveBlock.h"
#include "platform/archive/Archive.h"
#include "platform/command/CmdUI.h"
#include "platform/command/StandardCommands.h"
#include "platform/gdi/Dc.h"
#include "platform/menu/ContextMenus.h"
#include "tests/editor/EditorTestSupport.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolTip>
#include <cmath>

namespace {

// A form view on screen with four page-1 fields and one table column, standing on field 0 after its first
// drawing.
class LiveEdit : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.SetFields(fields(40), QRect(10, 10, 150, 40));
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.viewport()->repaint();
        ASSERT_NE(window(), nullptr);
        // Field 2 is made two lines of the window's font high, and less than three.
        const QFontMetricsF metrics(window()->font());
        view.SetFields(fields(int(2 * window()->document()->documentMargin() + 2.5 * metrics.lineSpacing())),
                       QRect(10, 10, 150, 40));
        view.Relayout();
    }

    static QList<QRect> fields(int twoLineHeight)
    {
        return {QRect(10, 10, 200, 120), QRect(10, 140, 200, 120), QRect(10, 270, 200, twoLineHeight),
                QRect(10, 900, 200, 40)};
    }

    QPlainTextEdit* window() const { return view.editor.LiveWindow(); }
    // Where the window stands; an empty rectangle when there is none.
    QRect windowGeometry() const
    {
        const QPlainTextEdit* live = window();
        return live ? live->geometry() : QRect();
    }
    CQeEditWindow& editor() { return view.editor; }

    // Sets a field's text while the window stands elsewhere, then moves onto it with the caret at `caret`.
    void typeInto(std::uint16_t field, const QString& text, int caret = -1)
    {
        editor().Activate(field == 0 ? 1 : 0, 1);
        editor().SetFieldText(field, text, 1);
        editor().Activate(field, 1);
        QTextCursor cursor = window()->textCursor();
        cursor.setPosition(caret < 0 ? int(window()->document()->characterCount() - 1) : caret);
        window()->setTextCursor(cursor);
    }
    // The live text as the field gets it.
    QString committed()
    {
        const std::uint16_t field = editor().GetCurrentField();
        editor().Activate(field == 0 ? 1 : 0, 1);
        const QString text = editor().GetFieldText(field, 1);
        editor().Activate(field, 1);
        return text;
    }

    FakeScreen screen{768, 96};
    TemporarySettings settings;
    TestDocument document;
    TestFormView view{settings.store(), &document};
};

}  // namespace

TEST_F(LiveEdit, TheFirstDrawingMakesTheWindowAndPutsItOnField0WithoutTouchingItsText)
{
    TemporarySettings otherSettings;
    TestDocument otherDocument;
    TestFormView fresh(otherSettings.store(), &otherDocument);
    fresh.SetFields({QRect(20, 30, 200, 40), QRect(20, 80, 200, 40)}, QRect(10, 10, 150, 40));
    fresh.editor.SetFieldText(0, "Exporteur GmbH", 1);
    fresh.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fresh));
    fresh.viewport()->repaint();
    QPlainTextEdit* live = fresh.editor.LiveWindow();
    ASSERT_NE(live, nullptr);
    EXPECT_EQ(live->objectName(), "122");
    EXPECT_EQ(live->toPlainText(), "Exporteur GmbH");
    EXPECT_EQ(live->geometry(), QRect(20, 30, 200, 40));
    EXPECT_EQ(fresh.editor.GetFieldText(0, 1), "Exporteur GmbH");
    fresh.editor.Activate(1, 1);
    EXPECT_EQ(fresh.editor.GetFieldText(0, 1), "Exporteur GmbH");
    EXPECT_FALSE(otherDocument.isModified());
}

TEST_F(LiveEdit, TypedTextGoesIntoTheFieldLeftAndOnlyTypingMarksTheDocumentModified)
{
    typeInto(0, "");
    EXPECT_FALSE(document.isModified());
    QTest::keyClicks(window(), "Nord");
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClicks(window(), "Sud");
    EXPECT_TRUE(document.isModified());
    // Committing stores what is typed and leaves the window on its field, the caret where it was.
    QTest::keyClick(window(), Qt::Key_Left);
    editor().CommitTypedText();
    EXPECT_EQ(editor().GetFieldText(0, 1), "Nord\r\nSud");
    EXPECT_EQ(editor().GetCurrentField(), 0);
    EXPECT_EQ(window()->textCursor().position(), 7);
    // Activating the field again (a zoom, a font size) keeps its caret and what can be taken back.
    EXPECT_EQ(editor().Activate(0, 1), 0);
    EXPECT_EQ(window()->textCursor().position(), 7);
    EXPECT_TRUE(editor().CanUndo());
    EXPECT_EQ(editor().Activate(1, 1), 0);
    EXPECT_EQ(editor().GetFieldText(0, 1), "Nord\r\nSud");
    EXPECT_EQ(window()->toPlainText(), "");  // field 1 is empty

    document.setModifiedFlag(false);
    editor().SetFieldText(1, "aus dem Programm", 1);
    editor().Activate(0, 1);
    editor().SetWindowText("gesetzt");
    editor().SetCurrentText("auch gesetzt");
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(window()->toPlainText(), "auch gesetzt");
}

// The undo command of the edit menu is named by whether the window can take an edit back, in the program's
// language; moving the caret to the end puts it after the last character.
TEST_F(LiveEdit, TheUndoCommandIsNamedByWhatTheWindowCanTakeBackAndTheCaretMovesToTheEnd)
{
    typeInto(0, "Nord\r\nSud", 0);
    const auto undoCommand = [&] {
        platform::CmdUI ui(platform::ID_EDIT_UNDO);
        editor().UpdateUndoCommand(ui);
        return std::pair(ui.isEnabled(), ui.text().value_or(QString()));
    };
    EXPECT_EQ(undoCommand(), std::pair(false, QStringLiteral("&Rückgängig (nicht möglich)")));
    editor().MoveCaretToEnd();
    EXPECT_EQ(window()->textCursor().position(), 8);
    EXPECT_FALSE(window()->textCursor().hasSelection());
    QTest::keyClicks(window(), "e");
    EXPECT_EQ(undoCommand(), std::pair(true, QStringLiteral("&Rückgängig")));
    // The language is the application's, as it started; an editor of the English program names it so.
    settings.store().WriteProfileInt(settings::kLanguage, 1);
    window()->undo();
    EXPECT_EQ(undoCommand(), std::pair(false, QStringLiteral("&Rückgängig (nicht möglich)")));
    platform::CmdUI english(platform::ID_EDIT_UNDO);
    CQeEditWindow(nullptr, 1).UpdateUndoCommand(english);
    EXPECT_EQ(english.text(), QStringLiteral("&Undo (not possible)"));
}

// A field may hold line ends of another program's: each one the user leaves alone stays as it was stored;
// what the user types ends its lines with CR LF.
TEST_F(LiveEdit, EveryCharacterTheUserDoesNotTouchKeepsItsStoredForm)
{
    const auto type = [](const char* text) { return [text](QWidget* w) { QTest::keyClicks(w, text); }; };
    const auto key = [](Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
        return [pressed, modifiers](QWidget* w) { QTest::keyClick(w, pressed, modifiers); };
    };
    const QString foreign = QString("a") + QChar(0x2028) + "b" + QChar(0x2029) + "c" + QChar(0xFDD0) + "d" +
                            QChar(0x01) + QChar(0x1F) + "\t\v\f" + QChar(0x85) + "e";
    const struct {
        QString text;
        int caret;
        std::function<void(QWidget*)> keys;
        QString result;
    } cases[] = {
        {"eins\nzwei", 0, nullptr, "eins\nzwei"},
        {"drei\rvier\r", 2, nullptr, "drei\rvier\r"},
        {foreign, 3, nullptr, foreign},
        {foreign.left(5), -1, type("y"), foreign.left(5) + "y"},
        {"eins\r\nzwei\rdrei\nvier", -1, key(Qt::Key_Return, Qt::ShiftModifier),
         "eins\r\nzwei\rdrei\nvier\r\n"},
        {"a\nb", 1, key(Qt::Key_Return), "a\r\n\nb"},
        {"a\rb", 2, key(Qt::Key_Backspace), "ab"},
        // Of two line ends side by side, the one the caret deletes goes.
        {"x\n\r\ny", 1, key(Qt::Key_Delete), "x\r\ny"},
        {"x\r\n\ny", 1, key(Qt::Key_Delete), "x\ny"},
        {"x\r\n\ny", 3, key(Qt::Key_Backspace), "x\r\ny"},
        {"a\nb", -1,
         [](QWidget* w) {
             QTest::keyClicks(w, "c");
             QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
         },
         "a\nb"},
    };
    for (const auto& c : cases) {
        typeInto(1, c.text, c.caret);
        if (c.keys) c.keys(window());
        EXPECT_EQ(committed(), c.result) << c.text.toStdString();
        EXPECT_TRUE(c.keys || !document.isModified()) << c.text.toStdString();
        document.setModifiedFlag(false);
    }
}

// The caret keys go by the lines the window shows: Home and End to the start and end of the line, Up and Down
// to the line above and below, near the same place across; with Shift they select. The end of a line broken
// inside a word is the start of the next one, but the caret stays on the line it ended.
TEST_F(LiveEdit, TheCaretKeysMoveByTheLinesShown)
{
    const QString words =
        "Lorem ipsum dolor sit amet consectetur adipiscing elit sed do eiusmod tempor incididunt "
        "ut labore et dolore magna aliqua Ut enim ad minim veniam quis nostrud";
    const QString word = "Langwort" + QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ").repeated(2) + "ENDE";
    // Where the lines shown start, and the caret's line.
    const auto lineStarts = [this] {
        QList<int> starts;
        const QTextBlock block = window()->document()->firstBlock();
        window()->document()->documentLayout()->blockBoundingRect(block);
        for (int line = 0; line < block.layout()->lineCount(); ++line)
            starts.append(block.layout()->lineAt(line).textStart());
        return starts;
    };
    enum Start { AtStart, AtEnd };
    const auto keys = [](QList<Qt::Key> pressed, Qt::KeyboardModifiers modifiers = {}) {
        return [=](QWidget* w) {
            for (Qt::Key key : pressed) QTest::keyClick(w, key, modifiers);
        };
    };
    // Expected anchor and caret, from the lines' starts `s` and the text's length `n`.
    using Place = std::function<std::pair<int, int>(const QList<int>& s, int n)>;
    const struct {
        const char* name;
        const QString& text;
        Start start;
        std::function<void(QWidget*)> keys;
        Place expected;
    } cases[] = {
        {"Home", words, AtEnd, keys({Qt::Key_Home}),
         [](auto& s, int) { return std::pair(s.last(), s.last()); }},
        {"Up, End", words, AtEnd, keys({Qt::Key_Up, Qt::Key_End}),
         [](auto& s, int) { return std::pair(s[s.size() - 1] - 1, s[s.size() - 1] - 1); }},
        {"Up, Up, Home", words, AtEnd, keys({Qt::Key_Up, Qt::Key_Up, Qt::Key_Home}),
         [](auto& s, int) { return std::pair(s[s.size() - 3], s[s.size() - 3]); }},
        {"Down", words, AtStart, keys({Qt::Key_Down}), [](auto& s, int) { return std::pair(s[1], s[1]); }},
        {"Down on the last line", words, AtEnd, keys({Qt::Key_Down}),
         [](auto&, int n) { return std::pair(n, n); }},
        {"Up on the first line", words, AtStart, keys({Qt::Key_Up}),
         [](auto&, int) { return std::pair(0, 0); }},
        {"Shift+Home", words, AtEnd, keys({Qt::Key_Home}, Qt::ShiftModifier),
         [](auto& s, int n) { return std::pair(n, s.last()); }},
        {"Shift+Down, Shift+End", words, AtStart, keys({Qt::Key_Down, Qt::Key_End}, Qt::ShiftModifier),
         [](auto& s, int) { return std::pair(0, s[2] - 1); }},
        {"End in a word", word, AtStart, keys({Qt::Key_End}),
         [](auto& s, int) { return std::pair(s[1], s[1]); }},
        {"End, Home in a word", word, AtStart, keys({Qt::Key_End, Qt::Key_Home}),
         [](auto&, int) { return std::pair(0, 0); }},
        {"End, Up in a word", word, AtStart, keys({Qt::Key_End, Qt::Key_Up}),
         [](auto& s, int) { return std::pair(s[1], s[1]); }},
        {"End, Down in a word", word, AtStart, keys({Qt::Key_End, Qt::Key_Down}),
         [](auto& s, int) { return std::pair(s[2], s[2]); }},
        {"Home, Up in a word", word, AtEnd, keys({Qt::Key_Home, Qt::Key_Up}),
         [](auto& s, int) { return std::pair(s[s.size() - 2], s[s.size() - 2]); }},
    };
    for (const auto& c : cases) {
        typeInto(0, c.text, c.start == AtStart ? 0 : -1);
        const QList<int> starts = lineStarts();
        ASSERT_GE(starts.size(), 3) << c.name;
        c.keys(window());
        const QTextCursor caret = window()->textCursor();
        EXPECT_EQ(std::pair(caret.anchor(), caret.position()), c.expected(starts, int(c.text.size())))
            << c.name;
    }
}

TEST_F(LiveEdit, ANoBreakSpaceSurvivesTheWindow)
{
    const QString text = QString("12") + QChar(0x00A0) + "kg";
    typeInto(1, text);
    QTest::keyClicks(window(), "!");
    EXPECT_EQ(committed(), text + "!");
}

TEST_F(LiveEdit, AnActivationOutOfRangeChangesNothing)
{
    typeInto(1, "bleibt");
    QTest::keyClicks(window(), " hier");
    EXPECT_EQ(editor().Activate(4, 1), -1);
    EXPECT_EQ(editor().Activate(1, 3), -1);
    EXPECT_EQ(editor().GetCurrentField(), 1);
    EXPECT_EQ(window()->toPlainText(), "bleibt hier");
    EXPECT_EQ(editor().GetFieldText(1, 1), "bleibt hier");
}

TEST_F(LiveEdit, TheTextOfATableCellGoesBackToItsPage)
{
    editor().SetFieldText(0, "Zelle", 2);
    ASSERT_EQ(editor().Activate(0, 2), 0);
    EXPECT_EQ(windowGeometry(), QRect(10, 10, 150, 40));
    EXPECT_EQ(window()->textCursor().position(), 0);  // a field is entered at its start
    QTest::keyClick(window(), Qt::Key_End);
    QTest::keyClicks(window(), " 1");
    editor().Activate(0, 1);
    EXPECT_EQ(editor().GetFieldText(0, 2), "Zelle 1");
    EXPECT_EQ(editor().GetFieldText(0, 1), "");
}

TEST_F(LiveEdit, ALoadedFormReplacesWhatTheWindowHeld)
{
    typeInto(1, "alt");
    QTest::keyClicks(window(), " getippt");
    CQeEditWindow source;
    source.SetFieldCounts(4, 1, true);
    source.SetFieldText(1, "geladen", 1);
    QByteArray bytes;
    platform::Archive out(bytes);
    source.Serialize(out);
    platform::Archive in{QByteArrayView(bytes)};
    editor().Serialize(in);
    EXPECT_EQ(window()->toPlainText(), "geladen");
    editor().Activate(0, 1);
    EXPECT_EQ(editor().GetFieldText(1, 1), "geladen");
}

TEST_F(LiveEdit, OverwriteReplacesOnlyTheCharactersTyped)
{
    const struct {
        const char* text;
        int caret;
        int selectTo;  // -1: no selection
        std::function<void(QWidget*)> keys;
        const char* result;
    } cases[] = {
        {"abc", 0, -1, [](QWidget* w) { QTest::keyClicks(w, "x"); }, "xbc"},
        {"abc", 0, 2, [](QWidget* w) { QTest::keyClicks(w, "x"); }, "xc"},
        {"abc", 3, -1, [](QWidget* w) { QTest::keyClicks(w, "xy"); }, "abcxy"},
        {"abc", 2, -1, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Backspace); }, "ac"},
        {"abc", 1, -1, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }, "a\r\nbc"},
        {"abc", 1, -1, [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); }, "abc"},
        {"abc", 1, -1, [](QWidget* w) { QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier); }, "abc"},
        {"abc", 1, -1, [](QWidget* w) { QTest::keyClick(w, Qt::Key_R, Qt::ControlModifier); }, "abc"},
        {"ab\r\ncd", 2, -1, [](QWidget* w) { QTest::keyClicks(w, "x"); }, "abx\r\ncd"},
    };
    editor().SetInsertMode(false);
    for (const auto& c : cases) {
        typeInto(1, c.text, c.caret);
        if (c.selectTo >= 0) {
            QTextCursor cursor = window()->textCursor();
            cursor.setPosition(c.selectTo, QTextCursor::KeepAnchor);
            window()->setTextCursor(cursor);
        }
        c.keys(window());
        EXPECT_EQ(committed(), c.result) << c.text << " at " << c.caret;
    }
}

TEST_F(LiveEdit, TheInsertKeySwitchesTheModeUpdatesTheStatusBarAndTypesNothingShiftInsertPastes)
{
    typeInto(1, "abc", 0);
    ASSERT_TRUE(editor().IsInsertMode());
    QTest::keyClick(window(), Qt::Key_Insert);
    EXPECT_FALSE(editor().IsInsertMode());
    EXPECT_TRUE(window()->overwriteMode());
    EXPECT_EQ(view.statusUpdates, 1);
    QTest::keyClicks(window(), "x");
    EXPECT_EQ(window()->toPlainText(), "xbc");
    QTest::keyClick(window(), Qt::Key_Insert);
    EXPECT_TRUE(editor().IsInsertMode());
    EXPECT_EQ(view.statusUpdates, 2);
    QTest::keyClicks(window(), "y");
    EXPECT_EQ(window()->toPlainText(), "xybc");
    // Shift+Insert pastes instead.
    QGuiApplication::clipboard()->setText("Ware");
    QTest::keyClick(window(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_TRUE(editor().IsInsertMode());
    EXPECT_EQ(view.statusUpdates, 2);
    EXPECT_EQ(window()->toPlainText(), "xyWarebc");
}

TEST_F(LiveEdit, AFullFieldRefusesAnotherLineAndKeepsItsTextAndCaret)
{
    typeInto(2, "");
    QTest::keyClicks(window(), "eins");
    QTest::keyClick(window(), Qt::Key_Return);
    QTest::keyClicks(window(), "zwei");
    document.setModifiedFlag(false);
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_EQ(window()->toPlainText(), "eins\nzwei");
    EXPECT_EQ(window()->textCursor().position(), 9);
    EXPECT_FALSE(document.isModified());
    // Words that would wrap onto a third line are refused as well, one at a time.
    QTest::keyClicks(window(), " und noch sehr viel mehr Text als hineinpasst");
    EXPECT_LT(window()->toPlainText().size(),
              QString("eins\nzwei und noch sehr viel mehr Text als hineinpasst").size());
    EXPECT_TRUE(window()->toPlainText().startsWith("eins\nzwei und"));
    // Taking text away is always possible, and makes room again.
    document.setModifiedFlag(false);
    QTest::keyClick(window(), Qt::Key_Backspace);
    EXPECT_TRUE(document.isModified());
    EXPECT_EQ(committed().left(9), "eins\r\nzwe");
    // Overwriting loses nothing when a key is refused.
    typeInto(2, "eins\r\nzwei", 4);
    editor().SetInsertMode(false);
    QTest::keyClick(window(), Qt::Key_Return);
    EXPECT_EQ(committed(), "eins\r\nzwei");
}

TEST_F(LiveEdit, ATextFarLongerThanItsFieldIsLaidOutOnlyAsFarAsTheWindowReachesAndKeptWhole)
{
    struct Case {
        const char* text;
        QString content;
    };
    // A word too long for a line breaks within it: each text is taller than the window.
    const Case cases[] = {
        {"many words", QString("Ware ").repeated(40'000)},
        {"many words of two blanks", QString("Ware  ").repeated(40'000)},
        {"one word", QString(200'000, u'x')},
        {"one word and more", QString(200'000, u'x') + " und mehr"},
    };
    // Where each line laid out in the window starts and how long it is.
    const auto linesOf = [this] {
        QList<std::pair<int, int>> lines;
        const QTextBlock block = window()->document()->firstBlock();
        window()->document()->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        for (int line = 0; line < layout->lineCount(); ++line)
            lines.append({layout->lineAt(line).textStart(), layout->lineAt(line).textLength()});
        return lines;
    };
    for (const Case& c : cases) {
        typeInto(0, c.content, 0);
        const QList<std::pair<int, int>> lines = linesOf();
        const QFontMetricsF metrics(window()->font());
        const int windowLines = int(std::ceil(window()->viewport()->height() / metrics.height()));
        EXPECT_LE(lines.size(), 2 * windowLines + 2) << c.text;
        // The lines shown break where they break for the part of the text that fills the window.
        EXPECT_GT(lines.size(), windowLines) << c.text;
        typeInto(1, c.content.left(2'000), 0);
        EXPECT_EQ(lines.mid(0, windowLines), linesOf().mid(0, windowLines)) << c.text;
        // A text taller than the window cannot grow, and nothing of it is lost; taking it away is possible.
        typeInto(0, c.content);
        QTest::keyClicks(window(), "z");
        EXPECT_EQ(committed(), c.content) << c.text;
        window()->selectAll();
        QTest::keyClick(window(), Qt::Key_Delete);
        EXPECT_EQ(committed(), "") << c.text;
    }
}

TEST_F(LiveEdit, PasteNormalisesTheClipboardTextAtTheCaretOnly)
{
    const struct {
        const char* field;
        int caret;
        const char* clipboard;
        const char* result;
    } cases[] = {
        {"", 0, "\"Nord\"  ", "Nord"},
        {"", 0, "Zeile\nZeile", "Zeile\r\nZeile"},
        {"", 0, "Zeile\r\nZeile\n\n", "Zeile\r\nZeile"},
        {"", 0, "\"", ""},
        {"\"Nord\" GmbH \"", 13, "Sud\"", "\"Nord\" GmbH \"Sud\""},
        {"\"Nord\"   ", 0, "x", "x\"Nord\"   "},
        {"Anfang Ende", 7, "Mitte ", "Anfang MitteEnde"},
    };
    for (const auto& c : cases) {
        typeInto(0, c.field, c.caret);
        QGuiApplication::clipboard()->setText(c.clipboard);
        QTest::keyClick(window(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(committed(), c.result) << c.clipboard;
    }
}

TEST_F(LiveEdit, ThePasteCommandPutsTheCaretAfterThePastedText)
{
    typeInto(0, "AB", 1);
    QGuiApplication::clipboard()->setText("xyz");
    editor().PasteFromClipboard();
    EXPECT_EQ(window()->toPlainText(), "AxyzB");
    EXPECT_EQ(window()->textCursor().position(), 4);
    EXPECT_TRUE(document.isModified());
}

TEST_F(LiveEdit, APasteThatDoesNotFitOrHasNoTextChangesNothing)
{
    typeInto(2, "eins", 4);
    QGuiApplication::clipboard()->setText("zwei\ndrei\nvier");
    QTest::keyClick(window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window()->toPlainText(), "eins");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window()->toPlainText(), "eins");
    EXPECT_FALSE(document.isModified());
}

TEST_F(LiveEdit, FontAndAlignmentFollowTheField)
{
    editor().SetFieldAlignRight(1, 1);
    editor().SetFontSize(1, 1, 3);
    editor().SetFieldBold(1, 1);
    editor().SetFontSize(3, 1, 9);
    editor().Activate(1, 1);
    EXPECT_EQ(window()->document()->defaultTextOption().alignment(), Qt::AlignRight);
    EXPECT_TRUE(window()->font().bold());
    const int size3 = window()->font().pixelSize();
    editor().Activate(3, 1);
    EXPECT_EQ(window()->document()->defaultTextOption().alignment(), Qt::AlignLeft);
    EXPECT_FALSE(window()->font().bold());
    EXPECT_GT(window()->font().pixelSize(), size3);  // size code 9 shows at size 4

    // A larger font keeps what was typed.
    typeInto(1, "");
    QTest::keyClicks(window(), "Ware");
    const int before = window()->font().pixelSize();
    editor().IncreaseFontSize();
    EXPECT_GT(window()->font().pixelSize(), before);
    EXPECT_EQ(window()->toPlainText(), "Ware");
    EXPECT_EQ(editor().GetFieldText(1, 1), "Ware");
}

TEST_F(LiveEdit, ABalloonTipShowsTitleAndTextOnTheField)
{
    typeInto(1, "");
    view.editor.ShowBalloonTip("Hinweis", "Bitte <kurz> fassen", 5000);
    EXPECT_EQ(QToolTip::text(), "<b>Hinweis</b><br>Bitte &lt;kurz&gt; fassen");
    QToolTip::hideText();
}

TEST_F(LiveEdit, TheWindowSitsOnItsFieldInTheScrolledView)
{
    view.ScrollToPosition({0, -300});
    const QPoint scrolled = view.GetDeviceScrollPosition();
    ASSERT_GT(scrolled.y(), 0);
    editor().Activate(3, 1);
    EXPECT_EQ(windowGeometry(), QRect(QPoint(10, 900) - scrolled, QSize(200, 40)));
    // Scrolling further moves the window along with the form, and it stays there as the user types.
    view.ScrollToPosition({0, 0});
    EXPECT_EQ(windowGeometry(), QRect(10, 900, 200, 40));
    QTest::keyClicks(window(), "x");
    EXPECT_EQ(windowGeometry(), QRect(10, 900, 200, 40));
}

TEST_F(LiveEdit, EnsureVisibleScrollsTheFieldIntoTheView)
{
    editor().Activate(3, 1);
    editor().EnsureVisible();
    const QRect inView = windowGeometry();
    EXPECT_GE(inView.top(), 0);
    EXPECT_LE(inView.y() + inView.height(), view.viewport()->height());
    QTest::keyClicks(window(), "x");
    EXPECT_EQ(windowGeometry(), inView);
    editor().Activate(0, 1);
    editor().EnsureVisible();
    EXPECT_EQ(view.GetScrollPosition(), QPoint(0, 0));
}

TEST_F(LiveEdit, EnsureVisibleEndsWhereTheViewCannotScrollFurther)
{
    const int pageBottom = TestFormView::kPage.height() * view.zoom() / 10 * 96 / 254;
    view.SetFields({QRect(10, 10, 200, 40), QRect(2000, pageBottom - 30, 300, 400)}, QRect(10, 10, 150, 40));
    view.Relayout();
    editor().Activate(1, 1);
    editor().EnsureVisible();
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
    EXPECT_EQ(view.horizontalScrollBar()->value(), view.horizontalScrollBar()->maximum());
}

TEST_F(LiveEdit, PageDownAndUpScrollTheFormBy70MillimetresOfThePage)
{
    typeInto(1, "eins\r\nzwei", 0);
    QTest::keyClick(window(), Qt::Key_PageDown);
    EXPECT_NEAR(view.GetScrollPosition().y(), -700, 2);
    EXPECT_GT(window()->textCursor().position(), 0);  // the caret moved as well
    QTest::keyClick(window(), Qt::Key_PageUp);
    EXPECT_EQ(view.GetScrollPosition().y(), 0);
    for (int i = 0; i < 20; ++i) QTest::keyClick(window(), Qt::Key_PageDown);
    EXPECT_EQ(view.verticalScrollBar()->value(), view.verticalScrollBar()->maximum());
}

TEST_F(LiveEdit, TheWheelScrollsTheFormNotTheField)
{
    typeInto(2, "eins\r\nzwei");
    // Mouse events reach an edit through its viewport.
    QWidget* area = window()->viewport();
    const QPoint inside = area->rect().center();
    QWheelEvent wheel(inside, area->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area, &wheel);
    EXPECT_GT(view.verticalScrollBar()->value(), 0);
    EXPECT_EQ(window()->verticalScrollBar()->value(), 0);
}

TEST_F(LiveEdit, TheRightClickShowsMenu119AndSendsItsCommand)
{
    QList<platform::MenuItem> shown;
    QList<int> sent;
    platform::ContextMenus::registerMenu(
        119, "Bearbeiten", {{57635, "&Ausschneiden", false}, {0, {}, true}, {57637, "E&infügen", false}});
    platform::ContextMenus::setTracker([&](const QList<platform::MenuItem>& items, QPoint) {
        shown = items;
        return 57637;
    });
    platform::ContextMenus::setCommandSink([&](int command) { sent.append(command); });
    QWidget* area = window()->viewport();
    const QPoint inside = area->rect().center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, area->mapToGlobal(inside));
    QCoreApplication::sendEvent(area, &rightClick);
    platform::ContextMenus::setTracker({});
    platform::ContextMenus::setCommandSink({});
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].commandId, 57635);
    EXPECT_TRUE(shown[1].separator);
    EXPECT_EQ(sent, QList<int>{57637});
}

TEST(LiveEditMenu, WithoutAnApplicationMenuTheEditorShowsItsOwnItems)
{
    const FakeScreen screen(768, 96);
    TemporarySettings settings;
    TestDocument document;
    TestFormView view(settings.store(), &document);
    view.SetFields({QRect(10, 10, 200, 40)}, QRect(10, 10, 150, 40));
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.viewport()->repaint();
    // A second editor made by hand, without menu 119.
    CQeEditWindow editor;
    editor.SetFieldCounts(1, 0, true);
    ASSERT_TRUE(editor.CreateEditor(&view, 7, &document, 0));
    QList<platform::MenuItem> shown;
    platform::ContextMenus::setTracker([&](const QList<platform::MenuItem>& items, QPoint) {
        shown = items;
        return 0;
    });
    const auto rightClick = [&] {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, {1, 1},
                                editor.LiveWindow()->mapToGlobal(QPoint(1, 1)));
        QCoreApplication::sendEvent(editor.LiveWindow(), &event);
    };
    rightClick();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].commandId, 57635);
    EXPECT_EQ(shown[1].text, "&Kopieren\tStrg+C");
    EXPECT_EQ(shown[2].commandId, 57637);
    editor.AddContextMenuItem(0, 4711, "Eigener Befehl");
    editor.AddContextMenuItem(0x800, 99, "weg");
    rightClick();
    platform::ContextMenus::setTracker({});
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[0].commandId, 4711);
    EXPECT_TRUE(shown[1].separator);
}

TEST_F(LiveEdit, AFieldIsTypedInTheFontItIsDrawnInAtEveryZoom)
{
    QImage canvas(1, 1, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(int(std::lround(96 / 0.0254)));
    canvas.setDotsPerMeterY(int(std::lround(96 / 0.0254)));
    for (int zoom = 10; zoom <= 25; ++zoom) {
        view.setZoom(zoom);
        view.Relayout();
        for (std::uint16_t size = 0; size <= 4; ++size) {
            for (const bool bold : {false, true}) {
                SCOPED_TRACE(testing::Message() << "zoom " << zoom << " size " << size << " bold " << bold);
                editor().SetFontSize(1, 1, size);
                bold ? editor().SetFieldBold(1, 1) : editor().ClearFieldBold(1, 1);
                editor().Activate(1, 1);
                QPainter painter(&canvas);
                platform::Dc dc(painter);
                dc.mapper().setMapMode(platform::MapMode::LoMetric);
                dc.selectFont(editor().GetFontTable().display.ForField(size, bold));
                const double drawnPixels = dc.textMetrics().height * 96 / 254;
                const QFontMetricsF typed(window()->font());
                EXPECT_NEAR(typed.ascent() + typed.descent(), drawnPixels, 0.01);
                editor().Activate(0, 1);
            }
        }
    }
}
