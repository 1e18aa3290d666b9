#pragma once

#include <string>

#include "platform/midi/midiservice.h"

// Text of the result codes every MIDI service shares; false for a code outside them (backend
// codes), which the service itself describes.
bool CommonMidiErrorText(MidiResult code, std::string& text);
