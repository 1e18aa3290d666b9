#pragma once

// What the X11 key listeners share: the toolkit's display, the test for raw key events, and
// Xlib's one handler of broken connections, which must not end the program for theirs.

typedef struct _XDisplay Display;

// The display Qt's own connection uses; null when the application does not run on X11.
Display* QtDisplay();

// Whether the server answers the X Input extension in a version that delivers raw events to
// every client (2.1); `opcode` is the extension's major opcode.
bool HasRawEvents(Display* display, int& opcode);

// Asks for the raw key presses and releases of every keyboard (keys true) or for none.
void SelectRawKeys(Display* display, bool keys);

// Xlib's handler of broken connections is one per process, and the one in place (Xlib's own, or
// the toolkit's) ends the process. A connection watched here is let go quietly instead (its
// own exit handler, XSetIOErrorExitHandler, takes over); every other one goes to the handler
// that was there before. Safe from any thread.
void WatchBreakage(Display* display);
void UnwatchBreakage(Display* display);
