#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "x11/xdisplay.h"

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
