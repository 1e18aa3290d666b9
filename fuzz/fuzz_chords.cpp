// Chord texts: lines of the input are chord names and texts. Every text reads without harm and a
// usable chord writes back to the same offsets; a chord list read from such values saves and
// reads back unchanged; and played through the keyboard, every chord releases each note it
// struck.
#include <QString>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "chords/chordlist.h"
#include "fuzz/fuzzapp.h"
#include "fuzz/fuzzcheck.h"
#include "keyboard/noteplayer.h"
#include "platform/settings/settingsstore.h"

namespace {

void CheckEntry(const TChordEntry& e) {
    FUZZ_CHECK(e.Count() >= 0 && e.Count() <= TChordEntry::kMaxOffsets);
    if (e.Count() == 0) return;
    const TChordEntry back(e.Name(), e.ToText());
    FUZZ_CHECK(back.Root() == e.Root() && back.Offsets() == e.Offsets());
}

bool SameLists(const TChordList& a, const TChordList& b) {
    if (a.Count() != b.Count()) return false;
    for (int i = 0; i < a.Count(); ++i)
        if (a.Item(i).Name() != b.Item(i).Name() || a.Item(i).ToText() != b.Item(i).ToText())
            return false;
    return true;
}

// Plays each chord of the list on a few notes and lets go again: the notes that sound afterwards
// must be none, and every message must be a well-formed note message.
void PlayThrough(const TChordList& list, const QByteArray& notes) {
    static TNotePlayer* keyboard = new TNotePlayer;
    std::array<int, 128> sounding{};
    keyboard->OnSend = [&](uint8_t status, uint8_t note, uint8_t velocity) {
        FUZZ_CHECK((status & 0xF0) == 0x90 && note < 128 && velocity < 128);
        if (velocity > 0)
            ++sounding[note];
        else
            FUZZ_CHECK(sounding[note]-- > 0);
    };
    for (int i = 0; i < list.Count(); ++i) {
        keyboard->SetCustomChord(list.Item(i).KeyboardOffsets(), true);
        for (char n : notes) keyboard->PlayNote(0, n & 0x7F, true, 100);
        for (char n : notes) keyboard->PlayNote(0, n & 0x7F, true, 0);
    }
    keyboard->AllLocalNotesOff();
    for (int s : sounding) FUZZ_CHECK(s == 0);
    keyboard->OnSend = nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = bytes.split('\n');
    TMemSettingsStore store(true);
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        const QString name = QString::fromUtf8(lines[i]);
        const QString text = QString::fromUtf8(lines[i + 1]);
        CheckEntry(TChordEntry(name, text));
        const std::string n = std::to_string(i / 2 + 1);
        store.WriteString(kChordsSection, kChordNameValue + n, name.toStdString());
        store.WriteString(kChordsSection, kChordTextValue + n, text.toStdString());
    }
    // Editing note by note keeps the offsets distinct, non-zero and within reach of the root.
    TChordEntry edited;
    for (char c : lines.value(0)) edited.ToggleNote(static_cast<uint8_t>(c));
    const auto offsets = edited.Offsets();
    for (size_t i = 0; i < offsets.size(); ++i) {
        FUZZ_CHECK(offsets[i] >= TChordEntry::kLowestOffset &&
                   offsets[i] <= TChordEntry::kHighestOffset);
        for (size_t k = 0; k < i; ++k) FUZZ_CHECK(offsets[k] != offsets[i]);
    }
    CheckEntry(edited);

    TChordList list;
    const int loaded = list.Load(store, false);
    FUZZ_CHECK(loaded >= list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        FUZZ_CHECK(list.Item(i).Count() > 0);
        FUZZ_CHECK(list.IndexOfName(list.Item(i).Name()) == i);
    }
    TMemSettingsStore saved(true);
    FUZZ_CHECK(list.Save(saved) == list.Count());
    TChordList again;
    again.Load(saved, false);
    FUZZ_CHECK(SameLists(list, again));

    PlayThrough(list, lines.value(1).left(8));
    return 0;
}
