#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <QCoreApplication>
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
