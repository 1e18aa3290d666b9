#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "app/errform.h"
#include "app/soundselection.h"
#include "app/statuspanels.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "patches/patchlist.h"
#include "platform/settings/settingsstore.h"
#include "support/testwindow.h"

namespace {

const char* const kScriptHead = "[cubase parse file]\n[parser version 1]\n";
const char* const kPatches =
    "[define patchnames]\n[mode]Synth\n[g1]Keys\n[p2, 0, 1, 2]Grand\n[p2, 4, -1]Plain\n"
    "[mode]Drums\n[p1, 0, -1]Kit\n[k 36]Kick\n[end]\n";

// A main window on a virtual device whose program folder is a temporary folder, so that the
// default patch script is whatever the test writes there.
class MainWindowPatches : public TWindowTest {
protected:
    void SetUp() override {
        out.AddDevice("Synth A");
        dataFolder = dir.path().toStdString();
    }

    QString Write(const QString& name, const QByteArray& text) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }

    void StorePatchScript(const QString& path, const QString& mode = QString()) {
        store.WriteString("KeyboardForm", "PatchScript", path.toStdString());
        store.WriteString("KeyboardForm", "PatchMode", mode.toStdString());
    }

    QAction* MenuPatch(TTastra2* w, const QString& mode, const QString& text) {
        for (QAction* m : w->FindMenu("Patches1")->actions())
            if (m->menu() && m->text() == mode)
                for (QMenu* sub : m->menu()->findChildren<QMenu*>())
                    for (QAction* a : sub->actions())
                        if (a->text() == text) return a;
        return nullptr;
    }

    std::vector<uint32_t> Sent() const { return out.SentTo(0); }

    QTemporaryDir dir;
    QList<QStringList>& shownWarnings = prompts.warnings;
};

class MainWindowPatchOrder : public MainWindowPatches,
                             public ::testing::WithParamInterface<bool> {};

TEST_P(MainWindowPatchOrder, ChosenPatchSendsBankSelectInTheScriptsOrderThenProgram) {
    const bool msbFirst = GetParam();
    QByteArray script = kScriptHead;
    if (msbFirst) script += "[bank: do send msb first]\n";
    StorePatchScript(Write("synth.txt", script + kPatches));
    auto w = Start();
    QAction* grand = MenuPatch(w, "Synth", "Grand 001:00131");
    ASSERT_NE(grand, nullptr);
    grand->trigger();
    const std::vector<uint32_t> msbThenLsb{0x0100B0, 0x0220B0, 0x0000C0};
    const std::vector<uint32_t> lsbThenMsb{0x0220B0, 0x0100B0, 0x0000C0};
    EXPECT_EQ(Sent(), msbFirst ? msbThenLsb : lsbThenMsb);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentText(), "Grand 001:00131");
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "131");
    EXPECT_EQ(Find<QLabel>("LBank")->toolTip(), "Bank: 131 (MSB: 1 LSB: 2)");
}

INSTANTIATE_TEST_SUITE_P(BothOrders, MainWindowPatchOrder, ::testing::Bool());

TEST_F(MainWindowPatches, StartupLoadsTheRememberedScriptSelectsItsModeAndSendsOnce) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "drums");
    store.WriteInteger("KeyboardForm", "Program", 0);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    auto w = Start();
    EXPECT_TRUE(shownWarnings.isEmpty());
    EXPECT_EQ(w->StatusPanels()->PanelText(4), "Drums");
    ASSERT_NE(w->Sound().CurrentPatch(), nullptr);
    EXPECT_EQ(w->Sound().CurrentPatch()->Name(), "Kit");
    EXPECT_EQ(w->Keyboard1->DisplayNoteName(36), "Kick");
    const uint32_t channel = w->Keyboard1->Channel();
    EXPECT_EQ(sentAtStart, (std::vector<uint32_t>{0xC0 + channel}));
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "none");
    // The menu: one submenu per mode above the separator, subgroups inside.
    const QList<QAction*> items = w->FindMenu("Patches1")->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Synth");
    EXPECT_EQ(items[1]->text(), "Drums");
    EXPECT_EQ(items[2], w->FindAction("PatchSetSep"));
    EXPECT_TRUE(w->FindAction("PatchSetSep")->isVisible());

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
    ASSERT_NE(w->Sound().PatchList(), nullptr);
    EXPECT_EQ(w->Sound().PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    // Stored numbers 0/0 match no patch: the first one of the first mode is chosen.
    EXPECT_EQ(w->Sound().CurrentPatch()->Name(), "Grand");
    EXPECT_TRUE(w->Sound().ErrForm()->Lines().isEmpty());
    // A broken script loaded later is reported and leaves the loaded one in place.
    EXPECT_TRUE(w->Sound().LoadPatchSet(dir.filePath("broken.txt"), true, true));
    EXPECT_EQ(w->Sound().PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    EXPECT_EQ(w->Sound().CurrentPatch()->Name(), "Grand");

    // Without any script the program runs by numbers alone.
    QFile::remove(dir.filePath("default_patchscript.txt"));
    w->Sound().LoadDefaultPatchSet();
    EXPECT_EQ(w->Sound().PatchList(), nullptr);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->count(), 1);
    EXPECT_FALSE(w->FindAction("PatchSetSep")->isVisible());
    EXPECT_EQ(w->FindMenu("Patches1")->actions().first(), w->FindAction("PatchSetSep"));
    EXPECT_EQ(shownWarnings.size(), 3);
}

TEST_F(MainWindowPatches, TypedNumbersAreCheckedAndOnlyChangesAreSent) {
    auto w = Start();
    w->Sound().SetBank(130, false);
    w->Sound().SetProgram(5, false);
    out.ClearSent();
    auto type = [&](TNumberEdit* e, const QString& text) {
        e->setText(text);
        e->OnExit();
    };
    type(Find<TNumberEdit>("EProgram"), "6");  // offset 1: program 5, already current
    EXPECT_TRUE(Sent().empty());
    type(Find<TNumberEdit>("EProgram"), "129");  // 128 is the highest with offset 1
    EXPECT_EQ(Find<TNumberEdit>("EProgram")->text(), "6");
    type(Find<TNumberEdit>("EBank"), "None");
    EXPECT_EQ(w->Sound().Bank(), 130);
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "131");
    EXPECT_TRUE(Sent().empty());
    // The bank up-down always sends bank and program again, even to the same bank.
    Find<TUpDown>("UDBank")->SetPosition(130);
    Find<TUpDown>("UDBank")->OnClick(Find<TUpDown>("UDBank"));
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x05C0}));
    out.ClearSent();
    type(Find<TNumberEdit>("EProgram"), "0");  // none
    EXPECT_EQ(w->Sound().Program(), -1);
    EXPECT_FALSE(Find<TNumberEdit>("EBank")->isEnabled());
    EXPECT_FALSE(Find<TUpDown>("UDBank")->isEnabled());
    w->SendProgram();
    EXPECT_TRUE(Sent().empty());
    type(Find<TNumberEdit>("EProgram"), "1");
    out.ClearSent();
    type(Find<TNumberEdit>("EProgram"), "None");
    EXPECT_EQ(w->Sound().Program(), -1);
    type(Find<TNumberEdit>("EProgram"), "1");
    EXPECT_EQ(w->Sound().Program(), 0);
    EXPECT_EQ(Sent(), (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x00C0}));
}

TEST_F(MainWindowPatches, PageKeysStepPatchesAndProgramsWithWrapAround) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "Synth");
    store.WriteInteger("KeyboardForm", "Program", 4);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    auto w = Start();
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentIndex(), 2);  // Plain: program 4, no bank
    w->Keyboard1->setFocus();
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentIndex(), 0);  // past the last: "(none)"
    EXPECT_EQ(w->Sound().CurrentPatch(), nullptr);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp);
    EXPECT_EQ(w->Sound().CurrentPatch()->Name(), "Plain");

    w->Sound().SetProgram(127, false);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(w->Sound().Program(), -1);
    EXPECT_EQ(Find<TNumberEdit>("EProgram")->text(), "none");
    QTest::keyClick(w->Keyboard1, Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(w->Sound().Program(), 0);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    QTest::keyClick(w->Keyboard1, Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(w->Sound().Program(), 127);
}

TEST_F(MainWindowPatches, ReceivedNumbersSelectTheMatchingPatchOrNone) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "Synth");
    auto w = Start();
    w->ReflectMessage(0xB0, 0, 1);
    w->ReflectMessage(0xB0, 32, 2);
    w->ReflectMessage(0xC0, 0, 0);
    EXPECT_EQ(w->Sound().CurrentPatch()->Name(), "Grand");
    EXPECT_EQ(Find<TNumberEdit>("EProgram")->text(), "1");
    w->Sound().SelectPatch(w->Sound().PatchList()->Mode(1)->Program(0), false, false);
    EXPECT_EQ(w->Keyboard1->DisplayNoteName(36), "Kick");
    w->ReflectMessage(0xB0, 0, 3);
    w->ReflectMessage(0xB0, 32, 3);
    w->ReflectMessage(0xC0, 9, 0);
    EXPECT_EQ(w->Sound().CurrentPatch(), nullptr);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentText(), "(none)");
    EXPECT_NE(w->Keyboard1->DisplayNoteName(36), "Kick");
}

}  // namespace
