#include "platform/gdi/Font.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// The em of most outline faces in design units: measured at this size, the face's metrics come through
// without rounding.
constexpr int ReferenceEmPixels = 2048;
// Far beyond any page; keeps a hand-edited height from overflowing the pixel size.
constexpr double LargestEmPixels = 100000.0;

double cellHeightPerEm(QFont face)
{
    face.setPixelSize(ReferenceEmPixels);
    const QFontMetricsF metrics(face);
    return (metrics.ascent() + metrics.descent()) / ReferenceEmPixels;
}

double applicationFontEmPixels(double dpiY)
{
    const QFont application = QGuiApplication::font();
    if (application.pixelSize() > 0) return application.pixelSize();
    return application.pointSizeF() * dpiY / 72.0;
}

double emPixels(const QFont& face, int height, double pixelsPerUnit, double dpiY)
{
    if (height > 0) return height * pixelsPerUnit / cellHeightPerEm(face);
    if (height < 0) return -height * pixelsPerUnit;
    return applicationFontEmPixels(dpiY);
}

}  // namespace

QFont toQFont(const Font& font, double pixelsPerUnit, double dpiY)
{
    QFont face(font.faceName);
    face.setStyleHint(QFont::SansSerif);
    face.setWeight(QFont::Weight(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    face.setKerning(false);
    face.setHintingPreference(QFont::PreferNoHinting);
    const double em = emPixels(face, font.height, pixelsPerUnit, dpiY);
    face.setPixelSize(int(std::floor(std::clamp(em, 1.0, LargestEmPixels))));
    return face;
}

}  // namespace platform
