// What a session costs the window thread: the look for unsaved changes (what a save would write,
// compared with the last save) runs twice a second; a save to the session's hive on request.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include "app/knobpanel.h"
#include "app/sessionlink.h"
#include "app/tastra.h"
#include "bench/qtbenchmain.h"
#include "knobs/guiknoblist.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace {

// A started window on a hive in a temporary folder, with a full row of 20 knobs and the eight
// snapshots defined: the largest image there is.
struct TStartedWindow {
    TStartedWindow() : out({"Synth"}) {
        TTastraServices services;
        services.midiOut = &out;
        services.midiIn = &in;
        services.prompts = &prompts;
        TRunPlace place;
        place.hivePath = dir.filePath(QStringLiteral("registry.reg")).toStdString();
        OpenSettingsAt(services, place, nullptr);
        window = std::make_unique<TTastra2>(services);
        window->show();
        QElapsedTimer limit;
        limit.start();
        while (!window->StartupDone() && limit.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        TKnobPanel& knobs = window->Knobs();
        while (knobs.KnobList().Count() < 20)
            knobs.KnobList().Add(QStringLiteral("Knob"), knobs.KnobList().Count() + 10, 0, 64);
        for (int n = 1; n <= 8; ++n) knobs.DefineSnapshot(n);
    }
    QTemporaryDir dir;
    TVirtualMidiService out;
    TVirtualMidiInService in;
    TScriptedPrompts prompts;
    std::unique_ptr<TTastra2> window;
};

void BM_UnsavedChangesLook(benchmark::State& state) {
    TStartedWindow w;
    if (!w.window->StartupDone()) state.SkipWithError("the window did not start");
    const TMemSettingsStore saved = w.window->SettingsImage();
    for (auto _ : state) benchmark::DoNotOptimize(SameImage(w.window->SettingsImage(), saved));
}
BENCHMARK(BM_UnsavedChangesLook)->Unit(benchmark::kMicrosecond);

void BM_SaveToSessionHive(benchmark::State& state) {
    TStartedWindow w;
    if (!w.window->StartupDone()) state.SkipWithError("the window did not start");
    for (auto _ : state)
        if (!w.window->StoreSettings().empty()) state.SkipWithError("the hive was not written");
}
BENCHMARK(BM_SaveToSessionHive)->Unit(benchmark::kMicrosecond);

}  // namespace

TASTRA_QT_BENCHMARK_MAIN()
