#pragma once
// Time as the game counts it: date-time values are days since 1899-12-30, the
// fraction being the time of day. "Now" comes from a clock object so tests can play
// a hundred days in a millisecond.

#include <string>

namespace quorvel {

class Clock {
  public:
    virtual ~Clock() = default;
    /// The current local date-time in days.
    virtual double now() const = 0;
};

/// The wall clock of this machine.
class SystemClock final : public Clock {
  public:
    double now() const override;
};

/// A clock that stands still until moved.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(double now = 46000.0) : m_now(now) {}
    double now() const override { return m_now; }
    void set(double now) { m_now = now; }
    void advance(double days) { m_now += days; }

  private:
    double m_now;
};

constexpr double secondsPerDay = 86400.0;
/// The game clock ticks once a second: a second in days.
constexpr double clockTickDays = 1.0 / secondsPerDay;
/// The playing time at which the clock stops.
constexpr double clockCapDays = 100.0;
/// What the clock shows once capped: 99 days, 23:59:59.
constexpr double clockCapShown = 99.999999;

/// "0 days, 00:12:05": whole days, "day" or "days", and the time of day.
std::string clockText(double elapsed);

} // namespace quorvel
