#include "WordCode.h"

#include <algorithm>
#include <array>

namespace lexel {
namespace {

constexpr int MinLength = 3;
constexpr int MaxLength = 6;
constexpr int Radix = 26;

bool IsLetter(char c) {
    return c >= 'a' && c <= 'z';
}

} // namespace

WordCodeValue WordCode(std::string_view word) {
    if (word.size() < MinLength) {
        return 0;
    }
    const auto letters = word.substr(0, MaxLength);
    if (!std::all_of(letters.begin(), letters.end(), IsLetter)) {
        return 0;
    }
    WordCodeValue code = 0;
    for (auto it = letters.rbegin(); it != letters.rend(); ++it) {
        code = code * Radix + (*it - 'a');
    }
    return code;
}

std::string CodeToWord(WordCodeValue code, int length) {
    if (code < 0) {
        return {};
    }
    length = std::clamp(length, MinLength, MaxLength);
    std::string word;
    for (int i = 0; i < length; ++i) {
        word += static_cast<char>('a' + code % Radix);
        code /= Radix;
    }
    return word;
}

std::string SortedLetters(std::string_view word) {
    std::array<int, Radix> counts{};
    for (const char c : word.substr(0, MaxLength)) {
        if (IsLetter(c)) {
            ++counts[static_cast<std::size_t>(c - 'a')];
        }
    }
    std::string sorted;
    for (int letter = 0; letter < Radix; ++letter) {
        sorted.append(static_cast<std::size_t>(counts[static_cast<std::size_t>(letter)]),
                      static_cast<char>('a' + letter));
    }
    return sorted;
}

} // namespace lexel
