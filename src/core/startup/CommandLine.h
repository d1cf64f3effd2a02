#pragma once

// The program's own command line: --help and --version (-h, -v) answer on standard output and
// end the program before any window or file is opened. Options of one dash that are not the
// program's (-platform, -display, -style and the like) belong to the Qt toolkit and are left to
// it; any other option of two dashes is unknown.

#include <optional>
#include <ostream>

namespace lexel {

// Answers the command line when it asks something of the program and returns the exit code
// then (0 for --help and --version, 2 with the usage on `error` for an unknown option); none
// when the game is to start.
std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& error);

} // namespace lexel
