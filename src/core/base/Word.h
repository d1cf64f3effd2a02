#pragma once

// A word of the game: a guess, a hidden word, a suggestion. The word lists hold it in small
// letters and the board shows it in capitals; as a value it is the same word either way.

#include "Letter.h"

#include <optional>
#include <string>
#include <string_view>

namespace lexel {

class Word {
public:
    // Letters A-Z in either case, at least one; none for anything else.
    static std::optional<Word> From(std::string_view text) {
        if (text.empty()) {
            return std::nullopt;
        }
        std::string lower;
        for (const char c : text) {
            const auto letter = Letter::From(c);
            if (!letter) {
                return std::nullopt;
            }
            lower += letter->Lower();
        }
        return Word(std::move(lower));
    }

    // As the word lists hold it and the rules compare it.
    const std::string& Lower() const noexcept { return lower_; }
    // As the player sees it.
    std::string Upper() const { return AsciiUpper(lower_); }
    int Length() const noexcept { return static_cast<int>(lower_.size()); }
    Letter At(int i) const { return *Letter::From(lower_.at(static_cast<std::size_t>(i))); }

    friend bool operator==(const Word&, const Word&) = default;

private:
    explicit Word(std::string lower) : lower_(std::move(lower)) {}

    std::string lower_;
};

} // namespace lexel
