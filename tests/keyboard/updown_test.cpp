#include "keyboard/updown.h"

#include <gtest/gtest.h>

#include <QToolButton>

TEST(UpDown, StepsWrapOrClampAndSpeedUpWhileHeld) {
    EXPECT_EQ(TUpDown::Stepped(16380, 5, -1, 16383, true), -1);
    EXPECT_EQ(TUpDown::Stepped(-1, -1, -1, 127, true), 127);
    EXPECT_EQ(TUpDown::Stepped(126, 5, -1, 127, false), 127);
    EXPECT_EQ(TUpDown::AccelerationStep(1500), 1);
    EXPECT_EQ(TUpDown::AccelerationStep(2500), 5);
    EXPECT_EQ(TUpDown::AccelerationStep(6000), 10);

    // A click moves and reports; setting the position from code reports nothing.
    TUpDown ud;
    ud.SetRange(-1, 127);
    ud.SetWrap(true);
    int clicks = 0;
    ud.OnClick = [&](TUpDown*) { ++clicks; };
    ud.SetPosition(127);
    EXPECT_EQ(clicks, 0);
    ud.UpButton()->click();
    EXPECT_EQ(ud.Position(), -1);
    ud.DownButton()->click();
    EXPECT_EQ(ud.Position(), 127);
    EXPECT_EQ(clicks, 2);
}
