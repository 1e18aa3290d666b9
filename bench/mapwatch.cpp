// Starts a program on the X display in $DISPLAY and measures it from the outside, so that any
// program can be measured the same way, ours or not:
//   map-ms      milliseconds from launch until its first top-level window is mapped,
//   dirty-kB    its own memory (Private_Dirty of /proc/PID/smaps_rollup: what no other process
//               shares, so neither shared libraries nor JACK's shared memory) `settle` seconds
//               after that,
//   rss-kB      its resident memory at the same moment.
// Usage: mapwatch SETTLE_SECONDS PROGRAM [ARGS...]. Prints one line; exit status 1 when the
// window did not appear within 30 seconds.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "childwatch.h"

namespace {

using TClock = std::chrono::steady_clock;

long SmapsField(pid_t pid, const char* field) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    const size_t length = std::strlen(field);
    while (std::getline(in, line))
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::atol(line.c_str() + length + 1);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const double settle = std::atof(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "mapwatch: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // Without a window manager, top-level windows are children of the root: their mapping is
    // reported to whoever listens for the root's substructure.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the selection is in force before the program starts.
    free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const TClock::time_point start = TClock::now();
    const pid_t pid = LaunchProgram(argv + 2);
    const int fd = xcb_get_file_descriptor(x);
    double mapMs = -1;
    while (mapMs < 0 && TClock::now() - start < std::chrono::seconds(30)) {
        fd_set read;
        FD_ZERO(&read);
        FD_SET(fd, &read);
        timeval wait{0, 100000};
        select(fd + 1, &read, nullptr, nullptr, &wait);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            // Menus and tooltips bypass the window manager (override-redirect): not the window.
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && mapMs < 0 &&
                !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect)
                mapMs = std::chrono::duration<double, std::milli>(TClock::now() - start).count();
            free(event);
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;
    }
    if (mapMs < 0) {
        std::fprintf(stderr, "mapwatch: %s showed no window\n", argv[2]);
        StopProgram(pid);
        return 1;
    }
    usleep(static_cast<useconds_t>(settle * 1e6));
    std::printf("map-ms %.1f dirty-kB %ld rss-kB %ld\n", mapMs, SmapsField(pid, "Private_Dirty"),
                SmapsField(pid, "Rss"));
    std::fflush(stdout);
    StopProgram(pid);
    xcb_disconnect(x);
    return 0;
}
