// Options › Thru Without Delay against a private JACK server: another program sends into the
// program's input and a third one listens at its output, both working to the frame.
#include <gtest/gtest.h>
#include <jack/jack.h>
#include <signal.h>
#include <unistd.h>

#include <QAction>
#include <QTest>
#include <map>

#include "app/directthrulink.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "keyboard/keyboard.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/systemmidi.h"
#include "support/jackframes.h"
#include "support/jackserver.h"
#include "support/jacktest.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"
#include "support/testwindow.h"
#include "support/virtualmidi.h"

namespace {

using TEvents = std::vector<TJackFrameClient::TEvent>;

// Per channel and note: note-ons minus their releases.
std::map<std::pair<int, int>, int> Sounding(const TEvents& events) {
    std::map<std::pair<int, int>, int> sounding;
    for (const auto& e : events) {
        if (e.Bytes.size() != 3 || (e.Bytes[0] & 0xF0) != 0x90) continue;
        sounding[{e.Bytes[0] & 15, e.Bytes[1]}] += e.Bytes[2] > 0 ? 1 : -1;
    }
    for (auto it = sounding.begin(); it != sounding.end();)
        it = it->second <= 0 ? sounding.erase(it) : std::next(it);
    return sounding;
}

// What a receiver got, for a failure's message: each message's bytes and its frame after `from`.
std::string Listing(const TEvents& events, std::uint32_t from, int xruns) {
    std::string got = "missed cycles " + std::to_string(xruns) +
                      "; received (bytes@frames after the first note was sent):";
    for (const auto& e : events) {
        got += ' ';
        for (std::size_t i = 0; i < e.Bytes.size(); ++i)
            got += (i ? "," : "") + std::to_string(e.Bytes[i]);
        got += '@' + std::to_string(static_cast<std::int32_t>(e.Frame - from));
    }
    return got;
}

bool Connected(TJackFrameClient& client, const std::string& port) {
    return QTest::qWaitFor(
        [&] { return jack_port_connected(jack_port_by_name(client.Client(), port.c_str())) > 0; },
        3000);
}

// The window's devices are the out port of `tx` and the in port of `rx`.
class DirectThruJack : public TJackTest {
protected:
    void SetUp() override {
        TJackTest::SetUp();
        if (IsSkipped()) return;
        const std::string pid = std::to_string(getpid());
        m_tx = std::make_unique<TJackFrameClient>("tastra-direct-src-" + pid);
        m_rx = std::make_unique<TJackFrameClient>("tastra-direct-dst-" + pid);
        ASSERT_TRUE(m_tx->Ok() && m_rx->Ok());
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, m_tx->OutName());
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, m_rx->InName());
        m_store.WriteInteger("KeyboardForm", "Program", -1);
        m_outService = CreateSystemMidiOutService("TastraDirect");
        m_inService = CreateSystemMidiInService("TastraDirect");
        TTastraServices services;
        services.midiOut = m_outService.get();
        services.midiIn = m_inService.get();
        services.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
        m_window = StartTestWindow(services, m_prompts, 5000);
        ASSERT_FALSE(m_window->MidiIn().IsClosed());
        ASSERT_FALSE(m_window->MidiOut().IsClosed());
    }

    void TearDown() override {
        m_window.reset();
        m_tx.reset();
        m_rx.reset();
        m_outService.reset();
        m_inService.reset();
    }

    QAction* Option() { return m_window->findChild<QAction*>(QStringLiteral("ThruWithoutDelay1")); }

    void SetOption(bool on) {
        QAction* option = Option();
        ASSERT_NE(option, nullptr);
        ASSERT_TRUE(option->isEnabled()) << option->statusTip().toStdString();
        if (option->isChecked() != on) option->trigger();
        ASSERT_EQ(m_window->DirectThru().Active(), on);
        // The input's client was made again: both ends are connected anew.
        ASSERT_TRUE(Connected(*m_tx, m_tx->OutName()));
        ASSERT_TRUE(Connected(*m_rx, m_rx->InName()));
    }

    // Sends note-ons of `notes` on channel 2, one per cycle at growing offsets, from 100 ms
    // ahead (a chord chosen just before reaches the server's thread within 10 ms); their frames.
    std::vector<std::uint32_t> SendNotes(const std::vector<int>& notes, int velocity) {
        std::vector<std::uint32_t> frames;
        std::uint32_t at = m_tx->Now() + 4800;
        for (std::size_t i = 0; i < notes.size(); ++i) {
            at += m_tx->Period() + 17 * static_cast<std::uint32_t>(i);
            m_tx->SendAt(at, {0x92, static_cast<std::uint8_t>(notes[i]),
                              static_cast<std::uint8_t>(velocity)});
            frames.push_back(at);
        }
        return frames;
    }

    TEvents Wait(std::size_t n) {
        (void)QTest::qWaitFor([&] { return m_rx->Received().size() >= n; }, 3000);
        return m_rx->Received();
    }

    TMemSettingsStore m_store{true};
    std::unique_ptr<TJackFrameClient> m_tx, m_rx;
    std::unique_ptr<TMidiOutService> m_outService;
    std::unique_ptr<TMidiInService> m_inService;
    TScriptedPrompts m_prompts;
    std::unique_ptr<TTastra2> m_window;
};

// With the option every tone leaves at the frame its note came at; without it, as before, through
// the window at least one period later. Either way with the chord and transposition, and the keys
// light.
class DirectThruDelay : public DirectThruJack, public ::testing::WithParamInterface<bool> {};

TEST_P(DirectThruDelay, EveryToneLeavesAtItsNotesFramePlusTheDelayOfTheMode) {
    const bool direct = GetParam();
    SetOption(direct);
    m_window->Keyboard1->Player().SetChord(chMajor);
    m_window->Keyboard1->Player().SetTranspose(-3);
    const std::vector<int> notes = {60, 64, 67, 72, 48, 50};
    std::vector<std::uint32_t> frames = SendNotes(notes, 90);
    const TEvents on = Wait(3 * notes.size());
    ASSERT_EQ(on.size(), 3 * notes.size()) << Listing(on, frames[0], m_tx->Xruns());
    const auto delayed = [&](std::uint32_t arrival, std::uint32_t sent) {
        return direct ? arrival == sent : arrival - sent >= m_tx->Period();
    };
    for (std::size_t i = 0; i < on.size(); ++i) {
        const int note = notes[i / 3] - 3 + std::vector<int>{0, 4, 7}[i % 3];
        EXPECT_EQ(on[i].Bytes, (std::vector<std::uint8_t>{0x92, std::uint8_t(note), 90}));
        EXPECT_TRUE(delayed(on[i].Frame, frames[i / 3]))
            << "tone " << i << " " << on[i].Frame - frames[i / 3] << " frames late, "
            << m_tx->Xruns() << " missed cycles";
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->Player().ThruCount(60) > 0; }, 2000));

    // Releases undo what was sent, at their own frames, also after the chord changed.
    m_window->Keyboard1->Player().SetChord(chNone);
    frames = SendNotes(notes, 0);
    const TEvents all = Wait(6 * notes.size());
    ASSERT_EQ(all.size(), 6 * notes.size()) << Listing(all, frames[0], m_tx->Xruns());
    EXPECT_TRUE(Sounding(all).empty());
    for (std::size_t i = on.size(); i < all.size(); ++i)
        EXPECT_TRUE(delayed(all[i].Frame, frames[(i - on.size()) / 3]))
            << "release " << i << " " << all[i].Frame - frames[(i - on.size()) / 3]
            << " frames late, " << m_tx->Xruns() << " missed cycles";
    EXPECT_TRUE(QTest::qWaitFor([&] { return m_window->Player().ThruCount(60) == 0; }, 2000));
}

INSTANTIATE_TEST_SUITE_P(Modes, DirectThruDelay, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "On" : "Off"; });

// Notes held through the option end with Panic, with switching it off, with Midi Thru switched
// off and with the window closing; the source's later releases send nothing more.
struct TEnding {
    const char* name;
    void (*end)(TTastra2& window);
};

class DirectThruEnding : public DirectThruJack, public ::testing::WithParamInterface<TEnding> {};

TEST_P(DirectThruEnding, HeldNotesAreReleasedAndTheirLateReleasesSendNothing) {
    SetOption(true);
    m_window->Keyboard1->Player().SetChord(chMajor);
    const std::uint32_t sent = SendNotes({60, 62}, 100).front();
    ASSERT_EQ(Wait(6).size(), 6u) << Listing(m_rx->Received(), sent, m_tx->Xruns());
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_window->Player().ThruCount(60) > 0; }, 2000));
    GetParam().end(*m_window);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Sounding(m_rx->Received()).empty(); }, 2000))
        << Listing(m_rx->Received(), sent, m_tx->Xruns());
    EXPECT_EQ(m_window->Player().ThruCount(60), 0);
    if (!m_window->MidiIn().IsClosed()) {
        // Panic's own messages take a while to leave.
        std::size_t before = 0;
        (void)QTest::qWaitFor(
            [&] {
                const std::size_t was = before;
                QTest::qWait(100);
                before = m_rx->Received().size();
                return before == was;
            },
            5000);
        SendNotes({60, 62}, 0);
        QTest::qWait(200);
        for (std::size_t i = before; i < m_rx->Received().size(); ++i)
            EXPECT_NE(m_rx->Received()[i].Bytes[0] & 0xF0, 0x90) << "late release sent";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Endings, DirectThruEnding,
    ::testing::Values(
        TEnding{"Panic", [](TTastra2& w) { w.BPanicClick(); }},
        TEnding{"OptionOff",
                [](TTastra2& w) {
                    w.findChild<QAction*>(QStringLiteral("ThruWithoutDelay1"))->trigger();
                }},
        TEnding{"MidiThruOff",
                [](TTastra2& w) { w.findChild<QAction*>(QStringLiteral("MidiThru1"))->trigger(); }},
        TEnding{"WindowCloses", [](TTastra2& w) { w.close(); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The option is remembered after the values stored before it, and is off on a first start.
TEST_F(DirectThruJack, OptionIsStoredOffByDefaultAndComesBackOn) {
    EXPECT_FALSE(Option()->isChecked());
    EXPECT_FALSE(m_window->DirectThru().Active());
    SetOption(true);
    m_window->close();
    EXPECT_TRUE(m_store.ReadBool("KeyboardForm", keys::kThruWithoutDelay, false));
}

// Where the output is not a JACK port of the program the option is disabled, saying why.
TEST(DirectThruPlaces, DisabledWithItsReasonWhereTheDevicesAreNotJackPorts) {
    TScriptedPrompts prompts;
    TVirtualMidiService out({"Synth"});
    TVirtualMidiInService in({"Keys"});
    TMemSettingsStore store(true);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, "Keys");
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, "Synth");
    TTastraServices services;
    services.midiOut = &out;
    services.midiIn = &in;
    services.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    auto w = StartTestWindow(services, prompts, 5000);
    ASSERT_FALSE(w->MidiIn().IsClosed());
    QAction* option = w->findChild<QAction*>(QStringLiteral("ThruWithoutDelay1"));
    ASSERT_NE(option, nullptr);
    EXPECT_FALSE(option->isEnabled());
    EXPECT_EQ(option->statusTip(), texts::Shown(texts::kThruWithoutDelayUnavailable));
}

// A server that stops while notes are held through the option: the keys go dark, nothing is
// kept for the next server, and when the ports come back the option passes notes on again.
TEST(DirectThruServer, StoppingServerLeavesNothingHeldAndTheOptionReturnsWithThePorts) {
    TJackServer server;
    if (!server.Running()) GTEST_SKIP() << "JACK tests skipped: " << server.Error();
    const std::string pid = std::to_string(getpid());
    auto tx = std::make_unique<TJackFrameClient>("tastra-direct-gone-src-" + pid);
    auto rx = std::make_unique<TJackFrameClient>("tastra-direct-gone-dst-" + pid);
    ASSERT_TRUE(tx->Ok() && rx->Ok());
    const std::string source = tx->OutName(), target = rx->InName();
    TMemSettingsStore store(true);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, source);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, target);
    store.WriteBool("KeyboardForm", keys::kThruWithoutDelay, true);
    store.WriteInteger("KeyboardForm", "Program", -1);
    auto outService = CreateSystemMidiOutService("TastraDirectGone");
    auto inService = CreateSystemMidiInService("TastraDirectGone");
    TTastraServices services;
    services.midiOut = outService.get();
    services.midiIn = inService.get();
    services.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    TScriptedPrompts prompts;
    auto w = StartTestWindow(services, prompts, 5000);
    ASSERT_TRUE(w->DirectThru().Active());
    w->Keyboard1->Player().SetChord(chNone);
    ASSERT_TRUE(Connected(*tx, source));
    // 100 ms ahead, as in SendNotes; the window thread runs meanwhile.
    tx->SendAt(tx->Now() + 4800, {0x90, 60, 100});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rx->Received().empty(); }, 3000));
    ASSERT_EQ(rx->Received().size(), 1u);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->Player().ThruCount(60) > 0; }, 2000));

    server.Kill(SIGTERM);
    AbandonJackClient(tx);
    AbandonJackClient(rx);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            w->MidiOutMenu1->Refresh(false);
            w->MidiInMenu1->Refresh(false);
            return w->MidiOut().IsClosed() && w->MidiIn().IsClosed();
        },
        6000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w->DirectThru().Active(); }, 2000));
    EXPECT_EQ(w->Player().ThruCount(60), 0);

    ASSERT_TRUE(server.Restart()) << server.Error();
    tx = std::make_unique<TJackFrameClient>("tastra-direct-gone-src-" + pid);
    rx = std::make_unique<TJackFrameClient>("tastra-direct-gone-dst-" + pid);
    ASSERT_TRUE(tx->Ok() && rx->Ok());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            w->MidiOutMenu1->Refresh(false);
            w->MidiInMenu1->Refresh(false);
            return !w->MidiIn().IsClosed() && !w->MidiOut().IsClosed() && w->DirectThru().Active();
        },
        6000));
    ASSERT_TRUE(Connected(*tx, source));
    ASSERT_TRUE(Connected(*rx, target));
    // The release of the note held on the old server sends nothing; a new note passes at once.
    const std::uint32_t at = tx->Now() + 4 * tx->Period();
    tx->SendAt(at, {0x90, 60, 0});
    tx->SendAt(at + 1, {0x90, 62, 100});
    const auto got = rx->WaitFor(1, 3000);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].Bytes, (std::vector<std::uint8_t>{0x90, 62, 100}));
    EXPECT_EQ(got[0].Frame, at + 1);
    w->close();
}

}  // namespace
