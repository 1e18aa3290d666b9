#include "midi/midioutput.h"

#include <gtest/gtest.h>

#include "support/thrown.h"
#include "support/virtualmidi.h"

namespace {

// Opens device `id` of the service through a fresh output.
struct TOpened {
    TOpened(TVirtualMidiService& s, int id) : Out(s) {
        Out.SetDeviceId(id);
        Out.Open();
    }
    TMidiOutput Out;
};

}  // namespace

TEST(MidiOutput, SendShortPacksStatusAndDataBytes) {
    TVirtualMidiService s({"Synth A"});
    TOpened o(s, 0);
    o.Out.SendShort(0x90, 60, 100);
    o.Out.SendShort(0xC3, 0x7F, 0);
    o.Out.SendShort(0xE0, 0x00, 0x40);
    EXPECT_EQ(s.SentTo(s.DeviceUid(0)), (std::vector<std::uint32_t>{0x643C90, 0x7FC3, 0x4000E0}));
    EXPECT_EQ(PackShortMessage(0x90, 60, 100), 6569104u);
}

TEST(MidiOutput, ClosedOrUnselectedDeviceSendsNothing) {
    TVirtualMidiService s({"Synth A"});
    TMidiOutput out(s);
    EXPECT_EQ(out.DeviceId(), NoDevice);
    out.SendShort(0x90, 60, 100);
    EXPECT_FALSE(out.Open());  // nothing selected
    out.SetDeviceId(0);
    out.SendShort(0x90, 60, 100);  // selected but closed
    ASSERT_TRUE(out.Open());
    out.Close();
    out.SendShort(0x90, 60, 100);
    EXPECT_TRUE(s.Sent().empty());
    EXPECT_EQ(s.StaleHandleCalls(), 0);
}

TEST(MidiOutput, ListDevicesAddsMapperOnlyWhenADeviceExists) {
    TVirtualMidiService s;
    TMidiOutput out(s);
    std::vector<TMidiDeviceEntry> list{{"old", 3}};
    out.ListDevices(list);
    EXPECT_TRUE(list.empty());

    s.AddDevice("Synth A");
    out.ListDevices(list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].Name, "MIDI Mapper");
    EXPECT_EQ(list[0].Id, -1);
    EXPECT_EQ(list[1].Name, "Synth A");
    EXPECT_EQ(list[1].Id, 0);

    // Nameless devices are left out but keep their numbers for the ones after them.
    s.AddDevice("");
    s.AddDevice("Synth C");
    out.SetIncludeMapper(false);
    out.ListDevices(list);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[1].Name, "Synth C");
    EXPECT_EQ(list[1].Id, 2);
}

TEST(MidiOutput, SelectionByNumber) {
    TVirtualMidiService s({"Synth A", "Synth B"});
    s.SetMapperName("Mapper of the system");
    TMidiOutput out(s);
    out.SetDeviceId(-1);
    EXPECT_EQ(out.DeviceId(), -1);
    EXPECT_EQ(out.DeviceName(), "Mapper of the system");
    ASSERT_TRUE(out.Open());
    out.SendShort(0x80, 1, 2);
    EXPECT_EQ(s.SentTo(0), std::vector<std::uint32_t>{0x020180});
    out.Close();

    for (int id : {2, 30000, -2, -1000}) {
        out.SetDeviceId(1);
        out.SetDeviceId(id);
        EXPECT_EQ(out.DeviceId(), NoDevice) << id;
        EXPECT_EQ(out.DeviceName(), "") << id;
        EXPECT_FALSE(out.Open()) << id;
    }
    EXPECT_EQ(s.OpenHandleCount(), 0);
}

TEST(MidiOutput, SelectionFailsWhileOpenOrWhenNameUnreadable) {
    TVirtualMidiService s({"Synth A", "Synth B"});
    TOpened o(s, 0);
    const auto e = Thrown<EMidiOutputError>([&] { o.Out.SetDeviceId(1); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->what(), "Change to DeviceID while device was open");
    EXPECT_EQ(o.Out.DeviceId(), 0);
    EXPECT_EQ(o.Out.DeviceName(), "Synth A");
    o.Out.Close();

    s.SetProductNameError(kMidiErrNoMem);
    const auto e2 = Thrown<EMidiOutputError>([&] { o.Out.SetDeviceId(1); });
    ASSERT_TRUE(e2);
    EXPECT_EQ(e2->Code(), kMidiErrNoMem);
    EXPECT_STREQ(e2->what(), "Not enough memory.");
    EXPECT_EQ(o.Out.DeviceId(), 1);
}

TEST(MidiOutput, SecondOpenIsANoOp) {
    TVirtualMidiService s({"Synth A"});
    TOpened o(s, 0);
    EXPECT_TRUE(o.Out.Open());
    EXPECT_EQ(s.OpenHandleCount(), 1);
    EXPECT_FALSE(o.Out.IsClosed());
}

TEST(MidiOutput, FailedOpenReportsDeviceAndServiceText) {
    TVirtualMidiService s({"Synth A"});
    s.SetOpenError(kMidiErrAllocated);
    TMidiOutput out(s);
    out.SetDeviceId(0);
    const auto e = Thrown<EMidiOutputError>([&] { out.Open(); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Code(), kMidiErrAllocated);
    EXPECT_STREQ(e->what(),
                 "Cannot open MIDI output device \"Synth A\":\r\n"
                 "The device is already in use.");
    EXPECT_TRUE(out.IsClosed());
    EXPECT_FALSE(IsRecordedOpen(mdOutput, "Synth A"));

    // A code the service has no text for.
    s.SetOpenError(0x1234);
    const auto e2 = Thrown<EMidiOutputError>([&] { out.Open(); });
    ASSERT_TRUE(e2);
    EXPECT_STREQ(e2->what(), "Cannot open MIDI output device \"Synth A\":\r\nUnspecified error");
    s.SetOpenError(kMidiOk);
    EXPECT_TRUE(out.Open());
}

TEST(MidiOutput, SendFailureKeepsDeviceOpen) {
    TVirtualMidiService s({"Synth A"});
    TOpened o(s, 0);
    s.SetSendError(kMidiErrNotSupported);
    const auto e = Thrown<EMidiOutputError>([&] { o.Out.SendShort(0x90, 1, 1); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->Code(), kMidiErrNotSupported);
    EXPECT_STREQ(e->what(), "The function is not supported.");  // one line, no context
    EXPECT_FALSE(o.Out.IsClosed());
    s.SetSendError(kMidiOk);
    o.Out.SendShort(0x90, 1, 1);
    EXPECT_EQ(s.Sent().size(), 1u);
}

TEST(MidiOutput, OpenAndCloseFollowTheRecordAndSilenceTheDevice) {
    TVirtualMidiService s({"Synth A"});
    {
        TOpened o(s, 0);
        EXPECT_TRUE(IsRecordedOpen(mdOutput, "SYNTH a"));
        EXPECT_FALSE(IsRecordedOpen(mdInput, "Synth A"));
        EXPECT_TRUE(o.Out.Close());
        EXPECT_EQ(s.ResetCalls(), 1);
        EXPECT_EQ(s.CloseCalls(), 1);
        EXPECT_FALSE(IsRecordedOpen(mdOutput, "Synth A"));
        o.Out.Open();
    }
    // Destruction closed it.
    EXPECT_EQ(s.OpenHandleCount(), 0);
    EXPECT_FALSE(IsRecordedOpen(mdOutput, "Synth A"));
}

TEST(MidiOutput, ResetOrCloseFailureStillAllowsReopen) {
    for (bool failReset : {true, false}) {
        TVirtualMidiService s({"Synth A"});
        TOpened o(s, 0);
        if (failReset)
            s.SetResetError(kMidiErrError);
        else
            s.SetCloseError(kMidiErrError);
        EXPECT_THROW(o.Out.Close(), EMidiOutputError);
        EXPECT_TRUE(o.Out.IsClosed());
        EXPECT_FALSE(IsRecordedOpen(mdOutput, "Synth A"));
        // A failed reset still releases the device.
        EXPECT_EQ(s.CloseCalls(), 1);
        s.SetResetError(kMidiOk);
        s.SetCloseError(kMidiOk);
        ASSERT_TRUE(o.Out.Open());
        o.Out.SendShort(0x90, 2, 3);
        ASSERT_EQ(s.Sent().size(), 1u);
        EXPECT_EQ(s.Sent()[0].Handle, 2u);  // a new handle
        EXPECT_NO_THROW(o.Out.Close());
    }
}

TEST(MidiOutput, VanishedDeviceIsForgottenWithoutTouchingTheStaleHandle) {
    // Removed from the list: its number now names the next device, or nothing at all.
    for (bool rename : {false, true}) {
        TVirtualMidiService s({"Synth A"});
        TOpened o(s, 0);
        if (rename)
            s.RenameDevice(0, "Other Synth");
        else
            s.RemoveDevice(0);
        EXPECT_TRUE(o.Out.Close());
        EXPECT_EQ(s.ResetCalls(), 0);
        EXPECT_EQ(s.CloseCalls(), 0);
        EXPECT_EQ(s.StaleHandleCalls(), 0);
        EXPECT_TRUE(o.Out.IsClosed());
        EXPECT_FALSE(IsRecordedOpen(mdOutput, "Synth A"));
    }

    TVirtualMidiService s({"Synth A", "Synth B"});
    TOpened o(s, 1);
    s.RenameDevice(1, "synth  b");  // same product: case and blanks do not matter
    o.Out.CheckDevicePresent();
    EXPECT_FALSE(o.Out.IsClosed());
    s.RemoveDevice(0);  // Synth B moves to number 0; number 1 now names nothing
    o.Out.CheckDevicePresent();
    EXPECT_TRUE(o.Out.IsClosed());
    o.Out.SendShort(0x90, 1, 1);
    EXPECT_EQ(s.StaleHandleCalls(), 0);
    EXPECT_EQ(s.CloseCalls(), 0);
}

TEST(MidiOutput, LoopbackOutputRefusedWhileSameInputIsOpen) {
    TVirtualMidiService s({"MIDI Yoke NT:  1", "Synth A"});
    RecordOpen(mdInput, "midi yoke nt:  1");
    RecordOpen(mdInput, "Synth A");
    TMidiOutput out(s);
    out.SetDeviceId(0);
    const auto e = Thrown<EVirtualMIDIFeedback>([&] { out.Open(); });
    ASSERT_TRUE(e);
    EXPECT_STREQ(e->what(), "Opening \"MIDI Yoke NT:  1\" would create a virtual feedback loop !");
    EXPECT_TRUE(out.IsClosed());
    EXPECT_EQ(out.DeviceId(), 0);
    EXPECT_EQ(s.OpenHandleCount(), 0);

    out.SetDetectMidiLoop(false);
    EXPECT_TRUE(out.Open());
    out.Close();

    // Not a loopback driver: never refused.
    out.SetDetectMidiLoop(true);
    out.SetDeviceId(1);
    EXPECT_TRUE(out.Open());
    out.Close();
    RecordClosed(mdInput, "MIDI YOKE NT:  1");
    RecordClosed(mdInput, "Synth A");
    EXPECT_TRUE(RecordedOpenNames(mdInput).empty());
}
