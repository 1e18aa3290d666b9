#include "keyboard/noteplayer.h"

#include <algorithm>
#include <cmath>

#include "keyboard/keyboardmath.h"

using namespace keymath;

TNotePlayer::TNotePlayer(scanmap::TScanMap* scanMap)
    : m_scanMap(scanMap ? scanMap : &m_ownScanMap) {
    if (!scanMap) m_ownScanMap = scanmap::DefaultScanMap();
    m_keyNotes.fill(-1);
    m_thruLastChannel.fill(-1);
}

void TNotePlayer::Send(uint8_t status, uint8_t data1, uint8_t data2) const {
    if (OnSend) OnSend(status, data1, data2);
}

void TNotePlayer::KeyChanged(int note, bool struck) const {
    if (m_observer) m_observer->KeyChanged(note, struck);
}

void TNotePlayer::AllKeysChanged() const {
    if (m_observer) m_observer->AllKeysChanged();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TNotePlayer::SetChord(TChord v) {
    const TGuard guard(m_mutex);
    if (v < chNone || v > chCustom || v == m_chord) return;
    ChangeChord(v);
}

void TNotePlayer::ChangeChord(TChord v) {
    // A latched note is released with the old chord and struck again with the new one.
    m_latchedBefore = m_latched;
    m_latched = false;
    AllLocalNotesOff();
    m_chord = v;
    RestrikeLatched();
}

void TNotePlayer::SetCustomChord(const std::vector<int8_t>& offsets, bool select) {
    const TGuard guard(m_mutex);
    std::vector<int8_t> chord = NormalisedCustomChord(offsets);
    std::fill(std::begin(m_customChord), std::end(m_customChord), 0);
    std::copy(chord.begin(), chord.end(), m_customChord);
    if (select) ChangeChord(chCustom);
}

std::vector<int8_t> TNotePlayer::CustomChord() const {
    const TGuard guard(m_mutex);
    std::vector<int8_t> result;
    for (int8_t o : m_customChord) {
        if (o == 0) break;
        result.push_back(o);
    }
    return result;
}

void TNotePlayer::SetChannel(int v) {
    const TGuard guard(m_mutex);
    v &= 15;
    if (v == m_channel) return;
    ResetAll();
    m_channel = v;
}

void TNotePlayer::SetVelocity(int v) {
    const TGuard guard(m_mutex);
    m_velocity = v & 127;
}

void TNotePlayer::SetVelocityShiftFactor(double v) {
    const TGuard guard(m_mutex);
    if (!(v >= 0.01)) v = 0.01;  // also catches NaN
    if (!std::isfinite(v)) v = 1000.0;
    m_velocityShiftFactor = v;
}

int TNotePlayer::PressVelocity(bool shift) const {
    const TGuard guard(m_mutex);
    return shift ? ShiftedVelocity(m_velocity, m_velocityShiftFactor) : m_velocity;
}

void TNotePlayer::SetTranspose(int v) {
    const TGuard guard(m_mutex);
    v = std::clamp(v, -99, 99);
    if (v == m_transpose) return;
    ResetAll();
    m_transpose = v;
    RestrikeLatched();
    AllKeysChanged();
}

void TNotePlayer::SetDisplayTransposed(bool v) {
    const TGuard guard(m_mutex);
    if (v == m_displayTransposed) return;
    ResetAll();
    m_displayTransposed = v;
    RestrikeLatched();
    AllKeysChanged();
}

void TNotePlayer::SetTransposeThru(bool v) {
    const TGuard guard(m_mutex);
    if (v == m_transposeThru) return;
    ClearThruDisplay();
    m_transposeThru = v;
}

void TNotePlayer::SetKeyOctave(int v) {
    const TGuard guard(m_mutex);
    if (v < 0 || v > 10 || v == m_keyOctave) return;
    // Keys are mapped to notes through the octave at release time, so nothing may stay held.
    ReleaseThruNotes();
    ResetPlaying();
    m_keyOctave = v;
    if (m_observer) m_observer->KeyOctaveChanged();
}

void TNotePlayer::OctaveUp() {
    const TGuard guard(m_mutex);
    if (m_keyOctave <= 9) SetKeyOctave(m_keyOctave + 1);
}

void TNotePlayer::OctaveDown() {
    const TGuard guard(m_mutex);
    if (m_keyOctave > 0) SetKeyOctave(m_keyOctave - 1);
}

void TNotePlayer::SetUpperCScanCode(int v) {
    const TGuard guard(m_mutex);
    if (v == m_upperCScanCode || !scanmap::IsValidUpperC(v)) return;
    m_upperCScanCode = v;
    if (!m_keyMapInUse) *m_scanMap = scanmap::RebuildRow(*m_scanMap, v, scanmap::kUpperRow);
}

void TNotePlayer::SetLowerCScanCode(int v) {
    const TGuard guard(m_mutex);
    if (v == m_lowerCScanCode || !scanmap::IsValidLowerC(v)) return;
    m_lowerCScanCode = v;
    if (!m_keyMapInUse) *m_scanMap = scanmap::RebuildRow(*m_scanMap, v, scanmap::kLowerRow);
}

// Keys held while the table changes still release the notes their presses started (m_keyNotes).
void TNotePlayer::UseKeyMap(const scanmap::TScanMap& map) {
    const TGuard guard(m_mutex);
    m_keyMapInUse = true;
    *m_scanMap = map;
}

void TNotePlayer::UsePianoRows() {
    const TGuard guard(m_mutex);
    m_keyMapInUse = false;
    const scanmap::TScanMap rows = scanmap::DefaultScanMap();
    *m_scanMap = scanmap::RebuildRow(scanmap::RebuildRow(rows, m_lowerCScanCode, scanmap::kLowerRow),
                                     m_upperCScanCode, scanmap::kUpperRow);
}

std::vector<int> TNotePlayer::ScanCodesOf(int note) const {
    const TGuard guard(m_mutex);
    std::vector<int> scans;
    const int offset = note - 12 * m_keyOctave;
    for (int s = scanmap::kFirstKey; s <= scanmap::kLastKey; ++s)
        if ((*m_scanMap)[s] == offset) scans.push_back(s);
    return scans;
}

void TNotePlayer::SetUpDownController(int v) {
    const TGuard guard(m_mutex);
    if (v < 0 || v > kControllerNone) return;
    m_axis[0].assignment = v;
    m_axis[0].value = 0;
}

void TNotePlayer::SetLeftRightController(int v) {
    const TGuard guard(m_mutex);
    if (v < 0 || v > kControllerNone) return;
    m_axis[1].assignment = v;
    m_axis[1].value = 0;
}

// ---------------------------------------------------------------------------------------------
// Notes

std::vector<int> TNotePlayer::ThruChordTones() const {
    const TGuard guard(m_mutex);
    return ChordTones();
}

std::vector<int> TNotePlayer::ChordTones() const {
    std::vector<int> offsets{0};
    for (int o : ChordOffsets(m_chord, m_customChord)) offsets.push_back(o);
    return offsets;
}

void TNotePlayer::PlayNote(int channel, int note, bool local, int velocity) {
    const TGuard guard(m_mutex);
    if (velocity > 0)
        Strike(channel, channel, note, local, velocity, ChordTones());
    else
        Release(channel, note, local);
}

void TNotePlayer::SendNote(int channel, int note, bool local, int velocity) {
    const TGuard guard(m_mutex);
    if (velocity > 0)
        Strike(channel, channel, note, local, velocity, {0});
    else
        Release(channel, note, local);
}

void TNotePlayer::Strike(int channel, int keyChannel, int note, bool local, int velocity,
                         const std::vector<int>& offsets) {
    channel &= 15;
    keyChannel &= 15;
    velocity = std::min(velocity, 127);
    const int t = (local || m_transposeThru) ? m_transpose : 0;
    TPress press{channel, true, {}};
    auto& counts = local ? m_localCount : m_thruCount;
    for (int off : offsets) {
        const int played = note + off;
        const int sent = played + t;
        const int shown = m_displayTransposed ? sent : played;
        if (shown < 0 || shown > 127) continue;  // neither sent nor shown
        int emitted = -1;
        if (sent >= 0 && sent <= 127 && OnSend) {
            OnSend(static_cast<uint8_t>(0x90 + channel), static_cast<uint8_t>(sent),
                   static_cast<uint8_t>(velocity));
            emitted = sent;
        }
        ++counts[shown];
        if (!local) CountThruChannel(shown, keyChannel, true);
        KeyChanged(shown, true);
        press.tones.push_back({shown, emitted});
    }
    m_presses[TPressKey{local, keyChannel, note}].push_back(std::move(press));
}

void TNotePlayer::Release(int keyChannel, int note, bool local) {
    auto it = m_presses.find(TPressKey{local, keyChannel & 15, note});
    // A release that matches no sounding press (already released by a reset, or never struck)
    // sends nothing: a stray note-off could cut a note held elsewhere.
    if (it == m_presses.end() || it->second.empty()) return;
    TPress press = std::move(it->second.front());
    it->second.pop_front();
    if (it->second.empty()) m_presses.erase(it);
    auto& counts = local ? m_localCount : m_thruCount;
    for (const TTone& tone : press.tones) {
        if (tone.sent >= 0)
            Send(static_cast<uint8_t>(0x90 + press.channel), static_cast<uint8_t>(tone.sent), 0);
        if (press.displayed && counts[tone.displayed] > 0) {
            --counts[tone.displayed];
            if (!local) CountThruChannel(tone.displayed, keyChannel, false);
            KeyChanged(tone.displayed, false);
        }
    }
}

void TNotePlayer::ReleaseAllOf(bool local) {
    if (local) {
        // Pressure is taken off before the notes end; the mouse and the touch points then hold
        // nothing until they press again.
        EndAllPressures();
        m_touches.clear();
        m_mouseHolds = false;
    }
    std::vector<TPress> released;
    for (auto it = m_presses.begin(); it != m_presses.end();) {
        if (std::get<0>(it->first) == local) {
            for (auto& press : it->second) released.push_back(std::move(press));
            it = m_presses.erase(it);
        } else {
            ++it;
        }
    }
    auto& counts = local ? m_localCount : m_thruCount;
    counts.fill(0);
    if (local)
        m_keyNotes.fill(-1);  // the keys' releases find nothing left to stop
    else
        ForgetThruChannels();
    // One note-off per note-on sent, on the channel and note that were actually sent.
    for (const TPress& press : released)
        for (const TTone& tone : press.tones)
            if (tone.sent >= 0)
                Send(static_cast<uint8_t>(0x90 + press.channel), static_cast<uint8_t>(tone.sent),
                     0);
    AllKeysChanged();
}

void TNotePlayer::ForgetDisplayOf(bool local) {
    (local ? m_localCount : m_thruCount).fill(0);
    if (!local) ForgetThruChannels();
    for (auto& [key, presses] : m_presses)
        if (std::get<0>(key) == local)
            for (auto& press : presses) press.displayed = false;
    AllKeysChanged();
}

void TNotePlayer::MidiThruInput(uint8_t status, uint8_t data1, bool useMessageChannel,
                                uint8_t data2) {
    const TGuard guard(m_mutex);
    if (status >= 0xF0 || status < 0x80) return;  // system messages and stray data bytes
    const int channel = useMessageChannel ? (status & 15) : m_channel;
    const int note = data1 & 127;
    const int velocity = (status & 0xF0) == 0x90 ? (data2 & 127) : 0;
    switch (status & 0xF0) {
        case 0x90:
        case 0x80:
            if (velocity > 0)
                Strike(channel, status & 15, note, false, velocity, ChordTones());
            else
                Release(status & 15, note, false);
            break;
        default:
            Send(status, data1, data2 & 127);
            break;
    }
}

void TNotePlayer::ShowThruInput(uint8_t status, uint8_t data1, uint8_t data2) {
    const int kind = status & 0xF0;
    if (kind != 0x80 && kind != 0x90) return;
    const TGuard guard(m_mutex);
    // Presses struck without a sender record nothing sent, so their releases send nothing either.
    TSendShort send = std::move(OnSend);
    OnSend = nullptr;
    MidiThruInput(status, data1, true, data2);
    OnSend = std::move(send);
}

void TNotePlayer::ShowIncomingNote(int note, int velocity, int channel) {
    const TGuard guard(m_mutex);
    note &= 127;
    if (velocity > 0) {
        ++m_thruCount[note];
        CountThruChannel(note, channel, true);
        KeyChanged(note, true);
    } else if (m_thruCount[note] > 0) {
        --m_thruCount[note];
        CountThruChannel(note, channel, false);
        KeyChanged(note, false);
    }
}

void TNotePlayer::CountThruChannel(int note, int channel, bool struck) {
    channel &= 15;
    auto& counts = m_thruByChannel[note];
    if (struck) {
        ++counts[channel];
        m_thruLastChannel[note] = channel;
        return;
    }
    // The total went down by one, so some channel must too: a release on a channel that holds
    // nothing there (sent on another channel than its press) takes one from the lowest that does.
    if (counts[channel] == 0)
        for (int c = 0; c < 16; ++c)
            if (counts[c] > 0) {
                channel = c;
                break;
            }
    if (counts[channel] > 0) --counts[channel];
    const int last = m_thruLastChannel[note];
    if (last >= 0 && counts[last] > 0) return;
    m_thruLastChannel[note] = -1;
    for (int c = 0; c < 16 && m_thruLastChannel[note] < 0; ++c)
        if (counts[c] > 0) m_thruLastChannel[note] = c;
}

void TNotePlayer::ForgetThruChannels() {
    for (auto& counts : m_thruByChannel) counts.fill(0);
    m_thruLastChannel.fill(-1);
}

int TNotePlayer::ThruChannel(int note) const {
    const TGuard guard(m_mutex);
    return note >= 0 && note <= 127 && m_thruCount[note] > 0 ? m_thruLastChannel[note] : -1;
}

int TNotePlayer::LocalCount(int note) const {
    const TGuard guard(m_mutex);
    return note >= 0 && note <= 127 ? m_localCount[note] : 0;
}

int TNotePlayer::ThruCount(int note) const {
    const TGuard guard(m_mutex);
    return note >= 0 && note <= 127 ? m_thruCount[note] : 0;
}

// ---------------------------------------------------------------------------------------------
// Resets

void TNotePlayer::AllLocalNotesOff() {
    const TGuard guard(m_mutex);
    ReleaseAllOf(true);
}

void TNotePlayer::ResetPlaying() {
    const TGuard guard(m_mutex);
    AllLocalNotesOff();
    ResetPitchBend();
    for (auto& axis : m_axis) axis.value = 0;
    m_latchedBefore = m_latched;
    m_latched = false;
    if (m_observer) m_observer->MousePlayEnded();
}

void TNotePlayer::ClearThruDisplay() {
    const TGuard guard(m_mutex);
    ForgetDisplayOf(false);
}

void TNotePlayer::ReleaseThruNotes() {
    const TGuard guard(m_mutex);
    ReleaseAllOf(false);
}

void TNotePlayer::ResetAll() {
    const TGuard guard(m_mutex);
    // Thru notes the outside source still holds keep sounding; their releases, when they come,
    // still find what was sent for them.
    ForgetDisplayOf(false);
    ResetPlaying();
}

void TNotePlayer::RestrikeLatched() {
    const TGuard guard(m_mutex);
    if (!m_latchedBefore) return;
    if (!HeldByOthers(m_mouseNote, kMouseHolder))
        PlayNote(m_channel, m_mouseNote, true, m_mouseVelocity);
    m_mouseHolds = m_mouseVelocity > 0;
    m_latched = true;
    m_latchedBefore = false;
    if (m_observer) m_observer->MousePlayEnded();
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TNotePlayer::MousePress(int note, int velocity) {
    const TGuard guard(m_mutex);
    if (!HeldByOthers(note, kMouseHolder)) PlayNote(m_channel, note, true, velocity);
    m_mouseNote = note;
    m_mouseVelocity = velocity;
    m_mouseHolds = velocity > 0;
    m_mousePressure = 0;
}

void TNotePlayer::MouseGlide(int note, int velocity) {
    const TGuard guard(m_mutex);
    EndPressure(m_mouseNote, m_mousePressure);
    m_mouseHolds = false;
    if (!HeldByOthers(m_mouseNote, kMouseHolder)) PlayNote(m_channel, m_mouseNote, true, 0);
    MousePress(note, velocity);
}

void TNotePlayer::MouseRelease(int note, bool latch) {
    const TGuard guard(m_mutex);
    EndPressure(m_mouseNote, m_mousePressure);
    m_latched = latch;
    if (latch) return;
    m_mouseHolds = false;
    if (!HeldByOthers(note, kMouseHolder)) PlayNote(m_channel, note, true, 0);
    m_mouseNote = note;
}

void TNotePlayer::EndLatch() {
    const TGuard guard(m_mutex);
    if (!m_latched) return;
    m_latched = false;
    m_mouseHolds = false;
    if (!HeldByOthers(m_mouseNote, kMouseHolder)) PlayNote(m_channel, m_mouseNote, true, 0);
}

void TNotePlayer::StartAxes() {
    const TGuard guard(m_mutex);
    for (auto& axis : m_axis) axis.valueAtPress = axis.value;
}

void TNotePlayer::MoveAxes(int up, int right) {
    const TGuard guard(m_mutex);
    for (int i = 0; i < 2; ++i) {
        TAxis& axis = m_axis[i];
        if (axis.assignment == kControllerNone) continue;
        const int value = AxisValue(axis.assignment, axis.valueAtPress, i == 0 ? up : right);
        if (value == axis.value) continue;
        if (axis.assignment == kControllerPitchBend)
            EmitControl(static_cast<uint8_t>(0xE0 + m_channel),
                        static_cast<uint8_t>((value + 8192) & 127),
                        static_cast<uint8_t>((value + 8192) / 128));
        else
            EmitControl(static_cast<uint8_t>(0xB0 + m_channel),
                        static_cast<uint8_t>(axis.assignment), static_cast<uint8_t>(value));
        axis.value = value;
    }
}

void TNotePlayer::ResetPitchBend() {
    const TGuard guard(m_mutex);
    for (auto& axis : m_axis) {
        if (axis.assignment == kControllerPitchBend && axis.value != 0) {
            EmitControl(static_cast<uint8_t>(0xE0 + m_channel), 0, 64);
            axis.value = 0;
        }
    }
}

void TNotePlayer::ControllerFeedback(int controller, int value) {
    const TGuard guard(m_mutex);
    if (controller < 0 || controller >= 128) return;
    value &= 127;
    for (auto& axis : m_axis)
        if (axis.assignment == controller) axis.value = value;
}

void TNotePlayer::EmitControl(uint8_t status, uint8_t data1, uint8_t data2) {
    const TGuard guard(m_mutex);
    Send(status, data1, data2);
    if (OnDisplay) OnDisplay(status, data1, data2);
}

// ---------------------------------------------------------------------------------------------
// Computer keys

int TNotePlayer::KeyNote(int scan, bool release) const {
    const TGuard guard(m_mutex);
    if (scan < scanmap::kFirstKey || scan > scanmap::kLastKey) return -1;
    const int sounding = m_keyNotes[scan];
    const int note = release && sounding >= 0 ? sounding : 12 * m_keyOctave + (*m_scanMap)[scan];
    return note < 0 || note > 127 ? -1 : note;
}

int TNotePlayer::ComputerKey(int scan, bool release, bool shift) {
    const TGuard guard(m_mutex);
    const int note = KeyNote(scan, release);
    if (note < 0) return -1;
    const int sounding = m_keyNotes[scan];
    if (release) {
        // Only the note this key's press started is stopped; a release of a key whose press
        // was not played here would otherwise cut the same note held by the mouse or another key.
        m_keyNotes[scan] = -1;
        if (sounding >= 0) PlayNote(m_channel, note, true, 0);
    } else {
        if (sounding >= 0) PlayNote(m_channel, sounding, true, 0);
        PlayNote(m_channel, note, true, PressVelocity(shift));
        m_keyNotes[scan] = note;
    }
    return note;
}
