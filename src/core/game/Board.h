#pragma once

// What the board shows of a game: the letters of the 36 guess cells and of the six solution
// cells, and the result of every evaluated line. The rules of the game decide when its lines
// open, close and are evaluated; the board keeps what each cell may take.

#include "core/base/FieldContent.h"
#include "core/base/LineResult.h"
#include "core/base/Word.h"
#include "core/rules/BoardGeometry.h"

#include <array>
#include <optional>
#include <string>

namespace lexel {

enum class CellState {
    Waiting,   // a line not reached yet: not reached, and no input
    Open,      // the line being edited: a letter, an open place or a pasted blank
    Closed,    // the line being edited when the game was solved ahead of time
    Evaluated, // shows its letter on the board, coloured by the letter marking
    Hinted,    // a field of line 9 that a hint filled
};

struct GuessCell {
    FieldContent content = Mark::NotReached;
    CellState state = CellState::Waiting;
};

struct SolutionCell {
    FieldContent content = Mark::Unknown; // a letter, an unknown place or a pasted blank
    bool fixed = false; // revealed by a hint, fixed by Save Analysis or shown at the end
};

class Board {
public:
    Board() { Reset(); }

    // A new game: every cell waits, every solution place is unknown, no line is evaluated.
    void Reset();

    const GuessCell& Guess(int cell) const { return guess_.at(static_cast<std::size_t>(cell)); }
    const SolutionCell& Solution(int position) const {
        return solution_.at(static_cast<std::size_t>(position));
    }
    const std::optional<LineResult>& Result(int line) const {
        return results_.at(static_cast<std::size_t>(line));
    }

    // The characters a line's cells (or the solution line's) show, as they stand.
    std::string LineText(int line) const;
    std::string SolutionText() const;
    // The word in a line (or in the solution line); none until every cell holds a letter.
    std::optional<Word> LineWord(int line) const { return Word::From(LineText(line)); }
    std::optional<Word> SolutionWord() const { return Word::From(SolutionText()); }
    bool LineComplete(int line) const { return LineWord(line).has_value(); }
    bool SolutionComplete() const { return SolutionWord().has_value(); }
    // A cell that takes typing: open, or a solution cell not fixed.
    bool TakesInput(int cell) const { return Guess(cell).state == CellState::Open; }
    bool SolutionTakesInput(int position) const { return !Solution(position).fixed; }

    // Changes one cell's content; false when it held that already.
    bool SetGuess(int cell, FieldContent content);
    bool SetSolution(int position, FieldContent content);

    void OpenLine(int line);
    void CloseLine(int line);
    void Evaluate(int line, LineResult result);
    // A hint: the letter of `position` is revealed and fills its field of line 9.
    void Hint(int position, Letter letter);
    void FixSolution(int position) {
        solution_.at(static_cast<std::size_t>(position)).fixed = true;
    }
    // The end of a game: the hidden word in the solution line.
    void Reveal(const Word& word);

private:
    std::array<GuessCell, FieldCount> guess_;
    std::array<SolutionCell, HiddenWordLength> solution_;
    std::array<std::optional<LineResult>, LineCount> results_;
};

} // namespace lexel
