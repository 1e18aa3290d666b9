#include <gtest/gtest.h>

#include "keyboard/keyboard.h"
#include "keyboardtestutil.h"
#include "platform/settings/settingsstore.h"

using kbtest::TMsg;
using kbtest::TNoteLog;

namespace {

struct KeyboardNotes : ::testing::Test {
    TKeyboard kb;
    TNoteLog log;
    void SetUp() override { log.Attach(kb); }
};

}  // namespace

TEST_F(KeyboardNotes, TransposeSendsShiftedNoteAndLightsPlayedOrSentKey) {
    kb.SetTranspose(150);
    EXPECT_EQ(kb.Transpose(), 99);
    kb.SetTranspose(-100);
    EXPECT_EQ(kb.Transpose(), -99);
    kb.SetTranspose(12);
    log.Take();

    kb.PlayNote(0, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 100}}));
    EXPECT_EQ(kb.LocalCount(60), 1);
    EXPECT_EQ(kb.LocalCount(72), 0);
    kb.PlayNote(0, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 0}}));  // releases are note-ons, vel 0

    // A note transposed beyond 127 is shown but not sent...
    kb.PlayNote(0, 120, true, 100);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(kb.LocalCount(120), 1);
    kb.PlayNote(0, 120, true, 0);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(kb.LocalCount(120), 0);

    // ...and with the display transposed it is neither sent nor shown.
    kb.SetDisplayTransposed(true);
    kb.PlayNote(0, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 100}}));
    EXPECT_EQ(kb.LocalCount(72), 1);
    kb.PlayNote(0, 120, true, 100);
    EXPECT_TRUE(log.Take().empty());
    for (int n = 0; n < 128; ++n) EXPECT_EQ(kb.LocalCount(n), n == 72 ? 1 : 0);
}

TEST_F(KeyboardNotes, ThruNotesFollowTransposeThruAndTheirOwnChannel) {
    kb.SetTranspose(5);
    kb.MidiThruInput(0x93, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x93, 65, 100}}));
    kb.MidiThruInput(0x83, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x93, 65, 0}}));

    kb.SetTransposeThru(false);
    kb.MidiThruInput(0x93, 60, false, 100);  // keyboard's own channel
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 100}}));
    EXPECT_EQ(kb.ThruCount(60), 1);

    // Non-note channel messages pass untouched; system and stray data bytes do not.
    kb.MidiThruInput(0xB2, 7, true, 200);
    kb.MidiThruInput(0xF8, 0, true, 0);
    kb.MidiThruInput(0x40, 1, true, 2);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB2, 7, 72}}));
}

TEST_F(KeyboardNotes, ChordsDropTonesOutsideTheRange) {
    kb.SetChord(chPower);
    kb.PlayNote(0, 5, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 90}, {0x90, 12, 90}, {0x90, 17, 90}}));
    kb.PlayNote(0, 5, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 0}, {0x90, 12, 0}, {0x90, 17, 0}}));

    kb.SetChord(chMajor7);
    kb.PlayNote(1, 120, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x91, 120, 90}, {0x91, 124, 90}, {0x91, 127, 90}}));
    kb.PlayNote(1, 120, true, 0);
    log.Take();

    kb.SetCustomChord({4, 7, 4, 0}, true);
    EXPECT_EQ(kb.Chord(), chCustom);
    EXPECT_EQ(kb.CustomChord(), (std::vector<int8_t>{4, 7}));
    kb.PlayNote(0, 60, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 90}, {0x90, 64, 90}, {0x90, 67, 90}}));
}

TEST_F(KeyboardNotes, CountsNeverGoBelowZeroAndStrayReleasesSendNothing) {
    kb.PlayNote(0, 60, true, 0);
    kb.ShowIncomingNote(61, 0);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(kb.LocalCount(60), 0);
    EXPECT_EQ(kb.ThruCount(61), 0);

    kb.PlayNote(0, 60, true, 100);
    kb.PlayNote(0, 60, true, 0);
    kb.PlayNote(0, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 100}, {0x90, 60, 0}}));
    EXPECT_EQ(kb.LocalCount(60), 0);

    kb.ShowIncomingNote(61, 80);
    kb.ShowIncomingNote(61 + 128, 80);  // masked into range
    EXPECT_EQ(kb.ThruCount(61), 2);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(KeyboardNotes, ResetsSendOneNoteOffPerNoteOnOnTheSentChannel) {
    kb.PlayNote(0, 60, true, 100);
    kb.PlayNote(0, 60, true, 100);
    kb.MidiThruInput(0x95, 40, true, 100);
    log.Take();
    kb.AllLocalNotesOff();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 60, 0}}));
    EXPECT_EQ(kb.LocalCount(60), 0);
    kb.ReleaseThruNotes();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x95, 40, 0}}));
    EXPECT_EQ(kb.ThruCount(40), 0);
}

// Regression: clearing the thru display on a transposition, channel or chord change used to
// forget what had been sent, so the outside source's release went to another note and the
// original stayed sounding.
TEST_F(KeyboardNotes, ThruReleaseAfterMappingChangesSilencesTheSentNotes) {
    kb.SetChord(chMajor);
    kb.MidiThruInput(0x90, 60, false, 100);
    EXPECT_EQ(log.Take().size(), 3u);
    kb.SetTranspose(7);
    kb.SetChannel(3);
    kb.SetChord(chNone);
    kb.SetTransposeThru(false);
    EXPECT_TRUE(log.Take().empty());  // the source still holds the note
    EXPECT_EQ(kb.ThruCount(60), 0);   // but the display was cleared
    kb.MidiThruInput(0x80, 60, false, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 64, 0}, {0x90, 67, 0}}));
    kb.MidiThruInput(0x80, 60, false, 0);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(KeyboardNotes, ChannelAndVelocityAreMasked) {
    kb.SetChannel(17);
    EXPECT_EQ(kb.Channel(), 1);
    kb.SetVelocity(200);
    EXPECT_EQ(kb.Velocity(), 72);
    kb.SetVelocityShiftFactor(0.0);
    EXPECT_DOUBLE_EQ(kb.VelocityShiftFactor(), 0.01);
}

TEST_F(KeyboardNotes, OctaveLimitsAndOctaveChangeReleasesEverything) {
    int events = 0;
    kb.OnOctaveChange = [&](TKeyboard*) { ++events; };
    kb.SetKeyOctave(10);
    kb.OctaveUp();
    EXPECT_EQ(kb.KeyOctave(), 10);
    kb.SetKeyOctave(0);
    kb.OctaveDown();
    EXPECT_EQ(kb.KeyOctave(), 0);
    EXPECT_EQ(events, 2);
    kb.SetKeyOctave(11);
    EXPECT_EQ(kb.KeyOctave(), 0);

    kb.PlayNote(0, 50, true, 100);
    kb.MidiThruInput(0x92, 51, true, 100);
    log.Take();
    kb.OctaveUp();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x92, 51, 0}, {0x90, 50, 0}}));
    EXPECT_EQ(events, 3);
}

TEST_F(KeyboardNotes, NoteNamesInThreeLanguagesAndCustomNames) {
    EXPECT_EQ(kb.NoteName(61), "C#3");
    EXPECT_EQ(kb.NoteName(0), "C-2");
    EXPECT_EQ(kb.NoteName(200), "G8");
    EXPECT_EQ(kb.NoteName(-4), "C-2");
    kb.SetLanguage(TLanguage::German);
    EXPECT_EQ(kb.NoteName(61), "Cis3");
    EXPECT_EQ(kb.NoteName(71), "H3");
    kb.SetLanguage(TLanguage::Italian);
    EXPECT_EQ(kb.NoteName(61), "Do#3");
    EXPECT_EQ(kb.NoteName(67), "Sol3");

    QStringList names;
    for (int i = 0; i < 128; ++i) names << (i == 60 ? QString("Kick") : QString());
    kb.SetNoteNames(names);
    EXPECT_EQ(kb.DisplayNoteName(60), "Kick");
    EXPECT_EQ(kb.DisplayNoteName(61), "Do#3");
    kb.SetNoteNames(names.mid(0, 127));
    EXPECT_EQ(kb.DisplayNoteName(60), "Do3");
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

TEST_F(KeyboardNotes, ControllerFeedbackAndPitchBendReset) {
    kb.SetUpDownController(7);
    kb.ControllerFeedback(7, 200);
    kb.ControllerFeedback(300, 5);
    kb.ResetPitchBend();
    EXPECT_TRUE(log.Take().empty());  // pitch bend is at its centre already
    kb.EmitControl(0xB0, 1, 2);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB0, 1, 2}}));
    EXPECT_EQ(log.display, (std::vector<TMsg>{{0xB0, 1, 2}}));
}

TEST(KeyboardSettings, RoundTripKeepsEveryValue) {
    TKeyboard a;
    a.SetRegKey("KbTest");
    a.SetBaseNote(40);
    a.SetChannel(5);
    a.SetChord(chMinor7);
    a.SetKeyWidth(12);
    a.SetLanguage(TLanguage::Italian);
    a.SetMarkNote(64);
    a.SetShadowWidth(3);
    a.SetVelocityShiftFactor(0.625);
    a.SetVelocity(90);
    a.SetUpDownController(74);
    a.SetLeftRightController(129);
    a.SetKeyOctave(6);
    a.SetImageSize(isBig);
    a.SetLowerCScanCode(46);
    a.SetUpperCScanCode(20);
    a.SetTranspose(-12);
    a.SetDisplayTransposed(true);
    a.SetTransposeThru(false);
    TMemSettingsStore store;
    a.SaveSettings(store);
    EXPECT_EQ(store.ReadSection("KbTest"),
              (std::vector<std::string>{"BaseNote", "Channel", "Chord", "KeyWidth", "Language",
                                        "MarkNote", "ShadowWidth", "VelShiftFactor", "Velocity",
                                        "UpDownController", "LeftRightController", "KeyOctave",
                                        "ImageSize", "LowerCKey", "UpperCKey", "PaintStyle",
                                        "Transpose", "DisplayTranspose", "TransposeThru"}));
    EXPECT_EQ(store.ReadInteger("KbTest", "VelShiftFactor", 0), 62);  // 62.5 to even

    TKeyboard b;
    b.SetRegKey("KbTest");
    b.LoadSettings(store);
    EXPECT_EQ(b.BaseNote(), 40);
    EXPECT_EQ(b.Channel(), 5);
    EXPECT_EQ(b.Chord(), chMinor7);
    EXPECT_EQ(b.KeyWidth(), 12);
    EXPECT_EQ(b.Language(), TLanguage::Italian);
    EXPECT_EQ(b.MarkNote(), 64);
    EXPECT_EQ(b.ShadowWidth(), 3);
    EXPECT_DOUBLE_EQ(b.VelocityShiftFactor(), 0.62);
    EXPECT_EQ(b.Velocity(), 90);
    EXPECT_EQ(b.UpDownController(), 74);
    EXPECT_EQ(b.LeftRightController(), 129);
    EXPECT_EQ(b.KeyOctave(), 6);
    EXPECT_EQ(b.ImageSize(), isBig);
    EXPECT_EQ(b.LowerCScanCode(), 46);
    EXPECT_EQ(b.UpperCScanCode(), 20);
    EXPECT_EQ(b.Transpose(), -12);
    EXPECT_TRUE(b.DisplayTransposed());
    EXPECT_FALSE(b.TransposeThru());
}

TEST(KeyboardSettings, OutOfRangeStoredValuesKeepTheCurrentOnes) {
    TMemSettingsStore store;
    for (const char* key :
         {"Language", "Chord", "ImageSize", "PaintStyle", "KeyOctave", "LowerCKey", "UpperCKey"})
        store.WriteInteger("Keyboard", key, 99);
    store.WriteInteger("Keyboard", "UpDownController", 200);
    store.WriteInteger("Keyboard", "Channel", 18);
    store.WriteInteger("Keyboard", "Transpose", 500);
    TKeyboard kb;
    kb.SetLanguage(TLanguage::German);
    kb.LoadSettings(store);
    EXPECT_EQ(kb.Language(), TLanguage::German);
    EXPECT_EQ(kb.Chord(), chNone);
    EXPECT_EQ(kb.ImageSize(), isSmall);
    EXPECT_EQ(kb.PaintStyle(), psDraw);
    EXPECT_EQ(kb.KeyOctave(), 4);
    EXPECT_EQ(kb.UpDownController(), 1);
    EXPECT_EQ(kb.LowerCScanCode(), 44);
    EXPECT_EQ(kb.UpperCScanCode(), 16);
    EXPECT_EQ(kb.Channel(), 2);
    EXPECT_EQ(kb.Transpose(), 99);
    EXPECT_EQ(kb.NoteName(60), "C3");
}
