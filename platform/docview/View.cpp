#include "platform/docview/View.h"

#include "platform/gdi/Dc.h"

#include <QPainter>

namespace platform {

View::View(QWidget* parent) : QAbstractScrollArea(parent) {}

void View::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    Dc dc(painter);
    OnDraw(dc);
}

}  // namespace platform
