#include "keyboard/keyboardmath.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace keymath;

TEST(KeyboardMath, DrawnHitTestSplitsWhiteKeysAtHalvesAndBlackBand) {
    const int kw = 15, h = 50;  // black band: y <= 30
    // Lower part: whole white keys, border between C and D at x 15.
    EXPECT_EQ(HitTestDrawn(14, 40, h, kw), 0);
    EXPECT_EQ(HitTestDrawn(15, 40, h, kw), 2);
    EXPECT_EQ(HitTestDrawn(104, 40, h, kw), 11);
    EXPECT_EQ(HitTestDrawn(105, 40, h, kw), 12);
    // Upper part: the half of C next to C# belongs to C#.
    EXPECT_EQ(HitTestDrawn(7, 10, h, kw), 0);
    EXPECT_EQ(HitTestDrawn(8, 10, h, kw), 1);
    EXPECT_EQ(HitTestDrawn(22, 10, h, kw), 1);
    EXPECT_EQ(HitTestDrawn(23, 10, h, kw), 3);
    // E and F have no black key between them.
    EXPECT_EQ(HitTestDrawn(44, 10, h, kw), 4);
    EXPECT_EQ(HitTestDrawn(45, 10, h, kw), 5);
    // The row boundary: y = 30 is still in the black band, 31 below it.
    EXPECT_EQ(HitTestDrawn(10, 30, h, kw), 1);
    EXPECT_EQ(HitTestDrawn(10, 31, h, kw), 0);
    // Left of note 0 and right of note 127 clamp.
    EXPECT_EQ(HitTestDrawn(-1, 40, h, kw), 0);
    EXPECT_EQ(HitTestDrawn(75 * kw + 50, 40, h, kw), 127);
}

TEST(KeyboardMath, ImageHitTestUsesTheNoteMapAboveRow41) {
    const int kw = 15;
    std::vector<uint8_t> map(105);
    for (int i = 0; i < 7; ++i)
        for (int x = 0; x < kw; ++x) map[i * kw + x] = kWhiteSemitones[i];
    for (int x = 9; x < 17; ++x) map[x] = 1;  // C# of the small artwork
    EXPECT_EQ(HitTestImage(8, 10, kw, map), 0);
    EXPECT_EQ(HitTestImage(9, 10, kw, map), 1);
    EXPECT_EQ(HitTestImage(16, 41, kw, map), 1);
    EXPECT_EQ(HitTestImage(17, 10, kw, map), 2);
    // Below the black keys the column moves to the middle of its white key.
    EXPECT_EQ(HitTestImage(9, 42, kw, map), 0);
    EXPECT_EQ(HitTestImage(16, 42, kw, map), 2);
    EXPECT_EQ(HitTestImage(105 + 9, 10, kw, map), 13);
}

TEST(KeyboardMath, KeyLeftInBothGeometries) {
    const int small[5] = {9, 28, 54, 71, 88};
    EXPECT_EQ(KeyLeft(0, 15, nullptr), 0);
    EXPECT_EQ(KeyLeft(1, 15, nullptr), 7);
    EXPECT_EQ(KeyLeft(6, 15, nullptr), 3 * 15 + 7);
    EXPECT_EQ(KeyLeft(127, 15, nullptr), 74 * 15);
    EXPECT_EQ(KeyLeft(13, 15, small), 105 + 9);
    EXPECT_EQ(KeyLeft(22, 15, small), 105 + 88);
    EXPECT_EQ(KeyLeft(23, 15, small), 105 + 90);
}

TEST(KeyboardMath, RoundingIsToEvenAndShiftedVelocityClamps) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(ShiftedVelocity(100, 0.5), 50);
    EXPECT_EQ(ShiftedVelocity(100, 3.0), 127);
    EXPECT_EQ(ShiftedVelocity(5, 0.5), 2);
    EXPECT_EQ(ShiftedVelocity(7, 0.5), 4);
    EXPECT_EQ(ShiftedVelocity(100, 0.01), 1);
}

TEST(KeyboardMath, AxisDeadZoneAndLimits) {
    EXPECT_EQ(AxisValue(1, 10, 5), 10);
    EXPECT_EQ(AxisValue(1, 10, -5), 10);
    EXPECT_EQ(AxisValue(1, 10, 6), 12);
    EXPECT_EQ(AxisValue(1, 10, -7), 9);
    EXPECT_EQ(AxisValue(1, 120, 50), 127);
    EXPECT_EQ(AxisValue(1, 0, -50), 0);
    EXPECT_EQ(AxisValue(kControllerPitchBend, 0, 10), 400);
    EXPECT_EQ(AxisValue(kControllerPitchBend, 0, -10), -400);
    EXPECT_EQ(AxisValue(kControllerPitchBend, 0, 1000), 8191);
    EXPECT_EQ(AxisValue(kControllerPitchBend, 0, -1000), -8192);
}

TEST(KeyboardMath, CustomChordDropsRepeatsAndStopsAtZeroOr16) {
    EXPECT_EQ(NormalisedCustomChord({4, 7, 4, 0}), (std::vector<int8_t>{4, 7}));
    EXPECT_EQ(NormalisedCustomChord({3, 0, 5}), (std::vector<int8_t>{3}));
    std::vector<int8_t> many;
    for (int i = 1; i <= 20; ++i) many.push_back(static_cast<int8_t>(i));
    EXPECT_EQ(NormalisedCustomChord(many).size(), 16u);
    int8_t custom[16] = {-5, 12, 0, 9};
    EXPECT_EQ(ChordOffsets(8, custom), (std::vector<int>{-5, 12}));
    EXPECT_EQ(ChordOffsets(7, custom), (std::vector<int>{7, 12, -12}));
}

TEST(KeyboardMath, StrikeHeightMapsBackEdgeToSoftestAndFrontEdgeToLoudest) {
    struct TCase {
        int y, length, softest, loudest, velocity;
    };
    const TCase cases[] = {
        {0, 76, 30, 127, 30},     // back edge
        {75, 76, 30, 127, 127},   // front edge
        {-9, 76, 30, 127, 30},    // above the key counts as its back edge
        {200, 76, 30, 127, 127},  // below it as its front edge
        {15, 31, 1, 127, 64},     // middle of a drawn black key: 1 + 126 / 2
        {20, 41, 30, 127, 78},    // middle of an image black key: 78.5 to even
        {1, 3, 10, 11, 10},       // 10.5 ties to even
        {0, 1, 30, 127, 127},     // a key of one pixel plays loudest
        {0, 0, 30, 127, 127},
        {0, 76, 100, 100, 100},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(HeightVelocity(c.y, c.length, c.softest, c.loudest), c.velocity)
            << "y " << c.y << " length " << c.length;
}

TEST(KeyboardMath, TouchPressureBecomesVelocityAndPressureWithinRange) {
    const double nan = std::nan("");
    struct TCase {
        double pressure;
        int velocity, value;
    };
    const TCase cases[] = {{0.5, 64, 64},  {1.0, 127, 127}, {1.7, 127, 127}, {0.0, 1, 0},
                           {-0.3, 1, 0},   {nan, -1, -1},   {0.001, 1, 0}};
    for (const TCase& c : cases) {
        EXPECT_EQ(PressureVelocity(c.pressure), c.velocity) << c.pressure;
        EXPECT_EQ(PressureValue(c.pressure), c.value) << c.pressure;
    }
}
