// A MIDI file played through the main window to a JACK port of another program: each message
// arrives at its time in the file (tempo changes and running status read), within one period.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>

#include "app/tastra.h"
#include "platform/midi/systemmidi.h"
#include "platform/settings/atomicfile.h"
#include "support/jackframes.h"
#include "support/jacktest.h"
#include "support/testwindow.h"

namespace {

// The server's periods are 1024 frames (21 ms): the file plays on the window thread's timer, and
// on a busy machine the server's own cycles wander by more than a few milliseconds.
using PlaybackJack = TJackTest;

std::string Be(uint32_t v, int bytes) {
    std::string out;
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

TEST_F(PlaybackJack, AFileArrivesAtItsTimesWithinAPeriod) {
    TJackFrameClient rx("tastra-test-playback-" + std::to_string(getpid()));
    ASSERT_TRUE(rx.Ok());
    auto outService = CreateSystemMidiOutService("TastraPlayback");
    auto inService = CreateSystemMidiInService("TastraPlayback");
    TTastraServices services;
    services.midiOut = outService.get();
    services.midiIn = inService.get();
    TScriptedPrompts prompts;
    auto w = StartTestWindow(services, prompts, 5000);
    PlayInto(w->MidiOut(), rx.InName());
    if (HasFatalFailure()) return;

    // 96 ticks a quarter; tempo 0.5 s a quarter, 0.25 s from tick 96, 1 s from tick 192 (in the
    // first track); in the second a note every 24 ticks, each released 12 ticks later, the
    // status byte written only once.
    const int kPpq = 96;
    const std::vector<std::pair<int, int>> tempos = {{0, 500000}, {96, 250000}, {192, 1000000}};
    std::string tempoTrack, noteTrack;
    int lastTick = 0;
    for (const auto& [tick, us] : tempos) {
        tempoTrack +=
            static_cast<char>(tick - lastTick) + std::string("\xFF\x51\x03", 3) + Be(us, 3);
        lastTick = tick;
    }
    tempoTrack += std::string("\x00\xFF\x2F\x00", 4);
    std::vector<int> ticks;
    noteTrack += std::string("\x00\x90", 2);
    for (int n = 0; n < 12; ++n) {
        if (n > 0) noteTrack += static_cast<char>(12);
        noteTrack += static_cast<char>(60 + n) + std::string("\x64", 1);
        noteTrack += static_cast<char>(12) + std::string(1, static_cast<char>(60 + n)) +
                     std::string("\x00", 1);
        ticks.push_back(n * 24);
        ticks.push_back(n * 24 + 12);
    }
    noteTrack += std::string("\x00\xFF\x2F\x00", 4);
    const std::string file = "MThd" + Be(6, 4) + Be(1, 2) + Be(2, 2) + Be(kPpq, 2) + "MTrk" +
                             Be(tempoTrack.size(), 4) + tempoTrack + "MTrk" +
                             Be(noteTrack.size(), 4) + noteTrack;
    QTemporaryDir dir;
    const std::string path = dir.filePath("tempo.mid").toStdString();
    ASSERT_TRUE(WriteFileAtomically(path, file));
    const auto secondsAt = [&](int tick) {
        double s = 0;
        for (size_t i = 0; i < tempos.size(); ++i) {
            const int end = i + 1 < tempos.size() ? tempos[i + 1].first : 1 << 30;
            if (tick <= tempos[i].first) break;
            s += (std::min(tick, end) - tempos[i].first) * tempos[i].second / 1e6 / kPpq;
        }
        return s;
    };

    prompts.playMidiFrom = QString::fromStdString(path);
    w->FindAction("PlayMidiFile1")->trigger();
    // The window plays while the test waits in its event loop.
    EXPECT_TRUE(QTest::qWaitFor([&] { return rx.Received().size() >= ticks.size(); }, 10000));
    const auto got = rx.Received();
    ASSERT_EQ(got.size(), ticks.size());
    // The output's delay is the same for every message, so the arrivals are compared with the
    // file's times after the one offset they share (the median one, so that no single message
    // decides it).
    const double rate = 48000;
    std::vector<double> offsets;
    for (size_t i = 0; i < got.size(); ++i)
        offsets.push_back(static_cast<int32_t>(got[i].Frame - got[0].Frame) -
                          (secondsAt(ticks[i]) - secondsAt(ticks[0])) * rate);
    std::vector<double> sorted = offsets;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double shared = sorted[sorted.size() / 2];
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].Bytes, (std::vector<uint8_t>{0x90, static_cast<uint8_t>(60 + i / 2),
                                                      static_cast<uint8_t>(i % 2 ? 0 : 100)}));
        EXPECT_LE(std::abs(offsets[i] - shared), rx.Period())
            << "message " << i << " is " << offsets[i] - shared << " frames off its time";
    }
    EXPECT_TRUE(prompts.errors.isEmpty());
    w.reset();
}

}  // namespace
