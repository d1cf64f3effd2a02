#pragma once

// What one field of the board holds: a letter, or the mark the player sees at a place without
// one.

#include "Letter.h"

#include <optional>

namespace lexel {

enum class Mark : char {
    NotReached = '.', // a place of a line not reached yet
    Open = '_',       // an open place of the line being edited
    Unknown = '?',    // an unknown place of the solution line
    Blank = ' ',      // a blank that arrived by pasting
};

class FieldContent {
public:
    constexpr FieldContent(Letter letter) noexcept : shown_(letter.Upper()) {}
    constexpr FieldContent(Mark mark) noexcept : shown_(static_cast<char>(mark)) {}

    constexpr std::optional<Letter> AsLetter() const noexcept { return Letter::From(shown_); }
    // The character the field shows: a capital or the mark.
    constexpr char Shown() const noexcept { return shown_; }

    friend constexpr bool operator==(FieldContent, FieldContent) = default;

private:
    char shown_;
};

} // namespace lexel
