// Key map files. What reads as a map keeps its scan codes and offsets in range, writes back to a
// text that reads as the same map (and writes again to the same text), and plays on the piano:
// every key of the map plays its offset from the key octave or nothing when that leaves 0..127,
// and each release stops what its press started. What does not read says where (a line of the
// text, or 0 for the file as a whole) and why.
#include <QString>
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "keyboard/keymap.h"
#include "keyboard/noteplayer.h"

namespace {

int LineCount(const std::string& text) {
    int lines = 1;
    for (char c : text) lines += c == '\n';
    return lines;
}

void CheckPlays(const keymap::TKeyMap& map) {
    TNotePlayer player;
    int sounding = 0;
    player.OnSend = [&](uint8_t status, uint8_t, uint8_t velocity) {
        if ((status & 0xF0) == 0x90) sounding += velocity ? 1 : -1;
    };
    player.UseKeyMap(scanmap::MapOfKeys(map.keys));
    for (int octave : {0, 4, 10}) {
        player.SetKeyOctave(octave);
        for (const auto& [scan, offset] : map.keys) {
            const int note = 12 * player.KeyOctave() + offset;
            const int expected = note >= 0 && note <= 127 ? note : -1;
            FUZZ_CHECK(player.ComputerKey(scan, false, false) == expected);
        }
        for (const auto& [scan, offset] : map.keys) player.ComputerKey(scan, true, false);
        FUZZ_CHECK(sounding == 0);
        for (int n = 0; n < 128; ++n) FUZZ_CHECK(player.LocalCount(n) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    keymap::TKeyMap map;
    keymap::TParseError error;
    if (!keymap::ParseKeyMap(text, map, error)) {
        FUZZ_CHECK(!error.message.isEmpty());
        FUZZ_CHECK(error.line >= 0 && error.line <= LineCount(text));
        FUZZ_CHECK(map.keys.empty() && map.name.isEmpty());  // a failed read leaves the map alone
        return 0;
    }
    FUZZ_CHECK(!map.keys.empty());
    for (const auto& [scan, offset] : map.keys) {
        FUZZ_CHECK(scan >= keymap::kFirstScanCode && scan <= keymap::kLastScanCode);
        FUZZ_CHECK(offset >= keymap::kLowestOffset && offset <= keymap::kHighestOffset);
    }

    const std::string written = keymap::WriteKeyMap(map);
    keymap::TKeyMap again;
    keymap::TParseError againError;
    FUZZ_CHECK(keymap::ParseKeyMap(written, again, againError));
    FUZZ_CHECK(again == map);
    FUZZ_CHECK(keymap::WriteKeyMap(again) == written);

    CheckPlays(map);
    return 0;
}
