#pragma once

// The player's marking of letters: four colour sets and the two sets locked by saving the
// analysis. Each set is a string of distinct capitals.

#include <string>

namespace lexel {

enum class LetterColor { Red, Blue, Yellow, Green, Gray };

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// What grid letters show as background and what a letter button remembers as its colour.
Rgb ColorValue(LetterColor color);

// The background of the fields of the line being entered.
inline constexpr Rgb FieldWhite{255, 255, 255};

struct LetterMarks {
    std::string GreenLetters;
    std::string RedLetters;
    std::string YellowLetters;
    std::string BlueLetters;
    std::string SavedRed;
    std::string SavedGreen;

    // The colour an evaluated letter shows: green before red before yellow before blue.
    LetterColor ColorOf(char letter) const;
    void Clear() { *this = LetterMarks(); }
};

} // namespace lexel
