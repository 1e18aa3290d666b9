#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/tastra.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "midi/midioutput.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/inifile.h"
#include "platform/settings/settingsstore.h"
#include "support/keyevents.h"
#include "support/testwindow.h"

namespace {

// A main window on a virtual MIDI service and an in-memory settings root that outlives it, so a
// second window can be "the next start".
class MainWindowTest : public TWindowTest {
protected:
    void SetUp() override {
        out.AddDevice("Synth A");
        prompts.tickDontRemind = true;
    }

    // Centre of the lower (white-key) part of note n's key, in keyboard coordinates.
    static QPoint WhiteKeyPoint(TKeyboard* k, int note) {
        static const int kWhiteIndex[12] = {0, -1, 1, -1, 2, 3, -1, 4, -1, 5, -1, 6};
        const int w = (note / 12) * 7 + kWhiteIndex[note % 12];
        const int base = (k->BaseNote() / 12) * 7 + kWhiteIndex[k->BaseNote() % 12];
        return {(w - base) * k->KeyWidth() + k->KeyWidth() / 2, k->height() - 8};
    }

    std::vector<uint32_t> SentToMapper() const { return out.SentTo(0); }
};

TEST_F(MainWindowTest, ClickedKeyLeavesThroughTheMapperAsNoteOnAndZeroVelocityNoteOn) {
    auto w = Start();
    ASSERT_FALSE(w->MidiOut().IsClosed());
    EXPECT_EQ(w->MidiOut().DeviceName(), "MIDI Mapper");
    const QPoint p = WhiteKeyPoint(w->Keyboard1, 60);
    QTest::mousePress(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x643C90, 0x003C90}));
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(MainWindowTest, OpenFailureIsReportedAndTheProgramKeepsRunningWithoutDevice) {
    out.SetOpenError(kMidiErrAllocated);
    auto w = Start();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("Cannot open MIDI output device \"MIDI Mapper\":\r\n"))
        << prompts.errors[0].toStdString();
    EXPECT_TRUE(w->MidiOut().IsClosed());
    const QPoint p = WhiteKeyPoint(w->Keyboard1, 60);
    QTest::mouseClick(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_TRUE(out.Sent().empty());
    EXPECT_EQ(w->Player().LocalCount(60), 0);
}

TEST_F(MainWindowTest, ClosingReleasesLatchedNoteSavesAndClosesDevice) {
    auto w = Start();
    const QPoint p = WhiteKeyPoint(w->Keyboard1, 64);
    QTest::mousePress(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    QTest::mouseRelease(w->Keyboard1, Qt::LeftButton, Qt::ControlModifier, p);
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x644090}));  // latched: still sounding
    w->close();
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x644090, 0x004090}));
    EXPECT_TRUE(w->MidiOut().IsClosed());
    EXPECT_EQ(out.OpenHandleCount(), 0);
    const auto* first = store.Find("KeyboardForm", "First Time");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, TMemSettingsStore::Kind::String);
    EXPECT_EQ(first->text, "0");
}

// Regression: a settings file of which nothing could be read was set aside without a word.
TEST_F(MainWindowTest, AnUnreadableSettingsFileIsNamedOnceInTheWarningsWindow) {
    QTemporaryDir dir;
    const std::string hive = dir.filePath("registry.reg").toStdString();
    ASSERT_TRUE(WriteFileAtomically(hive, std::string(256, '\0')));
    std::vector<std::string> copies;
    openRoot = [&] {
        return std::make_unique<TRegistryIniFile>("\\Software\\T", hive, [&](const std::string& c) {
            copies.push_back(c);
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* window = dynamic_cast<TTastra2*>(top)) window->SettingsFileSetAside(c);
        });
    };
    Start();
    ASSERT_EQ(copies.size(), 1u);
    ASSERT_EQ(prompts.warnings.size(), 1);
    ASSERT_EQ(prompts.warnings[0].size(), 1);
    EXPECT_TRUE(prompts.warnings[0][0].contains(QString::fromStdString(copies[0])));
    Stop();
    EXPECT_EQ(prompts.warnings.size(), 1);
    EXPECT_EQ(copies.size(), 1u);
}

TEST_F(MainWindowTest, ClosedBeforeItsStartUpStepsKeepsTheStoredDevicesAndPatchScript) {
    AddDevices("Synth A", "Keys B");
    const std::string script = TASTRA_SOURCE_DIR "/default_patchscript.txt";
    store.WriteString("KeyboardForm", "PatchScript", script);
    TTastraServices s;
    s.midiOut = &out;
    s.midiIn = &in;
    s.prompts = &prompts;
    s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
    {
        TTastra2 early(s);
        early.show();
        early.close();  // before any event was handled: the devices were never read
    }
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiOut", ""), "Synth A");
    EXPECT_EQ(store.ReadString("MidiDevices", "MidiIn", ""), "Keys B");
    EXPECT_EQ(store.ReadString("KeyboardForm", "PatchScript", ""), script);
}

TEST_F(MainWindowTest, SettingsComeBackAtTheNextStart) {
    {
        auto w = Start();
        w->Keyboard1->Player().SetTranspose(5);
        w->Keyboard1->Player().SetChannel(3);
        w->Keyboard1->Player().SetChord(chMinor);
        w->Keyboard1->Player().OctaveUp();
        w->close();
    }
    prompts.reminders.clear();
    auto w = Start();
    EXPECT_EQ(w->Keyboard1->Player().Transpose(), 5);
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 3);
    EXPECT_EQ(w->Keyboard1->Player().Chord(), chMinor);
    EXPECT_EQ(w->Keyboard1->Player().KeyOctave(), 5);
    EXPECT_FALSE(w->FirstTime());
    EXPECT_EQ(w->CBChord->currentIndex(), static_cast<int>(chMinor));
    EXPECT_EQ(w->EChannel->text(), "4");  // shown with the channel display offset
    EXPECT_EQ(Panel(3), "Octave: 3");
    // The transposition reminder came once, and its check box was stored.
    ASSERT_EQ(prompts.reminders.size(), 1);
    EXPECT_EQ(prompts.reminders[0],
              "Transpose is activated (5 semitones)!\r\nYou can edit the transposition from the "
              "Options menu.");
    w->close();
    prompts.reminders.clear();
    Start();
    EXPECT_TRUE(prompts.reminders.isEmpty());
}

TEST_F(MainWindowTest, MenusCarryTheirCaptionsShortcutsAndWork) {
    auto w = Start();
    QAction* down = w->FindAction("OctaveDown1");
    QAction* up = w->FindAction("OctaveUp1");
    ASSERT_NE(down, nullptr);
    ASSERT_NE(up, nullptr);
    EXPECT_EQ(down->text(), "Octave Down");
    EXPECT_EQ(down->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(up->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(up->statusTip(), "Change the octave when play with the computer keyboard");
    ASSERT_NE(w->FindAction("Exit1"), nullptr);
    EXPECT_EQ(w->FindAction("Exit1")->text(), "E&xit");
    up->trigger();
    EXPECT_EQ(Panel(3), "Octave: 3");
    down->trigger();
    down->trigger();
    EXPECT_EQ(Panel(3), "Octave: 1");
    EXPECT_EQ(Panel(2), "Base: C1");
    w->FindAction("Exit1")->trigger();
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindowTest, ChannelFieldAndChordBoxDriveTheKeyboard) {
    auto w = Start();
    w->EChannel->Edit()->setText("10");
    w->EChannelExit();
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 9);
    w->EChannel->Edit()->setText("17");
    w->EChannelExit();
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 9);
    EXPECT_EQ(w->EChannel->text(), "10");
    // Escape drops the typed text; leaving the field afterwards keeps the channel.
    w->EChannel->setFocus();
    w->EChannel->selectAll();
    QTest::keyClicks(w->EChannel, "12");
    QTest::keyClick(w->EChannel, Qt::Key_Escape);
    EXPECT_EQ(w->EChannel->text(), "10");
    w->Keyboard1->setFocus();
    w->EChannelExit();
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 9);
    w->CBChord->setCurrentIndex(1);
    w->CBChordClick();
    out.ClearSent();
    const QPoint p = WhiteKeyPoint(w->Keyboard1, 60);
    QTest::mousePress(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x643C99, 0x644099, 0x644399}));
    QTest::mouseRelease(w->Keyboard1, Qt::LeftButton, Qt::NoModifier, p);
}

TEST_F(MainWindowTest, WindowWidthStaysBetweenChannelFieldAndFullKeyboard) {
    auto w = Start();
    EXPECT_EQ(w->minimumWidth(), w->MinWidth());
    const int height = w->height();
    // At most the keyboard's full width from its left edge plus 5, with the image keys and with
    // old-style 7-pixel keys (narrower than the status bar's hint: the hint is cut instead).
    for (bool drawn : {false, true}) {
        if (drawn) {
            w->Keyboard1->SetPaintStyle(psDraw);
            w->Keyboard1->SetKeyWidth(7);
            w->FitKeyboardToStyle();
        }
        const int rule = w->Keyboard1->FullWidth() + w->Keyboard1->x() + 5;
        EXPECT_EQ(w->maximumWidth(), std::max(w->MinWidth(), rule)) << "drawn " << drawn;
        w->resize(5000, 900);
        EXPECT_EQ(w->width(), w->maximumWidth());
        EXPECT_EQ(w->height(), height);
    }
    EXPECT_EQ(w->ClientArea()->height(), w->DesignHeight());
}

TEST_F(MainWindowTest, AStatusTextTooLongForItsPanelIsCutAndWholeInTheTooltip) {
    auto w = Start();
    // The window is not widened for the texts of its status bar, the keyboard's hint included.
    EXPECT_EQ(w->width(), std::max(w->DesignWidth(), w->MinWidth()));
    const QString text = "Waiting for MIDI OUT " + QString(60, 'W') + "...";
    w->SetStatusText(text);
    auto* panel = Find<QLabel>("StatusPanel0");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->text().endsWith(QChar(0x2026))) << panel->text().toStdString();
    EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
    EXPECT_EQ(panel->toolTip(), text);
    EXPECT_EQ(Panel(0), text);
    w->SetStatusText("Ready");
    EXPECT_EQ(panel->text(), "Ready");
    EXPECT_TRUE(panel->toolTip().isEmpty());
}

// What an exported settings file holds, and what importing it sets.
TEST_F(MainWindowTest, ExportedSettingsLeaveTheDevicesAndSnapshotsOutAndImportBack) {
    QTemporaryDir dir;
    AddDevices("Synth");
    Start();
    QString& exportTo = prompts.exportTo;
    const QStringList& messages = prompts.information;
    exportTo = dir.filePath("s.ini");
    // An old file chosen for replacing must not pass its sections on.
    QFile old(exportTo);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("[MidiDevices]\r\nMidiOut=Other\r\n");
    old.close();
    w->SetWheelController(5);
    w->Keyboard1->Player().SetChannel(4);
    w->FindAction("ExportSettings")->trigger();
    EXPECT_EQ(messages, QStringList({"Settings saved successfully."}));

    TIniFile file(exportTo.toStdString());
    for (const std::string& s : file.ReadSections()) {
        EXPECT_NE(s, "MidiDevices");
        EXPECT_NE(s, "Snapshots");
    }
    EXPECT_EQ(file.ReadString("KeyboardForm", "First Time", ""), "0");
    EXPECT_EQ(file.ReadInteger("KeyboardForm", "MouseWheelController", -1), 5);

    w->SetWheelController(9);
    w->Keyboard1->Player().SetChannel(0);
    prompts.importFrom = exportTo;
    w->FindAction("ImportSettings")->trigger();
    EXPECT_EQ(w->WheelController(), 5);
    EXPECT_EQ(w->Keyboard1->Player().Channel(), 4);
    EXPECT_EQ(messages.last(), "Settings loaded successfully.");
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(prompts.explained, QList<int>({0, 4}));
}

}  // namespace

namespace {

TEST_F(MainWindowTest, ComputerKeysPlayWhileActiveAndAnOpeningMenuReleasesThem) {
    auto w = Start();
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    out.ClearSent();
    keytest::Press(w->windowHandle(), 44, Qt::Key_Z);  // Z: note 48 at octave 4
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x643090}));
    // Opening a menu stops the capture: the held note is released at once, not when the key
    // comes up (which the menu would swallow).
    emit w->FindMenu("Options1")->aboutToShow();
    EXPECT_EQ(SentToMapper(), (std::vector<uint32_t>{0x643090, 0x003090}));
    keytest::Release(w->windowHandle(), 44, Qt::Key_Z);
    EXPECT_EQ(SentToMapper().size(), 2u);
    emit w->FindMenu("Options1")->aboutToHide();
    keytest::Press(w->windowHandle(), 16, Qt::Key_Q);
    keytest::Release(w->windowHandle(), 16, Qt::Key_Q);
    EXPECT_EQ(SentToMapper().size(), 4u);
}

}  // namespace
