// The suggestion's score stays in its range for any word of three to six capitals and any red
// and untried letters, and the search only ever answers with a word that fits.

#include "core/rules/SuggestWord.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string Capitals(const std::uint8_t* data, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += static_cast<char>('A' + data[i] % 26);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 16) {
        return 0;
    }
    const std::size_t length = 3 + data[0] % 4;
    const auto word = Capitals(data + 1, length);
    const auto red = Capitals(data + 7, data[13] % 5);
    const auto untried = Capitals(data + 8, data[14] % 8);
    const int score = lexel::ScoreWord(word, red, untried);
    if (score < 7000 || score > 22550) {
        std::abort();
    }

    lexel::SuggestionTable table;
    for (std::size_t at = 16; at + length <= size && table.words.size() < 64; at += length) {
        table.words.push_back(Capitals(data + at, length));
    }
    if (!table.words.empty() && data[15] % 3 == 0) {
        table.except.insert(table.words.front());
    }
    std::string pattern = word;
    for (std::size_t i = 0; i < length; ++i) {
        if (data[1 + i] % 3 != 0) {
            pattern[i] = '?';
        }
    }
    const auto found = lexel::SuggestWord(table, pattern, red, untried, 1 + data[15] % 7);
    if (!found.empty()) {
        std::string letters;
        for (const char c : pattern) {
            if (c != '?') {
                letters += c;
            }
        }
        const bool fits =
            lexel::MatchPattern(pattern, found) || lexel::ContainsLetters(letters, found);
        if (!fits || table.IsExcepted(found)) {
            std::abort();
        }
    }
    return 0;
}
