#include "LetterMarking.h"

namespace lexel {
namespace {

bool Contains(const std::string& set, char letter) {
    return set.find(letter) != std::string::npos;
}

void Add(std::string& set, char letter) {
    if (!Contains(set, letter)) {
        set += letter;
    }
}

void Remove(std::string& set, char letter) {
    if (const auto at = set.find(letter); at != std::string::npos) {
        set.erase(at, 1);
    }
}

} // namespace

std::string* ColorSet(LetterMarks& marks, LetterColor color) {
    switch (color) {
    case LetterColor::Red:
        return &marks.RedLetters;
    case LetterColor::Blue:
        return &marks.BlueLetters;
    case LetterColor::Yellow:
        return &marks.YellowLetters;
    case LetterColor::Green:
        return &marks.GreenLetters;
    case LetterColor::Gray:
        break;
    }
    return nullptr;
}

void LetterMarking::Reset() {
    marks_.Clear();
    grid_ = {};
    UnusedAll();
}

void LetterMarking::ShowCellLetter(int cell, Letter letter) {
    if (IsCell(cell)) {
        grid_[Index(cell)] = {letter.Upper(), marks_.ColorOf(letter.Upper())};
    }
}

const GridLetter& LetterMarking::Cell(int cell) const {
    static const GridLetter none;
    return IsCell(cell) ? grid_[Index(cell)] : none;
}

void LetterMarking::SetCellColor(int cell, LetterColor color) {
    if (IsCell(cell)) {
        grid_[Index(cell)].color = color;
    }
}

void LetterMarking::ButtonColor(Panel panel, int i, LetterColor color) {
    if (i < 0 || i >= AlphabetSize) {
        return;
    }
    Buttons(panel)[Index(i)] = {color, false};
}

void LetterMarking::PaintGrid(char letter, LetterColor color, int reached) {
    for (int cell = 0; cell < reached && IsCell(cell); ++cell) {
        if (grid_[Index(cell)].caption == letter) {
            grid_[Index(cell)].color = color;
        }
    }
}

void LetterMarking::GuessColor(int cell, LetterColor color, int reached) {
    if (!IsCell(cell)) {
        return; // no grid letter's menu was opened
    }
    const auto& letter = grid_[Index(cell)];
    const char caption = letter.caption;
    if (auto* old = ColorSet(marks_, letter.color); old && color != letter.color) {
        Remove(*old, caption);
    }
    if (auto* set = ColorSet(marks_, color)) {
        Add(*set, caption);
    }
    PaintGrid(caption, color, reached);
    const int i = LetterIndex(caption);
    if (i >= 0 && i < AlphabetSize) {
        ButtonColor(VisiblePanel(i), i, color);
    }
}

void LetterMarking::SyncColors(int reached) {
    marks_.GreenLetters.clear();
    marks_.RedLetters.clear();
    marks_.YellowLetters.clear();
    marks_.BlueLetters.clear();
    for (int i = 0; i < AlphabetSize; ++i) {
        const char letter = static_cast<char>('A' + i);
        const auto color = Button(VisiblePanel(i), i).color;
        if (auto* set = ColorSet(marks_, color)) {
            Add(*set, letter);
        }
        PaintGrid(letter, color, reached);
    }
}

void LetterMarking::AutoColor(const Word& word, int good, int reached) {
    const bool absent = good == 0;
    if (!absent && good != word.Length()) {
        return;
    }
    for (const char c : word.Upper()) {
        Add(absent ? marks_.SavedRed : marks_.SavedGreen, c);
        for (int cell = 0; cell < reached && IsCell(cell); ++cell) {
            if (grid_[Index(cell)].caption == c) {
                GuessColor(cell, absent ? LetterColor::Red : LetterColor::Green, reached);
            }
        }
    }
}

void LetterMarking::Used(const Word& word, int good, bool colorsOn) {
    for (int i = 0; i < word.Length(); ++i) {
        const int j = word.At(i).Index();
        if (!used_[Index(j)]) {
            ButtonColor(Panel::Used, j, Button(Panel::Unused, j).color);
        }
        if (colorsOn && good == 0) {
            ButtonColor(Panel::Used, j, LetterColor::Red);
        } else if (colorsOn && good == word.Length()) {
            ButtonColor(Panel::Used, j, LetterColor::Green);
        }
        used_[Index(j)] = true;
    }
}

void LetterMarking::GrayAll(int reached) {
    marks_.GreenLetters = marks_.SavedGreen;
    marks_.RedLetters = marks_.SavedRed;
    marks_.YellowLetters.clear();
    marks_.BlueLetters.clear();
    const auto saved = [this](char c) {
        return Contains(marks_.SavedRed, c) || Contains(marks_.SavedGreen, c);
    };
    for (int cell = 0; cell < reached && IsCell(cell); ++cell) {
        if (!saved(grid_[Index(cell)].caption)) {
            grid_[Index(cell)].color = LetterColor::Gray;
        }
    }
    for (int i = 0; i < AlphabetSize; ++i) {
        if (!saved(static_cast<char>('A' + i))) {
            ButtonColor(VisiblePanel(i), i, LetterColor::Gray);
        }
    }
}

void LetterMarking::UnusedAll() {
    used_buttons_ = {};
    unused_buttons_ = {};
    used_ = {};
}

void LetterMarking::FixHintLetter(Letter letter, int cell, int reached) {
    Add(marks_.GreenLetters, letter.Upper());
    Add(marks_.SavedGreen, letter.Upper());
    PaintGrid(letter.Upper(), LetterColor::Green, reached);
    ShowCellLetter(cell, letter);
    SetCellColor(cell, LetterColor::Green);
    const int i = letter.Index();
    ButtonColor(Panel::Used, i, LetterColor::Green);
    ButtonColor(Panel::Unused, i, LetterColor::Green);
}

void LetterMarking::SaveButtonColors() {
    marks_.SavedGreen.clear();
    marks_.SavedRed.clear();
    for (int i = 0; i < AlphabetSize; ++i) {
        const auto color = Button(VisiblePanel(i), i).color;
        const char letter = static_cast<char>('A' + i);
        if (color == LetterColor::Red) {
            marks_.SavedRed += letter;
        } else if (color == LetterColor::Green) {
            marks_.SavedGreen += letter;
        }
    }
}

void LetterMarking::FixSolutionLetter(Letter letter, int reached) {
    Add(marks_.SavedGreen, letter.Upper());
    if (!Contains(marks_.GreenLetters, letter.Upper())) {
        const int i = letter.Index();
        ButtonColor(VisiblePanel(i), i, LetterColor::Green);
        SyncColors(reached);
    }
}

bool LetterMarking::IsLocked(char letter, bool colorsOn) const {
    return colorsOn && (Contains(marks_.SavedRed, letter) || Contains(marks_.SavedGreen, letter));
}

} // namespace lexel
