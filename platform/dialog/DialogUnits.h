#pragma once

#include <QFont>
#include <QRect>

namespace platform {

// Dialog units of a dialog font, as Windows defines them: a horizontal unit is a quarter of the font's
// average character width, a vertical unit an eighth of its height. `widening` stretches the horizontal unit
// where the Linux fonts need more room than the Windows ones the templates were drawn for.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    // The font a template asks for: the Windows dialog faces become Liberation Sans, which has Arial's
    // metrics.
    static QFont dialogFont(const QString& face, int points);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    QRect toPixels(const QRect& units, double widening = 1.0) const;
    QSize toPixels(const QSize& units, double widening = 1.0) const;

private:
    int x(int units, double widening) const;
    int y(int units) const;

    int m_baseX;
    int m_baseY;
};

}  // namespace platform
