#include "WordStore.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace lexel {
namespace {

constexpr int FirstLevelsOnlyDraws = 5; // draws that take only the chosen level
constexpr int FreshnessDraws = 10000;   // from this draw on a used word is taken too
constexpr int GiveUpDraws = 100000;     // a random source that never hits: stop drawing

bool IsLowerWord(std::string_view word) {
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// The level as a number, or nullopt for text that is not one.
std::optional<int> LevelOfText(std::string_view level) {
    int value = 0;
    const auto [end, ec] = std::from_chars(level.data(), level.data() + level.size(), value);
    if (ec != std::errc() || end != level.data() + level.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

WordStore::WordStore(sql::Database& db, RandomSource& random)
    : db_(db), random_(random), suggestions_(db) {}

bool WordStore::IsKnownWord(std::string_view word) {
    if (word.size() < 3 || word.size() > 6 || !IsLowerWord(word)) {
        return false;
    }
    auto& statement = knownWord_[word.size() - 3];
    if (!statement) {
        statement =
            db_.Prepare("SELECT 1 FROM w" + std::to_string(word.size()) + " WHERE Word = ?");
    }
    statement->Bind(1, WordCode(word));
    const bool found = statement->Step();
    statement->Reset();
    return found;
}

std::optional<WordStore::Candidate> WordStore::CandidateAt(int key) {
    if (!candidateAt_) {
        candidateAt_ = db_.Prepare("SELECT Word, Class FROM w6s WHERE Key = ?");
    }
    candidateAt_->Bind(1, key);
    std::optional<Candidate> candidate;
    if (candidateAt_->Step()) {
        candidate =
            Candidate{static_cast<WordCodeValue>(candidateAt_->Int(0)), candidateAt_->Text(1)};
    }
    candidateAt_->Reset();
    return candidate;
}

std::vector<std::string> WordStore::LevelsWithWords() {
    std::vector<std::string> levels;
    auto statement = db_.Prepare("SELECT DISTINCT Class FROM w6s WHERE Class IS NOT NULL");
    while (statement.Step()) {
        levels.push_back(statement.Text(0));
    }
    return levels;
}

// The level the draw works with: the wanted one, unless no draw could ever be accepted
// with it; then the nearest level that has words (the easier one on a tie).
std::string WordStore::ReachableClass(std::string_view wantedClass, bool only) {
    // Each test stops at the first word it finds; only a level without words reads them all.
    auto reachable = db_.Prepare("SELECT EXISTS (SELECT 1 FROM w6s WHERE Class = ?1)"
                                 " OR (?2 AND EXISTS (SELECT 1 FROM w6s WHERE Class < ?1))");
    reachable.Bind(1, wantedClass).Bind(2, only ? 0 : 1);
    if (reachable.Step() && reachable.Int(0) != 0) {
        return std::string(wantedClass);
    }
    const auto levels = LevelsWithWords();
    if (levels.empty()) {
        throw sql::Error(0, "w6s holds no word with a level");
    }
    const int target = LevelOfText(wantedClass).value_or(LevelNumber(DefaultLevel));
    const auto distance = [&](const std::string& level) {
        const auto number = LevelOfText(level);
        return number ? std::pair(std::abs(*number - target), *number) : std::pair(INT_MAX, 0);
    };
    return *std::min_element(levels.begin(), levels.end(), [&](const auto& a, const auto& b) {
        return distance(a) < distance(b);
    });
}

std::string WordStore::PickHiddenWord(Level level, bool only) {
    const auto gameClass = std::to_string(LevelNumber(level)); // as w6s keeps it
    // The keys run from 1 without gaps: the highest is the count, read without a table scan.
    const int count = static_cast<int>(sql::QueryInt(db_, "SELECT MAX(Key) FROM w6s").value_or(0));
    const std::string wanted = ReachableClass(gameClass, only);
    const auto accepts = [&](const Candidate& c, int draw) {
        return c.wordClass == wanted ||
               (c.wordClass < wanted && draw > FirstLevelsOnlyDraws && !only);
    };

    std::optional<Candidate> chosen;
    for (int draw = 1; draw <= GiveUpDraws; ++draw) {
        const auto candidate = CandidateAt(DrawIndex(random_, count));
        if (!candidate || !accepts(*candidate, draw)) {
            continue;
        }
        chosen = candidate;
        if (IsFreshWord(candidate->word) || draw >= FreshnessDraws) {
            break;
        }
    }
    if (!chosen) {
        // The first acceptable word by key; ReachableClass made sure there is one.
        auto first =
            db_.Prepare("SELECT Word, Class FROM w6s WHERE Class = ?1 OR (?2 AND Class < ?1)"
                        " ORDER BY Key LIMIT 1");
        first.Bind(1, wanted).Bind(2, only ? 0 : 1);
        if (!first.Step()) {
            throw sql::Error(0, "w6s holds no word of level " + wanted);
        }
        chosen = Candidate{static_cast<WordCodeValue>(first.Int(0)), first.Text(1)};
    }

    auto word = CodeToWord(chosen->word, 6);
    usedWords_.push_back(word);
    return word;
}

std::vector<std::string> WordStore::DrawableWords(Level level, bool only) {
    const std::string wanted = ReachableClass(std::to_string(LevelNumber(level)), only);
    auto query = db_.Prepare("SELECT Word FROM w6s WHERE Class = ?1 OR (?2 AND Class < ?1)"
                             " ORDER BY Key");
    query.Bind(1, wanted).Bind(2, only ? 0 : 1);
    std::vector<std::string> words;
    while (query.Step()) {
        words.push_back(CodeToWord(static_cast<WordCodeValue>(query.Int(0)), 6));
    }
    return words;
}

bool WordStore::IsFreshWord(WordCodeValue code) const {
    return std::find(usedWords_.begin(), usedWords_.end(), CodeToWord(code, 6)) == usedWords_.end();
}

bool WordStore::FindAnagrams(std::string_view word) {
    anagrams_.reset();
    auto query = db_.Prepare("SELECT Word FROM w6 WHERE Alpha = ? AND Word <> ? ORDER BY Word");
    query.Bind(1, WordCode(SortedLetters(word))).Bind(2, WordCode(word));
    std::vector<WordCodeValue> codes;
    while (query.Step()) {
        codes.push_back(static_cast<WordCodeValue>(query.Int(0)));
    }
    if (codes.empty()) {
        return false;
    }
    anagrams_.emplace(std::move(codes));
    return true;
}

std::vector<std::string> WordStore::Anagrams(std::string_view word) {
    std::vector<std::string> words;
    if (FindAnagrams(word)) {
        for (anagrams_->MoveFirst(); !anagrams_->AtEnd(); anagrams_->MoveNext()) {
            words.push_back(anagrams_->Word());
        }
    }
    return words;
}

} // namespace lexel
