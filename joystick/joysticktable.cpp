#include "joystick/joysticktable.h"

#include <algorithm>
#include <cmath>

#include "platform/settings/settingsstore.h"

TJoystickTable EmptyJoystickTable() {
    TJoystickTable table;
    for (auto& axes : table)
        for (auto& slots : axes) slots.fill(kControllerNone);
    return table;
}

bool JoystickHasAssignments(const TJoystickTable& table, int joystick) {
    if (joystick < 0 || joystick >= kJoystickCount) return false;
    for (const auto& slots : table[static_cast<size_t>(joystick)])
        for (int target : slots)
            if (target != kControllerNone) return true;
    return false;
}

std::string JoystickTableKey(int joystick, TJoyAxis axis, int slot) {
    static const char kAxisLetters[kJoyAxisCount] = {'X', 'Y', 'Z'};
    return std::string{kAxisLetters[axis], static_cast<char>('0' + joystick),
                       static_cast<char>('0' + slot)};
}

void LoadJoystickTable(TSettingsStore& store, TJoystickTable& table) {
    for (int j = 0; j < kJoystickCount; ++j)
        for (int a = 0; a < kJoyAxisCount; ++a)
            for (int s = 0; s < kJoySlotCount; ++s) {
                int v = store.ReadInteger(kJoystickSection,
                                          JoystickTableKey(j, static_cast<TJoyAxis>(a), s),
                                          kControllerNone);
                if (v < 0 || v > kControllerNone) v = kControllerNone;
                table[j][a][s] = v;
            }
}

void SaveJoystickTable(TSettingsStore& store, const TJoystickTable& table) {
    for (int j = 0; j < kJoystickCount; ++j)
        for (int a = 0; a < kJoyAxisCount; ++a)
            for (int s = 0; s < kJoySlotCount; ++s) {
                const std::string key = JoystickTableKey(j, static_cast<TJoyAxis>(a), s);
                if (table[j][a][s] == kControllerNone)
                    store.DeleteKey(kJoystickSection, key);
                else
                    store.WriteInteger(kJoystickSection, key, table[j][a][s]);
            }
}

int JoystickScale(int raw, int min, int max, int lo, int hi) {
    if (max == min) return 0;
    // The product is exact in a double and the one division rounds correctly, so a true tie
    // stays a tie; nearbyint rounds it to even.
    const double q = (static_cast<double>(raw) - min) * (static_cast<double>(hi) - lo) /
                     (static_cast<double>(max) - min);
    const double v = lo + std::nearbyint(q);
    return static_cast<int>(std::clamp(v, static_cast<double>(std::min(lo, hi)),
                                       static_cast<double>(std::max(lo, hi))));
}

int JoystickAxisValue(int raw, int min, int max, TJoyAxis axis, int target) {
    // Mirrored within its own range, so a range that does not start at 0 turns over too.
    long long r = raw;
    if (axis == jaY) r = static_cast<long long>(max) + min - raw;
    // Out of range positions end at the range's ends anyway; clamping first keeps r an int.
    r = std::clamp<long long>(r, std::min(min, max), std::max(min, max));
    const int hi = target == kControllerPitchBend ? 16383 : 127;
    return JoystickScale(static_cast<int>(r), min, max, 0, hi);
}
