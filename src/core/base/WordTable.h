#pragma once

// The words of one length as Suggest Word searches them: in capitals, in the word table's
// stored order, with the exception list of words never to be offered.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace lexel {

// The lengths that have a word table.
inline constexpr int ShortestTableWord = 3;
inline constexpr int LongestTableWord = 6;

// Hashes text of any kind, so the exception list is searched without copying the word.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const {
        return std::hash<std::string_view>{}(text);
    }
};

using ExceptKeys = std::unordered_set<std::string, TextHash, std::equal_to<>>;

struct SuggestionTable {
    std::vector<std::string> words; // capitals, in stored order
    ExceptKeys except;              // capitals

    // `word` (capitals) is on the exception list.
    bool IsExcepted(std::string_view word) const { return except.find(word) != except.end(); }
};

} // namespace lexel
