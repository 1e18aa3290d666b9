#pragma once

#include <cstdint>
#include <vector>

#include "platform/midi/shortmessage.h"

// Arithmetic of the piano keyboard: key pattern, geometry, hit tests, note names, chords and the
// mouse-controller rule. Free functions so the widget stays thin and each rule is testable alone.
namespace keymath {

constexpr int kNoteCount = 128;
constexpr int kWhiteKeysTotal = 75;  // ten full octaves plus C..G of the eleventh block
constexpr int kImageBlackHeight = 41;
constexpr int kDeadZone = 5;

// Semitones of the white keys C D E F G A B.
extern const int kWhiteSemitones[7];
// Semitones of the black keys C# D# F# G# A#.
extern const int kBlackSemitones[5];
// White-key index after which each black key stands.
extern const int kBlackAfterWhite[5];

bool IsBlack(int pitchClass);
// White index (0..6) of a white pitch class, or of the white key just below a black one.
int WhiteIndexAtOrBelow(int pitchClass);
// Black index (0..4) of a black pitch class; -1 for a white one.
int BlackIndex(int pitchClass);
// Note of the white key with absolute white index w (w >= 0).
int NoteOfWhiteIndex(int w);

// Division rounding towards minus infinity (pixel positions left of note 0 stay consistent).
int FloorDiv(int a, int b);

// Nearest integer, ties to even.
int RoundHalfEven(double v);
// Velocity with Shift held: v * factor rounded and clamped to 0..127.
int ShiftedVelocity(int velocity, double factor);

// Velocity of a key struck y pixels below its back edge on a key `length` pixels long: the back
// edge (y 0) plays softest, `softest`, the front edge (y length - 1) loudest, `loudest`, and the
// pixels between in equal steps, rounded to the nearest (ties to even). Points beyond either edge
// count as the edge; a key of one pixel or less plays loudest.
int HeightVelocity(int y, int length, int softest, int loudest);
// A touch pressure (0..1 where the device reports one) as a velocity 1..127 or a pressure value
// 0..127; -1 when the pressure is not a number. Values beyond the ends count as the ends.
int PressureVelocity(double pressure);
int PressureValue(double pressure);
// The pressure value of a held key: from the finger's pressure (0..1, NaN: none reported), else
// from moving `up` pixels since the note began, as the up/down axis does.
int HeldPressure(double pressure, int up);

// Absolute left x of a key. blackOffsets (5 entries) is given for the image style, where black
// keys sit at the artwork's offsets inside the octave; nullptr means drawn keys.
int KeyLeft(int note, int keyWidth, const int* blackOffsets);

// Hit test in drawn style at absolute x a; height is the control height.
int HitTestDrawn(int a, int y, int height, int keyWidth);
// Hit test in image style against the pixel-to-note map of one octave (7 * keyWidth entries).
int HitTestImage(int a, int y, int keyWidth, const std::vector<uint8_t>& noteMap);

// Pitch name of a pitch class in a language (0 International, 1 German, 2 Italian).
const char* PitchName(int language, int pitchClass);

// Semitone offsets of a chord (root excluded). custom is the 16-byte table ended by 0.
std::vector<int> ChordOffsets(int chord, const int8_t* custom);

// Copies a custom chord: at most 16 bytes, stopping at the first 0, without repeats.
std::vector<int8_t> NormalisedCustomChord(const std::vector<int8_t>& source);

// Value of a mouse axis after moving d pixels from the press position (positive = up or right).
int AxisValue(int assignment, int valueAtPress, int d);

}  // namespace keymath
