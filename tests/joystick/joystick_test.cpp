#include "joystick/joystick.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "joystick/joysticktable.h"
#include "platform/joystick/sdljoystick.h"
#include "platform/settings/settingsstore.h"

namespace {

// ---- Scaling ---------------------------------------------------------------------------------

struct ScaleCase {
    int raw, min, max;
    TJoyAxis axis;
    int target, expected;
};

class JoystickScaling : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(JoystickScaling, AxisValue) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(JoystickAxisValue(c.raw, c.min, c.max, c.axis, c.target), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, JoystickScaling,
    ::testing::Values(
        // Full 16-bit range onto a controller: the halves meet between 32767 and 32768.
        ScaleCase{0, 0, 65535, jaX, 1, 0}, ScaleCase{32767, 0, 65535, jaX, 1, 63},
        ScaleCase{32768, 0, 65535, jaX, 1, 64}, ScaleCase{65535, 0, 65535, jaX, 1, 127},
        // Y turns over: stick fully up gives the top value.
        ScaleCase{0, 0, 65535, jaY, 1, 127},
        ScaleCase{0, 0, 65535, jaY, kControllerPitchBend, 16383},
        ScaleCase{65535, 0, 65535, jaY, kControllerPitchBend, 0},
        // The centre is about no bend.
        ScaleCase{32768, 0, 65535, jaX, kControllerPitchBend, 8192},
        // A Y range that does not start at 0 turns over within itself.
        ScaleCase{100, 100, 200, jaY, 1, 127}, ScaleCase{200, 100, 200, jaY, 1, 0},
        // Out of range positions clamp; a zero-width range gives 0.
        ScaleCase{-5, 0, 100, jaX, 1, 0}, ScaleCase{400, 0, 100, jaZ, 1, 127},
        ScaleCase{500, 7, 7, jaX, 1, 0}, ScaleCase{500, 7, 7, jaY, kControllerPitchBend, 0}));

TEST(JoystickScale, TiesRoundToEvenAndExtremeRangesDoNotOverflow) {
    EXPECT_EQ(JoystickScale(1, 0, 2, 0, 1), 0);  // 0.5
    EXPECT_EQ(JoystickScale(1, 0, 2, 0, 3), 2);  // 1.5
    EXPECT_EQ(JoystickScale(5, 0, 2, 10, 13), 13);
    EXPECT_EQ(JoystickScale(INT32_MAX, INT32_MIN, INT32_MAX, 0, 16383), 16383);
    EXPECT_EQ(JoystickAxisValue(INT32_MIN, INT32_MIN, INT32_MAX, jaY, 1), 127);
}

// ---- Stored table ----------------------------------------------------------------------------

TEST(JoystickTableStore, UnassignedCellsAreDeletedAndMissingOrBadOnesReadAsNone) {
    TMemSettingsStore store;
    store.WriteInteger("Joystick", "Y03", 5);  // stale: the table no longer assigns it
    TJoystickTable table = EmptyJoystickTable();
    table[0][jaX][0] = 0;
    table[1][jaZ][4] = kControllerPitchBend;
    SaveJoystickTable(store, table);
    EXPECT_EQ(store.ReadSection("Joystick"), std::vector<std::string>({"X00", "Z14"}));
    EXPECT_EQ(store.ReadInteger("Joystick", "X00", -1), 0);
    EXPECT_EQ(store.ReadInteger("Joystick", "Z14", -1), kControllerPitchBend);

    store.WriteInteger("Joystick", "X10", 999);
    store.WriteString("Joystick", "X11", "abc");
    store.WriteInteger("Joystick", "Y12", -1);
    TJoystickTable back = EmptyJoystickTable();
    back[0][jaY][3] = 77;
    LoadJoystickTable(store, back);
    EXPECT_EQ(back, table);  // the bad values came back as none
    EXPECT_TRUE(JoystickHasAssignments(back, 0));
    EXPECT_TRUE(JoystickHasAssignments(back, 1));
    EXPECT_FALSE(JoystickHasAssignments(EmptyJoystickTable(), 1));
}

// ---- Change messages -------------------------------------------------------------------------

TEST(JoyChangeMessages, ButtonsComeFirstAndMovesCarryTheHeldButtons) {
    TJoyPos before{10, 20, 30, kJoyButton2};
    TJoyPos now{11, 20, 30, kJoyButton1 | 0x20};  // button 6 takes no part
    const auto m = JoyChangeMessages(1, before, now);
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(std::make_tuple(m[0].Kind, m[0].Device, m[0].Flags),
              std::make_tuple(jmButtonDown, 1, 0x101u));
    EXPECT_EQ(std::make_tuple(m[1].Kind, m[1].Flags), std::make_tuple(jmButtonUp, 0x201u));
    EXPECT_EQ(std::make_tuple(m[2].Kind, m[2].Flags, m[2].Position),
              std::make_tuple(jmMove, 0x1u, 11u | 20u << 16));
    EXPECT_TRUE(JoyChangeMessages(0, now, now).empty());
    now.Z = 65535;
    const auto z = JoyChangeMessages(0, TJoyPos{11, 20, 30, now.Buttons}, now);
    ASSERT_EQ(z.size(), 1u);
    EXPECT_EQ(std::make_tuple(z[0].Kind, z[0].Position), std::make_tuple(jmZMove, 65535u));
}

// ---- The component ---------------------------------------------------------------------------

// A service whose single device can be given any capabilities.
class TFakeJoyService : public TJoystickService {
public:
    TJoyCaps Caps;
    int CapturePeriod = -1;
    int NumDevs() override { return 1; }
    JoyResult GetDevCaps(int device, TJoyCaps& caps) override {
        caps = Caps;
        return device == 0 ? kJoyOk : kJoyErrParms;
    }
    JoyResult GetPos(int device, TJoyPos& pos) override {
        pos = TJoyPos();
        return device == 0 ? kJoyOk : kJoyErrParms;
    }
    JoyResult SetCapture(int, int periodMs, TJoyCallback) override {
        CapturePeriod = periodMs;
        return kJoyOk;
    }
    JoyResult ReleaseCapture(int) override { return kJoyOk; }
};

TEST(Joystick, PollingPeriodIsClampedAndAZeroMinimumIsNeverCaptured) {
    TFakeJoyService service;
    service.Caps.PeriodMin = 20;
    service.Caps.PeriodMax = 500;
    TJoystick joystick(&service);
    joystick.SetPollFreq(5);
    joystick.SetPollFreq(0);  // refused
    joystick.SetEnabled(true);
    EXPECT_TRUE(joystick.Enabled());
    EXPECT_EQ(service.CapturePeriod, 20);

    service.Caps.PeriodMin = 0;
    service.CapturePeriod = -1;
    joystick.SetEnabled(false);
    joystick.SetEnabled(true);
    EXPECT_FALSE(joystick.Enabled());
    EXPECT_EQ(service.CapturePeriod, -1);
}

TEST(Joystick, WithoutServiceOrDeviceItStaysIdle) {
    TJoystick none(nullptr, 1);
    none.SetEnabled(true);
    EXPECT_FALSE(none.Enabled());
    EXPECT_FALSE(none.Attached());
    EXPECT_EQ(none.Count(), 0);

    TFakeJoyService service;
    service.Caps.PeriodMin = 10;
    service.Caps.XMax = 99;
    TJoystick second(&service, 0);
    second.SetDevice(1);  // no such device: capabilities cleared
    EXPECT_EQ(second.XMax(), 0);
    second.SetDevice(7);  // ignored
    EXPECT_EQ(second.Device(), 1);
    second.SetEnabled(true);
    EXPECT_FALSE(second.Enabled());
}

class VirtualJoystick : public ::testing::Test {
protected:
    void SetUp() override {
        if (!service.Available()) GTEST_SKIP() << "SDL joystick subsystem unavailable";
        device = service.AttachVirtual(3, 4);
        ASSERT_EQ(device, 0);
    }
    TSdlJoystickService service{TSdlJoystickService::dsVirtualOnly};
    int device = -1;
};

TEST_F(VirtualJoystick, CapabilitiesAndEventsFollowTheDevice) {
    TJoystick joystick(&service, 0);
    EXPECT_EQ(joystick.Count(), 1);
    EXPECT_TRUE(joystick.Attached());
    EXPECT_EQ(std::make_tuple(joystick.XMin(), joystick.XMax(), joystick.YMax(), joystick.ZMax()),
              std::make_tuple(0, 65535, 65535, 65535));
    EXPECT_TRUE(joystick.HasZLayer());
    EXPECT_EQ(joystick.ButtonCount(), 4);

    std::vector<std::string> log;
    joystick.OnXYMove = [&](TJoystick*, int x, int y, TJoystickButtons b) {
        log.push_back("xy " + std::to_string(x) + " " + std::to_string(y) + " " +
                      std::to_string(b));
    };
    joystick.OnZMove = [&](TJoystick*, int z, TJoystickButtons b) {
        log.push_back("z " + std::to_string(z) + " " + std::to_string(b));
    };
    joystick.OnButtonDown = [&](TJoystick*, TJoystickButton b) {
        log.push_back("down " + std::to_string(b));
    };
    joystick.OnButtonUp = [&](TJoystick*, TJoystickButton b) {
        log.push_back("up " + std::to_string(b));
    };
    joystick.SetEnabled(true);
    ASSERT_TRUE(joystick.Enabled());
    service.PollNow();
    EXPECT_TRUE(log.empty());  // at rest

    ASSERT_TRUE(service.SetVirtualButton(0, 2, true));
    ASSERT_TRUE(service.SetVirtualAxis(0, 0, 0));
    ASSERT_TRUE(service.SetVirtualAxis(0, 2, 65535));
    service.PollNow();
    ASSERT_TRUE(service.SetVirtualButton(0, 2, false));
    service.PollNow();
    EXPECT_EQ(log, std::vector<std::string>({"down 2", "xy 0 32768 4", "z 65535 4", "up 2"}));

    // Stopped, nothing more arrives.
    log.clear();
    joystick.SetEnabled(false);
    service.SetVirtualAxis(0, 0, 1000);
    service.PollNow();
    EXPECT_TRUE(log.empty());

    // The second device does not exist.
    joystick.SetDevice(1);
    joystick.SetEnabled(true);
    EXPECT_FALSE(joystick.Enabled());
}

TEST_F(VirtualJoystick, AHandlerThatStopsTheJoystickEndsTheDelivery) {
    TJoystick joystick(&service, 0);
    int calls = 0;
    joystick.OnButtonDown = [&](TJoystick* j, TJoystickButton) {
        ++calls;
        j->Stop();
    };
    joystick.OnXYMove = [&](TJoystick*, int, int, TJoystickButtons) { ++calls; };
    joystick.SetEnabled(true);
    service.SetVirtualButton(0, 0, true);
    service.SetVirtualAxis(0, 0, 0);
    service.PollNow();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(joystick.Enabled());
    // Capturing again works: the old capture is gone.
    joystick.SetEnabled(true);
    EXPECT_TRUE(joystick.Enabled());
}

}  // namespace
