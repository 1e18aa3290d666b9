// Export and import of settings, knob presets, knob snapshots and chords through INI files.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/eximhelp.h"
#include "app/importexport.h"
#include "app/knobpanel.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "platform/settings/inifile.h"
#include "support/testwindow.h"

namespace {

void WritePreset(TSettingsStore& store, const std::string& name, const QString& caption,
                 int controller) {
    TKnobList knobs;
    knobs.Add(caption, controller, 1, 64);
    knobs.WriteToIni(store, name);
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

class ImportExport : public TWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        AddDevices("Synth");
        store.WriteString("Chords", "Name1", "Stack");
        store.WriteString("Chords", "Chord1", "3C0407");
        Start();
    }

    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QStringList &errors = prompts.errors, &messages = prompts.information,
                &offered = prompts.offeredFiles;
    QList<int>& explained = prompts.explained;
    QString &exportTo = prompts.exportTo, &importFrom = prompts.importFrom;
};

TEST_F(ImportExport, SettingsRoundTripLeavesTheDevicesAndSnapshotsOut) {
    exportTo = File("s.ini");
    // An old file chosen for replacing must not pass its sections on.
    WriteText(exportTo, "[MidiDevices]\r\nMidiOut=Other\r\n");
    w->SetWheelController(5);
    w->Keyboard1->SetChannel(4);
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
    w->Keyboard1->SetChannel(0);
    importFrom = exportTo;
    w->FindAction("ImportSettings")->trigger();
    EXPECT_EQ(w->WheelController(), 5);
    EXPECT_EQ(w->Keyboard1->Channel(), 4);
    EXPECT_EQ(messages.last(), "Settings loaded successfully.");
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(explained, QList<int>({0, 4}));
}

TEST_F(ImportExport, MissingOrForeignSettingsFileChangesNothing) {
    w->SetWheelController(5);
    importFrom = File("missing.ini");
    w->ImpExp().ImportSettingsClick();
    WriteText(File("chords.ini"), "[Chords]\r\nName1=X\r\nChord1=3C04\r\n");
    importFrom = File("chords.ini");
    w->ImpExp().ImportSettingsClick();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("could not be read"));
    EXPECT_TRUE(errors[1].contains("holds no settings"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(w->WheelController(), 5);
}

TEST_F(ImportExport, KnobPresetsExportThenImportByOverwriteAndAdd) {
    WritePreset(presets, "Alpha", "Cut", 74);
    WritePreset(presets, "Beta", "Res", 71);
    WritePreset(presets, "Current", "Cur", 1);
    exportTo = File("p.ini");
    w->ImpExp().ExportKnobPresetsClick();
    EXPECT_EQ(messages.last(), "2 knob presets saved successfully.");
    TIniFile exported(exportTo.toStdString());
    EXPECT_EQ(exported.ReadSections(), std::vector<std::string>({"Alpha", "Beta"}));

    // Adding: a preset of the same name is replaced, the others stay; reserved names never land.
    importFrom = File("q.ini");
    {
        TIniFile q(importFrom.toStdString());
        WritePreset(q, "Alpha", "New", 10);
        WritePreset(q, "Gamma", "Pan", 10);
        WritePreset(q, "DEFAULT", "X", 1);
        WritePreset(q, "current", "Y", 2);
        ASSERT_TRUE(q.Flush());
    }
    w->ImpExp().ImportKnobPresetsClick();
    EXPECT_EQ(messages.last(), "2 knob presets loaded successfully.");
    EXPECT_EQ(presets.ReadString("Alpha", "Caption1", ""), "New");
    EXPECT_EQ(presets.ReadString("Beta", "Caption1", ""), "Res");
    EXPECT_EQ(presets.ReadString("Current", "Caption1", ""), "Cur");
    EXPECT_EQ(presets.ReadSections().size(), 4u);
    QStringList items;
    for (QAction* a : w->FindMenu("Presets1")->actions()) items << a->text();
    EXPECT_TRUE(items.contains("Gamma"));

    // Overwriting: every stored preset goes first.
    prompts.explainAnswers = {{true, true}};
    importFrom = exportTo;
    w->ImpExp().ImportKnobPresetsClick();
    EXPECT_EQ(presets.ReadSections(), std::vector<std::string>({"Alpha", "Beta"}));
    EXPECT_EQ(presets.ReadString("Alpha", "Caption1", ""), "Cut");
}

TEST_F(ImportExport, PresetFileWithNothingUsableKeepsThePresetsEvenWhenOverwriting) {
    WritePreset(presets, "Alpha", "Cut", 74);
    prompts.explainAnswers = {{true, true}};
    importFrom = File("junk.ini");
    WriteText(importFrom, "\x01\x02 binary junk\n[Default]\nCaption1=Vol\n[Empty]\n");
    w->ImpExp().ImportKnobPresetsClick();
    EXPECT_EQ(messages.last(), "No knob presets could be loaded.");
    EXPECT_EQ(presets.ReadSections(), std::vector<std::string>({"Alpha"}));
}

TEST_F(ImportExport, SnapshotsRoundTripAndExportMenuFollowsWhatExists) {
    w->ImpExp().UpdateExportMenu();
    EXPECT_FALSE(w->FindAction("ExportKnobSnapshots")->isEnabled());
    EXPECT_TRUE(w->FindAction("ExportKnobPresets")->isEnabled());  // the volume knob
    EXPECT_TRUE(w->FindAction("ExportChords")->isEnabled());
    w->Knobs().KnobList().Clear();
    w->ChordList().Clear();
    w->ImpExp().UpdateExportMenu();
    EXPECT_FALSE(w->FindAction("ExportKnobPresets")->isEnabled());
    EXPECT_FALSE(w->FindAction("ExportChords")->isEnabled());
    EXPECT_TRUE(w->FindAction("ExportSettings")->isEnabled());

    w->Knobs().KnobList().Add("Pan", 10, 1, 64);
    prompts.snapshotName = "Mix";
    w->Knobs().DefineSnapshot(3);
    w->ImpExp().UpdateExportMenu();
    EXPECT_TRUE(w->FindAction("ExportKnobSnapshots")->isEnabled());
    exportTo = importFrom = File("snap.ini");
    w->ImpExp().ExportKnobSnapshotsClick();
    EXPECT_EQ(messages.last(), "1 knob snapshots saved successfully.");

    Stop();
    store.EraseSection("Snapshots");
    Start();
    EXPECT_TRUE(w->Knobs().SnapshotValues(3).isEmpty());
    w->ImpExp().ImportKnobSnapshotsClick();
    EXPECT_EQ(messages.last(), "1 knob snapshots loaded successfully.");
    EXPECT_EQ(w->Knobs().SnapshotValues(3), "0A40");
    EXPECT_EQ(w->FindAction("Snapshot3")->text(), "&3 Mix");
}

TEST_F(ImportExport, ChordsRoundTripAddOverwriteAndEmptyFile) {
    exportTo = File("c.ini");
    w->ImpExp().ExportChordsClick();
    EXPECT_EQ(messages.last(), "1 custom chords saved successfully.");

    importFrom = File("more.ini");
    WriteText(importFrom,
              "[Chords]\r\nName1=stack\r\nChord1=3C0409\r\nName2=Wide\r\nChord2=3C0C\r\n");
    w->ImpExp().ImportChordsClick();  // add: "stack" replaces "Stack"
    EXPECT_EQ(messages.last(), "2 custom chords loaded successfully.");
    ASSERT_EQ(w->ChordList().Count(), 2);
    EXPECT_EQ(store.ReadString("Chords", "Chord1", ""), "3C0409");
    EXPECT_EQ(w->CBChord->count(), 10);

    prompts.explainAnswers = {{true, true}};
    importFrom = File("empty.ini");
    WriteText(importFrom, "[Other]\r\nx=1\r\n");
    w->ImpExp().ImportChordsClick();
    EXPECT_EQ(messages.last(), "No custom chords could be loaded.");
    EXPECT_EQ(w->ChordList().Count(), 2);
    EXPECT_EQ(store.ReadString("Chords", "Name2", ""), "Wide");

    importFrom = exportTo;
    w->ImpExp().ImportChordsClick();
    ASSERT_EQ(w->ChordList().Count(), 1);
    EXPECT_EQ(w->ChordList().Item(0).Name(), "Stack");
    EXPECT_EQ(w->CBChord->count(), 9);
    EXPECT_TRUE(store.ReadString("Chords", "Name2", "").empty());
}

TEST_F(ImportExport, FileOffersRememberedNameThenLastFolderWithTheKindsDefault) {
    // The first offer is in the documents folder, which is created: keep it in the test's folder.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    exportTo = File("mine.ini");
    w->ImpExp().ExportSettingsClick();
    w->ImpExp().ExportSettingsClick();
    w->ImpExp().ExportChordsClick();
    qputenv("HOME", home);
    if (config.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", config);
    ASSERT_EQ(offered.size(), 3);
    EXPECT_EQ(offered[0], File("Documents/Zorvik's Tastra/KeyboardSettings.ini"));
    EXPECT_EQ(offered[1], exportTo);
    EXPECT_EQ(offered[2], File("KeyboardChords.ini"));
    // A cancelled dialog ends the command quietly.
    exportTo.clear();
    messages.clear();
    w->ImpExp().ExportKnobPresetsClick();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ImportExport, ExportToAnUnwritablePlaceIsReportedNotCelebrated) {
    exportTo = File("no/such/folder/s.ini");
    w->ImpExp().ExportChordsClick();
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("could not be written"));
}

// The explanation window: ticking the check box skips it for that command only; the two
// imports that ask overwrite-or-add always come and remember the choice as the default.
TEST_F(ImportExport, ExplanationCheckBoxAndOverwriteChoiceBecomeTheFlags) {
    exportTo = File("s.ini");
    prompts.explainAnswers = {{true, true}};
    w->ImpExp().ExportSettingsClick();
    EXPECT_TRUE(w->ImpExp().Flag(0));
    w->ImpExp().ExportSettingsClick();  // no explanation now
    EXPECT_EQ(explained, QList<int>({0}));

    importFrom = File("none.ini");
    WriteText(importFrom, "");
    prompts.explainAnswers = {{true, true}, {false, false}};
    w->ImpExp().ImportChordsClick();
    EXPECT_TRUE(w->ImpExp().Flag(7));
    offered.clear();
    w->ImpExp().ImportChordsClick();
    EXPECT_TRUE(offered.isEmpty());  // cancelled before the file dialog
    EXPECT_TRUE(w->ImpExp().Flag(7));
    EXPECT_EQ(explained, QList<int>({0, 7, 7}));
    EXPECT_EQ(prompts.flagsOffered, QList<bool>({false, false, true}));

    // The flags travel with the settings.
    w->close();
    EXPECT_TRUE(store.ReadBool("KeyboardForm", "DontShowExSettings", false));
    EXPECT_TRUE(store.ReadBool("KeyboardForm", "ImChordsOverwrite", false));
}

// The explanation window's controls stand for the flag: the check box, or for the two imports that
// ask, the overwrite choice (offered as the flag was).
TEST(ExImHelp, CheckBoxOrOverwriteChoiceIsTheFlag) {
    TExImHelp help(nullptr);
    help.Prepare(0, false);
    help.CBDontShow->setChecked(true);
    EXPECT_TRUE(help.FlagFromControls());
    help.Prepare(7, true);
    EXPECT_TRUE(help.RBChordOverwrite->isChecked());
    EXPECT_TRUE(help.CBDontShow->isHidden());
    help.RBChordAdd->setChecked(true);
    EXPECT_FALSE(help.FlagFromControls());
}

}  // namespace
