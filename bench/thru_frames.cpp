// Thru's delay to the frame, with Options › Thru Without Delay off and on, in the same run on one
// private JACK server: a client of the bench sends notes into the window's input at known frames
// (every phase of the cycle), a second one receives what the window's output plays. The chord is
// a major triad, so every note comes out three times. Prints, per mode, how many tones came out
// at the mode's delay (0 frames with the option, one period without) and how many later or
// earlier; notes that never came out are counted as missing, and a note during which the server
// missed a cycle is left out and counted as disturbed.
// Usage: thru_frames [notes per mode, default 200] [period, default 256]
#include <jack/jack.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <atomic>
#include <cstdio>
#include <map>
#include <random>

#include "app/directthrulink.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "platform/midi/systemmidi.h"
#include "support/jackframes.h"
#include "support/jackserver.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"

namespace {

// Delay in frames of each tone, and how many notes went missing.
// A note during which the server missed a cycle (the machine was too busy to run the graph in
// time) may come out a period late whatever the program does: it is counted as disturbed.
std::map<std::int32_t, int> Measure(TJackFrameClient& tx, TJackFrameClient& rx, int notes,
                                    int& missing, int& disturbed) {
    std::map<std::int32_t, int> delays;
    std::mt19937 random(11);
    const std::uint32_t period = tx.Period();
    std::uniform_int_distribution<std::uint32_t> phase(0, period - 1);
    std::size_t seen = rx.Received().size();
    for (int i = 0; i < notes; ++i) {
        for (std::uint8_t velocity : {100, 0}) {
            // Far enough ahead that the sender never writes it late, also on a busy machine.
            const std::uint32_t at = tx.Now() + 8 * period + phase(random);
            const int xrunsBefore = tx.Xruns();
            tx.SendAt(at, {0x90, static_cast<std::uint8_t>(48 + i % 36), velocity});
            // Without the option the window thread passes it on: it must run meanwhile.
            (void)QTest::qWaitFor([&] { return rx.Received().size() >= seen + 3; }, 1000);
            const auto got = rx.Received();
            if (got.size() < seen + 3) {
                missing += velocity ? 1 : 0;
                seen = got.size();
                continue;
            }
            if (velocity && tx.Xruns() != xrunsBefore)
                ++disturbed;
            else if (velocity)
                for (std::size_t k = seen; k < seen + 3; ++k)
                    ++delays[static_cast<std::int32_t>(got[k].Frame - at)];
            seen = got.size();
        }
        QTest::qWait(5 + static_cast<int>(phase(random) % 20));
    }
    return delays;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const int periodFrames = argc > 2 ? std::max(16, std::atoi(argv[2])) : 256;
    TJackServer server(periodFrames);
    if (!server.Running()) {
        std::fprintf(stderr, "no JACK server: %s\n", server.Error().c_str());
        return 1;
    }
    const std::string pid = std::to_string(getpid());
    TJackFrameClient tx("thru-frames-src-" + pid), rx("thru-frames-dst-" + pid);
    TMemSettingsStore store(true);
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, tx.OutName());
    store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, rx.InName());
    store.WriteInteger("KeyboardForm", "Program", -1);
    auto out = CreateSystemMidiOutService("TastraFrames");
    auto in = CreateSystemMidiInService("TastraFrames");
    TScriptedPrompts prompts;
    TTastraServices services;
    services.midiOut = out.get();
    services.midiIn = in.get();
    services.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    services.prompts = &prompts;
    auto window = std::make_unique<TTastra2>(services);
    window->show();
    (void)QTest::qWaitFor([&] { return window->StartupDone(); }, 5000);
    window->Keyboard1->Player().SetChord(chMajor);
    std::printf("JACK dummy server, 48000 Hz, period %u frames; %d notes per mode, major chord\n",
                tx.Period(), notes);
    for (bool direct : {false, true}) {
        QAction* option = window->findChild<QAction*>(QStringLiteral("ThruWithoutDelay1"));
        if (option->isChecked() != direct) option->trigger();
        const auto connected = [&](TJackFrameClient& c, const std::string& port) {
            return jack_port_connected(jack_port_by_name(c.Client(), port.c_str())) > 0;
        };
        (void)QTest::qWaitFor(
            [&] { return connected(tx, tx.OutName()) && connected(rx, rx.InName()); }, 3000);
        QTest::qWait(50);
        int missing = 0, disturbed = 0;
        const auto delays = Measure(tx, rx, notes, missing, disturbed);
        // Counted against the delay of the mode: none with the option, one period without.
        const std::int32_t nominal = direct ? 0 : static_cast<std::int32_t>(tx.Period());
        int total = 0, atNominal = 0, late = 0;
        std::int32_t worst = 0;
        for (const auto& [frames, count] : delays) {
            total += count;
            if (frames == nominal) atNominal += count;
            if (frames > nominal) late += count;
            worst = std::max(worst, frames);
        }
        std::printf(
            "Thru Without Delay %-3s (active: %s): %d tones, %d at %d frames, %d later (worst %d "
            "frames), %d earlier; notes missing %d, disturbed %d\n",
            direct ? "on" : "off", window->DirectThru().Active() ? "yes" : "no", total, atNominal,
            nominal, late, worst, total - atNominal - late, missing, disturbed);
    }
    window.reset();
    return 0;
}
