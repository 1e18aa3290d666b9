// The JACK server stops while the program uses one of its ports: the program lives on, says so,
// awaits the port by name and takes it up again from a new server.
#include <gtest/gtest.h>
#include <signal.h>

#include <QTest>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "midi/midimenu.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/systemmidi.h"
#include "support/jackserver.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"

namespace {

class JackServerGone : public ::testing::TestWithParam<int> {};

TEST_P(JackServerGone, ProgramLivesAwaitsThePortAndReopensIt) {
    TJackServer server;
    if (!server.Running()) GTEST_SKIP() << "JACK tests skipped: " << server.Error();
    const std::string client = "tastra-test-gone-" + std::to_string(getpid());
    auto rx = std::make_unique<TJackReceiver>(client);
    ASSERT_TRUE(rx->Ok()) << rx->Error();

    TMemSettingsStore store(true);
    store.WriteString("MidiDevices", "MidiOut", rx->PortName());
    auto outService = CreateSystemMidiOutService("TastraGone");
    auto inService = CreateSystemMidiInService("TastraGone");
    TTastraServices services;
    services.midiOut = outService.get();
    services.midiIn = inService.get();
    services.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    TScriptedPrompts prompts;
    services.prompts = &prompts;
    auto w = std::make_unique<TTastra2>(services);
    w->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->StartupDone(); }, 5000));
    ASSERT_FALSE(w->MidiOut().IsClosed());
    auto arrives = [&rx](uint8_t note) {
        return QTest::qWaitFor(
            [&] {
                const auto got = rx->Received();
                return !got.empty() && got.back() == std::vector<uint8_t>{0x90, note, 100};
            },
            2000);
    };
    w->Keyboard1->Player().PlayNote(0, 60, true, 100);
    ASSERT_TRUE(arrives(60));

    server.Kill(GetParam());
    // The test's own client of the gone server cannot be closed either.
    AbandonJackClient(rx);
    // The periodic recheck, and notes played meanwhile.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            w->MidiOutMenu1->Refresh(false);
            w->MidiInMenu1->Refresh(false);
            w->Keyboard1->Player().PlayNote(0, 62, true, 100);
            return w->MidiOut().IsClosed();
        },
        6000));
    EXPECT_EQ(w->MidiOutMenu1->AwaitedDevice(), client + ":in");
    const QString status = static_cast<TStatusPanels*>(w->statusBar())->PanelText(0);
    EXPECT_TRUE(status.contains("JACK")) << status.toStdString();

    ASSERT_TRUE(server.Restart()) << server.Error();
    rx = std::make_unique<TJackReceiver>(client);
    ASSERT_TRUE(rx->Ok()) << rx->Error();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            w->MidiOutMenu1->Refresh(false);
            return !w->MidiOut().IsClosed();
        },
        5000));
    w->Keyboard1->Player().PlayNote(0, 64, true, 100);
    EXPECT_TRUE(arrives(64));
    w->close();
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiOut", ""), client + ":in");
}

INSTANTIATE_TEST_SUITE_P(Signals, JackServerGone, ::testing::Values(SIGTERM, SIGKILL));

}  // namespace
