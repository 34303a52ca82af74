#pragma once

#include "editor/ShownLineCaret.h"
#include "editor/StoredFieldText.h"
#include "platform/gdi/TextMeasures.h"

#include <QPlainTextEdit>
#include <functional>
#include <limits>
#include <optional>

class FieldTextLayout;
class QMimeData;
namespace platform {
class ScrollView;
}

// The one live edit window of a field editor: a borderless multi-line edit laid over the field being typed
// into. Its text stands where the drawn field shows it, in the lines the field prints in (FieldTextLayout);
// where a line is wider than the box in the window's font, the window widens to show it as the drawn field
// does. Input that would need lines below its bottom edge, or more than the box holds on paper, is refused
// and changes nothing. Keys, wheel turns, the context menu and every change the user makes go to its owner.
//
// The field's text is given back as it was stored, but for the characters the user changed (see
// StoredFieldText). The caret keys move by the lines the window shows.
class LiveEditWidget : public QPlainTextEdit {
    Q_OBJECT

public:
    // What the window hands to the field editor that owns it.
    class Owner {
    public:
        virtual void OnKeyDown(QKeyEvent* event) = 0;
        virtual void OnMouseWheel(QWheelEvent* event) = 0;
        virtual void OnContextMenu(QPoint globalPos) = 0;
        // The user changed the text.
        virtual void OnTextEdited() = 0;

    protected:
        ~Owner() = default;
    };

    LiveEditWidget(Owner& owner, QWidget* parent);

    // The program's own change of the text: the owner hears nothing of it.
    void SetFieldText(const QString& text);
    const QString& FieldText() const { return m_fieldText.Text(); }
    void SetAlignment(Qt::Alignment alignment);
    // Pixels between the window's left and right edges and its text.
    void SetTextInsets(double left, double right);
    // The field's box in the parent's pixels, which the window lies over, and the height the text has to fit
    // into: that of the box before its edges were rounded to whole pixels (0: the box's own).
    void SetBox(const QRect& box, double room);
    // How the text breaks into lines (see FieldTextLayout::SetBreaking), and how many of them the box holds
    // on paper.
    void SetBreaking(const std::optional<platform::LineBreaking>& breaking, qsizetype linesOnPaper);
    // The window's font, and the cell height in pixels it stands for (0 where unknown): a font is made at
    // whole pixels, a little larger or smaller than asked, and whether a text fits must not hang on that.
    void SetFieldFont(const QFont& font, double cellPixels);
    void SetColors(const QColor& text, const QColor& background);
    // Holds the window's fitting to its lines while a field is shown anew, box, breaking, text and font one
    // after the other, so that its text is laid out once, when the last of them ends.
    class FitOnce {
    public:
        explicit FitOnce(LiveEditWidget& window);
        ~FitOnce();
        FitOnce(const FitOnce&) = delete;
        FitOnce& operator=(const FitOnce&) = delete;

    private:
        LiveEditWidget& m_window;
    };

    // Scrolls `view`, which the window lies in, until the window is in sight.
    void ScrollIntoView(platform::ScrollView& view);

    // What the window does with a key or a wheel turn of its own accord.
    void DefaultKeyDown(QKeyEvent* event);
    void DefaultMouseWheel(QWheelEvent* event) { QPlainTextEdit::wheelEvent(event); }

protected:
    void keyPressEvent(QKeyEvent* event) override { m_owner.OnKeyDown(event); }
    void wheelEvent(QWheelEvent* event) override { m_owner.OnMouseWheel(event); }
    void contextMenuEvent(QContextMenuEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Draws the caret where the window would not: at the end of a line broken inside a word.
    void paintEvent(QPaintEvent* event) override;
    // Every paste comes here: the keys, the edit commands and the middle button's selection.
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Runs an edit of the user's, and takes it back when it made the text need more room than the window
    // has.
    void EditOrRefuse(const std::function<void()>& edit);
    void Refuse(const QTextCursor& caretBefore);
    static bool IsCaretKey(const QKeyEvent* event);
    // Whether a key only puts a character in before the caret.
    bool OnlyAddsACharacter(const QKeyEvent* event) const;
    qsizetype LineCount() const;
    // The height `lines` lines take at the size the window's font stands for, margins included.
    double HeightOf(qsizetype lines) const;
    // Tells the layout where the box lies in the window, its height and the insets.
    void UpdateTextArea();
    // The field's box: where the window stands, less what it was widened by. The view moves the window with
    // the form as it scrolls.
    QRect Box() const;
    // The box, widened by as much as the lines in sight reach past it.
    void FitToText();
    double Room() const;
    void HoldFirstLine();
    void OnTextChanged();
    // Brings the field's text up to the window's.
    void FollowEdit();

    Owner& m_owner;
    FieldTextLayout* m_layout;
    double m_leftInset = 0;
    double m_rightInset = 0;
    bool m_hasBox = false;
    // Pixels by which the window reaches past the box on its left and on its right.
    int m_widenedLeft = 0;
    int m_widenedRight = 0;
    double m_room = 0;
    qsizetype m_linesOnPaper = platform::kAllLines;
    double m_cellPixels = 0;
    bool m_programChange = false;
    bool m_inEdit = false;
    int m_fitsHeld = 0;
    StoredFieldText m_fieldText;
    ShownLineCaret m_caret{*this};
    // The first position of the window's text changed since the field's text was last brought up to it.
    qsizetype m_changedFrom = kUnchanged;
    // How many changes the window's text has seen.
    quint64 m_changes = 0;
    static constexpr qsizetype kUnchanged = std::numeric_limits<qsizetype>::max();
};
