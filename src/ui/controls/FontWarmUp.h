#pragma once

// Reading the system's font configuration is the slowest part of the first text measurement.
// Started before the application object, it runs on a second core while the display
// connection is made, and the first window finds it done.

#include <thread>

namespace lexel {

class FontWarmUp {
public:
    FontWarmUp();

private:
    std::jthread thread_;
};

} // namespace lexel
