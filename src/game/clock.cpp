#include "game/clock.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <ctime>
#include <string_view>

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
    // "%.0f %s, %02lld:%02lld:%02lld" by hand: the clock ticks every second of every
    // game, and a run's check plays millions of ticks.
    char text[400]; // the whole days of the largest double, and the rest
    char* at = std::to_chars(text, text + 320, days, std::chars_format::fixed, 0).ptr;
    for (const char c : std::string_view(days == 1 ? " day, " : " days, "))
        *at++ = c;
    for (const long long part : {secs / 3600, secs / 60 % 60, secs % 60}) {
        *at++ = static_cast<char>('0' + part / 10);
        *at++ = static_cast<char>('0' + part % 10);
        *at++ = ':';
    }
    return std::string(text, at - 1);
}

} // namespace quorvel
