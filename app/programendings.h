#pragma once

#include <memory>

#include "platform/shell/endings.h"

class TTastra2;

// Ends the program as closing its window does when it ends another way: on SIGTERM, SIGINT or
// SIGHUP every note is released, the settings are saved and the event loop ends with 128 + the
// signal's number; on a lost display the notes are released and the settings saved before the
// process ends; when the desktop session ends the settings are saved. A recording nobody saved is
// kept each time (see TTastra2::KeepRecording). A save that fails is
// reported on the standard error output: no window may be up to show it.
std::unique_ptr<TEndings> WatchEndings(TTastra2& window);
