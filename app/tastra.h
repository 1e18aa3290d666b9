#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "app/tastrabase.h"
#include "chords/chordlist.h"
#include "joystick/joystick.h"
#include "platform/midi/midiservice.h"
#include "platform/settings/settingsstore.h"
#include "platform/shell/gotoweb.h"

class QLabel;
class TAnyWindowKeys;
class TDirectThruLink;
class TChordEditForm;
class TKeyLegends;
class TImportExport;
class TJoystickRouter;
class TKeyListener;
class TKeyStamps;
class TKnobPanel;
class TMidiInMenu;
class TMidiInService;
class TMidiInput;
class TMidiOutMenu;
class TMidiOutService;
class TMidiOutput;
class TOutputSender;
class TRecordLink;
class TSettings;
class TSoundSelection;
class TStatusPanels;
class TSynthControl;
class TSynthLink;
class TTransposeForm;
class TUserPrompts;

// What the main window is given from outside: the MIDI services it plays through, the way to
// open the settings root and the way to ask the user. Tests hand in virtual services, an
// in-memory store and scripted answers.
struct TTastraServices {
    TMidiOutService* midiOut = nullptr;
    TMidiInService* midiIn = nullptr;
    TStoreOpener openSettingsRoot;
    // Opens a store on a key below the settings root whose sections are that key's subkeys (the
    // knob presets under "KnobPresets"). Unset: knob presets are not kept.
    std::function<std::unique_ptr<TSettingsStore>(const std::string& subKey)> openSettingsKey;
    // The joysticks' service. Unset: no joysticks.
    TJoystickService* joystick = nullptr;
    // Devices named on the command line, opened for this run instead of the remembered ones.
    std::string runMidiOut;
    std::string runMidiIn;
    // Message boxes, questions and file choices. Unset: the program's dialogs.
    TUserPrompts* prompts = nullptr;
    // The shipped files: patch scripts and help (see datafolder.h). Empty: the running program's.
    std::string dataFolder;
    // The built-in synth, for its settings page and what it tells. Unset: its settings are
    // only kept.
    TSynthControl* synth = nullptr;
    // Called once when the start-up steps after the first paint are done. Unset: nothing.
    std::function<void()> startupDone;
    // Hears the keys while other programs have the focus. Unset: Play From Any Window is
    // disabled.
    TKeyListener* keyListener = nullptr;
    // The moments the window system reported the keys, for the notes they play. Unset: a note
    // takes the moment the window handles its key.
    // May be left null and given later (UseKeyStamps), once the window has been painted.
    TKeyStamps* keyStamps = nullptr;
    // The names the keyboard layout gives the keys, for the keys' legends. Unset: the layout of
    // the display (keylegends.h).
    TKeyLegends* keyLegends = nullptr;
    // Where a recording nobody saved is kept when the program ends, and offered from at the next
    // start. Empty: such a recording is not kept.
    std::string recordingsFolder;
};

// The main window: layout, menus, the single send path, the settings order, start-up and
// closing. It owns the parts that do the rest, each built from a host struct of what it needs:
//   TSoundSelection  patch box, program and bank, the Patches menu and patch scripts
//   TKnobPanel       the knob row, knob presets, snapshots and the knob set-up window (Knobs())
//   TImportExport    File › Import and Export
//   TJoystickRouter  the joysticks and their routing (Joysticks())
//   TSynthLink       the built-in synth's settings and notices (Synth())
//   TRecordLink      the Record menu: recording, saving, playing MIDI files (Record())
// Everything is sent through one TOutputSender, which reports failures one way: SendAndShow
// mirrors the message in the controls afterwards; the program change and the chord editor send
// without mirroring. Every question to the user goes through Prompts().
class TTastra2 : public TTastra {
    Q_DECLARE_TR_FUNCTIONS(TTastra2)

public:
    explicit TTastra2(const TTastraServices& services, QWidget* parent = nullptr);
    ~TTastra2() override;
    // From now on keys are stamped, and played, where `stamps` reads them (which outlives the
    // window).
    void UseKeyStamps(TKeyStamps* stamps);

    TKnobPanel& Knobs() { return *m_knobs; }
    TJoystickRouter& Joysticks() { return *m_joysticks; }
    TAnyWindowKeys& AnyWindowKeys() { return *m_anyWindow; }
    TDirectThruLink& DirectThru() { return *m_directThru; }
    TUserPrompts& Prompts() { return *m_prompts; }
    TSynthLink& Synth() { return *m_synth; }
    TRecordLink& Record() { return *m_record; }
    // The folder of the shipped files. Not called DataFolder: inside the class that name would
    // hide the free function the constructor finds the folder with.
    const std::string& DataFolderPath() const { return m_services.dataFolder; }

    // The single send path: send (reporting a failure), then mirror the message in the window's
    // controls. What a computer key sends keeps the moment the key was reported.
    void SendAndShow(uint8_t status, uint8_t data1, uint8_t data2);
    // What a key played on the thread that read it sends.
    void SendForReadKey(uint8_t status, uint8_t data1, uint8_t data2, std::int64_t moment);
    // The moment the key being handled was reported; false outside a key or when unknown. Asked
    // once per key event: every message the key sends (a chord, a Panic) shares its answer.
    bool KeyMoment(TMidiFrameTime& time);
    void ReflectMessage(uint8_t status, uint8_t data1, uint8_t data2);
    void SetStatusText(const QString& text);
    // A message of the MIDI file being played, due at dueNs on the steady clock: sent with that
    // moment and shown on the keys and controls.
    void PlayFileMessage(uint8_t status, uint8_t data1, uint8_t data2, std::int64_t dueNs);
    // Stops a recording under way and writes one not saved to the recordings folder; why that
    // failed, empty when it did not. KeepRecordingIn (a session's save) writes a stopped one to
    // folder and lets one under way go on.
    std::string KeepRecording();
    std::string KeepRecordingIn(const std::string& folder);

    void LoadSettings(TSettingsStore& store) override;
    void SaveSettings(TSettingsStore& store) override;
    void RefreshNumbers() override;
    int MinWidth() const override;
    void LoadFromRegistry();
    // False (after telling the user once) when the settings could not be written.
    bool SaveToRegistry();
    // Saves the settings without a word to the user: why they could not be written, empty when
    // they were. For a save nobody may be there to see (the desktop session ending).
    std::string StoreSettings();
    // What closing does to the sound and the settings, for the endings that do not go through
    // the window (a signal, a lost display): releases every note the program holds, thru notes
    // included, and saves, once (unless a session manager decides when to save). Shows nothing,
    // so that it works without a display; returns why
    // the settings could not be written, empty when they were.
    std::string ReleaseAndSave();
    // A settings file of which nothing could be read was renamed to copy: the user is told once,
    // in the warnings window, as soon as the window is up.
    void SettingsFileSetAside(const std::string& copy);
    // What a save would write now, in memory and nowhere else: the window's settings, the
    // devices, the snapshots and the knobs not saved under a name. Two images differ when there
    // is something to save.
    TMemSettingsStore SettingsImage();
    // Closing saves unless turned off (a session manager decides when to save).
    void SetSaveOnClose(bool on) { m_saveOnClose = on; }
    // The steps of the first showing (settings read, devices opened after the first paint), for a
    // window that starts hidden. Showing the window later does not repeat them.
    void Start();
    // Runs once, when the start-up steps after the first paint are done.
    std::function<void()> OnStarted;

    TMidiOutMenu* MidiOutMenu1 = nullptr;
    TMidiInMenu* MidiInMenu1 = nullptr;
    TMidiOutput& MidiOut();
    TMidiInput& MidiIn();
    // The data-available handler of the MIDI input: the thru path.
    void MidiInput(TMidiInput* input);
    bool MidiThru() const { return m_midiThru; }
    QAction* FindAction(const QString& objectName) const;
    QMenu* FindMenu(const QString& objectName) const;
    bool FirstTime() const { return m_firstTime; }
    bool StartupDone() const { return m_startupNoticeHandled; }

    // Chord box: the built-in chords, then the chord list's entries.
    void CBChordClick() override;
    void ReloadChords();
    void RebuildChordItems();
    void StepChord(int d);
    int CustomChordIndex() const { return m_customChordIndex; }

    // Panic: note-offs for every note and "all sound off"/"all notes off" on all channels.
    void BPanicClick();
    // The mouse wheel drives this controller: 0..127, kControllerPitchBend or kControllerNone.
    void SetWheelController(int n);
    int WheelController() const { return m_wheelController; }
    int WheelSensitivity() const { return m_wheelSensitivity; }
    // The settings window's range; a stored value outside it is brought into it.
    static constexpr int kMaxWheelSensitivity = 10;
    void SetWheelSensitivity(int v) { m_wheelSensitivity = std::clamp(v, 0, kMaxWheelSensitivity); }
    // Returns whether the wheel was used (kControllerNone leaves it to the control under it).
    bool FormMouseWheel(int delta, Qt::KeyboardModifiers mods);
    void SetStayOnTop(bool on);
    bool StayOnTop() const { return m_stayOnTop; }

    // Secondary tool windows (tastradialogs.cpp): created on demand, one at a time, freed when
    // closed.
    TTransposeForm* TransposeForm() const;
    TChordEditForm* ChordEditForm() const;
    TSettings* SettingsForm() const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void FormResize() override;

private:
    void CreateMenus();
    void CreateParts();
    void ConnectDeviceMenus();
    // What thru passes on in the JACK cycle ends before a device closes.
    void DirectThruBeforeClose();
    void DeferredStartup();
    void RunStartupStep(const std::vector<std::function<void()>>& steps, size_t next);
    void StartupNotice();
    void RemindTranspose();
    void FormClose();
    void Keyboard1OctaveChange();
    void FormKeyDown(int key, Qt::KeyboardModifiers mods);
    void CreatePanicPanel();
    void DropTopmost();
    void RaiseTopmost();
    void About2Click();
    void LoadCustomChord(TSettingsStore& store);
    // The selected chord's position in the chord list as store holds it.
    int StoredCustomChordIndex(TSettingsStore& store) const;
    void CreateDialogMenuItems(QMenu* options);
    void Transpose1Click();
    void ChordEditor1Click();
    void Settings1Click();
    // Options › Language: the stored choice, applied at the next start.
    void CreateLanguageMenu(QMenu* options);
    void ChooseLanguage(const QString& code);
    void CloseDialogs();
    void SettingsLearn(int number);
    // The built-in synth cannot play: an output playing through it closes and says why.
    void SynthFailed(const QString& text);
    // A note-on played here or received with thru off toggles a tone in a visible chord editor.
    void ChordEditorNoteIn(uint8_t note, uint8_t velocity);
    int KnobAreaLeft() const;
    void ArrangeKnobs();
    // tastralayout.cpp: sizes the top rows to the font and places the keyboard below them.
    void LayOutToFont();
    void PlaceKeyboardBelow(int rowsBottom);
    // Widens the window when the status bar's panels no longer leave room for the hints.
    void FitStatusBar();

    TTastraServices m_services;
    // The key event KeyMoment last answered for, and its answer.
    struct TKeyMoment {
        quint32 code = 0;
        bool release = false;
        quint64 serverTime = 0;
        bool known = false;
        std::int64_t steadyNs = 0;
    } m_keyMoment;
    TGoToWeb m_goToWeb;
    std::unique_ptr<TUserPrompts> m_ownPrompts;
    TUserPrompts* m_prompts = nullptr;
    std::unique_ptr<TKeyLegends> m_ownLegends;
    std::unique_ptr<TOutputSender> m_sender;
    TStatusPanels* m_status = nullptr;
    QLabel* m_panic = nullptr;
    std::unique_ptr<TSoundSelection> m_sound;
    QStringList m_setAside;  // what SettingsFileSetAside has still to say
    std::unique_ptr<TKnobPanel> m_knobs;
    std::unique_ptr<TImportExport> m_impExp;
    std::unique_ptr<TJoystickRouter> m_joysticks;
    std::unique_ptr<TSynthLink> m_synth;
    std::unique_ptr<TAnyWindowKeys> m_anyWindow;
    std::unique_ptr<TDirectThruLink> m_directThru;
    std::unique_ptr<TRecordLink> m_record;

    bool m_firstTime = true;
    bool m_midiThru = true;
    bool m_stayOnTop = false;
    bool m_dontRemindTranspose = false;
    QString m_language;  // empty: the desktop's
    int m_wheelController = 1;
    int m_wheelValue = 0;
    int m_wheelSensitivity = 4;
    QString m_statusText;
    bool m_shown = false;
    bool m_closed = false;
    bool m_saveOnClose = true;
    bool m_remindWhenShown = false;
    // The start-up steps read the stored devices; a window closed before them keeps those.
    bool m_devicesRead = false;
    bool m_startupNoticeHandled = false;
    TChordList m_chordList;
    int m_customChordIndex = 0;
    QPointer<TSettings> m_settingsForm;
    QPointer<TTransposeForm> m_transposeForm;
    QPointer<TChordEditForm> m_chordEditForm;
    int m_rowsBottom = 0;
};
