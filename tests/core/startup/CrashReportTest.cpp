#include "core/startup/CrashReport.h"

#include "support/SampleLexelFile.h"
#include "support/TempDir.h"

#include <QtGlobal>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lexel {
namespace {

// Each way of ending without a word, in a child with the report installed, leaves its cause, the
// program's build id and a backtrace, appended to what the report held, and still ends the
// process as it would have. The next start learns of it once.
TEST(CrashReport, ASignalOrAFatalMessageLeavesItsCauseAndABacktrace) {
    test::TempDir dir;
    const std::vector<std::tuple<std::function<void()>, int, const char*>> cases{
        {[] { std::raise(SIGSEGV); }, SIGSEGV, "Segmentation fault"},
        {[] { std::abort(); }, SIGABRT, "Aborted"},
        {[] { qFatal("The X11 connection broke"); }, SIGABRT, "The X11 connection broke"}};
    std::size_t before = 0;
    for (const auto& [crash, ending, cause] : cases) {
        SCOPED_TRACE(cause);
        if (fork() == 0) {
            InstallCrashReport(dir.path());
            crash();
            _exit(0);
        }
        int status = 0;
        wait(&status);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == ending) << status;
        const auto text = test::FileBytes(dir / CrashReportName);
        ASSERT_GT(text.size(), before);
        const auto added = text.substr(before);
        EXPECT_NE(added.find(std::string(": ") + cause + "\n"), std::string::npos) << added;
        EXPECT_NE(added.find("lexel-db-tests("), std::string::npos) << "no frames: " << added;
        EXPECT_TRUE(added.find("build id ") != std::string::npos &&
                    added.find("build id unknown") == std::string::npos)
            << added;
        before = text.size();
    }
    EXPECT_EQ(NewCrashReport(dir.path()), dir / CrashReportName);
    EXPECT_EQ(NewCrashReport(dir.path()), std::nullopt);
}

} // namespace
} // namespace lexel
