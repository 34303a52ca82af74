#include "platform/docview/View.h"

#include "platform/gdi/Dc.h"

#include <QPaintEvent>
#include <QPainter>

namespace platform {

View::View(QWidget* parent) : QAbstractScrollArea(parent) {}

void View::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    Dc dc(painter, event->region());
    OnDraw(dc);
}

}  // namespace platform
