#include "Sql.h"

#define SQLITE_HAS_CODEC 1
#include <fcntl.h>
#include <mutex>
#include <sqlite3.h>
#include <utility>

namespace lexel::sql {

bool Error::FileDamaged() const {
    const int primary = code_ & 0xff; // an extended code keeps its primary one in the low byte
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

namespace {

[[noreturn]] void Throw(sqlite3* db, int rc) {
    throw Error(rc, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

// The engine's own open, for the database and its journal alike, with O_NOFOLLOW: a link
// planted where the journal will be made would have the engine write its pages into the file
// the link names.
int OpenWithoutFollowing(const char* file, int flags, int mode) {
    return ::open(file, flags | O_NOFOLLOW, mode);
}

void RefuseSymbolicLinks() {
    static std::once_flag once;
    std::call_once(once, [] {
        sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
        if (vfs != nullptr && vfs->iVersion >= 3 && vfs->xSetSystemCall != nullptr) {
            vfs->xSetSystemCall(vfs, "open",
                                reinterpret_cast<sqlite3_syscall_ptr>(&OpenWithoutFollowing));
        }
    });
}

// Known to engines from SQLite 3.26 and 3.31 on; the SQLCipher of Debian 12 is built on 3.15
// and its header lacks them. The second is what PRAGMA trusted_schema = OFF sets.
constexpr int DefensiveConfig = 1010;     // SQLITE_DBCONFIG_DEFENSIVE
constexpr int TrustedSchemaConfig = 1017; // SQLITE_DBCONFIG_TRUSTED_SCHEMA

// A crafted file must not run what its schema holds with the game's rights: no writes to the
// schema by pragma, and no function with side effects called from a trigger or a view. An
// older engine has neither setting; there the game's refusal of triggers and views is the guard.
void Defend(sqlite3* db) {
    const struct {
        int config, value, since;
    } settings[] = {{DefensiveConfig, 1, 3026000}, {TrustedSchemaConfig, 0, 3031000}};
    for (const auto& setting : settings) {
        if (sqlite3_libversion_number() < setting.since) {
            continue;
        }
        if (const int rc = sqlite3_db_config(db, setting.config, setting.value, nullptr);
            rc != SQLITE_OK) {
            Throw(db, rc);
        }
    }
}

} // namespace

Database Database::Open(const std::filesystem::path& file, Mode mode, std::string_view key) {
    RefuseSymbolicLinks();
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == Mode::CreateNew) {
        flags |= SQLITE_OPEN_CREATE;
    }
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(file.c_str(), &raw, flags, nullptr);
    Database db(raw);
    if (rc != SQLITE_OK) {
        Throw(raw, rc);
    }
    sqlite3_extended_result_codes(raw, 1);
    Defend(raw);
    // No key: a plain file.
    if (!key.empty()) {
        if (const int krc = sqlite3_key(raw, key.data(), static_cast<int>(key.size()));
            krc != SQLITE_OK) {
            throw Error(krc, sqlite3_errstr(krc));
        }
    }
    return db;
}

Database::Database(Database&& other) noexcept : db_(std::exchange(other.db_, nullptr)) {}

Database& Database::operator=(Database&& other) noexcept {
    if (this != &other) {
        Close();
        db_ = std::exchange(other.db_, nullptr);
    }
    return *this;
}

Database::~Database() {
    Close();
}

void Database::Close() {
    // Statements are finalized by their owners first; close_v2 defers until they are.
    if (db_ != nullptr) {
        sqlite3_close_v2(std::exchange(db_, nullptr));
    }
}

bool Database::IsReadOnly() const {
    return db_ != nullptr && sqlite3_db_readonly(db_, "main") == 1;
}

bool Database::HasMoved() const {
    int moved = 0;
    return db_ != nullptr &&
           sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK &&
           moved != 0;
}

void Database::Execute(std::string_view sql) {
    const std::string text(sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string what = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw Error(rc, what);
    }
}

Statement Database::Prepare(std::string_view sql) {
    sqlite3_stmt* stmt = nullptr;
    const int rc =
        sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt);
        Throw(db_, rc);
    }
    return Statement(db_, stmt);
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_), stmt_(std::exchange(other.stmt_, nullptr)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        db_ = other.db_;
        stmt_ = std::exchange(other.stmt_, nullptr);
    }
    return *this;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::Check(int rc) const {
    if (rc != SQLITE_OK) {
        Throw(db_, rc);
    }
}

Statement& Statement::Bind(int index, std::int64_t value) {
    Check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement& Statement::Bind(int index, std::string_view value) {
    Check(sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT));
    return *this;
}

Statement& Statement::BindNull(int index) {
    Check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool Statement::Step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) {
        return true;
    }
    if (rc == SQLITE_DONE) {
        return false;
    }
    const std::string what = sqlite3_errmsg(db_);
    sqlite3_reset(stmt_);
    throw Error(rc, what);
}

void Statement::Run() {
    while (Step()) {
    }
    Reset();
}

void Statement::Reset() {
    sqlite3_reset(stmt_);
}

std::int64_t Statement::Int(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

std::string Statement::Text(int column) const {
    const auto* text = sqlite3_column_text(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
                : std::string();
}

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

Transaction::Transaction(Database& db, Kind kind)
    : db_(db), nested_(sqlite3_get_autocommit(db.db_) == 0) {
    if (nested_) {
        db_.Execute("SAVEPOINT nested");
    } else {
        db_.Execute(kind == Kind::Exclusive ? "BEGIN EXCLUSIVE" : "BEGIN");
    }
}

Transaction::~Transaction() {
    if (open_) {
        try {
            db_.Execute(nested_ ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK");
        } catch (const Error&) {
            // The engine may already have rolled back after the error that brought us here.
        }
    }
}

void Transaction::Commit() {
    db_.Execute(nested_ ? "RELEASE nested" : "COMMIT");
    open_ = false;
}

std::optional<std::int64_t> QueryInt(Database& db, std::string_view sql) {
    auto statement = db.Prepare(sql);
    if (!statement.Step() || statement.IsNull(0)) {
        return std::nullopt;
    }
    return statement.Int(0);
}

} // namespace lexel::sql
