#pragma once

// The game's letters are A to Z whatever the locale: the C library's case mapping follows it,
// and under a Turkish one would keep "i" small or turn it into a byte of another alphabet.

#include <string>
#include <string_view>

namespace lexel {

constexpr char AsciiUpper(char c) noexcept {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char AsciiLower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiUpper(std::string_view text) {
    std::string upper(text);
    for (auto& c : upper) {
        c = AsciiUpper(c);
    }
    return upper;
}

inline std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (auto& c : lower) {
        c = AsciiLower(c);
    }
    return lower;
}

} // namespace lexel
