#include "platform/dialog/UpDown.h"

#include "platform/dialog/DataExchange.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace platform {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(arrowButton(Qt::UpArrow, this)), m_down(arrowButton(Qt::DownArrow, this))
{
    setFocusPolicy(Qt::NoFocus);
    connect(m_up, &QToolButton::clicked, this, [this] { step(1); });
    connect(m_down, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setBuddy(QLineEdit* buddy)
{
    if (m_buddy) m_buddy->removeEventFilter(this);
    m_buddy = buddy;
    if (m_buddy) m_buddy->installEventFilter(this);
}

void UpDown::setRange(int lower, int upper)
{
    m_lower = lower;
    m_upper = upper;
}

void UpDown::setPos(int position)
{
    if (m_buddy) m_buddy->setText(QString::number(std::clamp(position, m_lower, m_upper)));
}

int UpDown::stepped(const QString& text, int lower, int upper, int steps)
{
    const int number = DataExchange::parseInt(text).value_or(0);
    if (number < lower) return lower;
    if (number > upper) return upper;
    return int(std::clamp(qint64(number) + steps, qint64(lower), qint64(upper)));
}

void UpDown::step(int steps)
{
    if (!m_buddy) return;
    m_buddy->setText(QString::number(stepped(m_buddy->text(), m_lower, m_upper, steps)));
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: a buddy being destroyed still sends events, and is no longer an edit field then.
    if (event->type() == QEvent::KeyPress && watched == m_buddy) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    const int half = height() / 2;
    m_up->setGeometry(0, 0, width(), half);
    m_down->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

}  // namespace platform
