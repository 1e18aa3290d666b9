// Export and import of settings, knob presets, knob snapshots and chords through INI files.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/eximhelp.h"
#include "app/importexport.h"
#include "chords/chordlist.h"
#include "knobs/knoblist.h"
#include "platform/settings/inifile.h"
#include "support/parttest.h"

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

// The commands built without the window: its settings are one value, the knobs a flag and one
// snapshot; the presets and the chords are kept in the test's stores.
class ImportExport : public TPartTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        store.WriteString("Chords", "Name1", "Stack");
        store.WriteString("Chords", "Chord1", "3C0407");
        chords.LoadFromRegistry(OpenRoot());
        TImportExportHost host;
        host.prompts = &prompts;
        host.section = "KeyboardForm";
        host.saveSettings = [this](TSettingsStore& s) {
            s.WriteInteger("KeyboardForm", "MouseWheelController", wheel);
        };
        host.importSettings = [this](TSettingsStore& s) {
            wheel = s.ReadInteger("KeyboardForm", "MouseWheelController", wheel);
        };
        host.openPresets = [this] { return std::make_unique<TSharedStoreView>(presets); };
        host.storeCurrentKnobs = [] { return std::string(); };
        host.presetsChanged = [this] { ++presetChanges; };
        host.writeSnapshots = [this](TSettingsStore& s) {
            if (!snapshot.empty()) s.WriteString("Snapshots", "Values3", snapshot);
            return snapshot.empty() ? 0 : 1;
        };
        host.readSnapshots = [this](TSettingsStore& s) {
            snapshot = s.ReadString("Snapshots", "Values3", "");
            return snapshot.empty() ? 0 : 1;
        };
        host.hasKnobs = [this] { return hasKnobs; };
        host.hasSnapshots = [this] { return !snapshot.empty(); };
        host.chords = &chords;
        host.openSettingsRoot = OpenRoot();
        host.chordsChanged = [this] { ++chordChanges; };
        impExp = std::make_unique<TImportExport>(
            std::move(host), window->menuBar()->addMenu(QStringLiteral("File")));
    }

    QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    TChordList chords;
    std::unique_ptr<TImportExport> impExp;
    int wheel = 1;
    bool hasKnobs = true;
    std::string snapshot;
    int presetChanges = 0;
    int chordChanges = 0;
    QStringList &errors = prompts.errors, &messages = prompts.information,
                &offered = prompts.offeredFiles;
    QList<int>& explained = prompts.explained;
    QString &exportTo = prompts.exportTo, &importFrom = prompts.importFrom;
};

TEST_F(ImportExport, MissingOrForeignSettingsFileChangesNothing) {
    wheel = 5;
    importFrom = File("missing.ini");
    impExp->ImportSettingsClick();
    WriteText(File("chords.ini"), "[Chords]\r\nName1=X\r\nChord1=3C04\r\n");
    importFrom = File("chords.ini");
    impExp->ImportSettingsClick();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[0].contains("could not be read"));
    EXPECT_TRUE(errors[1].contains("holds no settings"));
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(wheel, 5);
}

TEST_F(ImportExport, KnobPresetsExportThenImportByOverwriteAndAdd) {
    WritePreset(presets, "Alpha", "Cut", 74);
    WritePreset(presets, "Beta", "Res", 71);
    WritePreset(presets, "Current", "Cur", 1);
    exportTo = File("p.ini");
    impExp->ExportKnobPresetsClick();
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
    impExp->ImportKnobPresetsClick();
    EXPECT_EQ(messages.last(), "2 knob presets loaded successfully.");
    EXPECT_EQ(presets.ReadString("Alpha", "Caption1", ""), "New");
    EXPECT_EQ(presets.ReadString("Beta", "Caption1", ""), "Res");
    EXPECT_EQ(presets.ReadString("Current", "Caption1", ""), "Cur");
    EXPECT_EQ(presets.ReadString("Gamma", "Caption1", ""), "Pan");
    EXPECT_EQ(presets.ReadSections().size(), 4u);
    EXPECT_EQ(presetChanges, 1);

    // Overwriting: every stored preset goes first.
    prompts.explainAnswers = {{true, true}};
    importFrom = exportTo;
    impExp->ImportKnobPresetsClick();
    EXPECT_EQ(presets.ReadSections(), std::vector<std::string>({"Alpha", "Beta"}));
    EXPECT_EQ(presets.ReadString("Alpha", "Caption1", ""), "Cut");
}

TEST_F(ImportExport, PresetFileWithNothingUsableKeepsThePresetsEvenWhenOverwriting) {
    WritePreset(presets, "Alpha", "Cut", 74);
    prompts.explainAnswers = {{true, true}};
    importFrom = File("junk.ini");
    WriteText(importFrom, "\x01\x02 binary junk\n[Default]\nCaption1=Vol\n[Empty]\n");
    impExp->ImportKnobPresetsClick();
    EXPECT_EQ(messages.last(), "No knob presets could be loaded.");
    EXPECT_EQ(presets.ReadSections(), std::vector<std::string>({"Alpha"}));
}

TEST_F(ImportExport, SnapshotsRoundTripAndExportMenuFollowsWhatExists) {
    impExp->UpdateExportMenu();
    EXPECT_FALSE(Find<QAction>("ExportKnobSnapshots")->isEnabled());
    EXPECT_TRUE(Find<QAction>("ExportKnobPresets")->isEnabled());
    EXPECT_TRUE(Find<QAction>("ExportChords")->isEnabled());
    hasKnobs = false;
    chords.Clear();
    impExp->UpdateExportMenu();
    EXPECT_FALSE(Find<QAction>("ExportKnobPresets")->isEnabled());
    EXPECT_FALSE(Find<QAction>("ExportChords")->isEnabled());
    EXPECT_TRUE(Find<QAction>("ExportSettings")->isEnabled());

    snapshot = "0A40";
    impExp->UpdateExportMenu();
    EXPECT_TRUE(Find<QAction>("ExportKnobSnapshots")->isEnabled());
    exportTo = importFrom = File("snap.ini");
    impExp->ExportKnobSnapshotsClick();
    EXPECT_EQ(messages.last(), "1 knob snapshots saved successfully.");

    snapshot.clear();
    impExp->ImportKnobSnapshotsClick();
    EXPECT_EQ(messages.last(), "1 knob snapshots loaded successfully.");
    EXPECT_EQ(snapshot, "0A40");
}

TEST_F(ImportExport, ChordsRoundTripAddOverwriteAndEmptyFile) {
    exportTo = File("c.ini");
    impExp->ExportChordsClick();
    EXPECT_EQ(messages.last(), "1 custom chords saved successfully.");

    importFrom = File("more.ini");
    WriteText(importFrom,
              "[Chords]\r\nName1=stack\r\nChord1=3C0409\r\nName2=Wide\r\nChord2=3C0C\r\n");
    impExp->ImportChordsClick();  // add: "stack" replaces "Stack"
    EXPECT_EQ(messages.last(), "2 custom chords loaded successfully.");
    ASSERT_EQ(chords.Count(), 2);
    EXPECT_EQ(store.ReadString("Chords", "Chord1", ""), "3C0409");
    EXPECT_EQ(chordChanges, 1);

    prompts.explainAnswers = {{true, true}};
    importFrom = File("empty.ini");
    WriteText(importFrom, "[Other]\r\nx=1\r\n");
    impExp->ImportChordsClick();
    EXPECT_EQ(messages.last(), "No custom chords could be loaded.");
    EXPECT_EQ(chords.Count(), 2);
    EXPECT_EQ(store.ReadString("Chords", "Name2", ""), "Wide");

    importFrom = exportTo;
    impExp->ImportChordsClick();
    ASSERT_EQ(chords.Count(), 1);
    EXPECT_EQ(chords.Item(0).Name(), "Stack");
    EXPECT_TRUE(store.ReadString("Chords", "Name2", "").empty());
}

// Stored Stack, A, B; another running copy adds Theirs; importing "stack" (add) stores and lists
// the order shown, A, B, stack, with the other copy's chord after it.
TEST_F(ImportExport, ChordImportStoresTheShownOrderAndListsWhatIsNowStored) {
    store.WriteString("Chords", "Name2", "A");
    store.WriteString("Chords", "Chord2", "3C03");
    store.WriteString("Chords", "Name3", "B");
    store.WriteString("Chords", "Chord3", "3C05");
    chords.LoadFromRegistry(OpenRoot());
    store.WriteString("Chords", "Name4", "Theirs");
    store.WriteString("Chords", "Chord4", "3C08");
    importFrom = File("stack.ini");
    WriteText(importFrom, "[Chords]\r\nName1=stack\r\nChord1=3C0409\r\n");
    impExp->ImportChordsClick();
    const std::vector<std::string> expected = {"A", "B", "stack", "Theirs"};
    std::vector<std::string> inStore, listed;
    for (int n = 1; n <= 5; ++n)
        inStore.push_back(store.ReadString("Chords", "Name" + std::to_string(n), ""));
    for (int i = 0; i < chords.Count(); ++i) listed.push_back(chords.Item(i).Name().toStdString());
    EXPECT_EQ(inStore, (std::vector<std::string>{"A", "B", "stack", "Theirs", ""}));
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(chordChanges, 1);
}

TEST_F(ImportExport, FileOffersRememberedNameThenLastFolderWithTheKindsDefault) {
    // The first offer is in the documents folder, which is created: keep it in the test's folder.
    const QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", dir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath("config").toLocal8Bit());
    exportTo = File("mine.ini");
    impExp->ExportSettingsClick();
    impExp->ExportSettingsClick();
    impExp->ExportChordsClick();
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
    impExp->ExportKnobPresetsClick();
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ImportExport, ExportToAnUnwritablePlaceIsReportedNotCelebrated) {
    exportTo = File("no/such/folder/s.ini");
    impExp->ExportChordsClick();
    EXPECT_TRUE(messages.isEmpty());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("could not be written"));
}

// The explanation window: ticking the check box skips it for that command only; the two
// imports that ask overwrite-or-add always come and remember the choice as the default.
TEST_F(ImportExport, ExplanationCheckBoxAndOverwriteChoiceBecomeTheFlags) {
    exportTo = File("s.ini");
    prompts.explainAnswers = {{true, true}};
    impExp->ExportSettingsClick();
    EXPECT_TRUE(impExp->Flag(0));
    impExp->ExportSettingsClick();  // no explanation now
    EXPECT_EQ(explained, QList<int>({0}));

    importFrom = File("none.ini");
    WriteText(importFrom, "");
    prompts.explainAnswers = {{true, true}, {false, false}};
    impExp->ImportChordsClick();
    EXPECT_TRUE(impExp->Flag(7));
    offered.clear();
    impExp->ImportChordsClick();
    EXPECT_TRUE(offered.isEmpty());  // cancelled before the file dialog
    EXPECT_TRUE(impExp->Flag(7));
    EXPECT_EQ(explained, QList<int>({0, 7, 7}));
    EXPECT_EQ(prompts.flagsOffered, QList<bool>({false, false, true}));

    // The flags travel with the settings.
    impExp->SaveFlags(store);
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
