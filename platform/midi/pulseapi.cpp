#include "platform/midi/pulseapi.h"

const TPulseApi* PulseApi() {
    static TLazyLibrary library{"libpulse.so.0", "libpulse.so"};
    static TPulseApi api;
    return api.Bind(library) ? &api : nullptr;
}
