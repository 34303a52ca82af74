#include "platform/docview/TabCloseButton.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyleOption>

namespace platform {

TabCloseButton::TabCloseButton(QWidget* parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    // Qt's own text, so that the German translation of Qt names it.
    setToolTip(QCoreApplication::translate("CloseButton", "Close Tab"));
    // The style draws the button raised under the mouse.
    setAttribute(Qt::WA_Hover);
    resize(sizeHint());
}

QSize TabCloseButton::sizeHint() const
{
    ensurePolished();
    return {style()->pixelMetric(QStyle::PM_TabCloseIndicatorWidth, nullptr, this),
            style()->pixelMetric(QStyle::PM_TabCloseIndicatorHeight, nullptr, this)};
}

void TabCloseButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    // The button sits on the active tab only.
    option.state |= QStyle::State_Selected;
    if (isEnabled() && underMouse() && !isDown()) option.state |= QStyle::State_Raised;
    if (isDown()) option.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_IndicatorTabClose, &option, &painter, this);
}

}  // namespace platform
