#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "app/statuspanels.h"
#include "keyboard/keyboard.h"
#include "support/fakekeylistener.h"
#include "support/keyevents.h"
#include "support/testwindow.h"

namespace {

constexpr int kZ = 44, kQ = 16, kLeftShift = 42, kLeftCtrl = 29, kF4 = 62, kF5 = 63, kF12 = 88;
// Z plays note 48 at the default octave and velocity.
constexpr uint32_t kZOn = 0x643090, kZOff = 0x003090;

class AnyWindow : public TWindowTest {
protected:
    void SetUp() override {
        out.AddDevice("Synth A");
        keyListener = &keys;
    }
    TTastra2* StartOn() {
        Start();
        Item()->trigger();
        w->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w.get()));
        out.ClearSent();
        return w.get();
    }
    QAction* Item() const { return w->FindAction("PlayFromAnyWindow1"); }
    std::vector<uint32_t> Notes() const {
        std::vector<uint32_t> notes;
        for (uint32_t m : out.SentTo(0))
            if ((m & 0xF0) == 0x90) notes.push_back(m);
        return notes;
    }
    void WindowKey(int scan, int qtKey, bool release) {
        if (release)
            keytest::Release(w->windowHandle(), scan, qtKey);
        else
            keytest::Press(w->windowHandle(), scan, qtKey);
    }

    TFakeKeyListener keys;
};

TEST_F(AnyWindow, OffAtFirstStartStoredAfterEveryOtherValueAndKeptWhereItCannotWork) {
    Start();
    EXPECT_TRUE(Item()->isEnabled());
    EXPECT_FALSE(Item()->isChecked());
    keys.Press(kZ);
    keys.Release(kZ);
    EXPECT_TRUE(Notes().empty());

    Item()->trigger();
    EXPECT_TRUE(keys.Listening());
    EXPECT_EQ(Status()->Notice(), "Playing from any window");
    Stop();
    EXPECT_FALSE(keys.Listening());
    const std::vector<std::string> names = store.ReadSection("KeyboardForm");
    ASSERT_GE(names.size(), 3u);
    // Only the language and thru without delay, added later, are stored after it.
    EXPECT_EQ(names[names.size() - 3], "PlayFromAnyWindow");
    EXPECT_TRUE(store.ReadBool("KeyboardForm", "PlayFromAnyWindow", false));

    Start();
    EXPECT_TRUE(Item()->isChecked());
    EXPECT_TRUE(keys.Listening());
    Stop();

    keys.unavailable = QStringLiteral("No raw key events here.");
    Start();
    EXPECT_FALSE(Item()->isEnabled());
    EXPECT_FALSE(Item()->isChecked());
    // Hovering the disabled item tells why.
    w->menuBar()->setActiveAction(w->FindMenu("Options1")->menuAction());
    w->FindMenu("Options1")->setActiveAction(Item());
    EXPECT_EQ(Panel(0), keys.unavailable);
    // The status bar may cut it; the menu shows it whole beside the item.
    EXPECT_TRUE(w->FindMenu("Options1")->toolTipsVisible());
    EXPECT_EQ(Item()->toolTip(), keys.unavailable);
    w->FindMenu("Options1")->hide();
    EXPECT_FALSE(keys.Listening());
    EXPECT_TRUE(Status()->Notice().isEmpty());
    Stop();
    EXPECT_TRUE(store.ReadBool("KeyboardForm", "PlayFromAnyWindow", false));
}

// The listener and the window hear the same key on two connections, in either order.
class AnyWindowOrder : public AnyWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(AnyWindowOrder, KeyTheWindowAlsoReceivesPlaysOnce) {
    StartOn();
    const bool listenerFirst = GetParam();
    for (bool release : {false, true}) {
        if (listenerFirst) (release ? keys.Release(kZ) : keys.Press(kZ));
        WindowKey(kZ, Qt::Key_Z, release);
        if (!listenerFirst) (release ? keys.Release(kZ) : keys.Press(kZ));
    }
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn, kZOff}));
}

INSTANTIATE_TEST_SUITE_P(Orders, AnyWindowOrder, ::testing::Values(true, false),
                         [](const auto& info) {
                             return std::string(info.param ? "ListenerFirst" : "WindowFirst");
                         });

TEST_F(AnyWindow, HeldNotesSurviveMenuAndDeactivationAndEndWhenTurnedOffOrLost) {
    StartOn();
    keys.Press(kZ);
    emit w->FindMenu("Options1")->aboutToShow();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(w.get(), &deactivate);
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn}));
    EXPECT_TRUE(w->Keyboard1->Keys().CaptureKeyboard());
    Item()->trigger();  // off, with Z still down
    keys.Release(kZ);
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn, kZOff}));

    Item()->trigger();
    out.ClearSent();
    keys.Press(kQ);
    keys.Break();
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{0x643C90, 0x003C90}));
    EXPECT_FALSE(Item()->isChecked());
    EXPECT_TRUE(Status()->Notice().isEmpty());
    EXPECT_EQ(Panel(0), "The connection broke.");
}

TEST_F(AnyWindow, HeldKeyPlaysOnceShiftSoftensAndCtrlPlaysNothing) {
    keys.downAtStart = {kQ + 8};  // held while the option was turned on: its repeats are no press
    StartOn();
    keys.Press(kQ);
    keys.Press(kLeftShift);
    keys.Press(kZ);
    keys.Press(kZ);  // repeats of a held key
    keys.Press(kZ);
    keys.Release(kZ);
    keys.Release(kLeftShift);
    keys.Press(kLeftCtrl);
    keys.Press(kZ);
    keys.Release(kZ);
    keys.Release(kLeftCtrl);
    const auto soft = static_cast<uint32_t>(w->Player().PressVelocity(true));
    ASSERT_LT(soft, 100u);
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{soft << 16 | 0x3090, kZOff}));
}

TEST_F(AnyWindow, FunctionKeysRunTheWindowsCommandsOnlyWhileTheFocusIsElsewhere) {
    StartOn();
    QSignalSpy first(w->FindAction("Snapshot1"), &QAction::triggered);
    QSignalSpy last(w->FindAction("Snapshot8"), &QAction::triggered);
    for (int scan : {kF4, kF5, kF12}) {
        keys.Press(scan);
        keys.Release(scan);
    }
    keys.focusInOwnWindow = true;  // the window's shortcuts take these keys
    keys.Press(kF4);
    keys.Release(kF4);
    keys.focusInOwnWindow = false;
    keys.Press(kLeftCtrl);
    keys.Press(kF4);
    EXPECT_EQ(w->Keyboard1->Player().KeyOctave(), 5);
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(last.count(), 1);
}

}  // namespace
