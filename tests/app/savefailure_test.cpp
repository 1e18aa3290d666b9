// A save that cannot be written reaches the user once, with the file and the reason, and
// nothing in memory is lost; every window that saves on the user's command is covered.
#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>

#include "app/knobpanel.h"
#include "app/settingsform.h"
#include "app/tastra.h"
#include "chords/chordeditform.h"
#include "knobs/knobeditform.h"
#include "platform/registry/registrystore.h"
#include "platform/settings/atomicfile.h"
#include "platform/settings/programpaths.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

namespace fs = std::filesystem;

namespace {

enum class TBreak { FolderIsAFile, HiveIsAFolder };
enum class TAction { CloseMainWindow, SettingsApply, ChordEditorApply, ChordEditorOk, KnobPreset };

struct TCase {
    TAction action;
    TBreak breakage;
};

class SaveFailure : public ::testing::TestWithParam<TCase> {
protected:
    void SetUp() override {
        m_folder = m_dir.path().toStdString() + "/Ostrel";
        m_hive = m_folder + "/registry.reg";
        TTastraServices s;
        s.midiOut = &m_out;
        s.midiIn = &m_in;
        s.openSettingsRoot = [this] {
            return std::unique_ptr<TSettingsStore>(
                new TRegistryIniFile(SettingsRootPath(), m_hive));
        };
        s.openSettingsKey = [this](const std::string& sub) {
            return std::unique_ptr<TSettingsStore>(
                new TRegistryIniFile(SettingsRootPath() + "\\" + sub, m_hive));
        };
        s.prompts = &prompts;
        w = std::make_unique<TTastra2>(s);
        w->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->StartupDone(); }, 3000));
    }
    void TearDown() override {
        Repair();
        if (w) w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Break(TBreak how) {
        fs::remove_all(m_folder);
        if (how == TBreak::FolderIsAFile)
            ASSERT_TRUE(WriteFileAtomically(m_folder, "not a folder"));
        else
            fs::create_directories(m_hive);
    }
    void Repair() {
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }

    TChordEditForm* OpenChordEditor() {
        w->FindAction("ChordEditor1")->trigger();
        TChordEditForm* f = w->ChordEditForm();
        f->OnError = [this](const QString& e) { errors << e; };
        f->BNew->click();
        f->LVChords->setCurrentItem(f->LVChords->topLevelItem(0));
        f->CBEdit->click();
        f->ChordEditorNoteIn(60, 100);
        f->ChordEditorNoteIn(64, 100);
        return f;
    }

    QTemporaryDir m_dir;
    std::string m_folder;
    std::string m_hive;
    TVirtualMidiService m_out{{"Synth"}};
    TVirtualMidiInService m_in;
    TScriptedPrompts prompts;
    // The main window's messages and those of its tool windows, in the order they came.
    QStringList& errors = prompts.errors;
    std::unique_ptr<TTastra2> w;
};

TEST_P(SaveFailure, IsToldOnceWithFileAndReasonAndMemoryIsKept) {
    const TCase c = GetParam();
    QPointer<TChordEditForm> chords;
    QPointer<TKnobEditForm> knobs;
    if (c.action == TAction::ChordEditorApply || c.action == TAction::ChordEditorOk)
        chords = OpenChordEditor();
    if (c.action == TAction::KnobPreset) {
        w->FindAction("Setup1")->trigger();
        knobs = w->Knobs().SetupForm();
        knobs->OnError = [this](const QString& e) { errors << e; };
        knobs->OnPresetName = [](QString& name) {
            name = "Mine";
            return true;
        };
    }
    Break(c.breakage);

    switch (c.action) {
        case TAction::CloseMainWindow:
            w->close();
            EXPECT_FALSE(w->isVisible());  // closing still closes
            break;
        case TAction::SettingsApply:
            w->FindAction("Settings1")->trigger();
            w->SettingsForm()->TBMouseWheelSensitivity->setValue(9);
            w->SettingsForm()->BApply->click();
            EXPECT_EQ(w->WheelSensitivity(), 9);
            // Apply applies; the settings are written, and a failure told, when the window closes.
            EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
            w->close();
            break;
        case TAction::ChordEditorApply:
        case TAction::ChordEditorOk:
            (c.action == TAction::ChordEditorOk ? chords->BOK : chords->BApply)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ASSERT_FALSE(chords.isNull());  // OK keeps the window with the unsaved chords open
            EXPECT_EQ(chords->WorkingList().Item(0).ToText(), "3C04");
            break;
        case TAction::KnobPreset:
            knobs->BNewPreset->click();
            EXPECT_TRUE(knobs->Changed());  // still offered for saving
            break;
    }
    ASSERT_EQ(errors.size(), 1) << errors.join("\n").toStdString();
    EXPECT_TRUE(errors[0].contains(QString::fromStdString(m_hive))) << errors[0].toStdString();
    const char* reason = c.breakage == TBreak::FolderIsAFile ? "Not a directory" : "Is a directory";
    EXPECT_TRUE(errors[0].contains(reason)) << errors[0].toStdString();

    // Once the file can be written, the changes kept in memory get there.
    Repair();
    errors.clear();
    if (chords) {
        chords->BApply->click();
        EXPECT_EQ(TRegistryIniFile(SettingsRootPath(), m_hive).ReadString("Chords", "Chord1", ""),
                  "3C04");
    }
    w->close();
    EXPECT_TRUE(errors.isEmpty()) << errors.join("\n").toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryPath, SaveFailure,
                         ::testing::Values(TCase{TAction::CloseMainWindow, TBreak::FolderIsAFile},
                                           TCase{TAction::CloseMainWindow, TBreak::HiveIsAFolder},
                                           TCase{TAction::SettingsApply, TBreak::FolderIsAFile},
                                           TCase{TAction::ChordEditorApply, TBreak::HiveIsAFolder},
                                           TCase{TAction::ChordEditorOk, TBreak::FolderIsAFile},
                                           TCase{TAction::KnobPreset, TBreak::HiveIsAFolder}));

}  // namespace
