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

char Capital(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
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

void LetterMarking::ShowGridLetter(int label, char caption) {
    if (IsGridLetter(label)) {
        grid_[Index(label - 1)] = {caption, marks_.ColorOf(caption)};
    }
}

const GridLetter& LetterMarking::Grid(int label) const {
    static const GridLetter none;
    return IsGridLetter(label) ? grid_[Index(label - 1)] : none;
}

void LetterMarking::SetGridColor(int label, LetterColor color) {
    if (IsGridLetter(label)) {
        grid_[Index(label - 1)].color = color;
    }
}

void LetterMarking::ButtonColor(Panel panel, int i, LetterColor color) {
    if (i < 0 || i >= AlphabetSize) {
        return;
    }
    Buttons(panel)[Index(i)] = {color, false};
}

void LetterMarking::PaintGrid(char letter, LetterColor color, int lastLabel) {
    for (int label = 1; label <= lastLabel; ++label) {
        if (grid_[Index(label - 1)].caption == letter) {
            grid_[Index(label - 1)].color = color;
        }
    }
}

void LetterMarking::GuessColor(int label, LetterColor color, int lastLabel) {
    if (!IsGridLetter(label)) {
        return; // no grid letter's menu was opened
    }
    const auto& letter = grid_[Index(label - 1)];
    const char caption = letter.caption;
    if (auto* old = ColorSet(marks_, letter.color); old && color != letter.color) {
        Remove(*old, caption);
    }
    if (auto* set = ColorSet(marks_, color)) {
        Add(*set, caption);
    }
    PaintGrid(caption, color, lastLabel);
    const int i = LetterIndex(caption);
    if (i >= 0 && i < AlphabetSize) {
        ButtonColor(VisiblePanel(i), i, color);
    }
}

void LetterMarking::SyncColors(int lastLabel) {
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
        PaintGrid(letter, color, lastLabel);
    }
}

void LetterMarking::AutoColor(std::string_view word, int good, int lastLabel) {
    const bool absent = good == 0;
    if (!absent && good != static_cast<int>(word.size())) {
        return;
    }
    for (const char raw : word) {
        const char c = Capital(raw);
        Add(absent ? marks_.SavedRed : marks_.SavedGreen, c);
        for (int label = 1; label <= lastLabel; ++label) {
            if (grid_[Index(label - 1)].caption == c) {
                GuessColor(label, absent ? LetterColor::Red : LetterColor::Green, lastLabel);
            }
        }
    }
}

void LetterMarking::Used(std::string_view word, int good, bool colorsOn) {
    for (const char raw : word) {
        const int j = LetterIndex(Capital(raw));
        if (j < 0 || j >= AlphabetSize) {
            continue;
        }
        if (!used_[Index(j)]) {
            ButtonColor(Panel::Used, j, Button(Panel::Unused, j).color);
        }
        if (colorsOn && good == 0) {
            ButtonColor(Panel::Used, j, LetterColor::Red);
        } else if (colorsOn && good == static_cast<int>(word.size())) {
            ButtonColor(Panel::Used, j, LetterColor::Green);
        }
        used_[Index(j)] = true;
    }
}

void LetterMarking::GrayAll(int lastLabel) {
    marks_.GreenLetters = marks_.SavedGreen;
    marks_.RedLetters = marks_.SavedRed;
    marks_.YellowLetters.clear();
    marks_.BlueLetters.clear();
    const auto saved = [this](char c) {
        return Contains(marks_.SavedRed, c) || Contains(marks_.SavedGreen, c);
    };
    for (int label = 1; label <= lastLabel; ++label) {
        if (!saved(grid_[Index(label - 1)].caption)) {
            grid_[Index(label - 1)].color = LetterColor::Gray;
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

bool LetterMarking::IsLocked(char letter, bool colorsOn) const {
    return colorsOn && (Contains(marks_.SavedRed, letter) || Contains(marks_.SavedGreen, letter));
}

} // namespace lexel
