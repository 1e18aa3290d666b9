#include "platform/midi/jackapi.h"

#include <cstdlib>

namespace {

void DropJackMessage(const char*) {}

const TJackApi* g_api = nullptr;

}  // namespace

bool JackAvailable() {
    static const bool available = [] {
        g_api = LazyApi<TJackApi>({"libjack.so.0", "libjack.so"});
        if (!g_api) return false;
        // The library's own messages would only repeat, on the terminal, what the program says.
        g_api->jack_set_error_function(DropJackMessage);
        g_api->jack_set_info_function(DropJackMessage);
        // Nothing of ours may start a server behind the user's back (the audio driver of the
        // synthesizer included).
        setenv("JACK_NO_START_SERVER", "1", 0);
        return true;
    }();
    return available;
}

const TJackApi& Jack() {
    // Without the library every function is missing: no caller gets here, each having opened a
    // client first.
    static const TJackApi none;
    return JackAvailable() ? *g_api : none;
}
