#pragma once

#include <QPointer>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/tastrabase.h"
#include "chords/chordlist.h"
#include "controls/joystick.h"
#include "controls/joysticktable.h"
#include "patches/patchlist.h"

class QAction;
class QActionGroup;
class QMenu;
class TGUIKnobList;
class TWheel;
class QComboBox;
class QLabel;
class QMenu;
class TErrForm;
class TNumberEdit;
class TUpDown;
class TMidiInMenu;
class TMidiInService;
class TMidiInput;
class TMidiOutMenu;
class TMidiOutService;
class TMidiOutput;
class TStatusPanels;
class TChordEditForm;
class TKnobEditForm;
class TTransposeForm;
class TSettings;
class TPatchSetChooser;
class TIniFile;

// What the main window is given from outside: the MIDI service it plays through and the way to
// open the settings root. Tests hand in a virtual service and an in-memory store.
struct TTastraServices {
    TMidiOutService* midiOut = nullptr;
    TMidiInService* midiIn = nullptr;
    std::function<std::unique_ptr<TSettingsStore>()> openSettingsRoot;
    // Opens a store on a key below the settings root whose sections are that key's subkeys (the
    // knob presets under "KnobPresets"). Unset: knob presets are not kept.
    std::function<std::unique_ptr<TSettingsStore>(const std::string& subKey)> openSettingsKey;
    // The joysticks' service. Unset: no joysticks.
    TJoystickService* joystick = nullptr;
};

// The main window: menus, status bar, the single send path and the start-up and closing order.
class TTastra2 : public TTastra {
public:
    explicit TTastra2(const TTastraServices& services, QWidget* parent = nullptr);
    ~TTastra2() override;

    // The single send path: send, then mirror the message in the window's controls.
    void SendAndShow(uint8_t status, uint8_t data1, uint8_t data2);
    void ReflectMessage(uint8_t status, uint8_t data1, uint8_t data2);
    void SetStatusText(const QString& text);

    void LoadSettings(TSettingsStore& store) override;
    void SaveSettings(TSettingsStore& store) override;
    void RefreshNumbers() override;
    int MinWidth() const override;

    void LoadFromRegistry();
    // False (after telling the user once) when the settings could not be written.
    bool SaveToRegistry();

    // Error boxes go through here so that tests can watch them instead of blocking on a dialog.
    std::function<void(const QString& text)> OnError;
    // The transpose reminder; tests replace it. Returns the new state of the check box.
    std::function<bool(const QString& text, bool checked)> OnReminder;

    TMidiOutMenu* MidiOutMenu1 = nullptr;
    TMidiInMenu* MidiInMenu1 = nullptr;
    TMidiOutput& MidiOut();
    TMidiInput& MidiIn();
    // The data-available handler of the MIDI input: the thru path.
    void MidiInput(TMidiInput* input);
    void MidiThru1Click();
    TStatusPanels* StatusPanels() const { return m_status; }
    QMenuBar* MainMenu() const;
    QAction* FindAction(const QString& objectName) const;
    QMenu* FindMenu(const QString& objectName) const;

    int Program() const { return m_program; }
    int Bank() const { return m_bank; }
    bool FirstTime() const { return m_firstTime; }
    bool MidiThru() const { return m_midiThru; }
    bool StartupDone() const { return m_startupNoticeHandled; }

    // Chord box: the built-in chords, then the chord list's entries.
    void CBChordClick() override;
    void ReloadChords();
    void RebuildChordItems();
    void StepChord(int d);
    TChordList& ChordList() { return m_chordList; }
    int CustomChordIndex() const { return m_customChordIndex; }

    // Panic: note-offs for every note and "all sound off"/"reset controllers" on all channels.
    void BPanicClick();
    // How Panic waits between channels; tests replace it.
    std::function<void(int ms)> PanicPause;
    QLabel* PPanic = nullptr;
    // The mouse wheel drives this controller: 0..127, 128 pitch bend, 129 none.
    void SetWheelController(int n);
    int WheelController() const { return m_wheelController; }
    int WheelSensitivity() const { return m_wheelSensitivity; }
    // The settings window's range; a stored value outside it is brought into it.
    static constexpr int kMaxWheelSensitivity = 10;
    void SetWheelSensitivity(int v) { m_wheelSensitivity = std::clamp(v, 0, kMaxWheelSensitivity); }
    // Returns whether the wheel was used (controller 129 leaves it to the control under it).
    bool FormMouseWheel(int delta, Qt::KeyboardModifiers mods);
    void SetStayOnTop(bool on);
    bool StayOnTop() const { return m_stayOnTop; }
    void StayonTop1Click();

    // Knobs, knob presets and snapshots (tastraknobs.cpp).
    QLabel* LKnob1 = nullptr;
    QLabel* LKnobCap1 = nullptr;
    TWheel* Wheel1 = nullptr;
    TGUIKnobList& KnobList() { return *m_knobList; }
    // Sends a knob's controller on the keyboard's channel through the send path.
    void SendKnobValue(int controller, int value);
    const QString& KnobPresetName() const { return m_knobPresetName; }
    void RebuildPresetMenu();
    void SelectKnobPreset(const QString& name);
    // Snapshots n = 1..8.
    void DefineSnapshot(int n);
    void RecallSnapshot(int n);
    QString SnapshotValues(int n) const;
    int ReadSnapshots(TSettingsStore& store);
    int WriteSnapshots(TSettingsStore& store);
    // Asks for a snapshot's name (name holds the current one); false on cancel. Tests replace it.
    std::function<bool(QString& name)> OnSnapshotName;
    // The knob set-up window (tastraknobsetup.cpp): created on demand, freed when closed.
    void Setup1Click();
    TKnobEditForm* KnobEditForm() const;
    // Process-wide: 0 or 1 (1 by default), added to controller numbers where they are shown.
    static int& ControllerDisplayOffset();

    // Joysticks (tastrajoystick.cpp): devices 0 and 1, routed through the assignment table.
    std::unique_ptr<TJoystick> Joystick1;
    std::unique_ptr<TJoystick> Joystick2;
    // Enables each joystick with at least one assignment.
    void UpdateJoysticks();
    const TJoystickTable& JoystickTable() const { return m_joystickTable; }
    // Cells outside 0..129 become unassigned. UpdateJoysticks applies the new table.
    void SetJoystickTable(const TJoystickTable& table);
    void JoystickXYMove(TJoystick* sender, int x, int y, TJoystickButtons buttons);
    void JoystickZMove(TJoystick* sender, int z, TJoystickButtons buttons);
    // Sends an axis position to a target: a controller, pitch bend or nothing.
    void RouteAxis(int j, int target, int raw, TJoyAxis axis);

    void OctaveDown1Click();
    void OctaveUp1Click();
    void About2Click();
    void Readme1Click();
    void DiscussinForums1Click();

    // Secondary tool windows (tastradialogs.cpp): created on demand, one at a time, freed when
    // closed.
    void Transpose1Click();
    void ChordEditor1Click();
    TTransposeForm* TransposeForm() const;
    TChordEditForm* ChordEditForm() const;
    // The settings window (Ctrl+S): opened on its general page.
    void Settings1Click();
    TSettings* SettingsForm() const;
    // A note-on played here or received with thru off toggles a tone in a visible chord editor.
    void ChordEditorNoteIn(uint8_t note, uint8_t velocity);
    // ---- Patches, program and bank (app/tastrapatches.cpp) ----
    QLabel* Label8 = nullptr;
    QComboBox* CBProgramPatch = nullptr;
    TUpDown* UDProgramPatch = nullptr;
    QLabel* Label9 = nullptr;
    TNumberEdit* EProgram = nullptr;
    TUpDown* UDProgram = nullptr;
    QLabel* LBank = nullptr;
    TNumberEdit* EBank = nullptr;
    TUpDown* UDBank = nullptr;
    QMenu* Patches1 = nullptr;
    QAction* PatchSetSep = nullptr;
    QAction* LoadDefaultPatchSet1 = nullptr;

    // Loads a patch script and installs it; true when loading failed. Problems are listed in the
    // warnings window, which is shown (through OnShowWarnings) when showErrors is set.
    bool LoadPatchSet(const QString& fileName, bool selectFirstMode, bool showErrors);
    void InstallPatchList(std::unique_ptr<TPatchList> list, bool selectFirstMode);
    void DropPatchList();
    void SelectPatch(TPatchProgram* patch, bool force, bool send);
    void SelectModeGroup(TPatchModeGroup* group, bool force);
    void SetProgram(int program, bool send);
    void SetBank(int bank, bool send);
    void SendProgram();
    void ShowProgram();
    void ShowBank();
    void RebuildPatchBox();
    void StepPatch(int d);
    void StepProgram(int d);
    void ReadPatchList();
    void EnsurePatchSelected();
    void LoadDefaultPatchSet1Click();
    void EProgramExit();
    void EBankExit();
    void CBProgramPatchClick();
    void UDProgramPatchClick();
    TPatchList* PatchList() const { return m_patchList.get(); }
    TPatchModeGroup* CurrentModeGroup() const { return m_modeGroup; }
    TPatchProgram* CurrentPatch() const { return m_patch; }
    static QString DefaultPatchScriptPath();
    // The patch set chooser (tastrachooser.cpp): created on demand, freed when closed.
    QAction* ChoosePatchSet1 = nullptr;
    void ChoosePatchSet1Click();
    TPatchSetChooser* PatchSetChooser() const;
    // The "Warnings and Errors" window: the one created beside this window, or a new one.
    TErrForm* ErrForm();
    // Shows the warnings window modally; tests replace it.
    std::function<void(TErrForm* form)> OnShowWarnings;

    // ---- Import and export (app/tastraimpexp.cpp) ----
    // Kinds by index: 0-3 export settings, knob presets, knob snapshots, chords; 4-7 the imports
    // in the same order. The index also picks the explanation page and the flag.
    void ExportSettingsClick();
    void ExportKnobPresetsClick();
    void ExportKnobSnapshotsClick();
    void ExportChordsClick();
    void ImportSettingsClick();
    void ImportKnobPresetsClick();
    void ImportKnobSnapshotsClick();
    void ImportChordsClick();
    // Enables the "Export" submenu's entries that have something to export.
    void Export1Click();
    bool ImportExportFlag(int index) const;
    // Runs the export (forExport) or import file dialog offering startFile; returns the chosen
    // file name, empty when cancelled. Tests replace it.
    std::function<QString(bool forExport, const QString& startFile)> OnChooseFile;
    // Explains command index and returns whether to go on; flag as in TExImHelp::Explain. Tests
    // replace it.
    std::function<bool(int index, bool& flag)> OnExplain;
    // Result messages of the commands. Tests replace it.
    std::function<void(const QString& text)> OnInformation;
    // The folder first offered: the program's folder in the user's documents, created if needed.
    static QString ExportFolder();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormResize() override;

private:
    void CreateMenus();
    void DeferredStartup();
    void StartupNotice();
    void FormClose();
    void ShowError(const QString& text);
    void Keyboard1OctaveChange();
    void FormKeyDown(int key, Qt::KeyboardModifiers mods);
    void CreatePanicPanel();
    void DropTopmost();
    void RaiseTopmost();
    void LoadCustomChord(TSettingsStore& store);
    void CreateDialogMenuItems(QMenu* options);
    void CloseDialogs();
    void SettingsLearn(int number);
    void CreateKnobs();
    void CreateKnobMenu(QMenuBar* bar, QMenu* before);
    void ArrangeKnobs();
    int KnobAreaLeft() const;
    void StartKnobs();
    void LoadKnobSettings(TSettingsStore& store);
    void SaveKnobSettings(TSettingsStore& store);
    void UpdatePresetChecks();
    void CreateKnobSetupItem(QMenu* knobs);
    void KnobSetupLearn(int controller);
    std::function<std::unique_ptr<TSettingsStore>()> KnobPresetsStore() const;
    void CreatePatchControls();
    void CreateChooserMenuItem();
    void ClosePatchSetChooser();
    void ShowCurrentPatch();
    void MatchPatchToNumbers();
    void AddPatchMenuItems(QMenu* menu, TPatchModeGroup* group);
    void AddPatchBoxItems(TPatchModeGroup* group, int& currentIndex);
    TPatchProgram* PatchAt(int index) const;
    void SendDirect(uint8_t status, uint8_t data1, uint8_t data2);
    void SavePatchSettings(TSettingsStore& store);
    void CreateJoysticks();
    void LoadJoystickSettings(TSettingsStore& store);
    void SaveJoystickSettings(TSettingsStore& store);
    static std::vector<int> JoystickSlots(TJoystickButtons buttons);
    void CreateImportExportMenus(QMenu* file);
    bool PassGuard(int index);
    // Run the file dialog offering the remembered name, else the default name in the folder of
    // the dialog's last file (or ExportFolder). nullptr when cancelled or, for an import, when
    // the file cannot be read (after telling the user).
    std::unique_ptr<TIniFile> ChooseExportFile(QString& remembered, const QString& defaultName);
    std::unique_ptr<TIniFile> ChooseImportFile(QString& remembered, const QString& defaultName);
    QString ChooseFileName(bool forExport, QString& remembered, const QString& defaultName);
    bool FinishExport(TIniFile& file);
    void Inform(const QString& text);

    TTastraServices m_services;
    TStatusPanels* m_status = nullptr;

    int m_program = -1;
    int m_bank = -1;
    int m_bankMsbMemo = -1;
    int m_bankLsbMemo = -1;
    bool m_firstTime = true;
    bool m_midiThru = true;
    bool m_stayOnTop = false;
    bool m_dontRemindTranspose = false;
    int m_wheelController = 1;
    int m_wheelValue = 0;
    int m_wheelSensitivity = 4;
    std::array<bool, 8> m_importExportFlags{};
    // Last file per kind (settings, knob presets, snapshots, chords), for this run only.
    std::array<QString, 4> m_rememberedFiles;
    // The file last chosen in the export and in the import dialog, for any kind.
    QString m_exportDialogFile;
    QString m_importDialogFile;
    QString m_statusText;
    QString m_hint;
    bool m_shown = false;
    bool m_closed = false;
    bool m_startupNoticeHandled = false;
    bool m_sendErrorShown = false;
    TChordList m_chordList;
    int m_customChordIndex = 0;
    QPointer<TSettings> m_settingsForm;
    QPointer<TTransposeForm> m_transposeForm;
    QPointer<TChordEditForm> m_chordEditForm;
    QPointer<TKnobEditForm> m_knobEditForm;
    QPointer<TPatchSetChooser> m_patchSetChooser;

    std::unique_ptr<TGUIKnobList> m_knobList;
    QString m_knobPresetName;
    QMenu* m_presetsMenu = nullptr;
    QActionGroup* m_presetGroup = nullptr;
    std::array<QString, 8> m_snapshots;
    std::array<QAction*, 8> m_snapshotItems{};
    // Caption and values of each snapshot as the registry last had them from this copy (empty:
    // undefined), so that a save writes only the snapshots changed here.
    std::array<QString, 8> m_storedSnapshots;
    QString SnapshotState(int n) const;
    void SnapshotsStored();
    // Why the "Current" knob preset could not be written during the last save; empty when it was.
    std::string m_presetSaveFailure;
    std::unique_ptr<TPatchList> m_patchList;
    TPatchModeGroup* m_modeGroup = nullptr;
    TPatchProgram* m_patch = nullptr;
    bool m_msbFirst = false;

    TJoystickTable m_joystickTable{};
    // The last X, Y and Z seen per joystick: only changes are sent.
    std::array<std::array<int, kJoyAxisCount>, kJoystickCount> m_joystickLast{};
    bool m_joysticksUpdated = false;
};
