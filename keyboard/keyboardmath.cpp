#include "keyboard/keyboardmath.h"

#include <algorithm>
#include <cmath>

namespace keymath {

const int kWhiteSemitones[7] = {0, 2, 4, 5, 7, 9, 11};
const int kBlackSemitones[5] = {1, 3, 6, 8, 10};
const int kBlackAfterWhite[5] = {0, 1, 3, 4, 5};

namespace {
// Each white key of the octave split in halves; a half beside a black key belongs to it.
const int kHalfKeyNote[14] = {0, 1, 1, 3, 3, 4, 5, 6, 6, 8, 8, 10, 10, 11};
const int kWhiteIndexBelow[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
const int kBlackIndex[12] = {-1, 0, -1, 1, -1, -1, 2, -1, 3, -1, 4, -1};

const char* const kNames[3][12] = {
    {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"},
    {"C", "Cis", "D", "Dis", "E", "F", "Fis", "G", "Gis", "A", "Ais", "H"},
    {"Do", "Do#", "Re", "Re#", "Mi", "Fa", "Fa#", "Sol", "Sol#", "La", "La#", "Si"},
};
}  // namespace

bool IsBlack(int pitchClass) { return BlackIndex(pitchClass) >= 0; }

int WhiteIndexAtOrBelow(int pitchClass) { return kWhiteIndexBelow[((pitchClass % 12) + 12) % 12]; }

int BlackIndex(int pitchClass) { return kBlackIndex[((pitchClass % 12) + 12) % 12]; }

int NoteOfWhiteIndex(int w) { return (w / 7) * 12 + kWhiteSemitones[w % 7]; }

int FloorDiv(int a, int b) {
    int q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return q;
}

int RoundHalfEven(double v) {
    if (!std::isfinite(v)) return v > 0 ? 1 << 30 : (v < 0 ? -(1 << 30) : 0);
    double clamped = std::clamp(v, -1.0e9, 1.0e9);
    // nearbyint follows the default rounding mode, which is to nearest with ties to even.
    return static_cast<int>(std::nearbyint(clamped));
}

int ShiftedVelocity(int velocity, double factor) {
    return std::clamp(RoundHalfEven(velocity * factor), 0, 127);
}

int HeightVelocity(int y, int length, int softest, int loudest) {
    if (length <= 1) return loudest;
    y = std::clamp(y, 0, length - 1);
    return RoundHalfEven(softest + (loudest - softest) * static_cast<double>(y) / (length - 1));
}

int PressureValue(double pressure) {
    if (std::isnan(pressure)) return -1;
    return RoundHalfEven(std::clamp(pressure, 0.0, 1.0) * 127);
}

int HeldPressure(double pressure, int up) {
    const int value = PressureValue(pressure);
    return value >= 0 ? value : AxisValue(0, 0, up);
}

int PressureVelocity(double pressure) {
    const int v = PressureValue(pressure);
    return v < 0 ? -1 : std::max(v, 1);  // the lightest touch still sounds
}

int KeyLeft(int note, int keyWidth, const int* blackOffsets) {
    int octave = note / 12;
    int pc = note % 12;
    int black = BlackIndex(pc);
    if (black < 0) return (octave * 7 + WhiteIndexAtOrBelow(pc)) * keyWidth;
    if (blackOffsets) return octave * 7 * keyWidth + blackOffsets[black];
    return (octave * 7 + kBlackAfterWhite[black]) * keyWidth + keyWidth / 2;
}

int HitTestDrawn(int a, int y, int height, int keyWidth) {
    int w = 7 * keyWidth;
    int o = FloorDiv(a, w);
    int p = a - o * w;
    int note;
    if (y > height * 3 / 5)
        note = 12 * o + kWhiteSemitones[p / keyWidth];
    else
        note = 12 * o + kHalfKeyNote[(2 * p) / keyWidth];
    return std::clamp(note, 0, 127);
}

int HitTestImage(int a, int y, int keyWidth, const std::vector<uint8_t>& noteMap) {
    int w = 7 * keyWidth;
    int o = FloorDiv(a, w);
    int p = a - o * w;
    if (y > kImageBlackHeight) p = (p / keyWidth) * keyWidth + keyWidth / 2;
    int semitone = p < static_cast<int>(noteMap.size()) ? noteMap[p] : 0;
    return std::clamp(12 * o + semitone, 0, 127);
}

const char* PitchName(int language, int pitchClass) {
    language = std::clamp(language, 0, 2);
    return kNames[language][((pitchClass % 12) + 12) % 12];
}

std::vector<int> ChordOffsets(int chord, const int8_t* custom) {
    switch (chord) {
        case 1:
            return {4, 7};
        case 2:
            return {3, 7};
        case 3:
            return {4, 7, 10};
        case 4:
            return {3, 7, 10};
        case 5:
            return {7};
        case 6:
            return {12};
        case 7:
            return {7, 12, -12};
        case 8: {
            std::vector<int> offsets;
            for (int i = 0; i < 16 && custom && custom[i] != 0; ++i) offsets.push_back(custom[i]);
            return offsets;
        }
        default:
            return {};
    }
}

std::vector<int8_t> NormalisedCustomChord(const std::vector<int8_t>& source) {
    std::vector<int8_t> result;
    for (size_t i = 0; i < source.size() && i < 16; ++i) {
        if (source[i] == 0) break;
        if (std::find(result.begin(), result.end(), source[i]) == result.end())
            result.push_back(source[i]);
    }
    return result;
}

int AxisValue(int assignment, int valueAtPress, int d) {
    if (std::abs(d) <= kDeadZone) return valueAtPress;
    int beyond = d > 0 ? d - kDeadZone : d + kDeadZone;
    if (assignment == kControllerPitchBend)
        return std::clamp(valueAtPress + 80 * beyond, -8192, 8191);
    return std::clamp(valueAtPress + beyond + 1, 0, 127);
}

}  // namespace keymath
