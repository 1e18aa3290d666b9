#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "keyboard/scanmap.h"
#include "platform/midi/shortmessage.h"

enum TChord { chNone, chMajor, chMinor, chMajor7, chMinor7, chFifths, chOctave, chPower, chCustom };
// What a held note sends as its key is pressed harder: nothing, channel pressure (Dn vv) or
// polyphonic key pressure (An kk vv) for each tone of the note.
enum TKeyPressure { kpNone, kpChannel, kpPolyphonic };

// What the player tells the one who shows its keys (the keyboard widget).
class TNotePlayerObserver {
public:
    virtual ~TNotePlayerObserver() = default;
    // Key `note` is shown pressed once more (struck) or once less.
    virtual void KeyChanged(int note, bool struck) = 0;
    // Many keys changed at once: a reset, or the display moved to the transposed notes.
    virtual void AllKeysChanged() = 0;
    // A reset ended what the mouse was playing: a button still held plays nothing more until it
    // is pressed again.
    virtual void MousePlayEnded() = 0;
    // The computer keys play from another octave now.
    virtual void KeyOctaveChanged() = 0;
};

// The notes of one keyboard, without any widget: which keys sound and how often, the channel,
// velocity, chord, transposition, the mouse's note and its latch, the two mouse axes, the
// computer keys' notes and the thru notes. Every message it plays leaves through OnSend: a note
// is a note-on (0x90 + channel), a release a note-on with velocity 0, and each release undoes
// exactly what its press sent, whatever changed while the note was held.
//
// The window thread and the thread that reads raw key events both play it: every public
// function takes the player's lock, which is recursive because what it sends may come back to
// it (a controller fed back, a note shown). OnSend and the observer are called under the lock,
// on the thread that played; they must not wait for another thread that plays.
class TNotePlayer {
public:
    // The computer keys are read through `scanMap`, which the caller owns and may share with
    // other players; null gives the player a table of its own with the default rows.
    explicit TNotePlayer(scanmap::TScanMap* scanMap = nullptr);
    TNotePlayer(const TNotePlayer&) = delete;
    TNotePlayer& operator=(const TNotePlayer&) = delete;

    TSendShort OnSend;
    // Controller and pitch-bend moves of the mouse axes, after OnSend, for the window's controls.
    TSendShort OnDisplay;
    void SetObserver(TNotePlayerObserver* observer) { m_observer = observer; }
    scanmap::TScanMap& ScanMap() { return *m_scanMap; }

    // Properties: each setter applies its limits.
    TChord Chord() const { return m_chord; }
    void SetChord(TChord v);
    // Selecting re-strikes a latched note even when the custom chord was selected already.
    void SetCustomChord(const std::vector<int8_t>& offsets, bool select);
    std::vector<int8_t> CustomChord() const;
    int Channel() const { return m_channel; }
    void SetChannel(int v);
    int Velocity() const { return m_velocity; }
    void SetVelocity(int v);
    double VelocityShiftFactor() const { return m_velocityShiftFactor; }
    void SetVelocityShiftFactor(double v);
    // The velocity of a press, reduced while Shift is held.
    int PressVelocity(bool shift) const;
    int Transpose() const { return m_transpose; }
    void SetTranspose(int v);
    bool DisplayTransposed() const { return m_displayTransposed; }
    void SetDisplayTransposed(bool v);
    bool TransposeThru() const { return m_transposeThru; }
    void SetTransposeThru(bool v);
    int KeyOctave() const { return m_keyOctave; }
    void SetKeyOctave(int v);
    void OctaveUp();
    void OctaveDown();
    int UpperCScanCode() const { return m_upperCScanCode; }
    void SetUpperCScanCode(int v);
    int LowerCScanCode() const { return m_lowerCScanCode; }
    void SetLowerCScanCode(int v);
    // The computer keys read a key map of the user's own (scan code -> offset) instead of the two
    // piano rows; the C keys are kept and take effect again with UsePianoRows.
    void UseKeyMap(const scanmap::TScanMap& map);
    // The two piano rows at the current C keys.
    void UsePianoRows();
    bool KeyMapInUse() const { return m_keyMapInUse; }
    // Scan codes of the computer keys that play `note` in the current key octave, in key order.
    std::vector<int> ScanCodesOf(int note) const;
    // Mouse axes: 0..127 a controller, 128 pitch bend, 129 none.
    int UpDownController() const { return m_axis[0].assignment; }
    void SetUpDownController(int v);
    int LeftRightController() const { return m_axis[1].assignment; }
    void SetLeftRightController(int v);

    // Notes. `local` notes are played here (mouse, computer keys); the others came in as thru.
    void PlayNote(int channel, int note, bool local, int velocity);
    // As PlayNote, without the chord.
    void SendNote(int channel, int note, bool local, int velocity);
    // One incoming channel message with thru on: notes are played with the chord (and the
    // transposition when TransposeThru), on the message's channel or on Channel; other channel
    // messages pass unchanged; system messages and stray data bytes are dropped.
    void MidiThruInput(uint8_t status, uint8_t data1, bool useMessageChannel, uint8_t data2);
    // An incoming note with thru off: only lights (or unlights) its key. `channel` is the
    // message's channel, remembered for the key's colour.
    void ShowIncomingNote(int note, int velocity, int channel = 0);
    // An incoming message that was passed on already, elsewhere, as MidiThruInput would have
    // (with the message's channel): its notes light and unlight the keys as thru's do, and
    // nothing is sent.
    void ShowThruInput(uint8_t status, uint8_t data1, uint8_t data2);
    // The tones thru makes of an incoming note now, as offsets from it (0 first).
    std::vector<int> ThruChordTones() const;
    int LocalCount(int note) const;
    int ThruCount(int note) const;
    // The incoming channel whose note lights the key through thru or ShowIncomingNote (of
    // several, the one that struck last); -1 when none does.
    int ThruChannel(int note) const;
    bool Sounding(int note) const { return LocalCount(note) + ThruCount(note) != 0; }

    // Resets.
    void AllLocalNotesOff();
    // Releases everything played here, centres a pitch bend the mouse moved, unlatches (the
    // latched note is struck again by RestrikeLatched) and ends the mouse's play.
    void ResetPlaying();
    // Forgets which keys thru notes lit; the notes themselves are released by their source.
    void ClearThruDisplay();
    void ReleaseThruNotes();
    void ResetAll();
    void RestrikeLatched();

    // The mouse: one note at a time, the note of the key under it.
    void MousePress(int note, int velocity);
    // Gliding to another key: the old note is released before the new one sounds.
    void MouseGlide(int note, int velocity);
    // The button was let go: with `latch` the note keeps sounding until the next press,
    // otherwise `note` (normally MouseNote()) is released.
    void MouseRelease(int note, bool latch);
    int MouseNote() const { return m_mouseNote; }
    // Leaving the idle mouse mode (a press, a drag) releases a note left sounding by the latch.
    void EndLatch();
    // The axes count from their values at the press; `up` and `right` are pixels moved since.
    void StartAxes();
    void MoveAxes(int up, int right);
    // Centres each axis assigned to pitch bend that is off centre.
    void ResetPitchBend();
    // A controller value sent from elsewhere, so an axis on it continues from there.
    void ControllerFeedback(int controller, int value);
    // Sends a controller message the mouse made: OnSend, then OnDisplay.
    void EmitControl(uint8_t status, uint8_t data1, uint8_t data2);

    // Touch points, by the id the touch screen gives them: each plays one note at a time and glides
    // on its own. The mouse and the touch points share a key: it is struck once, by the first of
    // them to press it, and released when the last lets go. A touch point that a reset ended
    // plays nothing more; its calls are ignored until its id is pressed again. A press with
    // velocity 0 plays nothing.
    void TouchPress(int id, int note, int velocity);
    void TouchGlide(int id, int note, int velocity);
    void TouchRelease(int id);
    // The note a touch point holds; -1 for none.
    int TouchNote(int id) const;
    int TouchCount() const { return static_cast<int>(m_touches.size()); }

    // Pressure of the key the mouse or a touch point holds, 0..127, sent as KeyPressure says on
    // the channel of the note, only while the note is held and only when it changed. A note that
    // ends with pressure on it sends pressure 0 before its note-off, so the next note starts
    // without it.
    TKeyPressure KeyPressure() const { return m_keyPressure; }
    void SetKeyPressure(int v);
    void MousePressure(int value);
    void TouchPressure(int id, int value);

    // Plays (or on release stops) the note of the computer key with set-1 scan code `scan`;
    // returns that note, or -1 when the key plays none. A release stops exactly the note its own
    // press started; a second press without a release between first stops the note still held.
    int ComputerKey(int scan, bool release, bool shift);
    // The note ComputerKey would play or stop for the key, without playing it; -1 for none.
    int KeyNote(int scan, bool release) const;

private:
    using TGuard = std::lock_guard<std::recursive_mutex>;
    mutable std::recursive_mutex m_mutex;

    struct TAxis {
        int assignment;
        int value = 0;
        int valueAtPress = 0;
    };
    // One tone a press produced: the key it lit and the note it sent (-1: nothing was sent).
    struct TTone {
        int displayed;
        int sent;
    };
    // What one press emitted, so that its release undoes exactly that even when the channel,
    // transposition or chord changed while it was held.
    struct TPress {
        int channel;
        bool displayed;  // false once the display counts were cleared under it
        std::vector<TTone> tones;
    };
    using TPressKey = std::tuple<bool, int, int>;  // local, key channel, played note

    // keyChannel identifies the press for its release: the played channel, or for thru input the
    // incoming message's channel, which stays the same when Channel changes.
    void Strike(int channel, int keyChannel, int note, bool local, int velocity,
                const std::vector<int>& offsets);
    void Release(int keyChannel, int note, bool local);
    std::vector<int> ChordTones() const;
    void ReleaseAllOf(bool local);
    void ForgetDisplayOf(bool local);
    void ChangeChord(TChord v);
    // Thru counts per incoming channel, kept beside the totals in m_thruCount.
    void CountThruChannel(int note, int channel, bool struck);
    void ForgetThruChannels();
    void Send(uint8_t status, uint8_t data1, uint8_t data2) const;
    void KeyChanged(int note, bool struck) const;
    void AllKeysChanged() const;

    TNotePlayerObserver* m_observer = nullptr;
    scanmap::TScanMap m_ownScanMap{};
    scanmap::TScanMap* m_scanMap;

    TChord m_chord = chNone;
    int8_t m_customChord[16] = {};
    int m_channel = 0;
    int m_velocity = 100;
    double m_velocityShiftFactor = 0.5;
    int m_transpose = 0;
    bool m_displayTransposed = false;
    bool m_transposeThru = true;
    int m_keyOctave = 4;
    int m_upperCScanCode = scanmap::kUpperRow.defaultC;
    int m_lowerCScanCode = scanmap::kLowerRow.defaultC;
    bool m_keyMapInUse = false;
    std::array<TAxis, 2> m_axis{TAxis{1}, TAxis{128}};

    std::array<int, 128> m_localCount{};
    std::array<int, 128> m_thruCount{};
    std::array<std::array<int, 16>, 128> m_thruByChannel{};
    std::array<int, 128> m_thruLastChannel;
    std::map<TPressKey, std::deque<TPress>> m_presses;

    int m_mouseNote = 0;
    int m_mouseVelocity = 0;
    bool m_latched = false;
    bool m_latchedBefore = false;

    // Note each computer key (by scan code) is sounding, -1 for none.
    std::array<int, scanmap::kMapSize> m_keyNotes;

    // A note the mouse or a touch point holds, with the pressure last sent for it (0: none).
    struct THold {
        int note;
        int pressure = 0;
    };
    // The holder id of the mouse: no touch point has it.
    static constexpr int kMouseHolder = std::numeric_limits<int>::min();
    // Whether the mouse or a touch point other than `holder` holds `note`.
    bool HeldByOthers(int note, int holder) const;
    // Sends `value` for the press of `note` when it differs from `last`, which it then becomes.
    void SendPressure(int note, int value, int& last);
    void EndPressure(int note, int& last);
    void EndAllPressures();

    TKeyPressure m_keyPressure = kpNone;
    std::map<int, THold> m_touches;
    // Whether m_mouseNote sounds for the mouse (held down or latched).
    bool m_mouseHolds = false;
    int m_mousePressure = 0;
};
