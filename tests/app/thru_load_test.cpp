// A steady stream of notes into the input while the window thread runs: thru keeps the order of
// what it passes, and every message is either passed or counted as lost.
#include <gtest/gtest.h>

#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "midi/midiinput.h"
#include "support/testwindow.h"

namespace {

// Note k of the stream: 16 channels x 128 notes x 127 velocities before a message repeats.
uint32_t NoteOn(int k) {
    const uint32_t channel = k % 16;
    const uint32_t note = (k / 16) % 128;
    const uint32_t velocity = 1 + (k / 2048) % 127;
    return (0x90 | channel) | note << 8 | velocity << 16;
}

uint32_t NoteOff(int k) { return (NoteOn(k) & 0xFF00) | (0x80 | (k % 16)); }

// What thru sends for an incoming message (no chord, no transposition).
uint32_t ThruOf(uint32_t in) {
    return (in & 0xF0) == 0x80 ? ((in & 0xFF00) | 0x90 | (in & 0x0F)) : in;
}

// The stream: each note is released four notes later, so a few are always held.
std::vector<uint32_t> Stream(int notes) {
    std::vector<uint32_t> out;
    for (int k = 0; k < notes; ++k) {
        out.push_back(NoteOn(k));
        if (k >= 4) out.push_back(NoteOff(k - 4));
    }
    for (int k = std::max(0, notes - 4); k < notes; ++k) out.push_back(NoteOff(k));
    return out;
}

// True when `part` is `whole` with some elements left out, the rest in the same order.
bool IsOrderedSubset(const std::vector<uint32_t>& part, const std::vector<uint32_t>& whole) {
    size_t j = 0;
    for (uint32_t v : part) {
        while (j < whole.size() && whole[j] != v) ++j;
        if (j == whole.size()) return false;
        ++j;
    }
    return true;
}

using ThruLoad = TWindowTest;

TEST_F(ThruLoad, StreamOfNotesPassesInOrderWithEveryLossCounted) {
    // A short burst; bench/thru_load measures the time and the event loop's gaps under load.
    constexpr int kRate = 10000;  // messages per second
    constexpr int kMilliseconds = 400;
    AddDevices("Synth", "Keys In");
    Start();
    ASSERT_FALSE(w->MidiIn().IsClosed());

    const std::vector<uint32_t> sent = Stream(kRate / 1000 * kMilliseconds / 2);
    std::atomic<bool> done{false};
    std::thread sender([&] {
        // Paced in 1 ms slices of rate/1000 messages each.
        auto next = std::chrono::steady_clock::now();
        for (size_t i = 0; i < sent.size(); ++i) {
            in.Inject(0, sent[i], static_cast<uint32_t>(i / (kRate / 1000)));
            if ((i + 1) % (kRate / 1000) == 0) {
                next += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(next);
            }
        }
        in.Flush();
        done = true;
    });

    while (!done || w->MidiIn().MessageCount() > 0) QTest::qWait(5);
    sender.join();
    QTest::qWait(20);

    std::vector<uint32_t> expected;
    for (uint32_t m : sent) expected.push_back(ThruOf(m));
    const std::vector<uint32_t> got = out.SentTo(out.DeviceUid(0));
    const uint64_t lost = w->MidiIn().OverflowCount();
    EXPECT_TRUE(IsOrderedSubset(got, expected));
    // A lost note-on also silences its release, so a loss costs at most two messages.
    EXPECT_GE(got.size() + 2 * lost, sent.size());
    if (lost == 0) {
        EXPECT_EQ(got, expected);
        // Every note that was struck was released again.
        for (int note = 0; note < 128; ++note) EXPECT_EQ(w->Player().ThruCount(note), 0) << note;
    }
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
}

}  // namespace
