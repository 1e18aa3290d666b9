#include <poll.h>
#include <pthread.h>
#include <sched.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <atomic>
#include <string>
#include <thread>

#include "platform/keys/keystamps.h"
#include "platform/keys/xidisplay.h"
#include "platform/lib/steadyclock.h"

// Last: the X headers define macros (KeyPress, None, Bool, Status) that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
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
        Accept(active);
        Wake();
    }
    void WantedChanged() override { Wake(); }

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
            ReadModifierKeys();
            WatchBreakage(m_display);
            XSetIOErrorExitHandler(m_display, &TXiKeyStamps::ConnectionBroke, this);
            SetReading(true);
            Read();
            SetReading(false);
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
            if (selected != Wanted()) {
                selected = Wanted();
                SelectRawKeys(m_display, selected);
                // Keys already down (Alt still held from the switch to this window) count as
                // held, and their repeats as repeats.
                if (selected) ReadKeysDown();
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

    // The key map's Shift, Ctrl and Alt keys, so that a key made into Ctrl counts as Ctrl.
    void ReadModifierKeys() {
        m_modifier.fill(Qt::NoModifier);
        int first = 0, last = 0;
        XDisplayKeycodes(m_display, &first, &last);
        for (int code = std::max(first, 0); code <= last && code < 256; ++code) {
            const KeySym sym = XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(code), 0, 0);
            if (sym == XK_Shift_L || sym == XK_Shift_R) m_modifier[code] = Qt::ShiftModifier;
            if (sym == XK_Control_L || sym == XK_Control_R) m_modifier[code] = Qt::ControlModifier;
            if (sym == XK_Alt_L || sym == XK_Alt_R || sym == XK_Meta_L || sym == XK_Meta_R)
                m_modifier[code] = Qt::AltModifier;
        }
    }

    void ReadKeysDown() {
        char down[32] = {};
        XQueryKeymap(m_display, down);
        for (int code = 0; code < 256; ++code) m_down[code] = (down[code / 8] >> (code % 8)) & 1;
    }

    Qt::KeyboardModifiers ModifiersHeld() const {
        Qt::KeyboardModifiers mods;
        for (int code = 0; code < 256; ++code)
            if (m_down[code]) mods |= m_modifier[code];
        return mods;
    }

    void Take() {
        XEvent event;
        XNextEvent(m_display, &event);
        const std::int64_t now = SteadyNowNs();
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            ReadModifierKeys();
            return;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode ||
            !XGetEventData(m_display, cookie))
            return;
        if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
            const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
            TRawKey key;
            key.nativeCode = static_cast<quint32>(raw->detail);
            key.release = cookie->evtype == XI_RawKeyRelease;
            key.steadyNs = KeyEventMoment(raw->time, now);
            const std::size_t code = key.nativeCode & 255;
            key.repeat = !key.release && m_down[code];
            m_down[code] = !key.release;
            key.modifiers = ModifiersHeld();
            key.modifierKey = m_modifier[code] != Qt::NoModifier;
            Record(key, raw->time);
        }
        XFreeEventData(m_display, cookie);
    }

    const std::string m_displayName;
    // The reading thread's own.
    Display* m_display = nullptr;
    int m_opcode = 0;
    // Keys down, and which of them are modifiers, by native code.
    std::array<bool, 256> m_down{};
    std::array<Qt::KeyboardModifiers, 256> m_modifier{};
    int m_wake = eventfd(0, EFD_CLOEXEC);
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
