#include "Coach.h"

#include "GuessEvaluation.h"
#include "WordsLeft.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

namespace lexel {
namespace {

bool FitsKnown(const std::string& word, const KnownLetters& known) {
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (known[i] != 0 && (i >= word.size() || word[i] != known[i])) {
            return false;
        }
    }
    return true;
}

// The words that fit the lines before `index`, the solutions refused so far and the letters
// fixed before the line.
std::vector<std::string> PossibleBefore(const CoachGame& game, std::size_t index) {
    const ShownLine& shown = game.lines[index];
    std::vector<std::string> possible;
    for (const auto& word : game.words) {
        const bool refused =
            std::any_of(game.refused.begin(), game.refused.end(), [&](const RefusedWord& r) {
                return r.line <= shown.line && r.word == word;
            });
        if (refused ||
            (index < game.knownBefore.size() && !FitsKnown(word, game.knownBefore[index]))) {
            continue;
        }
        const bool fits =
            std::all_of(game.lines.begin(), game.lines.begin() + static_cast<std::ptrdiff_t>(index),
                        [&](const ShownLine& l) {
                            return EvaluateGuess(word, l.guess, WindowOffset(l.line)) == l.result;
                        });
        if (fits) {
            possible.push_back(word);
        }
    }
    return possible;
}

const std::vector<std::string>* GuessesOf(const CoachGame& game, int line) {
    const int i = LineLength(line) - 3;
    return i >= 0 && i < static_cast<int>(game.guesses.size())
               ? &game.guesses[static_cast<std::size_t>(i)]
               : nullptr;
}

int LeftAfter(const std::vector<std::string>& possible, const ShownLine& shown) {
    return static_cast<int>(std::count_if(possible.begin(), possible.end(), [&](auto& word) {
        return EvaluateGuess(word, shown.guess, WindowOffset(shown.line)) == shown.result;
    }));
}

// The smallest square sum; on a tie a guess that may be the word itself, then the earlier.
std::optional<LineAdvice> Advise(const CoachGame& game, std::size_t index,
                                 const std::stop_token& stop) {
    const ShownLine& shown = game.lines[index];
    const auto* guesses = GuessesOf(game, shown.line);
    const auto possible = PossibleBefore(game, index);
    if (guesses == nullptr || guesses->empty() || possible.empty()) {
        return std::nullopt;
    }
    const WordsLeft spread(possible);
    const std::unordered_set<std::string> mayBe(possible.begin(), possible.end());
    const int offset = WindowOffset(shown.line);
    const std::string* best = nullptr;
    std::int64_t bestSum = 0;
    for (const auto& guess : *guesses) {
        if (stop.stop_requested()) {
            return std::nullopt;
        }
        const auto sum = spread.SquareSum(guess, offset);
        if (best == nullptr || sum < bestSum ||
            (sum == bestSum && mayBe.contains(guess) && !mayBe.contains(*best))) {
            best = &guess;
            bestSum = sum;
        }
    }
    return LineAdvice{
        shown, spread.Count(),          LeftAfter(possible, shown),
        *best, spread.Average(bestSum), spread.Average(spread.SquareSum(shown.guess, offset))};
}

} // namespace

std::vector<LineAdvice> CoachLines(const CoachGame& game, std::stop_token stop) {
    std::vector<LineAdvice> advice;
    for (std::size_t i = 0; i < game.lines.size() && !stop.stop_requested(); ++i) {
        if (auto line = Advise(game, i, stop)) {
            advice.push_back(std::move(*line));
        }
    }
    return advice;
}

bool AsGoodAsBest(const LineAdvice& advice) {
    return advice.playerAverage <= advice.bestAverage * (1.0 + AsGoodMargin) + 1e-9;
}

CoachSummary Summarise(const std::vector<LineAdvice>& advice) {
    CoachSummary summary;
    for (const auto& line : advice) {
        ++summary.lines;
        summary.asGood += AsGoodAsBest(line) ? 1 : 0;
        summary.left += line.left;
        summary.expected += line.playerAverage;
    }
    return summary;
}

Luck LuckOf(const CoachSummary& summary) {
    if (summary.left < summary.expected * (1.0 - LuckMargin)) {
        return Luck::Lucky;
    }
    return summary.left > summary.expected * (1.0 + LuckMargin) ? Luck::Unlucky : Luck::Even;
}

} // namespace lexel
