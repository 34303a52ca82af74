#include "platform/clock/Clock.h"

namespace platform {
namespace {

Clock::Source& source()
{
    static Clock::Source current;
    return current;
}

}  // namespace

QDateTime Clock::now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void Clock::setSource(Source newSource)
{
    source() = std::move(newSource);
}

}  // namespace platform
