#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Runs work once a window has painted for the first time, when that paint is done: what the person starting
// the program need not wait for comes after the window is on the screen.
class AfterFirstPaint : public QObject {
    Q_OBJECT

public:
    // The work runs at most once, and not at all when the window goes first.
    static void Run(QWidget& window, std::function<void()> work);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AfterFirstPaint(QWidget& window, std::function<void()> work);

    std::function<void()> m_work;
};
