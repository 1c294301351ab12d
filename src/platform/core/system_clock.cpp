#include "platform/clock.h"

#include <algorithm>
#include <ctime>

namespace tkm {

namespace {

std::tm LocalNow() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

}  // namespace

TDate SystemClock::Today() const {
    const std::tm tm = LocalNow();
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

TTimeOfDay SystemClock::Now() const {
    const std::tm tm = LocalNow();
    return {tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59)};
}

}  // namespace tkm
