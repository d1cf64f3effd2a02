#pragma once

// Where the game finds its files. Run from its own folder (a build tree or an unpacked copy
// with a Lexel.lxl beside the program), it uses that folder, whatever is wrong with the file
// there. Installed, it keeps each user's Lexel.lxl in the user's data folder, made there from
// the installed word lists on the first start (ShippedWords.h); nothing is ever written beside
// the installed program.

#include <filesystem>

namespace lexel {

struct GamePlaces {
    std::filesystem::path dataDirectory; // holds Lexel.lxl and the instance lock
    std::filesystem::path helpDirectory; // holds Lexel_E.rcc and Lexel_D.rcc
    std::filesystem::path wordLists;     // the installed word lists; none in the program's folder
};

// The directory of the running program, known before the application object exists.
std::filesystem::path RunningProgramDirectory();

// The installed read-only files of a program in `<prefix>/games` (or `bin`):
// `<prefix>/share/lexel`.
std::filesystem::path InstalledShareDirectory(const std::filesystem::path& programDirectory);

// The user's data folder for the game, by the XDG rules: `$XDG_DATA_HOME/Morvane/Lexel` when
// that is an absolute path, else `~/.local/share/Morvane/Lexel`, the home being $HOME or, when
// that is unset or empty, the one the system names for the user. Empty when there is no home.
std::filesystem::path UserDataDirectory();

// Finds the places for a program in `programDirectory`, with `userDataDirectory` as the user's
// data folder, and makes that folder (owner only). Throws FileError when it cannot be made,
// NotOwnError when it is there but not the player's own (a link, another user's, open to
// others). A Lexel.lxl beside the program is used whoever owns it.
GamePlaces FindGamePlaces(const std::filesystem::path& programDirectory,
                          const std::filesystem::path& userDataDirectory);

// Makes the user's Lexel.lxl from the installed word lists when the user has none yet; when
// there are no lists either, opening the database there reports the missing file. Called
// under the instance lock, so that of two first starts only one makes it. Throws FileError, or
// NotOwnError when the user's Lexel.lxl belongs to someone else.
void ProvideUserFile(const GamePlaces& places);

} // namespace lexel
