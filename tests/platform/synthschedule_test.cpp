// Notes stamped when sent and played one audio block later, at the frame of their stamp.
#include "platform/midi/synthschedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/midi/builtinsynth.h"

namespace {

constexpr double kRate = 48000;
constexpr int kBlock = 256;
constexpr std::int64_t kStart = 1'000'000'000;  // the block's start, in nanoseconds

std::int64_t FramesNs(double frames) { return static_cast<std::int64_t>(frames * 1e9 / kRate); }

// Plays one block and writes what happened: "r0+10" renders 10 frames from 0, "p3" plays the
// message 3.
std::string Play(std::deque<TTimedMessage>& queue) {
    std::string log;
    PlayBlock(
        queue, kStart, kBlock, kRate / 1e9,
        [&](int from, int count) {
            log += "r" + std::to_string(from) + "+" + std::to_string(count) + " ";
        },
        [&](std::uint32_t packed) { log += "p" + std::to_string(packed) + " "; });
    return log;
}

}  // namespace

TEST(SynthSchedule, MessagesPlayOneBlockAfterTheirStampAtTheirFrame) {
    // Sent 200 and 100 frames before the block began: played at frames 56 and 156 of it.
    std::deque<TTimedMessage> queue = {{kStart - FramesNs(200), 1}, {kStart - FramesNs(100), 2}};
    EXPECT_EQ(Play(queue), "r0+56 p1 r56+100 p2 r156+100 ");
    EXPECT_TRUE(queue.empty());

    // Sent during the block itself: due in the next one, and kept for it with what follows.
    queue = {{kStart + FramesNs(10), 3}, {kStart - FramesNs(20), 4}};
    EXPECT_EQ(Play(queue), "r0+256 ");
    ASSERT_EQ(queue.size(), 2u);

    // Overdue (the audio thread was late) plays at once; a stamp older than the one before it
    // does not overtake it.
    queue = {{kStart - FramesNs(900), 5}, {kStart - FramesNs(50), 6}, {kStart - FramesNs(120), 7}};
    EXPECT_EQ(Play(queue), "p5 r0+206 p6 p7 r206+50 ");
}

TEST(SynthSchedule, BlockClockKeepsStepsOfOneBlockThroughJitterAndRestartsAfterAGap) {
    TBlockClock clock;
    const std::int64_t block = FramesNs(kBlock);
    std::int64_t start = clock.BlockStart(kStart, kBlock, kRate);
    EXPECT_EQ(start, kStart);
    // The audio thread wakes up late by up to 0.4 ms, varying: the starts keep their spacing to
    // well within a frame.
    const double late[] = {0.4, 0.0, 0.3, 0.1, 0.4, 0.0, 0.2};
    for (int i = 1; i <= 7; ++i) {
        const std::int64_t now = kStart + i * block + static_cast<std::int64_t>(late[i - 1] * 1e6);
        const std::int64_t next = clock.BlockStart(now, kBlock, kRate);
        EXPECT_NEAR(next - start, block, 0.05e6) << i;
        EXPECT_NEAR(next, kStart + i * block, 0.4e6) << i;
        start = next;
    }
    // A dropout of several blocks starts afresh from the wake-up.
    const std::int64_t late_wake = start + 10 * block;
    EXPECT_EQ(clock.BlockStart(late_wake, kBlock, kRate), late_wake);
}

// The same through the synthesizer, offline: each note sounds one block after it was sent, at
// its frame (on the synthesizer's 64-frame grid), not at the start of a block.
TEST(SynthSchedule, RenderedNotesStartAtTheirFrame) {
    const std::string sf = FindGeneralMidiSoundfont();
    if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    // Renders four blocks of what `sent` asks for; the left channel.
    auto render = [&](std::deque<TTimedMessage> sent) {
        TBuiltinSynth synth(kRate);
        EXPECT_TRUE(synth.LoadSoundfont(sf));
        std::vector<float> left(kBlock * 4), right(kBlock * 4);
        for (int b = 0; b < 4; ++b)
            PlayBlock(
                sent, kStart + b * FramesNs(kBlock), kBlock, kRate / 1e9,
                [&](int from, int count) {
                    synth.Process(&left[b * kBlock + from], &right[b * kBlock + from], count);
                },
                [&](std::uint32_t packed) { synth.Send(packed); });
        return left;
    };
    auto firstDifference = [](const std::vector<float>& a, const std::vector<float>& b) {
        for (size_t i = 0; i < a.size(); ++i)
            if (a[i] != b[i]) return static_cast<int>(i);
        return -1;
    };
    const std::vector<float> silence(kBlock * 4);
    // Sent 192 frames before block 0 began: sounds from frame 64.
    const TTimedMessage first{kStart - FramesNs(192), 0x643C90};
    const std::vector<float> one = render({first});
    const int start = firstDifference(one, silence);
    EXPECT_GE(start, 64);
    EXPECT_LT(start, 64 + 8);
    // A second note sent as block 1 began sounds as block 2 begins, 448 frames after the first.
    const std::vector<float> two = render({first, {kStart + FramesNs(kBlock), 0x7F4891}});
    const int second = firstDifference(two, one);
    EXPECT_GE(second, 512);
    EXPECT_LT(second, 512 + 8);
}
