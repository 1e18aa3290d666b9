#include "keyboard/vkedit.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <memory>

#include "keyboard/keyboard.h"
#include "keyboard/scanmap.h"
#include "keyboardtestutil.h"
#include "support/keyevents.h"

using kbtest::TMsg;
using keytest::Press;
using keytest::Release;

namespace {

// evdev codes of the keys used below.
constexpr int kQ = 16, kW = 17, kZ = 44, kC = 46, kBackspace = 14, kTab = 15;
constexpr int kLeft = 105, kKeypadSlash = 98;

// An active window with a capturing keyboard, a key field and a plain edit to move the focus to.
struct VKEditKeys : ::testing::Test {
    TNotePlayer player;  // outlives the keyboard the form owns
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    TKeyboard* kb = new TKeyboard(player);
    TVKEdit* field = new TVKEdit;
    QLineEdit* other = new QLineEdit;
    kbtest::TNoteLog log;

    void SetUp() override {
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(kb);
        layout->addWidget(field);
        layout->addWidget(other);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        log.Attach(player);
        kb->Keys().SetCaptureKeyboard(true);
        field->setFocus();
        ASSERT_TRUE(field->Capturing());
    }
    QWindow* Win() { return form->windowHandle(); }
    void Tap(int evdev, int key, Qt::KeyboardModifiers mods = {}) {
        Press(Win(), evdev, key, mods);
        Release(Win(), evdev, key, mods);
    }
};

}  // namespace

TEST_F(VKEditKeys, LowerCFieldTakesOnlyKeysOfItsRowAndPlaysNothing) {
    field->CaptureOneKey(&TComputerKeys::IsValidLowerC);
    field->SetKey(44);
    EXPECT_EQ(field->text(), "Z");

    Tap(kC, Qt::Key_C);
    EXPECT_EQ(field->text(), "C");
    EXPECT_EQ(field->KeyScanCode(), 46);
    // Keys of other rows, Backspace and the keypad's slash (the slash key's scan code) are kept
    // from every widget but not taken.
    Tap(kQ, Qt::Key_Q);
    Tap(kBackspace, Qt::Key_Backspace);
    Tap(kKeypadSlash, Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(field->text(), "C");
    EXPECT_EQ(field->Sequence().Count(), 1);
    EXPECT_TRUE(log.Take().empty());

    // Once the field loses the focus the keys play again.
    other->setFocus();
    EXPECT_FALSE(field->Capturing());
    Tap(kZ, Qt::Key_Z);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    EXPECT_EQ(field->text(), "C");
}

TEST_F(VKEditKeys, NoteHeldWhenTheFieldTakesTheFocusStillStops) {
    other->setFocus();
    Press(Win(), kZ, Qt::Key_Z);
    field->setFocus();
    Release(Win(), kZ, Qt::Key_Z);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}, {0x90, 48, 0}}));
    EXPECT_EQ(player.LocalCount(48), 0);
}

TEST_F(VKEditKeys, RecordsASequenceBackspaceUndoesRepeatsAreDropped) {
    QStringList debug;
    field->OnDebug = [&](TVKEdit*, const QString& s) { debug << s; };
    Press(Win(), kQ, Qt::Key_Q);
    keytest::Send(Win(), QEvent::KeyRelease, kQ, Qt::Key_Q, {}, {}, true);
    keytest::Send(Win(), QEvent::KeyPress, kQ, Qt::Key_Q, {}, {}, true);
    Release(Win(), kQ, Qt::Key_Q);
    Tap(kW, Qt::Key_W);
    EXPECT_EQ(field->text(), "Q W ");
    EXPECT_EQ(debug.last(), "List count=4");

    Tap(kBackspace, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "Q ");
    EXPECT_EQ(field->Sequence().Count(), 2);

    field->SetWantBackspace(true);
    Press(Win(), kBackspace, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "Q Backspace");
    field->Clear();
    EXPECT_EQ(field->text(), "");
}

TEST_F(VKEditKeys, TabAndCursorKeysPassOnUnlessWanted) {
    field->SetWantSpecialChars(false);
    Tap(kLeft, Qt::Key_Left);
    EXPECT_EQ(field->Sequence().Count(), 0);

    field->SetWantSpecialChars(true);
    Tap(kLeft, Qt::Key_Left);
    EXPECT_EQ(field->text(), "Left ");

    field->SetWantTab(true);
    Tap(kTab, Qt::Key_Tab);
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->text(), "Left Tab ");

    field->SetWantTab(false);
    Tap(kTab, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_FALSE(field->Capturing());
    EXPECT_EQ(field->text(), "Left Tab ");
}
