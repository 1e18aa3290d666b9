// The knob row: in the main window, and as a part of its own with its presets and snapshots.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "app/knobpanel.h"
#include "app/tastra.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "support/parttest.h"
#include "support/testwindow.h"

namespace {

uint32_t Packed(int status, int d1, int d2) {
    return static_cast<uint32_t>(status | d1 << 8 | d2 << 16);
}

// The items of the Presets menu, the checked one marked with "*".
QStringList PresetItems(const QMenu* presets) {
    QStringList names;
    for (QAction* a : presets->actions()) names << a->text() + (a->isChecked() ? "*" : "");
    return names;
}

using MainWindowKnobs = TWindowTest;

TEST_F(MainWindowKnobs, FirstStartHasTheVolumeKnobAndDraggingItSendsOnTheChannel) {
    AddDevices("Synth");
    Start();
    TWheel* wheel = Find<TWheel>("Wheel1");
    ASSERT_EQ(w->Knobs().KnobList().Count(), 1);
    EXPECT_EQ(w->Knobs().KnobList().Caption(0), "Volume");
    EXPECT_EQ(wheel->Position(), 100);
    EXPECT_TRUE(wheel->isVisible());
    EXPECT_EQ(PresetItems(w->FindMenu("Presets1")), QStringList({"Default*"}));
    EXPECT_GT(wheel->x(), w->EChannel->geometry().right());
    EXPECT_LT(wheel->geometry().right(), Find<QLabel>("PPanic")->x());

    w->Keyboard1->Player().SetChannel(3);
    QTest::mousePress(wheel, Qt::LeftButton, {}, QPoint(13, 13));
    QMouseEvent move(QEvent::MouseMove, QPointF(13, 8), QPointF(wheel->mapToGlobal(QPoint(13, 8))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(wheel, &move);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, QPoint(13, 8));
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB3, 7, 100), Packed(0xB3, 7, 105)}));
    // What the window sends or receives on any channel moves the knob too.
    w->ReflectMessage(0xB9, 7, 42);
    EXPECT_EQ(wheel->Position(), 42);
}

// The knob panel without the main window. Each Start is the program's next start, in a window
// of its own on the same settings and presets.
class KnobPanel : public TPartTest {
protected:
    // Builds a panel and starts it as the window does: its settings, then its first showing.
    TKnobPanel& Start() {
        panel.reset();
        NewWindow();
        TKnobPanelHost host = Host<TKnobPanelHost>();
        host.menuBefore = window->menuBar()->addMenu(QStringLiteral("Options"));
        host.channel = [this] { return channel; };
        host.openSettingsKey = [this](const std::string& key) {
            EXPECT_EQ(key, "KnobPresets");
            return std::make_unique<TSharedStoreView>(presets);
        };
        panel = std::make_unique<TKnobPanel>(std::move(host));
        panel->LoadSettings(store, "KeyboardForm");
        panel->Start(store.ReadBool("KeyboardForm", "First Time", true));
        return *panel;
    }
    // Saves as the window does when it closes.
    void Save(TKnobPanel& k) {
        k.SaveSettings(store, "KeyboardForm");
        store.WriteBool("KeyboardForm", "First Time", false);
        k.SnapshotsStored();
    }
    QStringList PresetItems() const { return ::PresetItems(Find<QMenu>("Presets1")); }

    int channel = 0;
    std::unique_ptr<TKnobPanel> panel;
};

TEST_F(KnobPanel, ControllerValuesMoveTheKnobsOnThatControllerWithoutSending) {
    TKnobPanel& k = Start();
    k.KnobList().Add("Vol 2", 7, 1, 0);
    k.ShowControllerValue(7, 42);
    EXPECT_EQ(k.KnobList().KnobPosition(0), 42);
    EXPECT_EQ(k.KnobList().KnobPosition(1), 42);
    EXPECT_EQ(Find<QLabel>("LKnobCap1")->text(), "42");
    k.ShowControllerValue(8, 1);
    EXPECT_EQ(k.KnobList().KnobPosition(0), 42);
    EXPECT_TRUE(sent.empty());
}

TEST_F(KnobPanel, SnapshotsAreDefinedRecalledSavedAndReadBack) {
    TKnobPanel& k = Start();
    k.KnobList().Add("Pan", 10, 1, 64);
    prompts.snapshotName = "Mix";
    QAction* recall = Find<QAction>("Snapshot2");
    EXPECT_FALSE(recall->isVisible());
    Find<QAction>("DefineSnapshot2")->trigger();
    EXPECT_EQ(k.SnapshotValues(2), "07640A40");
    EXPECT_EQ(recall->text(), "&2 Mix");
    EXPECT_TRUE(recall->isVisible());
    EXPECT_EQ(recall->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(prompts.offeredNames, QStringList({"Snapshot 2"}));

    prompts.snapshotName.reset();  // cancel changes nothing
    k.DefineSnapshot(3);
    EXPECT_TRUE(k.SnapshotValues(3).isEmpty());

    k.ShowControllerValue(7, 0);
    k.ShowControllerValue(10, 0);
    channel = 1;
    recall->trigger();
    EXPECT_EQ(sent, std::vector<uint32_t>({Packed(0xB1, 7, 100), Packed(0xB1, 10, 64)}));

    store.WriteString("Snapshots", "Name1", "old");
    store.WriteString("Snapshots", "Values1", "");
    Save(k);
    Start();
    EXPECT_EQ(store.ReadString("Snapshots", "Values2", ""), "07640A40");
    EXPECT_EQ(store.ReadSection("Snapshots"), std::vector<std::string>({"Name2", "Values2"}));
    EXPECT_EQ(Find<QAction>("Snapshot2")->text(), "&2 Mix");
    EXPECT_TRUE(Find<QAction>("Snapshot2")->isVisible());
    EXPECT_FALSE(Find<QAction>("Snapshot1")->isVisible());
}

TEST_F(KnobPanel, RecallSkipsBytesThatAreNoMidiData) {
    store.WriteString("Snapshots", "Values4", "07FF8001070A");
    Start().RecallSnapshot(4);
    EXPECT_EQ(sent, std::vector<uint32_t>({Packed(0xB0, 7, 10)}));
}

TEST_F(KnobPanel, KnobsWithoutAPresetAreSavedAsCurrentAndComeBack) {
    TKnobPanel& first = Start();
    first.KnobList().Add("Pan", 10, 1, 64);
    for (QAction* a : Find<QMenu>("Presets1")->actions()) a->setChecked(false);
    Save(first);
    TKnobPanel& k = Start();
    EXPECT_EQ(store.ReadString("KeyboardForm", "Knob Preset", ""), "Current");
    EXPECT_EQ(presets.ReadString("Current", "Caption2", ""), "Pan");
    EXPECT_EQ(k.PresetName(), "Current");
    ASSERT_EQ(k.KnobList().Count(), 2);
    EXPECT_EQ(k.KnobList().Caption(1), "Pan");
    EXPECT_EQ(PresetItems(), QStringList({"Default"}));
}

TEST_F(KnobPanel, PresetsAreListedSortedAndSelectedAndAMissingOneFallsBackToDefault) {
    TKnobPanel& first = Start();
    TKnobList rock;
    rock.Add("Cutoff", 74, 0, 30);
    rock.Add("Reso", 71, 0, 10);
    rock.WriteToIni(presets, "rock & roll");
    rock.WriteToIni(presets, "Ambient");
    first.RebuildPresetMenu();
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default*", "rock && roll"}));
    Find<QMenu>("Presets1")->actions()[2]->trigger();
    EXPECT_EQ(first.PresetName(), "rock & roll");
    ASSERT_EQ(first.KnobList().Count(), 2);
    EXPECT_EQ(first.KnobList().KnobPosition(0), 30);
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default", "rock && roll*"}));
    EXPECT_TRUE(sent.empty());  // choosing a preset sends nothing

    Save(first);
    TKnobPanel& k = Start();
    EXPECT_EQ(k.PresetName(), "rock & roll");
    EXPECT_EQ(k.KnobList().Caption(1), "Reso");

    presets.EraseSection("rock & roll");
    k.SelectPreset("rock & roll");
    EXPECT_EQ(k.PresetName(), "Default");
    ASSERT_EQ(k.KnobList().Count(), 1);
    EXPECT_EQ(k.KnobList().Caption(0), "Volume");
    EXPECT_EQ(k.KnobList().Controller(0), 7);
    EXPECT_EQ(k.KnobList().KnobPosition(0), 100);
}

// Two running copies: each keeps the snapshots the other defined while it ran.
TEST_F(KnobPanel, TwoCopiesKeepEachOthersSnapshots) {
    TKnobPanel& mine = Start();
    const auto mineWindow = std::move(window);
    const auto minePanel = std::move(panel);
    TKnobPanel& theirs = Start();  // the second copy, on the same settings
    prompts.snapshotName = "Theirs";
    theirs.DefineSnapshot(3);
    Save(theirs);
    prompts.snapshotName = "Mine";
    mine.DefineSnapshot(5);
    Save(mine);
    EXPECT_EQ(store.ReadString("Snapshots", "Name3", ""), "&3 Theirs");
    EXPECT_EQ(store.ReadString("Snapshots", "Name5", ""), "&5 Mine");
    EXPECT_EQ(store.ReadString("Snapshots", "Values3", ""), "0764");
}

}  // namespace
