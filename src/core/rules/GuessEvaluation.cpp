#include "GuessEvaluation.h"

#include <cstddef>
#include <string>

namespace lexel {
namespace {

constexpr char Matched = ' ';

} // namespace

LineResult EvaluateGuess(std::string_view hidden, std::string_view guess, int offset) {
    std::string h(hidden);
    std::string g(guess);
    LineResult result;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(offset) + i;
        if (k < h.size() && g[i] != Matched && g[i] == h[k]) {
            ++result.black;
            h[k] = Matched;
            g[i] = Matched;
        }
    }
    for (const char c : g) {
        if (c == Matched) {
            continue;
        }
        if (const auto k = h.find(c); k != std::string::npos) {
            ++result.white;
            h[k] = Matched;
        }
    }
    return result;
}

} // namespace lexel
