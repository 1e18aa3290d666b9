#include "platform/keys/xidisplay.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>
#include <mutex>
#include <set>

// Last: the X headers define macros (KeyPress, None, Bool, Status) that clash with Qt's names.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include "platform/lib/lazylibrary.h"

namespace {

// X Input is opened when keys are first listened to, not with the program.
#define XI_FUNCTIONS(X) \
    X(XIQueryVersion)   \
    X(XISelectEvents)
TASTRA_LAZY_API(TXiApi, XI_FUNCTIONS)

const TXiApi* XiApi() { return LazyApi<TXiApi>({"libXi.so.6", "libXi.so"}); }

// Raw events reach every client that asks for them, even while another program grabs the
// keyboard (a menu it opened), from version 2.1 on. With 2.0 a grab would hide releases and
// leave notes hanging.
constexpr int kXiMajor = 2;
constexpr int kXiMinor = 1;

// The watched connections; the handler runs on the thread whose connection broke.
std::mutex g_lock;
std::set<Display*> g_watched;
XIOErrorHandler g_previousIOError = nullptr;
bool g_chained = false;

int WatchedIOError(Display* display) {
    XIOErrorHandler previous = nullptr;
    {
        std::lock_guard<std::mutex> guard(g_lock);
        if (g_watched.count(display)) return 0;  // the exit handler takes it from here
        previous = g_previousIOError;
    }
    return previous ? previous(display) : 0;
}

}  // namespace

Display* QtDisplay() {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

bool HasRawEvents(Display* display, int& opcode) {
    int event = 0, error = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) return false;
    const TXiApi* xi = XiApi();
    int major = kXiMajor, minor = kXiMinor;
    return xi && xi->XIQueryVersion(display, &major, &minor) == Success &&
           (major > kXiMajor || (major == kXiMajor && minor >= kXiMinor));
}

void SelectRawKeys(Display* display, bool keys) {
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    if (keys) {
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
    }
    XIEventMask mask;
    mask.deviceid = XIAllMasterDevices;
    mask.mask_len = sizeof(bits);
    mask.mask = bits;
    if (const TXiApi* xi = XiApi())
        xi->XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
}

void WatchBreakage(Display* display) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_watched.insert(display);
    if (g_chained) return;
    g_previousIOError = XSetIOErrorHandler(&WatchedIOError);
    g_chained = true;
}

void UnwatchBreakage(Display* display) {
    std::lock_guard<std::mutex> guard(g_lock);
    g_watched.erase(display);
}
