#pragma once

// Which words are still possible: a word fits what the board has shown when it would have
// given every evaluated line the dots it got, has every known letter at its place and is none
// of the solutions refused as wrong.

#include "BoardGeometry.h"
#include "core/base/LineResult.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexel {

struct ShownLine {
    int line = 0;      // 0..8
    std::string guess; // lower case, the line's length
    LineResult result;
    bool operator==(const ShownLine&) const = default;
};

// A solution the player proposed and was told is wrong.
struct RefusedWord {
    int line = 0;     // the line being edited then, 0..8
    std::string word; // lower case
    bool operator==(const RefusedWord&) const = default;
};

struct Evidence {
    std::vector<ShownLine> lines;
    std::array<char, HiddenWordLength> known{}; // a lower-case letter, or 0 where none is known
    std::vector<RefusedWord> refused;
    bool operator==(const Evidence&) const = default;
};

bool FitsEvidence(std::string_view word, const Evidence& evidence);
int CountPossible(std::span<const std::string> words, const Evidence& evidence);

// How one evaluated line narrowed the words down, counted from the lines and the refused
// solutions alone.
struct LineCut {
    ShownLine shown;
    int before = 0;
    int after = 0;
};

// One cut per line of `lines`, in their order, each counted with the lines before it and the
// solutions refused before it was evaluated.
std::vector<LineCut> CutsByLine(std::span<const std::string> words,
                                const std::vector<ShownLine>& lines,
                                const std::vector<RefusedWord>& refused = {});

// The line that cut the most: the one that left the smallest share of the words it found (the
// earlier line on a tie); none for no lines.
const LineCut* DeepestCut(const std::vector<LineCut>& cuts);

// The share of the words found before the cut that it left, in whole percent rounded to the
// nearest, but 99 at most once a word is gone; 0 for a share under half a percent.
int PercentLeft(const LineCut& cut);

} // namespace lexel
