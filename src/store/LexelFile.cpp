#include "LexelFile.h"

#include "Schema.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace lexel {
namespace {

constexpr std::string_view Password = "tablet58";

// The password lives in the program, so slow key stretching protects nothing and only
// delays the start (2 ms at 4000 rounds, 33 ms at the default 64000); see the README for
// opening the file with the sqlcipher shell.
constexpr std::string_view CipherSettings = "PRAGMA kdf_iter = 256;";

sql::Database OpenKeyed(const std::filesystem::path& file, sql::Database::Mode mode) {
    auto db = sql::Database::Open(file, mode, Password);
    db.Execute(CipherSettings);
    return db;
}

// Only to learn whether the file can be found and read, with the system's reason if not.
void RequireReadableFile(const std::filesystem::path& file) {
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> handle(std::fopen(file.c_str(), "rb"),
                                                           &std::fclose);
    if (!handle) {
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotFound, std::strerror(errno));
    }
}

} // namespace

sql::Database OpenLexelFile(const std::filesystem::path& file) {
    RequireReadableFile(file);
    try {
        auto db = OpenKeyed(file, sql::Database::Mode::OpenExisting);
        db.Execute("PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = DELETE;");
        if (db.IsReadOnly()) {
            throw sql::Error(0, "attempt to write a readonly database");
        }
        // An exclusive transaction takes the file lock, which exclusive locking mode then
        // keeps until the file is closed: no second process can open it meanwhile.
        sql::Transaction hold(db, sql::Transaction::Kind::Exclusive);
        CheckSchema(db);
        hold.Commit();
        return db;
    } catch (const sql::Error& e) {
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotOpenable, e.what());
    }
}

sql::Database OpenLexelFileForMaintenance(const std::filesystem::path& file) {
    auto db = OpenKeyed(file, sql::Database::Mode::OpenExisting);
    CreateSchema(db);
    return db;
}

sql::Database CreateLexelFile(const std::filesystem::path& file) {
    auto db = OpenKeyed(file, sql::Database::Mode::CreateNew);
    CreateSchema(db);
    return db;
}

} // namespace lexel
