#include "platform/keys/keyrepeat.h"

#include <QtGui/qguiapplication_platform.h>

#include <QGuiApplication>

// Last: the X headers define macros (KeyPress, None, Bool) that clash with Qt's names.
#include <X11/XKBlib.h>

bool TKeyRepeat::TrackKeysDown() {
    m_track = false;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() != QLatin1String("xcb")) return m_track;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return m_track;
    // The flag belongs to this client's connection; Qt reads its events from the same one.
    Bool supported = False;
    m_track = XkbSetDetectableAutoRepeat(display, True, &supported) && supported;
    return m_track;
}

bool TKeyRepeat::IsRepeat(bool release, quint32 nativeCode, bool marked) {
    if (nativeCode == 0) return marked;
    if (release) {
        // A marked release is the first half of a repeat pair: the key stays down.
        if (marked) return true;
        m_down.erase(nativeCode);
        return false;
    }
    const bool wasDown = !m_down.insert(nativeCode).second;
    return marked || (m_track && wasDown);
}
