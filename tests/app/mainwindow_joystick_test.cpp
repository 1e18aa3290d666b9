// The joysticks: routing by the table, enabling, the table in the settings; and in the main
// window, the controls following what they send.
#include <gtest/gtest.h>

#include <QTest>

#include "app/joystickrouter.h"
#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "controls/wheelcontrols.h"
#include "keyboard/keyboard.h"
#include "platform/joystick/sdljoystick.h"
#include "support/parttest.h"
#include "support/testwindow.h"

namespace {

// Moves an axis or a button of the first virtual stick and lets the service look at it.
void Move(TSdlJoystickService& joy, int axis, int value) {
    ASSERT_TRUE(joy.SetVirtualAxis(0, axis, value));
    joy.PollNow();
}
void Button(TSdlJoystickService& joy, int button, bool down) {
    ASSERT_TRUE(joy.SetVirtualButton(0, button, down));
    joy.PollNow();
}

class MainWindowJoystick : public TWindowTest {
protected:
    void SetUp() override {
        if (!joy.Available()) GTEST_SKIP() << "SDL joystick subsystem unavailable";
        ASSERT_EQ(joy.AttachVirtual(3, 4), 0);
        AddDevices("Synth");
    }
    void Start() { TWindowTest::Start(&joy); }

    TSdlJoystickService joy{TSdlJoystickService::dsVirtualOnly};
};

// The router without the main window, started as the window starts it.
class JoystickRouter : public TPartTest {
protected:
    void SetUp() override {
        if (!joy.Available()) GTEST_SKIP() << "SDL joystick subsystem unavailable";
        ASSERT_EQ(joy.AttachVirtual(3, 4), 0);
    }
    TJoystickRouter& Start() {
        router = std::make_unique<TJoystickRouter>(&joy, Record(), [this] { return channel; });
        router->LoadSettings(store);
        router->Update();
        return *router;
    }

    TSdlJoystickService joy{TSdlJoystickService::dsVirtualOnly};
    std::unique_ptr<TJoystickRouter> router;
    int channel = 0;
};

uint32_t Msg(uint32_t s, uint32_t d1, uint32_t d2) { return s | d1 << 8 | d2 << 16; }

TEST_F(MainWindowJoystick, StickSendsAssignedControllerAndPitchBendAndTheControlsFollow) {
    store.WriteInteger("Joystick", "X00", 1);    // modulation
    store.WriteInteger("Joystick", "Y00", 128);  // pitch bend
    Start();
    EXPECT_TRUE(w->Joysticks().Joystick(0).Enabled());
    EXPECT_FALSE(w->Joysticks().Joystick(1).Enabled());
    w->Keyboard1->Player().SetChannel(3);

    // The first move also reports the untouched Y at its centre: no bend.
    Move(joy, 0, 65535);
    Move(joy, 1, 0);  // stick fully up
    EXPECT_EQ(Sent(),
              std::vector<uint32_t>({Msg(0xB3, 1, 127), Msg(0xE3, 127, 63), Msg(0xE3, 127, 127)}));
    EXPECT_EQ(w->ICMW->Position(), 127);
    EXPECT_EQ(w->ICPitch->Position(), PitchFromBytes(127, 127));

    // At rest nothing more is sent; an unassigned Z axis sends nothing either.
    out.ClearSent();
    joy.PollNow();
    Move(joy, 2, 0);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(JoystickRouter, HeldButtonsSwitchTheAxisToTheirSlotsInButtonOrder) {
    store.WriteInteger("Joystick", "X01", 10);
    store.WriteInteger("Joystick", "X02", 11);
    ASSERT_TRUE(Start().Joystick(0).Enabled());
    Move(joy, 0, 0);
    EXPECT_TRUE(sent.empty());  // slot 0 is unassigned

    Button(joy, 0, true);
    Move(joy, 0, 65535);
    Button(joy, 1, true);
    Move(joy, 0, 32768);
    EXPECT_EQ(sent,
              std::vector<uint32_t>({Msg(0xB0, 10, 127), Msg(0xB0, 10, 64), Msg(0xB0, 11, 64)}));
}

TEST_F(JoystickRouter, TheTimerDeliversWithoutBeingAsked) {
    store.WriteInteger("Joystick", "Z00", 7);
    Start();
    ASSERT_TRUE(joy.SetVirtualAxis(0, 2, 65535));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sent.empty(); }, 3000));
    EXPECT_EQ(sent.front(), Msg(0xB0, 7, 127));
}

TEST_F(JoystickRouter, NoAssignmentsLeaveBothIdleAndANewTableEnablesAtOnce) {
    store.WriteInteger("Joystick", "X10", 129);
    TJoystickRouter& r = Start();
    EXPECT_FALSE(r.Joystick(0).Enabled());
    EXPECT_FALSE(r.Joystick(1).Enabled());
    Move(joy, 0, 0);
    EXPECT_TRUE(sent.empty());

    TJoystickTable table = r.Table();
    table[0][jaX][0] = 2;
    r.SetTable(table);
    r.Update();
    EXPECT_TRUE(r.Joystick(0).Enabled());
    Move(joy, 0, 65535);
    EXPECT_EQ(sent, std::vector<uint32_t>({Msg(0xB0, 2, 127)}));

    // Saving writes the assigned cells; the unassigned ones go.
    r.SaveSettings(store);
    EXPECT_EQ(store.ReadSection("Joystick"), std::vector<std::string>({"X00"}));
    EXPECT_EQ(store.ReadInteger("Joystick", "X00", -1), 2);
}

}  // namespace
