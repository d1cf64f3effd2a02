#pragma once

#include "core/rules/GameTimer.h"

namespace lexel::test {

// A clock the test sets by hand.
class FakeClock final : public Clock {
public:
    std::int64_t Now() override { return now; }
    std::int64_t now = 1000;
};

} // namespace lexel::test
