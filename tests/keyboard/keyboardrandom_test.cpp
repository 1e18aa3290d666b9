#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>
#include <sstream>

#include <QTest>
#include <QTouchEvent>
#include <set>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"

namespace {

// Counts note-ons against note-offs per channel and note, as a synthesizer would see them.
struct TBalance {
    std::map<std::pair<int, int>, int> sounding;
    std::string fault;
    int noteOns = 0;
    int step = 0;
    void Attach(TNotePlayer& player) {
        player.OnSend = [this](uint8_t status, uint8_t note, uint8_t vel) {
            if ((status & 0xF0) == 0x80 && fault.empty())
                fault = "0x8x sent at step " + std::to_string(step);
            // Pressure only for a note that sounds (poly), or while one sounds on the channel.
            bool held = false;
            for (const auto& [key, n] : sounding)
                if (key.first == (status & 15) && n > 0 &&
                    ((status & 0xF0) == 0xD0 || key.second == note))
                    held = true;
            if (((status & 0xF0) == 0xA0 || (status & 0xF0) == 0xD0) && !held && fault.empty())
                fault = "pressure without its note at step " + std::to_string(step);
            if ((status & 0xF0) != 0x90) return;
            int& n = sounding[{status & 15, note}];
            n += vel > 0 ? 1 : -1;
            if (vel > 0) ++noteOns;
            if (n < 0 && fault.empty()) {
                std::ostringstream s;
                s << "note-off without note-on: channel " << (status & 15) << " note " << int(note)
                  << " at step " << step;
                fault = s.str();
            }
        };
    }
};

struct TSourceNote {
    int channel;
    int note;
    bool useMessageChannel;
};

// A random session on a player. With a keyboard widget, the mouse plays through the widget's mouse
// events and its picture changes under it; without one, through the player's mouse calls.
void RunRandomSession(unsigned seed, int steps, bool withWidget) {
    TNotePlayer player;
    std::unique_ptr<TKeyboard> widget;
    if (withWidget) {
        widget = std::make_unique<TKeyboard>(player, nullptr, kbtest::StandInArtwork());
        widget->resize(400, 76);
    }
    TNotePlayer& kb = player;
    TBalance balance;
    balance.Attach(player);
    std::mt19937 rng(seed);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::vector<TSourceNote> source;  // notes the outside source holds
    Qt::MouseButtons held;

    auto mods = [&]() {
        Qt::KeyboardModifiers m;
        if (rnd(0, 3) == 0) m |= Qt::ControlModifier;
        if (rnd(0, 3) == 0) m |= Qt::ShiftModifier;
        if (rnd(0, 9) == 0) m |= Qt::AltModifier;
        return m;
    };

    for (int i = 0; i < steps; ++i) {
        balance.step = i;
        const int x = rnd(-40, 440), y = rnd(-10, 90);
        switch (rnd(0, 24)) {
            case 0:
            case 1:
            case 2: {
                Qt::MouseButton b = rnd(0, 2) ? Qt::LeftButton : Qt::RightButton;
                held |= b;
                if (widget) {
                    kbtest::Mouse(*widget, QEvent::MouseButtonPress, b, held, mods(), x, y);
                } else if (rnd(0, 1)) {
                    kb.EndLatch();
                    kb.MousePress(rnd(0, 127), rnd(1, 127));
                } else {
                    kb.ComputerKey(rnd(0, 60), false, rnd(0, 1));
                }
                break;
            }
            case 3:
            case 4:
            case 5:
            case 6:
                if (widget)
                    kbtest::Mouse(*widget, QEvent::MouseMove, Qt::NoButton, held, mods(), x, y);
                else if (rnd(0, 1))
                    kb.MouseGlide(rnd(0, 127), rnd(1, 127));
                else
                    kb.MoveAxes(rnd(-50, 50), rnd(-50, 50));
                break;
            case 7:
            case 8:
            case 9: {
                Qt::MouseButton b = rnd(0, 1) ? Qt::LeftButton : Qt::RightButton;
                held &= ~Qt::MouseButtons(b);
                if (widget)
                    kbtest::Mouse(*widget, QEvent::MouseButtonRelease, b, held, mods(), x, y);
                else if (rnd(0, 1))
                    kb.MouseRelease(kb.MouseNote(), rnd(0, 3) == 0);
                else
                    kb.ComputerKey(rnd(0, 60), true, false);
                break;
            }
            case 10: {
                int c = rnd(0, 8);
                if (c == chCustom) {
                    std::vector<int8_t> custom;
                    for (int k = rnd(0, 5); k > 0; --k) custom.push_back(int8_t(rnd(-30, 30)));
                    kb.SetCustomChord(custom, true);
                } else {
                    kb.SetChord(static_cast<TChord>(c));
                }
                break;
            }
            case 11:
                kb.SetTranspose(rnd(0, 5) == 0 ? rnd(-120, 120) : rnd(-14, 14));
                break;
            case 12:
                kb.SetDisplayTransposed(!kb.DisplayTransposed());
                break;
            case 13:
                kb.SetTransposeThru(!kb.TransposeThru());
                break;
            case 14:
                kb.SetChannel(rnd(0, 3));
                break;
            case 15:
                if (rnd(0, 1))
                    kb.OctaveUp();
                else
                    kb.OctaveDown();
                break;
            case 16:
            case 17:
            case 18: {
                TSourceNote n{rnd(0, 3), rnd(0, 127), rnd(0, 1) == 1};
                source.push_back(n);
                kb.MidiThruInput(uint8_t(0x90 | n.channel), uint8_t(n.note), n.useMessageChannel,
                                 uint8_t(rnd(1, 127)));
                break;
            }
            case 19:
            case 20: {
                if (source.empty()) break;
                size_t k = size_t(rnd(0, int(source.size()) - 1));
                TSourceNote n = source[k];
                source.erase(source.begin() + long(k));
                if (rnd(0, 1))
                    kb.MidiThruInput(uint8_t(0x80 | n.channel), uint8_t(n.note),
                                     n.useMessageChannel, 64);
                else
                    kb.MidiThruInput(uint8_t(0x90 | n.channel), uint8_t(n.note),
                                     n.useMessageChannel, 0);
                break;
            }
            case 21:
                switch (rnd(0, 5)) {
                    case 0:
                        kb.ResetAll();
                        break;
                    case 1:
                        kb.ResetPlaying();
                        break;
                    case 2:
                        kb.ClearThruDisplay();
                        break;
                    case 3:
                        kb.ReleaseThruNotes();
                        break;
                    case 4:
                        kb.AllLocalNotesOff();
                        break;
                    case 5:
                        kb.RestrikeLatched();
                        break;
                }
                break;
            case 22:
                if (widget) widget->SetPaintStyle(widget->PaintStyle() == psDraw ? psImage : psDraw);
                break;
            case 23:
                if (widget) widget->SetBaseNote(rnd(0, 127));
                kb.SetLowerCScanCode(rnd(44, 53));
                break;
            case 24:
                kb.PlayNote(kb.Channel(), rnd(0, 127), true, rnd(0, 1) ? 0 : 100);
                break;
        }
        ASSERT_EQ(balance.fault, "") << "seed " << seed;
    }
    // The user lets go, the source releases what it holds, and the host resets the keyboard.
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton}) {
        if (!(held & b) || !widget) continue;
        held &= ~Qt::MouseButtons(b);
        kbtest::Mouse(*widget, QEvent::MouseButtonRelease, b, held, {}, 10, 10);
    }
    for (const TSourceNote& n : source)
        kb.MidiThruInput(uint8_t(0x80 | n.channel), uint8_t(n.note), n.useMessageChannel, 0);
    kb.ResetAll();
    ASSERT_EQ(balance.fault, "") << "seed " << seed;
    EXPECT_GT(balance.noteOns, steps / 10) << "the session played too little to prove anything";
    for (const auto& [key, count] : balance.sounding)
        EXPECT_EQ(count, 0) << "seed " << seed << " channel " << key.first << " note "
                            << key.second;
    for (int n = 0; n < 128; ++n) {
        EXPECT_EQ(kb.LocalCount(n), 0) << n;
        EXPECT_EQ(kb.ThruCount(n), 0) << n;
    }
}

// Fingers (up to twelve, some beside the keyboard) and the mouse at random on a keyboard with
// every option on, with chords, pressure kinds, cancelled touches, a lost window and resets
// between: when all have let go, every note-on has its note-off and no key is lit.
void RunTouchSession(unsigned seed, int steps) {
    QPointingDevice* screen = kbtest::TouchScreen(true);
    TNotePlayer player;
    TKeyboard kb(player);
    kb.resize(300, 50);
    kb.SetBaseNote(24);
    kbtest::ChangePlay(kb, [](TPlayOptions& o) {
        o.multiTouch = true;
        o.touchPressure = true;
    });
    kb.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&kb));
    TBalance balance;
    balance.Attach(player);
    std::mt19937 rng(seed);
    auto rnd = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    std::map<int, QPoint> down;
    bool mouse = false;
    // As touch screens report them: every finger down in each event, the still ones stationary.
    auto fingers = QTest::touchEvent(&kb, screen, false);
    auto commit = [&](int moved) {
        for (const auto& [other, at] : down)
            if (other != moved) fingers.stationary(other);
        fingers.commit();
    };
    for (int i = 0; i < steps; ++i) {
        balance.step = i;
        const QPoint at(rnd(-20, 320), rnd(-10, 60));
        const int id = rnd(0, 11);
        switch (rnd(0, 14)) {
            case 0:
            case 1:
            case 2:
                if (down.count(id)) break;
                fingers.press(id, at);
                commit(id);
                down[id] = at;
                break;
            case 3:
            case 4:
            case 5:
            case 6:
                if (!down.count(id)) break;
                down[id] = at;
                fingers.move(id, at);
                commit(id);
                break;
            case 7:
            case 8:
                if (!down.count(id)) break;
                down.erase(id);
                fingers.release(id, at);
                commit(id);
                break;
            case 9:
                kbtest::Mouse(kb, mouse ? QEvent::MouseButtonRelease : QEvent::MouseButtonPress,
                              Qt::LeftButton, mouse ? Qt::NoButton : Qt::LeftButton, {}, at.x(),
                              at.y());
                mouse = !mouse;
                break;
            case 10:
                kbtest::Mouse(kb, QEvent::MouseMove, Qt::NoButton,
                              mouse ? Qt::LeftButton : Qt::NoButton, {}, at.x(), at.y());
                break;
            case 11:
                kb.Player().SetKeyPressure(rnd(0, 2));
                kbtest::ChangePlay(kb, [&](TPlayOptions& o) { o.velocityFromHeight = rnd(0, 1); });
                break;
            case 12:
                kb.Player().SetChord(static_cast<TChord>(rnd(0, 7)));
                break;
            case 13: {
                QTouchEvent cancel(QEvent::TouchCancel, screen);
                QEvent lost(QEvent::WindowDeactivate);
                QApplication::sendEvent(&kb, rnd(0, 1) ? static_cast<QEvent*>(&cancel) : &lost);
                break;
            }
            case 14:
                if (rnd(0, 3) == 0) kb.Player().ResetPlaying();
                break;
        }
        ASSERT_EQ(balance.fault, "") << "seed " << seed;
    }
    for (const auto& [id, at] : down) fingers.release(id, at);
    fingers.commit();
    if (mouse)
        kbtest::Mouse(kb, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {}, 10, 10);
    ASSERT_EQ(balance.fault, "") << "seed " << seed;
    EXPECT_GT(balance.noteOns, steps / 20) << "the session played too little to prove anything";
    for (const auto& [key, count] : balance.sounding)
        EXPECT_EQ(count, 0) << "seed " << seed << " channel " << key.first << " note "
                            << key.second;
    for (int n = 0; n < 128; ++n) EXPECT_EQ(kb.Player().LocalCount(n), 0) << n;
}

}  // namespace

TEST(KeyboardRandom, TenFingersAndTheMouseInAnyOrderLeaveNoNoteSounding) {
    for (unsigned seed = 1; seed <= 4; ++seed) RunTouchSession(seed, 400);
}

TEST(NotePlayerRandom, EveryNoteOnIsMatchedByANoteOff) {
    for (unsigned seed = 1; seed <= 12; ++seed) RunRandomSession(seed, 4000, false);
}

TEST(KeyboardRandom, MouseSessionsLeaveNoNoteSounding) {
    for (unsigned seed = 1; seed <= 6; ++seed) RunRandomSession(seed, 4000, true);
}
