#include "CommandLine.h"

#include <string_view>

namespace lexel {
namespace {

constexpr std::string_view Usage = "Usage: lexel [--help] [--version]\n"
                                   "Morvane Lexel: find the hidden six-letter word.\n"
                                   "\n"
                                   "  -h, --help     show this help and end\n"
                                   "  -v, --version  show the version and end\n"
                                   "\n"
                                   "Without an option the game starts; the options of the Qt "
                                   "toolkit (-platform, -style, ...) are taken too.\n";

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char* const* argv, std::ostream& out,
                                     std::ostream& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            out << Usage;
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            out << "Morvane Lexel " LEXEL_VERSION "\n";
            return 0;
        }
        if (argument.starts_with("--")) {
            error << "lexel: unknown option " << argument << "\n" << Usage;
            return 2;
        }
    }
    return std::nullopt;
}

} // namespace lexel
