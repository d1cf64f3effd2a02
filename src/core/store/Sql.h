#pragma once

// A small RAII layer over SQLCipher's C API: an encrypted database connection, prepared
// statements with bound parameters, and transactions. Errors are thrown as sql::Error carrying
// the engine's own message.

#include "core/base/StorageError.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace lexel::sql {

class Error : public StorageError {
public:
    Error(int code, const std::string& message) : StorageError(message), code_(code) {}
    int code() const { return code_; }
    // The file itself is damaged or no database: no later try can succeed.
    bool FileDamaged() const override;

private:
    int code_;
};

class Statement;

class Database {
public:
    enum class Mode { OpenExisting, CreateNew };

    // Opens `file` and sets the key; nothing is read until the first statement runs, so a
    // wrong key or a file that is no database shows up there. Neither the file nor its journal
    // is opened through a symbolic link. Defensive: the schema cannot be written by pragma and
    // its triggers and views call no function with side effects.
    static Database Open(const std::filesystem::path& file, Mode mode, std::string_view key);

    Database(Database&& other) noexcept;
    Database& operator=(Database&& other) noexcept;
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;
    ~Database();

    // Runs one or more statements without parameters (schema, pragmas).
    void Execute(std::string_view sql);
    Statement Prepare(std::string_view sql);

    bool IsOpen() const { return db_ != nullptr; }
    bool IsReadOnly() const;
    // True when the file's name no longer leads to the file that was opened: it was renamed,
    // deleted or replaced meanwhile, and writes would go where nobody finds them.
    bool HasMoved() const;
    void Close();

private:
    explicit Database(sqlite3* db) : db_(db) {}
    sqlite3* db_ = nullptr;

    friend class Statement;
    friend class Transaction;
};

class Statement {
public:
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    // Parameters count from 1, as in SQL.
    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, std::string_view value);
    Statement& BindNull(int index);

    // Advances to the next row: true while there is one.
    bool Step();
    // Runs a statement that returns no rows, then resets it for the next use.
    void Run();
    // Makes the statement ready to run again; bound values stay.
    void Reset();

    std::int64_t Int(int column) const;
    std::string Text(int column) const;
    bool IsNull(int column) const;

private:
    Statement(sqlite3* db, sqlite3_stmt* stmt) : db_(db), stmt_(stmt) {}
    void Check(int rc) const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;

    friend class Database;
};

// Rolls back on destruction unless committed, so an exception leaves the data as it was. Inside
// another transaction it is a part of that one: its commit keeps its changes for the outer one
// to commit, its rollback undoes its own changes only.
class Transaction {
public:
    enum class Kind { Deferred, Exclusive };

    explicit Transaction(Database& db, Kind kind = Kind::Deferred);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void Commit();

private:
    Database& db_;
    bool nested_;
    bool open_ = true;
};

// Convenience for single-value queries: the first column of the first row, if any.
std::optional<std::int64_t> QueryInt(Database& db, std::string_view sql);

} // namespace lexel::sql
