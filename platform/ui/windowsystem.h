#pragma once

#include <QString>

// What the window system the program runs on lets a program do.

// Empty where a window can be kept above the others; otherwise one sentence saying why not.
// Wayland has no request for it: the compositor alone stacks the windows.
QString StayOnTopUnavailable();

// True when the program is an X11 client of a Wayland session's X server (XWayland): it then
// sees the keys of X11 windows only, not those of the session's native windows.
bool RunsOnXWayland();
