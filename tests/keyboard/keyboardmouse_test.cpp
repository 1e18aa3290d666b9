#include <gtest/gtest.h>

#include <QTest>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"

using kbtest::TMsg;
using kbtest::TNoteLog;

namespace {

struct KeyboardMouse : kbtest::TShownKeyboard {
    void Press(Qt::MouseButton b, int x, int y, Qt::KeyboardModifiers m = {}) {
        QTest::mousePress(&kb, b, m, QPoint(x, y));
    }
    void Release(Qt::MouseButton b, int x, int y, Qt::KeyboardModifiers m = {}) {
        QTest::mouseRelease(&kb, b, m, QPoint(x, y));
    }
    void Move(int x, int y, Qt::MouseButtons held = Qt::LeftButton, Qt::KeyboardModifiers m = {}) {
        kbtest::Mouse(kb, QEvent::MouseMove, Qt::NoButton, held, m, x, y);
    }
};

}  // namespace

TEST_F(KeyboardMouse, UpperHalfNextToBlackKeyPlaysTheBlackKey) {
    Press(Qt::LeftButton, 12, 10);
    Release(Qt::LeftButton, 12, 10);
    Press(Qt::LeftButton, 12, 40);
    Release(Qt::LeftButton, 12, 40);
    EXPECT_EQ(log.Take(),
              (std::vector<TMsg>{{0x90, 1, 100}, {0x90, 1, 0}, {0x90, 0, 100}, {0x90, 0, 0}}));
}

TEST_F(KeyboardMouse, ShiftScalesVelocityWithTiesToEven) {
    kb.Player().SetVelocityShiftFactor(0.5);
    Press(Qt::LeftButton, 20, 40, Qt::ShiftModifier);
    Release(Qt::LeftButton, 20, 40);
    kb.Player().SetVelocityShiftFactor(3.0);
    Press(Qt::LeftButton, 20, 40, Qt::ShiftModifier);
    Release(Qt::LeftButton, 20, 40);
    kb.Player().SetVelocity(5);
    kb.Player().SetVelocityShiftFactor(0.5);
    Press(Qt::LeftButton, 20, 40, Qt::ShiftModifier);
    auto msgs = log.Take();
    ASSERT_EQ(msgs.size(), 5u);
    EXPECT_EQ(msgs[0][2], 50);
    EXPECT_EQ(msgs[2][2], 127);
    EXPECT_EQ(msgs[4][2], 2);
}

TEST_F(KeyboardMouse, GlidingReleasesBeforeStrikingAndIgnoresMovesWithinAKey) {
    kb.Player().SetChord(chMajor);
    QStringList hover;
    kb.OnNoteHover = [&](TKeyboard*, const QString& t) { hover << t; };
    Press(Qt::LeftButton, 7, 40);
    Move(8, 45);  // same key: nothing at all
    EXPECT_TRUE(hover.isEmpty());
    Move(22, 40);
    Move(37, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 0, 100},
                                             {0x90, 4, 100},
                                             {0x90, 7, 100},
                                             {0x90, 0, 0},
                                             {0x90, 4, 0},
                                             {0x90, 7, 0},
                                             {0x90, 2, 100},
                                             {0x90, 6, 100},
                                             {0x90, 9, 100},
                                             {0x90, 2, 0},
                                             {0x90, 6, 0},
                                             {0x90, 9, 0},
                                             {0x90, 4, 100},
                                             {0x90, 8, 100},
                                             {0x90, 11, 100}}));
    EXPECT_EQ(hover, (QStringList{"D-2", "E-2"}));
    Release(Qt::LeftButton, 37, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 4, 0}, {0x90, 8, 0}, {0x90, 11, 0}}));
}

TEST_F(KeyboardMouse, SpecialModeDeadZoneControllersAndRelease) {
    kb.Player().ControllerFeedback(1, 10);
    Press(Qt::RightButton, 52, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 100}}));
    Move(52, 35, Qt::RightButton);
    EXPECT_TRUE(log.Take().empty());  // five pixels is still the dead zone
    Move(52, 34, Qt::RightButton);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB0, 1, 12}}));
    Move(62, 34, Qt::RightButton);  // no gliding in this mode
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xE0, 16, 67}}));
    EXPECT_EQ(log.display, (std::vector<TMsg>{{0xB0, 1, 12}, {0xE0, 16, 67}}));
    Release(Qt::RightButton, 62, 34);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 0}, {0xE0, 0, 64}}));

    kbtest::ChangePlay(kb, [](TPlayOptions& o) { o.specialMode = false; });
    Press(Qt::RightButton, 52, 40);
    Release(Qt::RightButton, 52, 40);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(KeyboardMouse, SecondButtonOnlySwitchesTheMode) {
    Press(Qt::LeftButton, 20, 40);
    Press(Qt::RightButton, 50, 40);
    Release(Qt::RightButton, 50, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 100}}));
    Move(37, 40);  // back in left play: gliding works again
    Release(Qt::LeftButton, 37, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 0}, {0x90, 4, 100}, {0x90, 4, 0}}));
}

TEST_F(KeyboardMouse, CtrlReleaseLatchesUntilTheNextPressAndSurvivesChordChange) {
    Press(Qt::LeftButton, 20, 40);
    Release(Qt::LeftButton, 20, 40, Qt::ControlModifier);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 100}}));
    EXPECT_EQ(player.LocalCount(2), 1);

    kb.Player().SetChord(chFifths);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 0}, {0x90, 2, 100}, {0x90, 9, 100}}));
    kb.Player().SetTranspose(1);
    EXPECT_EQ(log.Take(),
              (std::vector<TMsg>{{0x90, 2, 0}, {0x90, 9, 0}, {0x90, 3, 100}, {0x90, 10, 100}}));

    Press(Qt::LeftButton, 50, 40);
    EXPECT_EQ(log.Take(),
              (std::vector<TMsg>{{0x90, 3, 0}, {0x90, 10, 0}, {0x90, 6, 100}, {0x90, 13, 100}}));
}

TEST_F(KeyboardMouse, PressVetoCancelsEverything) {
    kb.SetTabStop(true);
    kb.clearFocus();
    kb.OnMousePress = [](TKeyboard*, int& note, Qt::MouseButton, Qt::KeyboardModifiers) {
        note = -1;
    };
    Press(Qt::LeftButton, 20, 40);
    Release(Qt::LeftButton, 20, 40);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_FALSE(kb.hasFocus());

    kb.OnMousePress = [](TKeyboard*, int& note, Qt::MouseButton, Qt::KeyboardModifiers) {
        note += 12;  // a host may also redirect the press
    };
    Press(Qt::LeftButton, 20, 40);
    Release(Qt::LeftButton, 20, 40);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 14, 100}, {0x90, 14, 0}}));
}

TEST_F(KeyboardMouse, AltDragScrollsWithinTheKeyboardAndShowsTheHand) {
    kb.SetBaseNote(36);
    Press(Qt::LeftButton, 150, 40, Qt::AltModifier);
    EXPECT_EQ(kb.cursor().shape(), Qt::PointingHandCursor);
    Move(155, 40, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(kb.ScrollOffset(), kb.KeyLeft(36) - 5);
    Move(3000, 40, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(kb.ScrollOffset(), 0);
    EXPECT_EQ(kb.BaseNote(), 0);
    Move(-3000, 40, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(kb.ScrollOffset(), kb.FullWidth() - kb.width());
    Release(Qt::LeftButton, -3000, 40);
    EXPECT_NE(kb.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(KeyboardMouse, HoverOnEnterAndLeave) {
    QStringList hover;
    kb.OnNoteHover = [&](TKeyboard*, const QString& t) { hover << t; };
    kb.NoteAt(20, 40);
    QEnterEvent enter(QPointF(20, 40), QPointF(20, 40), kb.mapToGlobal(QPointF(20, 40)));
    QApplication::sendEvent(&kb, &enter);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&kb, &leave);
    EXPECT_EQ(hover, (QStringList{"D-2", ""}));
}
