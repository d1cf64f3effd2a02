#include "GuessEvaluation.h"

#include <charconv>
#include <cstddef>

namespace lexel {
namespace {

constexpr char Matched = ' ';

} // namespace

std::string EvaluateGuess(std::string_view hidden, std::string_view guess, int offset) {
    std::string h(hidden);
    std::string g(guess);
    int code = 0;

    for (std::size_t i = 0; i < g.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(offset) + i;
        if (k < h.size() && g[i] != Matched && g[i] == h[k]) {
            code += 1000;
            h[k] = Matched;
            g[i] = Matched;
        }
    }

    for (const char c : g) {
        if (c == Matched) {
            continue;
        }
        if (const auto k = h.find(c); k != std::string::npos) {
            code += 100;
            h[k] = Matched;
        }
    }

    return std::to_string(code);
}

int CountGoodLetters(std::string_view resultCode) {
    int value = 0;
    std::from_chars(resultCode.data(), resultCode.data() + resultCode.size(), value);
    return value / 1000 + (value % 1000) / 100;
}

} // namespace lexel
