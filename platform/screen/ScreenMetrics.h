#pragma once

#include <functional>

namespace platform {

// The size and density of the screen the forms are shown on, as a Windows program that is aware of the
// screen's scaling sees them: the primary screen's height and width in device pixels and its dots per inch.
// Tests set their own screen, so that a result never depends on the machine the tests run on.
struct ScreenMetrics {
    static constexpr int kDefaultDotsPerInch = 96;

    int heightPixels = 0;
    int dotsPerInch = kDefaultDotsPerInch;
    int widthPixels = 0;

    using Source = std::function<ScreenMetrics()>;

    static ScreenMetrics current();
    // An empty source goes back to the real screen.
    static void setSource(Source source);
};

}  // namespace platform
