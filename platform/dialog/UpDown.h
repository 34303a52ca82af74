#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace platform {

// An up-down control bound to the edit field before it: its arrows, the mouse on them or the arrow keys in
// the edit field, step the whole number in the edit field by one within the range. The edit field stays
// free to hold anything; the control only reads its number when an arrow is pressed.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return m_buddy; }

    // The up arrow counts towards `upper`.
    void setRange(int lower, int upper);
    int lower() const { return m_lower; }
    int upper() const { return m_upper; }
    // Puts the position, held to the range, into the edit field as a whole number.
    void setPos(int position);

    // What one press of an arrow makes of the edit field's text: a number within the range moves one step
    // and stops at the ends; a number outside the range, or no number (taken as 0), first goes to the
    // range's nearest end.
    static int stepped(const QString& text, int lower, int upper, int steps);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int steps);

    QPointer<QLineEdit> m_buddy;
    QToolButton* m_up;
    QToolButton* m_down;
    int m_lower = 0;
    int m_upper = 100;
};

}  // namespace platform
