// Knob snapshot strings and stored knob lists. A snapshot string decodes into byte pairs, and
// the pairs write back to a string that decodes to the same pairs with each controller once. The
// input's lines also fill a stored knob list: whatever it holds, the knobs read from it stay
// within 20 and send only 7-bit numbers, and they write back and read again unchanged.
#include <QByteArray>
#include <QList>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "fuzz/fuzzcheck.h"
#include "knobs/knoblist.h"
#include "platform/settings/settingsstore.h"

namespace {

void CheckSnapshot(const std::string& text) {
    const auto pairs = DecodeSnapshot(text);
    FUZZ_CHECK(pairs.size() * 4 <= text.size());
    std::vector<std::pair<int, int>> once;
    for (const auto& [controller, value] : pairs) {
        FUZZ_CHECK(controller >= 0 && controller <= 255 && value >= 0 && value <= 255);
        bool seen = false;
        for (const auto& p : once) seen = seen || p.first == controller;
        if (!seen) once.emplace_back(controller, value);
    }
    const std::string written = SnapshotValueString(pairs);
    FUZZ_CHECK(written.size() == once.size() * 4);
    FUZZ_CHECK(DecodeSnapshot(written) == once);
}

void CheckKnobList(const QList<QByteArray>& lines) {
    static const char* const kNames[] = {"Caption", "IUser", "DisplayMode", "DefaultValue"};
    TMemSettingsStore store;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::string name = kNames[i % 4] + std::to_string(i / 4 + 1);
        store.WriteString("Knobs", name, lines[i].toStdString());
    }
    TKnobList knobs;
    knobs.ReadFromIni(store, "Knobs");
    FUZZ_CHECK(knobs.Count() <= TKnobList::kMaxKnobs);
    for (int i = 0; i < knobs.Count(); ++i) {
        FUZZ_CHECK(!knobs.Caption(i).isEmpty());
        FUZZ_CHECK(knobs.Controller(i) >= 0 && knobs.Controller(i) <= 127);
        FUZZ_CHECK(knobs.DefaultValue(i) >= 0 && knobs.DefaultValue(i) <= 127);
        FUZZ_CHECK(knobs.DisplayMode(i) >= 0 && knobs.DisplayMode(i) <= 127);
    }
    TMemSettingsStore saved;
    knobs.WriteToIni(saved, "Knobs");
    TKnobList again;
    again.ReadFromIni(saved, "Knobs");
    FUZZ_CHECK(again.Count() == knobs.Count());
    for (int i = 0; i < knobs.Count(); ++i)
        FUZZ_CHECK(again.Caption(i) == knobs.Caption(i) &&
                   again.Controller(i) == knobs.Controller(i) &&
                   again.DisplayMode(i) == knobs.DisplayMode(i) &&
                   again.DefaultValue(i) == knobs.DefaultValue(i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckSnapshot(bytes.toStdString());
    const QList<QByteArray> lines = bytes.split('\n');
    for (const QByteArray& line : lines) CheckSnapshot(line.toStdString());
    CheckKnobList(lines);
    return 0;
}
