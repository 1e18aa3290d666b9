// Settings files that grow large: importing many knob presets and hives with deep key paths.
// Both should cost time in proportion to the file's size (see the reported complexity).
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <string>

#include "knobs/knoblist.h"
#include "platform/registry/hive.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/inifile.h"

namespace {

// A presets export file with n sections of four knobs each.
std::string PresetsFile(int n) {
    std::string text;
    for (int p = 0; p < n; ++p) {
        text += "[Preset " + std::to_string(p) + "]\r\n";
        for (int k = 1; k <= 4; ++k) {
            const std::string i = std::to_string(k);
            text += "Caption" + i + "=Knob\r\nDisplayMode" + i + "=0\r\nDefaultValue" + i +
                    "=64\r\nIUser" + i + "=" + std::to_string(k + 10) + "\r\n";
        }
    }
    return text;
}

// What File > Import > Knob Presets does: read every section, write each into the hive.
void BM_ImportKnobPresets(benchmark::State& state) {
    QTemporaryDir dir;
    const std::string ini = dir.filePath("presets.ini").toStdString();
    const std::string hive = dir.filePath("registry.reg").toStdString();
    WriteFileAtomically(ini, PresetsFile(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        TIniFile file(ini);
        TRegistryIniFile registry("\\Software\\B\\KnobPresets", hive);
        for (const std::string& name : file.ReadSections()) {
            TKnobList knobs;
            knobs.ReadFromIni(file, name);
            knobs.WriteToIni(registry, name);
        }
        if (!registry.Flush()) state.SkipWithError("the hive could not be written");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ImportKnobPresets)
    ->RangeMultiplier(4)
    ->Range(250, 16000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

// Reading and writing back a hive whose one key is depth levels deep.
void BM_DeepKeyHive(benchmark::State& state) {
    std::string key = "HKEY_CURRENT_USER\\Software\\B";
    for (int i = 0; i < state.range(0); ++i) key += "\\k";
    const std::string text = "REGEDIT4\r\n\r\n[" + key + "]\r\n\"v\"=dword:00000001\r\n";
    for (auto _ : state) {
        hive::THive h;
        hive::ParseHive(text, h);
        benchmark::DoNotOptimize(hive::SerializeHive(h));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_DeepKeyHive)->RangeMultiplier(4)->Range(1250, 80000)->Complexity();

}  // namespace

BENCHMARK_MAIN();
