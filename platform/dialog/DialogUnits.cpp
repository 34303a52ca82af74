#include "platform/dialog/DialogUnits.h"

#include <QFontMetrics>
#include <cmath>

namespace platform {
namespace {

const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

bool isWindowsDialogFace(const QString& face)
{
    return face.isEmpty() || face == u"MS Shell Dlg" || face == u"MS Shell Dlg 2" ||
           face == u"MS Sans Serif" || face == u"Microsoft Sans Serif";
}

}  // namespace

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width of the alphabet, rounded to a whole pixel the way Windows does.
    m_baseX = (metrics.horizontalAdvance(kAlphabet) / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QFont DialogUnits::dialogFont(const QString& face, int points)
{
    QFont font(isWindowsDialogFace(face) ? QStringLiteral("Liberation Sans") : face, points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QRect DialogUnits::toPixels(const QRect& units, double widening) const
{
    const int left = x(units.x(), widening);
    const int top = y(units.y());
    return QRect(left, top, x(units.x() + units.width(), widening) - left,
                 y(units.y() + units.height()) - top);
}

QSize DialogUnits::toPixels(const QSize& units, double widening) const
{
    return QSize(x(units.width(), widening), y(units.height()));
}

int DialogUnits::x(int units, double widening) const
{
    return static_cast<int>(std::lround(units * m_baseX * widening / 4.0));
}

int DialogUnits::y(int units) const
{
    return static_cast<int>(std::lround(units * m_baseY / 8.0));
}

}  // namespace platform
