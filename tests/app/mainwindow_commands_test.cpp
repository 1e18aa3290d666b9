// Panic, the page keys, the mouse wheel and Stay on Top.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "support/testwindow.h"

namespace {

class MainWindowCommands : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth");
        Start();
    }

    void Wheel(int delta, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QWidget* target = w->Keyboard1;
        const QPointF p(20, 20);
        QWheelEvent e(p, target->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &e);
    }
};

TEST_F(MainWindowCommands, CtrlSpacePanicReleasesEverythingOnEveryChannelInOrder) {
    // A latched note is released by the keyboard first, then the panic stream follows.
    w->Keyboard1->Player().PlayNote(0, 60, true, 100);
    out.ClearSent();
    w->Keyboard1->setFocus();
    QTest::keyClick(w->Keyboard1, Qt::Key_Space, Qt::ControlModifier);
    const std::vector<uint32_t> sent = Sent();
    ASSERT_EQ(sent.size(), 1u + 16 * 130);
    EXPECT_EQ(sent[0], 0x003C90u);
    size_t i = 1;
    for (uint32_t c = 0; c < 16; ++c) {
        for (uint32_t n = 0; n < 128; ++n) ASSERT_EQ(sent[i++], (0x90 + c) | n << 8);
        EXPECT_EQ(sent[i++], (0xB0 + c) | 120 << 8);
        EXPECT_EQ(sent[i++], (0xB0 + c) | 123 << 8);
    }
    EXPECT_EQ(prompts.pauses, std::vector<int>(16, 150));
    EXPECT_EQ(Panel(0), "Panic: 100%");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(MainWindowCommands, PanicThatFailsRestoresCursorAndPanelAndSaysWhy) {
    const QString look = Find<QLabel>("PPanic")->styleSheet();
    out.SetSendError(kMidiErrError);
    w->BPanicClick();
    EXPECT_EQ(prompts.errors.size(), 1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(Find<QLabel>("PPanic")->styleSheet(), look);
}

// The program change and Panic send like everything else: a device that is gone is closed, and
// only its first failure gets a box. Found gone by a send before any recheck saw it go (a server
// stopping while keys are played), it is awaited all the same and opened again when it is back.
TEST_F(MainWindowCommands, ProgramChangeAndPanicShareTheOneFailurePolicy) {
    out.RemoveDevice(0);
    auto* program = Find<TUpDown>("UDProgram");
    program->SetPosition(3);
    program->OnClick(program);
    EXPECT_TRUE(w->MidiOut().IsClosed());
    w->BPanicClick();
    EXPECT_EQ(prompts.errors.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->MidiOutMenu1->AwaitedDevice() == "Synth"; }, 2000));
    EXPECT_TRUE(Panel(0).startsWith("Waiting for MIDI OUT Synth")) << Panel(0).toStdString();
    EXPECT_EQ(w->StoreSettings(), "");
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiOut", ""), "Synth");
    out.AddDevice("Synth");
    w->MidiOutMenu1->Refresh(false);
    EXPECT_FALSE(w->MidiOut().IsClosed());
}

TEST_F(MainWindowCommands, PageKeysStepPatchesAndProgramsWithWrapAround) {
    Stop();  // what the next start reads
    QTemporaryDir dir;
    QFile f(dir.filePath("synth.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[cubase parse file]\n[parser version 1]\n[define patchnames]\n[mode]Synth\n"
        "[g1]Keys\n[p2, 0, 1, 2]Grand\n[p2, 4, -1]Plain\n[end]\n");
    f.close();
    store.WriteString("KeyboardForm", "PatchScript", f.fileName().toStdString());
    store.WriteString("KeyboardForm", "PatchMode", "Synth");
    store.WriteInteger("KeyboardForm", "Program", 4);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    Start();
    auto* patch = Find<QComboBox>("CBProgramPatch");
    auto* program = Find<TNumberEdit>("EProgram");
    EXPECT_EQ(patch->currentIndex(), 2);  // Plain: program 4, no bank
    w->Keyboard1->setFocus();
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown);
    EXPECT_EQ(patch->currentIndex(), 0);  // past the last: "(none)"
    EXPECT_EQ(patch->currentText(), "(none)");
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp);
    EXPECT_TRUE(patch->currentText().startsWith("Plain"));

    program->setText("128");
    program->OnExit();
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(program->text(), "none");
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(program->text(), "1");
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(program->text(), "128");
}

TEST_F(MainWindowCommands, WheelDrivesItsControllerOrPitchBendOrNothing) {
    Wheel(120);  // modulation by default: 120 x 4 / 60
    Wheel(120, Qt::ShiftModifier);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x0801B0, 0x0A01B0}));
    EXPECT_EQ(w->ICMW->Position(), 10);
    out.ClearSent();
    w->SetWheelController(128);
    Wheel(120);  // 480 above the centre
    ASSERT_EQ(Sent().size(), 1u);
    EXPECT_EQ(Sent()[0], 0xE0u | (8672 & 127) << 8 | (8672 >> 7) << 16);
    EXPECT_EQ(w->ICPitch->Position(), 480);
    out.ClearSent();
    w->SetWheelController(129);
    Wheel(120);
    EXPECT_TRUE(Sent().empty());
}

// A stored sensitivity beyond the settings window's range once turned a wheel-up into full
// pitch bend down.
TEST_F(MainWindowCommands, StoredWheelSensitivityIsKeptInTheSettingsRange) {
    w->close();
    store.WriteInteger("KeyboardForm", "MouseWheelSensitivity", 17895698);
    store.WriteInteger("KeyboardForm", "MouseWheelController", 128);
    SetUp();
    EXPECT_EQ(w->WheelSensitivity(), 10);
    Wheel(120);
    EXPECT_EQ(w->ICPitch->Position(), 1200);
    Wheel(30000);
    EXPECT_EQ(w->ICPitch->Position(), w->ICPitch->Max());
}

TEST_F(MainWindowCommands, StayOnTopIsAMenuToggleThatIsStored) {
    QAction* item = w->FindAction("StayonTop1");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Stay &on Top");
    item->trigger();
    EXPECT_TRUE(w->StayOnTop());
    EXPECT_TRUE(item->isChecked());
    w->close();
    EXPECT_TRUE(store.ReadBool("KeyboardForm", "StayOnTop", false));
}

}  // namespace
