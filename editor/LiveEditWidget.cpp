#include "editor/LiveEditWidget.h"

#include "editor/FieldTextLayout.h"
#include "editor/PastedText.h"
#include "platform/docview/ScrollView.h"

#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>
#include <cmath>

namespace {

// The exclusive edges of a window on the screen.
struct ScreenEdges {
    int left, top, right, bottom;
};

ScreenEdges ScreenEdgesOf(const QWidget& widget)
{
    const QPoint topLeft = widget.mapToGlobal(QPoint(0, 0));
    return {topLeft.x(), topLeft.y(), topLeft.x() + widget.width(), topLeft.y() + widget.height()};
}

}  // namespace

LiveEditWidget::LiveEditWidget(Owner& owner, QWidget* parent) : QPlainTextEdit(parent), m_owner(owner)
{
    // The first line stands at the window's top, as the drawn field's first line stands at the box's top.
    auto* text = new QTextDocument(this);
    m_layout = new FieldTextLayout(text);
    text->setDocumentLayout(m_layout);
    text->setDocumentMargin(0);
    setDocument(text);
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Never used for the lines shown: FieldTextLayout breaks them, and knows its own lines by their mode.
    setWordWrapMode(FieldTextLayout::kForeignWrapping);
    setAcceptDrops(false);
    connect(this, &QPlainTextEdit::textChanged, this, &LiveEditWidget::OnTextChanged);
    connect(text, &QTextDocument::contentsChange, this, [this](int from, int, int) {
        m_changedFrom = std::min(m_changedFrom, qsizetype(from));
        ++m_changes;
    });
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { m_caret.Forget(); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &LiveEditWidget::HoldFirstLine);
}

// The window makes a block of every line: a CR LF, a lone CR or LF and U+2029 each end one. A U+2028 would
// end a line inside its block, which the window's own lines cannot take: it ends a block as well.
void LiveEditWidget::SetFieldText(const QString& text)
{
    m_programChange = true;
    setPlainText(QString(text).replace(QChar::LineSeparator, QChar::ParagraphSeparator));
    m_programChange = false;
    m_fieldText.Reset(text, document()->toRawText());
    m_changedFrom = kUnchanged;
}

void LiveEditWidget::FollowEdit()
{
    m_fieldText.Follow(document()->toRawText(), m_changedFrom);
    m_changedFrom = kUnchanged;
}

void LiveEditWidget::SetAlignment(Qt::Alignment alignment)
{
    QTextOption option = document()->defaultTextOption();
    if (option.alignment() == alignment) return;
    option.setAlignment(alignment);
    m_programChange = true;
    document()->setDefaultTextOption(option);
    m_programChange = false;
    FitToText();
}

void LiveEditWidget::SetTextInsets(double left, double right)
{
    m_leftInset = left;
    m_rightInset = right;
    UpdateTextArea();
    FitToText();
}

void LiveEditWidget::SetBox(const QRect& box, double room)
{
    m_hasBox = true;
    m_widenedLeft = 0;
    m_widenedRight = 0;
    m_room = room;
    setGeometry(box);
    UpdateTextArea();
    FitToText();
}

void LiveEditWidget::SetBreaking(const std::optional<platform::LineBreaking>& breaking,
                                 qsizetype linesOnPaper)
{
    m_linesOnPaper = linesOnPaper;
    m_layout->SetBreaking(breaking);
    FitToText();
}

void LiveEditWidget::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    UpdateTextArea();
}

void LiveEditWidget::paintEvent(QPaintEvent* event)
{
    QPlainTextEdit::paintEvent(event);
    const std::optional<ShownLineCaret::LineEndCaret> caret = m_caret.AtLineEnd();
    if (!caret || !hasFocus()) return;
    QPainter painter(viewport());
    const QPointF block = blockBoundingGeometry(caret->block).translated(contentOffset()).topLeft();
    painter.fillRect(caret->rect.translated(block), palette().color(QPalette::Text));
}

void LiveEditWidget::SetColors(const QColor& text, const QColor& background)
{
    QPalette colors = palette();
    colors.setColor(QPalette::Text, text);
    colors.setColor(QPalette::Base, background);
    setPalette(colors);
}

// A caret key only moves the caret or the selection: it runs outside the edit step that a key which may
// change the text runs in, as the caret is placed by the lines laid out, which an open edit step hides.
void LiveEditWidget::DefaultKeyDown(QKeyEvent* event)
{
    if (m_caret.Move(event)) return;
    // Shift+Enter ends a line as Enter does: the window's lines are its blocks.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() & Qt::ShiftModifier) {
        QKeyEvent enter(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text());
        DefaultKeyDown(&enter);
        return;
    }
    // A caret key changes no text, and taking back an edit only ever gives back room: neither can be refused.
    if (IsCaretKey(event) || event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        QPlainTextEdit::keyPressEvent(event);
        return;
    }
    // A text laid out only in part cannot grow; typing a character into it and taking it back would lay the
    // whole of it out twice.
    if (OnlyAddsACharacter(event) && m_layout->LeavesTextOut()) return;
    EditOrRefuse([&] { QPlainTextEdit::keyPressEvent(event); });
}

bool LiveEditWidget::OnlyAddsACharacter(const QKeyEvent* event) const
{
    const QString typed = event->text();
    return !overwriteMode() && !textCursor().hasSelection() && !typed.isEmpty() &&
           std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint(); });
}

bool LiveEditWidget::IsCaretKey(const QKeyEvent* event)
{
    using Key = QKeySequence::StandardKey;
    static constexpr Key kCaretKeys[] = {
        Key::MoveToNextChar,        Key::MoveToPreviousChar,  Key::MoveToNextWord,
        Key::MoveToPreviousWord,    Key::MoveToNextLine,      Key::MoveToPreviousLine,
        Key::MoveToNextPage,        Key::MoveToPreviousPage,  Key::MoveToStartOfLine,
        Key::MoveToEndOfLine,       Key::MoveToStartOfBlock,  Key::MoveToEndOfBlock,
        Key::MoveToStartOfDocument, Key::MoveToEndOfDocument, Key::SelectNextChar,
        Key::SelectPreviousChar,    Key::SelectNextWord,      Key::SelectPreviousWord,
        Key::SelectNextLine,        Key::SelectPreviousLine,  Key::SelectNextPage,
        Key::SelectPreviousPage,    Key::SelectStartOfLine,   Key::SelectEndOfLine,
        Key::SelectStartOfBlock,    Key::SelectEndOfBlock,    Key::SelectStartOfDocument,
        Key::SelectEndOfDocument,   Key::SelectAll,           Key::Copy};
    return std::any_of(std::begin(kCaretKeys), std::end(kCaretKeys),
                       [event](Key key) { return event->matches(key); });
}

void LiveEditWidget::contextMenuEvent(QContextMenuEvent* event)
{
    m_owner.OnContextMenu(event->globalPos());
}

void LiveEditWidget::inputMethodEvent(QInputMethodEvent* event)
{
    EditOrRefuse([&] { QPlainTextEdit::inputMethodEvent(event); });
}

void LiveEditWidget::insertFromMimeData(const QMimeData* source)
{
    if (!source || !source->hasText()) return;
    const QString text = NormalizePastedText(source->text()).replace(QChar::LineSeparator, u'\n');
    EditOrRefuse([&] { insertPlainText(text); });
}

// The edit runs as one step of the undo history, so that taking it back restores the text exactly; the
// caret is put back by hand. A text that already needed more room than the window has, or more lines than
// the box holds on paper (a larger font, a loaded file), may still be edited as long as it does not grow.
void LiveEditWidget::EditOrRefuse(const std::function<void()>& edit)
{
    if (m_inEdit) {
        edit();
        return;
    }
    const qsizetype sizeBefore = document()->characterCount();
    const QTextCursor caretBefore = textCursor();
    const qsizetype linesBefore = LineCount();
    const double roomBefore = std::max(HeightOf(linesBefore), Room());
    const qsizetype paperLinesBefore = std::max(linesBefore, m_linesOnPaper);
    // Of a text laid out only as far as the window reaches, what lies beyond cannot be measured: it must
    // not grow.
    const bool partlyLaidOut = m_layout->LeavesTextOut();
    const qsizetype changedFrom = m_changedFrom;
    const quint64 changesBefore = m_changes;
    m_inEdit = true;
    QTextCursor step(document());
    step.beginEditBlock();
    edit();
    step.endEditBlock();
    m_inEdit = false;
    const bool changed = m_changes != changesBefore;
    const bool grew = document()->characterCount() > sizeBefore;
    const qsizetype lines = LineCount();
    if (changed && (HeightOf(lines) > roomBefore || lines > paperLinesBefore || (partlyLaidOut && grew))) {
        Refuse(caretBefore);
        m_changedFrom = changedFrom;
        return;
    }
    HoldFirstLine();
    FitToText();
    if (!changed) return;
    FollowEdit();
    m_owner.OnTextEdited();
}

// Takes the edit just made back, as if it had never been made.
void LiveEditWidget::Refuse(const QTextCursor& caretBefore)
{
    m_inEdit = true;
    undo();
    m_inEdit = false;
    document()->clearUndoRedoStacks(QTextDocument::RedoStack);
    QTextCursor caret = textCursor();
    caret.setPosition(caretBefore.anchor());
    caret.setPosition(caretBefore.position(), QTextCursor::KeepAnchor);
    setTextCursor(caret);
    HoldFirstLine();
}

qsizetype LiveEditWidget::LineCount() const
{
    qsizetype lines = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        blockBoundingRect(block);  // lays the block out
        lines += block.layout()->lineCount();
    }
    return lines;
}

double LiveEditWidget::HeightOf(qsizetype lines) const
{
    const QFontMetricsF metrics(font());
    const double madeCell = metrics.ascent() + metrics.descent();
    const double scale = m_cellPixels > 0 && madeCell > 0 ? m_cellPixels / madeCell : 1.0;
    return document()->documentMargin() + double(lines) * m_layout->LineAdvance() * scale;
}

void LiveEditWidget::UpdateTextArea()
{
    m_layout->SetTextArea(m_widenedLeft, Box().width(), Room(), m_leftInset, m_rightInset);
}

QRect LiveEditWidget::Box() const
{
    return geometry().adjusted(m_widenedLeft, 0, -m_widenedRight, 0);
}

LiveEditWidget::FitOnce::FitOnce(LiveEditWidget& window) : m_window(window)
{
    ++m_window.m_fitsHeld;
}

LiveEditWidget::FitOnce::~FitOnce()
{
    if (--m_window.m_fitsHeld == 0) m_window.FitToText();
}

void LiveEditWidget::FitToText()
{
    if (!m_hasBox || m_fitsHeld > 0) return;
    const FieldTextLayout::Overflow overflow = m_layout->LinesOverflow();
    const int left = int(std::ceil(overflow.left));
    const int right = int(std::ceil(overflow.right));
    if (left == m_widenedLeft && right == m_widenedRight) return;
    const QRect wanted = Box().adjusted(-left, 0, right, 0);
    m_widenedLeft = left;
    m_widenedRight = right;
    setGeometry(wanted);
    UpdateTextArea();
}

void LiveEditWidget::SetFieldFont(const QFont& font, double cellPixels)
{
    m_cellPixels = cellPixels;
    setFont(font);
    FitToText();
}

double LiveEditWidget::Room() const
{
    return m_room > 0 ? m_room : double(viewport()->height());
}

// A text that fits is shown from its first line, as it is drawn, even where its last line reaches a little
// below the window's whole pixels and the edit control would scroll it into sight.
void LiveEditWidget::HoldFirstLine()
{
    QScrollBar* bar = verticalScrollBar();
    if (bar->value() != 0 && HeightOf(LineCount()) <= Room()) bar->setValue(0);
}

void LiveEditWidget::OnTextChanged()
{
    if (m_inEdit) return;
    FitToText();
    if (m_programChange) return;
    FollowEdit();
    m_owner.OnTextEdited();
}

// Each pass ends when the window is in sight, or when a step no longer moves the view: at the end of the
// scroll range the condition can stay true for good.
void LiveEditWidget::ScrollIntoView(platform::ScrollView& view)
{
    const auto edit = [&] { return ScreenEdgesOf(*this); };
    // The part of the view that shows the form, without its scroll bars.
    const auto visible = [&] { return ScreenEdgesOf(*view.viewport()); };
    // Whether the view moved.
    const auto scrollTo = [&](QPoint position) {
        const QPoint before = view.GetDeviceScrollPosition();
        view.ScrollToPosition(position);
        return view.GetDeviceScrollPosition() != before;
    };
    const auto at = [&](int dx, int dy) { return view.GetScrollPosition() + QPoint(dx, dy); };
    constexpr int kStep = 150;
    while (edit().bottom > visible().bottom && edit().top - 50 > visible().top) {
        if (!scrollTo(at(0, -kStep))) break;
    }
    // Far above: a step up; just above: the top of the form. Measured from the view, wherever the view's
    // window stands on the desktop.
    while (edit().top < visible().top) {
        const bool farAbove = edit().top - visible().top <= -200;
        if (!scrollTo(farAbove ? at(0, kStep) : QPoint(at(0, 0).x(), 0))) break;
    }
    while (edit().right > visible().right - 20) {
        if (!scrollTo(at(kStep, 0))) break;
    }
    while (edit().left < visible().left) {
        if (!scrollTo(at(-kStep, 0))) break;
    }
}
