#pragma once

// One letter of the game, A to Z. Typed in capitals and stored in small letters, it is the
// same value either way; anything else (an umlaut, a digit, a mark) is no letter.

#include "AsciiCase.h"

#include <optional>
#include <stdexcept>

namespace lexel {

class Letter {
public:
    // A letter written in the code: one that is none does not compile.
    consteval explicit Letter(char c) : upper_(AsciiUpper(c)) {
        if (upper_ < 'A' || upper_ > 'Z') {
            throw std::invalid_argument("not a letter");
        }
    }

    static constexpr std::optional<Letter> From(char c) noexcept {
        const char upper = AsciiUpper(c);
        if (upper < 'A' || upper > 'Z') {
            return std::nullopt;
        }
        return Letter(upper, Checked{});
    }

    constexpr char Upper() const noexcept { return upper_; }
    constexpr char Lower() const noexcept { return AsciiLower(upper_); }
    // 0 for A to 25 for Z.
    constexpr int Index() const noexcept { return upper_ - 'A'; }

    friend constexpr bool operator==(Letter, Letter) = default;

private:
    struct Checked {};
    constexpr Letter(char upper, Checked) noexcept : upper_(upper) {}

    char upper_;
};

} // namespace lexel
