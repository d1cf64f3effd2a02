#pragma once

// What the board shows of a game: the letters of the 36 guess cells and of the six solution
// cells, and the result of every evaluated line. The rules of the game decide when its lines
// open, close and are evaluated; the board keeps what each cell may take.

#include "core/base/LineResult.h"
#include "core/rules/BoardGeometry.h"

#include <array>
#include <optional>
#include <string>

namespace lexel {

enum class CellState {
    Waiting,   // a line not reached yet: "." and no input
    Open,      // the line being edited: a letter, or "_" (or a pasted " ") for an open place
    Closed,    // the line being edited when the game was solved ahead of time
    Evaluated, // shows its letter on the board, coloured by the letter marking
    Hinted,    // a field of line 9 that a hint filled
};

struct GuessCell {
    char content = '.';
    CellState state = CellState::Waiting;
};

struct SolutionCell {
    char content = '?'; // a letter, "?" for an unknown place (or a pasted " ")
    bool fixed = false; // revealed by a hint, fixed by Save Analysis or shown at the end
};

class Board {
public:
    Board() { Reset(); }

    // A new game: every cell waits, every solution cell shows "?", no line is evaluated.
    void Reset();

    const GuessCell& Guess(int cell) const { return guess_.at(static_cast<std::size_t>(cell)); }
    const SolutionCell& Solution(int position) const {
        return solution_.at(static_cast<std::size_t>(position));
    }
    const std::optional<LineResult>& Result(int line) const {
        return results_.at(static_cast<std::size_t>(line));
    }

    // The contents of a line's cells, or of the solution line, as they stand.
    std::string LineText(int line) const;
    std::string SolutionText() const;
    // Every cell of the line (or of the solution line) holds a letter A-Z.
    bool LineComplete(int line) const;
    bool SolutionComplete() const;
    // A cell that takes typing: open, or a solution cell not fixed.
    bool TakesInput(int cell) const { return Guess(cell).state == CellState::Open; }
    bool SolutionTakesInput(int position) const { return !Solution(position).fixed; }

    // Changes one cell's content; false when it held that already.
    bool SetGuess(int cell, char content);
    bool SetSolution(int position, char content);

    void OpenLine(int line);
    void CloseLine(int line);
    void Evaluate(int line, LineResult result);
    // A hint: the letter of `position` is revealed and fills its field of line 9.
    void Hint(int position, char letter);
    void FixSolution(int position) {
        solution_.at(static_cast<std::size_t>(position)).fixed = true;
    }
    // The end of a game: the hidden word (in capitals) in the solution line.
    void Reveal(const std::string& word);

private:
    std::array<GuessCell, FieldCount> guess_;
    std::array<SolutionCell, HiddenWordLength> solution_;
    std::array<std::optional<LineResult>, LineCount> results_;
};

// Exactly one capital A-Z.
inline bool IsLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace lexel
