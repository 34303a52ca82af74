#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QToolBar>

class QMouseEvent;

namespace platform {

class Toolbars;

// Moves the buttons of the toolbars with the Alt key held down: a button dragged to another place on its
// toolbar or onto another toolbar goes there, one dropped beside every toolbar is taken off its toolbar. The
// buttons change through `Toolbars` as in the toolbar editor, so the workspace keeps what was moved. A press
// with Alt never runs the button's command.
class ToolbarButtonDrag : public QObject {
    Q_OBJECT

public:
    explicit ToolbarButtonDrag(Toolbars& toolbars);
    ~ToolbarButtonDrag() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watchButtons();
    bool press(QObject& button, const QMouseEvent& event);
    void follow(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    void drop(QPoint globalPos);
    QToolBar* toolbarAt(QPoint globalPos) const;
    static int insertionIndex(const QToolBar& toolbar, QPoint globalPos);

    Toolbars& m_toolbars;
    // The button pressed with Alt: its toolbar, its place there and its command (0 while none is).
    QPointer<QToolBar> m_source;
    int m_sourceIndex = 0;
    int m_command = 0;
    QPoint m_pressedAt;
    bool m_dragging = false;
};

}  // namespace platform
