#include "core/startup/CommandLine.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace lexel {
namespace {

// The arguments, the exit code (-1: the game starts), the start of what goes to standard output
// and to standard error. Qt's own options of one dash start the game.
TEST(CommandLine, TheProgramsOptionsAnswerAndEndTheOthersStartTheGame) {
    const std::vector<std::tuple<std::vector<const char*>, int, const char*, const char*>> cases{
        {{}, -1, "", ""},
        {{"-platform", "offscreen"}, -1, "", ""},
        {{"--help"}, 0, "Usage: lexel", ""},
        {{"-style", "fusion", "-h"}, 0, "Usage: lexel", ""},
        {{"--version"}, 0, "Morvane Lexel " LEXEL_VERSION "\n", ""},
        {{"-v"}, 0, "Morvane Lexel ", ""},
        {{"--frobnicate", "--help"}, 2, "", "lexel: unknown option --frobnicate\nUsage: lexel"},
    };
    for (const auto& [arguments, code, out, error] : cases) {
        std::vector<const char*> argv{"lexel"};
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        std::ostringstream printed, complained;
        const auto answer =
            AnswerCommandLine(static_cast<int>(argv.size()), argv.data(), printed, complained);
        EXPECT_EQ(answer.value_or(-1), code) << argv.back();
        EXPECT_TRUE(printed.str().starts_with(out)) << printed.str();
        EXPECT_TRUE(complained.str().starts_with(error)) << complained.str();
    }
}

} // namespace
} // namespace lexel
