#include "keyboard/keyboardmath.h"

#include <gtest/gtest.h>

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
