#include "keyboard/keymouse.h"

#include <cmath>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"

using namespace keymath;

namespace {
constexpr Qt::MouseButtons kPlayButtons = Qt::LeftButton | Qt::RightButton;
}

TKeyMouse::TKeyMouse(TKeyboard& keyboard) : m_keyboard(keyboard) {}

void TKeyMouse::SetMode(TMode mode) {
    if (m_mode == TMode::None && mode != TMode::None) m_keyboard.Player().EndLatch();
    m_mode = mode;
}

int TKeyMouse::Velocity(int note, int y, Qt::KeyboardModifiers shift) const {
    return m_keyboard.PlayOptions().StrikeVelocity(m_keyboard.Player(), y,
                                                   m_keyboard.Painter().KeyLength(note),
                                                   shift.testFlag(Qt::ShiftModifier));
}

void TKeyMouse::Down(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    TKeyboard& kb = m_keyboard;
    TNotePlayer& player = kb.Player();
    if (button == Qt::LeftButton && kb.PlayOptions().baseNoteDrag && (shift & Qt::AltModifier) &&
        m_mode == TMode::None) {
        m_buttons |= button;
        m_dragStartX = x;
        m_dragStartOffset = kb.ScrollOffset();
        SetMode(TMode::BaseNoteDrag);
        UpdateCursor(shift);
        return;
    }
    if (m_mode == TMode::BaseNoteDrag) return;
    int note = kb.NoteAt(x, y);
    m_lastNote = note;
    if (kb.OnMousePress) {
        kb.OnMousePress(&kb, note, button, shift);
        if (note < 0 || note > 127) return;  // vetoed: not even the focus moves
    }
    if (button == Qt::LeftButton || (button == Qt::RightButton && kb.PlayOptions().specialMode)) {
        const TMode old = m_mode;
        m_buttons |= button;
        SetMode(button == Qt::LeftButton ? TMode::LeftPlay : TMode::Special);
        // A second button while one is held only changes the mode.
        if (old == TMode::None) {
            player.MousePress(note, Velocity(note, y, shift));
            m_pressureY = y;
        }
        m_pressX = x;
        m_pressY = y;
        player.StartAxes();
    }
    if (kb.TabStop() && !kb.hasFocus()) kb.setFocus(Qt::MouseFocusReason);
}

void TKeyMouse::Move(Qt::KeyboardModifiers shift, int x, int y) {
    TKeyboard& kb = m_keyboard;
    TNotePlayer& player = kb.Player();
    UpdateCursor(shift);
    if (m_mode == TMode::BaseNoteDrag) {
        DragTo(x);
        return;
    }
    if (m_mode == TMode::Special) player.MoveAxes(m_pressY - y, x - m_pressX);
    int note = kb.NoteAt(x, y);
    const bool playing = m_mode == TMode::LeftPlay || m_mode == TMode::Special;
    const bool glides = note != m_lastNote && m_mode == TMode::LeftPlay;
    if (playing && !glides && player.KeyPressure() != kpNone)
        player.MousePressure(HeldPressure(std::nan(""), m_pressureY - y));
    if (note == m_lastNote) return;
    m_lastNote = note;
    if (kb.OnMouseDrag && playing)
        kb.OnMouseDrag(&kb, note, m_mode == TMode::LeftPlay ? Qt::LeftButton : Qt::RightButton,
                       shift);
    if (note >= 0 && note <= 127 && m_mode == TMode::LeftPlay) {
        player.MouseGlide(note, Velocity(note, y, shift));
        m_pressureY = y;
    }
    kb.ReportHover(m_lastNote);
}

void TKeyMouse::Up(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    TKeyboard& kb = m_keyboard;
    TNotePlayer& player = kb.Player();
    m_buttons &= ~Qt::MouseButtons(button);
    const bool noneHeld = (m_buttons & kPlayButtons) == Qt::NoButton;
    if (m_mode == TMode::BaseNoteDrag) {
        DragTo(x);
    } else {
        const bool latch = (shift & Qt::ControlModifier) && noneHeld;
        const bool release = !latch && noneHeld;
        int note = release ? player.MouseNote() : kb.NoteAt(x, y);
        if (kb.OnMouseRelease) kb.OnMouseRelease(&kb, note, button, shift);
        if (latch) {
            player.MouseRelease(note, true);
        } else if (release) {
            player.MouseRelease(note, false);
            if (m_mode == TMode::Special) player.ResetPitchBend();
        }
    }
    UpdateCursor(shift);
    if (button == Qt::RightButton && (m_buttons & Qt::LeftButton)) {
        Down(Qt::LeftButton, shift, x, y);
    } else if (button == Qt::LeftButton && (m_buttons & Qt::RightButton)) {
        Down(Qt::RightButton, shift, x, y);
    } else if (noneHeld) {
        m_buttons = Qt::NoButton;
        m_mode = TMode::None;
        UpdateCursor(shift);
    }
}

void TKeyMouse::DragTo(int x) {
    // Dragging right shows lower notes.
    m_keyboard.ScrollDragged(m_dragStartOffset + m_dragStartX - x);
}

void TKeyMouse::UpdateCursor(Qt::KeyboardModifiers shift) {
    const bool hand = ((shift & Qt::AltModifier) && (m_buttons & kPlayButtons) == Qt::NoButton) ||
                      m_mode == TMode::BaseNoteDrag;
    if (hand && !m_handCursor) {
        m_keyboard.setCursor(Qt::PointingHandCursor);
        m_handCursor = true;
    } else if (!hand && m_handCursor) {
        m_keyboard.unsetCursor();
        m_handCursor = false;
    }
}
