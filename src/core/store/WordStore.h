#pragma once

// The game's questions to the word tables: is a guess a word, which word to hide next, and
// which other words share the hidden word's letters.

#include "AnagramSet.h"
#include "Sql.h"
#include "SuggestionTable.h"
#include "core/base/Level.h"
#include "core/base/RandomSource.h"
#include "core/ports/WordSource.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexel {

class WordStore final : public WordSource {
public:
    // `db` and `random` must outlive the store.
    WordStore(sql::Database& db, RandomSource& random);

    // `word` (lower case, 3 to 6 letters) is in the word table of its length.
    bool IsKnownWord(std::string_view word) override;

    // A six-letter lower-case word for a new game of `level`. For the first
    // five draws only that level is taken; then easier levels too unless `only` is set. A word
    // already hidden in this run is skipped until draw 10000. When no word can ever qualify
    // (a level without words, or no level at all), the nearest level that has words is used.
    std::string PickHiddenWord(Level level, bool only) override;

    // Every word a game of `level` may hide, in key order: that level's, and the easier levels'
    // unless `only` is set (the same nearest-level rule as the draw).
    std::vector<std::string> DrawableWords(Level level, bool only) override;

    // The words of `length`, read once and kept: reading a table takes longer than searching it.
    const SuggestionTable& Suggestions(int length) override { return suggestions_.Table(length); }

    // `CodeToWord(code, 6)` has not been hidden in this run.
    bool IsFreshWord(WordCodeValue code) const;
    const std::vector<std::string>& UsedWords() const { return usedWords_; }

    // Replaces the anagram set by the other words made of `word`'s letters; false (and no set)
    // when there are none.
    bool FindAnagrams(std::string_view word);
    std::vector<std::string> Anagrams(std::string_view word) override;
    AnagramSet* Anagrams() { return anagrams_ ? &*anagrams_ : nullptr; }

private:
    struct Candidate {
        WordCodeValue word = 0;
        std::string wordClass;
    };

    std::optional<Candidate> CandidateAt(int key);
    std::string ReachableClass(std::string_view wantedClass, bool only);
    std::vector<std::string> LevelsWithWords();

    sql::Database& db_;
    RandomSource& random_;
    std::array<std::optional<sql::Statement>, 4> knownWord_;
    std::optional<sql::Statement> candidateAt_;
    std::vector<std::string> usedWords_;
    std::optional<AnagramSet> anagrams_;
    SuggestionTables suggestions_;
};

} // namespace lexel
