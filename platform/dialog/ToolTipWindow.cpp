#include "platform/dialog/ToolTipWindow.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QToolTip>

namespace platform {
namespace {

constexpr int kCornerRadius = 4;
// Below the mouse pointer, so that the tip does not hide what the pointer points at.
constexpr QPoint kBelowPointer{0, 20};
constexpr int kShowMilliseconds = 10000;

QPoint keptOnScreen(QPoint topLeft, const QSize& size)
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft);
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return topLeft;
    const QRect room = screen->availableGeometry();
    topLeft.setX(std::clamp(topLeft.x(), room.left(), std::max(room.left(), room.right() - size.width())));
    topLeft.setY(std::clamp(topLeft.y(), room.top(), std::max(room.top(), room.bottom() - size.height())));
    return topLeft;
}

}  // namespace

ToolTipWindow::ToolTipWindow(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFont(QToolTip::font());
    m_hideTimer.setSingleShot(true);
    connect(&m_hideTimer, &QTimer::timeout, this, &QWidget::hide);
}

void ToolTipWindow::showTip(const QString& title, const QString& description, const ToolTipParams& params,
                            const QPoint& globalPos)
{
    m_title = title;
    m_description = description;
    m_params = params;
    m_layout = ToolTipLayout::of(title, description, params, font());
    resize(m_layout.size);
    move(keptOnScreen(globalPos + kBelowPointer, m_layout.size));
    show();
    update();
    m_hideTimer.start(kShowMilliseconds);
}

void ToolTipWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, toQColor(m_params.fillGradientColor));
    background.setColorAt(1, toQColor(m_params.fillColor));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius, kCornerRadius);
    painter.fillPath(outline, background);
    painter.setPen(toQColor(m_params.borderColor));
    painter.drawPath(outline);

    painter.setPen(toQColor(m_params.textColor));
    painter.setFont(m_layout.titleFont);
    painter.drawText(m_layout.title, Qt::AlignLeft | Qt::AlignTop, m_title);
    if (m_layout.separator) {
        painter.setPen(toQColor(m_params.borderColor));
        painter.drawLine(m_layout.title.left(), m_layout.separatorY, width() - m_layout.title.left(),
                         m_layout.separatorY);
        painter.setPen(toQColor(m_params.textColor));
    }
    if (!m_description.isEmpty()) {
        painter.setFont(font());
        painter.drawText(m_layout.description, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                         m_description);
    }
}

}  // namespace platform
