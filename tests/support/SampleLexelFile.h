#pragma once

// Small Lexel files for tests, made through the same generator as the real one.

#include "DatabaseGenerator.h"
#include "SampleLists.h"
#include "core/store/LexelFile.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace lexel::test {

// Creates `file` from `lists` (SampleLists() by default).
inline void CreateSampleFile(const std::filesystem::path& file,
                             const SourceLists& lists = SampleLists()) {
    CreateDatabase(lists, file);
}

// Creates `file` from `lists` and opens it as the game does.
inline sql::Database OpenSampleFile(const std::filesystem::path& file,
                                    const SourceLists& lists = SampleLists()) {
    CreateDatabase(lists, file);
    return OpenLexelFile(file);
}

// The Options row's value as another reader of the file sees it: "<null>", "<no row>".
inline std::string StoredOption(sql::Database& db, const std::string& key) {
    auto select = db.Prepare("SELECT COALESCE(Value, '<null>') FROM Options WHERE Name = ?");
    select.Bind(1, key);
    return select.Step() ? select.Text(0) : "<no row>";
}

// Reads a whole file, to prove that a failed operation wrote nothing.
inline std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace lexel::test
