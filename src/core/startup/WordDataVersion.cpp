#include "WordDataVersion.h"

#include <cstdint>
#include <cstdio>

namespace lexel {
namespace {

// FNV-1a: small, fixed and the same everywhere; it tells lists apart, it guards nothing.
class Fingerprint {
public:
    void Add(std::string_view text) {
        for (const char c : text) {
            AddByte(static_cast<unsigned char>(c));
        }
        AddByte(0); // ends the field, so "ab"+"c" and "a"+"bc" differ
    }
    void EndList() { AddByte(0x1e); }

    std::string Hex() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

private:
    void AddByte(unsigned char byte) { hash_ = (hash_ ^ byte) * 0x100000001b3ULL; }
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

} // namespace

std::string WordDataVersion(const SourceLists& lists) {
    Fingerprint print;
    for (const auto& guesses : lists.guesses) {
        for (const auto& word : guesses) {
            print.Add(word);
        }
        print.EndList();
    }
    for (const auto& six : lists.sixLetters) {
        print.Add(six.word);
        print.Add(six.wordClass);
    }
    print.EndList();
    for (const auto& word : lists.except) {
        print.Add(word);
    }
    print.EndList();
    for (const auto& quote : lists.quotes) {
        print.Add(quote.title);
        print.Add(quote.source);
        print.Add(quote.quote);
    }
    print.EndList();
    return print.Hex();
}

std::string StoredWordDataVersion(sql::Database& db) {
    auto select = db.Prepare("SELECT COALESCE(Value, '') FROM Options WHERE Name = ?");
    select.Bind(1, WordDataOption);
    return select.Step() ? select.Text(0) : std::string();
}

void StoreWordDataVersion(sql::Database& db, const SourceLists& lists) {
    auto write = db.Prepare("INSERT OR REPLACE INTO Options (Name, Value) VALUES (?, ?)");
    write.Bind(1, WordDataOption).Bind(2, WordDataVersion(lists)).Run();
}

} // namespace lexel
