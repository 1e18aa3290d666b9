// Incoming MIDI from another program's JACK port through the main window and out to a JACK port
// of a third one, against a private JACK server: what thru plays, what it filters, how it
// follows a source that restarts, and that device changes never leave a note sounding.
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <unistd.h>

#include <QAction>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <map>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "platform/midi/systemmidi.h"
#include "support/virtualmidi.h"
#include "support/jackframes.h"
#include "support/jacktest.h"
#include "support/storeview.h"
#include "support/testwindow.h"

namespace {

using TBytes = std::vector<std::vector<uint8_t>>;

// Per channel and note: note-ons minus their releases (note-off, or note-on with velocity 0).
std::map<std::pair<int, int>, int> SoundingNotes(const TBytes& messages) {
    std::map<std::pair<int, int>, int> sounding;
    for (const auto& m : messages) {
        if (m.size() != 3) continue;
        const int kind = m[0] & 0xF0;
        if (kind != 0x90 && kind != 0x80) continue;
        sounding[{m[0] & 15, m[1]}] += (kind == 0x90 && m[2] > 0) ? 1 : -1;
    }
    return sounding;
}

class ThruJack : public TJackTest {
protected:
    void SetUp() override {
        TJackTest::SetUp();
        if (IsSkipped()) return;
        m_rx = NewReceiver();
        m_rx2 = NewReceiver();
        if (HasFailure()) return;
        m_senderName = "tastra-thru-src-" + std::to_string(getpid());
        m_tx = std::make_unique<TJackSender>(m_senderName);
        ASSERT_TRUE(m_tx->Ok()) << m_tx->Error();
        // The window opens both devices by their remembered names, as after a restart.
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn,
                            m_tx->PortName());
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut,
                            m_rx->PortName());
        // No program: start-up then sends nothing, and the receiver holds only what a test plays.
        m_store.WriteInteger("KeyboardForm", "Program", -1);
        m_outService = CreateSystemMidiOutService("TastraThru");
        m_inService = CreateSystemMidiInService("TastraThru");
        TTastraServices services;
        services.midiOut = m_outService.get();
        services.midiIn = m_inService.get();
        services.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
        m_window = StartTestWindow(services, m_prompts, 5000);
        ASSERT_TRUE(m_window->StartupDone());
        ASSERT_FALSE(m_window->MidiIn().IsClosed());
        ASSERT_EQ(m_window->MidiIn().DeviceName(), m_tx->PortName());
        ASSERT_FALSE(m_window->MidiOut().IsClosed());
        ASSERT_EQ(m_window->MidiOut().DeviceName(), m_rx->PortName());
        // Connections take effect from a later cycle of the server.
        ASSERT_TRUE(WaitJackPortConnected(m_tx->PortName(), 3000));
        ASSERT_TRUE(WaitJackPortConnected(m_rx->PortName(), 3000));
    }

    void TearDown() override {
        m_window.reset();
        m_tx.reset();
        m_rx.reset();
        m_rx2.reset();
        m_outService.reset();
        m_inService.reset();
    }

    // Runs the window thread until the receiver holds n messages (or a generous time passed).
    static TBytes WaitAt(TJackReceiver& rx, size_t n) {
        // The caller checks the count; a short list shows what did arrive.
        (void)QTest::qWaitFor([&] { return rx.Received().size() >= n; }, 3000);
        return rx.Received();
    }

    // Runs the window thread until nothing more arrives at either receiver for a while.
    void Settle() {
        size_t before = 0;
        for (int i = 0; i < 50; ++i) {
            QTest::qWait(60);
            const size_t now = m_rx->Received().size() + m_rx2->Received().size();
            if (i > 0 && now == before) return;
            before = now;
        }
    }

    // Menu entry of the device with this name, after a rebuild of the menu's entries.
    static QAction* Entry(TMidiMenuBase* menu, const std::string& name) {
        menu->Refresh(false);
        std::vector<TMidiDeviceEntry> list;
        menu->ListDevices(list);
        for (const auto& e : list)
            if (e.Name == name) return menu->FindEntry(e.Id);
        return nullptr;
    }

    QPoint KeyPoint(int note) {
        TKeyboard* k = m_window->Keyboard1;
        return {k->KeyLeft(note) - k->ScrollOffset() + k->KeyWidth() / 2, k->height() - 6};
    }

    static TBytes Notes(std::initializer_list<std::array<int, 3>> list) {
        TBytes out;
        for (const auto& m : list) out.push_back({uint8_t(m[0]), uint8_t(m[1]), uint8_t(m[2])});
        return out;
    }

    TMemSettingsStore m_store{true};
    std::string m_senderName;
    std::unique_ptr<TJackReceiver> m_rx;
    std::unique_ptr<TJackReceiver> m_rx2;
    std::unique_ptr<TJackSender> m_tx;
    std::unique_ptr<TMidiOutService> m_outService;
    std::unique_ptr<TMidiInService> m_inService;
    TScriptedPrompts m_prompts;
    QStringList& m_errors = m_prompts.errors;
    std::unique_ptr<TTastra2> m_window;
};

TEST_F(ThruJack, IncomingNoteComesOutTransposedAsTheChordAndItsNoteOffAsZeroVelocity) {
    m_window->Keyboard1->Player().SetChord(chMajor);
    m_window->Keyboard1->Player().SetTranspose(2);
    m_tx->Send({0x92, 60, 80});
    EXPECT_EQ(WaitAt(*m_rx, 3), Notes({{0x92, 62, 80}, {0x92, 66, 80}, {0x92, 69, 80}}));
    EXPECT_GT(m_window->Player().ThruCount(60), 0);
    m_tx->Send({0x82, 60, 64});
    const TBytes all = WaitAt(*m_rx, 6);
    ASSERT_EQ(all.size(), 6u);
    EXPECT_EQ(TBytes(all.begin() + 3, all.end()),
              Notes({{0x92, 62, 0}, {0x92, 66, 0}, {0x92, 69, 0}}));
    EXPECT_EQ(m_window->Player().ThruCount(60), 0);
    // Other channel messages pass unchanged, in order with the notes.
    m_tx->Send({0xB2, 7, 90});
    m_tx->Send({0x92, 48, 70});
    m_tx->Send({0xE2, 0, 80});
    const TBytes more = WaitAt(*m_rx, 11);
    ASSERT_EQ(more.size(), 11u);
    EXPECT_EQ(
        TBytes(more.begin() + 6, more.end()),
        Notes({{0xB2, 7, 90}, {0x92, 50, 70}, {0x92, 54, 70}, {0x92, 57, 70}, {0xE2, 0, 80}}));
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join('\n').toStdString();
}

TEST_F(ThruJack, WithoutThruAnIncomingNoteOnlyLightsItsKey) {
    m_window->FindAction("MidiThru1")->trigger();
    ASSERT_FALSE(m_window->MidiThru());
    m_tx->Send({0x90, 64, 100});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Player().ThruCount(64) == 1; }, 3000));
    m_tx->Send({0x80, 64, 0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Player().ThruCount(64) == 0; }, 3000));
    Settle();
    EXPECT_TRUE(m_rx->Received().empty());
}

TEST_F(ThruJack, ActiveSensingAndTimingClockAreFilteredUnlessAsked) {
    // Watch what the input hands out instead of what thru sends: thru drops system messages
    // anyway, so only the input shows whether the filter worked.
    std::vector<uint8_t> seen;
    m_window->MidiInMenu1->SetOnMidiInput([&](TMidiInput* in) {
        while (auto e = in->GetMidiEvent()) seen.push_back(e->MidiMessage);
    });
    m_tx->Send({0xFE});
    m_tx->Send({0xF8});
    m_tx->Send({0xB0, 1, 2});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, 3000));
    QTest::qWait(50);
    EXPECT_EQ(seen, std::vector<uint8_t>{0xB0});

    seen.clear();
    m_window->MidiInMenu1->SetActiveSensing(true);
    m_window->MidiInMenu1->SetTimingClock(true);
    m_tx->Send({0xFE});
    m_tx->Send({0xF8});
    m_tx->Send({0xB0, 1, 3});
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 3; }, 3000));
    EXPECT_EQ(seen, (std::vector<uint8_t>{0xFE, 0xF8, 0xB0}));
}

TEST_F(ThruJack, SourceThatQuitsAndComesBackIsReopenedByName) {
    TMidiInMenu* menu = m_window->MidiInMenu1;
    m_tx->Send({0x90, 60, 100});
    ASSERT_EQ(WaitAt(*m_rx, 1).size(), 1u);

    m_tx.reset();
    menu->Refresh(false);
    EXPECT_TRUE(m_window->MidiIn().IsClosed());
    EXPECT_EQ(menu->AwaitedDevice(), m_senderName + ":out");
    // The note whose release can no longer come was ended when its source vanished.
    Settle();
    EXPECT_EQ(SoundingNotes(m_rx->Received())[std::make_pair(0, 60)], 0);

    m_tx = std::make_unique<TJackSender>(m_senderName);
    ASSERT_TRUE(m_tx->Ok()) << m_tx->Error();
    menu->Refresh(false);
    ASSERT_FALSE(m_window->MidiIn().IsClosed());
    EXPECT_EQ(m_window->MidiIn().DeviceName(), m_senderName + ":out");
    EXPECT_TRUE(menu->AwaitedDevice().empty());
    ASSERT_TRUE(menu->FindEntry(m_window->MidiIn().DeviceId())->isChecked());
    QTest::qWait(30);

    const size_t before = m_rx->Received().size();
    m_tx->Send({0x91, 67, 90});
    const TBytes after = WaitAt(*m_rx, before + 1);
    ASSERT_EQ(after.size(), before + 1);
    EXPECT_EQ(after.back(), (std::vector<uint8_t>{0x91, 67, 90}));
}

TEST_F(ThruJack, SourceThatGoesAndComesBackIsFollowedWithoutTheRecheck) {
    TMidiInMenu* menu = m_window->MidiInMenu1;
    // From here on only the system's notices move the menu.
    menu->RecheckTimer()->stop();
    m_tx->Send({0x90, 60, 100});
    ASSERT_EQ(WaitAt(*m_rx, 1).size(), 1u);

    m_tx.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->MidiIn().IsClosed(); }, 3000));
    EXPECT_EQ(menu->AwaitedDevice(), m_senderName + ":out");
    Settle();
    EXPECT_EQ(SoundingNotes(m_rx->Received())[std::make_pair(0, 60)], 0);

    m_tx = std::make_unique<TJackSender>(m_senderName);
    ASSERT_TRUE(m_tx->Ok()) << m_tx->Error();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !m_window->MidiIn().IsClosed(); }, 3000));
    EXPECT_EQ(m_window->MidiIn().DeviceName(), m_senderName + ":out");
    EXPECT_FALSE(menu->RecheckTimer()->isActive());
}

TEST_F(ThruJack, DeviceChangesLeaveNoNoteSoundingAtAnyReceiver) {
    TKeyboard* k = m_window->Keyboard1;
    // Held through thru and with the mouse, then the output moves to the second receiver.
    m_tx->Send({0x90, 60, 100});
    m_tx->Send({0x93, 64, 100});
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, KeyPoint(48));
    ASSERT_EQ(WaitAt(*m_rx, 3).size(), 3u);
    QAction* second = Entry(m_window->MidiOutMenu1, m_rx2->PortName());
    ASSERT_NE(second, nullptr);
    m_window->MidiOutMenu1->ItemClick(second);
    ASSERT_EQ(m_window->MidiOut().DeviceName(), m_rx2->PortName());
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, KeyPoint(48));
    m_tx->Send({0x80, 60, 0});  // its note was already ended at the first receiver
    QTest::qWait(30);

    // Notes on the second receiver, then no output at all, then the second one again.
    m_tx->Send({0x90, 67, 100});
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, KeyPoint(50));
    ASSERT_GE(WaitAt(*m_rx2, 2).size(), 2u);
    m_window->MidiOutMenu1->NoneClick();
    ASSERT_TRUE(m_window->MidiOut().IsClosed());
    m_tx->Send({0x90, 69, 100});  // nowhere to go
    QTest::qWait(30);
    QTest::mouseRelease(k, Qt::LeftButton, Qt::NoModifier, KeyPoint(50));
    second = Entry(m_window->MidiOutMenu1, m_rx2->PortName());
    ASSERT_NE(second, nullptr);
    m_window->MidiOutMenu1->ItemClick(second);
    ASSERT_FALSE(m_window->MidiOut().IsClosed());
    QTest::qWait(30);

    // The input closes while notes are held; then it comes back and the window closes.
    const size_t seen = m_rx2->Received().size();
    m_tx->Send({0x90, 71, 100});
    m_tx->Send({0x95, 72, 100});
    ASSERT_GE(WaitAt(*m_rx2, seen + 2).size(), seen + 2);
    m_window->MidiInMenu1->NoneClick();
    ASSERT_TRUE(m_window->MidiIn().IsClosed());
    QAction* source = Entry(m_window->MidiInMenu1, m_tx->PortName());
    ASSERT_NE(source, nullptr);
    m_window->MidiInMenu1->ItemClick(source);
    ASSERT_FALSE(m_window->MidiIn().IsClosed());
    QTest::qWait(30);
    const size_t seen2 = m_rx2->Received().size();
    m_tx->Send({0x90, 74, 100});
    QTest::mousePress(k, Qt::LeftButton, Qt::NoModifier, KeyPoint(52));
    ASSERT_GE(WaitAt(*m_rx2, seen2 + 2).size(), seen2 + 2);
    m_window->close();
    Settle();

    // The note struck while no output was open was never heard; its release goes to the output
    // chosen later, as a lone release. Every other note-on has exactly one release.
    const std::pair<int, int> unheard{0, 69};
    for (TJackReceiver* rx : {m_rx.get(), m_rx2.get()}) {
        const TBytes got = rx->Received();
        EXPECT_FALSE(got.empty());
        for (const auto& [key, count] : SoundingNotes(got)) {
            if (key == unheard)
                EXPECT_LE(count, 0) << rx->PortName() << ": note 69 left sounding";
            else
                EXPECT_EQ(count, 0)
                    << rx->PortName() << ": channel " << key.first << " note " << key.second;
        }
    }
    EXPECT_TRUE(m_errors.isEmpty()) << m_errors.join('\n').toStdString();
}

}  // namespace

namespace {

// Connects a port to the program's own input port (whatever number the server gave its
// client), as a patchbay would.
bool ConnectToOwnPort(const std::string& from) {
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-patch", JackNoStartServer, &status);
    if (!c) return false;
    bool ok = false;
    if (const char** ports = jack_get_ports(c, "^TastraThru in[-0-9]*:in$",
                                            JACK_DEFAULT_MIDI_TYPE, JackPortIsInput)) {
        ok = ports[0] && jack_connect(c, from.c_str(), ports[0]) == 0;
        jack_free(ports);
    }
    jack_client_close(c);
    return ok;
}

// Connects `from` to `to`, as a patchbay would; the first port of each pattern.
bool Patch(const char* fromPattern, unsigned long fromFlags, const std::string& to) {
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-patch", JackNoStartServer, &status);
    if (!c) return false;
    bool ok = false;
    if (const char** ports = jack_get_ports(c, fromPattern, JACK_DEFAULT_MIDI_TYPE, fromFlags)) {
        ok = ports[0] && jack_connect(c, ports[0], to.c_str()) == 0;
        jack_free(ports);
    }
    jack_client_close(c);
    return ok;
}

// The program's own output wired to its own input: a note played would go round for ever, once
// per cycle, with thru playing it again each time.
TEST_F(ThruJack, LoopThroughTheOwnPortsIsCutAndReported) {
    m_window->MidiOutMenu1->ItemClick(Entry(m_window->MidiOutMenu1, "TastraThru (own port)"));
    m_window->MidiInMenu1->ItemClick(Entry(m_window->MidiInMenu1, "TastraThru (own port)"));
    ASSERT_FALSE(m_window->MidiOut().IsClosed());
    ASSERT_FALSE(m_window->MidiIn().IsClosed());
    // The own ports' clients say their direction.
    const char* ownOut = "^TastraThru out[-0-9]*:out$";
    ASSERT_TRUE(Patch(ownOut, JackPortIsOutput, m_rx->PortName()));
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-look", JackNoStartServer, &status);
    ASSERT_NE(c, nullptr);
    const char** ins =
        jack_get_ports(c, "^TastraThru in[-0-9]*:in$", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput);
    ASSERT_NE(ins, nullptr);
    const std::string ownIn = ins[0];
    jack_free(ins);
    ASSERT_TRUE(Patch(ownOut, JackPortIsOutput, ownIn));

    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return static_cast<TStatusPanels*>(m_window->statusBar())->PanelText(0).contains("feedback loop"); }, 3000))
        << static_cast<TStatusPanels*>(m_window->statusBar())->PanelText(0).toStdString();
    const jack_port_t* in = jack_port_by_name(c, ownIn.c_str());
    EXPECT_EQ(jack_port_connected(in), 0);
    jack_client_close(c);
    m_window->Keyboard1->Player().PlayNote(0, 60, true, 100);
    Settle();
    QTest::qWait(200);
    const TBytes got = m_rx->Received();
    EXPECT_EQ(std::count(got.begin(), got.end(), std::vector<uint8_t>{0x90, 60, 100}), 1);
}

// A source connected to the program's own port quits, or quits and comes back at once: the notes
// it held are released at the next recheck, as closing the input releases them.
TEST_F(ThruJack, NotesOfASourceThatWentAwayAreReleased) {
    for (bool ownPort : {true, false}) {
        if (ownPort) {
            QAction* own = Entry(m_window->MidiInMenu1, "TastraThru (own port)");
            ASSERT_NE(own, nullptr);
            m_window->MidiInMenu1->ItemClick(own);
            ASSERT_TRUE(ConnectToOwnPort(m_tx->PortName()));
        }
        QTest::qWait(30);
        const uint8_t note = ownPort ? 60 : 62;
        const size_t before = m_rx->Received().size();
        m_tx->Send({0x90, note, 100});
        ASSERT_EQ(WaitAt(*m_rx, before + 1).size(), before + 1);
        m_tx.reset();  // quit and started again at once
        m_tx = std::make_unique<TJackSender>(m_senderName);
        ASSERT_TRUE(m_tx->Ok()) << m_tx->Error();
        m_window->MidiInMenu1->Refresh(false);
        Settle();
        EXPECT_EQ(SoundingNotes(m_rx->Received())[std::make_pair(0, int(note))], 0)
            << (ownPort ? "own port" : "source itself");
        // Selecting the source itself again for the second round.
        QAction* source = Entry(m_window->MidiInMenu1, m_tx->PortName());
        ASSERT_NE(source, nullptr);
        m_window->MidiInMenu1->ItemClick(source);
    }
}

}  // namespace

namespace {

// An output that records the time each message was sent with.
class TTimedOutput : public TVirtualMidiService {
public:
    using TVirtualMidiService::TVirtualMidiService;
    MidiResult OutShortMsgAt(MidiHandle handle, std::uint32_t packed,
                             TMidiFrameTime time) override {
        Times.push_back(time.Frame);
        return OutShortMsg(handle, packed);
    }
    std::vector<std::uint32_t> Times;
};

// Thru plays what a note brings with the frame time the note arrived at, however long the
// window took to get to it; a key played by hand has no such time.
TEST_F(ThruJack, WhatThruSendsCarriesTheArrivalTimeOfItsNote) {
    TJackFrameClient tx("tastra-test-thru-time-" + std::to_string(getpid()));
    ASSERT_TRUE(tx.Ok());
    TTimedOutput out({"Synth"});
    auto in = CreateSystemMidiInService("TastraThruTime");
    TMemSettingsStore store(true);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, tx.OutName());
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, "Synth");
    store.WriteInteger("KeyboardForm", "Program", -1);
    TTastraServices services;
    services.midiOut = &out;
    services.midiIn = in.get();
    services.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    TScriptedPrompts prompts;
    auto w = StartTestWindow(services, prompts, 5000);
    ASSERT_FALSE(w->MidiIn().IsClosed());
    w->Keyboard1->Player().SetChord(chMajor);
    // The input listens once the server has connected it.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return jack_port_connected(jack_port_by_name(tx.Client(), tx.OutName().c_str())) > 0;
        },
        3000));

    const std::uint32_t arrival = tx.Now() + 4 * tx.Period();
    tx.SendAt(arrival, {0x90, 60, 80});
    ASSERT_TRUE(QTest::qWaitFor([&] { return out.Times.size() >= 3; }, 3000));
    EXPECT_EQ(out.Times, (std::vector<std::uint32_t>{arrival, arrival, arrival}));

    out.Times.clear();
    out.ClearSent();
    w->Keyboard1->Player().PlayNote(0, 72, true, 100);
    EXPECT_FALSE(out.Sent().empty());
    EXPECT_TRUE(out.Times.empty());
    w.reset();
}

}  // namespace
