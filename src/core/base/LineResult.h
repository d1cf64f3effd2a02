#pragma once

// What an evaluated guess line earns: black dots (right letter in the right place of the
// line's window) and white dots (a letter found elsewhere in the hidden word).

namespace lexel {

inline constexpr int MaxDots = 6;

struct LineResult {
    int black = 0;
    int white = 0;

    int Good() const { return black + white; }
    // What the line adds to the score: 1000 per black dot, 100 per white one.
    int Points() const { return 1000 * black + 100 * white; }
    bool operator==(const LineResult&) const = default;
};

} // namespace lexel
