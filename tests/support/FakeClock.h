#pragma once

#include "core/rules/GameTimer.h"

namespace lexel::test {

// A clock the test sets by hand: `now` is the time that passes, `wallStep` how far the
// system's time was set on (or back) besides.
class FakeClock final : public Clock {
public:
    std::int64_t Now() override { return now + wallStep; }
    std::int64_t Steady() override { return now; }
    std::int64_t now = 1000;
    std::int64_t wallStep = 0;
};

} // namespace lexel::test
