#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <thread>

#include "keyboard/noteplayer.h"
#include "keyboardtestutil.h"

using kbtest::TMsg;
using kbtest::TNoteLog;

namespace {

struct TSeen : TNotePlayerObserver {
    int octaves = 0;
    void KeyChanged(int, bool) override {}
    void AllKeysChanged() override {}
    void MousePlayEnded() override {}
    void KeyOctaveChanged() override { ++octaves; }
};

struct NotePlayerNotes : ::testing::Test {
    TNotePlayer player;
    TNoteLog log;
    TSeen seen;
    void SetUp() override {
        log.Attach(player);
        player.SetObserver(&seen);
    }
};

// Set-1 scan codes of the lower row's Z and C and the upper row's Q.
constexpr int kZ = 44, kC = 46, kQ = 16;

}  // namespace

TEST_F(NotePlayerNotes, TransposeSendsShiftedNoteAndLightsPlayedOrSentKey) {
    player.SetTranspose(150);
    EXPECT_EQ(player.Transpose(), 99);
    player.SetTranspose(-100);
    EXPECT_EQ(player.Transpose(), -99);
    player.SetTranspose(12);
    log.Take();

    player.PlayNote(0, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 100}}));
    EXPECT_EQ(player.LocalCount(60), 1);
    EXPECT_EQ(player.LocalCount(72), 0);
    player.PlayNote(0, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 0}}));  // releases are note-ons, vel 0

    // A note transposed beyond 127 is shown but not sent...
    player.PlayNote(0, 120, true, 100);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(player.LocalCount(120), 1);
    player.PlayNote(0, 120, true, 0);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(player.LocalCount(120), 0);

    // ...and with the display transposed it is neither sent nor shown.
    player.SetDisplayTransposed(true);
    player.PlayNote(0, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 72, 100}}));
    EXPECT_EQ(player.LocalCount(72), 1);
    player.PlayNote(0, 120, true, 100);
    EXPECT_TRUE(log.Take().empty());
    for (int n = 0; n < 128; ++n) EXPECT_EQ(player.LocalCount(n), n == 72 ? 1 : 0);
}

TEST_F(NotePlayerNotes, ThruNotesFollowTransposeThruAndTheirOwnChannel) {
    player.SetTranspose(5);
    player.MidiThruInput(0x93, 60, true, 100);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x93, 65, 100}}));
    player.MidiThruInput(0x83, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x93, 65, 0}}));

    player.SetTransposeThru(false);
    player.MidiThruInput(0x93, 60, false, 100);  // keyboard's own channel
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 100}}));
    EXPECT_EQ(player.ThruCount(60), 1);

    // Non-note channel messages pass untouched; system and stray data bytes do not.
    player.MidiThruInput(0xB2, 7, true, 200);
    player.MidiThruInput(0xF8, 0, true, 0);
    player.MidiThruInput(0x40, 1, true, 2);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB2, 7, 72}}));
}

TEST_F(NotePlayerNotes, ChordsDropTonesOutsideTheRange) {
    player.SetChord(chPower);
    player.PlayNote(0, 5, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 90}, {0x90, 12, 90}, {0x90, 17, 90}}));
    player.PlayNote(0, 5, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 5, 0}, {0x90, 12, 0}, {0x90, 17, 0}}));

    player.SetChord(chMajor7);
    player.PlayNote(1, 120, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x91, 120, 90}, {0x91, 124, 90}, {0x91, 127, 90}}));
    player.PlayNote(1, 120, true, 0);
    log.Take();

    player.SetCustomChord({4, 7, 4, 0}, true);
    EXPECT_EQ(player.Chord(), chCustom);
    EXPECT_EQ(player.CustomChord(), (std::vector<int8_t>{4, 7}));
    player.PlayNote(0, 60, true, 90);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 90}, {0x90, 64, 90}, {0x90, 67, 90}}));
}

TEST_F(NotePlayerNotes, CountsNeverGoBelowZeroAndStrayReleasesSendNothing) {
    player.PlayNote(0, 60, true, 0);
    player.ShowIncomingNote(61, 0);
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(player.LocalCount(60), 0);
    EXPECT_EQ(player.ThruCount(61), 0);

    player.PlayNote(0, 60, true, 100);
    player.PlayNote(0, 60, true, 0);
    player.PlayNote(0, 60, true, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 100}, {0x90, 60, 0}}));
    EXPECT_EQ(player.LocalCount(60), 0);

    player.ShowIncomingNote(61, 80);
    player.ShowIncomingNote(61 + 128, 80);  // masked into range
    EXPECT_EQ(player.ThruCount(61), 2);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(NotePlayerNotes, ResetsSendOneNoteOffPerNoteOnOnTheSentChannel) {
    player.PlayNote(0, 60, true, 100);
    player.PlayNote(0, 60, true, 100);
    player.MidiThruInput(0x95, 40, true, 100);
    log.Take();
    player.AllLocalNotesOff();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 60, 0}}));
    EXPECT_EQ(player.LocalCount(60), 0);
    player.ReleaseThruNotes();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x95, 40, 0}}));
    EXPECT_EQ(player.ThruCount(40), 0);
}

// Regression: clearing the thru display on a transposition, channel or chord change used to
// forget what had been sent, so the outside source's release went to another note and the
// original stayed sounding.
TEST_F(NotePlayerNotes, ThruReleaseAfterMappingChangesSilencesTheSentNotes) {
    player.SetChord(chMajor);
    player.MidiThruInput(0x90, 60, false, 100);
    EXPECT_EQ(log.Take().size(), 3u);
    player.SetTranspose(7);
    player.SetChannel(3);
    player.SetChord(chNone);
    player.SetTransposeThru(false);
    EXPECT_TRUE(log.Take().empty());  // the source still holds the note
    EXPECT_EQ(player.ThruCount(60), 0);   // but the display was cleared
    player.MidiThruInput(0x80, 60, false, 0);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 64, 0}, {0x90, 67, 0}}));
    player.MidiThruInput(0x80, 60, false, 0);
    EXPECT_TRUE(log.Take().empty());
}

TEST_F(NotePlayerNotes, ChannelAndVelocityAreMasked) {
    player.SetChannel(17);
    EXPECT_EQ(player.Channel(), 1);
    player.SetVelocity(200);
    EXPECT_EQ(player.Velocity(), 72);
    player.SetVelocityShiftFactor(0.0);
    EXPECT_DOUBLE_EQ(player.VelocityShiftFactor(), 0.01);
}

TEST_F(NotePlayerNotes, OctaveLimitsAndOctaveChangeReleasesEverything) {
    player.SetKeyOctave(10);
    player.OctaveUp();
    EXPECT_EQ(player.KeyOctave(), 10);
    player.SetKeyOctave(0);
    player.OctaveDown();
    EXPECT_EQ(player.KeyOctave(), 0);
    EXPECT_EQ(seen.octaves, 2);
    player.SetKeyOctave(11);
    EXPECT_EQ(player.KeyOctave(), 0);

    player.PlayNote(0, 50, true, 100);
    player.MidiThruInput(0x92, 51, true, 100);
    log.Take();
    player.OctaveUp();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x92, 51, 0}, {0x90, 50, 0}}));
    EXPECT_EQ(seen.octaves, 3);
}

TEST_F(NotePlayerNotes, ControllerFeedbackAndPitchBendReset) {
    // A controller moved elsewhere: the axis on it goes on from there; a number that is no
    // controller (300 would wrap to 44) moves nothing.
    player.SetUpDownController(7);
    player.SetLeftRightController(44);
    player.ControllerFeedback(7, 200);  // 200 & 127 = 72
    player.ControllerFeedback(300, 5);
    player.StartAxes();
    player.MoveAxes(6, 6);  // one pixel past the dead zone: two steps up
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB0, 7, 74}, {0xB0, 44, 2}}));
    log.display.clear();
    player.SetLeftRightController(128);
    player.ResetPitchBend();
    EXPECT_TRUE(log.Take().empty());  // pitch bend is at its centre already
    player.EmitControl(0xB0, 1, 2);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0xB0, 1, 2}}));
    EXPECT_EQ(log.display, (std::vector<TMsg>{{0xB0, 1, 2}}));
}


TEST_F(NotePlayerNotes, LatchedMouseNoteSoundsUntilTheNextPressAndFollowsTheChord) {
    player.MousePress(60, 90);
    player.MouseRelease(60, true);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 90}}));
    player.SetChord(chOctave);  // released with the old chord, struck again with the new one
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 60, 90}, {0x90, 72, 90}}));
    player.EndLatch();
    player.EndLatch();
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 60, 0}, {0x90, 72, 0}}));

}

// A computer key's release stops what its own press started, whatever changed in between.
TEST_F(NotePlayerNotes, ComputerKeysReleaseWhatTheirPressStarted) {
    EXPECT_EQ(player.ComputerKey(kZ, false, false), 48);
    EXPECT_EQ(player.ComputerKey(kZ, false, true), 48);  // a lost release: the first one stops
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100}, {0x90, 48, 0}, {0x90, 48, 50}}));
    player.SetLowerCScanCode(30);  // A is no white key of the lower row
    EXPECT_EQ(player.LowerCScanCode(), kZ);
    player.SetLowerCScanCode(kC);  // the map moves under the held key
    EXPECT_EQ(player.ComputerKey(kZ, true, false), 48);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 0}}));
    EXPECT_EQ(player.ComputerKey(kZ, true, false), 45);  // nothing held: nothing sent
    EXPECT_TRUE(log.Take().empty());

    player.SetKeyOctave(10);
    EXPECT_EQ(player.ComputerKey(kQ, false, false), -1);  // note 132
    EXPECT_EQ(player.ComputerKey(1, false, false), -1);   // Escape plays nothing
    EXPECT_EQ(player.ComputerKey(200, false, false), -1);
    EXPECT_TRUE(log.Take().empty());
}

TEST(NotePlayerScanMap, PlayersSharingAMapSeeEachOthersCKeys) {
    scanmap::TScanMap map = scanmap::DefaultScanMap();
    TNotePlayer a(&map), b(&map);
    a.SetLowerCScanCode(kC);
    EXPECT_EQ(b.ComputerKey(kC, false, false), 48);
    TNotePlayer own;
    EXPECT_EQ(own.ComputerKey(kC, false, false), 52);
    EXPECT_EQ(scanmap::DefaultScanMap(), own.ScanMap());
}

TEST_F(NotePlayerNotes, KeyMapReplacesTheRowsUntilTheyComeBackAtTheMovedCKeys) {
    scanmap::TScanMap accordion = scanmap::MapOfKeys({{16, 0}, {44, 0}, {86, 7}});
    EXPECT_EQ(player.ComputerKey(kZ, false, false), 48);  // held across the change
    player.UseKeyMap(accordion);
    EXPECT_EQ(player.ComputerKey(kQ, false, false), 48);
    EXPECT_EQ(player.ComputerKey(86, false, false), 55);  // a key beyond the piano rows
    EXPECT_EQ(player.ComputerKey(kC, false, false), -1);
    EXPECT_EQ(player.ScanCodesOf(48), (std::vector<int>{kQ, kZ}));
    // The C keys are kept, but move nothing in a map of one's own.
    player.SetLowerCScanCode(kC);
    EXPECT_EQ(player.ScanMap(), accordion);
    EXPECT_EQ(player.ComputerKey(kZ, true, false), 48);
    EXPECT_EQ(player.ComputerKey(kQ, true, false), 48);
    EXPECT_EQ(player.ComputerKey(86, true, false), 55);
    EXPECT_EQ(log.Take(), (std::vector<TMsg>{{0x90, 48, 100},
                                             {0x90, 48, 100},
                                             {0x90, 55, 100},
                                             {0x90, 48, 0},
                                             {0x90, 48, 0},
                                             {0x90, 55, 0}}));
    player.UsePianoRows();
    EXPECT_FALSE(player.KeyMapInUse());
    EXPECT_EQ(player.ScanMap(),
              scanmap::RebuildRow(scanmap::DefaultScanMap(), kC, scanmap::kLowerRow));
    player.SetKeyOctave(5);
    EXPECT_EQ(player.ScanCodesOf(60), (std::vector<int>{kC}));
    EXPECT_EQ(player.ScanCodesOf(72), (std::vector<int>{kQ, 53}));
}

TEST_F(NotePlayerNotes, ThruKeysRememberTheChannelThatLitThemLast) {
    player.MidiThruInput(0x92, 60, true, 90);
    player.MidiThruInput(0x95, 60, true, 90);
    player.ShowIncomingNote(62, 80, 7);
    EXPECT_EQ(player.ThruChannel(60), 5);
    EXPECT_EQ(player.ThruChannel(62), 7);
    player.MidiThruInput(0x85, 60, true, 0);
    EXPECT_EQ(player.ThruChannel(60), 2);
    player.PlayNote(0, 60, true, 100);  // the user's own press is no channel's
    EXPECT_EQ(player.ThruChannel(60), 2);
    // A display-only release on another channel still takes the key down by one.
    player.ShowIncomingNote(62, 0, 3);
    EXPECT_EQ(player.ThruCount(62), 0);
    EXPECT_EQ(player.ThruChannel(62), -1);
    player.ShowIncomingNote(62, 80, 7);
    player.ClearThruDisplay();
    EXPECT_EQ(player.ThruChannel(60), -1);
    EXPECT_EQ(player.ThruChannel(62), -1);
    player.ShowIncomingNote(62, 80, 1);
    EXPECT_EQ(player.ThruChannel(62), 1);
    player.ReleaseThruNotes();
    EXPECT_EQ(player.ThruChannel(62), -1);
}

// The computer keys play on the thread that reads them while the window thread plays the mouse,
// passes notes through and changes the chord and the transposition: every note that left is
// released again, and once all have let go no key is left sounding or lit.
TEST(NotePlayerThreads, KeysMouseAndThruAtOnceLeaveNothingSounding) {
    TNotePlayer player;
    std::mutex logLock;
    std::map<std::pair<int, int>, int> onMinusOff;
    player.OnSend = [&](uint8_t status, uint8_t data1, uint8_t data2) {
        if ((status & 0xF0) != 0x90) return;
        const std::lock_guard<std::mutex> guard(logLock);
        onMinusOff[{status & 15, data1}] += data2 > 0 ? 1 : -1;
    };
    std::thread keys([&] {
        const int scans[] = {kQ, 17, 18, kZ, 45, kC};
        for (int round = 0; round < 3000; ++round) {
            const int scan = scans[round % 6];
            player.ComputerKey(scan, false, round % 3 == 0);
            if (round % 5 == 0) player.ComputerKey(scans[(round + 1) % 6], false, false);
            player.ComputerKey(scan, true, false);
            if (round % 5 == 0) player.ComputerKey(scans[(round + 1) % 6], true, false);
        }
    });
    for (int round = 0; round < 3000; ++round) {
        const int note = 40 + round % 20;
        player.MousePress(note, 100);
        player.MidiThruInput(0x91, static_cast<uint8_t>(note + 5), true, 90);
        player.SetChord(round % 4 == 0 ? chMajor : chNone);
        player.SetTranspose(round % 7 - 3);
        player.MidiThruInput(0x91, static_cast<uint8_t>(note + 5), true, 0);
        player.MouseRelease(note, false);
    }
    keys.join();
    for (const auto& [key, count] : onMinusOff)
        EXPECT_EQ(count, 0) << "channel " << key.first << " note " << key.second;
    for (int n = 0; n < 128; ++n) {
        EXPECT_EQ(player.LocalCount(n), 0) << n;
        EXPECT_EQ(player.ThruCount(n), 0) << n;
    }
}
