#include "LetterMarks.h"

namespace lexel {

Rgb ColorValue(LetterColor color) {
    switch (color) {
    case LetterColor::Red:
        return {255, 64, 64};
    case LetterColor::Blue:
        return {64, 160, 255};
    case LetterColor::Yellow:
        return {255, 255, 80};
    case LetterColor::Green:
        return {64, 255, 64};
    case LetterColor::Gray:
        break;
    }
    return {192, 192, 192};
}

LetterColor LetterMarks::ColorOf(char letter) const {
    const auto in = [letter](const std::string& set) {
        return set.find(letter) != std::string::npos;
    };
    if (in(GreenLetters)) {
        return LetterColor::Green;
    }
    if (in(RedLetters)) {
        return LetterColor::Red;
    }
    if (in(YellowLetters)) {
        return LetterColor::Yellow;
    }
    if (in(BlueLetters)) {
        return LetterColor::Blue;
    }
    return LetterColor::Gray;
}

} // namespace lexel
