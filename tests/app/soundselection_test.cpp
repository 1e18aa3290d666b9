// The patch box, program and bank fields, the Patches menu and the patch set chooser, built
// without the main window.
#include "app/soundselection.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/errform.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "patches/patchfilelist.h"
#include "patches/patchlist.h"
#include "patches/patchsetdialog.h"
#include "support/parttest.h"

namespace {

const char* const kScriptHead = "[cubase parse file]\n[parser version 1]\n";
const char* const kPatches =
    "[define patchnames]\n[mode]Synth\n[g1]Keys\n[p2, 0, 1, 2]Grand\n[p2, 4, -1]Plain\n"
    "[mode]Drums\n[p1, 0, -1]Kit\n[k 36]Kick\n[end]\n";

// The sound selection over a data folder of the test's own, so that the default patch script is
// whatever the test writes there.
class SoundSelection : public TPartTest {
protected:
    // Builds the part and starts it as the window does: the settings, then the patch script,
    // then the program (what that sent is moved to sentAtStart).
    TSoundSelection& Start() {
        TSoundHost host = Host<TSoundHost>();
        host.keyboard = keyboard;
        host.status = status;
        host.dataFolder = dir.path().toStdString();
        sound = std::make_unique<TSoundSelection>(std::move(host));
        sound->LoadSettings(store, "KeyboardForm");
        sound->ReadPatchList();
        sound->SendProgram();
        sentAtStart = std::move(sent);
        sent.clear();
        return *sound;
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

    QAction* MenuPatch(const QString& mode, const QString& text) {
        for (QAction* m : Find<QMenu>("Patches1")->actions())
            if (m->menu() && m->text() == mode)
                for (QMenu* sub : m->menu()->findChildren<QMenu*>())
                    for (QAction* a : sub->actions())
                        if (a->text() == text) return a;
        return nullptr;
    }

    void Type(const char* field, const QString& text) {
        auto* e = Find<TNumberEdit>(field);
        e->setText(text);
        e->OnExit();
    }

    QTemporaryDir dir;
    TNotePlayer player;
    TKeyboard keyboardWidget{player};
    TKeyboard* keyboard = &keyboardWidget;
    std::unique_ptr<TSoundSelection> sound;
    std::vector<uint32_t> sentAtStart;
    QList<QStringList>& shownWarnings = prompts.warnings;
};

class SoundSelectionPatchOrder : public SoundSelection,
                                 public ::testing::WithParamInterface<bool> {};

TEST_P(SoundSelectionPatchOrder, ChosenPatchSendsBankSelectInTheScriptsOrderThenProgram) {
    const bool msbFirst = GetParam();
    QByteArray script = kScriptHead;
    if (msbFirst) script += "[bank: do send msb first]\n";
    StorePatchScript(Write("synth.txt", script + kPatches));
    Start();
    QAction* grand = MenuPatch("Synth", "Grand 001:00131");
    ASSERT_NE(grand, nullptr);
    grand->trigger();
    const std::vector<uint32_t> msbThenLsb{0x0100B0, 0x0220B0, 0x0000C0};
    const std::vector<uint32_t> lsbThenMsb{0x0220B0, 0x0100B0, 0x0000C0};
    EXPECT_EQ(sent, msbFirst ? msbThenLsb : lsbThenMsb);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentText(), "Grand 001:00131");
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "131");
    EXPECT_EQ(Find<QLabel>("LBank")->toolTip(), "Bank: 131 (MSB: 1 LSB: 2)");
}

INSTANTIATE_TEST_SUITE_P(BothOrders, SoundSelectionPatchOrder, ::testing::Bool());

TEST_F(SoundSelection, StartupLoadsTheRememberedScriptSelectsItsModeAndSendsOnce) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "drums");
    store.WriteInteger("KeyboardForm", "Program", 0);
    store.WriteInteger("KeyboardForm", "Bank", -1);
    keyboard->Player().SetChannel(3);
    TSoundSelection& s = Start();
    EXPECT_TRUE(shownWarnings.isEmpty());
    EXPECT_EQ(status->PanelText(4), "Drums");
    ASSERT_NE(s.CurrentPatch(), nullptr);
    EXPECT_EQ(s.CurrentPatch()->Name(), "Kit");
    EXPECT_EQ(keyboard->Names().DisplayNoteName(36), "Kick");
    EXPECT_EQ(sentAtStart, (std::vector<uint32_t>{0xC3}));
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "none");
    // The menu: one submenu per mode above the separator, subgroups inside.
    const QList<QAction*> items = Find<QMenu>("Patches1")->actions();
    ASSERT_GE(items.size(), 4);
    EXPECT_EQ(items[0]->text(), "Synth");
    EXPECT_EQ(items[1]->text(), "Drums");
    EXPECT_EQ(items[2], Find<QAction>("PatchSetSep"));
    EXPECT_TRUE(Find<QAction>("PatchSetSep")->isVisible());

    // Saving remembers script and mode.
    s.SavePatchScript(store, "KeyboardForm");
    EXPECT_EQ(store.ReadString("KeyboardForm", "PatchScript", ""),
              dir.filePath("synth.txt").toStdString());
    EXPECT_EQ(store.ReadString("KeyboardForm", "PatchMode", ""), "Drums");
}

TEST_F(SoundSelection, BrokenRememberedScriptIsReportedAndTheDefaultLoadsSilently) {
    Write("default_patchscript.txt", QByteArray(kScriptHead) + kPatches);
    StorePatchScript(Write("broken.txt", QByteArray(kScriptHead) + "[define patchnames]\n"
                                                                   "[mode]M\n[p1, 300, 0]X\n"));
    TSoundSelection& s = Start();
    ASSERT_EQ(shownWarnings.size(), 1);
    EXPECT_EQ(shownWarnings[0],
              QStringList{"Line 5: Error: Program number out of bounds (0..127)"});
    ASSERT_NE(s.PatchList(), nullptr);
    EXPECT_EQ(s.PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    // Stored numbers 0/0 match no patch: the first one of the first mode is chosen.
    EXPECT_EQ(s.CurrentPatch()->Name(), "Grand");
    EXPECT_TRUE(s.ErrForm()->Lines().isEmpty());
    // A broken script loaded later is reported and leaves the loaded one in place.
    EXPECT_TRUE(s.LoadPatchSet(dir.filePath("broken.txt"), true, true));
    EXPECT_EQ(s.PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    EXPECT_EQ(s.CurrentPatch()->Name(), "Grand");

    // Without any script the program runs by numbers alone.
    QFile::remove(dir.filePath("default_patchscript.txt"));
    s.LoadDefaultPatchSet();
    EXPECT_EQ(s.PatchList(), nullptr);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->count(), 1);
    EXPECT_FALSE(Find<QAction>("PatchSetSep")->isVisible());
    EXPECT_EQ(Find<QMenu>("Patches1")->actions().first(), Find<QAction>("PatchSetSep"));
    EXPECT_EQ(shownWarnings.size(), 3);
}

// Regression: a stored default script of a data folder deleted since (a build folder, after an
// install) was reported missing at every start and the patch box stayed empty. A script the user
// chose is still reported when it is missing, and so is the default of a folder that is still
// a data folder.
TEST_F(SoundSelection, TheStoredDefaultOfAGoneDataFolderFallsBackSilently) {
    Write("default_patchscript.txt", QByteArray(kScriptHead) + kPatches);
    const QString gone = dir.filePath("gone/default_patchscript.txt");
    const QString kept = dir.filePath("kept/default_patchscript.txt");
    ASSERT_TRUE(QDir(dir.path()).mkpath("kept/Patch Sets"));
    const std::vector<std::pair<QString, bool>> cases = {
        {gone, false}, {dir.filePath("gone/mine.txt"), true}, {kept, true}};
    for (const auto& [stored, reported] : cases) {
        shownWarnings.clear();
        StorePatchScript(stored);
        TSoundSelection& s = Start();
        EXPECT_EQ(shownWarnings.size(), reported ? 1 : 0) << stored.toStdString();
        ASSERT_NE(s.PatchList(), nullptr);
        EXPECT_EQ(s.PatchList()->FileName(), dir.filePath("default_patchscript.txt"));
    }
}

TEST_F(SoundSelection, TypedNumbersAreCheckedAndOnlyChangesAreSent) {
    TSoundSelection& s = Start();
    s.SetBank(130, false);
    s.SetProgram(5, false);
    sent.clear();
    Type("EProgram", "6");  // offset 1: program 5, already current
    EXPECT_TRUE(sent.empty());
    Type("EProgram", "129");  // 128 is the highest with offset 1
    EXPECT_EQ(Find<TNumberEdit>("EProgram")->text(), "6");
    Type("EBank", "None");
    EXPECT_EQ(s.Bank(), 130);
    EXPECT_EQ(Find<TNumberEdit>("EBank")->text(), "131");
    EXPECT_TRUE(sent.empty());
    // The bank up-down always sends bank and program again, even to the same bank.
    Find<TUpDown>("UDBank")->SetPosition(130);
    Find<TUpDown>("UDBank")->OnClick(Find<TUpDown>("UDBank"));
    EXPECT_EQ(sent, (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x05C0}));
    sent.clear();
    Type("EProgram", "0");  // none
    EXPECT_EQ(s.Program(), -1);
    EXPECT_FALSE(Find<TNumberEdit>("EBank")->isEnabled());
    EXPECT_FALSE(Find<TUpDown>("UDBank")->isEnabled());
    s.SendProgram();
    EXPECT_TRUE(sent.empty());
    Type("EProgram", "1");
    sent.clear();
    Type("EProgram", "None");
    EXPECT_EQ(s.Program(), -1);
    Type("EProgram", "1");
    EXPECT_EQ(s.Program(), 0);
    EXPECT_EQ(sent, (std::vector<uint32_t>{0x0220B0, 0x0100B0, 0x00C0}));
}

TEST_F(SoundSelection, ReflectedBankSelectAndProgramChangeMoveBankAndProgramWithoutSending) {
    TSoundSelection& s = Start();
    s.Reflect(0xB0, 0, 1);
    s.Reflect(0xB0, 32, 2);
    s.Reflect(0xC0, 5, 0);
    EXPECT_EQ(s.Bank(), 130);
    EXPECT_EQ(s.Program(), 5);
    // A program change alone keeps the bank; half a bank select is forgotten after it.
    s.Reflect(0xB3, 0, 7);
    s.Reflect(0xC3, 9, 0);
    EXPECT_EQ(s.Bank(), 130);
    EXPECT_EQ(s.Program(), 9);
    EXPECT_TRUE(sent.empty());
}

TEST_F(SoundSelection, ReceivedNumbersSelectTheMatchingPatchOrNone) {
    StorePatchScript(Write("synth.txt", QByteArray(kScriptHead) + kPatches), "Synth");
    TSoundSelection& s = Start();
    s.Reflect(0xB0, 0, 1);
    s.Reflect(0xB0, 32, 2);
    s.Reflect(0xC0, 0, 0);
    EXPECT_EQ(s.CurrentPatch()->Name(), "Grand");
    EXPECT_EQ(Find<TNumberEdit>("EProgram")->text(), "1");
    s.SelectPatch(s.PatchList()->Mode(1)->Program(0), false, false);
    EXPECT_EQ(keyboard->Names().DisplayNoteName(36), "Kick");
    s.Reflect(0xB0, 0, 3);
    s.Reflect(0xB0, 32, 3);
    s.Reflect(0xC0, 9, 0);
    EXPECT_EQ(s.CurrentPatch(), nullptr);
    EXPECT_EQ(Find<QComboBox>("CBProgramPatch")->currentText(), "(none)");
    EXPECT_NE(keyboard->Names().DisplayNoteName(36), "Kick");
}

TEST_F(SoundSelection, ChosenScriptIsLoadedAndABrokenOneKeepsTheLoadedOne) {
    QDir(dir.path()).mkdir("Patch Sets");
    const QString first = Write("Patch Sets/first.txt", QByteArray(kScriptHead) + kPatches);
    const QString second =
        Write("Patch Sets/second.txt", QByteArray(kScriptHead) +
                                           "[script name]Second\n[device name]Box\n"
                                           "[define patchnames]\n[mode]Two\n"
                                           "[p1, 7, 0]Flute\n[end]\n");
    const QString broken = Write("Patch Sets/broken.txt", QByteArray(kScriptHead) +
                                                              "[define patchnames]\n[mode]M\n"
                                                              "[p1, 300, 0]X\n[end]\n");
    const auto select = [](TPatchSetChooser* c, const QString& path) {
        return QTest::qWaitFor([&] { return c->SystemListView->SelectPath(path); }, 3000);
    };
    TSoundSelection& s = Start();
    const QList<QAction*> items = Find<QMenu>("Patches1")->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[items.size() - 3], Find<QAction>("PatchSetSep"));
    EXPECT_EQ(items[items.size() - 2], Find<QAction>("ChoosePatchSet1"));
    EXPECT_EQ(items.last(), Find<QAction>("LoadDefaultPatchSet1"));
    EXPECT_EQ(Find<QAction>("ChoosePatchSet1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    Find<QAction>("ChoosePatchSet1")->trigger();
    QPointer<TPatchSetChooser> c = s.PatchSetChooser();
    ASSERT_FALSE(c.isNull());
    EXPECT_TRUE(c->isVisible());
    EXPECT_EQ(c->HomeFolder(), QDir(dir.path()).filePath("Patch Sets"));
    // The command again, with the window minimized, brings the same window back.
    c->showMinimized();
    Find<QAction>("ChoosePatchSet1")->trigger();
    EXPECT_EQ(s.PatchSetChooser(), c.data());
    EXPECT_FALSE(c->isMinimized());

    ASSERT_TRUE(select(c, second));
    EXPECT_EQ(c->EScriptName->text(), "Second");
    EXPECT_EQ(c->EDeviceName->text(), "Box");
    c->BApply->click();
    ASSERT_NE(s.PatchList(), nullptr);
    EXPECT_EQ(s.PatchList()->FileName(), second);
    EXPECT_EQ(s.CurrentModeGroup()->Name(), "Two");
    EXPECT_FALSE(c->BApply->isEnabled());

    // A broken script reports its error and leaves the loaded one in place.
    ASSERT_TRUE(select(c, broken));
    c->BOK->click();
    EXPECT_EQ(s.PatchList()->FileName(), second);
    ASSERT_EQ(shownWarnings.size(), 1);
    EXPECT_EQ(shownWarnings[0],
              QStringList{"Line 5: Error: Program number out of bounds (0..127)"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(c.isNull());
    EXPECT_EQ(s.PatchSetChooser(), nullptr);

    // A double click on a script loads it as well.
    Find<QAction>("ChoosePatchSet1")->trigger();
    c = s.PatchSetChooser();
    ASSERT_TRUE(select(c, first));
    emit c->SystemListView->activated(c->SystemListView->currentIndex());
    EXPECT_EQ(s.PatchList()->FileName(), first);
    s.CloseChooser();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
