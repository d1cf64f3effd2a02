#include "Board.h"

namespace lexel {
namespace {

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

void Board::Reset() {
    guess_.fill({});
    solution_.fill({});
    results_.fill(std::nullopt);
}

std::string Board::LineText(int line) const {
    std::string text;
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        text += guess_[At(k)].content.Shown();
    }
    return text;
}

std::string Board::SolutionText() const {
    std::string text;
    for (const auto& cell : solution_) {
        text += cell.content.Shown();
    }
    return text;
}

bool Board::SetGuess(int cell, FieldContent content) {
    auto& guess = guess_.at(At(cell));
    const bool changed = guess.content != content;
    guess.content = content;
    return changed;
}

bool Board::SetSolution(int position, FieldContent content) {
    auto& solution = solution_.at(At(position));
    const bool changed = solution.content != content;
    solution.content = content;
    return changed;
}

void Board::OpenLine(int line) {
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        auto& cell = guess_[At(k)];
        if (cell.state == CellState::Waiting) {
            cell = {Mark::Open, CellState::Open};
        }
    }
}

void Board::CloseLine(int line) {
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        if (guess_[At(k)].state == CellState::Open) {
            guess_[At(k)].state = CellState::Closed;
        }
    }
}

void Board::Evaluate(int line, LineResult result) {
    for (int k = FirstField(line); k <= LastField(line); ++k) {
        guess_[At(k)].state = CellState::Evaluated;
    }
    results_.at(At(line)) = result;
}

void Board::Hint(int position, Letter letter) {
    solution_.at(At(position)) = {letter, true};
    guess_.at(At(FirstField(LastLine) + position)) = {letter, CellState::Hinted};
}

void Board::Reveal(const Word& word) {
    for (int i = 0; i < HiddenWordLength && i < word.Length(); ++i) {
        solution_[At(i)] = {word.At(i), true};
    }
}

} // namespace lexel
