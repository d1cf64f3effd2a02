#include "SampleLexelFile.h"

#include "DatabaseGenerator.h"
#include "core/store/LexelFile.h"

#include <fstream>
#include <iterator>

namespace lexel::test {

SourceLists SampleLists() {
    SourceLists lists;
    lists.guesses = {
        {{"abc", "dog", "ten", "pan"}, {"plan", "tale", "note"}, {"plane", "petal", "table"}}};
    lists.sixLetters = {{"planet", "1"}, {"platen", ""},  {"garden", "2"}, {"danger", "3"},
                        {"silver", "4"}, {"bobbin", "2"}, {"jumped", ""}};
    lists.except = {"DOG"};
    lists.quotes = {{"Patience", "A Proverb", "Slow and steady."}};
    return lists;
}

void CreateSampleFile(const std::filesystem::path& file, const SourceLists& lists) {
    CreateDatabase(lists, file);
}

sql::Database OpenSampleFile(const std::filesystem::path& file, const SourceLists& lists) {
    CreateDatabase(lists, file);
    return OpenLexelFile(file);
}

std::string StoredOption(sql::Database& db, const std::string& key) {
    auto select = db.Prepare("SELECT COALESCE(Value, '<null>') FROM Options WHERE Name = ?");
    select.Bind(1, key);
    return select.Step() ? select.Text(0) : "<no row>";
}

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace lexel::test
