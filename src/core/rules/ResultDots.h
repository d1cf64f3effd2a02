#pragma once

#include <string_view>

namespace lexel {

inline constexpr int MaxDots = 6;

// Which dot pictures a line shows: black(n) and white(n), n in 0..6.
struct ResultDots {
    int black = 0;
    int white = 0;

    bool operator==(const ResultDots&) const = default;
};

// Picks the pictures from a line's result code: a 4-digit code gives its first two digits, a
// 3-digit code only whites from its first digit, anything else no dots.
ResultDots DotsForResult(std::string_view resultCode);

} // namespace lexel
