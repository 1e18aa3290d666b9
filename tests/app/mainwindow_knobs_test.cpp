// The knob row of the main window: sending, reflected values, presets and snapshots.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "app/knobpanel.h"
#include "app/tastra.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "support/testwindow.h"

namespace {

uint32_t Packed(int status, int d1, int d2) {
    return static_cast<uint32_t>(status | d1 << 8 | d2 << 16);
}

class MainWindowKnobs : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth");
        Start();
    }

    QStringList PresetItems() const {
        QStringList names;
        for (QAction* a : w->FindMenu("Presets1")->actions())
            names << a->text() + (a->isChecked() ? "*" : "");
        return names;
    }
};

TEST_F(MainWindowKnobs, FirstStartHasTheVolumeKnobAndDraggingItSendsOnTheChannel) {
    TWheel* wheel = Find<TWheel>("Wheel1");
    ASSERT_EQ(w->Knobs().KnobList().Count(), 1);
    EXPECT_EQ(w->Knobs().KnobList().Caption(0), "Volume");
    EXPECT_EQ(wheel->Position(), 100);
    EXPECT_TRUE(wheel->isVisible());
    EXPECT_EQ(PresetItems(), QStringList({"Default*"}));
    EXPECT_GT(wheel->x(), w->EChannel->geometry().right());
    EXPECT_LT(wheel->geometry().right(), Find<QLabel>("PPanic")->x());

    w->Keyboard1->SetChannel(3);
    QTest::mousePress(wheel, Qt::LeftButton, {}, QPoint(13, 13));
    QMouseEvent move(QEvent::MouseMove, QPointF(13, 8), QPointF(wheel->mapToGlobal(QPoint(13, 8))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(wheel, &move);
    QTest::mouseRelease(wheel, Qt::LeftButton, {}, QPoint(13, 8));
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB3, 7, 100), Packed(0xB3, 7, 105)}));
}

TEST_F(MainWindowKnobs, ReflectedControllerOnAnyChannelMovesTheKnobsWithoutSending) {
    w->Knobs().KnobList().Add("Vol 2", 7, 1, 0);
    w->ReflectMessage(0xB9, 7, 42);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(0), 42);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(1), 42);
    EXPECT_EQ(Find<QLabel>("LKnobCap1")->text(), "42");
    w->ReflectMessage(0xB0, 8, 1);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(0), 42);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MainWindowKnobs, SnapshotsAreDefinedRecalledSavedAndReadBack) {
    w->Knobs().KnobList().Add("Pan", 10, 1, 64);
    prompts.snapshotName = "Mix";
    QAction* recall = w->FindAction("Snapshot2");
    EXPECT_FALSE(recall->isVisible());
    w->FindAction("DefineSnapshot2")->trigger();
    EXPECT_EQ(w->Knobs().SnapshotValues(2), "07640A40");
    EXPECT_EQ(recall->text(), "&2 Mix");
    EXPECT_TRUE(recall->isVisible());
    EXPECT_EQ(recall->shortcut(), QKeySequence(Qt::Key_F6));
    EXPECT_EQ(prompts.offeredNames, QStringList({"Snapshot 2"}));

    prompts.snapshotName.reset();  // cancel changes nothing
    w->Knobs().DefineSnapshot(3);
    EXPECT_TRUE(w->Knobs().SnapshotValues(3).isEmpty());

    w->ReflectMessage(0xB0, 7, 0);
    w->ReflectMessage(0xB0, 10, 0);
    w->Keyboard1->SetChannel(1);
    recall->trigger();
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB1, 7, 100), Packed(0xB1, 10, 64)}));
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(0), 100);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(1), 64);

    store.WriteString("Snapshots", "Name1", "old");
    store.WriteString("Snapshots", "Values1", "");
    Start();
    EXPECT_EQ(store.ReadString("Snapshots", "Values2", ""), "07640A40");
    EXPECT_EQ(store.ReadSection("Snapshots"), std::vector<std::string>({"Name2", "Values2"}));
    EXPECT_EQ(w->FindAction("Snapshot2")->text(), "&2 Mix");
    EXPECT_TRUE(w->FindAction("Snapshot2")->isVisible());
    EXPECT_FALSE(w->FindAction("Snapshot1")->isVisible());
}

TEST_F(MainWindowKnobs, RecallSkipsBytesThatAreNoMidiData) {
    Stop();
    store.WriteString("Snapshots", "Values4", "07FF8001070A");
    Start();
    w->Knobs().RecallSnapshot(4);
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB0, 7, 10)}));
}

TEST_F(MainWindowKnobs, KnobsWithoutAPresetAreSavedAsCurrentAndComeBack) {
    w->Knobs().KnobList().Add("Pan", 10, 1, 64);
    for (QAction* a : w->FindMenu("Presets1")->actions()) a->setChecked(false);
    Start();
    EXPECT_EQ(store.ReadString("KeyboardForm", "Knob Preset", ""), "Current");
    EXPECT_EQ(presets.ReadString("Current", "Caption2", ""), "Pan");
    EXPECT_EQ(w->Knobs().PresetName(), "Current");
    ASSERT_EQ(w->Knobs().KnobList().Count(), 2);
    EXPECT_EQ(w->Knobs().KnobList().Caption(1), "Pan");
    EXPECT_EQ(PresetItems(), QStringList({"Default"}));
}

TEST_F(MainWindowKnobs, PresetsAreListedSortedAndSelectedAndAMissingOneFallsBackToDefault) {
    TKnobList rock;
    rock.Add("Cutoff", 74, 0, 30);
    rock.Add("Reso", 71, 0, 10);
    rock.WriteToIni(presets, "rock & roll");
    rock.WriteToIni(presets, "Ambient");
    w->Knobs().RebuildPresetMenu();
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default*", "rock && roll"}));
    w->FindMenu("Presets1")->actions()[2]->trigger();
    EXPECT_EQ(w->Knobs().PresetName(), "rock & roll");
    ASSERT_EQ(w->Knobs().KnobList().Count(), 2);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(0), 30);
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default", "rock && roll*"}));
    EXPECT_TRUE(Sent().empty());  // choosing a preset sends nothing

    Start();
    EXPECT_EQ(w->Knobs().PresetName(), "rock & roll");
    EXPECT_EQ(w->Knobs().KnobList().Caption(1), "Reso");

    presets.EraseSection("rock & roll");
    w->Knobs().SelectPreset("rock & roll");
    EXPECT_EQ(w->Knobs().PresetName(), "Default");
    ASSERT_EQ(w->Knobs().KnobList().Count(), 1);
    EXPECT_EQ(w->Knobs().KnobList().Caption(0), "Volume");
    EXPECT_EQ(w->Knobs().KnobList().Controller(0), 7);
    EXPECT_EQ(w->Knobs().KnobList().KnobPosition(0), 100);
}

}  // namespace

namespace {

// Two running copies: each keeps the snapshots the other defined while it ran.
TEST_F(MainWindowKnobs, TwoCopiesKeepEachOthersSnapshots) {
    std::unique_ptr<TTastra2> first = std::move(w);
    Start();  // the second copy, on the same settings
    auto define = [this](TTastra2& copy, int n, const char* name) {
        prompts.snapshotName = name;
        copy.Knobs().DefineSnapshot(n);
    };
    define(*w, 3, "Theirs");
    w->close();
    define(*first, 5, "Mine");
    first->close();
    EXPECT_EQ(store.ReadString("Snapshots", "Name3", ""), "&3 Theirs");
    EXPECT_EQ(store.ReadString("Snapshots", "Name5", ""), "&5 Mine");
    EXPECT_EQ(store.ReadString("Snapshots", "Values3", ""), "0764");
}

}  // namespace
