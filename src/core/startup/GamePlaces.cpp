#include "GamePlaces.h"

#include "PrivateFiles.h"
#include "ShippedWords.h"
#include "core/store/LexelFile.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace lexel {

namespace fs = std::filesystem;

namespace {

// Anything of that name counts, even a link, a folder or a file that cannot be written: the
// open then names what is wrong with it, rather than a file somewhere else.
bool HasOwnDatabase(const fs::path& programDirectory) {
    std::error_code error;
    return fs::symlink_status(programDirectory / DatabaseFileName, error).type() !=
           fs::file_type::not_found;
}

fs::path HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    struct passwd entry {};
    struct passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr && *found->pw_dir != '\0') {
        return found->pw_dir;
    }
    return {};
}

} // namespace

fs::path RunningProgramDirectory() {
    return fs::canonical("/proc/self/exe").parent_path();
}

fs::path InstalledShareDirectory(const fs::path& programDirectory) {
    return programDirectory.parent_path() / "share" / "lexel";
}

fs::path UserDataDirectory() {
    fs::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME");
        data != nullptr && fs::path(data).is_absolute()) {
        base = data;
    } else if (const auto home = HomeDirectory(); !home.empty()) {
        base = home / ".local" / "share";
    } else {
        return {};
    }
    return base / "Morvane" / "Lexel";
}

GamePlaces FindGamePlaces(const fs::path& programDirectory, const fs::path& userDataDirectory) {
    if (HasOwnDatabase(programDirectory)) {
        return {programDirectory, programDirectory, {}};
    }
    if (userDataDirectory.empty()) {
        throw FileError({}, "no home folder: HOME is not set and the system names none");
    }
    MakePrivateDirectories(userDataDirectory);
    RequireOwnDirectory(userDataDirectory);
    const auto share = InstalledShareDirectory(programDirectory);
    return {userDataDirectory, share, share};
}

void ProvideUserFile(const GamePlaces& places) {
    if (places.wordLists.empty()) {
        return;
    }
    const auto userFile = places.dataDirectory / DatabaseFileName;
    std::error_code error;
    if (fs::symlink_status(userFile, error).type() == fs::file_type::not_found &&
        HasShippedWords(places.wordLists)) {
        CreateFileFromShippedWords(places.wordLists, userFile);
    }
    RequireOwnFile(userFile);
}

} // namespace lexel
