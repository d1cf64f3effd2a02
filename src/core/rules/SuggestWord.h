#pragma once

// "Suggest Word": a real word for the guess line being edited that keeps the letters typed into
// it, avoids red letters and prefers untried, frequent and distinct letters. All words, patterns
// and letter sets are in capitals.

#include "core/base/RandomSource.h"
#include "core/base/WordTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lexel {

// Starts at 20000; each red letter costs 2000 per occurrence; each untried letter earns 200, plus
// 150 for E, S, A, R, I, T or 50 for O, L, N, D, U, C, plus 75 for a vowel; each letter that
// occurs again later in the word costs 200. Computed in 16 bits; words of up to six letters
// score between 7000 and 22550.
std::int16_t ScoreWord(std::string_view word, std::string_view red, std::string_view untried);

// A place of a pattern that any letter may take.
inline constexpr char FreeCell = '?';

// `word` has the pattern's length and the pattern's letter wherever the pattern has no "?".
bool MatchPattern(std::string_view pattern, std::string_view word);

// Every character of `letters` has its own occurrence in `word`: "EE" needs two E's.
bool ContainsLetters(std::string_view letters, std::string_view word);

// The best word of `table` (words of the pattern's length) for `pattern` ("?" for a free cell),
// or "" when there is none. The table is scanned once from record `start` (1-based, clamped to
// the table) round to the record before it for words that match the pattern; when none does,
// once more for words that contain the pattern's letters anywhere. Excepted words never count,
// nor does `avoid` (the word the line holds, when a suggestion should change it). Of the words
// found, the first with the highest ScoreWord in scan order wins.
std::string SuggestWord(const SuggestionTable& table, std::string_view pattern,
                        std::string_view red, std::string_view untried, int start,
                        std::string_view avoid = {});

// As above, with the start drawn from `random`. An empty table gives "" without a draw.
std::string SuggestWord(const SuggestionTable& table, RandomSource& random,
                        std::string_view pattern, std::string_view red, std::string_view untried,
                        std::string_view avoid = {});

} // namespace lexel
