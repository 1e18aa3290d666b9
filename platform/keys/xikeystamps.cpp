#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <atomic>
#include <string>
#include <thread>

#include "platform/keys/keystamps.h"
#include "platform/keys/xidisplay.h"
#include "platform/lib/steadyclock.h"

// Last: the X headers define macros (KeyPress, None, Bool, Status) that clash with Qt's names.
#include <X11/Xlib.h>
#include <xcb/xcb.h>
#include <X11/extensions/XInput2.h>

namespace {

// Real-time priority of the reading thread; JACK's own threads run at 70 and above by default.
constexpr int kPriority = 20;

// Reads raw key events on a connection of its own. Raw events of XI 2.1 carry the same key code
// and server time as the key event the focused window gets. They are asked for only while the
// program is active, so that keys typed into other programs never reach this one. The reading
// thread opens the connection itself, so that the window's start does not wait for it; where the
// server lacks XI 2.1 it ends at once and no key is ever stamped.
class TXiKeyStamps : public TKeyStamps, private QAbstractNativeEventFilter {
public:
    explicit TXiKeyStamps(std::string displayName) : m_displayName(std::move(displayName)) {
        if (m_wake >= 0) m_thread = std::thread([this] { Run(); });
        if (QCoreApplication* app = QCoreApplication::instance()) app->installNativeEventFilter(this);
    }
    ~TXiKeyStamps() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
        m_stopping = true;
        if (m_thread.joinable()) {
            if (Wake())
                m_thread.join();
            else
                m_thread.detach();  // cannot happen with an eventfd: its counter never fills
        }
        if (m_wake >= 0) close(m_wake);
    }

    void SetActive(bool active) override {
        m_active = active;
        Accept(active);
        Wake();
    }

private:
    // The focus events of the application's own connection, as the toolkit reads them. The
    // toolkit tells that the application became inactive only about a tenth of a second after
    // its window lost the focus, to see whether another of its windows takes it; keys typed into
    // another program in that while are not ours.
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        const int kind = event->response_type & 0x7F;
        if (kind != XCB_FOCUS_IN && kind != XCB_FOCUS_OUT) return false;
        // The focus events sent only because the pointer is over a window say nothing about
        // where the keys go.
        if (reinterpret_cast<const xcb_focus_in_event_t*>(event)->detail ==
            XCB_NOTIFY_DETAIL_POINTER)
            return false;
        SetActive(kind == XCB_FOCUS_IN);
        return false;
    }

    static void ConnectionBroke(Display*, void* self) {
        // Inside an Xlib call on the reading thread: the loop ends when it returns.
        static_cast<TXiKeyStamps*>(self)->m_broken = true;
    }

    bool Wake() {
        const std::uint64_t one = 1;
        return m_wake >= 0 && write(m_wake, &one, sizeof one) == sizeof one;
    }

    void Run() {
        m_display = XOpenDisplay(m_displayName.c_str());
        if (!m_display) return;
        if (HasRawEvents(m_display, m_opcode)) {
            WatchBreakage(m_display);
            XSetIOErrorExitHandler(m_display, &TXiKeyStamps::ConnectionBroke, this);
            Read();
            XCloseDisplay(m_display);
            UnwatchBreakage(m_display);
        } else {
            XCloseDisplay(m_display);
        }
        m_display = nullptr;
    }

    void Read() {
        // A key is stamped as soon as it arrives where the system allows (JACK users are usually
        // allowed real-time priorities): below the audio threads, above everything else.
        sched_param param{};
        param.sched_priority = kPriority;
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &param);
        pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_wake, POLLIN, 0}};
        bool selected = false;
        while (!m_broken && !m_stopping) {
            if (selected != m_active) {
                selected = m_active;
                SelectRawKeys(m_display, selected);
                XFlush(m_display);
            }
            // Events that came along with a reply wait in Xlib's queue, not on the socket.
            while (!m_broken && XPending(m_display) > 0) Take();
            if (m_broken || poll(fds, 2, -1) < 0) return;
            if (fds[1].revents != 0) {
                std::uint64_t count = 0;
                if (read(m_wake, &count, sizeof count) < 0) return;
            }
        }
    }

    void Take() {
        XEvent event;
        XNextEvent(m_display, &event);
        const std::int64_t now = SteadyNowNs();
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode ||
            !XGetEventData(m_display, cookie))
            return;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            Record(static_cast<quint32>(raw->detail), cookie->evtype == XI_RawKeyRelease,
                   raw->time, now);
        }
        XFreeEventData(m_display, cookie);
    }

    const std::string m_displayName;
    // The reading thread's own.
    Display* m_display = nullptr;
    int m_opcode = 0;
    int m_wake = eventfd(0, EFD_CLOEXEC);
    std::atomic<bool> m_active{false};
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_broken{false};
    std::thread m_thread;
};

}  // namespace

std::unique_ptr<TKeyStamps> CreateKeyStamps() {
    Display* own = QtDisplay();
    if (!own) return nullptr;
    return std::make_unique<TXiKeyStamps>(DisplayString(own));
}
