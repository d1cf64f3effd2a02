#include "GameTimer.h"

#include <algorithm>
#include <cstdio>

namespace lexel {
namespace {

constexpr std::int32_t SecondsPerHour = 3600;
constexpr std::int32_t StopAfterHours = 24;

std::string TwoDigits(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(value));
    return text;
}

} // namespace

std::string FormatElapsed(std::int32_t seconds) {
    const auto rest = seconds % SecondsPerHour;
    return TwoDigits(seconds / SecondsPerHour) + ":" + TwoDigits(rest / 60) + ":" +
           TwoDigits(rest % 60);
}

void GameTimer::TimerStart() {
    startTime_ = clock_.Steady();
    elapsed_ = 0;
    running_ = true;
}

void GameTimer::TimerUpdate() {
    if (!running_) {
        return;
    }
    // A clock set back shows 0, never a negative time.
    const auto seconds =
        std::clamp<std::int64_t>(clock_.Steady() - startTime_, 0, StopAfterHours * SecondsPerHour);
    elapsed_ = static_cast<std::int32_t>(seconds);
    if (elapsed_ / SecondsPerHour == StopAfterHours) {
        running_ = false;
    }
}

} // namespace lexel
