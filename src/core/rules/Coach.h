#pragma once

// The coach of an ended game: for each evaluated line the guess that would have left the fewest
// words on average, given what was known before the line, against the player's own guess.
// Plain data in and out, so it may run away from the window's thread.

#include "PossibleWords.h"

#include <array>
#include <cstdint>
#include <stop_token>
#include <string>
#include <vector>

namespace lexel {

using KnownLetters = std::array<char, HiddenWordLength>; // a lower-case letter or 0

struct CoachGame {
    std::vector<std::string> words; // the words the draw could have hidden, lower case
    // The words a line of length 3 + i may hold, lower case, in the order ties are broken;
    // excepted words are never among them.
    std::array<std::vector<std::string>, 4> guesses;
    std::vector<ShownLine> lines;
    std::vector<KnownLetters> knownBefore; // per line: the solution letters fixed before it
    std::vector<RefusedWord> refused;
};

struct LineAdvice {
    ShownLine shown;
    int before = 0; // the words possible before the line
    int left = 0;   // the words the player's guess left
    std::string best;
    double bestAverage = 0;   // the words the best guess leaves on average
    double playerAverage = 0; // the words the player's guess leaves on average
};

// One advice per line with words possible before it and a word of its length to offer. Stops
// early, with what it has, once `stop` is requested.
std::vector<LineAdvice> CoachLines(const CoachGame& game, std::stop_token stop = {});

// A guess within this share above the best's average counts as good as the best.
inline constexpr double AsGoodMargin = 0.05;
bool AsGoodAsBest(const LineAdvice& advice);

struct CoachSummary {
    int lines = 0;
    int asGood = 0;
    int left = 0;          // the words the player's guesses left, over all lines
    double expected = 0.0; // what they would leave on average, over all lines
};
CoachSummary Summarise(const std::vector<LineAdvice>& advice);

// How the words left compare with the average: luck within this share is no luck either way.
inline constexpr double LuckMargin = 0.2;
enum class Luck { Lucky, Even, Unlucky };
Luck LuckOf(const CoachSummary& summary);

} // namespace lexel
