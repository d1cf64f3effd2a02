#pragma once

// Evidence a player can send when the game ends without a word: a signal that kills it (a
// crash, an abort) or a fatal message of Qt's appends a short report, with a backtrace, to
// Lexel-crash.txt in the data folder.

#include <filesystem>

namespace lexel {

inline constexpr const char* CrashReportName = "Lexel-crash.txt";

// Installs the handlers for the rest of the process.
void InstallCrashReport(const std::filesystem::path& dataDirectory);

} // namespace lexel
