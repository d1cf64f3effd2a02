#include "SuggestWord.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <vector>

namespace lexel {
namespace {

constexpr std::int16_t BaseScore = 20000;
constexpr int RedPenalty = 2000;
constexpr int UntriedBonus = 200;
constexpr int FrequentBonus = 150; // E S A R I T
constexpr int CommonBonus = 50;    // O L N D U C
constexpr int VowelBonus = 75;
constexpr int RepeatPenalty = 200;

// Membership of a letter set in one look-up, since every candidate asks for each of its letters.
class LetterSet {
public:
    constexpr explicit LetterSet(std::string_view letters) {
        for (const char c : letters) {
            has_[Index(c)] = true;
        }
    }
    constexpr bool Contains(char c) const { return has_[Index(c)]; }

private:
    static constexpr std::size_t Index(char c) { return static_cast<unsigned char>(c); }
    std::array<bool, std::numeric_limits<unsigned char>::max() + 1> has_{};
};

constexpr LetterSet Frequent("ESARIT");
constexpr LetterSet Common("OLNDUC");
constexpr LetterSet Vowels("AEIOU");

// The score is a 16-bit number; C++20 defines the narrowing as wrapping round.
void Add(std::int16_t& score, int amount) {
    score = static_cast<std::int16_t>(score + amount);
}

std::int16_t Score(std::string_view word, const LetterSet& red, const LetterSet& untried) {
    std::int16_t score = BaseScore;
    for (const char letter : word) {
        if (red.Contains(letter)) {
            Add(score, -RedPenalty);
        }
    }
    for (const char letter : word) {
        if (!untried.Contains(letter)) {
            continue;
        }
        Add(score, UntriedBonus);
        if (Frequent.Contains(letter)) {
            Add(score, FrequentBonus);
        } else if (Common.Contains(letter)) {
            Add(score, CommonBonus);
        }
        if (Vowels.Contains(letter)) {
            Add(score, VowelBonus);
        }
    }
    for (auto letter = word.begin(); letter != word.end(); ++letter) {
        if (std::find(letter + 1, word.end(), *letter) != word.end()) {
            Add(score, -RepeatPenalty);
        }
    }
    return score;
}

// The words of `table` that `accepts` takes and that are not excepted, visiting every record
// once from record `first` (0-based) to the end and then from the beginning.
template <typename Accepts>
std::vector<std::string_view> Scan(const SuggestionTable& table, std::size_t first,
                                   Accepts accepts) {
    std::vector<std::string_view> candidates;
    const auto visit = [&](std::string_view word) {
        // The exception list is asked last: it is the dearer test and rarely says no.
        if (accepts(word) && !table.IsExcepted(word)) {
            candidates.push_back(word);
        }
    };
    const auto start = table.words.begin() + static_cast<std::ptrdiff_t>(first);
    std::for_each(start, table.words.end(), visit);
    std::for_each(table.words.begin(), start, visit);
    return candidates;
}

// The first candidate with the highest score; the score of a real word is always above 0.
std::string FirstBest(const std::vector<std::string_view>& candidates, std::string_view red,
                      std::string_view untried) {
    const LetterSet redSet(red);
    const LetterSet untriedSet(untried);
    std::int16_t best = 0;
    std::string_view answer;
    for (const auto word : candidates) {
        const auto score = Score(word, redSet, untriedSet);
        if (score > best) {
            best = score;
            answer = word;
        }
    }
    return std::string(answer);
}

std::string TypedLetters(std::string_view pattern) {
    std::string letters;
    std::copy_if(pattern.begin(), pattern.end(), std::back_inserter(letters),
                 [](char c) { return c != FreeCell; });
    return letters;
}

std::string DrawAndSuggest(const SuggestionTable& table, RandomSource& random,
                           std::string_view pattern, std::string_view red, std::string_view untried,
                           std::string_view avoid) {
    if (table.words.empty()) {
        return {};
    }
    const int start = DrawIndex(random, static_cast<int>(table.words.size()));
    return SuggestWord(table, pattern, red, untried, start, avoid);
}

} // namespace

std::int16_t ScoreWord(std::string_view word, std::string_view red, std::string_view untried) {
    return Score(word, LetterSet(red), LetterSet(untried));
}

bool MatchPattern(std::string_view pattern, std::string_view word) {
    return pattern.size() == word.size() &&
           std::equal(pattern.begin(), pattern.end(), word.begin(), [](char wanted, char letter) {
               return wanted == FreeCell || wanted == letter;
           });
}

bool ContainsLetters(std::string_view letters, std::string_view word) {
    std::string unused(word);
    for (const char letter : letters) {
        const auto at = unused.find(letter);
        if (at == std::string::npos) {
            return false;
        }
        unused.erase(at, 1); // an occurrence serves one letter only
    }
    return true;
}

std::string SuggestWord(const SuggestionTable& table, std::string_view pattern,
                        std::string_view red, std::string_view untried, int start,
                        std::string_view avoid) {
    if (table.words.empty()) {
        return {};
    }
    const int count = static_cast<int>(table.words.size());
    const auto first = static_cast<std::size_t>(std::clamp(start, 1, count) - 1);
    auto candidates = Scan(table, first, [&](std::string_view word) {
        return word != avoid && MatchPattern(pattern, word);
    });
    if (candidates.empty()) {
        // The typed letters may stand elsewhere in the word.
        const std::string letters = TypedLetters(pattern);
        candidates = Scan(table, first, [&](std::string_view word) {
            return word != avoid && ContainsLetters(letters, word);
        });
    }
    return FirstBest(candidates, red, untried);
}

std::string SuggestWord(const SuggestionTable& table, RandomSource& random,
                        std::string_view pattern, std::string_view red, std::string_view untried,
                        std::string_view avoid) {
    return DrawAndSuggest(table, random, pattern, red, untried, avoid);
}

} // namespace lexel
