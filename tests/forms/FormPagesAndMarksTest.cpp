// The common form view over each form, in the main frame as the program shows it: the page commands reached
// by their keys, Tab on the page shown, the mouse over fields and over the mark areas of a form.

#include "editor/CQELEditWindow.h"
#include "forms/atr/ATR_Form.h"
#include "forms/common/FormCommandIds.h"
#include "forms/eur1/EUR1_Form.h"
#include "forms/lze848a/LZE848a_Form.h"
#include "forms/uz/UZ_Form.h"
#include "tests/forms/FormInMainFrame.h"
#include "tests/support/AnsweringUi.h"

namespace {

class FormPages : public FormInMainFrame {
protected:
    AnsweringUi ui;

    // A new form of `form` in the common view.
    void open(const FormDefinition& form)
    {
        FormInMainFrame::open(form, {}, [this](FormDocument& document) {
            return new FormView(app, document,
                                std::make_unique<CQELEditWindow>([this] { view->UpdateStatusPanes(); }));
        });
    }
    QColor editWindowColour() { return window().palette().color(QPalette::Base); }
};

struct PageCase {
    const FormDefinition& form;
    bool twoPages;
    const char* page1Pane;
    const char* page2Pane;
    int page1Help;
    int page2Help;
    QColor page1Colour;
    QColor page2Colour;
};

}  // namespace

TEST_F(FormPages, CtrlTabAndCtrlShiftTabSwitchThePagesOfTheFormsWithTwo)
{
    const QColor green(0xDE, 0xFF, 0xD1), orange(0xFF, 0xD6, 0xAA), white(Qt::white);
    const PageCase cases[] = {
        {EUR1_Form, true, "EUR.1 - Seite 1 von 2", "EUR.1 - Seite 2 von 2", 300, 312, green, white},
        {UZ_Form, true, "Ursprungszeugnis - Seite 1 von 2", "Ursprungszeugnis - Seite 2 von 2", 340, 350,
         orange, orange},
        {ATR_Form, false, "A.TR. Dokument", "", 0, 0, green, green},
        {LZE848a_Form, false, "Ursprungszeugnis (848a)", "", 0, 0, white, white},
    };
    for (const PageCase& c : cases) {
        SCOPED_TRACE(QString::fromStdU16String(std::u16string(c.form.fields.section)).toStdString());
        open(c.form);
        EXPECT_FALSE(enabled(formcmd::kPage1));
        EXPECT_EQ(enabled(formcmd::kPage2), c.twoPages);
        view->ActivateField(3, 1);
        QTest::keyClicks(&window(), "Bremen  ");
        view->verticalScrollBar()->setValue(200);

        key(Qt::Key_Tab, Qt::ControlModifier);
        if (!c.twoPages) {
            EXPECT_EQ(view->m_nCurrentPage, 1);
            EXPECT_EQ(editor().GetCurrentField(), 3);
            EXPECT_EQ(frame->statusPaneText(1).toStdString(), c.page1Pane);
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
    }
}

TEST_F(FormPages, OnPageTwoTabAndTheMouseReachThatPagesFields)
{
    const struct {
        const FormDefinition& form;
        std::uint16_t lastField;
        // A box of page 1 over no input field of page 2, unzoomed.
        platform::Rect page1Only;
        // A field of page 2 that the edit window on field 0 leaves free; the certificate of origin has none.
        std::optional<std::uint16_t> clickedField;
    } cases[] = {
        {EUR1_Form, 10, {300, 1600, 700, 1800}, 5},
        {UZ_Form, 0, {110, 40, 1000, 140}, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString::fromStdU16String(std::u16string(c.form.fields.section)).toStdString());
        open(c.form);
        frame->ExecuteCommand(formcmd::kPage2);
        key(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(editor().GetCurrentField(), c.lastField);
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

TEST_F(FormPages, AClickOnAMarkAreaSetsTheDocumentsChoiceOnlyWhenItChanges)
{
    for (const FormDefinition* form : {&UZ_Form, &LZE848a_Form}) {
        SCOPED_TRACE(QString::fromStdU16String(std::u16string(form->fields.section)).toStdString());
        open(*form);
        ASSERT_EQ(form->markAreas.size(), 2u);
        const FormMarkArea& first = form->markAreas[0];
        const FormMarkArea& second = form->markAreas[1];
        const platform::Rect firstBox = view->GetFieldRect(first.field, 1);
        const platform::Rect secondBox = view->GetFieldRect(second.field, 1);
        EXPECT_EQ(view->ChosenMarkArea(), &second);

        EXPECT_EQ(hoverOver(firstBox), 3);
        EXPECT_EQ(view->viewport()->cursor().pixmap().cacheKey(), AppCursors::Get(341).pixmap().cacheKey());
        // The set mark clicked again changes nothing.
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 0);
        EXPECT_FALSE(doc->isModified());

        const std::uint16_t fieldBefore = editor().GetCurrentField();
        clickOn(firstBox);
        EXPECT_EQ(doc->m_nMarkChoice, 1);
        EXPECT_EQ(view->ChosenMarkArea(), &first);
        EXPECT_TRUE(doc->isModified());
        EXPECT_EQ(editor().GetCurrentField(), fieldBefore);
        doc->setModifiedFlag(false);
        clickOn(firstBox);
        EXPECT_FALSE(doc->isModified());
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 0);
        EXPECT_TRUE(doc->isModified());

        // A choice that no area has shows as the last area's, where a click changes nothing either.
        doc->m_nMarkChoice = 7;
        doc->setModifiedFlag(false);
        EXPECT_EQ(view->ChosenMarkArea(), &second);
        clickOn(secondBox);
        EXPECT_EQ(doc->m_nMarkChoice, 7);
        EXPECT_FALSE(doc->isModified());

        // The mark rows are no fields: activation and Tab pass them by.
        for (const FormMarkArea* area : {&first, &second}) {
            view->ActivateField(area->field, 1);
            EXPECT_TRUE(view->IsInputField(editor().GetCurrentField(), 1)) << area->field;
        }
        view->ActivateField(form->fields.lastPage1Field, 1);
        key(Qt::Key_Tab);
        EXPECT_EQ(editor().GetCurrentField(), 0);
    }
}
