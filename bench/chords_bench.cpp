// Long chord lists: the main window reading n stored chords into its chord box (what start-up
// and the chord editor's Apply do), and File › Import › Chords adding a file of chords to none or
// to as many stored ones. Names are compared the way the user's locale does (set LANG to try
// one; the C locale compares without the locale's collation tables).
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <string>

#include "app/tastra.h"
#include "bench/qtbenchmain.h"
#include "chords/chordlist.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/atomicfile.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace {

std::string ChordName(const char* prefix, int i) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", i);
    return prefix + std::string(digits);
}

// Section "Chords" with n chords whose names start with prefix; every second one is renamed to
// other, so that a file can share half its names with the stored list.
std::string ChordLines(int n, const char* prefix, const char* other, const char* eol) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        const std::string num = std::to_string(i);
        const std::string name = ChordName(i % 2 ? prefix : other, i);
        char chord[16];
        std::snprintf(chord, sizeof chord, "3C%02X%02X", 1 + i % 60, 61 - i % 60);
        text += "\"Name" + num + "\"=\"" + name + "\"" + eol;
        text += "\"Chord" + num + "\"=\"" + chord + "\"" + eol;
    }
    return text;
}

std::string Hive(int n) {
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Bench\\Chords]\r\n" +
           ChordLines(n, "Stored ", "Shared ", "\r\n");
}

std::string ImportFile(int n) {
    std::string ini = "[Chords]\r\n";
    // The INI file writes name=value without quotes.
    for (int i = 1; i <= n; ++i) {
        const std::string num = std::to_string(i);
        const std::string name = ChordName(i % 2 ? "Imported " : "SHARED ", i);
        char chord[16];
        std::snprintf(chord, sizeof chord, "3C%02X", 1 + i % 60);
        ini += "Name" + num + "=" + name + "\r\nChord" + num + "=" + chord + "\r\n";
    }
    return ini;
}

// A main window whose settings root is a hive file in a temporary folder.
class TChordWindow {
public:
    TChordWindow() {
        m_hive = m_dir.filePath("registry.reg").toStdString();
        TTastraServices s;
        s.midiOut = &m_out;
        s.midiIn = &m_in;
        s.prompts = &prompts;
        s.openSettingsRoot = [this] {
            return std::unique_ptr<TSettingsStore>(
                new TRegistryIniFile("\\Software\\Bench", m_hive));
        };
        window = std::make_unique<TTastra2>(s);
    }
    // The window saves its settings as it goes: the hive's path and the devices must outlive it.
    ~TChordWindow() { window.reset(); }
    void StoreChords(int n) { WriteFileAtomically(m_hive, Hive(n)); }
    QString FilePath(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    TScriptedPrompts prompts;
    std::unique_ptr<TTastra2> window;

private:
    QTemporaryDir m_dir;
    std::string m_hive;
    TVirtualMidiService m_out{{"Synth"}};
    TVirtualMidiInService m_in;
};

void BM_ReloadChords(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TChordWindow w;
    w.StoreChords(n);
    for (auto _ : state) w.window->ReloadChords();
    state.counters["box"] = w.window->CBChord->count() - 8;
}
BENCHMARK(BM_ReloadChords)
    ->Arg(1000)
    ->Arg(5000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// range(0) chords in the file; range(1) chords stored before (every second one of them shares
// its name with a chord of the file, in other letter case).
void BM_ImportChords(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    TChordWindow w;
    w.prompts.importFrom = w.FilePath("chords.ini");
    WriteFileAtomically(w.prompts.importFrom.toStdString(), ImportFile(n));
    QAction* import = w.window->menuBar()->findChild<QAction*>(QStringLiteral("ImportChords"));
    for (auto _ : state) {
        state.PauseTiming();
        w.StoreChords(static_cast<int>(state.range(1)));
        w.window->ReloadChords();
        w.prompts.information.clear();
        state.ResumeTiming();
        import->trigger();
    }
    if (w.prompts.information.size() != 1) state.SkipWithError("the import did not report");
    state.counters["box"] = w.window->CBChord->count() - 8;
}
BENCHMARK(BM_ImportChords)
    ->Args({1000, 0})
    ->Args({20000, 0})
    ->Args({1000, 1000})
    ->Args({5000, 5000})
    ->Args({20000, 20000})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

}  // namespace

TASTRA_QT_BENCHMARK_MAIN()
