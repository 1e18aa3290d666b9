#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <map>
#include <thread>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "platform/keys/keylistener.h"
#include "platform/keys/keystamps.h"
#include "support/windowcatalog.h"
#include "x11/focusclient.h"
#include "x11/xdisplay.h"

namespace {

constexpr int kZ = 52, kQ = 24, kF4 = 70, kCapsLock = 66, kNumLock = 77;  // X key codes
// At the default octave and velocity: Z plays note 48, Q note 60.
constexpr uint32_t kZOn = 0x643090, kZOff = 0x003090, kQOn = 0x643C90, kQOff = 0x003C90;

class XAnyWindow : public ::testing::Test {
protected:
    void SetUp() override {
        if (!XServerError().empty()) GTEST_SKIP() << XServerError();
        ASSERT_TRUE(keys.Ok()) << "the X server has no XTEST extension";
        listener = CreateKeyListener();
        ASSERT_EQ(listener->Unavailable(), QString());
        if (readWhereTheyAre) {
            stamps = CreateKeyStamps();
            ASSERT_NE(stamps, nullptr);
        }
        showcase = std::make_unique<TShowcase>(0, listener.get(), stamps.get());
        if (stamps) ASSERT_TRUE(QTest::qWaitFor([&] { return stamps->Reading(); }, 2000));
    }
    void TearDown() override { showcase.reset(); }

    TTastra2& Main() { return showcase->Main(); }
    void SetOption(bool on) {
        QAction* item = Main().FindAction(QStringLiteral("PlayFromAnyWindow1"));
        if (item->isChecked() != on) item->trigger();
        ASSERT_EQ(listener->Listening(), on) << listener->Failure().toStdString();
        if (on && stamps) WaitUntilEveryKeyIsRead();
    }
    // With the option on, the reading thread asks the server for every key. A key pressed in the
    // moment before the server has that request reaches only the listener, which leaves presses
    // to the reading thread: Shift strokes, which play nothing, tell when it is in effect.
    void WaitUntilEveryKeyIsRead() {
        constexpr int kShift = 50;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                keys.Press(kShift);
                keys.Release(kShift);
                client.Presses(0);  // a round trip: the server has sent both
                return stamps->Holds(kShift);
            },
            2000));
    }
    void GiveFocusToOtherClient() {
        ASSERT_TRUE(client.Ok());
        client.TakeFocus();
        ASSERT_TRUE(QTest::qWaitFor(
            [] { return QGuiApplication::applicationState() != Qt::ApplicationActive; }, 2000));
        showcase->Out().ClearSent();
    }
    // A key held for `holdMs` (past the server's repeat delay when long enough). Returns once
    // the server has delivered the release to whoever has the focus and this program has read
    // what it heard of it: a key of ours ends with the same key on the focus client's
    // connection, which is read after everything the program's own connections brought.
    void Stroke(int keycode, int holdMs = 30) {
        keys.Press(keycode);
        QTest::qWait(holdMs);
        keys.Release(keycode);
        Settle();
    }
    // Lets the program read what the server has sent so far: a round trip to the server on a
    // connection of the test's own, then a moment for the events that arrived meanwhile. Only
    // where nothing is expected to happen; what is expected is waited for.
    void Settle() {
        client.Presses(0);
        QTest::qWait(30);
    }
    // The notes once there are `count` of them, or what there is after a generous while.
    std::vector<uint32_t> NotesOnce(size_t count) {
        // A wait that ran out shows as a difference where the caller compares.
        static_cast<void>(QTest::qWaitFor([&] { return Notes().size() >= count; }, 2000));
        return Notes();
    }
    std::vector<uint32_t> Notes() {
        std::vector<uint32_t> notes;
        for (uint32_t m : showcase->Out().SentTo(0))
            if ((m & 0xF0) == 0x90) notes.push_back(m);
        return notes;
    }

    void KeyTakenByOwnMenu() {
        constexpr int kAlt = 64, kF = 41, kEscape = 9;
        SetOption(true);
        Main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
        showcase->Out().ClearSent();
        keys.Press(kAlt);
        keys.Press(kF);
        keys.Release(kF);
        keys.Release(kAlt);
        ASSERT_TRUE(
            QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 2000));
        Stroke(kZ);
        EXPECT_TRUE(Notes().empty());
        Stroke(kEscape);
        ASSERT_TRUE(
            QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
        Stroke(kZ);
        EXPECT_EQ(NotesOnce(2), (std::vector<uint32_t>{kZOn, kZOff}));
    }

    TXTestKeys keys;
    TFocusClient client;
    std::unique_ptr<TKeyListener> listener;
    // Keys played on the thread that reads them, as the program does on X11.
    bool readWhereTheyAre = false;
    std::unique_ptr<TKeyStamps> stamps;
    std::unique_ptr<TShowcase> showcase;
};

class XAnyWindowRead : public XAnyWindow {
protected:
    XAnyWindowRead() { readWhereTheyAre = true; }
};

// Keys typed into another program play where they are read, while the window thread is busy,
// and the listener's report of the same key, handled later, plays nothing more.
TEST_F(XAnyWindowRead, PlaysOnceWhileTheWindowThreadIsBusy) {
    SetOption(true);
    GiveFocusToOtherClient();
    keys.Press(kZ);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (Notes().empty() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn})) << "nothing left while the window was busy";
    keys.Release(kZ);
    Settle();
    EXPECT_EQ(NotesOnce(2), (std::vector<uint32_t>{kZOn, kZOff}));
    Settle();
    EXPECT_EQ(Notes().size(), 2u);
}

TEST_F(XAnyWindowRead, HeldKeyIsReleasedWhenTheOptionGoesOff) {
    SetOption(true);
    GiveFocusToOtherClient();
    keys.Press(kZ);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Notes().empty(); }, 2000));
    SetOption(false);
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn, kZOff}));
    keys.Release(kZ);
    Settle();
    EXPECT_EQ(Notes().size(), 2u);
}

TEST_F(XAnyWindow, PlaysOncePerPressWhileAnotherProgramHasTheFocusAndNotAtAllWhenOff) {
    GiveFocusToOtherClient();
    Stroke(kZ);
    EXPECT_TRUE(Notes().empty());
    EXPECT_EQ(client.Presses(kZ), 1);

    SetOption(true);
    Stroke(kZ, 1000);
    EXPECT_EQ(NotesOnce(2), (std::vector<uint32_t>{kZOn, kZOff}));
    // The other program got the key, repeats and all.
    EXPECT_GE(client.Presses(kZ), 3);

    Stroke(kF4);
    EXPECT_EQ(Main().Keyboard1->Player().KeyOctave(), 5);
    EXPECT_EQ(client.Presses(kF4), 1);
}

TEST_F(XAnyWindow, NumLockAndCapsLockChangeNothing) {
    SetOption(true);
    GiveFocusToOtherClient();
    Stroke(kNumLock);
    Stroke(kCapsLock);
    Stroke(kQ);
    Stroke(kNumLock);
    Stroke(kCapsLock);
    EXPECT_EQ(NotesOnce(2), (std::vector<uint32_t>{kQOn, kQOff}));
    // The locks really were on when Q went to the other program.
    EXPECT_EQ(client.StateOfLastPress(kQ) & (LockMask | Mod2Mask), unsigned(LockMask | Mod2Mask));
}

// How playing from any window ends while a key is held.
class XAnyWindowEnd : public XAnyWindow, public ::testing::WithParamInterface<bool> {};

TEST_P(XAnyWindowEnd, HeldKeyIsReleased) {
    const bool closeProgram = GetParam();
    SetOption(true);
    GiveFocusToOtherClient();
    keys.Press(kZ);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Notes().empty(); }, 2000));
    if (closeProgram)
        Main().close();
    else
        SetOption(false);
    EXPECT_EQ(Notes(), (std::vector<uint32_t>{kZOn, kZOff}));
    keys.Release(kZ);
    Settle();
    EXPECT_EQ(Notes().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Ends, XAnyWindowEnd, ::testing::Values(false, true), [](const auto& info) {
    return std::string(info.param ? "ProgramCloses" : "OptionOff");
});

TEST_F(XAnyWindow, OwnWindowFocusedPlaysEachNoteOnce) {
    SetOption(true);
    Main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Main()));
    showcase->Out().ClearSent();
    // Held past the server's repeat delay, overlapping.
    keys.Press(kZ);
    QTest::qWait(500);
    keys.Press(kQ);
    QTest::qWait(900);
    keys.Release(kZ);
    QTest::qWait(50);
    keys.Release(kQ);
    Settle();
    EXPECT_EQ(NotesOnce(4), (std::vector<uint32_t>{kZOn, kQOn, kZOff, kQOff}));
}

// The program's own menus are not another program: a key the open menu takes does not play, as
// it would not without the option (leaving through File › Exit with Alt+F, X played a D).
TEST_F(XAnyWindow, KeyTakenByTheProgramsOwnMenuDoesNotPlay) { KeyTakenByOwnMenu(); }
TEST_F(XAnyWindowRead, KeyTakenByTheProgramsOwnMenuDoesNotPlay) { KeyTakenByOwnMenu(); }

}  // namespace

// An X11 client in a Wayland session (XWayland) hears only the keys of X11 windows: the user
// who switches the option on is told so, and a plain X11 session says nothing of the kind.
TEST_F(XAnyWindow, UnderXWaylandSwitchingOnSaysWhichKeysAreNotHeard) {
    const QByteArray before = qgetenv("WAYLAND_DISPLAY");
    const QByteArray session = qgetenv("XDG_SESSION_TYPE");
    qunsetenv("XDG_SESSION_TYPE");
    for (const bool xwayland : {false, true}) {
        if (xwayland)
            qputenv("WAYLAND_DISPLAY", "wayland-0");
        else
            qunsetenv("WAYLAND_DISPLAY");
        SetOption(false);
        static_cast<TStatusPanels*>(Main().statusBar())->SetPanelText(0, QString());
        SetOption(true);
        const QString said = static_cast<TStatusPanels*>(Main().statusBar())->PanelText(0);
        EXPECT_EQ(said.contains(QLatin1String("native windows are not heard")), xwayland)
            << said.toStdString();
    }
    for (const auto& [name, value] : {std::pair{"WAYLAND_DISPLAY", before}, {"XDG_SESSION_TYPE", session}}) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}
