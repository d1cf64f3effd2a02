#pragma once

// Where the game finds its files. Run from a build tree or an unpacked copy whose own
// directory holds a writable Lexel.lxl, it uses that directory, as ever. Installed, it keeps
// each user's Lexel.lxl in the user's data directory, copied there from the installed
// template on the first start; nothing is ever written beside the installed program.

#include <filesystem>
#include <optional>

namespace lexel {

struct GamePlaces {
    std::filesystem::path dataDirectory; // holds Lexel.lxl and the instance lock
    std::filesystem::path helpDirectory; // holds Lexel_E.rcc and Lexel_D.rcc
};

// The directory of the running program, known before the application object exists.
std::filesystem::path RunningProgramDirectory();

// The installed read-only files of a program in `<prefix>/bin`: `<prefix>/share/lexel`.
std::filesystem::path InstalledShareDirectory(const std::filesystem::path& programDirectory);

// Finds the places for a program in `programDirectory`, with `userDataDirectory` as the
// user's data directory. Copies the template into it when the user has no Lexel.lxl yet; when
// there is no template either, the data directory is returned all the same and opening the
// database there reports the missing file.
GamePlaces FindGamePlaces(const std::filesystem::path& programDirectory,
                          const std::filesystem::path& userDataDirectory);

} // namespace lexel
