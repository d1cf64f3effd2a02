#pragma once

// The Options rows of the Lexel file: one text value per key, each write committed at once.

#include "core/store/Sql.h"

#include <optional>
#include <string>
#include <string_view>

namespace lexel {

class SettingsStore {
public:
    // `db` must outlive the store.
    explicit SettingsStore(sql::Database& db);

    // The row's value with blanks around it removed; a null or blob value is "". A known key
    // without a row gets its row back with the default value, so one lost row costs neither a crash
    // nor the other settings.
    std::string ReadOption(std::string_view key);

    // Sets the row's value and commits it; a missing row is created. Throws sql::Error, and
    // writes nothing, when the file was moved or deleted since it was opened.
    void WriteOption(std::string_view key, std::string_view value);

    // Reads a counter, adds 1 and writes it back as decimal text; text that is no number
    // counts as 0.
    void IncrementCounter(std::string_view key);

    sql::Database& database() { return db_; }

private:
    sql::Database& db_;
    std::optional<sql::Statement> read_;
    std::optional<sql::Statement> write_;
};

} // namespace lexel
