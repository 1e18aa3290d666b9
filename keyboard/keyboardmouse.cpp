#include <QEnterEvent>
#include <QMouseEvent>
#include <cmath>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"

using namespace keymath;

namespace {
constexpr Qt::MouseButtons kPlayButtons = Qt::LeftButton | Qt::RightButton;
}

void TKeyboard::SetMouseMode(TMouseMode mode) {
    if (m_mouseMode == TMouseMode::None && mode != TMouseMode::None) m_player.EndLatch();
    m_mouseMode = mode;
}

void TKeyboard::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    MouseMove(event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
}

void TKeyboard::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (button == Qt::LeftButton && m_enableBaseNoteDrag && (shift & Qt::AltModifier) &&
        m_mouseMode == TMouseMode::None) {
        m_buttons |= button;
        m_dragStartX = x;
        m_dragStartOffset = m_offset;
        SetMouseMode(TMouseMode::BaseNoteDrag);
        UpdateCursor(shift);
        return;
    }
    if (m_mouseMode == TMouseMode::BaseNoteDrag) return;
    int note = NoteAt(x, y);
    m_lastMouseNote = note;
    if (OnMousePress) {
        OnMousePress(this, note, button, shift);
        if (note < 0 || note > 127) return;  // vetoed: not even the focus moves
    }
    if (button == Qt::LeftButton || (button == Qt::RightButton && m_enableSpecialMode)) {
        const TMouseMode old = m_mouseMode;
        m_buttons |= button;
        SetMouseMode(button == Qt::LeftButton ? TMouseMode::LeftPlay : TMouseMode::Special);
        // A second button while one is held only changes the mode.
        if (old == TMouseMode::None) {
            m_player.MousePress(note, StrikeVelocity(note, y, shift.testFlag(Qt::ShiftModifier)));
            m_pressureY = y;
        }
        m_pressX = x;
        m_pressY = y;
        m_player.StartAxes();
    }
    if (TabStop() && !hasFocus()) setFocus(Qt::MouseFocusReason);
}

void TKeyboard::MouseMove(Qt::KeyboardModifiers shift, int x, int y) {
    UpdateCursor(shift);
    if (m_mouseMode == TMouseMode::BaseNoteDrag) {
        DragTo(x);
        return;
    }
    if (m_mouseMode == TMouseMode::Special) m_player.MoveAxes(m_pressY - y, x - m_pressX);
    int note = NoteAt(x, y);
    const bool playing = m_mouseMode == TMouseMode::LeftPlay || m_mouseMode == TMouseMode::Special;
    const bool glides = note != m_lastMouseNote && m_mouseMode == TMouseMode::LeftPlay;
    if (playing && !glides && m_player.KeyPressure() != kpNone)
        m_player.MousePressure(HeldPressure(std::nan(""), m_pressureY - y));
    if (note == m_lastMouseNote) return;
    m_lastMouseNote = note;
    if (OnMouseDrag && playing)
        OnMouseDrag(this, note,
                    m_mouseMode == TMouseMode::LeftPlay ? Qt::LeftButton : Qt::RightButton, shift);
    if (note >= 0 && note <= 127 && m_mouseMode == TMouseMode::LeftPlay) {
        m_player.MouseGlide(note, StrikeVelocity(note, y, shift.testFlag(Qt::ShiftModifier)));
        m_pressureY = y;
    }
    ReportHover(m_lastMouseNote);
}

void TKeyboard::MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    m_buttons &= ~Qt::MouseButtons(button);
    const bool noneHeld = (m_buttons & kPlayButtons) == Qt::NoButton;
    if (m_mouseMode == TMouseMode::BaseNoteDrag) {
        DragTo(x);
    } else {
        const bool latch = (shift & Qt::ControlModifier) && noneHeld;
        const bool release = !latch && noneHeld;
        int note = release ? m_player.MouseNote() : NoteAt(x, y);
        if (OnMouseRelease) OnMouseRelease(this, note, button, shift);
        if (latch) {
            m_player.MouseRelease(note, true);
        } else if (release) {
            m_player.MouseRelease(note, false);
            if (m_mouseMode == TMouseMode::Special) m_player.ResetPitchBend();
        }
    }
    UpdateCursor(shift);
    if (button == Qt::RightButton && (m_buttons & Qt::LeftButton)) {
        MouseDown(Qt::LeftButton, shift, x, y);
    } else if (button == Qt::LeftButton && (m_buttons & Qt::RightButton)) {
        MouseDown(Qt::RightButton, shift, x, y);
    } else if (noneHeld) {
        m_buttons = Qt::NoButton;
        m_mouseMode = TMouseMode::None;
        UpdateCursor(shift);
    }
}

void TKeyboard::DragTo(int x) {
    ScrollDragged(m_dragStartOffset + m_dragStartX - x);  // dragging right shows lower notes
}

void TKeyboard::ScrollDragged(int offset) {
    if (offset < 0)
        offset = 0;
    else if (FullWidth() - offset < width())
        offset = std::max(FullWidth() - width(), 0);
    if (offset == m_offset) return;
    const int old = m_offset;
    // The base note follows the key at the left edge on the bottom row.
    ApplyBaseNote(NoteAtAbsolute(offset, height()), false);
    ScrollTo(old, offset);
}

void TKeyboard::UpdateCursor(Qt::KeyboardModifiers shift) {
    const bool hand = ((shift & Qt::AltModifier) && (m_buttons & kPlayButtons) == Qt::NoButton) ||
                      m_mouseMode == TMouseMode::BaseNoteDrag;
    if (hand && !m_handCursor) {
        setCursor(Qt::PointingHandCursor);
        m_handCursor = true;
    } else if (!hand && m_handCursor) {
        unsetCursor();
        m_handCursor = false;
    }
}

void TKeyboard::ReportHover(int note) {
    if (!OnNoteHover) return;
    OnNoteHover(this, note >= 0 && note <= 127 ? DisplayNoteName(note) : QString());
}

void TKeyboard::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    // Name the key the mouse came in over, not the one it last touched elsewhere.
    const QPoint p = event->position().toPoint();
    if (rect().contains(p)) NoteAt(p.x(), p.y());
    ReportHover(m_lastHitNote);
}

void TKeyboard::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (OnNoteHover) OnNoteHover(this, QString());
}
