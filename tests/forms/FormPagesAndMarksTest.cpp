// Each form in its own view, in the main frame as the program shows it: the pages switched by their keys, Tab
// and the mouse over the fields of the page shown, rows that are no fields, the mark areas and the form's
// dialogs.

#include "forms/atr/ATR_Form.h"
#include "forms/common/FormCommandIds.h"
#include "forms/common/FormPrinting.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/uz/UZ_Form.h"
#include "tests/forms/FormInMainFrame.h"
#include "tests/platform/ScriptedUi.h"

using platform::Rect;

namespace {

std::string nameOf(const FormDefinition& form)
{
    return QString::fromStdU16String(std::u16string(form.fields.section)).toStdString();
}

class FormPages : public FormInMainFrame {
protected:
    ScriptedUi ui;

    QColor editWindowColour() { return window().palette().color(QPalette::Base); }
    QImage picture()
    {
        view->viewport()->repaint();
        return view->viewport()->grab().toImage();
    }
    // Whether the middle of a mark area is inked on screen, where the strokes of a cross or tick meet; and
    // no more than that: the middle of the area's top edge stays clear.
    bool markedAt(std::uint16_t row)
    {
        const Rect box = view->GetFieldRect(row, 1);
        const QPoint middle = middleOf(box);
        const QPoint topEdge = middleOf({box.left, box.top + 8, box.right, box.top + 8});
        const QImage image = picture();
        EXPECT_GE(qGray(image.pixel(topEdge)), 128) << row;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (qGray(image.pixel(middle + QPoint(dx, dy))) < 128) return true;
        return false;
    }
};

}  // namespace

TEST_F(FormPages, CtrlTabAndCtrlShiftTabSwitchThePagesWhereTabAndTheMouseReachThePageShown)
{
    const QColor green(0xDE, 0xFF, 0xD1), orange(0xFF, 0xD6, 0xAA), white(Qt::white);
    const struct {
        const FormDefinition& form;
        const char* page1Pane;
        const char* page2Pane;  // none: the form has one page
        int page1Help;
        int page2Help;
        QColor page1Colour;
        QColor page2Colour;
        std::uint16_t lastPage2Field = 0;
        // A box of page 1 over no input field of page 2, unzoomed.
        platform::Rect page1Only = {};
        // A field of page 2 that the edit window on field 0 leaves free; the certificate of origin has none.
        std::optional<std::uint16_t> clickedField = {};
    } cases[] = {
        {EUR1_Form,
         "EUR.1 - Seite 1 von 2",
         "EUR.1 - Seite 2 von 2",
         300,
         312,
         green,
         white,
         10,
         {300, 1600, 700, 1800},
         5},
        {UZ_Form,
         "Ursprungszeugnis - Seite 1 von 2",
         "Ursprungszeugnis - Seite 2 von 2",
         340,
         350,
         orange,
         orange,
         0,
         {110, 40, 1000, 140},
         std::nullopt},
        {ATR_Form, "A.TR. Dokument", nullptr, 0, 0, green, green},
        {LZE848a_Form, "Ursprungszeugnis (848a)", nullptr, 0, 0, white, white},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c.form));
        open(c.form);
        EXPECT_EQ(frame->statusPaneText(1).toStdString(), c.page1Pane);
        EXPECT_FALSE(enabled(formcmd::kPage1));
        EXPECT_EQ(enabled(formcmd::kPage2), c.page2Pane != nullptr);
        view->ActivateField(3, 1);
        QTest::keyClicks(&window(), "Bremen  ");
        view->verticalScrollBar()->setValue(200);

        key(Qt::Key_Tab, Qt::ControlModifier);
        if (!c.page2Pane) {
            EXPECT_EQ(view->m_nCurrentPage, 1);
            EXPECT_EQ(editor().GetCurrentField(), 3);
            continue;
        }
        EXPECT_EQ(view->m_nCurrentPage, 2);
        EXPECT_EQ(editor().GetCurrentPage(), 2);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        EXPECT_EQ(frame->statusPaneText(1).toStdString(), c.page2Pane);
        EXPECT_EQ(app.m_nHelpContext, c.page2Help);
        EXPECT_EQ(editWindowColour(), c.page2Colour);
        // What was typed is kept as typed: the switch neither tidies the field left nor scrolls.
        EXPECT_EQ(editor().GetFieldText(3, 1), "Bremen  ");
        EXPECT_EQ(view->verticalScrollBar()->value(), 200);
        EXPECT_TRUE(enabled(formcmd::kPage1));
        EXPECT_FALSE(enabled(formcmd::kPage2));
        key(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(view->m_nCurrentPage, 2);

        QTest::keyClicks(&window(), "Rechnung");
        key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(view->m_nCurrentPage, 1);
        EXPECT_EQ(editor().GetCurrentPage(), 1);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        EXPECT_EQ(editor().GetFieldText(0, 2), "Rechnung");
        EXPECT_EQ(frame->statusPaneText(1).toStdString(), c.page1Pane);
        EXPECT_EQ(app.m_nHelpContext, c.page1Help);
        EXPECT_EQ(editWindowColour(), c.page1Colour);
        EXPECT_FALSE(enabled(formcmd::kPage1));
        EXPECT_TRUE(enabled(formcmd::kPage2));
        // The command goes back to page 2, where the edit window holds what was typed there.
        EXPECT_TRUE(frame->ExecuteCommand(formcmd::kPage2));
        EXPECT_EQ(window().toPlainText(), "Rechnung");

        // There Tab and the mouse reach that page's fields and wrap between its first and last.
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(editor().GetCurrentField(), c.lastPage2Field);
        key(Qt::Key_Tab);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        EXPECT_EQ(editor().GetCurrentPage(), 2);
        EXPECT_EQ(hoverOver(c.page1Only), 0);
        clickOn(c.page1Only);
        EXPECT_EQ(editor().GetCurrentField(), 0);
        if (!c.clickedField) continue;
        EXPECT_EQ(hoverOver(view->GetFieldRect(*c.clickedField, 2)), 2);
        clickOn(view->GetFieldRect(*c.clickedField, 2));
        EXPECT_EQ(editor().GetCurrentField(), *c.clickedField);
        EXPECT_EQ(editor().GetCurrentPage(), 2);
    }
}

TEST_F(FormPages, ARowThatIsNoFieldOrLiesBeyondTheTableReachesAnInputField)
{
    const struct {
        const FormDefinition& form;
        int page;
        std::uint16_t row;
        std::optional<std::uint16_t> reached;  // none: any input field
        bool screenRowZero = false;            // its box on screen is row 0's
    } cases[] = {
        // clang-format off
        {EUR1_Form, 1, 21, 0}, {EUR1_Form, 1, 500, 0}, {EUR1_Form, 2, 11, 0}, {EUR1_Form, 2, 65535, 0},
        {UZ_Form, 1, 10, {}}, {UZ_Form, 1, 11, {}}, {UZ_Form, 1, 12, {}}, {UZ_Form, 1, 13, {}}, {UZ_Form, 1, 14, 0},
        {LZE848a_Form, 1, 5, {}}, {LZE848a_Form, 1, 11, {}}, {LZE848a_Form, 1, 12, {}},
        {LZE848a_Form, 1, 13, 0, true}, {LZE848a_Form, 1, 500, 0, true},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c.form) + " row " + std::to_string(c.row) + " of page " + std::to_string(c.page));
        open(c.form);
        view->ActivateField(5, c.page);
        view->ActivateField(c.row, c.page);
        EXPECT_EQ(editor().GetCurrentPage(), c.page);
        EXPECT_TRUE(view->IsInputField(editor().GetCurrentField(), c.page));
        if (!c.reached) continue;
        EXPECT_EQ(editor().GetCurrentField(), *c.reached);
        // Its box is row 0's, on paper in both editions of the EUR.1's back.
        EXPECT_TRUE(!c.screenRowZero || view->GetFieldRect(c.row, c.page) == view->GetFieldRect(0, c.page));
        for (const int edition : {0, 1}) {
            app.WriteProfileInt(settings::kEURPRN, edition);
            const std::unique_ptr<FormPrinting> printing = c.form.createPrinting(app, *doc);
            EXPECT_EQ(printing->GetPrintFieldRect(c.row, c.page), printing->GetPrintFieldRect(0, c.page));
        }
    }
    // Field 5 of the 848a shares the box of field 6, which a click there reaches.
    open(LZE848a_Form);
    clickOn(view->GetFieldRect(6, 1));
    EXPECT_EQ(editor().GetCurrentField(), 6);
}

TEST_F(FormPages, AClickOnAMarkAreaSetsTheDocumentsChoiceAndChangesTheFormAndTheViewDrawsIt)
{
    for (const FormDefinition* form : {&UZ_Form, &LZE848a_Form}) {
        SCOPED_TRACE(nameOf(*form));
        open(*form);
        ASSERT_EQ(form->markAreas.size(), 2u);
        const FormMarkArea& first = form->markAreas[0];
        const FormMarkArea& second = form->markAreas[1];
        const platform::Rect firstBox = view->GetFieldRect(first.field, 1);
        const platform::Rect secondBox = view->GetFieldRect(second.field, 1);
        EXPECT_EQ(view->ChosenMarkArea(), &second);
        EXPECT_FALSE(markedAt(first.field));
        EXPECT_TRUE(markedAt(second.field));

        EXPECT_EQ(hoverOver(firstBox), 3);
        EXPECT_EQ(view->viewport()->cursor().pixmap().cacheKey(), AppCursors::Get(341).pixmap().cacheKey());
        // The set mark clicked again keeps the choice and changes the form, so that closing it asks.
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 0);
        EXPECT_TRUE(doc->isModified());
        EXPECT_TRUE(markedAt(second.field));
        doc->setModifiedFlag(false);

        const std::uint16_t fieldBefore = editor().GetCurrentField();
        clickOn(firstBox);
        EXPECT_EQ(doc->m_nMarkChoice, 1);
        EXPECT_EQ(view->ChosenMarkArea(), &first);
        EXPECT_TRUE(doc->isModified());
        EXPECT_EQ(editor().GetCurrentField(), fieldBefore);
        EXPECT_TRUE(markedAt(first.field));
        EXPECT_FALSE(markedAt(second.field));
        doc->setModifiedFlag(false);
        clickOn(firstBox);
        EXPECT_EQ(doc->m_nMarkChoice, 1);
        EXPECT_TRUE(doc->isModified());
        EXPECT_TRUE(markedAt(first.field));
        doc->setModifiedFlag(false);
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 0);
        EXPECT_TRUE(doc->isModified());

        // A choice that no area has shows as the last area's, where a click sets that area's choice.
        doc->m_nMarkChoice = 7;
        doc->setModifiedFlag(false);
        EXPECT_EQ(view->ChosenMarkArea(), &second);
        EXPECT_FALSE(markedAt(first.field));
        EXPECT_TRUE(markedAt(second.field));
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 0);
        EXPECT_TRUE(doc->isModified());
    }
    // The certificate of origin draws its cross in dark red on its orange, corner to corner along both
    // diagonals of its box.
    open(UZ_Form);
    const platform::Rect crossed = view->GetFieldRect(11, 1);
    const QPoint empty = middleOf(view->GetFieldRect(10, 1));
    EXPECT_EQ(picture().pixelColor(empty), QColor(0xFF, 0xD6, 0xAA));
    const int width = crossed.right - crossed.left, height = crossed.bottom - crossed.top;
    for (const int quarter : {1, 2, 3}) {
        const int x = crossed.left + width * quarter / 4;
        for (const int y : {crossed.top + height * quarter / 4, crossed.bottom - height * quarter / 4}) {
            EXPECT_EQ(picture().pixelColor(middleOf({x, y, x, y})).name(), QColor(0x80, 0x00, 0x00).name())
                << "at " << x << ", " << y;
        }
    }
}

TEST_F(FormPages, EachFormsKeysAndCommandsOpenItsDialogsAndNoOthers)
{
    const struct {
        const FormDefinition& form;
        Qt::Key key;
        int command;        // given without a key
        const char* title;  // none: no dialog, and without a key the command is not offered
    } cases[] = {
        {EUR1_Form, Qt::Key_F8, 0, "Vorgaben für EUR.1"},
        {EUR1_Form, Qt::Key_F9, 0, "Ränder beim Ausdruck für EUR.1"},
        {EUR1_Form, Qt::Key_unknown, formcmd::kAdvancedPrintPositions, "Erweiterte Druckpositionen in EUR1"},
        {UZ_Form, Qt::Key_F8, 0, "Vorgaben für Ursprungszeugnis"},
        {UZ_Form, Qt::Key_F9, 0, "Ränder beim Ausdruck für Ursprungszeugnis"},
        {UZ_Form, Qt::Key_unknown, 32853, "Position der Kreuze im Feld 8"},
        {LZE848a_Form, Qt::Key_F9, 0, "Ränder beim Ausdruck für 848a"},
        {LZE848a_Form, Qt::Key_F8, 0, nullptr},
        {LZE848a_Form, Qt::Key_unknown, formcmd::kFormDefaults, nullptr},
        {LZE848a_Form, Qt::Key_unknown, formcmd::kAdvancedPrintPositions, nullptr},
        // The menu names Ctrl+2 for the two-line option, but no key is bound to it.
        {LZE848a_Form, Qt::Key_2, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(nameOf(c.form) + " " + (c.title ? c.title : "nothing"));
        open(c.form);
        view->ActivateField(5, 1);
        const int help = app.m_nHelpContext;
        QStringList shown;
        ui.script = [&](QDialog& dialog) {
            shown.append(dialog.windowTitle());
            dialog.reject();
        };
        if (c.command) {
            EXPECT_EQ(enabled(c.command), c.title != nullptr);
            if (c.title) frame->ExecuteCommand(c.command);
        } else {
            key(c.key, c.key == Qt::Key_2 ? Qt::ControlModifier : Qt::NoModifier);
        }
        EXPECT_EQ(shown, c.title ? QStringList{c.title} : QStringList{});
        // The help topic of the field is back.
        EXPECT_EQ(app.m_nHelpContext, help);
        EXPECT_TRUE(ui.messageTexts().isEmpty());
    }
}
