#include "LexelFile.h"

#include "Schema.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
// Without blocking: a named pipe in its place would otherwise wait for a writer for ever.
// Never through a link: the game writes to what it opens.
void RequireReadableFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == ELOOP) {
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotOpenable,
                                "The file is a symbolic link, which Lexel does not follow.");
    }
    if (fd < 0) {
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotFound, std::strerror(errno));
    }
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    if (!regular) {
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotOpenable,
                                "unable to open database file");
    }
}

// The game makes no trigger and no view; one in the file was put there by someone else, to run
// its own statements whenever the game reads or writes.
void RequireNoCodeInSchema(sql::Database& db) {
    if (sql::QueryInt(db, "SELECT EXISTS (SELECT 1 FROM sqlite_master "
                          "WHERE type IN ('trigger', 'view'))")
            .value_or(0) != 0) {
        throw sql::Error(0, "not a Lexel file: it holds a trigger or a view");
    }
}

// A copy cut short inside its last page would open and fail at the first read of that page.
void RequireWholePages(sql::Database& db, const std::filesystem::path& file) {
    const auto pages = sql::QueryInt(db, "PRAGMA page_count").value_or(0);
    const auto pageSize = sql::QueryInt(db, "PRAGMA page_size").value_or(0);
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error || static_cast<std::uintmax_t>(pages * pageSize) != size) {
        throw sql::Error(0, "database disk image is malformed");
    }
}

// The game draws its hidden word from w6s and checks the guesses of lines 1 to 8 against w3 to
// w5; a file without them could not start a game or take a line. (w6 holds anagram groups
// only and may be empty.)
void RequireWords(sql::Database& db) {
    constexpr std::array<std::string_view, 4> Checks{
        "SELECT EXISTS (SELECT 1 FROM w3)", "SELECT EXISTS (SELECT 1 FROM w4)",
        "SELECT EXISTS (SELECT 1 FROM w5)",
        "SELECT EXISTS (SELECT 1 FROM w6s WHERE trim(Class) <> '')"};
    for (const auto check : Checks) {
        if (sql::QueryInt(db, check).value_or(0) == 0) {
            throw sql::Error(0, "the word tables are empty");
        }
    }
}

// The game writes to the file later on; a place that cannot take the journal of a write (a
// read-only directory) is found now, before a game depends on it. The write changes nothing
// and is rolled back with the transaction it runs in.
void RequireWritable(sql::Database& db) {
    const auto version = sql::QueryInt(db, "PRAGMA user_version").value_or(0);
    db.Execute("PRAGMA user_version = " + std::to_string(version));
}

bool IsPresent(const std::filesystem::path& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

// A trial write that found no room leaves the journal it began, empty or cut inside its 28-byte
// header; such a journal holds nothing to roll back, and a refused start should leave no trace.
void RemoveEmptyJournal(const std::filesystem::path& journal) {
    constexpr off_t JournalHeader = 28;
    struct stat status {};
    if (::lstat(journal.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
        status.st_size < JournalHeader) {
        ::unlink(journal.c_str());
    }
}

} // namespace

sql::Database OpenLexelFile(const std::filesystem::path& file) {
    RequireReadableFile(file);
    auto journal = file;
    journal += "-journal";
    const bool journalBefore = IsPresent(journal);
    try {
        auto db = OpenKeyed(file, sql::Database::Mode::OpenExisting);
        // A page cache large enough for the history's indexes: the statistics window then
        // decrypts their pages once per run, not at every opening. It grows only as used.
        db.Execute("PRAGMA locking_mode = EXCLUSIVE; PRAGMA journal_mode = DELETE; "
                   "PRAGMA cache_size = -65536;");
        if (db.IsReadOnly()) {
            throw sql::Error(0, "attempt to write a readonly database");
        }
        // An exclusive transaction takes the file lock, which exclusive locking mode then
        // keeps until the file is closed: no second process can open it meanwhile. It ends
        // in a rollback unless a table was added, so the checks leave the file as it was.
        {
            sql::Transaction hold(db, sql::Transaction::Kind::Exclusive);
            RequireNoCodeInSchema(db);
            CheckSchema(db);
            RequireWholePages(db, file);
            RequireWords(db);
            RequireWritable(db);
            // A file from before the game history, or from before a part of it, gets what it
            // lacks: the one thing written here.
            if (AddHistoryTables(db)) {
                hold.Commit();
            }
        }
        return db;
    } catch (const sql::Error& e) {
        if (!journalBefore) {
            RemoveEmptyJournal(journal);
        }
        throw DatabaseOpenError(DatabaseOpenError::Kind::NotOpenable, e.what());
    }
}

void RequireFileInPlace(const sql::Database& db) {
    if (db.HasMoved()) {
        throw sql::Error(0, "the file Lexel.lxl was moved or deleted while the game ran");
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
