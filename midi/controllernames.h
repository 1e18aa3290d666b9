#pragma once

#include <string>
#include <vector>

// Display names of the MIDI control-change numbers, so that controller lists read
// "007 Channel Volume" rather than a bare number.

// The name of controller 0..127; empty for unnamed controllers and for numbers out of range.
std::string ControllerName(int controller);

// The controller number plus displayOffset (0 or 1) with at least three digits, a blank and the
// name, or " Undefined" after the number for an unnamed controller: "007 Channel Volume".
std::string ControllerEntryText(int controller, int displayOffset);

// The 128 entry texts in controller order, so that an entry's index is its controller number.
std::vector<std::string> ControllerEntryTexts(int displayOffset);
