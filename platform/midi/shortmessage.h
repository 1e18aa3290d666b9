#pragma once

#include <cstdint>
#include <functional>

// Takes one short MIDI message: the status byte and two data bytes (0 where unused).
using TSendShort = std::function<void(uint8_t status, uint8_t data1, uint8_t data2)>;

// What a wheel, a mouse axis or a joystick axis drives, as stored in the settings: a controller
// number 0..127 or one of these.
constexpr int kControllerPitchBend = 128;
constexpr int kControllerNone = 129;
