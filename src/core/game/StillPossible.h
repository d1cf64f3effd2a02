#pragma once

// The words the draw could have hidden in a game, and which of them still fit its board.

#include "Board.h"
#include "core/rules/Level.h"
#include "core/rules/PossibleWords.h"

#include <optional>
#include <string>
#include <vector>

namespace lexel {

class WordStore;

// What the board has shown: its evaluated lines and the solution letters fixed by a hint, by
// Save Analysis or at the end.
Evidence EvidenceOf(const Board& board);

class StillPossible {
public:
    explicit StillPossible(WordStore& words) : store_(words) {}

    // A new game of `level`, with easier levels unless `only`. The draw takes its word from
    // these same words, so the hidden word always fits.
    void NewGame(Level level, bool only);

    // How many words fit the board; none when the word list cannot be read.
    std::optional<int> Count(const Board& board);
    // How each evaluated line narrowed the words down; empty when the list cannot be read.
    std::vector<LineCut> Cuts(const Board& board);

private:
    // Read the first time it is needed: a game nobody asks about costs no query.
    const std::vector<std::string>* Words();

    WordStore& store_;
    Level level_ = DefaultLevel;
    bool only_ = false;
    std::optional<std::vector<std::string>> words_;
    std::optional<std::pair<Evidence, int>> lastCount_;
};

} // namespace lexel
