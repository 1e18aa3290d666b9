#include "platform/midi/systemmidi.h"

#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "midi/midioutput.h"
#include "platform/lib/steadyclock.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/synthdevice.h"
#include "support/jackframes.h"
#include "support/jacktest.h"
#include "support/thrown.h"

TEST(SystemMidiNames, AlsaPortNumbersAreStripped) {
    EXPECT_EQ(StripAlsaPortNumbers("Midi Through:Midi Through Port-0 14:0"),
              "Midi Through:Midi Through Port-0");
    EXPECT_EQ(StripAlsaPortNumbers("Synth:Port 1 128:10"), "Synth:Port 1");
    // Only a trailing "<digits>:<digits>" is a number pair.
    EXPECT_EQ(StripAlsaPortNumbers("Synth:Port 1"), "Synth:Port 1");
    EXPECT_EQ(StripAlsaPortNumbers("Synth:Port 12:"), "Synth:Port 12:");
    EXPECT_EQ(StripAlsaPortNumbers("Synth:Port :3"), "Synth:Port :3");
    EXPECT_EQ(StripAlsaPortNumbers("Synth:Out 1a:2"), "Synth:Out 1a:2");
    EXPECT_EQ(StripAlsaPortNumbers(""), "");
}

TEST(SystemMidiNames, OwnPortsAreRecognisedByClientName) {
    EXPECT_TRUE(IsOwnPortName("Tastra:in", "Tastra"));
    EXPECT_TRUE(IsOwnPortName("Tastra-01:out", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("Tastra2:in", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("Tastra-x1:in", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("Tastra-:in", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("tastra:in", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("Tastra", "Tastra"));
    EXPECT_FALSE(IsOwnPortName("system:Tastra", "Tastra"));
}

using SystemMidiJack = TJackTest;

TEST_F(SystemMidiJack, ListsSynthOwnPortAndJackPortsButNotItself) {
    auto service = CreateSystemMidiOutService("Tastra");
    TJackReceiver rx;
    ASSERT_TRUE(rx.Ok()) << rx.Error();
    TMidiOutput out(*service);
    std::vector<TMidiDeviceEntry> list;
    out.ListDevices(list);
    ASSERT_GE(list.size(), 4u);
    EXPECT_EQ(list[0].Name, "MIDI Mapper");
    EXPECT_EQ(list[1].Name, "Built-in Synth");
    EXPECT_EQ(list[1].Id, 0);
    EXPECT_EQ(list[2].Name, "Tastra (own port)");
    EXPECT_EQ(list[2].Id, 1);
    EXPECT_EQ(FindDevice(out, rx.PortName()), static_cast<int>(list.size()) - 2);

    // Opening the own port creates Tastra's input-less port; it must not show up as a target,
    // and neither must the port the output connects from.
    out.SetDeviceId(1);
    ASSERT_TRUE(out.Open());
    std::vector<TMidiDeviceEntry> again;
    out.ListDevices(again);
    EXPECT_EQ(again.size(), list.size());
    for (const auto& e : again) EXPECT_FALSE(IsOwnPortName(e.Name, "Tastra")) << e.Name;
    out.Close();

    rx.Close();
    out.ListDevices(again);
    EXPECT_EQ(FindDevice(out, rx.PortName()), NoDevice);
    EXPECT_EQ(again.size(), list.size() - 1);
}

TEST_F(SystemMidiJack, NotesArriveInOrderAtTheReceiver) {
    auto service = CreateSystemMidiOutService("Tastra");
    TJackReceiver rx;
    ASSERT_TRUE(rx.Ok()) << rx.Error();
    TMidiOutput out(*service);
    int id = FindDevice(out, rx.PortName());
    ASSERT_NE(id, NoDevice);
    out.SetDeviceId(id);
    ASSERT_TRUE(out.Open());
    out.SendShort(0x90, 0x3C, 0x64);
    out.SendShort(0x90, 0x3C, 0x00);
    out.SendShort(0xC2, 0x05, 0x00);  // two bytes on the wire
    auto got = rx.WaitFor(3, 2000);
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0], (std::vector<std::uint8_t>{0x90, 0x3C, 0x64}));
    EXPECT_EQ(got[1], (std::vector<std::uint8_t>{0x90, 0x3C, 0x00}));
    EXPECT_EQ(got[2], (std::vector<std::uint8_t>{0xC2, 0x05}));

    // Closing silences the receiver's channels.
    out.Close();
    got = rx.WaitFor(3 + 48, 2000);
    ASSERT_EQ(got.size(), 3u + 48);
    EXPECT_EQ(got[3], (std::vector<std::uint8_t>{0xB0, 64, 0}));
    EXPECT_EQ(got.back(), (std::vector<std::uint8_t>{0xBF, 121, 0}));
}

TEST_F(SystemMidiJack, MessagesLeaveOnePeriodAfterTheirTimeInOrder) {
    auto service = CreateSystemMidiOutService("TastraTimed");
    TJackFrameClient rx("tastra-test-frames-" + std::to_string(getpid()));
    ASSERT_TRUE(rx.Ok());
    TMidiOutput out(*service);
    out.SetDeviceId(FindDevice(out, rx.InName()));
    ASSERT_TRUE(out.Open());
    const std::uint32_t period = rx.Period();
    // Far enough ahead that none of them is late.
    const std::uint32_t base = rx.Now() + 16 * period;
    const std::uint32_t stamps[] = {base, base + 10, base + 3 * period + 7,
                                    base + 5};  // older than the one before it
    for (std::uint32_t stamp : stamps) {
        TEventTimeScope scope(out, {true, stamp});
        out.SendShort(0x90, 60, 100);
    }
    auto got = rx.WaitFor(4, 3000);
    ASSERT_EQ(got.size(), 4u);
    EXPECT_EQ(got[0].Frame, base + period);
    EXPECT_EQ(got[1].Frame, base + 10 + period);
    EXPECT_EQ(got[2].Frame, base + 4 * period + 7);
    // Order is kept: not before the message sent ahead of it.
    EXPECT_EQ(got[3].Frame, got[2].Frame);

    // A time long past goes at the start of the next cycle.
    {
        TEventTimeScope scope(out, {true, rx.Now() - 100 * period});
        out.SendShort(0xB0, 7, 1);
    }
    got = rx.WaitFor(5, 3000);
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[4].Offset, 0u);
    EXPECT_EQ(got[4].Bytes, (std::vector<std::uint8_t>{0xB0, 7, 1}));
}

// A key is stamped on the steady clock; on JACK its note leaves one period after the frame time
// of that moment.
TEST_F(SystemMidiJack, AKeysMomentBecomesTheServersFrameTimeOfThatMoment) {
    TJackFrameClient rx("tastra-test-moment-" + std::to_string(getpid()));
    ASSERT_TRUE(rx.Ok());
    const std::int64_t now = SteadyNowNs();
    const std::uint32_t frame = rx.Now();
    const double rate = jack_get_sample_rate(rx.Client());
    for (const int ms : {0, 10, 1000}) {
        const std::uint32_t then = JackFrameAt(rx.Client(), now - ms * 1000000LL);
        EXPECT_NEAR(static_cast<double>(static_cast<std::int32_t>(frame - then)),
                    rate * ms / 1000, rate / 1000)
            << ms << " ms ago";
    }
    // A moment still to come is taken as now.
    EXPECT_LE(static_cast<std::int32_t>(JackFrameAt(rx.Client(), now + 1000000000LL) - rx.Now()),
              0);
}

TEST_F(SystemMidiJack, PortThatDisappearsWhileOpen) {
    auto service = CreateSystemMidiOutService("Tastra");
    TJackReceiver other;
    TJackReceiver rx;
    ASSERT_TRUE(other.Ok()) << other.Error();
    ASSERT_TRUE(rx.Ok()) << rx.Error();
    TMidiOutput out(*service);
    int id = FindDevice(out, rx.PortName());
    ASSERT_NE(id, NoDevice);
    out.SetDeviceId(id);
    ASSERT_TRUE(out.Open());
    out.SendShort(0x90, 0x40, 0x50);
    ASSERT_EQ(rx.WaitFor(1, 2000).size(), 1u);

    rx.Close();
    // The service refuses the stale handle rather than sending into nowhere.
    const auto e = Thrown<EMidiOutputError>([&] { out.SendShort(0x90, 0x40, 0x00); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Code(), kMidiErrInvalHandle);
    // The number no longer names the port: found by name and forgotten.
    out.CheckDevicePresent();
    EXPECT_TRUE(out.IsClosed());
    EXPECT_FALSE(IsRecordedOpen(mdOutput, rx.PortName()));
    EXPECT_NO_THROW(out.Close());

    // The service's handle follows its port, not its number: the port listed before it goes
    // away and messages still reach the right receiver.
    TJackReceiver late;
    ASSERT_TRUE(late.Ok()) << late.Error();
    out.SetDeviceId(FindDevice(out, late.PortName()));
    ASSERT_TRUE(out.Open());
    other.Close();
    out.SendShort(0x80, 1, 2);
    EXPECT_EQ(late.WaitFor(1, 2000).size(), 1u);
    EXPECT_TRUE(other.Received().empty());
}

TEST_F(SystemMidiJack, OwnPortDeliversToWhoeverConnects) {
    auto service = CreateSystemMidiOutService("TastraOwnPortTest");
    TMidiOutput out(*service);
    out.SetDeviceId(1);
    EXPECT_EQ(out.DeviceName(), "TastraOwnPortTest (own port)");
    ASSERT_TRUE(out.Open());
    TJackReceiver rx;
    ASSERT_TRUE(rx.Ok()) << rx.Error();
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-connector", JackNoStartServer, &status);
    ASSERT_NE(c, nullptr);
    const char** ports =
        jack_get_ports(c, "^TastraOwnPortTest", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput);
    ASSERT_NE(ports, nullptr);
    std::string own = ports[0];
    jack_free(ports);
    ASSERT_EQ(jack_connect(c, own.c_str(), rx.PortName().c_str()), 0);
    out.SendShort(0xB1, 7, 100);
    auto got = rx.WaitFor(1, 2000);
    jack_client_close(c);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0], (std::vector<std::uint8_t>{0xB1, 7, 100}));
}

TEST_F(SystemMidiJack, SynthPlaysIntoJackWhenNoDesktopSoundServerRuns) {
    auto service = CreateSystemMidiOutService("Tastra");
    TMidiOutput out(*service);
    out.SetDeviceId(0);
    EXPECT_EQ(out.DeviceName(), "Built-in Synth");
    ASSERT_TRUE(out.Open());
    out.SendShort(0x90, 60, 100);
    // The mapper leads to the same synthesizer, which is taken.
    TMidiOutput second(*service);
    second.SetDeviceId(-1);
    const auto e = Thrown<EMidiOutputError>([&] { second.Open(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Code(), kMidiErrAllocated);
    out.Close();
    EXPECT_TRUE(second.Open());
}

// Opens the mapper with the desktop's sound server, ALSA and JACK all out of reach and ends the
// process: 0 when the synthesizer's start failed with the clear text, 1 (with the reason on
// stderr) otherwise.
[[noreturn]] void OpenMapperWithoutAudio() {
    setenv("PULSE_SERVER", "unix:/nonexistent/tastra-test", 1);
    setenv("ALSA_CONFIG_PATH", "/dev/null", 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    setenv("JACK_DEFAULT_SERVER", ("tastra-none-" + std::to_string(getpid())).c_str(), 1);
    TSynthDevice synth("Tastra");
    auto service = CreateSystemMidiOutService("Tastra", &synth);
    TMidiOutput out(*service);
    out.SetDeviceId(-1);
    // The open answers at once; the synthesizer starts in the background.
    if (!out.Open() || !synth.WaitSettled(20000)) {
        std::fprintf(stderr, "the open failed at once or the start never settled\n");
        _exit(1);
    }
    const auto notices = synth.TakeNotices();
    const std::string reason =
        "No audio output could be opened (PulseAudio, ALSA and JACK were tried).";
    if (notices.empty() || notices.back().Kind != TSynthNotice::Failed ||
        notices.back().Text != reason) {
        std::fprintf(stderr, "the synthesizer started, or failed without the clear text\n");
        _exit(1);
    }
    const auto e = Thrown<EMidiOutputError>([&] { out.SendShort(0x90, 60, 100); });
    const bool clear = e && e->Code() == kMidiErrNoAudio && std::string(e->what()) == reason;
    if (!clear) std::fprintf(stderr, "a note was taken by a synthesizer that cannot play\n");
    out.Close();  // closing a synthesizer that never started is no second failure
    _exit(clear ? 0 : 1);
}

// Opening the synthesizer with no audio output must fail loudly, not pretend to play. The
// environment that takes every output away is set in a child process, which re-runs this test.
TEST(SystemMidiSynth, StartFailsWithAClearTextWhenNoAudioOutputExists) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(OpenMapperWithoutAudio(), ::testing::ExitedWithCode(0), "");
}
