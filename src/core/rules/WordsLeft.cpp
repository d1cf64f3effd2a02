#include "WordsLeft.h"

#include <algorithm>

namespace lexel {
namespace {

constexpr int AlphabetSize = 26;
// A result is black * Stride + white; both are at most 6.
constexpr int Stride = 8;
constexpr int Results = Stride * Stride;

bool IsLowerLetter(char c) {
    return c >= 'a' && c <= 'z';
}

} // namespace

WordsLeft::WordsLeft(std::span<const std::string> possible) {
    words_.reserve(possible.size());
    for (const auto& word : possible) {
        Letters letters;
        for (std::size_t i = 0; i < word.size() && i < letters.at.size(); ++i) {
            letters.at[i] = word[i];
            if (IsLowerLetter(word[i])) {
                ++letters.count[static_cast<std::size_t>(word[i] - 'a')];
            }
        }
        words_.push_back(letters);
    }
}

// Blacks and whites together are, letter by letter, the smaller of the two counts: each hidden
// letter matches once, whether in place or elsewhere. So whites are that sum less the blacks.
std::int64_t WordsLeft::SquareSum(std::string_view guess, int offset) const {
    std::array<std::uint8_t, AlphabetSize> guessCount{};
    std::array<int, 6> distinct{};
    int distinctCount = 0;
    for (const char c : guess) {
        if (!IsLowerLetter(c)) {
            continue;
        }
        const auto k = static_cast<std::size_t>(c - 'a');
        if (guessCount[k]++ == 0 && distinctCount < static_cast<int>(distinct.size())) {
            distinct[static_cast<std::size_t>(distinctCount++)] = static_cast<int>(k);
        }
    }
    const std::size_t length = std::min<std::size_t>(guess.size(), 6 - offset);
    std::array<std::int64_t, Results> groups{};
    for (const auto& word : words_) {
        int black = 0;
        for (std::size_t i = 0; i < length; ++i) {
            black += guess[i] == word.at[i + static_cast<std::size_t>(offset)] ? 1 : 0;
        }
        int common = 0;
        for (int d = 0; d < distinctCount; ++d) {
            const auto k = static_cast<std::size_t>(distinct[static_cast<std::size_t>(d)]);
            common += std::min(guessCount[k], word.count[k]);
        }
        ++groups[static_cast<std::size_t>(black * Stride + common - black)];
    }
    std::int64_t sum = 0;
    for (const auto size : groups) {
        sum += size * size;
    }
    return sum;
}

double WordsLeft::Average(std::int64_t squareSum) const {
    return words_.empty() ? 0.0 : static_cast<double>(squareSum) / static_cast<double>(Count());
}

} // namespace lexel
