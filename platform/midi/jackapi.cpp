#include "platform/midi/jackapi.h"

#include <cstdlib>

namespace {

void DropJackMessage(const char*) {}

TJackApi g_api;

}  // namespace

bool JackAvailable() {
    static TLazyLibrary library{"libjack.so.0", "libjack.so"};
    static const bool available = [] {
        if (!g_api.Bind(library)) return false;
        // The library's own messages would only repeat, on the terminal, what the program says.
        g_api.jack_set_error_function(DropJackMessage);
        g_api.jack_set_info_function(DropJackMessage);
        // Nothing of ours may start a server behind the user's back (the audio driver of the
        // synthesizer included).
        setenv("JACK_NO_START_SERVER", "1", 0);
        return true;
    }();
    return available;
}

const TJackApi& Jack() {
    JackAvailable();
    return g_api;
}
