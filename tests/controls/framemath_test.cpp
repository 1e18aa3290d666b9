#include "controls/framemath.h"

#include <gtest/gtest.h>

#include "controls/wheelcontrols.h"

TEST(FrameMath, FrameSizeAndCountFollowEachOther) {
    TFrameGeometry g{20, 76, 0};
    CountFromFrameSize(g, 820, 76, TScrollKind::sbHorizontal, 0);
    EXPECT_EQ(g.count, 41);

    // Separators sit between frames only: 4 frames of 10 with gaps of 2 need 46 pixels.
    TFrameGeometry s{0, 0, 4};
    FrameSizeFromCount(s, 46, 30, TScrollKind::sbHorizontal, 2);
    EXPECT_EQ(s.frameWidth, 10);
    EXPECT_EQ(s.frameHeight, 30);
    CountFromFrameSize(s, 46, 30, TScrollKind::sbHorizontal, 2);
    EXPECT_EQ(s.count, 4);

    TFrameGeometry v{0, 0, 3};
    FrameSizeFromCount(v, 16, 99, TScrollKind::sbVertical, 0);
    EXPECT_EQ(v.frameWidth, 16);
    EXPECT_EQ(v.frameHeight, 33);

    // No usable frame size: derived from the count when there is one, else left alone.
    TFrameGeometry z{0, 76, 2};
    CountFromFrameSize(z, 32, 76, TScrollKind::sbHorizontal, 0);
    EXPECT_EQ(z.frameWidth, 16);
    TFrameGeometry none{0, 0, 0};
    CountFromFrameSize(none, 32, 76, TScrollKind::sbHorizontal, 0);
    EXPECT_EQ(none.count, 0);

    TFrameGeometry big{900, 100, 0};
    FrameSizeFromCount(big, 820, 76, TScrollKind::sbHorizontal, 0);  // no count: clamps
    EXPECT_EQ(big.frameWidth, 820);
    EXPECT_EQ(big.frameHeight, 76);
}

TEST(FrameMath, FrameIndexSplitsTheRangeEvenly) {
    EXPECT_EQ(FrameIndex(0, -8192, 8191, 41), 20);
    EXPECT_EQ(FrameIndex(8191, -8192, 8191, 41), 40);
    EXPECT_EQ(FrameIndex(-8192, -8192, 8191, 41), 0);
    EXPECT_EQ(FrameIndex(0, 0, 1, 2), 0);
    EXPECT_EQ(FrameIndex(1, 0, 1, 2), 1);
    EXPECT_EQ(FrameIndex(127, 0, 127, 41), 40);
    EXPECT_EQ(FrameIndex(5, 5, 5, 3), 0);  // a single value
    // Extreme bounds do not overflow.
    EXPECT_EQ(FrameIndex(INT32_MAX, INT32_MIN, INT32_MAX, 10), 9);
}

namespace {

// Feeds raw distances (from a fixed anchor unless the step moved it) like successive mouse moves.
int Drag(int position, const std::vector<int>& pointer, bool shift, int smallChange = 96,
         int snap = 5) {
    int anchor = 0;
    bool fine = shift;
    for (int y : pointer) {
        TDragStep s = ComputeDragStep(y - anchor, shift, fine, position, smallChange, 0, snap);
        fine = s.fineMode;
        if (!s.moved) continue;
        if (s.snapToMiddle) position = 0;
        if (s.delta != 0) {
            anchor = y;
            position += s.delta;
        }
    }
    return position;
}

}  // namespace

TEST(DragStep, DetentHoldsTheCentre) {
    EXPECT_EQ(Drag(0, {5}, false), 0);
    EXPECT_EQ(Drag(0, {8}, false), 288);
    EXPECT_EQ(Drag(0, {1, 2, 3, 4, 5, 6, 7, 8}, false), 288);  // pixel by pixel: the same
    EXPECT_EQ(Drag(0, {-8}, false), -288);
    // Coming back towards the centre snaps into it within the detent width.
    EXPECT_EQ(Drag(960, {-6}, false), 384);
    EXPECT_EQ(Drag(960, {-10}, false), 0);     // reaches the centre exactly
    EXPECT_EQ(Drag(960, {-12}, false), 0);     // overshoots by 2 steps: caught by the detent
    EXPECT_EQ(Drag(960, {-16}, false), -576);  // overshoots by 6 steps: passes through
    EXPECT_EQ(Drag(-200, {3}, false), 0);      // crossing from below
    EXPECT_EQ(Drag(1000, {-1}, false), 904);   // far from the centre: plain step
}

TEST(DragStep, FineModeDividesBySix) {
    EXPECT_EQ(Drag(0, {1, 2, 3, 4, 5}, true), 0);
    EXPECT_EQ(Drag(0, {1, 2, 3, 4, 5, 6}, true), 96);
    EXPECT_EQ(Drag(0, {-12}, true), -192);
    // Fine mode ignores the detent.
    EXPECT_EQ(Drag(500, {-36}, true), 500 - 6 * 96);

    // Releasing Shift mid-drag moves by one step at most, not by the gathered pixels.
    TDragStep s = ComputeDragStep(40, false, true, 0, 96, 0, 5);
    EXPECT_FALSE(s.fineMode);
    EXPECT_EQ(s.delta, 0);  // one pixel inside the detent
    s = ComputeDragStep(-40, false, true, 1000, 96, 0, 5);
    EXPECT_EQ(s.delta, -96);
}

TEST(DragStep, ZeroSmallChangeNeverDividesByZero) {
    TDragStep s = ComputeDragStep(50, false, false, 10, 0, 0, 5);
    EXPECT_EQ(s.delta, 0);
    EXPECT_FALSE(s.snapToMiddle);
}

TEST(ButtonMath, TrackingAndSpace) {
    // Plain button: pressed inside, released outside.
    EXPECT_EQ(TrackButtonPosition(true, false, 0, 0, 1), 1);
    EXPECT_EQ(TrackButtonPosition(false, false, 0, 0, 1), 0);
    // Toggling button: inside shows the opposite of where it started.
    EXPECT_EQ(TrackButtonPosition(true, true, 0, 0, 1), 1);
    EXPECT_EQ(TrackButtonPosition(true, true, 1, 0, 1), 0);
    EXPECT_EQ(TrackButtonPosition(false, true, 1, 0, 1), 1);
    EXPECT_EQ(SpaceDownPosition(0, 0, 1), 1);
    EXPECT_EQ(SpaceDownPosition(1, 0, 1), 0);
}

TEST(PitchWheelMessages, BytesAndSpringBack) {
    uint8_t d1 = 0, d2 = 0;
    PitchBendBytes(0, d1, d2);
    EXPECT_EQ(d1, 0x00);
    EXPECT_EQ(d2, 0x40);
    PitchBendBytes(8191, d1, d2);
    EXPECT_EQ(d1, 0x7F);
    EXPECT_EQ(d2, 0x7F);
    PitchBendBytes(-8192, d1, d2);
    EXPECT_EQ(d1, 0x00);
    EXPECT_EQ(d2, 0x00);
    for (int v : {-8192, -1, 0, 1, 127, 128, 8191}) {
        PitchBendBytes(v, d1, d2);
        EXPECT_EQ(PitchFromBytes(d1, d2), v);
    }
    const TShortMessage m = PitchBendMessage(3, 288);
    EXPECT_EQ(m.status, 0xE3);
    EXPECT_EQ(PitchFromBytes(m.data1, m.data2), 288);
    const TShortMessage mw = ModulationMessage(15, 1, 127);
    EXPECT_EQ(mw.status, 0xBF);
    EXPECT_EQ(mw.data1, 1);
    EXPECT_EQ(mw.data2, 127);

    EXPECT_EQ(SpringBackSteps(8191),
              (std::vector<int>{4095, 2047, 1023, 511, 255, 127, 63, 31, 15, 0}));
    EXPECT_EQ(SpringBackSteps(-5000), std::vector<int>{0});
    EXPECT_EQ(SpringBackSteps(-8192), std::vector<int>{0});
    EXPECT_EQ(SpringBackSteps(19), std::vector<int>{0});
    EXPECT_EQ(SpringBackSteps(20), (std::vector<int>{10, 0}));
    EXPECT_TRUE(SpringBackSteps(0).empty());

    EXPECT_EQ(PitchHintText(-12), "Pitch: -12");
    EXPECT_EQ(ModulationHintText(64), "Modulation: 64");
}
