// Velocity from where a key is struck, fingers on a touch screen, and pressure on held keys.
#include <QInputDevice>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"

using namespace keymath;

namespace {
constexpr double kNoPressure = std::numeric_limits<double>::quiet_NaN();
}  // namespace

void TKeyboard::SetVelocityRange(int softest, int loudest) {
    softest = std::clamp(softest, 1, 127);
    loudest = std::clamp(loudest, 1, 127);
    m_velocityMin = std::min(softest, loudest);
    m_velocityMax = std::max(softest, loudest);
}

int TKeyboard::StrikeVelocity(int note, int y, bool shift) const {
    if (!m_velocityFromHeight) return m_player.PressVelocity(shift);
    // A key runs from its back edge at the top of the picture to its front edge: a white key to
    // the bottom of the keys, a black key to the end of the black band.
    int length = ImageHeight();
    if (IsBlack(note % 12)) length = BlackOffsets() ? kImageBlackHeight : height() * 3 / 5;
    const int v = HeightVelocity(y, length, m_velocityMin, m_velocityMax);
    // A struck key always sounds, however far Shift takes it down.
    return shift ? std::max(ShiftedVelocity(v, m_player.VelocityShiftFactor()), 1) : v;
}

int TKeyboard::TouchVelocity(int note, int y, double pressure, bool shift) const {
    // A pressure of 0 is what some screens report when they measure none: it plays the setting.
    if (m_velocityFromHeight || !(pressure > 0)) return StrikeVelocity(note, y, shift);
    const int v = PressureVelocity(pressure);
    return shift ? std::max(ShiftedVelocity(v, m_player.VelocityShiftFactor()), 1) : v;
}

int TKeyboard::HeldPressure(double pressure, int up) const {
    const int value = PressureValue(pressure);
    return value >= 0 ? value : AxisValue(0, 0, up);
}

void TKeyboard::SetMultiTouch(bool v) {
    if (v == m_multiTouch) return;
    EndTouches();
    m_multiTouch = v;
    // Without it, touches reach the keyboard as the system's mouse.
    setAttribute(Qt::WA_AcceptTouchEvents, v);
}

bool TKeyboard::TouchEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            break;
        case QEvent::TouchCancel:
            EndTouches();
            event->accept();
            return true;
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            EndTouches();
            return false;
        default:
            return false;
    }
    if (!m_multiTouch) return false;
    auto* touch = static_cast<QTouchEvent*>(event);
    // Accepting the touches keeps the system from turning them into the mouse as well.
    touch->accept();
    const QInputDevice* device = touch->device();
    const bool pressure = m_touchPressure && device &&
                          device->capabilities().testFlag(QInputDevice::Capability::Pressure);
    const bool shift = touch->modifiers().testFlag(Qt::ShiftModifier);
    for (const QEventPoint& p : touch->points()) {
        const double force = pressure ? p.pressure() : kNoPressure;
        switch (p.state()) {
            case QEventPoint::Pressed:
                TouchDown(p.id(), p.position(), force, shift);
                break;
            case QEventPoint::Updated:
            case QEventPoint::Stationary:
                TouchMove(p.id(), p.position(), force, shift);
                break;
            case QEventPoint::Released:
                TouchUp(p.id());
                break;
            default:
                break;
        }
    }
    CheckSwipe();
    // After a touch end Qt forgets every point of the sequence, so a finger still held here
    // would never hear its release.
    if (touch->type() == QEvent::TouchEnd) EndTouches();
    return true;
}

void TKeyboard::TouchDown(int id, QPointF pos, double pressure, bool shift) {
    TouchUp(id);  // a point pressed again without a release lets go first
    TTouch& t = m_touches[id];
    t.start = t.pos = pos;
    const int playing = static_cast<int>(
        std::count_if(m_touches.begin(), m_touches.end(), [](const auto& e) {
            return e.second.playing;
        }));
    const QPoint at = pos.toPoint();
    if (m_swiping || playing >= kMaxTouches || !rect().contains(at)) return;
    const int note = NoteAt(at.x(), at.y());
    m_player.TouchPress(id, note, TouchVelocity(note, at.y(), pressure, shift));
    t.note = note;
    t.noteY = at.y();
    t.playing = m_player.TouchNote(id) >= 0;
}

void TKeyboard::TouchMove(int id, QPointF pos, double pressure, bool shift) {
    const auto it = m_touches.find(id);
    if (it == m_touches.end()) return;
    TTouch& t = it->second;
    t.pos = pos;
    if (!t.playing) return;
    const QPoint at = pos.toPoint();
    if (!rect().contains(at)) {
        // A finger that leaves the keyboard ends its note; it plays again once lifted.
        m_player.TouchRelease(id);
        t.playing = false;
        return;
    }
    const int note = NoteAt(at.x(), at.y());
    if (note != t.note) {
        // Gliding: the new key takes the height the finger enters it at.
        m_player.TouchGlide(id, note, TouchVelocity(note, at.y(), pressure, shift));
        t.note = note;
        t.noteY = at.y();
        t.playing = m_player.TouchNote(id) >= 0;
        return;
    }
    if (m_player.KeyPressure() != kpNone)
        m_player.TouchPressure(id, HeldPressure(pressure, t.noteY - at.y()));
}

void TKeyboard::TouchUp(int id) {
    const auto it = m_touches.find(id);
    if (it == m_touches.end()) return;
    if (it->second.playing) m_player.TouchRelease(id);
    m_touches.erase(it);
    if (m_touches.empty()) m_swiping = false;
}

void TKeyboard::EndTouches() {
    for (auto& [id, t] : m_touches)
        if (t.playing) m_player.TouchRelease(id);
    m_touches.clear();
    m_swiping = false;
}

void TKeyboard::CheckSwipe() {
    if (m_touches.size() != 2) return;
    const TTouch& a = m_touches.begin()->second;
    const TTouch& b = std::next(m_touches.begin())->second;
    const int x = static_cast<int>(std::lround((a.pos.x() + b.pos.x()) / 2));
    if (m_swiping) {
        // Dragging right shows lower notes, as with Alt and the mouse.
        ScrollDragged(m_swipeStartOffset + m_swipeStartX - x);
        return;
    }
    const QPointF da = a.pos - a.start, db = b.pos - b.start;
    const double reach = 2.0 * m_keyWidth;
    auto sideways = [reach](QPointF d) {
        return std::abs(d.x()) >= reach && std::abs(d.y()) < std::abs(d.x());
    };
    if (!sideways(da) || !sideways(db) || (da.x() > 0) != (db.x() > 0)) return;
    // A swipe, not two fingers playing: their notes end and the keyboard follows them from here.
    for (auto& [id, t] : m_touches) {
        if (t.playing) m_player.TouchRelease(id);
        t.playing = false;
    }
    m_swiping = true;
    m_swipeStartX = x;
    m_swipeStartOffset = m_offset;
}
