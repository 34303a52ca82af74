#include "app/AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

void AfterFirstPaint::Run(QWidget& window, std::function<void()> work)
{
    new AfterFirstPaint(window, std::move(work));
}

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : QObject(&window), m_work(std::move(work))
{
    window.installEventFilter(this);
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // The window's children paint after it in the same pass; the work waits until the pass is done.
        QTimer::singleShot(0, parent(), std::move(m_work));
        deleteLater();
    }
    return false;
}
