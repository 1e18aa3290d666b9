#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>

#include "platform/midi/midiservice.h"

// Hands a received system-exclusive message out through the buffers queued by the owner, oldest
// first: each buffer is filled as far as it goes, taken off the pool and passed to `deliver`;
// what does not fit goes on in the next buffer. Returns the number of bytes dropped because the
// pool ran dry.
template <class TDeliver>
std::size_t SpreadSysEx(std::deque<TMidiInBuffer*>& pool, const std::uint8_t* data,
                        std::size_t size, TDeliver&& deliver) {
    std::size_t offset = 0;
    while (offset < size) {
        if (pool.empty()) return size - offset;
        TMidiInBuffer* buffer = pool.front();
        pool.pop_front();
        std::size_t n = std::min(buffer->Data.size(), size - offset);
        if (n > 0) std::memcpy(buffer->Data.data(), data + offset, n);
        buffer->BytesRecorded = static_cast<std::uint32_t>(n);
        buffer->Queued = false;
        offset += n;
        deliver(buffer);
        if (n == 0) return size - offset;  // a buffer of no length cannot carry anything
    }
    return 0;
}
