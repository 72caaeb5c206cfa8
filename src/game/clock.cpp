#include "game/clock.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace quorvel {

double SystemClock::now() const {
    using namespace std::chrono;
    const auto since = system_clock::now().time_since_epoch();
    const std::time_t t = duration_cast<seconds>(since).count();
    std::tm local{};
    localtime_r(&t, &local);
    const double utcDays = duration<double>(since).count() / secondsPerDay;
    // 25569 days lie between 1899-12-30 and 1970-01-01.
    return 25569.0 + utcDays + static_cast<double>(local.tm_gmtoff) / secondsPerDay;
}

std::string clockText(double elapsed) {
    if (!(elapsed >= 0)) elapsed = 0; // also catches NaN
    const double days = std::floor(elapsed);
    long long ms = std::llround((elapsed - days) * secondsPerDay * 1000.0);
    if (ms >= 86'400'000) ms = 86'399'999;
    const long long secs = ms / 1000;
    char text[64];
    std::snprintf(text, sizeof text, "%.0f %s, %02lld:%02lld:%02lld", days,
                  days == 1 ? "day" : "days", secs / 3600, secs / 60 % 60, secs % 60);
    return text;
}

} // namespace quorvel
