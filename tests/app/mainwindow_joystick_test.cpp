// The main window's joysticks: table in the settings, enabling, and routing to the output.
#include <gtest/gtest.h>

#include <QTest>

#include "app/joystickrouter.h"
#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "controls/wheelcontrols.h"
#include "keyboard/keyboard.h"
#include "platform/joystick/sdljoystick.h"
#include "support/testwindow.h"

namespace {

class MainWindowJoystick : public TWindowTest {
protected:
    void SetUp() override {
        if (!joy.Available()) GTEST_SKIP() << "SDL joystick subsystem unavailable";
        ASSERT_EQ(joy.AttachVirtual(3, 4), 0);
        AddDevices("Synth");
    }
    void Start() { TWindowTest::Start(&joy); }

    // Sets the virtual stick and lets the service look at it.
    void Move(int axis, int value) {
        ASSERT_TRUE(joy.SetVirtualAxis(0, axis, value));
        joy.PollNow();
    }
    void Button(int button, bool down) {
        ASSERT_TRUE(joy.SetVirtualButton(0, button, down));
        joy.PollNow();
    }

    TSdlJoystickService joy{TSdlJoystickService::dsVirtualOnly};
};

uint32_t Msg(uint32_t s, uint32_t d1, uint32_t d2) { return s | d1 << 8 | d2 << 16; }

TEST_F(MainWindowJoystick, StickSendsAssignedControllerAndPitchBendAndTheControlsFollow) {
    store.WriteInteger("Joystick", "X00", 1);    // modulation
    store.WriteInteger("Joystick", "Y00", 128);  // pitch bend
    Start();
    EXPECT_TRUE(w->Joysticks().Joystick(0).Enabled());
    EXPECT_FALSE(w->Joysticks().Joystick(1).Enabled());
    w->Keyboard1->SetChannel(3);

    // The first move also reports the untouched Y at its centre: no bend.
    Move(0, 65535);
    Move(1, 0);  // stick fully up
    EXPECT_EQ(Sent(),
              std::vector<uint32_t>({Msg(0xB3, 1, 127), Msg(0xE3, 127, 63), Msg(0xE3, 127, 127)}));
    EXPECT_EQ(w->ICMW->Position(), 127);
    EXPECT_EQ(w->ICPitch->Position(), PitchFromBytes(127, 127));

    // At rest nothing more is sent; an unassigned Z axis sends nothing either.
    out.ClearSent();
    joy.PollNow();
    Move(2, 0);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MainWindowJoystick, HeldButtonsSwitchTheAxisToTheirSlotsInButtonOrder) {
    store.WriteInteger("Joystick", "X01", 10);
    store.WriteInteger("Joystick", "X02", 11);
    Start();
    ASSERT_TRUE(w->Joysticks().Joystick(0).Enabled());
    Move(0, 0);
    EXPECT_TRUE(Sent().empty());  // slot 0 is unassigned

    Button(0, true);
    Move(0, 65535);
    Button(1, true);
    Move(0, 32768);
    EXPECT_EQ(Sent(),
              std::vector<uint32_t>({Msg(0xB0, 10, 127), Msg(0xB0, 10, 64), Msg(0xB0, 11, 64)}));
}

TEST_F(MainWindowJoystick, TheTimerDeliversWithoutBeingAsked) {
    store.WriteInteger("Joystick", "Z00", 7);
    Start();
    ASSERT_TRUE(joy.SetVirtualAxis(0, 2, 65535));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Sent().empty(); }, 3000));
    EXPECT_EQ(Sent().front(), Msg(0xB0, 7, 127));
}

TEST_F(MainWindowJoystick, NoAssignmentsLeaveBothIdleAndANewTableEnablesAtOnce) {
    store.WriteInteger("Joystick", "X10", 129);
    Start();
    EXPECT_FALSE(w->Joysticks().Joystick(0).Enabled());
    EXPECT_FALSE(w->Joysticks().Joystick(1).Enabled());
    Move(0, 0);
    EXPECT_TRUE(Sent().empty());

    TJoystickTable table = w->Joysticks().Table();
    table[0][jaX][0] = 2;
    w->Joysticks().SetTable(table);
    w->Joysticks().Update();
    EXPECT_TRUE(w->Joysticks().Joystick(0).Enabled());
    Move(0, 65535);
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Msg(0xB0, 2, 127)}));

    // Closing saves the table: assigned cells written, unassigned ones gone.
    w->close();
    EXPECT_EQ(store.ReadSection("Joystick"), std::vector<std::string>({"X00"}));
    EXPECT_EQ(store.ReadInteger("Joystick", "X00", -1), 2);
}

}  // namespace
