#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/errform.h"
#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/updown.h"
#include "keyboard/keyboard.h"
#include "platform/midi/virtualmidi.h"
#include "platform/settings/programpaths.h"
#include "platform/settings/settingsstore.h"
#include "support/storeview.h"
#include "support/testwindow.h"

namespace {

const char* const kScriptHead = "[cubase parse file]\n[parser version 1]\n";
const char* const kPatches =
    "[define patchnames]\n[mode]Synth\n[g1]Keys\n[p2, 0, 1, 2]Grand\n[p2, 4, -1]Plain\n"
    "[mode]Drums\n[p1, 0, -1]Kit\n[k 36]Kick\n[end]\n";

// A main window on a virtual device whose program folder is a temporary folder, so that the
// default patch script is whatever the test writes there.
class MainWindowPatches : public ::testing::Test {
protected:
    void SetUp() override {
        service.AddDevice("Synth A");
        SetProgramFilePath(dir.filePath("tastra_tests").toStdString());
    }
    void TearDown() override { SetProgramFilePath(""); }

    QString Write(const QString& name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }

    std::unique_ptr<TTastra2> Start() {
        TTastraServices s;
        s.midiOut = &service;
        s.midiIn = &inService;
        s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
        return StartTestWindow(s, [this](TTastra2& w) {
            w.OnShowWarnings = [this](TErrForm* form) { shownWarnings << form->Lines(); };
        });
    }

    void StorePatchScript(const QString& path, const QString& mode = QString()) {
        store.WriteString("KeyboardForm", "PatchScript", path.toStdString());
        store.WriteString("KeyboardForm", "PatchMode", mode.toStdString());
    }

    QAction* MenuPatch(TTastra2* w, const QString& mode, const QString& text) {
        for (QAction* m : w->Patches1->actions())
            if (m->menu() && m->text() == mode)
                for (QMenu* sub : m->menu()->findChildren<QMenu*>())
                    for (QAction* a : sub->actions())
                        if (a->text() == text) return a;
        return nullptr;
    }

    std::vector<uint32_t> Sent() const { return service.SentTo(0); }

    QTemporaryDir dir;
    TVirtualMidiService service;
    TVirtualMidiInService inService;
    TMemSettingsStore store{true};
    QList<QStringList> shownWarnings;
};

class MainWindowPatchOrder : public MainWindowPatches,
                             public ::testing::WithParamInterface<bool> {};

TEST_P(MainWindowPatchOrder, ChosenPatchSendsBankSelectInTheScriptsOrderThenProgram) {
    const bool msbFirst = GetParam();
    QByteArray script = kScriptHead;
    if (msbFirst) script += "[bank: do send msb first]\n";
    StorePatchScript(Write("synth.txt", script + kPatches));
    auto w = Start();
    service.ClearSent();
    QAction* grand = MenuPatch(w.get(), "Synth", "Grand 001:00131");
    ASSERT_NE(grand, nullptr);
    grand->trigger();
    const std::vector<uint32_t> msbThenLsb{0x0100B0, 0x0220B0, 0x0000C0};
    const std::vector<uint32_t> lsbThenMsb{0x0220B0, 0x0100B0, 0x0000C0};
    EXPECT_EQ(Sent(), msbFirst ? msbThenLsb : lsbThenMsb);
    EXPECT_EQ(w->CBProgramPatch->currentText(), "Grand 001:00131");
    EXPECT_EQ(w->EBank->text(), "131");
    EXPECT_EQ(w->LBank->toolTip(), "Bank: 131 (MSB: 1 LSB: 2)");
}

INSTANTIATE_TEST_SUITE_P(BothOrders, MainWindowPatchOrder, ::testing::Bool());

TEST_F(MainWindowPatches, StartupLoadsTheRememberedScriptSelectsItsModeAndSendsOnce) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "drums");
    store.WriteInteger("KeyboardForm", "Program", 0);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    auto w = Start();
    EXPECT_TRUE(shownWarnings.isEmpty());
    EXPECT_EQ(w->StatusPanels()->PanelText(4), "Drums");
    ASSERT_NE(w->CurrentPatch(), nullptr);
    EXPECT_EQ(w->CurrentPatch()->Name(), "Kit");
    EXPECT_EQ(w->Keyboard1->DisplayNoteName(36), "Kick");
    const uint32_t channel = w->Keyboard1->Channel();
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0xC0 + channel}));
    EXPECT_EQ(w->EBank->text(), "none");
    // The menu: one submenu per mode above the separator, subgroups inside.
    const QList<QAction*> items = w->Patches1->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Synth");
    EXPECT_EQ(items[1]->text(), "Drums");
    EXPECT_EQ(items[2], w->PatchSetSep);
    EXPECT_TRUE(w->PatchSetSep->isVisible());

    // Saving remembers script and mode.
    w->close();
    EXPECT_EQ(store.ReadString("KeyboardForm", "PatchScript", ""),
              dir.filePath("synth.txt").toStdString());
    EXPECT_EQ(store.ReadString("KeyboardForm", "PatchMode", ""), "Drums");
}

TEST_F(MainWindowPatches, BrokenRememberedScriptIsReportedAndTheDefaultLoadsSilently) {
    Write("default_patchscript.txt", QByteArray(kScriptHead) + kPatches);
    StorePatchScript(Write("broken.txt", QByteArray(kScriptHead) + "[define patchnames]\n"
                                                                   "[mode]M\n[p1, 300, 0]X\n"));
    auto w = Start();
    ASSERT_EQ(shownWarnings.size(), 1);
    EXPECT_EQ(shownWarnings[0],
              QStringList{"Line 5: Error: Program number out of bounds (0..127)"});
    ASSERT_NE(w->PatchList(), nullptr);
    EXPECT_EQ(w->PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    // Stored numbers 0/0 match no patch: the first one of the first mode is chosen.
    EXPECT_EQ(w->CurrentPatch()->Name(), "Grand");
    EXPECT_TRUE(w->ErrForm()->Lines().isEmpty());
    // A broken script loaded later is reported and leaves the loaded one in place.
    EXPECT_TRUE(w->LoadPatchSet(dir.filePath("broken.txt"), true, true));
    EXPECT_EQ(w->PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    EXPECT_EQ(w->CurrentPatch()->Name(), "Grand");

    // Without any script the program runs by numbers alone.
    QFile::remove(dir.filePath("default_patchscript.txt"));
    w->LoadDefaultPatchSet1Click();
    EXPECT_EQ(w->PatchList(), nullptr);
    EXPECT_EQ(w->CBProgramPatch->count(), 1);
    EXPECT_FALSE(w->PatchSetSep->isVisible());
    EXPECT_EQ(w->Patches1->actions().first(), w->PatchSetSep);
    EXPECT_EQ(shownWarnings.size(), 3);
}

TEST_F(MainWindowPatches, TypedNumbersAreCheckedAndOnlyChangesAreSent) {
    auto w = Start();
    w->SetBank(130, false);
    w->SetProgram(5, false);
    service.ClearSent();
    auto type = [&](TNumberEdit* e, const QString& text) {
        e->setText(text);
        e->OnExit();
    };
    type(w->EProgram, "6");  // offset 1: program 5, already current
    EXPECT_TRUE(Sent().empty());
    type(w->EProgram, "129");  // 128 is the highest with offset 1
    EXPECT_EQ(w->EProgram->text(), "6");
    type(w->EBank, "None");
    EXPECT_EQ(w->Bank(), 130);
    EXPECT_EQ(w->EBank->text(), "131");
    EXPECT_TRUE(Sent().empty());
    // The bank up-down always sends bank and program again, even to the same bank.
    w->UDBank->SetPosition(130);
    w->UDBank->OnClick(w->UDBank);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x05C0}));
    service.ClearSent();
    type(w->EProgram, "0");  // none
    EXPECT_EQ(w->Program(), -1);
    EXPECT_FALSE(w->EBank->isEnabled());
    EXPECT_FALSE(w->UDBank->isEnabled());
    w->SendProgram();
    EXPECT_TRUE(Sent().empty());
    type(w->EProgram, "1");
    service.ClearSent();
    type(w->EProgram, "None");
    EXPECT_EQ(w->Program(), -1);
    type(w->EProgram, "1");
    EXPECT_EQ(w->Program(), 0);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x00C0}));
}

TEST_F(MainWindowPatches, PageKeysStepPatchesAndProgramsWithWrapAround) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "Synth");
    store.WriteInteger("KeyboardForm", "Program", 4);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    auto w = Start();
    EXPECT_EQ(w->CBProgramPatch->currentIndex(), 2);  // Plain: program 4, no bank
    w->Keyboard1->setFocus();
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown);
    EXPECT_EQ(w->CBProgramPatch->currentIndex(), 0);  // past the last: "(none)"
    EXPECT_EQ(w->CurrentPatch(), nullptr);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp);
    EXPECT_EQ(w->CurrentPatch()->Name(), "Plain");

    w->SetProgram(127, false);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(w->Program(), -1);
    EXPECT_EQ(w->EProgram->text(), "none");
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(w->Program(), 0);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(w->Program(), 127);
}

TEST_F(MainWindowPatches, ReceivedNumbersSelectTheMatchingPatchOrNone) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "Synth");
    auto w = Start();
    w->ReflectMessage(0xB0, 0, 1);
    w->ReflectMessage(0xB0, 32, 2);
    w->ReflectMessage(0xC0, 0, 0);
    EXPECT_EQ(w->CurrentPatch()->Name(), "Grand");
    EXPECT_EQ(w->EProgram->text(), "1");
    w->SelectPatch(w->PatchList()->Mode(1)->Program(0), false, false);
    EXPECT_EQ(w->Keyboard1->DisplayNoteName(36), "Kick");
    w->ReflectMessage(0xB0, 0, 3);
    w->ReflectMessage(0xB0, 32, 3);
    w->ReflectMessage(0xC0, 9, 0);
    EXPECT_EQ(w->CurrentPatch(), nullptr);
    EXPECT_EQ(w->CBProgramPatch->currentText(), "(none)");
    EXPECT_NE(w->Keyboard1->DisplayNoteName(36), "Kick");
}

}  // namespace
