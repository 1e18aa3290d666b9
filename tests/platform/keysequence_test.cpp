#include "platform/keys/keysequence.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <stdexcept>

namespace {

// Set-1 scan codes and virtual keys used below.
constexpr int kQ = 16, kW = 17, kA = 30, kCtrl = 29, kShift = 42;

TKeyEvent Down(int scan, bool extended = false) { return TKeyEvent(scan, false, extended); }
TKeyEvent Up(int scan, bool extended = false) { return TKeyEvent(scan, true, extended); }

QString Text(std::initializer_list<TKeyEvent> events) {
    TKeySequence s;
    for (const TKeyEvent& e : events) s.Add(e);
    return s.DisplayText();
}

QStringList Names(const TKeySequence& s) {
    QStringList names;
    for (int i = 0; i < s.Count(); ++i)
        names << (s.Item(i).Release() ? "-" : "+") + s.Item(i).Name();
    return names;
}

}  // namespace

TEST(KeySequence, DisplayTextShowsHeldKeysInBrackets) {
    EXPECT_EQ(Text({}), "");
    EXPECT_EQ(Text({Down(kQ)}), "Q");
    EXPECT_EQ(Text({Down(kQ), Up(kQ), Down(kW), Up(kW)}), "Q W ");
    EXPECT_EQ(Text({Down(kShift), Down(kA), Up(kA), Up(kShift)}), "Shift(A )");
    // Still held at the end: every open bracket is closed, the last key is not one.
    EXPECT_EQ(Text({Down(kCtrl), Down(kShift), Down(kA)}), "Ctrl(Shift(A))");
    // Left and right Ctrl are different keys although they share a virtual key.
    EXPECT_EQ(Text({Down(kCtrl), Down(kCtrl, true), Up(kCtrl, true), Up(kCtrl)}),
              "Ctrl(Right Ctrl )");
}

TEST(KeySequence, OnlyOneCharKeepsTheLastPressAndIgnoresReleases) {
    TKeySequence s;
    int changes = 0;
    s.OnChange = [&](TKeySequence*) { ++changes; };
    s.Add(Down(kQ));
    s.Add(Up(kQ));
    s.Add(Down(kW));
    s.SetOnlyOneChar(true);  // keeps the first event
    EXPECT_EQ(Names(s), QStringList({"+Q"}));

    s.Clear();
    s.SetOnlyOneChar(false);
    s.Add(Up(kQ));
    s.Add(Down(kW));
    s.SetOnlyOneChar(true);  // a kept release becomes a press
    EXPECT_EQ(Names(s), QStringList({"+Q"}));

    s.Add(Down(kW));
    changes = 0;
    s.Add(Up(kW));
    EXPECT_EQ(Names(s), QStringList({"+W"}));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(s.DisplayText(), "W");
}

TEST(KeySequence, RemoveLastTakesThePressAndItsRelease) {
    TKeySequence s;
    for (const TKeyEvent& e : {Down(kQ), Up(kQ), Down(kW), Up(kW)}) s.Add(e);
    s.RemoveLast();
    EXPECT_EQ(Names(s), QStringList({"+Q", "-Q"}));

    // The release removed belongs to the same physical key, not just the same virtual key.
    s.Clear();
    for (const TKeyEvent& e : {Down(kCtrl), Down(kCtrl, true), Up(kCtrl, true), Up(kCtrl)})
        s.Add(e);
    s.RemoveLast();
    EXPECT_EQ(Names(s), QStringList({"+Ctrl", "-Ctrl"}));

    // Nothing to undo without a press.
    s.Clear();
    s.Add(Up(kQ));
    int changes = 0;
    s.OnChange = [&](TKeySequence*) { ++changes; };
    s.RemoveLast();
    EXPECT_EQ(s.Count(), 1);
    EXPECT_EQ(changes, 0);
    EXPECT_THROW(s.Item(1), std::out_of_range);
    EXPECT_THROW(s.Item(-1), std::out_of_range);
}

TEST(KeySequence, KeyDataRepeatsAreDroppedAndReleasesRecognised) {
    TKeySequence s;
    TKeyData key;
    key.scanCode = kQ;
    key.virtualKey = 'Q';
    s.AddKeyData(key);
    key.previousState = true;  // auto-repeat press
    s.AddKeyData(key);
    key.transition = true;
    s.AddKeyData(key);
    EXPECT_EQ(Names(s), QStringList({"+Q", "-Q"}));
}

TEST(KeyEventName, UnknownKeysGetBracketedNames) {
    EXPECT_EQ(TKeyEvent(200, 0, false, false).Name(), "[VK 200]");
    EXPECT_EQ(TKeyEvent(200, 0, true, false).Name(), "[VK 200 X]");
    EXPECT_EQ(TKeyEvent(0, 100, false, false).Name(), "[scan 100]");
    EXPECT_EQ(TKeyEvent(255, 100, true, false).Name(), "[scan 100 X]");
    // A key given by its virtual key alone gets its scan code and name.
    const TKeyEvent q('Q', 0, false, false);
    EXPECT_EQ(q.ScanCode(), kQ);
    EXPECT_EQ(q.Name(), "Q");
    // Out-of-range numbers do not wrap into other keys.
    EXPECT_EQ(TKeyEvent(256 + 'Q', 0, false, false).Name(), "[scan 0]");
}

TEST(KeyEventName, EveryNameParsesBackToItsKey) {
    int named = 0;
    for (const bool extended : {false, true}) {
        for (int scan = 1; scan < 128; ++scan) {
            const TKeyEvent key = Down(scan, extended);
            const std::optional<TKeyEvent> parsed = keys::KeyEventFromName(key.Name());
            ASSERT_TRUE(parsed) << key.Name().toStdString();
            EXPECT_EQ(parsed->Name(), key.Name());
            EXPECT_FALSE(parsed->Release());
            // Two keys are both called "\"; every other name is one key.
            if (key.Name() != "\\") {
                EXPECT_EQ(parsed->ScanCode(), key.ScanCode()) << key.Name().toStdString();
                EXPECT_EQ(parsed->Extended(), key.Extended()) << key.Name().toStdString();
            }
            if (!key.Name().startsWith('[')) ++named;
        }
    }
    EXPECT_GT(named, 90);
    EXPECT_EQ(keys::KeyEventFromName("/")->Extended(), false);
    for (const char* bad : {"", "q", "Nonsense", "[VK 300]", "[VK 65", "[scan -1]", "[VK 1 Y]"})
        EXPECT_FALSE(keys::KeyEventFromName(bad)) << bad;
}
