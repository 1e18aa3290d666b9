#pragma once

#include <chrono>
#include <cstdint>

// Now on the steady clock (CLOCK_MONOTONIC), in nanoseconds: the clock the threads of this
// program stamp events with when the MIDI system has no clock of its own.
inline std::int64_t SteadyNowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
