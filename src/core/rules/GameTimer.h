#pragma once

// The time spent on a game, always recomputed from a whole-second clock, so late or missed
// ticks lose nothing. Stops by itself at 24 hours.
// It runs on the steady clock; a process stopped by a signal (Ctrl+Z) still sees its time run
// on, as the player may go on thinking over the board meanwhile.

#include "core/base/Clock.h"

#include <cstdint>
#include <string>

namespace lexel {

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
