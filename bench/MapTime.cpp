// Milliseconds from starting a program until the X server maps its window of a given title.
// Sleeps until the server's MapNotify event arrives instead of polling the window list, so the
// measuring costs the measured program no processor time. Gives up after 20 s or when the
// program ends without such a window.
//   lexel-map-time PROGRAM TITLE

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto GiveUp = std::chrono::seconds(20);

// xcb hands out replies and events to be freed by the caller.
template <typename T> using Owned = std::unique_ptr<T, decltype(&std::free)>;

std::string WindowTitle(xcb_connection_t* x, xcb_window_t window) {
    const auto cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(x, cookie, nullptr),
                                                &std::free);
    if (!reply) {
        return {};
    }
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

pid_t Start(const char* program) {
    const pid_t child = fork();
    if (child == 0) {
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// When the window titled `title` was mapped, or nothing if `child` ended or time ran out first.
std::optional<Clock::time_point> WaitForWindow(xcb_connection_t* x, const char* title, pid_t child,
                                               Clock::time_point start) {
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() - start < GiveUp && !xcb_connection_has_error(x)) {
        while (auto* event = xcb_poll_for_event(x)) {
            const Owned<xcb_generic_event_t> owned(event, &std::free);
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto mapped = Clock::now();
            if (WindowTitle(x, reinterpret_cast<xcb_map_notify_event_t*>(event)->window) == title) {
                return mapped;
            }
        }
        // Looked at, not reaped: the pid stays the child's until main waits for it.
        siginfo_t ended{};
        if (waitid(P_PID, child, &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
            ended.si_pid == child) {
            return std::nullopt;
        }
        poll(&display, 1, 100);
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM TITLE\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server listens for us before the program starts.
    if (auto* error = xcb_request_check(
            x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        return 2;
    }

    const auto start = Clock::now();
    const pid_t child = Start(argv[1]);
    const auto mapped = WaitForWindow(x, argv[2], child, start);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (!mapped) {
        std::fprintf(stderr, "no window titled %s\n", argv[2]);
        return 1;
    }
    std::printf("%.1f\n", std::chrono::duration<double, std::milli>(*mapped - start).count());
    return 0;
}
