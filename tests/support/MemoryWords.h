#pragma once

// The game's words kept in memory, from lists like those the word tables are built from: a game's
// rules played without a file.

#include "core/base/AsciiCase.h"
#include "core/ports/WordSource.h"
#include "core/startup/SourceLists.h"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace lexel::test {

class MemoryWords final : public WordSource {
public:
    // Every game hides `hidden`.
    explicit MemoryWords(const SourceLists& lists, std::string hidden = "garden")
        : lists_(lists), hidden_(std::move(hidden)) {
        for (const auto& words : lists.guesses) {
            known_.insert(words.begin(), words.end());
        }
        for (const auto& six : lists.sixLetters) {
            known_.insert(six.word);
        }
    }

    bool IsKnownWord(std::string_view word) override { return known_.contains(std::string(word)); }
    std::string PickHiddenWord(Level, bool) override { return hidden_; }

    // In alphabetical order, as the word tables keep them.
    std::vector<std::string> DrawableWords(Level level, bool only) override {
        std::vector<std::string> words;
        for (const auto& six : lists_.sixLetters) {
            const int wanted = LevelNumber(level);
            const int of = six.wordClass.empty() ? 0 : std::stoi(six.wordClass);
            if (of == wanted || (!only && of > 0 && of < wanted)) {
                words.push_back(six.word);
            }
        }
        std::ranges::sort(words);
        return words;
    }

    const SuggestionTable& Suggestions(int length) override {
        auto& table = tables_.at(static_cast<std::size_t>(length - ShortestTableWord));
        if (table.words.empty()) {
            std::set<std::string> words;
            for (const auto& word : known_) {
                if (static_cast<int>(word.size()) == length) {
                    words.insert(AsciiUpper(word));
                }
            }
            table.words.assign(words.begin(), words.end());
            table.except.insert(lists_.except.begin(), lists_.except.end());
        }
        return table;
    }

    std::vector<std::string> Anagrams(std::string_view) override { return {}; }

private:
    SourceLists lists_;
    std::string hidden_;
    std::set<std::string> known_;
    std::array<SuggestionTable, LongestTableWord - ShortestTableWord + 1> tables_;
};

} // namespace lexel::test
