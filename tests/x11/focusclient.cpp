#include "x11/focusclient.h"

TFocusClient::TFocusClient() {
    m_display = XOpenDisplay(nullptr);
    if (!m_display) return;
    m_window =
        XCreateSimpleWindow(m_display, DefaultRootWindow(m_display), 300, 300, 200, 100, 0, 0, 0);
    XSelectInput(m_display, m_window, KeyPressMask | KeyReleaseMask | StructureNotifyMask);
    XMapWindow(m_display, m_window);
    XEvent event;
    do XWindowEvent(m_display, m_window, StructureNotifyMask, &event);
    while (event.type != MapNotify);
}

TFocusClient::~TFocusClient() {
    if (m_display) XCloseDisplay(m_display);
}

void TFocusClient::TakeFocus() {
    XSetInputFocus(m_display, m_window, RevertToPointerRoot, CurrentTime);
    XSync(m_display, False);
}

void TFocusClient::Read() {
    XSync(m_display, False);
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type != KeyPress) continue;
        ++m_presses[static_cast<int>(event.xkey.keycode)];
        m_state[static_cast<int>(event.xkey.keycode)] = event.xkey.state;
    }
}

int TFocusClient::Presses(int keycode) {
    Read();
    return m_presses[keycode];
}

unsigned TFocusClient::StateOfLastPress(int keycode) {
    Read();
    return m_state[keycode];
}
