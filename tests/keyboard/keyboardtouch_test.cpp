// Velocity from where a key is struck, fingers on a touch screen and pressure on held keys.
#include <gtest/gtest.h>

#include <QTest>
#include <QTouchEvent>
#include <functional>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"

using kbtest::TMsg;
using kbtest::TNoteLog;

namespace {

QPointingDevice* Screen(bool pressure) { return kbtest::TouchScreen(pressure); }

struct KeyboardTouch : kbtest::TShownKeyboard {
    void SetUp() override {
        kbtest::ChangePlay(kb, [](TPlayOptions& o) { o.multiTouch = true; });
        TShownKeyboard::SetUp();
    }
    QTest::QTouchEventWidgetSequence Touch(bool pressure = false) {
        return QTest::touchEvent(&kb, Screen(pressure));
    }
    void Mouse(QEvent::Type type, int x, int y, Qt::MouseButtons held = Qt::LeftButton) {
        kbtest::Mouse(kb, type, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      {}, x, y);
    }
    std::vector<int> NoteOns() {
        std::vector<int> notes;
        for (const TMsg& m : log.notes)
            if (m[0] == 0x90 && m[2] > 0) notes.push_back(m[1]);
        return notes;
    }
};

}  // namespace

// Every key width and both kinds of key picture: the back edge of a key plays VelocityMin, the
// front edge VelocityMax, on white keys by the whole keyboard and on black keys by their band.
TEST(KeyboardStrike, FrontEdgeLoudestBackEdgeSoftestOnEveryKeyAtEveryWidth) {
    struct TCase {
        TPaintStyle style;
        int keyWidth;  // or, for images, the image size
    };
    const TCase cases[] = {{psDraw, 4},  {psDraw, 15},    {psDraw, 34},    {psDraw, 100},
                           {psImage, isSmall}, {psImage, isNormal}, {psImage, isBig}};
    for (const TCase& c : cases) {
        kbtest::TPlayedKeyboard played(kbtest::StandInArtwork());
        TKeyboard& kb = played.kb;
        TNoteLog log;
        log.Attach(played.player);
        if (c.style == psImage) {
            kb.SetImageSize(static_cast<TImageSize>(c.keyWidth));
            kb.SetPaintStyle(psImage);
            kb.resize(400, kb.ImageHeight());
        } else {
            kb.SetKeyWidth(c.keyWidth);
            kb.resize(400, 50);
        }
        kb.SetBaseNote(0);
        kbtest::ChangePlay(kb, [](TPlayOptions& o) {
            o.velocityFromHeight = true;
            o.velocityMin = 20;
            o.velocityMax = 120;
        });
        const int whiteX = kb.KeyWidth() / 4, blackX = kb.KeyLeft(1) + 1;
        const int whiteEnd = kb.height() - 1, blackEnd = c.style == psImage ? 40 : 50 * 3 / 5 - 1;
        struct TStrike {
            int x, y, note, velocity;
        };
        const TStrike strikes[] = {{whiteX, 0, 0, 20},
                                   {whiteX, whiteEnd, 0, 120},
                                   {blackX, 0, 1, 20},
                                   {blackX, blackEnd, 1, 120}};
        for (const TStrike& s : strikes) {
            kbtest::Mouse(kb, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, s.x,
                          s.y);
            kbtest::Mouse(kb, QEvent::MouseButtonRelease, Qt::LeftButton, {}, {}, s.x, s.y);
            EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, s.note, s.velocity}, {0x90, s.note, 0}}))
                << "style " << c.style << " width " << c.keyWidth << " at " << s.x << "," << s.y;
        }
    }
}

TEST_F(KeyboardTouch, OffAtFirstStartThenShiftChordsAndGlidesTakeTheStrikeHeight) {
    // Off: the top and the bottom of a key play the one velocity, as always.
    for (int y : {31, 49}) {
        Mouse(QEvent::MouseButtonPress, 20, y);
        Mouse(QEvent::MouseButtonRelease, 20, y, {});
    }
    EXPECT_EQ(NoteOns(), (std::vector<int>{2, 2}));
    EXPECT_EQ(log.Take()[2][2], 100);

    kbtest::ChangePlay(kb, [](TPlayOptions& o) { o.velocityFromHeight = true; });
    kb.Player().SetVelocityShiftFactor(0.5);
    kb.Player().SetChord(chMajor);
    kbtest::Mouse(kb, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton,
                  Qt::ShiftModifier, 20, 49);
    Mouse(QEvent::MouseMove, 35, 31);  // enters E at 31 of 50: 30 + 97 * 31 / 49 = 91.4
    Mouse(QEvent::MouseButtonRelease, 35, 31, {});
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 64},
                                             {0x90, 6, 64},
                                             {0x90, 9, 64},
                                             {0x90, 2, 0},
                                             {0x90, 6, 0},
                                             {0x90, 9, 0},
                                             {0x90, 4, 91},
                                             {0x90, 8, 91},
                                             {0x90, 11, 91},
                                             {0x90, 4, 0},
                                             {0x90, 8, 0},
                                             {0x90, 11, 0}}));
}

// A touch plays one note: as the system's mouse without MultiTouch, as a finger with it.
TEST_F(KeyboardTouch, ATouchPlaysOneNoteWithOrWithoutMultiTouch) {
    for (bool multi : {false, true}) {
        kbtest::ChangePlay(kb, [&](TPlayOptions& o) { o.multiTouch = multi; });
        Touch().press(0, QPoint(20, 40));
        Touch().release(0, QPoint(20, 40));
        EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 100}, {0x90, 2, 0}})) << multi;
    }
}

TEST_F(KeyboardTouch, EachFingerPlaysGlidesAndEndsOnItsOwn) {
    // As touch screens report them: every finger down in each event, the still ones stationary.
    auto fingers = QTest::touchEvent(&kb, Screen(false), false);
    fingers.press(1, QPoint(5, 40)).press(2, QPoint(50, 40)).commit();
    fingers.move(1, QPoint(20, 40)).stationary(2).commit();
    fingers.release(2, QPoint(50, 40)).stationary(1).commit();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 0, 100},
                                             {0x90, 5, 100},
                                             {0x90, 0, 0},
                                             {0x90, 2, 100},
                                             {0x90, 5, 0}}));
    EXPECT_EQ(player.LocalCount(2), 1);
    fingers.release(1, QPoint(20, 40)).commit();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 0}}));
    EXPECT_EQ(kb.ScrollOffset(), 0);  // playing never scrolls
}

TEST_F(KeyboardTouch, ACancelledSequenceOrALostWindowEndsEveryFinger) {
    for (QEvent::Type end : {QEvent::TouchCancel, QEvent::WindowDeactivate}) {
        Touch().press(1, QPoint(5, 40)).press(2, QPoint(50, 40)).press(3, QPoint(65, 40));
        EXPECT_EQ(NoteOns().size(), 3u);
        log.Take();
        if (end == QEvent::TouchCancel) {
            QTouchEvent cancel(QEvent::TouchCancel, Screen(false));
            QApplication::sendEvent(&kb, &cancel);
        } else {
            QEvent lost(QEvent::WindowDeactivate);
            QApplication::sendEvent(&kb, &lost);
        }
        EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 0, 0}, {0x90, 5, 0}, {0x90, 7, 0}}))
            << end;
        // The fingers still down play nothing more; lifted, they play again.
        Touch().move(1, QPoint(20, 40)).move(2, QPoint(65, 40)).move(3, QPoint(95, 40));
        Touch().release(1, QPoint(20, 40)).release(2, QPoint(65, 40)).release(3, QPoint(95, 40));
        EXPECT_TRUE(log.Take().empty()) << end;
    }
    Touch().press(4, QPoint(5, 40));
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 0, 100}}));
}

TEST_F(KeyboardTouch, AnEleventhFingerAndFingersOutsideTheKeyboardPlayNothing) {
    auto down = Touch();
    for (int id = 0; id < 11; ++id) down.press(id, QPoint(5 + 15 * id, 40));
    down.commit();
    EXPECT_EQ(NoteOns().size(), 10u);
    EXPECT_EQ(player.TouchNote(10), -1);
    log.Take();
    // A finger that slides off the keyboard ends its note, and one that comes down beside it
    // plays nothing.
    Touch().move(0, QPoint(5, 60));
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 0, 0}}));
    Touch().move(0, QPoint(5, 40));
    EXPECT_TRUE(log.Take().empty());
    auto up = Touch();
    for (int id = 0; id < 11; ++id) up.release(id, QPoint(5 + 15 * id, 40));
    up.commit();
    Touch().press(20, QPoint(400, 40)).press(21, QPoint(-3, 40));
    Touch().release(20, QPoint(400, 40)).release(21, QPoint(-3, 40));
    EXPECT_EQ(NoteOns().size(), 0u);
    for (int n = 0; n < 128; ++n) EXPECT_FALSE(player.Sounding(n)) << n;
}

// A finger and the mouse on one key: it sounds once and stops when the last lets go.
TEST_F(KeyboardTouch, AFingerAndTheMouseOnOneKeyPlayOneNoteUntilBothLetGo) {
    for (bool fingerFirst : {true, false})
        for (bool fingerLiftsFirst : {true, false}) {
            const std::function<void(bool)> finger = [&](bool down) {
                if (down)
                    Touch().press(7, QPoint(20, 45));
                else
                    Touch().release(7, QPoint(20, 45));
            };
            const std::function<void(bool)> mouse = [&](bool down) {
                Mouse(down ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, 20, 40,
                      down ? Qt::LeftButton : Qt::NoButton);
            };
            (fingerFirst ? finger : mouse)(true);
            (fingerFirst ? mouse : finger)(true);
            (fingerLiftsFirst ? finger : mouse)(false);
            EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 100}}))
                << fingerFirst << fingerLiftsFirst;
            (fingerLiftsFirst ? mouse : finger)(false);
            EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 2, 0}}))
                << fingerFirst << fingerLiftsFirst;
        }
}

// The finger's pressure is its velocity only where the screen reports one and the height does
// not decide; Qt's touch points report 1 while pressed.
TEST_F(KeyboardTouch, TouchPressureIsTheVelocityOnlyWhereTheScreenReportsIt) {
    struct TCase {
        bool option, screen, height;
        int velocity;
    };
    const TCase cases[] = {{false, true, false, 100},
                           {true, false, false, 100},
                           {true, true, false, 127},
                           {true, true, true, 30}};
    for (const TCase& c : cases) {
        kbtest::ChangePlay(kb, [&](TPlayOptions& o) {
            o.touchPressure = c.option;
            o.velocityFromHeight = c.height;
        });
        Touch(c.screen).press(3, QPoint(20, 0));
        Touch(c.screen).release(3, QPoint(20, 0));
        EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 1, c.velocity}, {0x90, 1, 0}}))
            << c.option << c.screen << c.height;
    }
}

// Pressure goes out only while the option is on and the note held, on the note's channel, and
// is taken off before the note ends.
TEST_F(KeyboardTouch, KeyPressureOnlyWhileOnAndHeldOnTheNotesChannel) {
    kb.Player().SetChannel(3);
    kb.Player().SetChord(chFifths);
    Touch().press(1, QPoint(20, 45));
    Touch().move(1, QPoint(20, 35));  // up by ten, but the option is off
    Mouse(QEvent::MouseButtonPress, 50, 45);
    Mouse(QEvent::MouseMove, 50, 31);
    EXPECT_EQ(log.Take().size(), 4u);  // the two notes of each, nothing else

    for (int mode : {kpChannel, kpPolyphonic}) {
        kb.Player().SetKeyPressure(mode);
        // Qt delivers a touch only when it moved: sideways here, up as before.
        Touch().move(1, QPoint(mode == kpChannel ? 20 : 21, 33));
        Mouse(QEvent::MouseMove, 50, 32);
        Mouse(QEvent::MouseMove, 50, 32);  // no change, nothing sent
        // Changing the kind first takes the old kind's pressure off.
        const std::vector<TMsg> expected =
            mode == kpChannel
                ? std::vector<TMsg>{{0xD3, 8, 0}, {0xD3, 9, 0}}
                : std::vector<TMsg>{{0xD3, 0, 0}, {0xD3, 0, 0}, {0xA3, 2, 8},
                                    {0xA3, 9, 8}, {0xA3, 5, 9}, {0xA3, 12, 9}};
        EXPECT_EQ(log.Take(), expected) << mode;
    }
    Touch().release(1, QPoint(21, 33));
    Mouse(QEvent::MouseButtonRelease, 50, 32, {});
    Mouse(QEvent::MouseMove, 50, 20, {});
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xA3, 2, 0},
                                             {0xA3, 9, 0},
                                             {0x93, 2, 0},
                                             {0x93, 9, 0},
                                             {0xA3, 5, 0},
                                             {0xA3, 12, 0},
                                             {0x93, 5, 0},
                                             {0x93, 12, 0}}));
}

TEST_F(KeyboardTouch, TwoFingersSwipedSidewaysScrollAndStopPlaying) {
    kb.SetBaseNote(36);
    const int offset = kb.ScrollOffset();
    Touch().press(1, QPoint(100, 40)).press(2, QPoint(130, 40));
    Touch().move(1, QPoint(115, 42)).move(2, QPoint(145, 40));  // a glide of each, one key
    Touch().move(1, QPoint(140, 42)).move(2, QPoint(170, 40));  // a swipe: the notes end
    for (int n = 0; n < 128; ++n) EXPECT_FALSE(player.Sounding(n)) << n;
    EXPECT_EQ(kb.ScrollOffset(), offset);
    Touch().move(1, QPoint(150, 42)).move(2, QPoint(180, 40));
    EXPECT_EQ(kb.ScrollOffset(), offset - 10);  // moving right shows lower notes
    Touch().press(3, QPoint(20, 40));           // another finger meanwhile plays nothing
    Touch().release(1, QPoint(150, 42)).release(2, QPoint(180, 40)).release(3, QPoint(20, 40));
    log.Take();
    Touch().press(4, QPoint(20, 40));
    EXPECT_EQ(NoteOns().size(), 1u);
}
