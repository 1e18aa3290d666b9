// The knob row of the main window: sending, reflected values, presets and snapshots.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>

#include "app/tastra.h"
#include "controls/guiknoblist.h"
#include "controls/wheel.h"
#include "keyboard/keyboard.h"
#include "platform/midi/virtualmidi.h"
#include "support/storeview.h"

namespace {

uint32_t Packed(int status, int d1, int d2) {
    return static_cast<uint32_t>(status | d1 << 8 | d2 << 16);
}

class MainWindowKnobs : public ::testing::Test {
protected:
    void SetUp() override {
        store.WriteString("MidiDevices", "MidiOut", "Synth");
        Start();
    }

    void Start() {
        TTastraServices s;
        s.midiOut = &out;
        s.midiIn = &in;
        s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
        s.openSettingsKey = [this](const std::string& key) {
            EXPECT_EQ(key, "KnobPresets");
            return std::make_unique<TSharedStoreView>(presets);
        };
        w = std::make_unique<TTastra2>(s);
        w->OnError = [](const QString&) {};
        w->OnReminder = [](const QString&, bool c) { return c; };
        w->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->StartupDone(); }, 3000));
        out.ClearSent();
    }

    void Restart() {
        w->close();
        w.reset();
        Start();
    }

    std::vector<uint32_t> Sent() const { return out.SentTo(out.DeviceUid(0)); }

    QStringList PresetItems() const {
        QStringList names;
        for (QAction* a : w->FindMenu("Presets1")->actions())
            names << a->text() + (a->isChecked() ? "*" : "");
        return names;
    }

    TVirtualMidiService out{{"Synth"}};
    TVirtualMidiInService in;
    TMemSettingsStore store{true};
    TMemSettingsStore presets{true};
    std::unique_ptr<TTastra2> w;
};

TEST_F(MainWindowKnobs, FirstStartHasTheVolumeKnobAndDraggingItSendsOnTheChannel) {
    ASSERT_EQ(w->KnobList().Count(), 1);
    EXPECT_EQ(w->KnobList().Caption(0), "Volume");
    EXPECT_EQ(w->Wheel1->Position(), 100);
    EXPECT_TRUE(w->Wheel1->isVisible());
    EXPECT_EQ(PresetItems(), QStringList({"Default*"}));
    EXPECT_GT(w->Wheel1->x(), w->EChannel->geometry().right());
    EXPECT_LT(w->Wheel1->geometry().right(), w->PPanic->x());

    w->Keyboard1->SetChannel(3);
    QTest::mousePress(w->Wheel1, Qt::LeftButton, {}, QPoint(13, 13));
    QMouseEvent move(QEvent::MouseMove, QPointF(13, 8),
                     QPointF(w->Wheel1->mapToGlobal(QPoint(13, 8))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w->Wheel1, &move);
    QTest::mouseRelease(w->Wheel1, Qt::LeftButton, {}, QPoint(13, 8));
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB3, 7, 100), Packed(0xB3, 7, 105)}));
}

TEST_F(MainWindowKnobs, ReflectedControllerOnAnyChannelMovesTheKnobsWithoutSending) {
    w->KnobList().Add("Vol 2", 7, 1, 0);
    w->ReflectMessage(0xB9, 7, 42);
    EXPECT_EQ(w->KnobList().KnobPosition(0), 42);
    EXPECT_EQ(w->KnobList().KnobPosition(1), 42);
    EXPECT_EQ(w->LKnobCap1->text(), "42");
    w->ReflectMessage(0xB0, 8, 1);
    EXPECT_EQ(w->KnobList().KnobPosition(0), 42);
    EXPECT_TRUE(Sent().empty());
}

TEST_F(MainWindowKnobs, SnapshotsAreDefinedRecalledSavedAndReadBack) {
    w->KnobList().Add("Pan", 10, 1, 64);
    w->OnSnapshotName = [](QString& name) {
        EXPECT_EQ(name, "Snapshot 2");
        name = "Mix";
        return true;
    };
    QAction* recall = w->FindAction("Snapshot2");
    EXPECT_FALSE(recall->isVisible());
    w->FindAction("DefineSnapshot2")->trigger();
    EXPECT_EQ(w->SnapshotValues(2), "07640A40");
    EXPECT_EQ(recall->text(), "&2 Mix");
    EXPECT_TRUE(recall->isVisible());
    EXPECT_EQ(recall->shortcut(), QKeySequence(Qt::Key_F6));

    w->OnSnapshotName = [](QString&) { return false; };  // cancel changes nothing
    w->DefineSnapshot(3);
    EXPECT_TRUE(w->SnapshotValues(3).isEmpty());

    w->ReflectMessage(0xB0, 7, 0);
    w->ReflectMessage(0xB0, 10, 0);
    w->Keyboard1->SetChannel(1);
    recall->trigger();
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB1, 7, 100), Packed(0xB1, 10, 64)}));
    EXPECT_EQ(w->KnobList().KnobPosition(0), 100);
    EXPECT_EQ(w->KnobList().KnobPosition(1), 64);

    store.WriteString("Snapshots", "Name1", "old");
    store.WriteString("Snapshots", "Values1", "");
    Restart();
    EXPECT_EQ(store.ReadString("Snapshots", "Values2", ""), "07640A40");
    EXPECT_EQ(store.ReadSection("Snapshots"), std::vector<std::string>({"Name2", "Values2"}));
    EXPECT_EQ(w->FindAction("Snapshot2")->text(), "&2 Mix");
    EXPECT_TRUE(w->FindAction("Snapshot2")->isVisible());
    EXPECT_FALSE(w->FindAction("Snapshot1")->isVisible());
}

TEST_F(MainWindowKnobs, RecallSkipsBytesThatAreNoMidiData) {
    w->close();
    w.reset();
    store.WriteString("Snapshots", "Values4", "07FF8001070A");
    Start();
    w->RecallSnapshot(4);
    EXPECT_EQ(Sent(), std::vector<uint32_t>({Packed(0xB0, 7, 10)}));
}

TEST_F(MainWindowKnobs, KnobsWithoutAPresetAreSavedAsCurrentAndComeBack) {
    w->KnobList().Add("Pan", 10, 1, 64);
    for (QAction* a : w->FindMenu("Presets1")->actions()) a->setChecked(false);
    Restart();
    EXPECT_EQ(store.ReadString("KeyboardForm", "Knob Preset", ""), "Current");
    EXPECT_EQ(presets.ReadString("Current", "Caption2", ""), "Pan");
    EXPECT_EQ(w->KnobPresetName(), "Current");
    ASSERT_EQ(w->KnobList().Count(), 2);
    EXPECT_EQ(w->KnobList().Caption(1), "Pan");
    EXPECT_EQ(PresetItems(), QStringList({"Default"}));
}

TEST_F(MainWindowKnobs, PresetsAreListedSortedAndSelectedAndAMissingOneFallsBackToDefault) {
    TKnobList rock;
    rock.Add("Cutoff", 74, 0, 30);
    rock.Add("Reso", 71, 0, 10);
    rock.WriteToIni(presets, "rock & roll");
    rock.WriteToIni(presets, "Ambient");
    w->RebuildPresetMenu();
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default*", "rock && roll"}));
    w->FindMenu("Presets1")->actions()[2]->trigger();
    EXPECT_EQ(w->KnobPresetName(), "rock & roll");
    ASSERT_EQ(w->KnobList().Count(), 2);
    EXPECT_EQ(w->KnobList().KnobPosition(0), 30);
    EXPECT_EQ(PresetItems(), QStringList({"Ambient", "Default", "rock && roll*"}));
    EXPECT_TRUE(Sent().empty());  // choosing a preset sends nothing

    Restart();
    EXPECT_EQ(w->KnobPresetName(), "rock & roll");
    EXPECT_EQ(w->KnobList().Caption(1), "Reso");

    presets.EraseSection("rock & roll");
    w->SelectKnobPreset("rock & roll");
    EXPECT_EQ(w->KnobPresetName(), "Default");
    ASSERT_EQ(w->KnobList().Count(), 1);
    EXPECT_EQ(w->KnobList().Caption(0), "Volume");
    EXPECT_EQ(w->KnobList().Controller(0), 7);
    EXPECT_EQ(w->KnobList().KnobPosition(0), 100);
}

}  // namespace

namespace {

// Two running copies: each keeps the snapshots the other defined while it ran.
TEST_F(MainWindowKnobs, TwoCopiesKeepEachOthersSnapshots) {
    std::unique_ptr<TTastra2> first = std::move(w);
    Start();  // the second copy, on the same settings
    auto define = [](TTastra2& copy, int n, const char* name) {
        copy.OnSnapshotName = [name](QString& s) {
            s = name;
            return true;
        };
        copy.DefineSnapshot(n);
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
