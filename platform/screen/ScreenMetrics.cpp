#include "platform/screen/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace platform {
namespace {

ScreenMetrics::Source& source()
{
    static ScreenMetrics::Source current;
    return current;
}

// Qt counts in pixels that the desktop's scaling has already enlarged; Windows counts device pixels, and
// its density grows with the scaling instead.
ScreenMetrics primaryScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const double ratio = screen->devicePixelRatio();
    return {int(std::lround(screen->geometry().height() * ratio)),
            int(std::lround(screen->logicalDotsPerInchX() * ratio)),
            int(std::lround(screen->geometry().width() * ratio))};
}

}  // namespace

ScreenMetrics ScreenMetrics::current()
{
    return source() ? source()() : primaryScreen();
}

void ScreenMetrics::setSource(Source newSource)
{
    source() = std::move(newSource);
}

}  // namespace platform
