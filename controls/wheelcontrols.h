#pragma once

#include <QString>
#include <Qt>
#include <cstdint>
#include <functional>
#include <vector>

class TFrameImage;
class TImgControl;

// What the main window's pitch-bend wheel, modulation wheel and keyboard arrows do, kept apart
// from the window so that it can be tested; the window only wires these to its send path.

struct TShortMessage {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
};

inline constexpr int kPitchMin = -8192;
inline constexpr int kPitchMax = 8191;

// Pitch value -8192..8191 to the two 7-bit data bytes (low first) around the centre 0x2000.
void PitchBendBytes(int value, uint8_t& data1, uint8_t& data2);
TShortMessage PitchBendMessage(int channel, int value);
// The pitch value of a received or reflected pitch-bend message.
int PitchFromBytes(uint8_t data1, uint8_t data2);
TShortMessage ModulationMessage(int channel, int controller, int value);

// Positions the released pitch wheel passes on its way back to the centre, each one sent:
// upward bends halve down to below 10 and then snap to 0; any downward bend snaps at once.
std::vector<int> SpringBackSteps(int pos);
// Runs the spring-back on the wheel (nothing when Ctrl is held): sets each position without
// firing the wheel's events and calls send with it.
void SpringBackPitchWheel(TImgControl& wheel, Qt::KeyboardModifiers modifiers,
                          const std::function<void(int value)>& send);

QString PitchHintText(int position);
QString ModulationHintText(int position);

// The strips: the wheel (20x76 frames of "WHEEL"/"WHEEL256") and the arrows (16x76 button
// frames of "LEFTARROW"/"RIGHTARROW").
void SetupWheelImage(TFrameImage& image);
void SetupLeftArrowImage(TFrameImage& image);
void SetupRightArrowImage(TFrameImage& image);

// The four controls beside the keyboard, set up on the given strip.
void SetupPitchWheel(TImgControl& control, TFrameImage* wheel);
void SetupModWheel(TImgControl& control, TFrameImage* wheel);
void SetupLeftArrow(TImgControl& control, TFrameImage* arrow);
void SetupRightArrow(TImgControl& control, TFrameImage* arrow);
