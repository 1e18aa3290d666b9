#pragma once

#include <cstdint>
#include <deque>
#include <functional>

// A short message (status | data1 << 8 | data2 << 16) stamped with the moment it was sent, on
// the audio output's clock (JACK frames, or nanoseconds of the steady clock).
struct TTimedMessage {
    std::int64_t Stamp;
    std::uint32_t Packed;
};

// Follows the moments at which the audio output asks for its blocks. The audio thread wakes up
// a little late by varying amounts; the clock smooths that out, so that a block's start time
// moves in steps of one block and messages keep their spacing to the frame. A wake-up far from
// the expected moment (the first block, a dropout, another block size) starts afresh.
class TBlockClock {
public:
    // The start time of a block of `frames` frames at `rate` Hz whose request came at `nowNs`.
    std::int64_t BlockStart(std::int64_t nowNs, int frames, double rate);

private:
    bool m_valid = false;
    int m_frames = 0;
    std::int64_t m_expected = 0;
};

// Plays the messages of `queue` inside a block of `frames` frames that starts at
// `blockStartNs`: a message is played one block after it was sent, at the frame that
// corresponds to its stamp, so every message has the same delay. Messages due after the block
// stay in the queue; overdue ones are played at its first frame. Order is kept. `render(from,
// count)` renders frames [from, from + count) of the block; `play(packed)` plays one message
// between two renders.
void PlayBlock(std::deque<TTimedMessage>& queue, std::int64_t blockStartNs, int frames, double rate,
               const std::function<void(int from, int count)>& render,
               const std::function<void(std::uint32_t packed)>& play);
