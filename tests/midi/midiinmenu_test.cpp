#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "midi/midimenu.h"
#include "support/virtualmidi.h"

namespace {

using namespace MidiMenuSettings;

// An input menu bound to a submenu; messages are delivered on the injecting thread.
struct MidiInMenu : ::testing::Test {
    TVirtualMidiInService Service{{}, TVirtualMidiInService::dlSynchronous};
    QMenu Menu;
    TMidiInMenu In{Service};
    std::vector<std::string> Texts;
    std::vector<std::string> Errors;

    void SetUp() override {
        In.OnTextMessage = [this](TMidiMenuBase*, const std::string& t) { Texts.push_back(t); };
        In.OnError = [this](TMidiMenuBase*, const std::string& t) { Errors.push_back(t); };
    }

    std::vector<std::string> Captions() const {
        std::vector<std::string> out;
        for (QAction* a : Menu.actions())
            if (a->isVisible())
                out.push_back((a->isChecked() ? "*" : "") +
                              (a->isSeparator() ? std::string("-") : EntryName(a)));
        return out;
    }

    void Load(TMemSettingsStore& store) { In.LoadSettings(store); }
    void Load(const std::string& value) {
        TMemSettingsStore store(true);
        store.WriteString(kSection, kMidiIn, value);
        In.LoadSettings(store);
    }

    // Number of messages that reached the open input's queue from one injected message.
    int Arrives(int id, std::uint32_t packed) {
        int before = In.Input().MessageCount();
        Service.Inject(id, packed, 0);
        return In.Input().MessageCount() - before;
    }
};

}  // namespace

TEST_F(MidiInMenu, StoredDeviceIsReopenedStartedAndDeliversToTheInstalledHandler) {
    Service.AddDevice("Keys A");
    Service.AddDevice("Pads B");
    In.SetDefaultMidiMapper(true);  // the input has no mapper: nothing to open by default
    In.SetBaseMenu(&Menu);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"*none", "-", "Keys A", "Pads B"}));
    Load("");
    EXPECT_TRUE(In.IsClosed());

    Load("PADS b");
    ASSERT_FALSE(In.IsClosed());
    EXPECT_EQ(Captions().back(), "*Pads B");
    EXPECT_EQ(Texts, std::vector<std::string>{"Opened MIDI IN: Pads B"});

    int fired = 0;
    In.SetOnMidiInput([&](TMidiInput* sender) {
        EXPECT_EQ(sender, &In.Input());
        ++fired;
        while (auto e = sender->GetMidiEvent()) EXPECT_EQ(e->Data1, 60);
    });
    EXPECT_TRUE(static_cast<bool>(In.GetOnMidiInput()));
    ASSERT_EQ(Arrives(1, 0x403C90), 1);  // flowing, so the input was started
    In.Input().Dispatch();
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(In.Input().MessageCount(), 0);

    Texts.clear();
    In.FindEntry(NoDevice)->trigger();
    EXPECT_EQ(Texts,
              (std::vector<std::string>{"Closing MIDI IN: Pads B ...", "Closed MIDI IN: Pads B"}));
    EXPECT_EQ(Service.OpenHandleCount(), 0);
}

TEST_F(MidiInMenu, FiltersAreLoadedSavedAndHoldForTheOpenedDevice) {
    Service.AddDevice("Keys A");
    In.SetBaseMenu(&Menu);
    TMemSettingsStore store(true);
    store.WriteString(kSection, kMidiIn, "Keys A");
    store.WriteBool(kSection, kActiveSensing, true);
    store.WriteBool(kSection, kDetectMidiLoop, false);
    Load(store);
    EXPECT_TRUE(In.ActiveSensing());
    EXPECT_FALSE(In.TimingClock());
    EXPECT_FALSE(In.Input().DetectMidiLoop());
    EXPECT_EQ(Arrives(0, 0xFE), 1);
    EXPECT_EQ(Arrives(0, 0xF8), 0);

    In.SetSysExOnly(true);
    EXPECT_EQ(Arrives(0, 0x403C90), 0);

    TMemSettingsStore saved(true);
    In.SaveSettings(saved);
    EXPECT_EQ(saved.ReadString(kSection, kMidiIn, ""), "Keys A");
    EXPECT_TRUE(saved.ReadBool(kSection, kActiveSensing, false));
    EXPECT_FALSE(saved.ReadBool(kSection, kTimingClock, true));
    EXPECT_TRUE(saved.ReadBool(kSection, kSysExOnly, false));
    EXPECT_FALSE(saved.ReadBool(kSection, kDetectMidiLoop, true));

    // Filters set while closed reach the next device opened.
    In.CloseWithCursor();
    In.SetSysExOnly(false);
    In.SetTimingClock(true);
    In.FindEntry(0)->trigger();
    EXPECT_EQ(Arrives(0, 0xF8), 1);
    EXPECT_EQ(Arrives(0, 0x403C90), 1);
}

TEST_F(MidiInMenu, AbsentAndVanishedDevicesAreAwaitedUntilTheyReturn) {
    Service.AddDevice("Keys A");
    In.SetBaseMenu(&Menu);
    Load("Pads B");
    EXPECT_EQ(Texts, std::vector<std::string>{
                         "Waiting for MIDI IN Pads B to be plugged in or switched on."});
    Service.AddDevice("Pads B");
    In.Refresh(false);
    ASSERT_FALSE(In.IsClosed());
    EXPECT_EQ(In.DeviceName(), "Pads B");

    Texts.clear();
    Service.RemoveDevice(1);
    In.Refresh(false);
    EXPECT_TRUE(In.IsClosed());
    EXPECT_EQ(In.AwaitedDevice(), "Pads B");
    EXPECT_EQ(Texts, std::vector<std::string>{
                         "Waiting for MIDI IN Pads B to be plugged in or switched on."});
    EXPECT_EQ(Captions(), (std::vector<std::string>{"*none", "-", "Keys A"}));

    Service.AddDevice("Pads B");
    In.Refresh(false);
    ASSERT_FALSE(In.IsClosed());
    EXPECT_EQ(Arrives(1, 0x403C90), 1);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MidiInMenu, FailuresAreReportedAndLeaveTheInputClosed) {
    Service.AddDevice("LB1 Loop");
    Service.AddDevice("Keys A");
    In.SetBaseMenu(&Menu);

    Service.SetStartError(kMidiErrNotSupported);
    In.FindEntry(1)->trigger();
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_TRUE(In.IsClosed());
    EXPECT_EQ(Captions().front(), "*none");
    Service.SetStartError(kMidiOk);

    // A device that will not stop is closed all the same.
    In.FindEntry(1)->trigger();
    ASSERT_FALSE(In.IsClosed());
    Service.SetStopError(kMidiErrNotSupported);
    In.CloseWithCursor();
    EXPECT_EQ(Errors.size(), 2u);
    EXPECT_TRUE(In.IsClosed());
    EXPECT_EQ(Service.OpenHandleCount(), 0);
    Service.SetStopError(kMidiOk);

    // The output menu's open loopback port refuses the input of the same name.
    TVirtualMidiService outService({"lb1 loop"});
    QMenu outMenu;
    TMidiOutMenu out(outService);
    out.SetBaseMenu(&outMenu);
    out.FindEntry(0)->trigger();
    ASSERT_FALSE(out.IsClosed());
    In.FindEntry(0)->trigger();
    ASSERT_EQ(Errors.size(), 3u);
    EXPECT_EQ(Errors.back(), "Opening \"LB1 Loop\" would create a virtual feedback loop !");
    EXPECT_TRUE(In.IsClosed());
}
