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

// Runs `crash` in a child with the report installed in `dir`; the child's wait status.
int CrashInChild(const std::filesystem::path& dir, const std::function<void()>& crash) {
    const pid_t pid = fork();
    if (pid == 0) {
        InstallCrashReport(dir);
        crash();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Each way of ending without a word leaves its cause and a backtrace, appended to what the
// report held, and still ends the process as it would have ended.
TEST(CrashReport, ASignalOrAFatalMessageLeavesItsCauseAndABacktrace) {
    test::TempDir dir;
    const auto report = dir / CrashReportName;
    struct Case {
        const char* name;
        std::function<void()> crash;
        int signal;
        const char* cause;
    };
    const std::vector<Case> cases{
        {"segmentation fault", [] { std::raise(SIGSEGV); }, SIGSEGV, "Segmentation fault"},
        {"abort", [] { std::abort(); }, SIGABRT, "Aborted"},
        {"qFatal", [] { qFatal("The X11 connection broke"); }, SIGABRT, "The X11 connection broke"},
    };
    std::size_t before = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int status = CrashInChild(dir.path(), c.crash);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << status;
        const auto text = test::FileBytes(report);
        ASSERT_GT(text.size(), before);
        const auto added = text.substr(before);
        EXPECT_NE(added.find(std::string(": ") + c.cause + "\n"), std::string::npos) << added;
        EXPECT_NE(added.find("lexel-db-tests("), std::string::npos) << "no frames: " << added;
        before = text.size();
    }
}

} // namespace
} // namespace lexel
