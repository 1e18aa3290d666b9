#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QWindow>
#include <memory>
#include <set>

#include "platform/keys/keylistener.h"
#include "platform/keys/xidisplay.h"
#include "platform/ui/windowsystem.h"

// Last: the X headers define macros (KeyPress, None, Bool, Status) that clash with Qt's names.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("TKeyListener", text); }

class TXiKeyListener : public TKeyListener {
public:
    explicit TXiKeyListener(std::string displayName) : m_displayName(std::move(displayName)) {}
    ~TXiKeyListener() override {
        m_notifier.reset();
        Close();
    }

    // The display is probed when first asked, which is after the window's first picture:
    // opening a second connection to the X server would take a noticeable part of the start.
    QString Unavailable() const override {
        if (!m_probed) {
            Display* probe = XOpenDisplay(m_displayName.c_str());
            int opcode = 0;
            m_probeResult = !probe                           ? kCannotOpen
                            : !HasRawEvents(probe, opcode) ? kNoRawEvents
                                                             : kUsable;
            if (probe) XCloseDisplay(probe);
            m_probed = true;
        }
        switch (m_probeResult) {
            case kCannotOpen:
                return Tr(QT_TRANSLATE_NOOP("TKeyListener",
                                            "The X display %1 cannot be opened a second time."))
                    .arg(QString::fromStdString(m_displayName));
            case kNoRawEvents:
                return Tr(QT_TRANSLATE_NOOP("TKeyListener",
                                            "This X server lacks X Input 2.1, which hearing "
                                            "keys meant for other programs needs."));
            case kUsable:
                break;
        }
        return QString();
    }
    QString Limits() const override {
        if (!RunsOnXWayland()) return QString();
        return Tr(QT_TRANSLATE_NOOP("TKeyListener",
                                    "This program runs through XWayland: keys typed into the "
                                    "Wayland session's native windows are not heard, only those "
                                    "typed into X11 windows."));
    }
    bool FocusInOwnWindow() override;

protected:
    bool Open(QString& failure, std::vector<int>& keysDown) override;
    void Close() override;

private:
    static void ConnectionBroke(Display* display, void* self);
    void ReadModifierKeys();
    void Drain();
    void DrainLater();

    std::string m_displayName;
    enum TProbeResult { kUsable, kCannotOpen, kNoRawEvents };
    mutable TProbeResult m_probeResult = kUsable;
    mutable bool m_probed = false;
    Display* m_display = nullptr;
    int m_opcode = 0;
    bool m_broken = false;
    bool m_draining = false;
    std::unique_ptr<QSocketNotifier> m_notifier;
    // Receives the notifier's signal and drains posted for later; both end with the listener.
    QObject m_context;
};

bool TXiKeyListener::Open(QString& failure, std::vector<int>& keysDown) {
    m_display = XOpenDisplay(m_displayName.c_str());
    if (!m_display || !HasRawEvents(m_display, m_opcode)) {
        failure = Tr(QT_TRANSLATE_NOOP("TKeyListener", "The X display %1 cannot be listened to."))
                      .arg(QString::fromStdString(m_displayName));
        Close();
        return false;
    }
    m_broken = false;
    // Xlib ends the process when a connection breaks unless told otherwise; this one is ours to
    // lose without taking the program down.
    WatchBreakage(m_display);
    XSetIOErrorExitHandler(m_display, &TXiKeyListener::ConnectionBroke, this);

    SelectRawKeys(m_display, true);

    ReadModifierKeys();
    char down[32] = {};
    XQueryKeymap(m_display, down);
    for (int code = 8; code < 256; ++code)
        if (down[code / 8] & (1 << (code % 8))) keysDown.push_back(code);

    m_notifier =
        std::make_unique<QSocketNotifier>(ConnectionNumber(m_display), QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, &m_context,
                     [this] { Drain(); });
    DrainLater();  // the replies above may have brought events along
    return true;
}

void TXiKeyListener::Close() {
    // Closing may happen inside the notifier's own signal: it goes once that has returned.
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier.release()->deleteLater();
    }
    if (m_display) {
        XCloseDisplay(m_display);
        UnwatchBreakage(m_display);
    }
    m_display = nullptr;
}

void TXiKeyListener::ConnectionBroke(Display*, void* self) {
    // Called inside an Xlib call; the display is dropped once that call has returned.
    static_cast<TXiKeyListener*>(self)->m_broken = true;
}

void TXiKeyListener::ReadModifierKeys() {
    // By the key map rather than by position, so that a Caps Lock key made into Ctrl counts as
    // Ctrl.
    std::set<int> shift, control, alt;
    int first = 0, last = 0;
    XDisplayKeycodes(m_display, &first, &last);
    for (int code = first; code <= last; ++code) {
        const KeySym sym = XkbKeycodeToKeysym(m_display, static_cast<KeyCode>(code), 0, 0);
        if (sym == XK_Shift_L || sym == XK_Shift_R) shift.insert(code);
        if (sym == XK_Control_L || sym == XK_Control_R) control.insert(code);
        if (sym == XK_Alt_L || sym == XK_Alt_R || sym == XK_Meta_L || sym == XK_Meta_R)
            alt.insert(code);
    }
    SetModifierKeys(std::move(shift), std::move(control), std::move(alt));
}

void TXiKeyListener::Drain() {
    if (m_draining) return;  // a key handler asked the server something: the loop goes on
    m_draining = true;
    while (m_display && !m_broken && XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
            ReadModifierKeys();
            continue;
        }
        XGenericEventCookie* cookie = &event.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != m_opcode ||
            !XGetEventData(m_display, cookie))
            continue;
        const int type = cookie->evtype;
        const int code = static_cast<const XIRawEvent*>(cookie->data)->detail;
        XFreeEventData(m_display, cookie);
        // The handler may stop listening, which closes the display under this loop.
        if (type == XI_RawKeyPress || type == XI_RawKeyRelease)
            Heard(code, type == XI_RawKeyRelease);
    }
    m_draining = false;
    if (m_broken && m_display)
        Lost(
            Tr(QT_TRANSLATE_NOOP("TKeyListener",
                                 "The connection to the X server was lost: keys no longer play "
                                 "from other windows.")));
}

void TXiKeyListener::DrainLater() {
    // Events that arrived with a reply wait in Xlib's queue, where the socket notifier cannot
    // see them.
    if (!m_display || m_draining || XEventsQueued(m_display, QueuedAlready) == 0) return;
    QMetaObject::invokeMethod(
        &m_context, [this] { Drain(); }, Qt::QueuedConnection);
}

bool TXiKeyListener::FocusInOwnWindow() {
    if (!m_display) return false;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(m_display, &focus, &revert);
    std::set<WId> own;
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle()) own.insert(w->winId());
    // The focus may sit on a child of a top-level window (a window manager's frame holds the
    // client, some toolkits focus a child).
    bool found = false;
    const Window root = DefaultRootWindow(m_display);
    for (int depth = 0; depth < 8 && focus > PointerRoot && focus != root && !found; ++depth) {
        found = own.count(focus) != 0;
        Window rootReturn = 0, parent = 0, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(m_display, focus, &rootReturn, &parent, &children, &count)) break;
        if (children) XFree(children);
        focus = parent;
    }
    DrainLater();
    return found;
}

// Where the application does not run on X11 (Wayland, offscreen).
class TNoKeyListener : public TKeyListener {
public:
    explicit TNoKeyListener(QString why) : m_why(std::move(why)) {}
    QString Unavailable() const override { return m_why; }
    bool FocusInOwnWindow() override { return false; }

protected:
    bool Open(QString& failure, std::vector<int>&) override {
        failure = m_why;
        return false;
    }
    void Close() override {}

private:
    QString m_why;
};

}  // namespace

std::unique_ptr<TKeyListener> CreateKeyListener() {
    if (Display* display = QtDisplay())
        return std::make_unique<TXiKeyListener>(DisplayString(display));
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return std::make_unique<TNoKeyListener>(
            Tr(QT_TRANSLATE_NOOP("TKeyListener",
                                 "Wayland lets no program hear keys typed into other windows; "
                                 "start this one in an X11 session to use it.")));
    return std::make_unique<TNoKeyListener>(
        Tr(QT_TRANSLATE_NOOP("TKeyListener",
                             "Hearing keys typed into other windows needs an X11 display, and "
                             "this program runs on \"%1\"."))
            .arg(platform));
}
