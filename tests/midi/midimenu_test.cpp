#include "midi/midimenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

#include "support/virtualmidi.h"

namespace {

using namespace MidiMenuSettings;

// An output menu bound to a submenu, recording what it reports.
struct MidiOutMenu : ::testing::Test {
    TVirtualMidiService Service;
    QMenu Menu;
    TMidiOutMenu Out{Service};
    std::vector<std::string> Texts;
    std::vector<std::string> Errors;
    int BeforeClose = 0;
    int AfterOpen = 0;

    void SetUp() override {
        Out.OnTextMessage = [this](TMidiMenuBase* sender, const std::string& t) {
            EXPECT_EQ(sender, &Out);
            Texts.push_back(t);
        };
        Out.OnError = [this](TMidiMenuBase*, const std::string& t) { Errors.push_back(t); };
        Out.OnBeforeClose = [this](TMidiMenuBase*) { ++BeforeClose; };
        Out.OnAfterOpen = [this](TMidiMenuBase*) { ++AfterOpen; };
    }

    void Bind() { Out.SetBaseMenu(&Menu); }

    // Captions of the visible entries, separators as "-", checked ones with a leading '*'.
    std::vector<std::string> Entries() const {
        std::vector<std::string> out;
        for (QAction* a : Menu.actions()) {
            if (!a->isVisible()) continue;
            std::string c = a->isSeparator() ? "-" : EntryName(a);
            out.push_back(a->isChecked() ? "*" + c : c);
        }
        return out;
    }

    void Load(const std::string& value) {
        TMemSettingsStore store(true);
        if (!value.empty()) store.WriteString(kSection, kMidiOut, value);
        Out.LoadSettings(store);
    }

    std::string Saved() {
        TMemSettingsStore store(true);
        Out.SaveSettings(store);
        return store.ReadString(kSection, kMidiOut, "<missing>");
    }

    void Click(int tag) {
        QAction* a = Out.FindEntry(tag);
        ASSERT_NE(a, nullptr) << "no entry with tag " << tag;
        a->trigger();
    }
};

}  // namespace

TEST_F(MidiOutMenu, NoDevicesGiveOnlyTheCheckedNoneEntry) {
    Bind();
    EXPECT_EQ(Entries(), std::vector<std::string>{"*none"});
    EXPECT_EQ(Menu.actions().front()->data().toInt(), NoDevice);
    EXPECT_EQ(Saved(), "(none)");
}

TEST_F(MidiOutMenu, EntriesReadNoneSeparatorThenDevicesAndHiddenEntriesSurvive) {
    Service.AddDevice("Synth A");
    Service.AddDevice("Port & Co");
    QAction* hidden = Menu.addAction("designer entry");
    hidden->setVisible(false);
    QAction* visible = Menu.addAction("placeholder");
    QPointer<QAction> visibleGuard(visible);
    Bind();

    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"*none", "-", "MIDI Mapper", "Synth A", "Port & Co"}));
    EXPECT_TRUE(visibleGuard.isNull());
    std::vector<int> tags;
    for (QAction* a : Menu.actions())
        if (a->isVisible()) tags.push_back(a->data().toInt());
    EXPECT_EQ(tags, (std::vector<int>{NoDevice, kSeparatorTag, -1, 0, 1}));

    Service.AddDevice("Synth C");
    Out.Refresh(false);
    EXPECT_EQ(Entries().size(), 6u);
    EXPECT_TRUE(Menu.actions().contains(hidden));
    EXPECT_FALSE(hidden->isChecked());

    // A name with an ampersand is found again by its plain name.
    Load("port&co");
    EXPECT_EQ(Out.DeviceName(), "Port & Co");
    EXPECT_EQ(Entries()[4], "*Port & Co");
}

TEST_F(MidiOutMenu, StoredNameDifferingInCaseAndSpacesReopens) {
    Service.AddDevice("Synth A");
    Service.AddDevice("USB Midi Cable");
    Bind();
    Load("usbmidi  cable");
    EXPECT_FALSE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceId(), 1);
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"none", "-", "MIDI Mapper", "Synth A", "*USB Midi Cable"}));
    EXPECT_EQ(Texts, std::vector<std::string>{"Opened MIDI OUT: USB Midi Cable"});
    EXPECT_EQ(AfterOpen, 1);
    EXPECT_EQ(Saved(), "USB Midi Cable");
    EXPECT_TRUE(Out.AwaitedDevice().empty());

    Out.Output().SendShort(0x90, 60, 100);
    EXPECT_EQ(Service.SentTo(Service.DeviceUid(1)), std::vector<std::uint32_t>{0x643C90});
}

TEST_F(MidiOutMenu, MapperIsOpenedWhenStoredOrByDefaultButNeverAwaited) {
    Bind();
    Load("MIDI Mapper");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_TRUE(Out.AwaitedDevice().empty());
    EXPECT_EQ(Saved(), "(none)");
    EXPECT_TRUE(Texts.empty());

    Service.AddDevice("Synth A");
    Out.Refresh(false);
    EXPECT_TRUE(Out.IsClosed());  // nothing was awaited
    Load("MIDI Mapper");
    EXPECT_EQ(Out.DeviceId(), -1);
    EXPECT_EQ(Saved(), "MIDI Mapper");

    // Nothing stored: only the default opens the mapper.
    Load("");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Saved(), "(none)");
    Out.SetDefaultMidiMapper(true);
    Load("");
    EXPECT_EQ(Out.DeviceId(), -1);
    Load("(none)");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Saved(), "(none)");
}

TEST_F(MidiOutMenu, AbsentStoredDeviceIsAwaitedAndOpenedWhenItAppears) {
    Service.AddDevice("Synth A");
    Bind();
    Load("Synth B");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Out.AwaitedDevice(), "Synth B");
    EXPECT_EQ(Texts, std::vector<std::string>{
                         "Waiting for MIDI OUT Synth B to be plugged in or switched on."});
    EXPECT_EQ(Saved(), "Synth B");
    EXPECT_EQ(Entries().front(), "*none");

    Out.Refresh(false);  // nothing changed
    EXPECT_TRUE(Out.IsClosed());

    Service.AddDevice("synth b");
    Out.Refresh(false);
    EXPECT_FALSE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceName(), "synth b");
    EXPECT_TRUE(Out.AwaitedDevice().empty());
    EXPECT_EQ(Entries().back(), "*synth b");
    EXPECT_EQ(Saved(), "synth b");
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MidiOutMenu, ClicksOnTheOpenEntryAndOnNoneWhileClosedChangeNothing) {
    Service.AddDevice("Synth A");
    Bind();
    Click(NoDevice);
    EXPECT_TRUE(Texts.empty());
    EXPECT_EQ(BeforeClose, 0);
    EXPECT_EQ(Entries().front(), "*none");

    Click(0);
    ASSERT_FALSE(Out.IsClosed());
    Texts.clear();
    // The menu unchecks a checked entry when it is clicked; the check has to come back.
    Click(0);
    EXPECT_FALSE(Out.IsClosed());
    EXPECT_TRUE(Texts.empty());
    EXPECT_EQ(Service.CloseCalls(), 0);
    EXPECT_EQ(Entries().back(), "*Synth A");
    EXPECT_EQ(Entries().front(), "none");
}

TEST_F(MidiOutMenu, NoneClosesWithTextsAndKeepsTheAwaitedDevice) {
    Service.AddDevice("Synth A");
    Bind();
    Load("Synth Z");
    ASSERT_EQ(Out.AwaitedDevice(), "Synth Z");
    bool openDuringBeforeClose = false;
    Out.OnBeforeClose = [&](TMidiMenuBase*) { openDuringBeforeClose = !Out.IsClosed(); };
    Click(0);
    EXPECT_TRUE(Out.AwaitedDevice().empty());  // a click that opens ends the wait

    Load("Synth Z");
    Click(-1);
    Texts.clear();
    Click(NoDevice);
    EXPECT_TRUE(openDuringBeforeClose);
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceId(), NoDevice);
    EXPECT_EQ(Texts, (std::vector<std::string>{"Closing MIDI OUT: MIDI Mapper ...",
                                               "Closed MIDI OUT: MIDI Mapper"}));
    EXPECT_EQ(Entries().front(), "*none");
    EXPECT_EQ(Saved(), "(none)");
}

TEST_F(MidiOutMenu, OpenFailureReachesOnErrorAndChecksShowNone) {
    Service.AddDevice("Synth A");
    Service.AddDevice("Synth B");
    Bind();
    Click(0);
    Service.SetOpenError(kMidiErrAllocated);
    Click(1);
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0],
              "Cannot open MIDI output device \"Synth B\":\r\nThe device is already in use.");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceId(), NoDevice);
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"*none", "-", "MIDI Mapper", "Synth A", "Synth B"}));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // The entry of a device that has gone since the rebuild selects nothing.
    Service.SetOpenError(kMidiOk);
    QAction* b = Out.FindEntry(1);
    Service.RemoveDevice(1);
    b->trigger();
    ASSERT_EQ(Errors.size(), 2u);
    EXPECT_EQ(Errors[1], "Invalid Device ID!");
    EXPECT_EQ(Entries().front(), "*none");
}

TEST_F(MidiOutMenu, LoopRefusedOnLoadIsReportedAndAwaited) {
    Service.AddDevice("MIDI Yoke NT: 1");
    Bind();
    RecordOpen(mdInput, "midi yoke nt: 1");
    Load("MIDI Yoke NT: 1");
    RecordClosed(mdInput, "midi yoke nt: 1");
    ASSERT_EQ(Errors.size(), 1u);
    EXPECT_EQ(Errors[0], "Opening \"MIDI Yoke NT: 1\" would create a virtual feedback loop !");
    EXPECT_EQ(Out.AwaitedDevice(), "MIDI Yoke NT: 1");

    // The stored switch is read after the reopen, so it governs the next open only.
    TMemSettingsStore store(true);
    store.WriteString(kSection, kMidiOut, "MIDI Yoke NT: 1");
    store.WriteBool(kSection, kDetectMidiLoop, false);
    Out.LoadSettings(store);
    EXPECT_FALSE(Out.Output().DetectMidiLoop());
    TMemSettingsStore saved(true);
    Out.SaveSettings(saved);
    EXPECT_FALSE(saved.ReadBool(kSection, kDetectMidiLoop, true));
    Out.Output().SetDetectMidiLoop(true);
    TMemSettingsStore savedTrue(true);
    Out.SaveSettings(savedTrue);
    EXPECT_FALSE(savedTrue.ValueExists(kSection, kDetectMidiLoop));
}

TEST_F(MidiOutMenu, HourglassIsShownDuringClicksAndRestoredAfterExceptions) {
    Service.AddDevice("Synth A");
    Bind();
    QApplication::setOverrideCursor(Qt::PointingHandCursor);
    Qt::CursorShape during = Qt::ArrowCursor;
    Out.OnAfterOpen = [](TMidiMenuBase*) { throw std::runtime_error("boom"); };
    Out.OnError = [&](TMidiMenuBase*, const std::string& t) {
        during = QApplication::overrideCursor()->shape();
        Errors.push_back(t);
    };
    Click(0);
    EXPECT_EQ(during, Qt::WaitCursor);
    EXPECT_EQ(Errors, std::vector<std::string>{"boom"});
    EXPECT_TRUE(Out.IsClosed());  // an error after opening closes again
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);

    // A failing error handler leaves the click, the cursor still goes back.
    Out.OnError = [](TMidiMenuBase*, const std::string&) { throw std::logic_error("handler"); };
    EXPECT_THROW(Out.ItemClick(Out.FindEntry(0)), std::logic_error);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);

    // A close that fails is reported, and the device is closed and unselected all the same.
    Out.OnAfterOpen = nullptr;
    Out.OnError = [&](TMidiMenuBase*, const std::string& t) { Errors.push_back(t); };
    Click(0);
    ASSERT_FALSE(Out.IsClosed());
    Service.SetCloseError(kMidiErrNoMem);
    Out.CloseWithCursor();
    EXPECT_EQ(Errors.back(), "Not enough memory.");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceId(), NoDevice);
    EXPECT_EQ(Entries().front(), "*none");
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    QApplication::restoreOverrideCursor();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MidiOutMenu, RenameWithSameCountRebuildsAndClosesTheRenamedOpenDevice) {
    Service.AddDevice("Synth A");
    Service.AddDevice("Synth B");
    Bind();
    Click(1);
    Service.RenameDevice(0, "Synth C");
    Out.Refresh(false);
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"none", "-", "MIDI Mapper", "Synth C", "*Synth B"}));

    Texts.clear();
    Service.RenameDevice(1, "Synth D");
    Out.Refresh(false);
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Service.StaleHandleCalls(), 0);
    EXPECT_EQ(Out.AwaitedDevice(), "Synth B");
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{"*none", "-", "MIDI Mapper", "Synth C", "Synth D"}));
}

TEST_F(MidiOutMenu, VanishedOpenDeviceIsAwaitedAndReopenedWhenItReturns) {
    Service.AddDevice("Synth A");
    Service.AddDevice("Synth B");
    Bind();
    Click(1);
    Texts.clear();
    Service.RemoveDevice(1);
    Out.Refresh(false);
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Service.StaleHandleCalls(), 0);  // the gone port was never touched
    EXPECT_EQ(BeforeClose, 1);
    EXPECT_EQ(Out.AwaitedDevice(), "Synth B");
    EXPECT_EQ(Texts, std::vector<std::string>{
                         "Waiting for MIDI OUT Synth B to be plugged in or switched on."});
    EXPECT_EQ(Saved(), "Synth B");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"*none", "-", "MIDI Mapper", "Synth A"}));

    // It comes back under another number, before a device that was plugged in meanwhile.
    Service.AddDevice("Synth C");
    Service.RenameDevice(1, "Synth B");
    Out.Refresh(false);
    EXPECT_FALSE(Out.IsClosed());
    EXPECT_EQ(Out.DeviceId(), 1);
    EXPECT_EQ(Entries().back(), "*Synth B");
    Out.Output().SendShort(0xB0, 7, 100);
    EXPECT_EQ(Service.SentTo(Service.DeviceUid(1)).size(), 1u);
    EXPECT_TRUE(Errors.empty());
}

TEST_F(MidiOutMenu, RecheckTimerKeepsRebuildingEveryTenSeconds) {
    Bind();
    QTimer* timer = Out.RecheckTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), kRecheckIntervalMs);
    EXPECT_TRUE(timer->isActive());

    Service.AddDevice("Synth A");
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(Entries().size(), 4u);
    EXPECT_TRUE(timer->isActive());
    Service.AddDevice("Synth B");
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(Entries().back(), "Synth B");

    Out.SetBaseMenu(nullptr);
    EXPECT_FALSE(timer->isActive());
}

TEST_F(MidiOutMenu, RebindingMovesTheEntriesAndUnbindingFreesThem) {
    Service.AddDevice("Synth A");
    QAction* hidden = Menu.addAction("kept");
    hidden->setVisible(false);
    Bind();
    Click(0);

    QMenu other;
    other.addAction("old visible entry");
    Out.SetBaseMenu(&other);
    EXPECT_EQ(Menu.actions(), QList<QAction*>{hidden});
    ASSERT_EQ(other.actions().size(), 4);
    EXPECT_EQ(EntryName(other.actions()[0]), "none");
    EXPECT_EQ(other.actions()[3]->parent(), &other);
    other.actions()[2]->trigger();  // moved entries keep working
    EXPECT_EQ(Out.DeviceId(), -1);
    EXPECT_TRUE(other.actions()[2]->isChecked());
    EXPECT_FALSE(other.actions()[3]->isChecked());

    Out.SetBaseMenu(nullptr);
    EXPECT_TRUE(other.actions().isEmpty());
    EXPECT_EQ(Out.FindEntry(0), nullptr);
}

TEST_F(MidiOutMenu, LoadFromRegPathNeedsAPathAndSwallowsErrors) {
    Service.AddDevice("Synth A");
    Bind();
    int opened = 0;
    Out.OpenRegPathStore = [&]() -> std::unique_ptr<TSettingsStore> {
        ++opened;
        auto store = std::make_unique<TMemSettingsStore>(true);
        store->WriteString(kSection, kMidiOut, "Synth A");
        return store;
    };
    Out.LoadFromRegPath();  // the default path means none is set
    Out.SetRegPath("");
    Out.LoadFromRegPath();
    EXPECT_EQ(opened, 0);

    Out.SetRegPath("Zorvik\\Tastra");
    Out.LoadFromRegPath();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(Out.DeviceName(), "Synth A");

    Out.OpenRegPathStore = []() -> std::unique_ptr<TSettingsStore> {
        throw std::runtime_error("no such key");
    };
    EXPECT_NO_THROW(Out.LoadFromRegPath());
    Out.OpenRegPathStore = []() {
        auto store = std::make_unique<TMemSettingsStore>(true);
        store->WriteInteger(kSection, kMidiOut, 3);  // wrong type ends the load
        return std::unique_ptr<TSettingsStore>(std::move(store));
    };
    EXPECT_NO_THROW(Out.LoadFromRegPath());
    Out.OpenRegPathStore = nullptr;
    EXPECT_NO_THROW(Out.LoadFromRegPath());
}

TEST(MidiMenuLifetime, EntriesGoWithTheComponentAndAGoneSubmenuIsForgotten) {
    TVirtualMidiService service({"Synth A"});
    QMenu menu;
    QAction* kept = menu.addAction("kept");
    kept->setVisible(false);
    {
        TMidiOutMenu out(service);
        out.SetBaseMenu(&menu);
        ASSERT_EQ(menu.actions().size(), 5);
    }
    EXPECT_EQ(menu.actions(), QList<QAction*>{kept});

    TMidiOutMenu out(service);
    auto* doomed = new QMenu;
    out.SetBaseMenu(doomed);
    out.FindEntry(0)->trigger();
    delete doomed;
    EXPECT_EQ(out.BaseMenu(), nullptr);
    service.AddDevice("Synth B");
    out.Refresh(true);
    out.CloseWithCursor();
    EXPECT_TRUE(out.IsClosed());
}

TEST_F(MidiOutMenu, RunDeviceStandsInForTheStoredOneUntilTheUserChooses) {
    Service.AddDevice("Synth A");
    Service.AddDevice("USB Midi Cable");
    Bind();
    Out.SetRunDevice("usbmidi  cable");
    Load("Synth A");
    EXPECT_EQ(Out.DeviceName(), "USB Midi Cable");
    EXPECT_EQ(Saved(), "Synth A");

    // Absent: awaited like a stored device, and still not written.
    Out.SetRunDevice("Synth C");
    Load("Synth A");
    EXPECT_TRUE(Out.IsClosed());
    EXPECT_EQ(Out.AwaitedDevice(), "Synth C");
    EXPECT_EQ(Saved(), "Synth A");

    // What the user picks in the menu is remembered, "none" included.
    Click(NoDevice);
    EXPECT_EQ(Saved(), "(none)");
    Load("Synth A");
    Click(1);
    EXPECT_EQ(Saved(), "USB Midi Cable");
}
