#include "keyboard/keytouches.h"

#include <QInputDevice>
#include <QTouchEvent>
#include <algorithm>
#include <cmath>
#include <limits>

#include "keyboard/keyboard.h"
#include "keyboard/keyboardmath.h"

namespace {
constexpr double kNoPressure = std::numeric_limits<double>::quiet_NaN();
}  // namespace

TKeyTouches::TKeyTouches(TKeyboard& keyboard) : m_keyboard(keyboard) {}

int TKeyTouches::Velocity(int note, int y, double pressure, bool shift) const {
    return m_keyboard.PlayOptions().TouchVelocity(
        m_keyboard.Player(), y, m_keyboard.Painter().KeyLength(note), pressure, shift);
}

bool TKeyTouches::Event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            break;
        case QEvent::TouchCancel:
            End();
            event->accept();
            return true;
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            End();
            return false;
        default:
            return false;
    }
    const TPlayOptions& options = m_keyboard.PlayOptions();
    if (!options.multiTouch) return false;
    auto* touch = static_cast<QTouchEvent*>(event);
    // Accepting the touches keeps the system from turning them into the mouse as well.
    touch->accept();
    const QInputDevice* device = touch->device();
    const bool pressure = options.touchPressure && device &&
                          device->capabilities().testFlag(QInputDevice::Capability::Pressure);
    const bool shift = touch->modifiers().testFlag(Qt::ShiftModifier);
    for (const QEventPoint& p : touch->points()) {
        const double force = pressure ? p.pressure() : kNoPressure;
        switch (p.state()) {
            case QEventPoint::Pressed:
                Down(p.id(), p.position(), force, shift);
                break;
            case QEventPoint::Updated:
            case QEventPoint::Stationary:
                Move(p.id(), p.position(), force, shift);
                break;
            case QEventPoint::Released:
                Up(p.id());
                break;
            default:
                break;
        }
    }
    CheckSwipe();
    // After a touch end Qt forgets every point of the sequence, so a finger still held here
    // would never hear its release.
    if (touch->type() == QEvent::TouchEnd) End();
    return true;
}

void TKeyTouches::Down(int id, QPointF pos, double pressure, bool shift) {
    Up(id);  // a point pressed again without a release lets go first
    TTouch& t = m_touches[id];
    t.start = t.pos = pos;
    const int playing = static_cast<int>(std::count_if(
        m_touches.begin(), m_touches.end(), [](const auto& e) { return e.second.playing; }));
    const QPoint at = pos.toPoint();
    if (m_swiping || playing >= TPlayOptions::kMaxTouches || !m_keyboard.rect().contains(at))
        return;
    TNotePlayer& player = m_keyboard.Player();
    const int note = m_keyboard.NoteAt(at.x(), at.y());
    player.TouchPress(id, note, Velocity(note, at.y(), pressure, shift));
    t.note = note;
    t.noteY = at.y();
    t.playing = player.TouchNote(id) >= 0;
}

void TKeyTouches::Move(int id, QPointF pos, double pressure, bool shift) {
    const auto it = m_touches.find(id);
    if (it == m_touches.end()) return;
    TTouch& t = it->second;
    t.pos = pos;
    if (!t.playing) return;
    TNotePlayer& player = m_keyboard.Player();
    const QPoint at = pos.toPoint();
    if (!m_keyboard.rect().contains(at)) {
        // A finger that leaves the keyboard ends its note; it plays again once lifted.
        player.TouchRelease(id);
        t.playing = false;
        return;
    }
    const int note = m_keyboard.NoteAt(at.x(), at.y());
    if (note != t.note) {
        // Gliding: the new key takes the height the finger enters it at.
        player.TouchGlide(id, note, Velocity(note, at.y(), pressure, shift));
        t.note = note;
        t.noteY = at.y();
        t.playing = player.TouchNote(id) >= 0;
        return;
    }
    if (player.KeyPressure() != kpNone)
        player.TouchPressure(id, keymath::HeldPressure(pressure, t.noteY - at.y()));
}

void TKeyTouches::Up(int id) {
    const auto it = m_touches.find(id);
    if (it == m_touches.end()) return;
    if (it->second.playing) m_keyboard.Player().TouchRelease(id);
    m_touches.erase(it);
    if (m_touches.empty()) m_swiping = false;
}

void TKeyTouches::End() {
    for (auto& [id, t] : m_touches)
        if (t.playing) m_keyboard.Player().TouchRelease(id);
    m_touches.clear();
    m_swiping = false;
}

void TKeyTouches::CheckSwipe() {
    if (m_touches.size() != 2) return;
    const TTouch& a = m_touches.begin()->second;
    const TTouch& b = std::next(m_touches.begin())->second;
    const int x = static_cast<int>(std::lround((a.pos.x() + b.pos.x()) / 2));
    if (m_swiping) {
        // Dragging right shows lower notes, as with Alt and the mouse.
        m_keyboard.ScrollDragged(m_swipeStartOffset + m_swipeStartX - x);
        return;
    }
    const QPointF da = a.pos - a.start, db = b.pos - b.start;
    const double reach = 2.0 * m_keyboard.KeyWidth();
    auto sideways = [reach](QPointF d) {
        return std::abs(d.x()) >= reach && std::abs(d.y()) < std::abs(d.x());
    };
    if (!sideways(da) || !sideways(db) || (da.x() > 0) != (db.x() > 0)) return;
    // A swipe, not two fingers playing: their notes end and the keyboard follows them from here.
    for (auto& [id, t] : m_touches) {
        if (t.playing) m_keyboard.Player().TouchRelease(id);
        t.playing = false;
    }
    m_swiping = true;
    m_swipeStartX = x;
    m_swipeStartOffset = m_keyboard.ScrollOffset();
}
