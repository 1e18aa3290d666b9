#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWindow>
#include <chrono>
#include <thread>

#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "keyboard/vkedit.h"
#include "platform/keys/keydata.h"
#include "platform/keys/keystamps.h"
#include "platform/lib/steadyclock.h"
#include "support/windowcatalog.h"
#include "x11/xdisplay.h"

// Last: the X headers define macros that clash with Qt's names.
#include "x11/focusclient.h"
#undef KeyPress

namespace {

constexpr int kQ = 24, kW = 25;  // X key codes

// Counts the key presses the X server delivers to the application's windows, to prove that a
// held key really repeated.
class TPressCounter : public QObject {
public:
    int presses = 0;
    bool eventFilter(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && receiver->isWindowType()) ++presses;
        return false;
    }
};

struct TStep {
    int keycode;
    bool down;
    int waitMs;  // before the next step
};

class XKeys : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XServerError().empty()) GTEST_SKIP() << XServerError();
        ASSERT_TRUE(keys.Ok()) << "the X server has no XTEST extension";
        qApp->installEventFilter(&counter);
    }
    void TearDown() override { qApp->removeEventFilter(&counter); }

    void Play(const std::vector<TStep>& steps) {
        for (const TStep& s : steps) {
            if (s.down)
                keys.Press(s.keycode);
            else
                keys.Release(s.keycode);
            QTest::qWait(s.waitMs);
        }
    }

    TXTestKeys keys;
    TPressCounter counter;
};

struct TPlayCase {
    const char* name;
    std::vector<TStep> steps;
    // Expected note messages: offset of the key in the octave row (Q 12, W 14) and on/off.
    std::vector<std::pair<int, bool>> notes;
    int minServerPresses;
};

void PrintTo(const TPlayCase& c, std::ostream* os) { *os << c.name; }

class HeldKeysPlay : public XKeys, public ::testing::WithParamInterface<TPlayCase> {};

TEST_P(HeldKeysPlay, EachPhysicalPressSoundsOnceUntilItsRelease) {
    TShowcase showcase(0);
    TTastra2* w = &showcase.Main();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    QTest::qWait(100);
    showcase.Out().ClearSent();
    counter.presses = 0;

    Play(GetParam().steps);

    const int base = 12 * w->Keyboard1->Player().KeyOctave();
    const int velocity = w->Keyboard1->Player().Velocity();
    std::vector<uint32_t> expected;
    for (auto [offset, on] : GetParam().notes)
        expected.push_back(0x90u | static_cast<uint32_t>(base + offset) << 8 |
                           static_cast<uint32_t>(on ? velocity : 0) << 16);
    std::vector<uint32_t> notes;
    for (uint32_t m : showcase.Out().SentTo(0))
        if ((m & 0xF0) == 0x90) notes.push_back(m);
    EXPECT_EQ(notes, expected);
    EXPECT_GE(counter.presses, GetParam().minServerPresses);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeldKeysPlay,
    ::testing::Values(
        // Held past the server's repeat delay: the repeats reach the window, no note again.
        TPlayCase{"OneKeyHeldForASecond",
                  {{kQ, true, 1000}, {kQ, false, 300}},
                  {{12, true}, {12, false}},
                  4},
        TPlayCase{"TwoKeysHeldOverlapping",
                  {{kQ, true, 500}, {kW, true, 900}, {kQ, false, 700}, {kW, false, 300}},
                  {{12, true}, {14, true}, {12, false}, {14, false}},
                  4},
        TPlayCase{"FastTrill",
                  {{kQ, true, 40},
                   {kQ, false, 40},
                   {kW, true, 40},
                   {kW, false, 40},
                   {kQ, true, 40},
                   {kQ, false, 40},
                   {kW, true, 40},
                   {kW, false, 300}},
                  {{12, true},
                   {12, false},
                   {14, true},
                   {14, false},
                   {12, true},
                   {12, false},
                   {14, true},
                   {14, false}},
                  4}),
    [](const auto& info) { return std::string(info.param.name); });

// A key's notes carry the moment the X server's report of it was seen, taken on a thread of its
// own, so that they leave as long after the key as every other note, whatever the window thread
// was doing. The window thread may now and then get to a key first; such a note goes out
// unstamped, as before, so a few presses are made and each stamp is checked.
// The main window, active, with the stamps of the X server's raw key events.
class XStampedKeys : public XKeys {
protected:
    void SetUp() override {
        XKeys::SetUp();
        if (IsSkipped() || HasFatalFailure()) return;
        stamps = CreateKeyStamps();
        ASSERT_NE(stamps, nullptr) << "no raw key events from the X server";
        showcase = std::make_unique<TShowcase>(0, nullptr, stamps.get());
        showcase->Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&showcase->Main()));
    }
    void TearDown() override {
        showcase.reset();
        XKeys::TearDown();
    }
    std::unique_ptr<TKeyStamps> stamps;
    std::unique_ptr<TShowcase> showcase;
};

TEST_F(XStampedKeys, WhatAKeyPlaysCarriesTheMomentTheServerReportedIt) {
    TShowcase& showcase = *this->showcase;
    QTest::qWait(100);  // the stamps' own connection is made on their thread
    int stamped = 0;
    for (int press = 0; press < 6; ++press) {
        showcase.Out().ClearSent();
        const std::int64_t before = SteadyNowNs();
        Play({{kQ, true, 60}, {kQ, false, 60}});
        const std::int64_t after = SteadyNowNs();
        ASSERT_EQ(showcase.Out().Sent().size(), 2u);
        for (const auto& sent : showcase.Out().Sent()) {
            if (sent.Time.SteadyNs == 0) continue;
            EXPECT_GE(sent.Time.SteadyNs, before);
            EXPECT_LE(sent.Time.SteadyNs, after);
            ++stamped;
        }
        const auto& notes = showcase.Out().Sent();
        if (notes[0].Time.SteadyNs != 0 && notes[1].Time.SteadyNs != 0) {
            EXPECT_LT(notes[0].Time.SteadyNs, notes[1].Time.SteadyNs) << "the release's own moment";
        }
    }
    EXPECT_GE(stamped, 4);
}

// Keys typed into another program right after the focus left are none of this program's
// business: it stops noting keys when its window loses the focus, not when the toolkit later
// calls the application inactive, and forgets what it had noted.
TEST_F(XStampedKeys, KeysTypedIntoAnotherProgramRightAfterLeavingAreNotNoted) {
    constexpr int kP = 33;
    ASSERT_TRUE(QTest::qWaitFor([&] { return stamps->Reading(); }, 2000));
    QTest::qWait(100);  // the keys are selected once the window is active
    keys.Press(kQ);
    keys.Release(kQ);
    ASSERT_TRUE(QTest::qWaitFor([&] { return stamps->Holds(kQ); }, 2000));

    TFocusClient other;
    ASSERT_TRUE(other.Ok());
    other.TakeFocus();
    QTest::qWait(20);
    keys.Press(kP);
    keys.Release(kP);
    ASSERT_TRUE(QTest::qWaitFor([&] { return other.Presses(kP) == 1; }, 2000));
    QTest::qWait(50);  // the stamps' thread reads as fast as the other program
    EXPECT_FALSE(stamps->Holds(kP));
    EXPECT_FALSE(stamps->Holds(kQ));
}

// A key's notes leave from the thread that read it, while the window thread is busy, and the
// window's own event of the key, handled later, plays nothing more.
TEST_F(XStampedKeys, NotesLeaveWhileTheWindowThreadIsBusyAndPlayOnce) {
    TShowcase& showcase = *this->showcase;
    ASSERT_TRUE(QTest::qWaitFor([&] { return stamps->Reading(); }, 2000));
    QTest::qWait(100);  // the keys are selected once the window is active
    showcase.Out().ClearSent();
    keys.Press(kQ);
    // The window thread does nothing for a while: no event of the key is handled meanwhile.
    const std::int64_t until = SteadyNowNs() + 2'000'000'000;
    while (showcase.Out().Sent().empty() && SteadyNowNs() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const auto sentWhileBusy = showcase.Out().Sent();
    ASSERT_EQ(sentWhileBusy.size(), 1u) << "nothing left while the window thread was busy";
    EXPECT_NE(sentWhileBusy[0].Time.SteadyNs, 0);
    QTest::qWait(50);
    keys.Release(kQ);
    const int note = 12 * showcase.Main().Keyboard1->Player().KeyOctave() + 12;
    const uint32_t on = 0x90u | note << 8 | 100u << 16, off = 0x90u | note << 8;
    ASSERT_TRUE(QTest::qWaitFor([&] { return showcase.Out().SentTo(0).size() >= 2; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(showcase.Out().SentTo(0), (std::vector<uint32_t>{on, off}));
    EXPECT_EQ(showcase.Main().Keyboard1->Player().LocalCount(note), 0);
}

// A palm on the keyboard: every key of the four rows down at once, the window thread busy
// meanwhile. Each key that plays a note plays it once, in the order the keys went down, and
// stops it in the order they came up.
TEST_F(XStampedKeys, ABurstOfKeysPlaysEachOnceInOrder) {
    TShowcase& showcase = *this->showcase;
    ASSERT_TRUE(QTest::qWaitFor([&] { return stamps->Reading(); }, 2000));
    QTest::qWait(100);
    std::vector<int> codes;
    for (const auto& [first, last] : {std::pair{10, 21}, {24, 35}, {38, 48}, {52, 61}})
        for (int code = first; code <= last; ++code) codes.push_back(code);
    const TNotePlayer& player = showcase.Main().Keyboard1->Player();
    std::vector<uint32_t> expected;
    for (bool down : {true, false})
        for (int code : codes) {
            const int note = player.KeyNote(keys::ScanFromNativeCode(code).scanCode, false);
            if (note >= 0) expected.push_back(0x90u | note << 8 | (down ? 100u << 16 : 0u));
        }
    ASSERT_GE(expected.size(), 40u);
    showcase.Out().ClearSent();
    for (int code : codes) keys.Press(code);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    for (int code : codes) keys.Release(code);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return showcase.Out().SentTo(0).size() >= expected.size(); }, 3000));
    QTest::qWait(100);
    const std::vector<uint32_t> sent = showcase.Out().SentTo(0);
    for (size_t i = 0; i < std::max(sent.size(), expected.size()); ++i)
        if (i >= sent.size() || i >= expected.size() || sent[i] != expected[i]) {
            ADD_FAILURE() << "from message " << i << " of " << expected.size() << ": sent "
                          << std::hex << (i < sent.size() ? sent[i] : 0) << ", expected "
                          << (i < expected.size() ? expected[i] : 0);
            break;
        }
    EXPECT_EQ(sent.size(), expected.size());
}

TEST_F(XKeys, KeyFieldRecordsOneKeyPerPhysicalPress) {
    QWidget window;
    auto* field = new TVKEdit(&window);
    field->setGeometry(10, 10, 200, 24);
    window.resize(240, 50);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::qWait(100);

    Play({{kQ, true, 1000}, {kQ, false, 100}, {kW, true, 50}, {kW, false, 200}});

    EXPECT_EQ(field->Sequence().Count(), 4);
    EXPECT_EQ(field->text(), "Q W ");
    EXPECT_GE(counter.presses, 4);
}

}  // namespace
