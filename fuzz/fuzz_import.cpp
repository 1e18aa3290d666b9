// Knob preset, knob snapshot, chord and settings files through the main window's import
// commands, as a user would pick them: the first byte chooses the command (and, for knob
// presets and chords, whether the file replaces or adds), the rest is the file. Each import ends
// in exactly one message; what it stores reads back as valid presets and chords, the chord box
// lists the chords, and recalling the snapshots sends only well-formed controller messages.
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdint>
#include <cstdlib>

#include "app/knobpanel.h"
#include "app/tastra.h"
#include "fuzz/fuzzapp.h"
#include "fuzz/fuzzcheck.h"
#include "knobs/knoblist.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"
#include "support/virtualmidi.h"

namespace {

struct TWorld {
    TVirtualMidiService out{{"Synth"}};
    TVirtualMidiInService in{{}, TVirtualMidiInService::dlSynchronous};
    TMemSettingsStore registry{true};
    TMemSettingsStore presets{true};
    TScriptedPrompts prompts;
    QTemporaryDir dir;
    std::unique_ptr<TTastra2> window;

    TWorld() {
        FuzzApplication();
        prompts.importFrom = dir.filePath(QStringLiteral("import.ini"));
        registry.WriteString("MidiDevices", "MidiOut", "Synth");
        TTastraServices s;
        s.midiOut = &out;
        s.midiIn = &in;
        s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(registry); };
        s.openSettingsKey = [this](const std::string&) {
            return std::make_unique<TSharedStoreView>(presets);
        };
        s.prompts = &prompts;
        window = std::make_unique<TTastra2>(s);
        window->show();
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (!window->StartupDone() && std::chrono::steady_clock::now() < deadline)
            QApplication::processEvents();
        FUZZ_CHECK(window->StartupDone());
    }
    int Messages() const {
        return static_cast<int>(prompts.errors.size() + prompts.information.size());
    }
};

void CheckPresets(TMemSettingsStore& presets) {
    for (const std::string& name : presets.ReadSections()) {
        FUZZ_CHECK(!TKnobList::IsReservedPresetName(name));
        TKnobList knobs;
        knobs.ReadFromIni(presets, name);
        FUZZ_CHECK(knobs.Count() >= 1 && knobs.Count() <= TKnobList::kMaxKnobs);
    }
}

// The chord box lists the eight built-in chords, then exactly the stored ones.
void CheckChords(TWorld& world) {
    TTastra2& w = *world.window;
    TChordList stored;
    stored.Load(world.registry, false);
    FUZZ_CHECK(w.CBChord->count() == 8 + stored.Count());
    for (int i = 0; i < stored.Count(); ++i)
        FUZZ_CHECK(w.CBChord->itemText(8 + i) == stored.Item(i).Name());
}

void CheckSnapshots(TWorld& world) {
    world.out.ClearSent();
    for (int n = 1; n <= 8; ++n) world.window->Knobs().RecallSnapshot(n);
    for (const auto& sent : world.out.Sent()) {
        FUZZ_CHECK((sent.Packed & 0xF0) == 0xB0);
        FUZZ_CHECK(((sent.Packed >> 8) & 0x80) == 0 && ((sent.Packed >> 16) & 0x80) == 0);
        FUZZ_CHECK(sent.Packed >> 24 == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    static TWorld world;
    TTastra2& w = *world.window;
    // Each run starts from no presets and no chords.
    for (const std::string& s : world.presets.ReadSections()) world.presets.EraseSection(s);
    world.registry.EraseSection("Chords");
    w.ReloadChords();

    {
        QFile f(world.prompts.importFrom);
        FUZZ_CHECK(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    }
    // The explanation is confirmed; for knob presets and chords its flag is the choice to
    // replace what exists.
    world.prompts.explainAnswers = {{true, (data[0] & 4) != 0}};
    const int before = world.Messages();
    const auto run = [&w](const char* command) { w.FindAction(command)->trigger(); };
    switch (data[0] & 3) {
        case 0:
            run("ImportKnobPresets");
            CheckPresets(world.presets);
            FUZZ_CHECK(!w.Knobs().PresetName().isEmpty());
            break;
        case 1:
            run("ImportChords");
            CheckChords(world);
            break;
        case 2:
            run("ImportKnobSnapshots");
            CheckSnapshots(world);
            break;
        case 3: {
            run("ImportSettings");
            TMemSettingsStore saved(true);
            w.SaveSettings(saved);
            break;
        }
    }
    FUZZ_CHECK(world.Messages() == before + 1);
    // What the commands posted runs as it would in the program's event loop.
    QApplication::processEvents();
    return 0;
}
