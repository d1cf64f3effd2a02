#pragma once

// The words the draw could have hidden in a game, which of them still fit its board and the
// solutions refused in it, and how the lines of the last game that ended narrowed them down.

#include "Board.h"
#include "core/base/Level.h"
#include "core/rules/Coach.h"
#include "core/rules/PossibleWords.h"

#include <optional>
#include <string>
#include <vector>

namespace lexel {

class WordSource;

// What the board has shown: its evaluated lines and the solution letters fixed by a hint, by
// Save Analysis or at the end.
Evidence EvidenceOf(const Board& board);

class StillPossible {
public:
    explicit StillPossible(WordSource& words) : store_(words) {}

    // A new game of `level`, with easier levels unless `only`. The draw takes its word from
    // these same words, so the hidden word always fits.
    void NewGame(Level level, bool only);

    // `word` (lower case) was proposed as the solution while `line` was edited, and refused.
    void Refuse(int line, const std::string& word);
    // The line being edited is about to be evaluated on `board`: the letters fixed by then are
    // what the coach may assume before it.
    void LineEvaluating(const Board& board);
    // How many words fit the board and the refused solutions; none when the word list cannot
    // be read.
    std::optional<int> Count(const Board& board);

    // The game ended with `board`: it is kept for the review, whatever game comes next.
    void GameEnded(const Board& board);
    // The hidden word of the game that just ended, lower case.
    void EndedWordWas(const std::string& word);
    bool HasEndedGame() const { return ended_.has_value(); }
    // How each evaluated line of the last game that ended narrowed the words down; empty when
    // the list cannot be read.
    std::vector<LineCut> EndedCuts();
    // The last game that ended for the coach, without the words a line may hold; none when
    // the list cannot be read.
    std::optional<CoachGame> EndedCoachGame();

private:
    // The words of `level`; read the first time they are needed, so a game nobody asks about
    // costs no query.
    const std::vector<std::string>* Words(Level level, bool only);

    struct Game {
        Level level = DefaultLevel;
        bool only = false;
        std::vector<ShownLine> lines;
        std::vector<RefusedWord> refused;
        std::vector<KnownLetters> knownBefore; // per evaluated line
        std::string word;                      // told at the end
    };

    WordSource& store_;
    Game game_;
    std::optional<Game> ended_;
    std::optional<std::pair<Level, bool>> wordsOf_;
    std::vector<std::string> words_;
    std::optional<std::pair<Evidence, int>> lastCount_;
};

} // namespace lexel
