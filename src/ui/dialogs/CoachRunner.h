#pragma once

// Runs the coach on a thread of its own, so the review stays answering while every word is
// weighed, and hands the advice to the window's thread.

#include "core/rules/Coach.h"

#include <functional>
#include <thread>

class QObject;

namespace lexel {

class CoachRunner {
public:
    using Done = std::function<void(const std::vector<LineAdvice>&)>;

    // Starts at once; `done` runs on `receiver`'s thread, unless the runner is gone by then.
    CoachRunner(CoachGame game, QObject* receiver, Done done);
    // Asks the coach to stop and waits for it: it looks between guesses, so this is quick.
    ~CoachRunner();

    CoachRunner(const CoachRunner&) = delete;
    CoachRunner& operator=(const CoachRunner&) = delete;

private:
    std::jthread thread_;
};

} // namespace lexel
