#include "ShippedWords.h"

#include "PrivateFiles.h"
#include "WordDataVersion.h"
#include "core/store/LexelFile.h"
#include "core/store/TableBuilder.h"

#include <exception>

namespace lexel {

namespace fs = std::filesystem;

namespace {

// The game cannot start without guesses of every length and a word to hide; lists without them
// are a broken installation, not new words.
void RequireWords(const BuildCounts& counts) {
    if (counts.w3 == 0 || counts.w4 == 0 || counts.w5 == 0 || counts.w6s == 0) {
        throw BuildError("the shipped word lists are empty");
    }
}

// What the generator's `create` does, minus the options a player's file keeps.
void Fill(sql::Database& db, const SourceLists& lists) {
    LoadSourceLists(db, lists);
    AddMissingOptions(db);
    RequireWords(BuildWordTables(db));
}

} // namespace

bool HasShippedWords(const fs::path& shareDirectory) {
    std::error_code error;
    return fs::is_regular_file(shareDirectory / "words" / "raw6.txt", error);
}

// Built under a name of its own, then copied into place: the copy makes the file owner-only
// whatever the umask, and replaces rather than follows a link planted on the way. A link left
// where the build or its journal goes is removed first, never written through.
void CreateFileFromShippedWords(const fs::path& shareDirectory, const fs::path& file) {
    auto made = file;
    made += ".made";
    auto journal = made;
    journal += "-journal";
    std::error_code ignored;
    fs::remove(made, ignored);
    fs::remove(journal, ignored);
    try {
        const auto lists = ReadSourceLists(shareDirectory);
        {
            auto db = CreateLexelFile(made);
            sql::Transaction transaction(db);
            Fill(db, lists);
            transaction.Commit();
        }
        CopyPrivateFile(made, file);
    } catch (const FileError&) {
        fs::remove(made, ignored);
        throw;
    } catch (const std::exception& e) {
        fs::remove(made, ignored);
        throw FileError(file, e.what());
    }
    fs::remove(made, ignored);
}

WordRefresh RefreshWords(sql::Database& db, const SourceLists& lists) {
    try {
        if (StoredWordDataVersion(db) == WordDataVersion(lists)) {
            return WordRefresh::Current;
        }
        sql::Transaction transaction(db, sql::Transaction::Kind::Exclusive);
        Fill(db, lists);
        transaction.Commit();
        return WordRefresh::Refreshed;
    } catch (const std::exception&) {
        return WordRefresh::Refused;
    }
}

// Every installed start comes here: an unchanged installation costs reading the files' bytes
// and hashing them; the lists are parsed only when they differ from the file's.
WordRefresh RefreshShippedWords(sql::Database& db, const fs::path& shareDirectory) {
    try {
        if (StoredWordDataVersion(db) == ShippedWordsVersion(shareDirectory)) {
            return WordRefresh::Current;
        }
        return RefreshWords(db, ReadSourceLists(shareDirectory));
    } catch (const std::exception&) {
        return WordRefresh::Refused;
    }
}

} // namespace lexel
