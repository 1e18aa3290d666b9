#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "x11/xdisplay.h"

std::string XWindowTitle(unsigned long window) {
    Display* d = XOpenDisplay(nullptr);
    if (!d) return "(no display)";
    const Atom name = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(d, window, name, 0, 1024, False, utf8, &type, &format, &count, &after,
                           &data) == Success &&
        data)
        title.assign(reinterpret_cast<const char*>(data), count);
    if (data) XFree(data);
    XCloseDisplay(d);
    return title;
}

TXTestKeys::TXTestKeys() {
    if (!XServerError().empty()) return;
    Display* d = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (d && !XTestQueryExtension(d, &event, &error, &major, &minor)) {
        XCloseDisplay(d);
        d = nullptr;
    }
    m_display = d;
}

TXTestKeys::~TXTestKeys() {
    if (m_display) XCloseDisplay(m_display);
}

void TXTestKeys::Press(int keycode) { Send(keycode, true); }
void TXTestKeys::Release(int keycode) { Send(keycode, false); }

void TXTestKeys::Send(int keycode, bool down) {
    if (!m_display) return;
    XTestFakeKeyEvent(m_display, static_cast<unsigned>(keycode), down ? True : False, CurrentTime);
    XFlush(m_display);
}
