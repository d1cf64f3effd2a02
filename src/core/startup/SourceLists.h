#pragma once

// The committed source lists of data/ and their way into a Lexel file: the raw word tables,
// the exception list, the quotations and the initial Options rows.

#include <array>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexel {

namespace sql {
class Database;
}

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct SixLetterSource {
    std::string word;
    std::string wordClass; // "" for a word that is never hidden
};

struct QuoteSource {
    std::string title;
    std::string source;
    std::string quote;
};

struct SourceLists {
    std::array<std::vector<std::string>, 3> guesses; // 3, 4 and 5 letters
    std::vector<SixLetterSource> sixLetters;
    std::vector<std::string> except; // upper case
    std::vector<QuoteSource> quotes;
    // The fingerprint of the files the lists were read from (WordDataVersion.h); empty for
    // lists made in memory.
    std::string filesVersion{};
};

// Reads words/raw3.txt .. raw6.txt, words/except.txt and quotes.tsv below `dataDir`, with the
// fingerprint of their bytes.
// Throws SourceError naming the file and line of anything malformed, and the word of raw6.txt
// that has a level though it is on the except list.
SourceLists ReadSourceLists(const std::filesystem::path& dataDir);

// Replaces raw3..raw6, Except and Quotes by `lists` in one transaction and stores their
// fingerprint (WordDataVersion.h); raw6 gets each word's sorted letters and the size of its
// anagram group.
void LoadSourceLists(sql::Database& db, const SourceLists& lists);

// Adds every Options row that is missing with its default; existing rows keep their values.
void AddMissingOptions(sql::Database& db);

} // namespace lexel
