// Typing into the live edit window at every zoom of the form's window: the lines that fit into a field's box
// as the view draws it and the printer prints it are taken, whatever the zoom, and a line more is refused, as
// is the rest of a word that does not fit, at the same character at every zoom.

#include "app/SettingsKeys.h"
#include "forms/atr/ATR_Form.h"
#include "forms/common/FormCommandIds.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "tests/forms/FormInMainFrame.h"

namespace {

class TypedTextFit : public FormInMainFrame {
protected:
    // Types `count` lines into the active field, each after a Return, over whatever it held.
    void typeLines(int count)
    {
        key(Qt::Key_A, Qt::ControlModifier);
        key(Qt::Key_Delete);
        for (int line = 1; line <= count; ++line) {
            if (line > 1) key(Qt::Key_Return);
            QTest::keyClicks(&window(), QStringLiteral("Zeile%1").arg(line));
        }
    }
    // Whether the window shows its text from the first line, as the field is drawn.
    bool firstLineInSight() { return window().cursorRect(QTextCursor(window().document())).top() >= 0; }
};

}  // namespace

TEST_F(TypedTextFit, TheLinesABoxHoldsAreTakenAtEveryZoomAndALineMoreIsRefused)
{
    // Fields 0 and 1 of the declaration 848a with the two-line option, and single-line fields of the A.TR.:
    // one a little taller than a line of its font, one a little lower, and box 6; the EUR.1's centred line of
    // box 2 and its place and date on the back. Where the paper holds fewer lines than the window, the paper
    // decides: the 848a's two-line field 0 (7.9 mm on paper) holds one line of 6.3 mm in the printer font at
    // 150 %, and one of 3.9 mm when the print area is 97 % high (7.5 mm).
    const struct {
        const FormDefinition& form;
        bool twoLineOption;
        std::uint16_t field;
        int lines;
        // How many characters of the long word the box takes at the least, by its width on paper.
        int leastTaken = 0;
        std::uint16_t page = 1;
        int printerFontFactor = 95;
        int printAreaVertical = 1000;
    } rows[] = {
        {LZE848a_Form, true, 0, 2},
        {LZE848a_Form, true, 1, 2},
        {ATR_Form, false, 2, 1},
        // 60 mm less the inset of 1 mm and "Lorem " (9.5 mm in the printer font) hold 73 "i" of 0.68 mm.
        {ATR_Form, false, 14, 1, 6 + 72},
        {ATR_Form, false, 5, 1},
        {EUR1_Form, false, 3, 1},
        {EUR1_Form, false, 10, 1, 0, 2},
        {LZE848a_Form, true, 0, 1, 0, 1, 150},
        {LZE848a_Form, true, 0, 1, 0, 1, 95, 970},
    };
    // Narrow letters, so that the place where the word stops shows the slightest change of its measure.
    const QString kLongWord = "Lorem " + QString(230, u'i');
    constexpr int kFirstZoom = 10;
    constexpr int kLastZoom = 25;
    for (const auto& row : rows) {
        app.WriteProfileInt(settings::kLZEF1F2, row.twoLineOption ? 1 : 0);
        app.WriteProfileInt(settings::kPrinterFontFactor.in(row.form.fields.section), row.printerFontFactor);
        app.WriteProfileInt(settings::kPrnFactorV, row.printAreaVertical);
        open(row.form);
        if (row.page == 2) {
            ASSERT_TRUE(frame->ExecuteCommand(formcmd::kPage2));
        }
        const std::uint16_t elsewhere = row.field == 0 ? 1 : 0;
        QString takenAtFirstZoom;
        for (int zoom = kFirstZoom; zoom <= kLastZoom; ++zoom) {
            if (zoom > kFirstZoom) {
                ASSERT_TRUE(frame->ExecuteCommand(formcmd::kZoomIn));
            }
            SCOPED_TRACE(testing::Message() << "row " << &row - rows << " zoom " << zoom);
            ASSERT_EQ(view->zoom(), zoom);
            view->ActivateField(row.field, row.page);
            typeLines(row.lines + 1);
            EXPECT_TRUE(firstLineInSight());
            view->ActivateField(elsewhere, row.page);
            // The Return of the line more changed nothing; its text went onto the last line.
            QStringList taken;
            for (int line = 1; line <= row.lines; ++line) taken.append(QStringLiteral("Zeile%1").arg(line));
            taken.last() += QStringLiteral("Zeile%1").arg(row.lines + 1);
            EXPECT_EQ(editor().GetFieldText(row.field, row.page), taken.join("\r\n"));

            // A word longer than the box is taken up to the character that no longer fits, as the lines
            // of the box hold it when it breaks there.
            view->ActivateField(row.field, row.page);
            typeLines(0);
            QTest::keyClicks(&window(), kLongWord);
            view->ActivateField(elsewhere, row.page);
            const QString word = editor().GetFieldText(row.field, row.page);
            EXPECT_TRUE(kLongWord.startsWith(word) && !word.isEmpty()) << word.toStdString();
            EXPECT_LT(word.size(), kLongWord.size());
            EXPECT_GE(word.size(), row.leastTaken);
            if (zoom == kFirstZoom) takenAtFirstZoom = word;
            EXPECT_EQ(word.size(), takenAtFirstZoom.size());
        }
    }
}
