#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"
#include "platform/keys/keyboardhook.h"
#include "support/keyevents.h"

using kbtest::TMsg;
using kbtest::TNoteLog;
using keytest::Press;
using keytest::Release;
using keytest::TKeyRecorder;

namespace {

// evdev codes of the keys used below.
constexpr int kZ = 44, kQ = 16, k2 = 3, k3 = 4, kAlt = 56;
constexpr int kKeypadSlash = 98;

// A shown, active window holding the keyboard, a widget that records the keys it gets and a
// one-line edit; the keyboard captures the computer keyboard.
struct KeyboardKeys : ::testing::Test {
    TNotePlayer player;  // outlives the keyboard the form owns
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TKeyboard* kb = new TKeyboard(player);
    TKeyRecorder* focus = new TKeyRecorder;
    QLineEdit* edit = new QLineEdit;
    TNoteLog log;
    QStringList hovers;

    void SetUp() override {
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(kb);
        layout->addWidget(focus);
        layout->addWidget(edit);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        focus->setFocus();
        log.Attach(player);
        kb->OnNoteHover = [this](TKeyboard*, const QString& t) { hovers << t; };
        kb->Keys().SetCaptureKeyboard(true);
    }
    void TearDown() override { form.reset(); }
    // Press and release through the window, as the window system delivers keys.
    void Tap(int evdev, int key, Qt::KeyboardModifiers mods = {}) {
        Press(form->windowHandle(), evdev, key, mods);
        Release(form->windowHandle(), evdev, key, mods);
    }
};

}  // namespace

TEST_F(KeyboardKeys, LetterAndNumberRowsPlayFromTheKeyOctave) {
    Tap(kZ, Qt::Key_Z);
    Tap(kQ, Qt::Key_Q);
    Tap(k2, Qt::Key_2);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100},
                                             {0x90, 48, 0},
                                             {0x90, 60, 100},
                                             {0x90, 60, 0},
                                             {0x90, 61, 100},
                                             {0x90, 61, 0}}));
    EXPECT_EQ(focus->presses + focus->releases, 0);  // played keys are discarded
    EXPECT_EQ(hovers.first(), "C2");

    // At the top octave Q would be note 132: nothing plays and the key goes on to the widget.
    kb->Player().SetKeyOctave(10);
    log.Take();
    Tap(kQ, Qt::Key_Q);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(focus->presses, 1);
    Tap(kZ, Qt::Key_Z);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 120, 100}, {0x90, 120, 0}}));
}

TEST_F(KeyboardKeys, ModifiersChangeWhatAPressDoesButNeverStopARelease) {
    Tap(kZ, Qt::Key_Z, Qt::ControlModifier);
    Tap(kZ, Qt::Key_Z, Qt::AltModifier);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(focus->presses, 2);

    Press(form->windowHandle(), kZ, Qt::Key_Z, Qt::ShiftModifier);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 50}}));  // 100 x 0.5
    Release(form->windowHandle(), kZ, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 0}}));

    // Alt alone shows the drag cursor while it is held and is kept from the window.
    Press(form->windowHandle(), kAlt, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_EQ(kb->cursor().shape(), Qt::PointingHandCursor);
    Release(form->windowHandle(), kAlt, Qt::Key_Alt);
    EXPECT_FALSE(kb->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(focus->presses, 2);
    EXPECT_TRUE(log.Take().empty());

    // Keypad slash shares its scan code with the slash key; only the latter plays.
    Tap(kKeypadSlash, Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(KeyboardKeys, HeldKeyPlaysOnceAndItsRepeatsGoToTheFocusedWidget) {
    QWindow* win = form->windowHandle();
    Press(win, kZ, Qt::Key_Z);
    for (int i = 0; i < 3; ++i) {  // X11 sends each repeat as a release and press pair
        keytest::Send(win, QEvent::KeyRelease, kZ, Qt::Key_Z, {}, {}, true);
        keytest::Send(win, QEvent::KeyPress, kZ, Qt::Key_Z, {}, {}, true);
    }
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}}));
    EXPECT_EQ(player.LocalCount(48), 1);
    EXPECT_EQ(focus->presses, 3);
    Release(win, kZ, Qt::Key_Z);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 0}}));
}

TEST_F(KeyboardKeys, PressesOnlyWhileTheFormIsActiveReleasesAlways) {
    Press(form->windowHandle(), kZ, Qt::Key_Z);
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    Release(focus, kZ, Qt::Key_Z);
    Press(focus, kQ, Qt::Key_Q);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    EXPECT_EQ(focus->presses, 1);
}

TEST_F(KeyboardKeys, DigitsTypedIntoAnEditPlayAndStillAppear) {
    edit->setFocus();
    for (auto [evdev, key, text] : {std::tuple{k2, Qt::Key_2, "2"}, {k3, Qt::Key_3, "3"}}) {
        Press(form->windowHandle(), evdev, key, {}, text);
        Release(form->windowHandle(), evdev, key, {}, text);
    }
    EXPECT_EQ(edit->text(), "23");
    EXPECT_EQ(log.Take(),
              (std::vector<TMsg>{{0x90, 61, 100}, {0x90, 61, 0}, {0x90, 63, 100}, {0x90, 63, 0}}));
    // A spin box edits through a line edit as well.
    auto* spin = new QSpinBox(form.get());
    spin->show();
    spin->setFocus();
    spin->clear();
    Press(form->windowHandle(), k3, Qt::Key_3, {}, "3");
    EXPECT_EQ(spin->text(), "3");
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 63, 100}}));
}

// Regression guards for notes left hanging, or stopped by the wrong key.
TEST_F(KeyboardKeys, NoNoteIsLeftSoundingOrCutByAnotherKey) {
    QWindow* win = form->windowHandle();
    // Capture going off (window deactivated, menu opened) stops what the keys play.
    Press(win, kZ, Qt::Key_Z);
    kb->Keys().SetCaptureKeyboard(false);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    EXPECT_FALSE(TKeyboardHook::HookSet());
    Release(win, kZ, Qt::Key_Z);
    Press(win, kZ, Qt::Key_Z);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(focus->presses, 1);

    // Capture back on while Z is still down: its release must not cut the mouse's note 48.
    kb->Keys().SetCaptureKeyboard(true);
    kb->Player().PlayNote(0, 48, true, 90);
    log.Take();
    Release(win, kZ, Qt::Key_Z);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(player.LocalCount(48), 1);
    kb->Player().PlayNote(0, 48, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 0}}));
}
