#include "PossibleWords.h"

#include "GuessEvaluation.h"

#include <algorithm>

namespace lexel {

namespace {

bool IsRefused(std::string_view word, const std::vector<RefusedWord>& refused, int beforeLine) {
    return std::any_of(refused.begin(), refused.end(), [&](const RefusedWord& r) {
        return r.line <= beforeLine && r.word == word;
    });
}

} // namespace

bool FitsEvidence(std::string_view word, const Evidence& evidence) {
    if (IsRefused(word, evidence.refused, LastLine)) {
        return false;
    }
    for (std::size_t i = 0; i < evidence.known.size(); ++i) {
        if (evidence.known[i] != 0 && (i >= word.size() || word[i] != evidence.known[i])) {
            return false;
        }
    }
    return std::all_of(evidence.lines.begin(), evidence.lines.end(), [&](const ShownLine& shown) {
        return EvaluateGuess(word, shown.guess, WindowOffset(shown.line)) == shown.result;
    });
}

int CountPossible(std::span<const std::string> words, const Evidence& evidence) {
    return static_cast<int>(std::count_if(words.begin(), words.end(), [&](const std::string& w) {
        return FitsEvidence(w, evidence);
    }));
}

// Each line filters what the lines before it left, so every word is checked against one line at
// a time.
std::vector<LineCut> CutsByLine(std::span<const std::string> words,
                                const std::vector<ShownLine>& lines,
                                const std::vector<RefusedWord>& refused) {
    std::vector<std::string> left(words.begin(), words.end());
    std::vector<LineCut> cuts;
    for (const auto& shown : lines) {
        std::erase_if(
            left, [&](const std::string& word) { return IsRefused(word, refused, shown.line); });
        const int before = static_cast<int>(left.size());
        std::erase_if(left, [&](const std::string& word) {
            return EvaluateGuess(word, shown.guess, WindowOffset(shown.line)) != shown.result;
        });
        cuts.push_back({shown, before, static_cast<int>(left.size())});
    }
    return cuts;
}

const LineCut* DeepestCut(const std::vector<LineCut>& cuts) {
    const LineCut* deepest = nullptr;
    // Compared as after/before without division: a smaller share left is a deeper cut.
    const auto deeper = [](const LineCut& a, const LineCut& b) {
        return static_cast<long long>(a.after) * b.before <
               static_cast<long long>(b.after) * a.before;
    };
    for (const auto& cut : cuts) {
        if (cut.before > 0 && (deepest == nullptr || deeper(cut, *deepest))) {
            deepest = &cut;
        }
    }
    return deepest;
}

int PercentLeft(const LineCut& cut) {
    if (cut.before <= 0) {
        return 0;
    }
    const long long percent = (200LL * cut.after + cut.before) / (2LL * cut.before);
    return static_cast<int>(cut.after < cut.before ? std::min(percent, 99LL) : percent);
}

} // namespace lexel
