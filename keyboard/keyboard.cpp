#include "keyboard/keyboard.h"

#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "keyboard/keyboardmath.h"
#include "keyboard/scanmap.h"
#include "platform/keys/keyboardhook.h"
#include "platform/settings/settingsstore.h"

using namespace keymath;

TKeyboard::TKeyboard(QWidget* parent) : QWidget(parent), m_hook(std::make_unique<TKeyboardHook>()) {
    m_keyNotes.fill(-1);
    m_hook->OnKey = [this](const TKeyData& key, bool& handled) { handled = HandleKey(key); };
    // Every pixel is painted by the keys, so Qt need not clear the background first; this also
    // lets scroll() move pixels instead of repainting everything.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SetTabStop(true);
    m_depth = ScreenDepth();
    m_imagesAvailable = m_depth > 7;
    setMinimumSize(10, 5);
    ApplyBounds();
    resize(100, 30);
    ApplyBaseNote(m_baseNote, true);
}

TKeyboard::~TKeyboard() {
    m_hook.reset();  // no key may reach a half-destroyed keyboard
    FreeImages();
}

// ---------------------------------------------------------------------------------------------
// Properties

void TKeyboard::SetKeyWidth(int v) {
    if (m_paintStyle == psImage) return;  // the artwork fixes the key width
    v = std::clamp(v, 4, 100);
    if (v == m_keyWidth) return;
    m_keyWidth = v;
    ApplyBaseNote(m_baseNote, true);
    ApplyBounds();
    update();
}

void TKeyboard::SetShadowWidth(int v) {
    v = std::clamp(v, 0, std::max(m_keyWidth - 2, 0));
    if (v == m_shadowWidth) return;
    m_shadowWidth = v;
    update();
}

void TKeyboard::SetBaseNote(int v) {
    int oldOffset = m_offset;
    if (ApplyBaseNote(v, true))
        ScrollTo(oldOffset, m_offset);
    else if (oldOffset != m_offset)
        update();  // same base note, but a drag had left the picture between keys
}

void TKeyboard::SetMarkNote(int v) {
    v = std::clamp(v, 0, 127);
    if (v == m_markNote) return;
    m_markNote = v;
    update();
}

void TKeyboard::SetLanguage(TLanguage v) {
    if (static_cast<int>(v) < 0 || static_cast<int>(v) > 2) return;
    m_language = v;
}

void TKeyboard::SetChord(TChord v) {
    if (v < chNone || v > chCustom || v == m_chord) return;
    ChangeChord(v);
}

void TKeyboard::ChangeChord(TChord v) {
    // A latched note is released with the old chord and struck again with the new one.
    m_latchedBefore = m_latched;
    m_latched = false;
    AllLocalNotesOff();
    m_chord = v;
    RestrikeLatched();
}

void TKeyboard::SetChannel(int v) {
    v &= 15;
    if (v == m_channel) return;
    ResetAll();
    m_channel = v;
}

void TKeyboard::SetVelocity(int v) { m_velocity = v & 127; }

void TKeyboard::SetVelocityShiftFactor(double v) {
    if (!(v >= 0.01)) v = 0.01;  // also catches NaN
    if (!std::isfinite(v)) v = 1000.0;
    m_velocityShiftFactor = v;
}

void TKeyboard::SetUpDownController(int v) {
    if (v < 0 || v > kControllerNone) return;
    m_axis[0].assignment = v;
    m_axis[0].value = 0;
}

void TKeyboard::SetLeftRightController(int v) {
    if (v < 0 || v > kControllerNone) return;
    m_axis[1].assignment = v;
    m_axis[1].value = 0;
}

void TKeyboard::SetKeyOctave(int v) {
    if (v < 0 || v > 10 || v == m_keyOctave) return;
    // Keys are mapped to notes through the octave at release time, so nothing may stay held.
    ReleaseThruNotes();
    ResetPlaying();
    m_keyOctave = v;
    if (OnOctaveChange) OnOctaveChange(this);
}

void TKeyboard::OctaveUp() {
    if (m_keyOctave <= 9) SetKeyOctave(m_keyOctave + 1);
}

void TKeyboard::OctaveDown() {
    if (m_keyOctave > 0) SetKeyOctave(m_keyOctave - 1);
}

void TKeyboard::SetUpperCScanCode(int v) {
    if (v == m_upperCScanCode || !IsValidUpperC(v)) return;
    m_upperCScanCode = v;
    scanmap::TScanMap& map = scanmap::SharedScanMap();
    map = scanmap::RebuildRow(map, v, scanmap::kUpperRow);
}

void TKeyboard::SetLowerCScanCode(int v) {
    if (v == m_lowerCScanCode || !IsValidLowerC(v)) return;
    m_lowerCScanCode = v;
    scanmap::TScanMap& map = scanmap::SharedScanMap();
    map = scanmap::RebuildRow(map, v, scanmap::kLowerRow);
}

void TKeyboard::SetTranspose(int v) {
    v = std::clamp(v, -99, 99);
    if (v == m_transpose) return;
    ResetAll();
    m_transpose = v;
    RestrikeLatched();
    update();
}

void TKeyboard::SetDisplayTransposed(bool v) {
    if (v == m_displayTransposed) return;
    ResetAll();
    m_displayTransposed = v;
    RestrikeLatched();
    update();
}

void TKeyboard::SetTransposeThru(bool v) {
    if (v == m_transposeThru) return;
    ClearThruDisplay();
    m_transposeThru = v;
}

// ---------------------------------------------------------------------------------------------
// Note core

std::vector<int> TKeyboard::ChordTones() const {
    std::vector<int> offsets{0};
    for (int o : ChordOffsets(m_chord, m_customChord)) offsets.push_back(o);
    return offsets;
}

void TKeyboard::PlayNote(int channel, int note, bool local, int velocity) {
    if (velocity > 0)
        Strike(channel, channel, note, local, velocity, ChordTones());
    else
        Release(channel, note, local);
}

void TKeyboard::SendNote(int channel, int note, bool local, int velocity) {
    if (velocity > 0)
        Strike(channel, channel, note, local, velocity, {0});
    else
        Release(channel, note, local);
}

void TKeyboard::Strike(int channel, int keyChannel, int note, bool local, int velocity,
                       const std::vector<int>& offsets) {
    channel &= 15;
    keyChannel &= 15;
    velocity = std::min(velocity, 127);
    int t = (local || m_transposeThru) ? m_transpose : 0;
    TPress press{channel, true, {}};
    auto& counts = local ? m_localCount : m_thruCount;
    for (int off : offsets) {
        int played = note + off;
        int sent = played + t;
        int shown = m_displayTransposed ? sent : played;
        if (shown < 0 || shown > 127) continue;  // neither sent nor shown
        int emitted = -1;
        if (sent >= 0 && sent <= 127 && OnNote) {
            OnNote(this, static_cast<uint8_t>(0x90 + channel), static_cast<uint8_t>(sent),
                   static_cast<uint8_t>(velocity));
            emitted = sent;
        }
        ++counts[shown];
        RepaintKey(shown, true);
        press.tones.push_back({shown, emitted});
    }
    m_presses[TPressKey{local, keyChannel, note}].push_back(std::move(press));
}

void TKeyboard::Release(int keyChannel, int note, bool local) {
    auto it = m_presses.find(TPressKey{local, keyChannel & 15, note});
    // A release that matches no sounding press (already released by a reset, or never struck)
    // sends nothing: a stray note-off could cut a note held elsewhere.
    if (it == m_presses.end() || it->second.empty()) return;
    TPress press = std::move(it->second.front());
    it->second.pop_front();
    if (it->second.empty()) m_presses.erase(it);
    auto& counts = local ? m_localCount : m_thruCount;
    for (const TTone& tone : press.tones) {
        if (tone.sent >= 0 && OnNote)
            OnNote(this, static_cast<uint8_t>(0x90 + press.channel),
                   static_cast<uint8_t>(tone.sent), 0);
        if (press.displayed && counts[tone.displayed] > 0) {
            --counts[tone.displayed];
            RepaintKey(tone.displayed, false);
        }
    }
}

void TKeyboard::ReleaseAllOf(bool local) {
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
    if (local) m_keyNotes.fill(-1);  // the keys' releases find nothing left to stop
    // One note-off per note-on sent, on the channel and note that were actually sent.
    for (const TPress& press : released)
        for (const TTone& tone : press.tones)
            if (tone.sent >= 0 && OnNote)
                OnNote(this, static_cast<uint8_t>(0x90 + press.channel),
                       static_cast<uint8_t>(tone.sent), 0);
    update();
}

void TKeyboard::ForgetDisplayOf(bool local) {
    (local ? m_localCount : m_thruCount).fill(0);
    for (auto& [key, presses] : m_presses)
        if (std::get<0>(key) == local)
            for (auto& press : presses) press.displayed = false;
    update();
}

void TKeyboard::MidiThruInput(uint8_t status, uint8_t data1, bool useMessageChannel,
                              uint8_t data2) {
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
            if (OnNote) OnNote(this, status, data1, data2 & 127);
            break;
    }
}

void TKeyboard::ShowIncomingNote(int note, int velocity) {
    note &= 127;
    if (velocity > 0) {
        ++m_thruCount[note];
        RepaintKey(note, true);
    } else if (m_thruCount[note] > 0) {
        --m_thruCount[note];
        RepaintKey(note, false);
    }
}

void TKeyboard::EmitControl(uint8_t status, uint8_t data1, uint8_t data2) {
    if (OnNote) OnNote(this, status, data1, data2);
    if (OnDisplayEvent) OnDisplayEvent(this, status, data1, data2);
}

void TKeyboard::ResetPitchBend() {
    for (auto& axis : m_axis) {
        if (axis.assignment == kControllerPitchBend && axis.value != 0) {
            EmitControl(static_cast<uint8_t>(0xE0 + m_channel), 0, 64);
            axis.value = 0;
        }
    }
}

void TKeyboard::ControllerFeedback(int controller, int value) {
    if (controller < 0 || controller >= 128) return;
    value &= 127;
    for (auto& axis : m_axis)
        if (axis.assignment == controller) axis.value = value;
}

void TKeyboard::SetCustomChord(const std::vector<int8_t>& offsets, bool select) {
    std::vector<int8_t> chord = NormalisedCustomChord(offsets);
    std::fill(std::begin(m_customChord), std::end(m_customChord), 0);
    std::copy(chord.begin(), chord.end(), m_customChord);
    // Selecting re-strikes a latched note even when the custom chord was already selected, so it
    // sounds with the new definition.
    if (select) ChangeChord(chCustom);
}

std::vector<int8_t> TKeyboard::CustomChord() const {
    std::vector<int8_t> result;
    for (int8_t o : m_customChord) {
        if (o == 0) break;
        result.push_back(o);
    }
    return result;
}

// ---------------------------------------------------------------------------------------------
// Resets

void TKeyboard::AllLocalNotesOff() { ReleaseAllOf(true); }

void TKeyboard::ResetPlaying() {
    AllLocalNotesOff();
    ResetPitchBend();
    for (auto& axis : m_axis) axis.value = 0;
    m_latchedBefore = m_latched;
    m_latched = false;
    m_mouseMode = TMouseMode::None;
    update();
}

void TKeyboard::ClearThruDisplay() { ForgetDisplayOf(false); }

void TKeyboard::ReleaseThruNotes() { ReleaseAllOf(false); }

void TKeyboard::ResetAll() {
    // Thru notes the outside source still holds keep sounding; their releases, when they come,
    // still find what was sent for them.
    ForgetDisplayOf(false);
    ResetPlaying();
}

void TKeyboard::RestrikeLatched() {
    if (!m_latchedBefore) return;
    PlayNote(m_channel, m_mouseNote, true, m_mouseVelocity);
    m_latched = true;
    m_mouseMode = TMouseMode::None;
    m_latchedBefore = false;
}

int TKeyboard::LocalCount(int note) const {
    return note >= 0 && note <= 127 ? m_localCount[note] : 0;
}

int TKeyboard::ThruCount(int note) const {
    return note >= 0 && note <= 127 ? m_thruCount[note] : 0;
}

// ---------------------------------------------------------------------------------------------
// Names

QString TKeyboard::NoteName(int n) const {
    n = std::clamp(n, 0, 127);
    return QString::fromLatin1(PitchName(static_cast<int>(m_language), n % 12)) +
           QString::number(n / 12 - 2);
}

QString TKeyboard::DisplayNoteName(int n) const {
    n = std::clamp(n, 0, 127);
    if (m_noteNames.size() >= 128 && !m_noteNames[n].isEmpty()) return m_noteNames[n];
    return NoteName(n);
}

void TKeyboard::SetNoteNames(const QStringList& names) {
    if (names.size() >= 128)
        m_noteNames = names.mid(0, 128);
    else
        m_noteNames.clear();
}

// ---------------------------------------------------------------------------------------------
// Geometry and base note

int TKeyboard::VisibleNotes() const { return std::min(width() * 12 / (m_keyWidth * 7), 128); }

int TKeyboard::ImageHeight() const { return m_imagesLoaded ? m_imageHeight : height(); }

int TKeyboard::KeyLeft(int note) const {
    return keymath::KeyLeft(std::clamp(note, 0, 127), m_keyWidth, BlackOffsets());
}

void TKeyboard::SetBaseNoteByWhiteKey(int w) { SetBaseNote(w < 0 ? 0 : NoteOfWhiteIndex(w)); }

int TKeyboard::BaseNoteWhiteKey() const {
    return (m_baseNote / 12) * 7 + WhiteIndexAtOrBelow(m_baseNote % 12);
}

bool TKeyboard::ApplyBaseNote(int n, bool force) {
    int limit = 128 - VisibleNotes();
    if (n > limit) n = limit;
    if (n < 0) n = 0;
    if (n == m_baseNote && !force) return false;
    int previous = m_baseNote;
    m_baseNote = n;
    m_offset = KeyLeft(n);
    if (n == previous) return false;
    if (OnBaseNoteChange) OnBaseNoteChange(this, NoteName(m_baseNote));
    return true;
}

void TKeyboard::ApplyBounds() { setMaximumWidth(FullWidth()); }

void TKeyboard::SetBoundsChecked(int x, int y, int w, int h) {
    setGeometry(x, y, std::clamp(w, 10, std::max(FullWidth(), 10)), std::max(h, 5));
}

void TKeyboard::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int oldOffset = m_offset;
    ApplyBaseNote(m_baseNote, false);
    if (oldOffset != m_offset) update();
}

// ---------------------------------------------------------------------------------------------
// Settings

void TKeyboard::LoadSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    SetBaseNote(store.ReadInteger(s, "BaseNote", m_baseNote));
    SetChannel(store.ReadInteger(s, "Channel", m_channel));
    // Enumerations from the store are taken only when they name a value; anything else keeps
    // the current one (a bad Language would index past the name tables).
    int chord = store.ReadInteger(s, "Chord", m_chord);
    if (chord >= chNone && chord <= chCustom) m_chord = static_cast<TChord>(chord);
    const int keyWidth = store.ReadInteger(s, "KeyWidth", m_keyWidth);
    SetKeyWidth(keyWidth);
    int language = store.ReadInteger(s, "Language", static_cast<int>(m_language));
    if (language >= 0 && language <= 2) m_language = static_cast<TLanguage>(language);
    SetMarkNote(store.ReadInteger(s, "MarkNote", m_markNote));
    SetShadowWidth(store.ReadInteger(s, "ShadowWidth", m_shadowWidth));
    int factor = store.ReadInteger(s, "VelShiftFactor", RoundHalfEven(m_velocityShiftFactor * 100));
    SetVelocityShiftFactor(factor / 100.0);
    SetVelocity(store.ReadInteger(s, "Velocity", m_velocity));
    int upDown = store.ReadInteger(s, "UpDownController", m_axis[0].assignment);
    if (upDown >= 0 && upDown <= kControllerNone) m_axis[0].assignment = upDown;
    int leftRight = store.ReadInteger(s, "LeftRightController", m_axis[1].assignment);
    if (leftRight >= 0 && leftRight <= kControllerNone) m_axis[1].assignment = leftRight;
    SetKeyOctave(store.ReadInteger(s, "KeyOctave", m_keyOctave));
    int imageSize = store.ReadInteger(s, "ImageSize", m_imageSize);
    if (imageSize >= isSmall && imageSize <= isBig)
        SetImageSize(static_cast<TImageSize>(imageSize));
    SetLowerCScanCode(store.ReadInteger(s, "LowerCKey", m_lowerCScanCode));
    SetUpperCScanCode(store.ReadInteger(s, "UpperCKey", m_upperCScanCode));
    int style = store.ReadInteger(s, "PaintStyle", m_paintStyle);
    if (style == psDraw || style == psImage) SetPaintStyle(static_cast<TPaintStyle>(style));
    // The width is read before the style; a keyboard that was painting images ignored it then,
    // so a stored drawn width is applied again once the drawn style is back.
    if (m_paintStyle == psDraw && keyWidth != m_keyWidth) {
        const int base = store.ReadInteger(s, "BaseNote", m_baseNote);
        SetKeyWidth(keyWidth);
        SetBaseNote(base);
    }
    SetTranspose(store.ReadInteger(s, "Transpose", m_transpose));
    SetDisplayTransposed(store.ReadBool(s, "DisplayTranspose", m_displayTransposed));
    SetTransposeThru(store.ReadBool(s, "TransposeThru", m_transposeThru));
}

void TKeyboard::SaveSettings(TSettingsStore& store) {
    const std::string s = m_regKey.toStdString();
    store.WriteInteger(s, "BaseNote", m_baseNote);
    store.WriteInteger(s, "Channel", m_channel);
    store.WriteInteger(s, "Chord", m_chord);
    store.WriteInteger(s, "KeyWidth", m_keyWidth);
    store.WriteInteger(s, "Language", static_cast<int>(m_language));
    store.WriteInteger(s, "MarkNote", m_markNote);
    store.WriteInteger(s, "ShadowWidth", m_shadowWidth);
    store.WriteInteger(s, "VelShiftFactor", RoundHalfEven(m_velocityShiftFactor * 100));
    store.WriteInteger(s, "Velocity", m_velocity);
    store.WriteInteger(s, "UpDownController", m_axis[0].assignment);
    store.WriteInteger(s, "LeftRightController", m_axis[1].assignment);
    store.WriteInteger(s, "KeyOctave", m_keyOctave);
    store.WriteInteger(s, "ImageSize", m_imageSize);
    store.WriteInteger(s, "LowerCKey", m_lowerCScanCode);
    store.WriteInteger(s, "UpperCKey", m_upperCScanCode);
    store.WriteInteger(s, "PaintStyle", m_paintStyle);
    store.WriteInteger(s, "Transpose", m_transpose);
    store.WriteBool(s, "DisplayTranspose", m_displayTransposed);
    store.WriteBool(s, "TransposeThru", m_transposeThru);
}
