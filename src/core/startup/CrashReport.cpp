#include "CrashReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QtGlobal>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <elf.h>
#include <execinfo.h>
#include <fcntl.h>
#include <link.h>
#include <string>
#include <unistd.h>

namespace lexel {
namespace {

constexpr std::array<int, 5> FatalSignals{SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int MaxFrames = 64;

// Beside the report while no start has told of it yet.
constexpr const char* NewsName = "Lexel-crash.new";

// Made before any crash: a signal handler may not allocate.
std::array<char, 4096> reportPath{};
std::array<char, 4096> newsPath{};
// "build id 3f2a…, loaded at 0x55d1…": names the binary whose addresses the backtrace gives.
std::array<char, 160> buildLine{};
QtMessageHandler previousHandler = nullptr;

int OpenReport() {
    if (const int news = ::open(newsPath.data(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        news >= 0) {
        ::close(news);
    }
    return ::open(reportPath.data(), O_WRONLY | O_CREAT | O_APPEND | O_NOFOLLOW | O_CLOEXEC, 0600);
}

bool CopyPath(const std::filesystem::path& path, std::array<char, 4096>& to) {
    const std::string text = path.string();
    if (text.size() >= to.size()) {
        return false;
    }
    std::copy(text.begin(), text.end(), to.begin());
    to[text.size()] = '\0';
    return true;
}

// The GNU build id of the program itself (the first object loaded) and where it was loaded.
int DescribeProgram(dl_phdr_info* info, std::size_t, void*) {
    std::string id;
    for (int i = 0; i < info->dlpi_phnum && id.empty(); ++i) {
        const auto& header = info->dlpi_phdr[i];
        if (header.p_type != PT_NOTE) {
            continue;
        }
        const auto* at = reinterpret_cast<const char*>(info->dlpi_addr + header.p_vaddr);
        const auto* end = at + header.p_memsz;
        while (at + sizeof(ElfW(Nhdr)) <= end && id.empty()) {
            const auto* note = reinterpret_cast<const ElfW(Nhdr)*>(at);
            const auto* name = at + sizeof(ElfW(Nhdr));
            const auto* desc = name + ((note->n_namesz + 3) & ~3U);
            if (note->n_type == NT_GNU_BUILD_ID && note->n_namesz == 4 &&
                std::memcmp(name, "GNU", 4) == 0) {
                for (unsigned j = 0; j < note->n_descsz; ++j) {
                    char hex[3];
                    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(desc[j]));
                    id += hex;
                }
            }
            at = desc + ((note->n_descsz + 3) & ~3U);
        }
    }
    std::snprintf(buildLine.data(), buildLine.size(), "build id %s, loaded at 0x%lx\n",
                  id.empty() ? "unknown" : id.c_str(), static_cast<unsigned long>(info->dlpi_addr));
    return 1; // the program alone
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
    Write(fd, buildLine.data());
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
    if (!CopyPath(dataDirectory / CrashReportName, reportPath) ||
        !CopyPath(dataDirectory / NewsName, newsPath)) {
        return;
    }
    ::dl_iterate_phdr(DescribeProgram, nullptr);
    void* warmUp[1];
    ::backtrace(warmUp, 1); // loads the unwinder now, not inside a handler
    for (const int signal : FatalSignals) {
        std::signal(signal, OnFatalSignal);
    }
    previousHandler = qInstallMessageHandler(OnMessage);
}

std::optional<std::filesystem::path> NewCrashReport(const std::filesystem::path& dataDirectory) {
    if (::unlink((dataDirectory / NewsName).c_str()) != 0) {
        return std::nullopt;
    }
    return dataDirectory / CrashReportName;
}

QString CrashReportMessage(const std::filesystem::path& report) {
    return QCoreApplication::translate("lexel::CrashReport",
                                       "Lexel ended unexpectedly last time and wrote a report "
                                       "on it to %1.")
        .arg(QFile::decodeName(report.c_str()));
}

} // namespace lexel
