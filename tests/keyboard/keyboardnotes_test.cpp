#include <gtest/gtest.h>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"
#include "platform/settings/settingsstore.h"


namespace {

struct KeyboardNotes : ::testing::Test {
    TNotePlayer player;
    TKeyboard kb{player};
};

}  // namespace

TEST(NoteNames, InThreeLanguagesAndCustomNames) {
    TNoteNames n;
    EXPECT_EQ(n.NoteName(61), "C#3");
    EXPECT_EQ(n.NoteName(0), "C-2");
    EXPECT_EQ(n.NoteName(200), "G8");
    EXPECT_EQ(n.NoteName(-4), "C-2");
    n.SetLanguage(TLanguage::German);
    EXPECT_EQ(n.NoteName(61), "Cis3");
    EXPECT_EQ(n.NoteName(71), "H3");
    n.SetLanguage(TLanguage::Italian);
    EXPECT_EQ(n.NoteName(61), "Do#3");
    EXPECT_EQ(n.NoteName(67), "Sol3");

    QStringList names;
    for (int i = 0; i < 128; ++i) names << (i == 60 ? QString("Kick") : QString());
    n.SetNoteNames(names);
    EXPECT_EQ(n.DisplayNoteName(60), "Kick");
    EXPECT_EQ(n.DisplayNoteName(61), "Do#3");
    n.SetNoteNames(names.mid(0, 127));
    EXPECT_EQ(n.DisplayNoteName(60), "Do3");
}

TEST_F(KeyboardNotes, BaseNoteLimitsWhiteKeyIndexAndBounds) {
    QStringList reports;
    kb.OnBaseNoteChange = [&](TKeyboard*, const QString& t) { reports << t; };
    kb.resize(329, 40);
    EXPECT_EQ(kb.VisibleNotes(), 37);
    kb.SetBaseNote(100);
    EXPECT_EQ(kb.BaseNote(), 91);
    EXPECT_EQ(kb.ScrollOffset(), kb.KeyLeft(91));
    EXPECT_EQ(reports, QStringList{"G5"});

    kb.SetBaseNote(61);
    EXPECT_EQ(kb.BaseNoteWhiteKey(), 35);  // the white key below a black base note
    kb.SetBaseNoteByWhiteKey(36);
    EXPECT_EQ(kb.BaseNote(), 62);
    kb.SetBaseNoteByWhiteKey(-3);
    EXPECT_EQ(kb.BaseNote(), 0);

    kb.SetBoundsChecked(0, 0, 5000, 2);
    EXPECT_EQ(kb.width(), kb.FullWidth());
    EXPECT_EQ(kb.height(), 5);
    EXPECT_EQ(kb.VisibleNotes(), 128);
    kb.SetBoundsChecked(0, 0, 3, 30);
    EXPECT_EQ(kb.width(), 10);
    kb.SetBoundsChecked(0, 0, 1000, 30);
    kb.SetKeyWidth(10);  // the full width shrinks below the control's width
    EXPECT_EQ(kb.width(), 750);
    kb.SetKeyWidth(200);
    EXPECT_EQ(kb.KeyWidth(), 100);
}

TEST(KeyboardSettings, RoundTripKeepsEveryValue) {
    kbtest::TPlayedKeyboard played;
    TKeyboard& a = played.kb;
    a.SetRegKey("KbTest");
    a.SetBaseNote(40);
    a.Player().SetChannel(5);
    a.Player().SetChord(chMinor7);
    a.SetKeyWidth(12);
    a.Names().SetLanguage(TLanguage::Italian);
    a.SetShadowWidth(3);
    a.Player().SetVelocityShiftFactor(0.625);
    a.Player().SetVelocity(90);
    a.Player().SetUpDownController(74);
    a.Player().SetLeftRightController(129);
    a.Player().SetKeyOctave(6);
    a.SetImageSize(isBig);
    a.Player().SetLowerCScanCode(46);
    a.Player().SetUpperCScanCode(20);
    a.Player().SetTranspose(-12);
    a.Player().SetDisplayTransposed(true);
    a.Player().SetTransposeThru(false);
    TKeyLook look;
    look.markNote = 64;
    look.labels = klPressed;
    look.flats = true;
    look.middleC = 5;
    look.legends = true;
    look.channelColours = true;
    look.palette[9] = QColor(9, 8, 7);
    look.pressedFill = true;
    look.pressedColour = QColor(1, 2, 250);
    a.SetLook(look);
    a.Keys().SetKeyMapFile(QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/laptop.ini"));
    TPlayOptions options;
    options.velocityFromHeight = true;
    options.velocityMin = 12;
    options.velocityMax = 99;
    options.touchPressure = true;
    options.multiTouch = true;
    a.SetPlayOptions(options);
    a.Player().SetKeyPressure(kpPolyphonic);
    TMemSettingsStore store;
    a.SaveSettings(store);
    EXPECT_EQ(store.ReadSection("KbTest"),
              (std::vector<std::string>{"BaseNote", "Channel", "Chord", "KeyWidth", "Language",
                                        "MarkNote", "ShadowWidth", "VelShiftFactor", "Velocity",
                                        "UpDownController", "LeftRightController", "KeyOctave",
                                        "ImageSize", "LowerCKey", "UpperCKey", "PaintStyle",
                                        "Transpose", "DisplayTranspose", "TransposeThru",
                                        "KeyLabels", "KeyLabelFlats", "MiddleCOctave",
                                        "KeyLegends", "ChannelColours", "ChannelPalette",
                                        "KeyMapFile", "VelocityFromHeight", "VelocityMin",
                                        "VelocityMax", "TouchPressure", "KeyPressure",
                                        "MultiTouch", "PressedFill", "PressedColour"}));
    EXPECT_EQ(store.ReadInteger("KbTest", "VelShiftFactor", 0), 62);  // 62.5 to even
    EXPECT_EQ(store.ReadString("KbTest", "PressedColour", ""), "0102FA");

    kbtest::TPlayedKeyboard reloaded;
    TKeyboard& b = reloaded.kb;
    b.SetRegKey("KbTest");
    b.LoadSettings(store);
    EXPECT_EQ(b.BaseNote(), 40);
    EXPECT_EQ(b.Player().Channel(), 5);
    EXPECT_EQ(b.Player().Chord(), chMinor7);
    EXPECT_EQ(b.KeyWidth(), 12);
    EXPECT_EQ(b.Names().Language(), TLanguage::Italian);
    EXPECT_EQ(b.Look().markNote, 64);
    EXPECT_EQ(b.ShadowWidth(), 3);
    EXPECT_DOUBLE_EQ(b.Player().VelocityShiftFactor(), 0.62);
    EXPECT_EQ(b.Player().Velocity(), 90);
    EXPECT_EQ(b.Player().UpDownController(), 74);
    EXPECT_EQ(b.Player().LeftRightController(), 129);
    EXPECT_EQ(b.Player().KeyOctave(), 6);
    EXPECT_EQ(b.ImageSize(), isBig);
    EXPECT_EQ(b.Player().LowerCScanCode(), 46);
    EXPECT_EQ(b.Player().UpperCScanCode(), 20);
    EXPECT_EQ(b.Player().Transpose(), -12);
    EXPECT_TRUE(b.Player().DisplayTransposed());
    EXPECT_FALSE(b.Player().TransposeThru());
    EXPECT_EQ(b.Look().labels, klPressed);
    EXPECT_TRUE(b.Look().flats);
    EXPECT_EQ(b.Look().middleC, 5);
    EXPECT_TRUE(b.Look().legends);
    EXPECT_TRUE(b.Look().channelColours);
    EXPECT_EQ(b.Look().palette, look.palette);
    EXPECT_EQ(b.Keys().KeyMapFile(), a.Keys().KeyMapFile());
    EXPECT_TRUE(b.Player().KeyMapInUse());
    EXPECT_TRUE(b.PlayOptions().velocityFromHeight);
    EXPECT_EQ(b.PlayOptions().velocityMin, 12);
    EXPECT_EQ(b.PlayOptions().velocityMax, 99);
    EXPECT_TRUE(b.PlayOptions().touchPressure);
    EXPECT_EQ(b.Player().KeyPressure(), kpPolyphonic);
    EXPECT_TRUE(b.PlayOptions().multiTouch);
    EXPECT_TRUE(b.Look().pressedFill);
    EXPECT_EQ(b.Look().pressedColour, QColor(1, 2, 250));
}

TEST(KeyboardSettings, StrikeTouchAndPressureAreOffAtFirstStartAndStoredAsScriptsWriteThem) {
    kbtest::TPlayedKeyboard played;
    TMemSettingsStore store;
    played.kb.SaveSettings(store);
    // Flags as the window's other flags ("0"/"1"), numbers as numbers.
    struct TStored {
        const char* name;
        bool flag;
        int value;
        int scripted;
    };
    const TStored stored[] = {{"VelocityFromHeight", true, 0, 1}, {"VelocityMin", false, 30, 1},
                              {"VelocityMax", false, 127, 1},     {"TouchPressure", true, 0, 1},
                              {"KeyPressure", false, 0, 2},       {"MultiTouch", true, 0, 1}};
    for (const TStored& v : stored) {
        if (v.flag) {
            EXPECT_EQ(store.ReadString("Keyboard", v.name, "missing"), "0") << v.name;
            store.WriteBool("Keyboard", v.name, v.scripted != 0);
        } else {
            EXPECT_EQ(store.ReadInteger("Keyboard", v.name, -1), v.value) << v.name;
            store.WriteInteger("Keyboard", v.name, v.scripted);
        }
    }
    kbtest::TPlayedKeyboard loaded;
    loaded.kb.LoadSettings(store);
    const TPlayOptions& options = loaded.kb.PlayOptions();
    EXPECT_TRUE(options.velocityFromHeight);
    EXPECT_EQ(options.velocityMin, 1);
    EXPECT_EQ(options.velocityMax, 1);
    EXPECT_TRUE(options.touchPressure);
    EXPECT_EQ(loaded.kb.Player().KeyPressure(), kpPolyphonic);
    EXPECT_TRUE(options.multiTouch);
}

TEST(KeyboardSettings, OutOfRangeStoredValuesKeepTheCurrentOnes) {
    TMemSettingsStore store;
    for (const char* key : {"Language", "Chord", "ImageSize", "PaintStyle", "KeyOctave", "LowerCKey",
                            "UpperCKey", "KeyLabels", "MiddleCOctave"})
        store.WriteInteger("Keyboard", key, 99);
    store.WriteInteger("Keyboard", "UpDownController", 200);
    store.WriteInteger("Keyboard", "Channel", 18);
    store.WriteInteger("Keyboard", "Transpose", 500);
    store.WriteInteger("Keyboard", "KeyPressure", 3);
    store.WriteInteger("Keyboard", "VelocityMin", 300);  // both ends are kept to 1..127, in order
    store.WriteInteger("Keyboard", "VelocityMax", -5);
    kbtest::TPlayedKeyboard played;
    TKeyboard& kb = played.kb;
    kb.Names().SetLanguage(TLanguage::German);
    kb.LoadSettings(store);
    EXPECT_EQ(kb.Names().Language(), TLanguage::German);
    EXPECT_EQ(kb.Player().Chord(), chNone);
    EXPECT_EQ(kb.ImageSize(), isSmall);
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(kb.Player().KeyOctave(), 4);
    EXPECT_EQ(kb.Player().UpDownController(), 1);
    EXPECT_EQ(kb.Player().LowerCScanCode(), 44);
    EXPECT_EQ(kb.Player().UpperCScanCode(), 16);
    EXPECT_EQ(kb.Player().Channel(), 2);
    EXPECT_EQ(kb.Player().Transpose(), 99);
    EXPECT_EQ(kb.Names().NoteName(60), "C3");
    EXPECT_EQ(kb.Look().labels, klNever);
    EXPECT_EQ(kb.Look().middleC, 3);
    EXPECT_EQ(kb.Player().KeyPressure(), kpNone);
    EXPECT_EQ(kb.PlayOptions().velocityMin, 1);
    EXPECT_EQ(kb.PlayOptions().velocityMax, 127);
}
