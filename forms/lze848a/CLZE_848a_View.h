#pragma once

#include "forms/common/FormView.h"
#include "forms/lze848a/LZE848a_TwoLineFields.h"

class CLZE_848a_Doc;

// The long-term supplier's declaration 848a at true size on white: its declaration text, the notes, the
// eleven fields on their underlines and the two tick boxes, one of which the user ticks with a click.
class CLZE_848a_View : public FormView {
    Q_OBJECT

public:
    CLZE_848a_View(CQELWinAppEx& app, CLZE_848a_Doc& document);

    // Fields 0 and 1 reach one box height higher with the two-line option this view was opened with; rows
    // beyond the table read row 0.
    platform::Rect GetFieldRect(std::uint16_t field, int page) const override;
    // The field texts, then the tick in the chosen box.
    void DrawPage1Fields(platform::Dc& dc) override;

    // "Eingebefeld 1 und 2 zweizeilig": tells that the change holds from the next form on, then turns the
    // option over; the forms already open keep theirs.
    void OnToggleTwoLineFields();
    void OnUpdateTwoLineFields(platform::CmdUI& ui);

protected:
    const platform::MessageMapBase* GetMessageMap() const override;

private:
    // As the form's printing read it when the view was made: screen, edit window and paper use the one value.
    const LZE848a_TwoLineFields m_twoLineFields;
};
