#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <thread>

#include "midi/midiinput.h"
#include "platform/midi/systemmidi.h"
#include "support/jackframes.h"
#include "support/jacktest.h"

namespace {

class SystemMidiInJack : public TJackTest {
protected:
    // Runs the window thread's events until n messages were taken or a generous time passed.
    static std::vector<std::unique_ptr<TMyMidiEvent>> Collect(TMidiInput& in, size_t n) {
        std::vector<std::unique_ptr<TMyMidiEvent>> got;
        in.OnMidiInput = [&](TMidiInput* sender) {
            while (auto e = sender->GetMidiEvent()) got.push_back(std::move(e));
        };
        auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (got.size() < n && std::chrono::steady_clock::now() < giveUp) {
            QCoreApplication::processEvents();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        in.OnMidiInput = nullptr;
        return got;
    }
};

}  // namespace

TEST_F(SystemMidiInJack, ListsOwnPortAndOtherProgramsOutputsButNotOurOwn) {
    auto service = CreateSystemMidiInService("TastraInList");
    TJackSender tx;
    ASSERT_TRUE(tx.Ok()) << tx.Error();
    TMidiInput in(*service);
    std::vector<TMidiDeviceEntry> list;
    in.ListDevices(list);
    ASSERT_FALSE(list.empty());
    EXPECT_EQ(list[0].Name, "TastraInList (own port)");
    EXPECT_NE(FindDevice(in, tx.PortName()), NoDevice);
    in.SetDeviceId(0);
    ASSERT_TRUE(in.Open());
    in.ListDevices(list);
    for (const auto& e : list) EXPECT_FALSE(IsOwnPortName(e.Name, "TastraInList")) << e.Name;
    in.Close();
}

TEST_F(SystemMidiInJack, MessagesFromAnotherProgramArriveInOrderWithoutActiveSensing) {
    auto service = CreateSystemMidiInService("TastraInTest");
    TJackSender tx;
    ASSERT_TRUE(tx.Ok()) << tx.Error();
    TMidiInput in(*service);
    int id = FindDevice(in, tx.PortName());
    ASSERT_NE(id, NoDevice);
    in.SetDeviceId(id);
    ASSERT_TRUE(in.Open());
    in.Start();
    tx.Send({0x90, 60, 100});
    tx.Send({0xFE});
    tx.Send({0xB0, 7, 90});
    tx.Send({0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
    // Two note-offs in one event, the second with running status: both must arrive.
    tx.Send({0x80, 60, 0, 62, 0});
    auto got = Collect(in, 5);
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0]->MidiMessage, 0x90);
    EXPECT_EQ(got[0]->Data1, 60);
    EXPECT_EQ(got[0]->Data2, 100);
    EXPECT_EQ(got[1]->MidiMessage, 0xB0);
    EXPECT_EQ(got[1]->Data2, 90);
    EXPECT_EQ(got[2]->MidiMessage, 0xF0);
    EXPECT_EQ(got[2]->SysEx, (std::vector<std::uint8_t>{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}));
    EXPECT_EQ(got[3]->MidiMessage, 0x80);
    EXPECT_GE(got[3]->Time, got[0]->Time);
    EXPECT_EQ(got[4]->MidiMessage, 0x80);
    EXPECT_EQ(got[4]->Data1, 62);
    in.Stop();
    EXPECT_TRUE(in.Close());
}

TEST_F(SystemMidiInJack, MessagesKeepTheFrameTimeTheyArrivedAt) {
    auto service = CreateSystemMidiInService("TastraInFrames");
    TJackFrameClient tx("tastra-test-frames-tx-" + std::to_string(getpid()));
    ASSERT_TRUE(tx.Ok());
    TMidiInput in(*service);
    in.SetDeviceId(FindDevice(in, tx.OutName()));
    ASSERT_TRUE(in.Open());
    in.Start();
    const std::uint32_t base = tx.Now() + 8 * tx.Period();
    const std::uint32_t frames[] = {base, base + 37, base + tx.Period() + 5};
    tx.SendAt(frames[0], {0x90, 60, 100});
    tx.SendAt(frames[1], {0x90, 62, 100});
    tx.SendAt(frames[2], {0x80, 60, 0});
    auto got = Collect(in, 3);
    ASSERT_EQ(got.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_TRUE(got[i]->FrameTime.Valid);
        EXPECT_EQ(got[i]->FrameTime.Frame, frames[i]) << i;
    }
    EXPECT_EQ(got[2]->MidiMessage, 0x80);
    in.Close();
}

TEST_F(SystemMidiInJack, OwnPortReceivesFromWhoeverConnects) {
    auto service = CreateSystemMidiInService("TastraOwnInTest");
    TMidiInput in(*service);
    in.SetDeviceId(0);
    ASSERT_TRUE(in.Open());
    in.Start();
    TJackSender tx;
    ASSERT_TRUE(tx.Ok()) << tx.Error();
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-in-connector", JackNoStartServer, &status);
    ASSERT_NE(c, nullptr);
    const char** ports =
        jack_get_ports(c, "^TastraOwnInTest", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    ASSERT_NE(ports, nullptr);
    std::string own = ports[0];
    jack_free(ports);
    ASSERT_EQ(jack_connect(c, tx.PortName().c_str(), own.c_str()), 0);
    tx.Send({0xC3, 12});
    auto got = Collect(in, 1);
    jack_client_close(c);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0]->MidiMessage, 0xC3);
    EXPECT_EQ(got[0]->Data1, 12);
    in.Close();
}

namespace {

// Stands for a reader that has fallen behind: each message waits until the test lets go.
struct TStalledReader {
    std::atomic<bool> hold{true};
    std::atomic<int> taken{0};
    static void Callback(void* self, TMidiInMessage message, std::uintptr_t, std::uint32_t) {
        if (message != mimData && message != mimTimedData) return;
        auto* me = static_cast<TStalledReader*>(self);
        while (me->hold) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ++me->taken;
    }
};

}  // namespace

// More comes in than the port's ring between the server and the reader holds: what is lost is
// counted, so that the window can say so and let go of the notes it may have left sounding.
TEST_F(SystemMidiInJack, AFloodBiggerThanTheRingIsCountedAsLost) {
    auto service = CreateSystemMidiInService("TastraFlood");
    TStalledReader reader;
    MidiHandle handle = 0;
    ASSERT_EQ(service->InOpen(0, handle, &TStalledReader::Callback, &reader), kMidiOk);
    ASSERT_EQ(service->InStart(handle), kMidiOk);
    TJackFrameClient tx("tastra-flood-tx");
    ASSERT_TRUE(tx.Ok());
    const char** ports =
        jack_get_ports(tx.Client(), "^TastraFlood", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    ASSERT_NE(ports, nullptr);
    ASSERT_EQ(jack_connect(tx.Client(), tx.OutName().c_str(), ports[0]), 0);
    jack_free(ports);
    EXPECT_EQ(service->InDropped(handle), 0u);
    // About 6,000 messages fill the ring.
    constexpr int kSent = 9000;
    for (int i = 0; i < kSent; ++i)
        tx.SendAt(tx.Now(), {0x90, static_cast<std::uint8_t>(i % 128), 1});
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (service->InDropped(handle) == 0 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    reader.hold = false;
    const std::uint64_t dropped = service->InDropped(handle);
    EXPECT_GT(dropped, 0u);
    EXPECT_LE(dropped, static_cast<std::uint64_t>(kSent));
    EXPECT_EQ(service->InClose(handle), kMidiOk);
}
