#pragma once

// How well a guess splits the words still possible: the words are grouped by the dots the guess
// would get against each, and a guess is the better the smaller the groups. The sum of the
// squared group sizes over the number of words is how many words it leaves on average.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexel {

class WordsLeft {
public:
    // `possible`: six-letter lower-case words.
    explicit WordsLeft(std::span<const std::string> possible);

    int Count() const { return static_cast<int>(words_.size()); }
    // The sum of the squared sizes of the groups `guess` (lower case) sorts the words into in a
    // line of window offset `offset`; the same dots as EvaluateGuess.
    std::int64_t SquareSum(std::string_view guess, int offset) const;
    // SquareSum over Count(): the words the guess leaves on average; 0 without words.
    double Average(std::int64_t squareSum) const;

private:
    // A word split up once, so each comparison is a few array reads.
    struct Letters {
        std::array<char, 6> at{};
        std::array<std::uint8_t, 26> count{};
    };
    std::vector<Letters> words_;
};

} // namespace lexel
