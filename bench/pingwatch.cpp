// Starts a program on the X display in $DISPLAY and measures how long its window thread keeps
// the user waiting after the window first shows: from the moment the program reports its first
// paint ("visible-ms" on standard output, see app/startupprobe.h) it sends the window a
// _NET_WM_PING every 10 ms, as a window manager does to tell a hung window, and times the answer
// that comes back on the root window. No window manager is needed: the ping goes to the window
// directly and the answer is caught on the root.
//   pings       pings answered,
//   median-ms   the median wait,
//   worst-ms    the longest wait, and when it began (milliseconds after the first paint),
//   over-50     pings that waited longer than 50 ms.
// Usage: pingwatch SECONDS PROGRAM [ARGS...]. Prints one line; exit status 1 when the window did
// not appear or report its first paint within 30 seconds.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "childwatch.h"

namespace {

using TClock = std::chrono::steady_clock;

double MsSince(TClock::time_point t) {
    return std::chrono::duration<double, std::milli>(TClock::now() - t).count();
}

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(r);
    return atom;
}

// Reads what the program printed so far; true once a line starting with "visible-ms" came.
bool FirstPaintReported(int fd, std::string& pending) {
    char buffer[256];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        pending.append(buffer, static_cast<size_t>(n));
    }
    return pending.find("visible-ms") != std::string::npos;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "pingwatch: cannot open the display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    // Mapping of top-level windows is reported to whoever listens for the root's substructure;
    // answers to pings go to those listening for its structure.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = Atom(x, "WM_PROTOCOLS");
    const xcb_atom_t ping = Atom(x, "_NET_WM_PING");

    int out[2];
    if (pipe(out) != 0) return 2;
    fcntl(out[0], F_SETFD, FD_CLOEXEC);
    const pid_t pid = LaunchProgram(argv + 2, out[1]);
    close(out[1]);
    fcntl(out[0], F_SETFL, O_NONBLOCK);

    const TClock::time_point start = TClock::now();
    const int fd = xcb_get_file_descriptor(x);
    xcb_window_t window = XCB_WINDOW_NONE;
    std::string printed;
    bool painted = false;
    TClock::time_point paintedAt;
    std::vector<double> waits;
    double worst = 0, worstAt = 0;
    bool outstanding = false;
    uint32_t serial = 0;
    TClock::time_point sentAt, nextPing;

    auto sendPing = [&] {
        xcb_client_message_event_t e{};
        e.response_type = XCB_CLIENT_MESSAGE;
        e.format = 32;
        e.window = window;
        e.type = protocols;
        e.data.data32[0] = ping;
        e.data.data32[1] = ++serial;  // stands in for the time stamp; echoed back
        e.data.data32[2] = window;
        xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&e));
        xcb_flush(x);
        sentAt = TClock::now();
        outstanding = true;
    };

    for (;;) {
        if (!painted && MsSince(start) > 30000) break;
        if (painted && MsSince(paintedAt) > seconds * 1000 && !outstanding) break;
        if (painted && outstanding && MsSince(sentAt) > 10000) break;  // hung for good
        if (painted && !outstanding && TClock::now() >= nextPing) sendPing();
        fd_set read;
        FD_ZERO(&read);
        FD_SET(fd, &read);
        FD_SET(out[0], &read);
        timeval wait{0, 1000};
        select(std::max(fd, out[0]) + 1, &read, nullptr, nullptr, &wait);
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const int type = event->response_type & 0x7F;
            if (type == XCB_MAP_NOTIFY && window == XCB_WINDOW_NONE) {
                auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                // Menus and tooltips bypass the window manager (override-redirect).
                if (!map->override_redirect) window = map->window;
            } else if (type == XCB_CLIENT_MESSAGE && outstanding) {
                auto* m = reinterpret_cast<xcb_client_message_event_t*>(event);
                if (m->type == protocols && m->data.data32[0] == ping &&
                    m->data.data32[1] == serial) {
                    const double ms = MsSince(sentAt);
                    waits.push_back(ms);
                    if (ms > worst) {
                        worst = ms;
                        worstAt =
                            std::chrono::duration<double, std::milli>(sentAt - paintedAt).count();
                    }
                    outstanding = false;
                    nextPing = sentAt + std::chrono::milliseconds(10);
                }
            }
            free(event);
        }
        // Drained all along, so that the program never blocks on a full pipe.
        const bool reported = FirstPaintReported(out[0], printed);
        if (!painted && window != XCB_WINDOW_NONE && reported) {
            painted = true;
            paintedAt = TClock::now();
            nextPing = paintedAt;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) break;
    }
    if (outstanding) {
        waits.push_back(MsSince(sentAt));
        worst = std::max(worst, waits.back());
    }
    StopProgram(pid);
    xcb_disconnect(x);
    if (!painted || waits.empty()) {
        std::fprintf(stderr, "pingwatch: %s reported no first paint\n", argv[2]);
        return 1;
    }
    std::vector<double> sorted = waits;
    std::sort(sorted.begin(), sorted.end());
    const long over = std::count_if(waits.begin(), waits.end(), [](double w) { return w > 50; });
    std::printf("pings %zu median-ms %.2f worst-ms %.1f at-ms %.0f over-50 %ld\n", waits.size(),
                sorted[sorted.size() / 2], worst, worstAt, over);
    return 0;
}
