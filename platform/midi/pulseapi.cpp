#include "platform/midi/pulseapi.h"

const TPulseApi* PulseApi() { return LazyApi<TPulseApi>({"libpulse.so.0", "libpulse.so"}); }
