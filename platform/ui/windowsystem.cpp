#include "platform/ui/windowsystem.h"

#include <QCoreApplication>
#include <QGuiApplication>

QString StayOnTopUnavailable() {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return QString();
    return QCoreApplication::translate(
        "TWindowSystem", "Wayland lets no program keep its window above the others.");
}

bool RunsOnXWayland() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return false;
    // The session's compositor tells its clients where it is; an X11 session has none.
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}
