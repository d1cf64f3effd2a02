#include "GamePlaces.h"

#include "store/LexelFile.h"

#include <unistd.h>

namespace lexel {

namespace fs = std::filesystem;

namespace {

bool IsWritable(const fs::path& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

// A copy beside the program that the program may change: a build tree or an unpacked copy.
bool HasOwnDatabase(const fs::path& programDirectory) {
    const auto file = programDirectory / DatabaseFileName;
    return fs::is_regular_file(file) && IsWritable(file) && IsWritable(programDirectory);
}

// Copied under another name and renamed, so an interrupted copy never looks like a database.
void CopyTemplate(const fs::path& from, const fs::path& to) {
    std::error_code error;
    auto partial = to;
    partial += ".new";
    if (fs::copy_file(from, partial, fs::copy_options::overwrite_existing, error)) {
        fs::permissions(partial, fs::perms::owner_read | fs::perms::owner_write,
                        fs::perm_options::replace, error);
        fs::rename(partial, to, error);
    }
    fs::remove(partial, error);
}

} // namespace

fs::path RunningProgramDirectory() {
    return fs::canonical("/proc/self/exe").parent_path();
}

fs::path InstalledShareDirectory(const fs::path& programDirectory) {
    return programDirectory.parent_path() / "share" / "lexel";
}

GamePlaces FindGamePlaces(const fs::path& programDirectory, const fs::path& userDataDirectory) {
    if (HasOwnDatabase(programDirectory)) {
        return {programDirectory, programDirectory};
    }
    const auto share = InstalledShareDirectory(programDirectory);
    std::error_code error;
    fs::create_directories(userDataDirectory, error); // the instance lock lives there too
    const auto userFile = userDataDirectory / DatabaseFileName;
    const auto templateFile = share / DatabaseFileName;
    if (!fs::exists(userFile) && fs::is_regular_file(templateFile)) {
        CopyTemplate(templateFile, userFile);
    }
    return {userDataDirectory, share};
}

} // namespace lexel
