// Painting, mouse and keys of the knob.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>

#include "controls/movinghint.h"
#include "controls/wheel.h"
#include "controls/wheelmath.h"

namespace {

int AddClamped(int a, int64_t b) {
    return static_cast<int>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

// Angles of QPainter arcs run counter-clockwise from three o'clock, in 1/16 degree; the
// upper-left half of a circle spans 45..225 degrees.
constexpr int kUpperLeftStart = 45 * 16;
constexpr int kLowerRightStart = 225 * 16;
constexpr int kHalf = 180 * 16;

}  // namespace

bool TWheel::ShowsFocusColor() const {
    return hasFocus() && (m_focusAction == faFocusColor || m_focusAction == faBoth);
}

QColor TWheel::FillColor() const {
    if (!isEnabled()) return m_disabledColor;
    if (ShowsFocusColor()) return m_focusColor;
    return m_wheelColor;
}

void TWheel::DrawScale(QPainter& p) {
    p.setPen(QPen(m_scaleColor, m_scaleWidth));
    const int cx = width() / 2;
    const int cy = height() / 2;
    const int s = m_scaleLength;
    auto line = [&](double percent) {
        const double a = wheelmath::Angle(m_scaleDegrees, percent);
        const int inner = m_scaleWidth / 2 - s;
        p.drawLine(wheelmath::PointAt(cx, cy, cx + inner, cy + inner, a),
                   wheelmath::PointAt(cx, cy, cx, cy, a));
    };
    line(0);
    line(100);
    if (m_balance) line(50);
    for (int i = 1; i < m_scaleTicks; ++i)
        line(static_cast<int>(std::nearbyint(100.0 * i / m_scaleTicks)));
}

void TWheel::DrawPointer(QPainter& p) {
    const int cx = width() / 2;
    const int cy = height() / 2;
    const int less = m_scaleLength + m_pointerDistance + m_scaleWidth / 2 + 3;
    const double a = wheelmath::Angle(m_scaleDegrees, wheelmath::Percent(m_position, m_min, m_max));
    p.setPen(QPen(m_scaleColor, m_scaleWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPoint(cx, cy),
               wheelmath::PointAt(cx, cy, std::max(0, cx - less), std::max(0, cy - less), a));
}

void TWheel::DrawCircle(QPainter& p) {
    const QPalette& pal = palette();
    const QColor frame = Qt::black;
    const QColor highlight = pal.color(QPalette::Light);
    const QColor face = pal.color(QPalette::Button);
    const QColor shadow = pal.color(QPalette::Dark);
    const bool raised = m_wheelStyle == Raised;
    auto box = [&](int inset) {
        return QRect(inset, inset, width() - 2 * inset - 1, height() - 2 * inset - 1);
    };
    // A bevel pair: the light colour on the upper-left half when raised, else lower-right.
    auto bevel = [&](int inset, const QColor& light, const QColor& dark) {
        const QRect r = box(inset);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(light, 1));
        p.drawArc(r, raised ? kUpperLeftStart : kLowerRightStart, kHalf);
        p.setPen(QPen(dark, 1));
        p.drawArc(r, raised ? kLowerRightStart : kUpperLeftStart, kHalf);
    };
    const int s = m_scaleLength;
    p.setBrush(FillColor());
    if (m_wheelStyle == Flat) {
        p.setPen(QPen(frame, 1));
        p.drawEllipse(box(s));
        return;
    }
    switch (m_wheelFrame) {
        case fsWin95:
            p.setPen(Qt::NoPen);
            p.drawEllipse(box(s + 2));
            bevel(s, highlight, frame);
            bevel(s + 1, face, shadow);
            break;
        case fsWin31:
        case fsSpeedButton:
            p.setPen(QPen(frame, 1));
            p.drawEllipse(box(s));
            bevel(s + 1, highlight, shadow);
            if (m_wheelFrame == fsWin31) bevel(s + 2, highlight, shadow);
            break;
        case fsSingleBevel:
            p.setPen(Qt::NoPen);
            p.drawEllipse(box(s));
            bevel(s, highlight, shadow);
            break;
    }
}

void TWheel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    if (m_scale) DrawScale(p);
    DrawCircle(p);
    DrawPointer(p);
    if (hasFocus() && (m_focusAction == faFocusRect || m_focusAction == faBoth)) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TWheel::StartDrag(QMouseEvent* e) {
    m_startPosition = m_position;
    m_startY = e->position().toPoint().y();
    if (TabStop()) setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    Track();
}

void TWheel::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), p.x(), p.y());
    StartDrag(e);
}

void TWheel::mouseDoubleClickEvent(QMouseEvent* e) {
    if (OnDblClick) OnDblClick(this);
    mousePressEvent(e);
}

void TWheel::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseMove) OnMouseMove(this, e->modifiers(), p.x(), p.y());
    // Moves arrive here while a button pressed on the knob holds the mouse.
    if (!m_dragging) return;
    SetPosition(wheelmath::DragPosition(m_startPosition, m_startY, p.y()));
    Track();
}

void TWheel::mouseReleaseEvent(QMouseEvent* e) {
    if (m_dragging) {
        m_dragging = false;
        Select();
    }
    const QPoint p = e->position().toPoint();
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), p.x(), p.y());
}

void TWheel::keyPressEvent(QKeyEvent* e) {
    int key = e->key();
    if (OnKeyDown) OnKeyDown(this, key, e->modifiers());
    switch (key) {
        case Qt::Key_Escape:
            // Cancels a drag: back where it started, later moves are ignored.
            if (m_dragging) {
                SetPosition(m_startPosition);
                m_dragging = false;
            }
            break;
        case Qt::Key_PageUp:
            SetPosition(AddClamped(m_position, m_largeStep));
            break;
        case Qt::Key_PageDown:
            SetPosition(AddClamped(m_position, -static_cast<int64_t>(m_largeStep)));
            break;
        case Qt::Key_End:
            SetPosition(m_max);
            break;
        case Qt::Key_Home:
            SetPosition(m_min);
            break;
        case Qt::Key_Up:
        case Qt::Key_Right:
            SetPosition(AddClamped(m_position, m_step));
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            SetPosition(AddClamped(m_position, -static_cast<int64_t>(m_step)));
            break;
        default:
            TTransparent::keyPressEvent(e);
            return;
    }
    Select();
}

void TWheel::wheelEvent(QWheelEvent* e) {
    const int d = wheelmath::WheelDelta(
        e->angleDelta().y(), e->modifiers().testFlag(Qt::ShiftModifier), m_step, m_largeStep);
    SetPosition(AddClamped(m_position, d));
    Select();
    e->accept();
}

void TWheel::focusInEvent(QFocusEvent* e) {
    TTransparent::focusInEvent(e);
    update();
}

void TWheel::focusOutEvent(QFocusEvent* e) {
    TTransparent::focusOutEvent(e);
    update();
}

void TWheel::changeEvent(QEvent* e) {
    TTransparent::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) update();
}
