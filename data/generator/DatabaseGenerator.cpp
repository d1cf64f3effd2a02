#include "DatabaseGenerator.h"

#include "core/startup/SourceLists.h"
#include "core/store/LexelFile.h"

#include <stdexcept>

namespace lexel {

namespace fs = std::filesystem;

namespace {

BuildCounts Fill(sql::Database& db, const SourceLists& lists) {
    LoadSourceLists(db, lists);
    AddMissingOptions(db);
    return BuildWordTables(db);
}

} // namespace

BuildCounts CreateDatabase(const fs::path& dataDir, const fs::path& file) {
    return CreateDatabase(ReadSourceLists(dataDir), file);
}

BuildCounts CreateDatabase(const SourceLists& lists, const fs::path& file) {
    if (fs::exists(file)) {
        throw std::runtime_error(file.string() + " exists already");
    }
    // Built beside the target and renamed into place, so no half-made file is ever seen.
    auto partial = file;
    partial += ".new";
    fs::remove(partial);
    try {
        auto db = CreateLexelFile(partial);
        const auto counts = Fill(db, lists);
        db.Close();
        fs::rename(partial, file);
        return counts;
    } catch (...) {
        fs::remove(partial);
        throw;
    }
}

BuildCounts SyncDatabase(const fs::path& dataDir, const fs::path& file) {
    if (!fs::exists(file)) {
        return CreateDatabase(dataDir, file);
    }
    const auto lists = ReadSourceLists(dataDir);
    auto db = OpenLexelFileForMaintenance(file);
    return Fill(db, lists);
}

BuildCounts RebuildTables(const fs::path& file) {
    if (!fs::exists(file)) {
        throw std::runtime_error(file.string() + " does not exist");
    }
    auto db = OpenLexelFileForMaintenance(file);
    return BuildWordTables(db);
}

} // namespace lexel
