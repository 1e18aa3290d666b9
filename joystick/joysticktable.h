#pragma once

#include <array>
#include <string>

#include "platform/midi/shortmessage.h"

class TSettingsStore;

// Joystick assignments: per joystick, axis and button slot a controller number 0..127,
// kControllerPitchBend or kControllerNone. Slot 0 applies with no button held, slot b while
// button b is held.
constexpr int kJoystickCount = 2;
constexpr int kJoyAxisCount = 3;
constexpr int kJoySlotCount = 5;

enum TJoyAxis { jaX, jaY, jaZ };

using TJoystickTable =
    std::array<std::array<std::array<int, kJoySlotCount>, kJoyAxisCount>, kJoystickCount>;

// Every cell kControllerNone.
TJoystickTable EmptyJoystickTable();
// Whether any cell of the joystick is assigned.
bool JoystickHasAssignments(const TJoystickTable& table, int joystick);

// Stored form: section "Joystick", one integer per cell named axis letter + joystick digit +
// slot digit ("X00", "Z14"). Unassigned cells are not stored: a missing one reads as
// kControllerNone, and saving deletes the key of an unassigned cell.
inline constexpr const char* kJoystickSection = "Joystick";
std::string JoystickTableKey(int joystick, TJoyAxis axis, int slot);
// Values outside 0..129 count as unassigned.
void LoadJoystickTable(TSettingsStore& store, TJoystickTable& table);
void SaveJoystickTable(TSettingsStore& store, const TJoystickTable& table);

// raw scaled from min..max to lo..hi, rounded to nearest with ties to even and clamped to
// lo..hi; 0 for a range of zero width.
int JoystickScale(int raw, int min, int max, int lo, int hi);
// The value an axis position sends to a target (controller 0..127 or pitch bend 0..16383).
// Y is turned over so that pushing the stick up raises the value.
int JoystickAxisValue(int raw, int min, int max, TJoyAxis axis, int target);
