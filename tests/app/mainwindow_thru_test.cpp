// Incoming MIDI through the main window: with thru on it is played through the keyboard (chord,
// transposition, lit keys) and sent; with thru off it is only shown.
#include <gtest/gtest.h>

#include <QAction>
#include <QFocusEvent>
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
    w->Keyboard1->Player().SetChord(chMajor);
    w->Keyboard1->Player().SetTranspose(2);
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

// Clicking the Channel field or opening a window of the program takes the focus from the
// keyboard: the notes an external keyboard holds go on until their own note-offs. Switching thru
// off ends them, since their note-offs would no longer be passed on.
TEST_F(MainWindowThru, ThruNotesOutliveFocusLossAndEndWhenThruIsSwitchedOff) {
    Receive({0x643C90, 0x644090});
    QFocusEvent focusOut(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w->Keyboard1, &focusOut);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643C90, 0x644090}));
    EXPECT_EQ(w->Player().ThruCount(60), 1);
    Receive({0x003C80});
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643C90, 0x644090, 0x003C90}));
    w->FindAction("MidiThru1")->trigger();
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643C90, 0x644090, 0x003C90, 0x004090}));
    EXPECT_EQ(w->Player().ThruCount(64), 0);
}

// Messages lost on their way in may be note-offs: the loss is told, and what thru holds ends.
TEST_F(MainWindowThru, LostIncomingMessagesAreToldAndReleaseWhatThruHolds) {
    Receive({0x643C90});
    EXPECT_EQ(Panel(0).indexOf("lost"), -1);
    in.Drop(3);
    Receive({0x644090});
    EXPECT_NE(Panel(0).indexOf("were lost"), -1) << Panel(0).toStdString();
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x643C90, 0x644090, 0x003C90, 0x004090}));
    EXPECT_EQ(w->Player().ThruCount(60) + w->Player().ThruCount(64), 0);
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
