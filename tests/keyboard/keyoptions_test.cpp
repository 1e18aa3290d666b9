// The keyboard's look and play options without a widget: what their limits keep, and the
// velocities the play options give a strike and a finger.
#include <gtest/gtest.h>

#include <limits>

#include "keyboard/keylook.h"
#include "keyboard/noteplayer.h"
#include "keyboard/playoptions.h"

TEST(KeyLook, OutOfRangeValuesKeepTheCurrentOnesAndTheMarkIsClamped) {
    TKeyLook current;
    current.middleC = 4;
    current.pressedColour = QColor(1, 2, 3);
    struct TCase {
        int mark, middleC;
        QColor colour;
        int keptMark, keptMiddleC;
        QColor keptColour;
    };
    const TCase cases[] = {{64, 5, QColor(9, 9, 9), 64, 5, QColor(9, 9, 9)},
                           {200, 6, QColor(), 127, 4, QColor(1, 2, 3)},
                           {-1, 2, QColor(), 0, 4, QColor(1, 2, 3)}};
    for (const TCase& c : cases) {
        TKeyLook wanted = current;
        wanted.markNote = c.mark;
        wanted.middleC = c.middleC;
        wanted.pressedColour = c.colour;
        wanted.flats = true;
        const TKeyLook look = current.Limited(wanted);
        EXPECT_EQ(look.markNote, c.keptMark) << c.mark;
        EXPECT_EQ(look.middleC, c.keptMiddleC) << c.middleC;
        EXPECT_EQ(look.pressedColour, c.keptColour) << c.mark;
        EXPECT_TRUE(look.flats) << "what lies within range is taken";
    }
}

TEST(PlayOptions, TheVelocityRangeIsKeptWithinMidiAndInOrder) {
    struct TCase {
        int min, max, keptMin, keptMax;
    };
    const TCase cases[] = {{12, 99, 12, 99}, {99, 12, 12, 99}, {300, -5, 1, 127}, {0, 0, 1, 1}};
    for (const TCase& c : cases) {
        TPlayOptions wanted;
        wanted.velocityMin = c.min;
        wanted.velocityMax = c.max;
        const TPlayOptions kept = wanted.Limited();
        EXPECT_EQ(kept.velocityMin, c.keptMin) << c.min << ".." << c.max;
        EXPECT_EQ(kept.velocityMax, c.keptMax) << c.min << ".." << c.max;
    }
}

// A key 50 pixels long, 30..127 from its back edge to its front edge; the player's velocity is
// 100, halved with Shift.
TEST(PlayOptions, StrikesAndFingersPlayTheSettingUnlessTheHeightOrAReportedPressureDecides) {
    TNotePlayer player;
    player.SetVelocity(100);
    player.SetVelocityShiftFactor(0.5);
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    struct TCase {
        bool height;
        double pressure;
        int y;
        bool shift;
        int velocity;
        const char* why;
    };
    const TCase cases[] = {
        {false, kNone, 10, false, 100, "the setting"},
        {false, kNone, 10, true, 50, "the setting with Shift"},
        {false, 0.0, 10, false, 100, "a pressure of 0: none measured"},
        {false, 1.0, 10, false, 127, "full pressure"},
        {false, 0.5, 10, true, 32, "half pressure (64) with Shift"},
        {false, 0.001, 10, true, 1, "the lightest touch with Shift still sounds"},
        {true, 1.0, 0, false, 30, "the height decides before the pressure"},
        {true, kNone, 49, false, 127, "the front edge"},
        {true, kNone, 0, true, 15, "the back edge with Shift"},
    };
    for (const TCase& c : cases) {
        TPlayOptions options;
        options.velocityFromHeight = c.height;
        EXPECT_EQ(options.TouchVelocity(player, c.y, 50, c.pressure, c.shift), c.velocity)
            << c.why;
        // The mouse reports no pressure: it strikes as a finger that reports none.
        if (!(c.pressure > 0)) {
            EXPECT_EQ(options.StrikeVelocity(player, c.y, 50, c.shift), c.velocity) << c.why;
        }
    }
}
