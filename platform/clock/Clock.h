#pragma once

#include <QDateTime>
#include <functional>

namespace platform {

// The local date and time. Tests set their own clock so that dated texts come out the same every day.
class Clock {
public:
    using Source = std::function<QDateTime()>;

    static QDateTime now();
    // An empty source goes back to the system clock.
    static void setSource(Source source);
};

}  // namespace platform
