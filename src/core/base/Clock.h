#pragma once

// The game's clocks. A game is timed by the clock that only moves forward: setting the system's
// time (by hand or by a time service) changes no game's time. That clock stands still while the
// machine sleeps, so a suspended machine adds nothing either.

#include <cstdint>
#include <string>

namespace lexel {

class Clock {
public:
    virtual ~Clock() = default;
    // The wall clock: whole seconds since 1970, for dates.
    virtual std::int64_t Now() = 0;
    // Whole seconds since some fixed point, never set back or on: for durations.
    virtual std::int64_t Steady() = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t Now() override;
    std::int64_t Steady() override;
};

// A wall-clock time as local time, as the history stores it: "2024-06-11T14:03:05".
std::string LocalTimeOf(std::int64_t secondsSinceEpoch);

} // namespace lexel
