// Incoming MIDI through the main window: with thru on it is played through the keyboard (chord,
// transposition, lit keys) and sent; with thru off it is only shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "support/testwindow.h"

namespace {

class MainWindowThru : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth", "Keys In");
        Start();
        ASSERT_FALSE(w->MidiIn().IsClosed());
        ASSERT_EQ(w->MidiOut().DeviceName(), "Synth");
    }
};

TEST_F(MainWindowThru, ThruPlaysIncomingNotesTransposedAsChordsAndLightsTheKeys) {
    w->Keyboard1->SetChord(chMajor);
    w->Keyboard1->SetTranspose(2);
    Receive({0x503C92});  // note-on channel 3, note 60, velocity 80
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x503E92, 0x504292, 0x504592}));
    EXPECT_GT(w->Player().ThruCount(60), 0);
    out.ClearSent();
    Receive({0x003C82});  // its note-off arrives as a zero-velocity note-on
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x003E92, 0x004292, 0x004592}));
    EXPECT_EQ(w->Player().ThruCount(60), 0);
}

TEST_F(MainWindowThru, WithoutThruNotesOnlyLightTheKeysAndOtherMessagesOnlyShow) {
    w->FindAction("MidiThru1")->trigger();
    ASSERT_FALSE(w->MidiThru());
    Receive({0x643C90, 0x643C90, 0x2001B0, 0x4000E0});
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(w->Player().ThruCount(60), 2);
    EXPECT_EQ(Panel(1), "C3");
    EXPECT_EQ(w->ICMW->Position(), 0x20);
    Receive({0x003C90});
    EXPECT_EQ(w->Player().ThruCount(60), 1);  // a second note-on needs a second release
    Receive({0x003C80});
    EXPECT_EQ(w->Player().ThruCount(60), 0);
}

TEST_F(MainWindowThru, ClosingTheInputWhileNotesAreHeldLeavesNothingSounding) {
    Receive({0x643C90, 0x644090});
    QMenu* menu = w->FindMenu("MidiIn1");
    ASSERT_NE(menu, nullptr);
    w->MidiInMenu1->NoneClick();
    EXPECT_TRUE(w->MidiIn().IsClosed());
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643C90, 0x644090, 0x003C90, 0x004090}));
    EXPECT_EQ(w->Player().ThruCount(60), 0);
}

TEST_F(MainWindowThru, ChosenDevicesAreStoredByNameOnlyInTheRegistry) {
    w->close();
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiIn", ""), "Keys In");
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiOut", ""), "Synth");
    TMemSettingsStore exportFile(false);
    w->SaveSettings(exportFile);
    EXPECT_FALSE(exportFile.ValueExists("MidiDevices", "MidiOut"));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

}  // namespace
