#pragma once

// Word lists as an installed game ships them (share/lexel/words/*.txt and quotes.tsv), written
// from SourceLists, so a test can install any words it needs.

#include "SampleLexelFile.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace lexel::test {

inline void WriteLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::ofstream out(file);
    for (const auto& line : lines) {
        out << line << '\n';
    }
}

// Writes `lists` below `shareDirectory` in the layout ReadSourceLists reads.
inline void WriteWordLists(const std::filesystem::path& shareDirectory,
                           const SourceLists& lists = SampleLists()) {
    const auto words = shareDirectory / "words";
    std::filesystem::create_directories(words);
    for (std::size_t i = 0; i < lists.guesses.size(); ++i) {
        WriteLines(words / ("raw" + std::to_string(i + 3) + ".txt"), lists.guesses[i]);
    }
    std::vector<std::string> six, except, quotes{"Title\tSource\tQuote"};
    for (const auto& w : lists.sixLetters) {
        six.push_back(w.wordClass.empty() ? w.word : w.word + '\t' + w.wordClass);
    }
    for (auto word : lists.except) {
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        except.push_back(word);
    }
    for (const auto& q : lists.quotes) {
        quotes.push_back(q.title + '\t' + q.source + '\t' + q.quote);
    }
    WriteLines(words / "raw6.txt", six);
    WriteLines(words / "except.txt", except);
    WriteLines(shareDirectory / "quotes.tsv", quotes);
}

} // namespace lexel::test
