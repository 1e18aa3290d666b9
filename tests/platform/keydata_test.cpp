#include "platform/keys/keydata.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

#include "support/keyevents.h"

namespace {

struct TNativeCase {
    int evdev;
    int qtKey;
    Qt::KeyboardModifiers mods;
    int scan;
    bool extended;
    int virtualKey;
};

TKeyData DataOf(QEvent::Type type, int qtKey, Qt::KeyboardModifiers mods, quint32 native,
                const QString& text = QString(), bool autoRepeat = false) {
    QKeyEvent e(type, qtKey, mods, native, 0, 0, text, autoRepeat);
    TKeyData d;
    EXPECT_TRUE(keys::KeyDataFromEvent(e, d));
    return d;
}

class KeyDataNative : public ::testing::TestWithParam<TNativeCase> {};

}  // namespace

// Native codes as X11 delivers them, including keys that evdev numbers outside the main block
// but that share a set-1 code with a main-block key (the extended flag keeps them apart).
TEST_P(KeyDataNative, ScanCodeExtendedFlagAndVirtualKey) {
    const TNativeCase& c = GetParam();
    const TKeyData d = DataOf(QEvent::KeyPress, c.qtKey, c.mods, keytest::Native(c.evdev));
    EXPECT_EQ(d.scanCode, c.scan);
    EXPECT_EQ(d.extended, c.extended);
    EXPECT_EQ(d.virtualKey, c.virtualKey);
}

INSTANTIATE_TEST_SUITE_P(
    X11, KeyDataNative,
    ::testing::Values(TNativeCase{16, Qt::Key_Q, {}, 16, false, 'Q'},
                      TNativeCase{44, Qt::Key_Z, {}, 44, false, 'Z'},
                      // Shift+2 reports the symbol; the virtual key stays the digit key's.
                      TNativeCase{3, Qt::Key_At, Qt::ShiftModifier, 3, false, '2'},
                      TNativeCase{39, Qt::Key_Semicolon, {}, 39, false, vk::kOem1},
                      TNativeCase{56, Qt::Key_Alt, Qt::AltModifier, 56, false, vk::kMenu},
                      TNativeCase{100, Qt::Key_AltGr, {}, 56, true, vk::kMenu},
                      TNativeCase{97, Qt::Key_Control, {}, 29, true, vk::kControl},
                      TNativeCase{107, Qt::Key_End, {}, 79, true, vk::kEnd},
                      TNativeCase{79, Qt::Key_End, Qt::KeypadModifier, 79, false, vk::kEnd},
                      TNativeCase{79, Qt::Key_1, Qt::KeypadModifier, 79, false, vk::kNumpad0 + 1},
                      TNativeCase{96, Qt::Key_Enter, Qt::KeypadModifier, 28, true, vk::kReturn},
                      TNativeCase{98, Qt::Key_Slash, Qt::KeypadModifier, 53, true, vk::kDivide},
                      TNativeCase{69, Qt::Key_NumLock, {}, 69, true, vk::kNumLock},
                      TNativeCase{119, Qt::Key_Pause, {}, 69, false, vk::kPause},
                      TNativeCase{63, Qt::Key_F5, {}, 63, false, vk::kF1 + 4},
                      // A media key has no set-1 counterpart: never a main-block key.
                      TNativeCase{113, Qt::Key_VolumeMute, {}, 113, true, 0}));

TEST(KeyData, StateBitsCharacterAndEventsWithoutNativeCode) {
    TKeyData press = DataOf(QEvent::KeyPress, Qt::Key_Q, {}, keytest::Native(16), "q");
    EXPECT_EQ(press.repeatCount, 1);
    EXPECT_FALSE(press.previousState || press.transition || press.IsAutoRepeat());
    EXPECT_EQ(press.character, "Q");
    TKeyData repeat = DataOf(QEvent::KeyPress, Qt::Key_Q, {}, keytest::Native(16), "q", true);
    EXPECT_TRUE(repeat.IsAutoRepeat());
    TKeyData release = DataOf(QEvent::KeyRelease, Qt::Key_Q, Qt::AltModifier, keytest::Native(16));
    EXPECT_TRUE(release.previousState && release.transition && release.context);
    EXPECT_FALSE(release.IsAutoRepeat());

    // The layout's own symbol is kept for symbol keys; dead keys are flagged.
    EXPECT_EQ(DataOf(QEvent::KeyPress, Qt::Key_Odiaeresis, {}, keytest::Native(39),
                     QStringLiteral(u"\u00f6"))
                  .character,
              QStringLiteral(u"\u00f6"));
    EXPECT_TRUE(DataOf(QEvent::KeyPress, Qt::Key_Dead_Circumflex, {}, keytest::Native(41)).deadKey);

    // Synthesised events carry no native code: the key is placed on a US keyboard.
    TKeyData q = DataOf(QEvent::KeyPress, Qt::Key_Q, {}, 0);
    EXPECT_EQ(q.scanCode, 16);
    EXPECT_FALSE(q.extended);
    TKeyData left = DataOf(QEvent::KeyPress, Qt::Key_Left, {}, 0);
    EXPECT_EQ(left.scanCode, 75);
    EXPECT_TRUE(left.extended);

    QKeyEvent shortcut(QEvent::ShortcutOverride, Qt::Key_Q, {});
    TKeyData unused;
    EXPECT_FALSE(keys::KeyDataFromEvent(shortcut, unused));
}

TEST(KeyData, ScanAndVirtualKeyMappingsAgreeAndKeysHaveNames) {
    for (int scan = 1; scan <= 88; ++scan) {
        const int virtualKey = keys::ScanCodeToVirtualKey(scan);
        if (virtualKey == 0) continue;
        const int back = keys::VirtualKeyToScanCode(virtualKey);
        EXPECT_EQ(keys::ScanCodeToVirtualKey(back), virtualKey) << "scan " << scan;
        EXPECT_FALSE(keys::KeyNameText(scan, false).isEmpty()) << "scan " << scan;
    }
    EXPECT_EQ(keys::VirtualKeyToScanCode(vk::kNumpad0 + 7), 71);
    EXPECT_EQ(keys::KeyNameText(28, false), "Enter");
    EXPECT_EQ(keys::KeyNameText(28, true), "Num Enter");
    EXPECT_EQ(keys::KeyNameText(29, true), "Right Ctrl");
    EXPECT_EQ(keys::KeyNameText(46, false), "C");
    EXPECT_TRUE(keys::KeyNameText(44, true).isEmpty());
    EXPECT_TRUE(keys::KeyNameText(200, false).isEmpty());
    EXPECT_TRUE(keys::KeyNameText(-3, false).isEmpty());
}
