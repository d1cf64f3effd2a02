#include "SuggestionTable.h"

#include "WordCode.h"
#include "core/base/AsciiCase.h"

namespace lexel {
namespace {

// CodeToWord gives a-z only, so no locale is needed.
std::string DecodeCapitals(WordCodeValue code, int length) {
    auto word = CodeToWord(code, length);
    for (auto& c : word) {
        c = static_cast<char>(c - 'a' + 'A');
    }
    return word;
}

std::vector<std::string> ReadWords(sql::Database& db, int length) {
    // Word is the table's integer key, so rowid order is the stored order.
    auto select = db.Prepare("SELECT Word FROM w" + std::to_string(length) + " ORDER BY rowid");
    std::vector<std::string> words;
    while (select.Step()) {
        words.push_back(DecodeCapitals(static_cast<WordCodeValue>(select.Int(0)), length));
    }
    return words;
}

// Keys are compared in capitals whatever case they were entered in, as a text key of the
// original file compares without regard to case.
ExceptKeys ReadExceptKeys(sql::Database& db) {
    auto select = db.Prepare("SELECT Word FROM \"Except\" WHERE Word IS NOT NULL");
    ExceptKeys keys;
    while (select.Step()) {
        keys.insert(AsciiUpper(select.Text(0)));
    }
    return keys;
}

} // namespace

SuggestionTable ReadSuggestionTable(sql::Database& db, int length) {
    if (length < ShortestTableWord || length > LongestTableWord) {
        return {};
    }
    return {ReadWords(db, length), ReadExceptKeys(db)};
}

const SuggestionTable& SuggestionTables::Table(int length) {
    if (length < ShortestTableWord || length > LongestTableWord) {
        return none_;
    }
    auto& table = tables_[static_cast<std::size_t>(length - ShortestTableWord)];
    if (!table) {
        table = ReadSuggestionTable(db_, length);
    }
    return *table;
}

} // namespace lexel
