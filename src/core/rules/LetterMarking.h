#pragma once

// The player's notebook: every letter's button in the "Used Letters" or "Unused Letters"
// panel, the colours of the buttons and of the evaluated grid letters, and the colour sets.
// A colour given to a letter is given to it everywhere: its grid occurrences and its button.

#include "LetterMarks.h"
#include "core/base/Word.h"

#include <array>

namespace lexel {

inline constexpr int AlphabetSize = 26;
inline constexpr int GridLetters = 36;

enum class Panel { Used, Unused };

struct LetterButton {
    LetterColor color = LetterColor::Gray;
    bool sunken = false;
};

struct GridLetter {
    char caption = ' '; // ' ' while the field's cell is not evaluated
    LetterColor color = LetterColor::Gray;
};

class LetterMarking {
public:
    // The position of `letter` in the alphabet: "A" is 0.
    static int LetterIndex(char letter) { return letter - 'A'; }

    // Game start: every letter unused and gray, the sets empty.
    void Reset();

    // `reached` below is the number of cells up to the end of the line being edited: the
    // operations reach the cells 0..reached - 1. Cells are numbered 0..35; any other number
    // stands for no letter.
    void ShowCellLetter(int cell, Letter letter); // an evaluated field becomes a letter
    const GridLetter& Cell(int cell) const;
    void SetCellColor(int cell, LetterColor color);

    const LetterButton& Button(Panel panel, int i) const { return Buttons(panel)[Index(i)]; }
    bool IsUsed(int i) const { return used_[Index(i)]; }
    Panel VisiblePanel(int i) const { return IsUsed(i) ? Panel::Used : Panel::Unused; }

    void ButtonColor(Panel panel, int i, LetterColor color);
    void ButtonDown(Panel panel, int i) { Buttons(panel)[Index(i)].sunken = true; }
    void ButtonUp(Panel panel, int i) { Buttons(panel)[Index(i)].sunken = false; }

    void GuessColor(int cell, LetterColor color, int reached);
    void SyncColors(int reached);
    void AutoColor(const Word& word, int good, int reached);
    void Used(const Word& word, int good, bool colorsOn);
    void GrayAll(int reached);
    void UnusedAll();

    // A hinted letter is green and saved, on the board and on both of its buttons; `cell` is
    // the field of line 9 that takes it.
    void FixHintLetter(Letter letter, int cell, int reached);
    // Save Analysis: the red and green buttons become binding.
    void SaveButtonColors();
    // A letter of the solution line fixed by Save Analysis: saved green, and green where it
    // was not green yet.
    void FixSolutionLetter(Letter letter, int reached);

    // A locked letter cannot be repainted through the colour menus while automatic colouring
    // is on.
    bool IsLocked(char letter, bool colorsOn) const;

    const LetterMarks& Marks() const { return marks_; }

private:
    static std::size_t Index(int i) { return static_cast<std::size_t>(i); }
    static bool IsCell(int cell) { return cell >= 0 && cell < GridLetters; }
    std::array<LetterButton, AlphabetSize>& Buttons(Panel panel) {
        return panel == Panel::Used ? used_buttons_ : unused_buttons_;
    }
    const std::array<LetterButton, AlphabetSize>& Buttons(Panel panel) const {
        return panel == Panel::Used ? used_buttons_ : unused_buttons_;
    }
    // Paints every cell 0..reached - 1 that shows `letter`.
    void PaintGrid(char letter, LetterColor color, int reached);

    LetterMarks marks_;
    std::array<GridLetter, GridLetters> grid_{};
    std::array<LetterButton, AlphabetSize> used_buttons_{};
    std::array<LetterButton, AlphabetSize> unused_buttons_{};
    std::array<bool, AlphabetSize> used_{};
};

// The colour set that holds the letters of `color`; none for gray.
std::string* ColorSet(LetterMarks& marks, LetterColor color);

} // namespace lexel
