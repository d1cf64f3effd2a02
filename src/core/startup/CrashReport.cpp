#include "CrashReport.h"

#include <QString>
#include <QtGlobal>
#include <array>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace lexel {
namespace {

constexpr std::array<int, 5> FatalSignals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int MaxFrames = 64;

// Made before any crash: a signal handler may not allocate.
std::array<char, 4096> reportPath{};
QtMessageHandler previousHandler = nullptr;

int OpenReport() {
    return ::open(reportPath.data(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
}

void Write(int fd, const char* text) {
    [[maybe_unused]] const auto written = ::write(fd, text, std::strlen(text));
}

// Only calls that are safe in a signal handler, but for backtrace(), loaded at installation.
void WriteHeader(int fd, const char* what) {
    char stamp[64] = "";
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    if (::gmtime_r(&now, &parts) != nullptr) {
        std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S UTC", &parts);
    }
    Write(fd, "\nMorvane Lexel " LEXEL_VERSION " ended at ");
    Write(fd, stamp);
    Write(fd, ": ");
    Write(fd, what);
    Write(fd, "\n");
}

void WriteBacktrace(int fd) {
    void* frames[MaxFrames];
    const int count = ::backtrace(frames, MaxFrames);
    ::backtrace_symbols_fd(frames, count, fd);
}

void OnFatalSignal(int signal) {
    if (const int fd = OpenReport(); fd >= 0) {
        WriteHeader(fd, sigdescr_np(signal)); // a static text: safe in a handler
        WriteBacktrace(fd);
        ::close(fd);
    }
    // The default action, so the system sees the crash as what it was.
    std::signal(signal, SIG_DFL);
    ::raise(signal);
}

void OnMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        if (const int fd = OpenReport(); fd >= 0) {
            WriteHeader(fd, text.toLocal8Bit().constData());
            WriteBacktrace(fd);
            ::close(fd);
        }
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, text);
    }
}

} // namespace

void InstallCrashReport(const std::filesystem::path& dataDirectory) {
    const std::string path = (dataDirectory / CrashReportName).string();
    if (path.size() >= reportPath.size()) {
        return;
    }
    std::copy(path.begin(), path.end(), reportPath.begin());
    reportPath[path.size()] = '\0';
    void* warmUp[1];
    ::backtrace(warmUp, 1); // loads the unwinder now, not inside a handler
    for (const int signal : FatalSignals) {
        std::signal(signal, OnFatalSignal);
    }
    previousHandler = qInstallMessageHandler(OnMessage);
}

} // namespace lexel
