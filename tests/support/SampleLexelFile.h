#pragma once

// Small Lexel files for tests, made through the same generator as the real one.

#include "SourceLists.h"
#include "core/store/Sql.h"

#include <filesystem>
#include <string>
#include <vector>

namespace lexel::test {

// A handful of words per table, every level 1..4 present, one anagram group
// (planet, platen) and a word without anagrams.
SourceLists SampleLists();

// Creates `file` from `lists` (SampleLists() by default).
void CreateSampleFile(const std::filesystem::path& file, const SourceLists& lists = SampleLists());

// Creates `file` from `lists` and opens it as the game does.
sql::Database OpenSampleFile(const std::filesystem::path& file,
                             const SourceLists& lists = SampleLists());

// The Options row's value as another reader of the file sees it: "<null>", "<no row>".
std::string StoredOption(sql::Database& db, const std::string& key);

// Reads a whole file, to prove that a failed operation wrote nothing.
std::string FileBytes(const std::filesystem::path& file);

} // namespace lexel::test
