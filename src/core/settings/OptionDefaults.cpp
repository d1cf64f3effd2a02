#include "OptionDefaults.h"

#include <array>

namespace lexel {
namespace {

constexpr std::array<OptionRow, 21> Defaults{{
    {"Language", ""},
    {"Class", "2"},
    {"Only", "N"},
    {"Cheating", "N"},
    {"Colors", "Y"},
    {"Timer", "Y"},
    {"GamesPlayed", "0"},
    {"GamesWon", "0"},
    {"HighScore1", EmptyHighScore},
    {"HighScore2", EmptyHighScore},
    {"HighScore3", EmptyHighScore},
    {"HighScore4", EmptyHighScore},
    {"HighScore5", EmptyHighScore},
    {"HighScore6", EmptyHighScore},
    {"HighScore7", EmptyHighScore},
    {"HighScore8", EmptyHighScore},
    {"HighScore9", EmptyHighScore},
    {"HighScore10", EmptyHighScore},
    // Rows added since the first files: an older file gets them when they are read.
    {"PossibleWords", "N"},
    {"Symbols", "N"},
    {"Zoom", "100"},
}};

} // namespace

std::span<const OptionRow> OptionDefaults() {
    return Defaults;
}

} // namespace lexel
