#include "platform/midi/synthschedule.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// How much of the difference between a wake-up and the expected moment the clock follows per
// block: enough to follow the audio clock's drift against the steady clock, little enough to
// keep the wake-up jitter out.
constexpr std::int64_t kSmoothing = 16;

std::int64_t BlockNs(int frames, double rate) {
    return static_cast<std::int64_t>(std::llround(frames * 1e9 / rate));
}

}  // namespace

std::int64_t TBlockClock::BlockStart(std::int64_t nowNs, int frames, double rate) {
    const std::int64_t block = BlockNs(frames, rate);
    const std::int64_t error = nowNs - m_expected;
    std::int64_t start = nowNs;
    if (m_valid && frames == m_frames && std::llabs(error) <= 2 * block)
        start = m_expected + error / kSmoothing;
    m_valid = true;
    m_frames = frames;
    m_expected = start + block;
    return start;
}

void PlayBlock(std::deque<TTimedMessage>& queue, std::int64_t blockStart, int frames,
               double framesPerUnit, const std::function<void(int from, int count)>& render,
               const std::function<void(std::uint32_t packed)>& play) {
    int done = 0;
    while (!queue.empty()) {
        // One block after its stamp: a message sent while the previous block was being played
        // lands in this one, at the same distance from its start.
        const double offset = frames + (queue.front().Stamp - blockStart) * framesPerUnit;
        if (offset >= frames) break;
        const int frame = std::max(done, static_cast<int>(std::max(0.0, std::floor(offset))));
        if (frame > done) {
            render(done, frame - done);
            done = frame;
        }
        play(queue.front().Packed);
        queue.pop_front();
    }
    if (done < frames) render(done, frames - done);
}
