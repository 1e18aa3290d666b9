#include "midi/midiinput.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <atomic>
#include <thread>

#include "support/thrown.h"
#include "support/virtualmidi.h"

namespace {

constexpr std::uint32_t NoteOn(int key, int velocity) {
    return PackShortMessage(0x90, std::uint8_t(key), std::uint8_t(velocity));
}

// Short message carrying a 14-bit sequence number, so that order and loss can be checked.
constexpr std::uint32_t Numbered(int n) {
    return PackShortMessage(0x90, std::uint8_t(n & 0x7F), std::uint8_t((n >> 7) & 0x7F));
}

std::vector<std::unique_ptr<TMyMidiEvent>> TakeAll(TMidiInput& in) {
    std::vector<std::unique_ptr<TMyMidiEvent>> out;
    while (auto e = in.GetMidiEvent()) out.push_back(std::move(e));
    return out;
}

class MidiInput : public ::testing::Test {
protected:
    explicit MidiInput(
        TVirtualMidiInService::TDelivery delivery = TVirtualMidiInService::dlSynchronous)
        : m_service({"Keys A", "Pads B"}, delivery), m_in(m_service) {}

    void OpenStarted(int id = 0) {
        m_in.SetDeviceId(id);
        ASSERT_TRUE(m_in.Open());
        m_in.Start();
    }

    // Lets the service deliver everything injected so far and runs the wake-ups it posted.
    void Settle() {
        m_service.Flush();
        QCoreApplication::processEvents();
    }

    TVirtualMidiInService m_service;
    TMidiInput m_in;
};

class MidiInputThreaded : public MidiInput {
protected:
    MidiInputThreaded() : MidiInput(TVirtualMidiInService::dlServiceThread) {}
};

}  // namespace

TEST_F(MidiInput, RealTimeNoiseIsDroppedUnlessAskedFor) {
    OpenStarted();
    auto injectMix = [&] {
        m_service.Inject(0, 0xFE, 1);
        m_service.Inject(0, 0xF8, 2);
        m_service.Inject(0, NoteOn(60, 100), 3);
    };
    injectMix();
    auto events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->MidiMessage, 0x90);
    EXPECT_EQ(events[0]->Data1, 60);
    EXPECT_EQ(events[0]->Data2, 100);
    EXPECT_EQ(events[0]->Time, 3u);
    EXPECT_TRUE(events[0]->SysEx.empty());

    m_in.SetActiveSensing(true);
    m_in.SetTimingClock(true);
    injectMix();
    events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(events[0]->MidiMessage, 0xFE);
    EXPECT_EQ(events[1]->MidiMessage, 0xF8);

    // Only system-exclusive data gets through, whatever the other flags say.
    m_in.SetSysExOnly(true);
    injectMix();
    m_service.InjectSysEx(0, {0xF0, 0x7E, 0xF7}, 4);
    Settle();
    events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->MidiMessage, 0xF0);
    EXPECT_EQ(events[0]->SysEx, (std::vector<std::uint8_t>{0xF0, 0x7E, 0xF7}));
}

TEST_F(MidiInput, FullQueueLosesTheNewestAndKeepsOrder) {
    OpenStarted();
    for (int i = 0; i <= TMidiInput::kQueueCapacity; ++i) m_service.Inject(0, Numbered(i), i);
    EXPECT_EQ(m_in.MessageCount(), 1024);
    EXPECT_EQ(m_in.OverflowCount(), 1u);
    EXPECT_TRUE(m_in.Overflow());
    auto events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 1024u);
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(events[i]->Time, std::uint32_t(i));
    // The flag is cleared at the next dispatch; the counter stays until the next open.
    m_in.Dispatch();
    EXPECT_FALSE(m_in.Overflow());
    EXPECT_EQ(m_in.OverflowCount(), 1u);
    m_service.Inject(0, Numbered(5000), 5000);
    events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->Time, 5000u);
}

TEST_F(MidiInput, CloseDropsUnreadMessagesAndReturnsEverything) {
    OpenStarted();
    m_service.Inject(0, NoteOn(60, 1), 0);
    m_service.InjectSysEx(0, {0xF0, 1, 2, 0xF7});
    Settle();  // the sysex entry now holds an event of its own
    EXPECT_EQ(m_in.MessageCount(), 2);
    EXPECT_TRUE(IsRecordedOpen(mdInput, "Keys A"));
    EXPECT_TRUE(m_in.Close());
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_EQ(m_in.MessageCount(), 0);
    EXPECT_EQ(m_in.GetMidiEvent(), nullptr);
    EXPECT_EQ(m_service.OpenHandleCount(), 0);
    EXPECT_EQ(m_service.QueuedBuffers(), 0);
    EXPECT_FALSE(IsRecordedOpen(mdInput, "Keys A"));
    // Messages sent to a closed device go nowhere.
    m_service.Inject(0, NoteOn(61, 1), 0);
    EXPECT_EQ(m_in.GetMidiEvent(), nullptr);
    // Reopening starts afresh.
    OpenStarted();
    EXPECT_EQ(m_in.MessageCount(), 0);
    EXPECT_EQ(m_service.QueuedBuffers(), TMidiInput::kSysExBufferCount);
}

TEST_F(MidiInput, LongSysExContinuesInTheNextBufferAsF7) {
    OpenStarted();
    std::vector<std::uint8_t> sysex(1500);
    for (size_t i = 0; i < sysex.size(); ++i) sysex[i] = std::uint8_t(i & 0x7F);
    sysex.front() = 0xF0;
    sysex.back() = 0xF7;
    m_service.InjectSysEx(0, sysex, 9);
    EXPECT_EQ(m_service.QueuedBuffers(), TMidiInput::kSysExBufferCount - 2);
    // The dispatch copies the data out and gives the buffers back before anyone reads.
    Settle();
    EXPECT_EQ(m_service.QueuedBuffers(), TMidiInput::kSysExBufferCount);
    EXPECT_EQ(m_in.SysExBuffersQueued(), TMidiInput::kSysExBufferCount);
    auto events = TakeAll(m_in);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->MidiMessage, 0xF0);
    EXPECT_EQ(events[0]->SysEx.size(), 1024u);
    EXPECT_EQ(events[1]->MidiMessage, 0xF7);
    EXPECT_EQ(events[1]->Data1, 0);
    EXPECT_EQ(events[1]->Time, 9u);
    std::vector<std::uint8_t> joined = events[0]->SysEx;
    joined.insert(joined.end(), events[1]->SysEx.begin(), events[1]->SysEx.end());
    EXPECT_EQ(joined, sysex);
}

TEST_F(MidiInput, SysExWithoutAFreeBufferIsDroppedUntilBuffersComeBack) {
    OpenStarted();
    std::vector<std::uint8_t> small = {0xF0, 0x43, 0x10, 0xF7};
    for (int i = 0; i < TMidiInput::kSysExBufferCount + 1; ++i) m_service.InjectSysEx(0, small);
    EXPECT_EQ(m_service.DroppedSysExBytes(), small.size());
    EXPECT_EQ(m_in.MessageCount(), TMidiInput::kSysExBufferCount);
    Settle();
    m_service.InjectSysEx(0, small);
    EXPECT_EQ(m_service.DroppedSysExBytes(), small.size());
    EXPECT_EQ(TakeAll(m_in).size(), size_t(TMidiInput::kSysExBufferCount + 1));
}

TEST_F(MidiInput, BufferOfALostSysExReturnsToThePool) {
    OpenStarted();
    for (int i = 0; i < TMidiInput::kQueueCapacity; ++i) m_service.Inject(0, Numbered(i), i);
    m_service.InjectSysEx(0, {0xF0, 1, 0xF7});
    EXPECT_EQ(m_in.OverflowCount(), 1u);
    EXPECT_EQ(m_service.QueuedBuffers(), TMidiInput::kSysExBufferCount - 1);
    m_in.Dispatch();
    EXPECT_EQ(m_service.QueuedBuffers(), TMidiInput::kSysExBufferCount);
}

TEST_F(MidiInputThreaded, EventsFireOnTheWindowThreadInOrder) {
    OpenStarted();
    std::vector<std::uint32_t> times;
    std::thread::id firedOn;
    int fired = 0;
    m_in.OnMidiInput = [&](TMidiInput* sender) {
        EXPECT_EQ(sender, &m_in);
        firedOn = std::this_thread::get_id();
        ++fired;
        while (auto e = sender->GetMidiEvent()) times.push_back(e->Time);
    };
    for (int i = 0; i < 50; ++i) m_service.Inject(0, Numbered(i), i);
    m_service.Flush();
    EXPECT_EQ(fired, 0);  // nothing runs until the window thread gets to its events
    EXPECT_NE(m_service.DeliveryThread(), std::this_thread::get_id());
    QCoreApplication::processEvents();
    EXPECT_GE(fired, 1);
    EXPECT_EQ(firedOn, std::this_thread::get_id());
    ASSERT_EQ(times.size(), 50u);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(times[i], std::uint32_t(i));
}

TEST_F(MidiInput, HundredThousandFromAProducerThreadArriveWhenTheConsumerKeepsUp) {
    OpenStarted();
    constexpr int kTotal = 100000;
    std::atomic<int> consumed{0};
    std::atomic<bool> done{false};
    int expected = 0;
    bool inOrder = true;
    m_in.OnMidiInput = [&](TMidiInput* sender) {
        while (auto e = sender->GetMidiEvent()) {
            inOrder = inOrder && e->Time == std::uint32_t(expected);
            ++expected;
            consumed.fetch_add(1);
        }
    };
    std::thread producer([&] {
        for (int i = 0; i < kTotal; ++i) {
            // Never more than half a queue ahead of the consumer.
            while (i - consumed.load() > TMidiInput::kQueueCapacity / 2) std::this_thread::yield();
            m_service.Inject(0, Numbered(i), i);
        }
        done = true;
    });
    while (!done.load() || m_in.MessageCount() > 0) QCoreApplication::processEvents();
    producer.join();
    QCoreApplication::processEvents();
    EXPECT_EQ(consumed.load(), kTotal);
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(m_in.OverflowCount(), 0u);
}

TEST_F(MidiInput, AProducerThatOutrunsTheConsumerLosesCountedMessages) {
    OpenStarted();
    constexpr int kTotal = 100000;
    std::thread producer([&] {
        for (int i = 0; i < kTotal; ++i) m_service.Inject(0, Numbered(i), i);
    });
    producer.join();
    EXPECT_EQ(m_in.OverflowCount(), std::uint64_t(kTotal - TMidiInput::kQueueCapacity));
    std::vector<std::uint32_t> times;
    m_in.OnMidiInput = [&](TMidiInput* sender) {
        while (auto e = sender->GetMidiEvent()) times.push_back(e->Time);
    };
    QCoreApplication::processEvents();
    ASSERT_EQ(times.size(), size_t(TMidiInput::kQueueCapacity));
    for (int i = 0; i < TMidiInput::kQueueCapacity; ++i) EXPECT_EQ(times[i], std::uint32_t(i));
}

TEST_F(MidiInputThreaded, HandlerMayCloseTheDevice) {
    OpenStarted();
    int fired = 0;
    m_in.OnMidiInput = [&](TMidiInput* sender) {
        ++fired;
        sender->GetMidiEvent();
        sender->Close();
    };
    for (int i = 0; i < 10; ++i) m_service.Inject(0, Numbered(i), i);
    Settle();
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_EQ(m_service.OpenHandleCount(), 0);
}

TEST_F(MidiInput, OpenFailuresAndTheirTexts) {
    m_in.SetDeviceId(0);
    m_service.SetOpenError(kMidiErrAllocated);
    const auto e = Thrown<EMidiInputError>([&] { m_in.Open(); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->what(),
                 "Cannot open MIDI input device \"Keys A\":\r\nThe MIDI device is already in "
                 "use.");
    EXPECT_EQ(e->Code(), kMidiErrAllocated);
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_FALSE(IsRecordedOpen(mdInput, "Keys A"));

    m_service.SetOpenError(0x4321);
    const auto e2 = Thrown<EMidiInputError>([&] { m_in.Open(); });
    ASSERT_TRUE(e2);
    EXPECT_STREQ(e2->what(), "Cannot open MIDI input device \"Keys A\":\r\nUnspecified error");

    // An error with a working handle counts as opened.
    m_service.SetOpenError(kMidiErrError, true);
    EXPECT_TRUE(m_in.Open());
    EXPECT_FALSE(m_in.IsClosed());
    m_in.Close();
    m_service.SetOpenError(kMidiOk);

    // Buffers that cannot be handed to the device leave nothing open behind.
    m_service.SetAddBufferError(kMidiErrNoMem);
    EXPECT_THROW(m_in.Open(), EMidiInputError);
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_EQ(m_service.OpenHandleCount(), 0);
    EXPECT_FALSE(IsRecordedOpen(mdInput, "Keys A"));
}

TEST_F(MidiInput, DeviceSelectionRules) {
    std::vector<TMidiDeviceEntry> list;
    m_in.ListDevices(list);
    ASSERT_EQ(list.size(), 2u);  // no mapper for input
    EXPECT_EQ(list[0].Name, "Keys A");
    EXPECT_EQ(list[1].Id, 1);
    m_in.SetDeviceId(1);
    EXPECT_EQ(m_in.DeviceName(), "Pads B");
    for (int bad : {2, -1, NoDevice}) {
        m_in.SetDeviceId(bad);
        EXPECT_EQ(m_in.DeviceId(), NoDevice);
        EXPECT_EQ(m_in.DeviceName(), "");
        EXPECT_FALSE(m_in.Open());
    }
    OpenStarted(1);
    const auto e = Thrown<EMidiInputError>([&] { m_in.SetDeviceId(0); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->what(), "Change to DeviceID while device was open");
    EXPECT_EQ(m_in.DeviceId(), 1);
    // A failing close still closes; the failure is reported.
    m_service.SetCloseError(kMidiErrError);
    EXPECT_THROW(m_in.Close(), EMidiInputError);
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_FALSE(IsRecordedOpen(mdInput, "Pads B"));
}

TEST_F(MidiInput, LoopbackOpenIsRefusedWhileItsOutputIsOpen) {
    int id = m_service.AddDevice("LB1 Loop");
    (void)id;
    m_in.SetDeviceId(2);
    RecordOpen(mdOutput, "LB1 Loop");
    const auto e = Thrown<EVirtualMIDIFeedback>([&] { m_in.Open(); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->what(), "Opening \"LB1 Loop\" would create a virtual feedback loop !");
    EXPECT_TRUE(m_in.IsClosed());
    m_in.SetDetectMidiLoop(false);
    EXPECT_TRUE(m_in.Open());
    m_in.Close();
    RecordClosed(mdOutput, "LB1 Loop");
}

TEST_F(MidiInput, VanishedDeviceIsDroppedAtClose) {
    OpenStarted(0);
    m_service.RemoveDevice(0);
    EXPECT_NO_THROW(m_in.Close());
    EXPECT_TRUE(m_in.IsClosed());
    EXPECT_FALSE(IsRecordedOpen(mdInput, "Keys A"));
    EXPECT_EQ(m_service.OpenHandleCount(), 0);
}

TEST_F(MidiInputThreaded, ShiftedDeviceIsClosedSoItCannotCallBackLater) {
    OpenStarted(1);
    // "Keys A" goes away: "Pads B" is number 0 now and number 1 names nothing. The port itself
    // is still there and must stop delivering into the input.
    m_service.RemoveDevice(0);
    EXPECT_NO_THROW(m_in.Close());
    EXPECT_EQ(m_service.OpenHandleCount(), 0);
    m_service.Inject(0, NoteOn(60, 1), 0);
    Settle();
    EXPECT_EQ(m_service.QueuedBuffers(), 0);
    OpenStarted(0);
    Settle();
    EXPECT_EQ(m_in.MessageCount(), 0);
}
