#include "platform/dialog/BitmapButton.h"

#include <QPainter>

namespace platform {

BitmapButton::BitmapButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void BitmapButton::loadBitmaps(const QPixmap& normal, const QPixmap& pressed, const QPixmap& focused)
{
    m_normal = normal;
    m_pressed = pressed;
    m_focused = focused;
    resize(sizeHint());
    update();
}

QSize BitmapButton::sizeHint() const
{
    return m_normal.deviceIndependentSize().toSize();
}

void BitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, currentImage());
}

const QPixmap& BitmapButton::currentImage() const
{
    if (isDown() && !m_pressed.isNull()) return m_pressed;
    if (hasFocus() && !m_focused.isNull()) return m_focused;
    return m_normal;
}

}  // namespace platform
