// The knob set-up window opened from the main window: editing the knob row, knob presets and
// picking a controller by moving it.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <deque>

#include "app/knobpanel.h"
#include "app/tastra.h"
#include "controls/wheel.h"
#include "knobs/guiknoblist.h"
#include "knobs/knobeditform.h"
#include "platform/settings/placement.h"
#include "support/testwindow.h"

namespace {

class KnobSetup : public TWindowTest {
protected:
    void SetUp() override {
        AddDevices("Synth");
        Start();
    }

    void StorePreset(const char* name, std::initializer_list<const char*> captions) {
        TKnobList list;
        int controller = 20;
        for (const char* c : captions) list.Add(c, controller++, 0, 10);
        list.WriteToIni(presets, name);
    }

    TKnobEditForm* Open() {
        w->FindAction("Setup1")->trigger();
        form = w->Knobs().SetupForm();
        // A tool window counts as active while its owner is; the keys must reach the tool
        // window itself.
        form->windowHandle()->requestActivate();
        EXPECT_TRUE(QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == form->windowHandle(); }, 2000));
        form->OnError = [this](const QString& e) { errors << e; };
        form->OnQuestion = [this](QMessageBox::Icon, const QString& text,
                                  QMessageBox::StandardButtons) {
            questions << text;
            const QMessageBox::StandardButton a =
                answers.empty() ? QMessageBox::No : answers.front();
            if (!answers.empty()) answers.pop_front();
            return a;
        };
        form->OnPresetName = [this](QString& name) {
            proposals << name;
            if (names.empty()) return false;
            name = names.front();
            names.pop_front();
            return true;
        };
        return form;
    }

    void Count(int clicks) {
        QToolButton* b =
            clicks > 0 ? form->UDKnobCount->UpButton() : form->UDKnobCount->DownButton();
        for (int i = 0; i < std::abs(clicks); ++i) QTest::mouseClick(b, Qt::LeftButton);
    }
    // Typing goes to the focused field (elsewhere the keys would play notes).
    void Type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void ChooseController(int c) {
        form->CBKnobCtrl->setCurrentIndex(c);
        emit form->CBKnobCtrl->activated(c);
    }
    void ChoosePreset(const QString& name) {
        const int i = form->CBPresets->findText(name);
        ASSERT_GE(i, 0);
        form->CBPresets->setCurrentIndex(i);
        emit form->CBPresets->activated(i);
    }
    QStringList Captions(const TKnobList& list) const {
        QStringList r;
        for (int i = 0; i < list.Count(); ++i) r << list.Caption(i);
        return r;
    }
    QStringList PresetItems() const {
        QStringList r;
        for (QAction* a : w->FindMenu("Presets1")->actions())
            r << a->text() + (a->isChecked() ? "*" : "");
        return r;
    }
    QStringList ComboItems() const {
        QStringList r;
        for (int i = 0; i < form->CBPresets->count(); ++i)
            r << form->CBPresets->itemText(i) + (i == form->CBPresets->currentIndex() ? "*" : "");
        return r;
    }

    QPointer<TKnobEditForm> form;
    QStringList errors, questions, proposals;
    std::deque<QMessageBox::StandardButton> answers;
    std::deque<QString> names;
};

TEST_F(KnobSetup, EditingCountNamesAndRangeThenApplyRebuildsTheKnobRowAsCurrent) {
    ASSERT_EQ(w->FindAction("Setup1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    out.ClearSent();
    Open();
    ASSERT_TRUE(form->isVisible());
    EXPECT_EQ(form->KnobTabs->count(), 1);
    EXPECT_EQ(form->EKnobName->text(), "Volume");
    EXPECT_EQ(form->CBKnobCtrl->currentIndex(), 7);
    EXPECT_EQ(form->CBKnobCtrl->itemText(7), "008 Channel Volume");  // numbering starts at 1
    EXPECT_EQ(form->EDefaultValue->text(), "100");
    EXPECT_EQ(form->CBPresets->currentIndex(), -1);
    EXPECT_FALSE(form->BSavePreset->isEnabled());

    Count(+2);
    ASSERT_EQ(form->KnobTabs->count(), 3);
    EXPECT_EQ(form->KnobTabs->tabText(2), "Knob 3");
    EXPECT_EQ(form->KnobTabs->currentIndex(), 2);
    EXPECT_EQ(form->EKnobName->text(), "Bank Select MSB");
    EXPECT_EQ(form->CBKnobCtrl->currentIndex(), 0);
    EXPECT_EQ(form->EKnobCount->text(), "3");

    // Choosing a controller names the knob after it; the relative range shows a signed value.
    ChooseController(10);
    EXPECT_EQ(form->EKnobName->text(), "Pan");
    QTest::mouseClick(form->RBKnobNeg, Qt::LeftButton);
    EXPECT_EQ(form->EDefaultValue->text(), "-64");
    QTest::mouseClick(form->UDDefaultValue->UpButton(), Qt::LeftButton);
    EXPECT_EQ(form->EDefaultValue->text(), "-63");

    // Lowering the count with the first tab selected removes the last knob, not the first.
    form->KnobTabs->setCurrentIndex(0);
    EXPECT_EQ(form->EKnobName->text(), "Volume");
    Count(-1);
    EXPECT_EQ(Captions(form->EditedList()), QStringList({"Volume", "Bank Select MSB"}));
    EXPECT_EQ(form->KnobTabs->currentIndex(), 0);

    // A name typed into the visible knob is taken by Apply at once.
    Type(form->EKnobName, "Loud");
    QTest::mouseClick(form->BApply, Qt::LeftButton);
    EXPECT_EQ(Captions(w->Knobs().KnobList()), QStringList({"Loud", "Bank Select MSB"}));
    EXPECT_TRUE(w->Knobs().KnobList().Entry(1)->Knob->isVisible());
    EXPECT_EQ(w->Knobs().PresetName(), "Current");
    EXPECT_EQ(PresetItems(), QStringList({"Default"}));
    EXPECT_TRUE(out.SentTo(out.DeviceUid(0)).empty());  // setting up sends nothing by itself

    // The count stops at 20 and at 0; with no knobs only the notice is left.
    Count(+25);
    EXPECT_EQ(form->KnobTabs->count(), TKnobList::kMaxKnobs);
    EXPECT_EQ(form->EKnobCount->text(), "20");
    Count(-25);
    EXPECT_EQ(form->EditedList().Count(), 0);
    EXPECT_FALSE(form->KnobTabControl->isVisible());
    EXPECT_TRUE(form->Panel1->isVisible());
    QTest::mouseClick(form->BApply, Qt::LeftButton);
    EXPECT_EQ(w->Knobs().KnobList().Count(), 0);
    EXPECT_FALSE(Find<TWheel>("Wheel1")->isVisible());
}

TEST_F(KnobSetup, NewSaveAndDeletePresetsWithRefusedNames) {
    StorePreset("Alpha", {"A1"});
    w->Knobs().RebuildPresetMenu();
    Open();
    QTest::mouseClick(form->BSavePreset, Qt::LeftButton);  // disabled without a selection
    form->BSavePresetClick();
    form->BDeletePresetClick();
    EXPECT_EQ(errors, QStringList({"You must make a new preset before being able to save it.",
                                   "Please select a preset to delete."}));
    errors.clear();

    names = {"current", "alpha", "Mine"};
    QTest::mouseClick(form->BNewPreset, Qt::LeftButton);
    EXPECT_EQ(errors, QStringList({"You can't name a preset \"Current\".",
                                   "A preset with this name already exists !"}));
    EXPECT_EQ(proposals, QStringList({"New Preset", "current", "alpha"}));
    EXPECT_EQ(ComboItems(), QStringList({"Alpha", "Mine*"}));
    EXPECT_TRUE(form->BDeletePreset->isEnabled());
    EXPECT_EQ(presets.ReadString("Mine", "Caption1", ""), "Volume");
    EXPECT_EQ(PresetItems(), QStringList({"Alpha", "Default*", "Mine"}));

    // Save writes the edits into the selected preset, replacing what it held.
    Count(+1);
    QTest::mouseClick(form->BSavePreset, Qt::LeftButton);
    EXPECT_FALSE(form->Changed());
    EXPECT_EQ(presets.ReadString("Mine", "Caption2", ""), "Bank Select MSB");

    answers = {QMessageBox::No};
    QTest::mouseClick(form->BDeletePreset, Qt::LeftButton);
    EXPECT_EQ(questions.value(questions.size() - 1),
              "Are you sure to delete preset \"Mine\" ?\nThis can't be undone later !");
    EXPECT_FALSE(presets.ReadSection("Mine").empty());
    answers = {QMessageBox::Yes};
    QTest::mouseClick(form->BDeletePreset, Qt::LeftButton);
    EXPECT_TRUE(presets.ReadSection("Mine").empty());
    EXPECT_EQ(ComboItems(), QStringList({"Alpha*"}));
    EXPECT_EQ(PresetItems(), QStringList({"Alpha", "Default*"}));
}

TEST_F(KnobSetup, ChangingPresetAfterEditsAsksAndSavesIntoThePresetThatWasEdited) {
    StorePreset("A", {"A1", "A2"});
    StorePreset("B", {"B1"});
    w->Knobs().RebuildPresetMenu();
    w->Knobs().SelectPreset("A");
    Open();
    EXPECT_EQ(ComboItems(), QStringList({"A*", "B"}));
    Type(form->EKnobName, "Edited");

    answers = {QMessageBox::Cancel};
    ChoosePreset("B");
    EXPECT_EQ(questions.value(questions.size() - 1),
              "You have made changes to knob preset \"A\". Do you want to save it ?");
    EXPECT_EQ(ComboItems(), QStringList({"A*", "B"}));
    EXPECT_EQ(form->EKnobName->text(), "Edited");
    EXPECT_TRUE(form->Changed());

    // Yes saves the edits into A (which they were made to), then loads B.
    answers = {QMessageBox::Yes};
    ChoosePreset("B");
    EXPECT_EQ(presets.ReadString("A", "Caption1", ""), "Edited");
    EXPECT_EQ(presets.ReadString("B", "Caption1", ""), "B1");
    EXPECT_EQ(Captions(form->EditedList()), QStringList({"B1"}));
    EXPECT_EQ(form->EKnobName->text(), "B1");
    EXPECT_FALSE(form->Changed());

    // OK without changes selects the chosen preset in the main window and closes.
    QTest::mouseClick(form->BOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_EQ(Captions(w->Knobs().KnobList()), QStringList({"B1"}));
    EXPECT_EQ(PresetItems(), QStringList({"A", "B*", "Default"}));
}

TEST_F(KnobSetup, UnsavedKnobsOfferANewPresetOnOk) {
    Open();
    Count(+1);
    answers = {QMessageBox::Yes};
    names = {"Fresh"};
    QTest::mouseClick(form->BOK, Qt::LeftButton);
    EXPECT_EQ(questions,
              QStringList({"You have changed the knobs. Do you want to save them as a preset ?"}));
    EXPECT_EQ(presets.ReadString("Fresh", "Caption2", ""), "Bank Select MSB");
    // Saved, so OK loads the new preset into the main window by name.
    EXPECT_EQ(w->Knobs().PresetName(), "Fresh");
    EXPECT_EQ(w->Knobs().KnobList().Count(), 2);
}

TEST_F(KnobSetup, MovingAControllerSelectsItOnlyWhileTheListHasTheFocus) {
    Open();
    form->EKnobName->setFocus();
    w->ReflectMessage(0xB0, 74, 5);
    EXPECT_EQ(form->CBKnobCtrl->currentIndex(), 7);

    form->CBKnobCtrl->setFocus();
    ASSERT_TRUE(form->CBKnobCtrl->hasFocus());
    w->ReflectMessage(0xB3, 74, 5);  // any channel
    EXPECT_EQ(form->CBKnobCtrl->currentIndex(), 74);
    form->LearnController(128);  // pitch bend has no entry
    EXPECT_EQ(form->CBKnobCtrl->currentIndex(), 74);
    // The name stays; the controller is taken by the next commit.
    EXPECT_EQ(form->EKnobName->text(), "Volume");
    form->CommitTab();
    EXPECT_EQ(form->EditedList().Controller(0), 74);
}

TEST_F(KnobSetup, ClosingTheMainWindowClosesTheWindowAndKeepsItsPosition) {
    Open();
    form->move(300, 200);
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_NE(store.ReadInteger("KnobEditForm", "FormLeft", kPlacementMissing), kPlacementMissing);
}

TEST(KnobUpDown, HeldButtonsStepFaster) {
    EXPECT_EQ(UpDownStep(0), 1);
    EXPECT_EQ(UpDownStep(1999), 1);
    EXPECT_EQ(UpDownStep(2000), 5);
    EXPECT_EQ(UpDownStep(5000), 10);
}

}  // namespace
