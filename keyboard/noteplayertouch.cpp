// The note player's touch points and key pressure.
#include <algorithm>

#include "keyboard/noteplayer.h"

bool TNotePlayer::HeldByOthers(int note, int holder) const {
    for (const auto& [id, hold] : m_touches)
        if (id != holder && hold.note == note) return true;
    return holder != kMouseHolder && m_mouseHolds && m_mouseNote == note;
}

void TNotePlayer::TouchPress(int id, int note, int velocity) {
    const TGuard guard(m_mutex);
    if (id == kMouseHolder) return;
    TouchRelease(id);  // an id pressed again lets go of its first note
    if (velocity <= 0 || note < 0 || note > 127) return;
    if (!HeldByOthers(note, id)) PlayNote(m_channel, note, true, velocity);
    m_touches[id] = THold{note};
}

void TNotePlayer::TouchGlide(int id, int note, int velocity) {
    const TGuard guard(m_mutex);
    const auto it = m_touches.find(id);
    if (it == m_touches.end() || it->second.note == note) return;
    // The old note goes before the new one sounds, as with the mouse.
    TouchRelease(id);
    TouchPress(id, note, velocity);
}

void TNotePlayer::TouchRelease(int id) {
    const TGuard guard(m_mutex);
    const auto it = m_touches.find(id);
    if (it == m_touches.end()) return;
    const int note = it->second.note;
    EndPressure(note, it->second.pressure);
    m_touches.erase(it);
    if (!HeldByOthers(note, id)) PlayNote(m_channel, note, true, 0);
}

int TNotePlayer::TouchNote(int id) const {
    const TGuard guard(m_mutex);
    const auto it = m_touches.find(id);
    return it == m_touches.end() ? -1 : it->second.note;
}

void TNotePlayer::SetKeyPressure(int v) {
    const TGuard guard(m_mutex);
    if (v < kpNone || v > kpPolyphonic || v == m_keyPressure) return;
    EndAllPressures();  // in the old kind, which the receiver has been following
    m_keyPressure = static_cast<TKeyPressure>(v);
}

void TNotePlayer::MousePressure(int value) {
    const TGuard guard(m_mutex);
    if (m_mouseHolds && !m_latched) SendPressure(m_mouseNote, value, m_mousePressure);
}

void TNotePlayer::TouchPressure(int id, int value) {
    const TGuard guard(m_mutex);
    const auto it = m_touches.find(id);
    if (it != m_touches.end()) SendPressure(it->second.note, value, it->second.pressure);
}

void TNotePlayer::SendPressure(int note, int value, int& last) {
    value = std::clamp(value, 0, 127);
    if (value == last || m_keyPressure == kpNone) return;
    // The press of the note tells the channel and the notes that were actually sent for it.
    const auto it = m_presses.find(TPressKey{true, m_channel, note});
    if (it == m_presses.end() || it->second.empty()) return;
    const TPress& press = it->second.front();
    for (const TTone& tone : press.tones) {
        if (tone.sent < 0) continue;
        if (m_keyPressure == kpChannel) {
            Send(static_cast<uint8_t>(0xD0 + press.channel), static_cast<uint8_t>(value), 0);
            break;
        }
        Send(static_cast<uint8_t>(0xA0 + press.channel), static_cast<uint8_t>(tone.sent),
             static_cast<uint8_t>(value));
    }
    last = value;
}

void TNotePlayer::EndPressure(int note, int& last) {
    SendPressure(note, 0, last);
    last = 0;
}

void TNotePlayer::EndAllPressures() {
    if (m_mouseHolds) EndPressure(m_mouseNote, m_mousePressure);
    m_mousePressure = 0;
    for (auto& [id, hold] : m_touches) EndPressure(hold.note, hold.pressure);
}
