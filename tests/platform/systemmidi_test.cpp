#include "platform/midi/systemmidi.h"

#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <QString>
#include <atomic>
#include <thread>

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
    const std::string longId(63, 'x');
    const struct {
        std::string port, client;
        bool own;
    } cases[] = {
        {"Tastra:in", "Tastra", true},
        {"Tastra-01:out", "Tastra", true},
        {"Tastra out:out", "Tastra", true},
        {"Tastra in-02:in", "Tastra", true},
        {"Tastra monitor:x", "Tastra", true},
        {JackClientName(longId, "out") + ":out", longId, true},
        {JackClientName(longId, "in") + "-01:in", longId, true},
        {"Tastra2:in", "Tastra", false},
        {"Tastra-x1:in", "Tastra", false},
        {"Tastra-:in", "Tastra", false},
        {"tastra:in", "Tastra", false},
        {"Tastra", "Tastra", false},
        {"system:Tastra", "Tastra", false},
        {"Tastra outside:out", "Tastra", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsOwnPortName(c.port, c.client), c.own) << c.port;
}

// JACK refuses a client name over 63 bytes and needs three more for "-01" when a name is taken:
// a session manager's client id may be 63 bytes long.
TEST(SystemMidiNames, ClientNamesStayWithinJacksLimitAndApart) {
    EXPECT_EQ(JackClientName("Tastra", ""), "Tastra");
    EXPECT_EQ(JackClientName("Tastra", "out"), "Tastra out");
    const std::string a = std::string(62, 'a') + "1", b = std::string(62, 'a') + "2";
    // "ä" is two bytes: a cut must not split it.
    const std::string umlauts = std::string(55, 'a') + "\xc3\xa4\xc3\xa4\xc3\xa4\xc3\xa4";
    for (const std::string& base : {a, b, umlauts})
        for (const char* role : {"", "out", "in", "monitor", "start-up"}) {
            const std::string name = JackClientName(base, role);
            EXPECT_LE(name.size(), kJackClientNameMax) << name;
            EXPECT_TRUE(QString::fromUtf8(name.c_str()).toUtf8().toStdString() == name) << name;
            EXPECT_EQ(name, JackClientName(base, role));
        }
    EXPECT_NE(JackClientName(a, "out"), JackClientName(b, "out"));
    EXPECT_NE(JackClientName(a, "out"), JackClientName(a, "in"));
}

using SystemMidiJack = TJackTest;
// Many cycles while ports come and go.
using SystemMidiJackChurn = TQuickJackTest;

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
    // Far enough ahead that none of them is late, also when a busy machine holds this thread
    // back for a while between reading the time and sending.
    const std::uint32_t base = rx.Now() + 24000;  // half a second at 48 kHz
    const std::uint32_t stamps[] = {base, base + 10, base + 3 * period + 7,
                                    base + 5};  // older than the one before it
    for (std::uint32_t stamp : stamps) {
        TEventTimeScope scope(out, {true, stamp});
        out.SendShort(0x90, 60, 100);
    }
    auto got = rx.WaitFor(4, 3000);
    ASSERT_EQ(got.size(), 4u) << "the server missed " << rx.Xruns() << " cycles meanwhile";
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

// libjack walks a client's own port list on its notification thread whenever anyone on the server
// connects something; ports made or removed on an active client meanwhile crashed the program.
// Own ports open and close here while another program connects and disconnects in a loop.
TEST_F(SystemMidiJackChurn, PortsOpenAndCloseWhileOthersConnect) {
    auto outService = CreateSystemMidiOutService("TastraChurn");
    auto inService = CreateSystemMidiInService("TastraChurn");
    jack_status_t status;
    jack_client_t* other = jack_client_open("tastra-churn-patchbay", JackNoStartServer, &status);
    ASSERT_NE(other, nullptr);
    jack_port_t* from = jack_port_register(other, "from", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_port_t* to = jack_port_register(other, "to", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    ASSERT_TRUE(from && to && jack_activate(other) == 0);
    const std::string fromName = jack_port_name(from), toName = jack_port_name(to);

    std::atomic<bool> stop{false};
    std::atomic<int> connections{0};
    std::thread patchbay([&] {
        while (!stop) {
            // Our own ports, whichever exist now, are connected too.
            const char** ours = jack_get_ports(other, "^TastraChurn", JACK_DEFAULT_MIDI_TYPE, 0);
            for (const char** p = ours; p && *p; ++p) {
                const bool isOut = jack_port_flags(jack_port_by_name(other, *p)) & JackPortIsOutput;
                const std::string a = isOut ? *p : fromName, b = isOut ? toName : *p;
                if (jack_connect(other, a.c_str(), b.c_str()) == 0) ++connections;
                jack_disconnect(other, a.c_str(), b.c_str());
            }
            if (ours) jack_free(ours);
            jack_connect(other, fromName.c_str(), toName.c_str());
            jack_disconnect(other, fromName.c_str(), toName.c_str());
        }
    });
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    int rounds = 0;
    while (std::chrono::steady_clock::now() < until) {
        MidiHandle out = 0, in = 0;
        ASSERT_EQ(outService->OutOpen(1, out), kMidiOk);
        ASSERT_EQ(inService->InOpen(0, in, nullptr, nullptr), kMidiOk);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        EXPECT_EQ(inService->InClose(in), kMidiOk);
        EXPECT_EQ(outService->OutClose(out), kMidiOk);
        ++rounds;
    }
    stop = true;
    patchbay.join();
    jack_client_close(other);
    EXPECT_GT(rounds, 10);
    EXPECT_GT(connections.load(), 0);
}
