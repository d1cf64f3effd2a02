#include "TerminationSignals.h"

#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace lexel {
namespace {

constexpr std::array<int, 3> Signals{SIGTERM, SIGHUP, SIGINT};

// The two ends of the socket pair: the handler writes to [0], the event loop reads [1].
int ends[2] = {-1, -1};

void Handle(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(ends[0], &byte, 1);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) {
        return; // the default actions stay
    }
    notifier_ = new QSocketNotifier(ends[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(ends[1], &byte, 1) == 1) {
        }
        onSignal_();
    });
    struct sigaction action {};
    action.sa_handler = Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : Signals) {
        ::sigaction(signal, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals() {
    for (const int signal : Signals) {
        std::signal(signal, SIG_DFL);
    }
    if (notifier_ != nullptr) {
        delete notifier_;
        ::close(ends[0]);
        ::close(ends[1]);
        ends[0] = ends[1] = -1;
    }
}

} // namespace lexel
