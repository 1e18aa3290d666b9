#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "platform/midi/midiservice.h"
#include "platform/midi/sysexpool.h"

// Reads the bytes an input port delivers as a MIDI byte stream and turns them into what the
// input callback is told: short messages (status | data1 << 8 | data2 << 16) and
// system-exclusive data in the buffers the owner lent. A packet may hold several messages, use
// running status, carry real-time bytes anywhere (inside system-exclusive data too), end in the
// middle of a message or continue system-exclusive data begun in an earlier packet; the state
// carries over from one packet to the next. Nothing is allocated, so it may run on the thread
// that must not wait.
class TMidiStreamParser {
public:
    // onShort(std::uint32_t packed) and onLong(TMidiInBuffer*) receive what the bytes hold.
    // Returns the number of system-exclusive bytes dropped because no buffer was left.
    template <class TShortSink, class TLongSink>
    std::size_t Feed(const std::uint8_t* data, std::size_t size, std::deque<TMidiInBuffer*>& pool,
                     TShortSink&& onShort, TLongSink&& onLong);
    // Forgets running status, a message begun and system-exclusive data in progress.
    void Reset();

private:
    // Data bytes that follow a status byte.
    static int DataBytes(std::uint8_t status);
    template <class TShortSink>
    void Emit(TShortSink& onShort);

    std::uint8_t m_status = 0;  // status of the message being collected; 0 for none
    std::uint8_t m_data[2] = {};
    int m_count = 0;  // data bytes collected for it
    bool m_inSysEx = false;
};

template <class TShortSink, class TLongSink>
std::size_t TMidiStreamParser::Feed(const std::uint8_t* data, std::size_t size,
                                    std::deque<TMidiInBuffer*>& pool, TShortSink&& onShort,
                                    TLongSink&& onLong) {
    std::size_t dropped = 0;
    // System-exclusive bytes are handed out in runs straight from the packet: a run ends at the
    // end mark, at a byte that interrupts it, or with the packet.
    std::size_t runStart = 0;
    auto flush = [&](std::size_t end) {
        if (end > runStart) dropped += SpreadSysEx(pool, data + runStart, end - runStart, onLong);
        runStart = end;
    };
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t b = data[i];
        if (b >= 0xF8) {
            // Real-time bytes stand alone wherever they come and change nothing else.
            if (m_inSysEx) flush(i);
            onShort(b);
            runStart = i + 1;
            continue;
        }
        if (m_inSysEx) {
            if (b < 0x80) continue;
            if (b == 0xF7) {
                flush(i + 1);
                m_inSysEx = false;
                continue;
            }
            // Any other status byte ends the data unterminated; what came is handed out as is.
            flush(i);
            m_inSysEx = false;
        }
        if (b == 0xF0) {
            m_inSysEx = true;
            runStart = i;
            m_status = 0;
            m_count = 0;
        } else if (b >= 0x80) {
            // A stray end mark only ends running status.
            m_status = b == 0xF7 ? 0 : b;
            m_count = 0;
            if (m_status != 0 && DataBytes(m_status) == 0) Emit(onShort);
        } else if (m_status != 0) {
            m_data[m_count++] = b;
            if (m_count == DataBytes(m_status)) Emit(onShort);
        }
        // Data bytes with no status before them belong to nothing and are dropped.
    }
    if (m_inSysEx) flush(size);
    return dropped;
}

template <class TShortSink>
void TMidiStreamParser::Emit(TShortSink& onShort) {
    std::uint32_t packed = m_status;
    for (int k = 0; k < m_count; ++k) packed |= std::uint32_t(m_data[k]) << (8 * (k + 1));
    onShort(packed);
    m_count = 0;
    // Only channel messages leave their status running for the next data bytes.
    if (m_status >= 0xF0) m_status = 0;
}
