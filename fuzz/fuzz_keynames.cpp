// Key-sequence names and sequences. A name either names no key or a key whose own name reads
// back to the same physical key; and any run of presses, releases and removals keeps a sequence
// whose display text names every key pressed and whose one-key form holds at most one event.
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzzcheck.h"
#include "platform/keys/keysequence.h"

namespace {

void CheckName(const QString& name) {
    const std::optional<TKeyEvent> key = keys::KeyEventFromName(name);
    if (!key) return;
    FUZZ_CHECK(!key->Release() && key->Name().size() <= TKeyEvent::kMaxNameLength);
    // Two virtual keys may share one physical key (the keypad's 8 and Up), so the name stands for
    // the physical key: it reads back to the same name, and to the same scan code and extended
    // flag unless two keys carry that name (both backslash keys are called "\").
    const std::optional<TKeyEvent> again = keys::KeyEventFromName(key->Name());
    FUZZ_CHECK(again && again->Name() == key->Name());
    FUZZ_CHECK(key->Name() == QLatin1String("\\") ||
               (again->ScanCode() == key->ScanCode() && again->Extended() == key->Extended()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    CheckName(QString::fromUtf8(bytes));
    CheckName(QString::fromLatin1(bytes));

    // The bytes as a run of key events: virtual key, scan code, flags (extended, release,
    // remove the last key, switch to one key).
    TKeySequence sequence;
    int notified = 0;
    sequence.OnChange = [&](TKeySequence*) { ++notified; };
    for (size_t i = 0; i + 2 < size; i += 3) {
        const uint8_t flags = data[i + 2];
        if (flags & 4) {
            sequence.RemoveLast();
        } else if (flags & 8) {
            // Switched on, the sequence keeps one event; of several, the first, as a press.
            const int before = sequence.Count();
            sequence.SetOnlyOneChar(!sequence.OnlyOneChar());
            if (sequence.OnlyOneChar()) {
                FUZZ_CHECK(sequence.Count() == std::min(before, 1));
                FUZZ_CHECK(before <= 1 || !sequence.Item(0).Release());
            }
        } else {
            TKeyData key;
            key.virtualKey = data[i];
            key.scanCode = data[i + 1];
            key.extended = flags & 1;
            key.transition = flags & 2;
            key.previousState = flags & 16;
            sequence.AddKeyData(key);
        }
        // Every press shows its key's name.
        const QString text = sequence.DisplayText();
        for (int k = 0; k < sequence.Count(); ++k) {
            const TKeyEvent& e = sequence.Item(k);
            FUZZ_CHECK(e.Release() || text.contains(e.Name()));
            CheckName(e.Name());
        }
    }
    return 0;
}
