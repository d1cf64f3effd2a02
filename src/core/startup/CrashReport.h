#pragma once

// Evidence a player can send when the game ends without a word: a signal that kills it (a
// crash, an abort) or a fatal message of Qt's appends a short report to Lexel-crash.txt in the
// data folder: the version, the program's build id and load address, which the package's debug
// symbols answer to, and a backtrace. The next start tells the player that it is there.

#include <QString>
#include <filesystem>
#include <optional>

namespace lexel {

inline constexpr const char* CrashReportName = "Lexel-crash.txt";

// Installs the handlers for the rest of the process.
void InstallCrashReport(const std::filesystem::path& dataDirectory);

// The report, once after each crash that added to it: the next start tells of it.
std::optional<std::filesystem::path> NewCrashReport(const std::filesystem::path& dataDirectory);

// What the player is told of it, in the player's language.
QString CrashReportMessage(const std::filesystem::path& report);

} // namespace lexel
