#pragma once

// The game's one database file, Lexel.lxl: encrypted with the program's password, opened
// exclusively by the game, with a rollback journal so no side file outlives a session.

#include "Sql.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace lexel {

inline constexpr std::string_view DatabaseFileName = "Lexel.lxl";

class DatabaseOpenError : public std::runtime_error {
public:
    enum class Kind { NotFound, NotOpenable };

    // `description` is the system's or the database engine's own description of the failure.
    DatabaseOpenError(Kind kind, const std::string& description)
        : std::runtime_error(description), kind_(kind) {}
    Kind kind() const { return kind_; }

private:
    Kind kind_;
};

// Opens an existing Lexel file for the game and holds it exclusively until closed. Writes
// nothing but the game-history table into a file that lacks it. Throws DatabaseOpenError when the
// file is missing, unreadable, not a Lexel file, encrypted with another password, read-only,
// missing a table or column, holding a trigger or a view, without words (or without a word that can
// be hidden), a symbolic link, or in use.
sql::Database OpenLexelFile(const std::filesystem::path& file);

// Throws sql::Error, for a write not to go where nobody finds it, when the file was moved or
// deleted since it was opened.
void RequireFileInPlace(const sql::Database& db);

// Opens an existing Lexel file for maintenance: keyed, every table created that is missing,
// no exclusive hold. Throws sql::Error.
sql::Database OpenLexelFileForMaintenance(const std::filesystem::path& file);

// Creates a new Lexel file with every table, empty. Throws sql::Error.
sql::Database CreateLexelFile(const std::filesystem::path& file);

} // namespace lexel
