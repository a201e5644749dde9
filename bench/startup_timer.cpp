// Starts a program and times it to its first window mapped, as the X server reports it.
//
// Usage: startup_timer SETTLE_MS PROGRAM [ARGUMENT...]
// Prints one line: "WALL_MS CPU_MS PEAK_KIB".
//
// It listens on the root window for its children's MapNotify before it starts the program, so
// the wall time runs from just before the fork to the moment the server's MapNotify for the
// program's first top-level window (one whose _NET_WM_PID is the program's) reaches it. Without
// a window manager that is the server mapping the program's own window; with one, its frame.
// The CPU time is the program's process clock (every thread's, clock_getcpuclockid) read at
// that moment. The program then runs SETTLE_MS more, so that its first paint is done, and is
// ended with SIGTERM; its peak memory is the maximum resident set wait4 reports.
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

double Milliseconds(const timespec& t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

timespec Now(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return t;
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            x, xcb_intern_atom(x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The process that says it owns `window`, or -1.
long OwnerOf(xcb_connection_t* x, xcb_window_t window, xcb_atom_t pidAtom) {
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return -1;
    }
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: startup_timer SETTLE_MS PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("startup_timer: no X display\n", stderr);
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(
                x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask)),
            &std::free);
        error) {
        std::fputs("startup_timer: cannot listen on the root window\n", stderr);
        return 1;
    }
    const xcb_atom_t pidAtom = Atom(x, "_NET_WM_PID");

    const timespec start = Now(CLOCK_MONOTONIC);
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        std::perror("startup_timer: exec");
        _exit(127);
    }
    clockid_t cpuClock{};
    if (pid < 0 || clock_getcpuclockid(pid, &cpuClock) != 0) {
        std::perror("startup_timer: fork");
        return 1;
    }

    double wall = -1;
    double cpu = -1;
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    while (wall < 0) {
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (event == nullptr) {
            int status = 0;
            if (xcb_connection_has_error(x) || waitpid(pid, &status, WNOHANG) == pid) {
                std::fputs(
                    "startup_timer: the program ended, or the display did, before a window "
                    "showed\n",
                    stderr);
                return 1;
            }
            poll(&display, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event);
            const timespec mapped = Now(CLOCK_MONOTONIC);
            const timespec used = Now(cpuClock);
            if (!map->override_redirect && OwnerOf(x, map->window, pidAtom) == pid) {
                wall = Milliseconds(mapped) - Milliseconds(start);
                cpu = Milliseconds(used);
            }
        }
        std::free(event);
    }

    usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    xcb_disconnect(x);
    std::printf("%.3f %.3f %ld\n", wall, cpu, usage.ru_maxrss);
    return 0;
}
