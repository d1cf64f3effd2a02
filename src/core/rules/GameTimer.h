#pragma once

// The time spent on a game, always recomputed from a whole-second clock, so late or missed
// ticks lose nothing. Stops by itself at 24 hours.
//
// A game is timed by the clock that only moves forward: setting the system's time (by hand or
// by a time service) changes no game's time. That clock stands still while the machine sleeps,
// so a suspended machine adds nothing either; a process stopped by a signal (Ctrl+Z) still sees
// its time run on, as the player may go on thinking over the board meanwhile.

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

// "hh:mm:ss", each part at least two digits.
std::string FormatElapsed(std::int32_t seconds);

class GameTimer {
public:
    explicit GameTimer(Clock& clock) : clock_(clock) {}

    void TimerStart();
    void TimerStop() { running_ = false; }
    // A new game: stopped at 0.
    void Reset() {
        running_ = false;
        elapsed_ = 0;
    }
    // One tick: recomputes the elapsed seconds; stops at 24 hours.
    void TimerUpdate();
    // The elapsed seconds as of the last tick (0 before the first tick after TimerStart).
    std::int32_t TimerGet() const { return elapsed_; }

    bool IsRunning() const { return running_; }
    std::string Display() const { return FormatElapsed(elapsed_); }

private:
    Clock& clock_;
    std::int64_t startTime_ = 0;
    std::int32_t elapsed_ = 0;
    bool running_ = false;
};

} // namespace lexel
