// The main window's chord box with user chords, its wheels and its scroll arrows.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>

#include "app/tastra.h"
#include "chords/chordlist.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"
#include "platform/settings/settingsstore.h"
#include "support/testwindow.h"

namespace {

class MainWindowControls : public TWindowTest {
protected:
    void SetUp() override {
        TChordList chords;
        chords.NewChord().Parse("Sus4", "3C0507");
        chords.NewChord().Parse("Wide", "3C0C18");
        TSharedStoreView view(store);
        chords.Save(view);
        out.AddDevice("Synth");
        Start();
    }

    void Strike(int note) {
        w->Keyboard1->Player().PlayNote(w->Keyboard1->Player().Channel(), note, true, 100);
        w->Keyboard1->Player().PlayNote(w->Keyboard1->Player().Channel(), note, true, 0);
    }

    std::vector<uint32_t> NoteOns() const {
        std::vector<uint32_t> ons;
        for (uint32_t v : out.SentTo(0))
            if ((v & 0xF0) == 0x90 && (v >> 16) != 0) ons.push_back(v);
        return ons;
    }
};

TEST_F(MainWindowControls, ChordBoxListsBuiltinsThenUserChordsAndPlaysTheChosenOne) {
    ASSERT_EQ(w->CBChord->count(), 10);
    EXPECT_EQ(w->CBChord->itemText(7), "Power");
    EXPECT_EQ(w->CBChord->itemText(8), "Sus4");
    w->CBChord->setCurrentIndex(8);
    w->CBChordClick();
    EXPECT_EQ(w->Keyboard1->Player().Chord(), chCustom);
    Strike(60);
    EXPECT_EQ(NoteOns(), (std::vector<uint32_t>{0x643C90, 0x644190, 0x644390}));
}

TEST_F(MainWindowControls, ReloadKeepsTheSelectedUserChordByNameEvenWhenItMoves) {
    w->CBChord->setCurrentIndex(9);  // "Wide"
    w->CBChordClick();
    // Another window (the chord editor) rewrites the list: "Wide" is now first, in other case.
    TChordList chords;
    chords.NewChord().Parse("WIDE", "3C0C18");
    chords.NewChord().Parse("Sus4", "3C0507");
    TSharedStoreView view(store);
    chords.Save(view);
    w->ReloadChords();
    EXPECT_EQ(w->CBChord->currentIndex(), 8);
    EXPECT_EQ(w->CustomChordIndex(), 0);
    // A removed chord falls back to "None".
    TChordList none;
    none.Save(view);
    w->ReloadChords();
    EXPECT_EQ(w->CBChord->currentIndex(), 0);
    EXPECT_EQ(w->Keyboard1->Player().Chord(), chNone);
}

TEST_F(MainWindowControls, HomeAndEndStepThroughTheChordsAndWrapAround) {
    w->Keyboard1->setFocus();
    QTest::keyClick(w->Keyboard1, Qt::Key_Home);
    EXPECT_EQ(w->CBChord->currentIndex(), 9);
    QTest::keyClick(w->Keyboard1, Qt::Key_End);
    EXPECT_EQ(w->CBChord->currentIndex(), 0);
    QTest::keyClick(w->Keyboard1, Qt::Key_End);
    EXPECT_EQ(w->Keyboard1->Player().Chord(), chMajor);
}

TEST_F(MainWindowControls, StoredCustomChordIndexComesBackAndAnIndexBeyondTheListFallsBack) {
    w->CBChord->setCurrentIndex(9);
    w->CBChordClick();
    w->close();
    Start();
    EXPECT_EQ(w->CBChord->currentIndex(), 9);
    Strike(60);
    EXPECT_EQ(NoteOns(), (std::vector<uint32_t>{0x643C90, 0x644890, 0x645490}));
    w->close();
    store.WriteInteger("KeyboardForm", "CustomChord", 7);
    Start();
    EXPECT_EQ(w->CBChord->currentIndex(), 8);
}

// "CustomChord" is a position: it is counted in the list as stored at close, where another
// running copy may have removed a chord before the selected one.
TEST_F(MainWindowControls, TheSelectedChordSurvivesAChordRemovedByAnotherCopy) {
    w->CBChord->setCurrentIndex(9);  // "Wide"
    w->CBChordClick();
    TChordList other;
    other.NewChord().Parse("Wide", "3C0C18");
    TSharedStoreView view(store);
    other.Save(view);
    Start();
    EXPECT_EQ(store.ReadInteger("KeyboardForm", "CustomChord", -1), 0);
    EXPECT_EQ(w->CBChord->currentText(), "Wide");
    EXPECT_EQ(w->Keyboard1->Player().Chord(), chCustom);
}

TEST_F(MainWindowControls, ValuesAreWrittenInTheirStoredOrder) {
    dataFolder = TASTRA_SOURCE_DIR;  // a patch list with a mode
    Start();
    w->CBChord->setCurrentIndex(8);
    w->CBChordClick();
    TMemSettingsStore written(true);
    w->SaveSettings(written);
    std::vector<std::string> names = written.ReadSection("KeyboardForm");
    names.erase(names.begin(), std::find(names.begin(), names.end(), "MWCtrl"));
    const std::vector<std::string> stored = {
        "MWCtrl", "ShowBasenoteButtons", "Midi Thru", "First Time", "Program", "Bank",
        "MouseWheelController", "MouseWheelSensitivity", "StayOnTop", "DontRemindTranspose",
        "PatchScript", "PatchMode", "CustomChord", "Knob Preset", "DontShowExSettings",
        "DontShowExKnobPresets", "DontShowExKnobSnapshots", "DontShowExChords",
        "DontShowImSettings", "ImKnobPresetsOverwrite", "DontShowImKnobSnapshots",
        "ImChordsOverwrite", "PlayFromAnyWindow", "Language", "ThruWithoutDelay"};
    EXPECT_EQ(names, stored);
}

TEST_F(MainWindowControls, ChosenLanguageIsStoredAndSaidToApplyAtTheNextStart) {
    const auto language = [this] { return store.ReadString("KeyboardForm", "Language", "?"); };
    w->SaveSettings(store);
    EXPECT_EQ(language(), "");  // follows the desktop
    QMenu* menu = w->menuBar()->findChild<QMenu*>("Language1");
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions())
        if (a->text() == "English") a->trigger();
    ASSERT_EQ(prompts.information.size(), 1);
    EXPECT_TRUE(prompts.information.first().contains("next time the program starts"));
    w->SaveSettings(store);
    EXPECT_EQ(language(), "en");
}

TEST_F(MainWindowControls, ReflectedPitchAndModulationMoveTheWheelsWithoutSending) {
    w->ReflectMessage(0xE3, 16, 67);  // 400 above centre, any channel
    EXPECT_EQ(w->ICPitch->Position(), 400);
    w->ReflectMessage(0xB0, 1, 99);
    EXPECT_EQ(w->ICMW->Position(), 99);
    EXPECT_TRUE(out.Sent().empty());
}

TEST_F(MainWindowControls, ModulationWheelSendsItsControllerAndDoubleClickResetsIt) {
    TImgControl* mw = w->ICMW;
    const QPoint c(mw->width() / 2, mw->height() / 2);
    QTest::mousePress(mw, Qt::LeftButton, Qt::NoModifier, c);
    QTest::mouseMove(mw, c - QPoint(0, 10));
    QTest::mouseRelease(mw, Qt::LeftButton, Qt::NoModifier, c - QPoint(0, 10));
    ASSERT_FALSE(out.Sent().empty());
    const uint32_t last = out.Sent().back().Packed;
    EXPECT_EQ(last & 0xFFFF, 0x01B0u);
    EXPECT_EQ(int(last >> 16), mw->Position());
    EXPECT_GT(mw->Position(), 0);
    QTest::mouseDClick(mw, Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_EQ(mw->Position(), 0);
    EXPECT_EQ(out.Sent().back().Packed, 0x0001B0u);
}

TEST_F(MainWindowControls, ArrowsScrollTheKeyboardByOneWhiteKey) {
    const int before = w->Keyboard1->BaseNote();  // 36, C1
    QTest::mouseClick(w->ICRightArrow, Qt::LeftButton, Qt::NoModifier, QPoint(8, 30));
    EXPECT_EQ(w->Keyboard1->BaseNote(), before + 2);  // D1
    QTest::mouseClick(w->ICLeftArrow, Qt::LeftButton, Qt::NoModifier, QPoint(8, 30));
    QTest::mouseClick(w->ICLeftArrow, Qt::LeftButton, Qt::NoModifier, QPoint(8, 30));
    EXPECT_EQ(w->Keyboard1->BaseNote(), before - 1);  // B0
}

}  // namespace
