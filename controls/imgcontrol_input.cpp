// Mouse, keys and auto-repeat of TImgControl.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include "controls/imgcontrol.h"
#include "controls/movinghint.h"

bool TImgControl::IsButtonImage() const { return FrameImage() && FrameImage()->Button(); }

bool TImgControl::IsTwoState() const { return FrameImage() && FrameImage()->TwoState(); }

bool TImgControl::InsideFrame(int x, int y) const {
    const TFrameImage* image = FrameImage();
    if (!image) return false;
    return x >= 0 && x < image->Width() && y >= 0 && y < image->Height();
}

void TImgControl::TrackButton(int x, int y) {
    const int v =
        TrackButtonPosition(InsideFrame(x, y), IsTwoState(), m_startPosition, m_min, m_max);
    if (v != m_position) ChangePosition(v);
}

void TImgControl::FireButtonClick() {
    if (OnButtonClick) OnButtonClick(this);
}

void TImgControl::StartRepeat() {
    if (!m_repeatTimer) {
        m_repeatTimer = new QTimer(this);
        connect(m_repeatTimer, &QTimer::timeout, this, &TImgControl::RepeatTick);
    }
    m_repeatTimer->setInterval(m_autoRepeatInitDelay);
    m_repeatTimer->start();
    FireButtonClick();
}

void TImgControl::StopRepeat() {
    if (m_repeatTimer) m_repeatTimer->stop();
}

void TImgControl::RepeatTick() {
    m_repeatTimer->setInterval(m_autoRepeatDelay);
    FireButtonClick();
}

void TImgControl::mousePressEvent(QMouseEvent* e) {
    FireMouseDown(e);
    if (!AllowUserControl()) return;
    if (TabStop()) setFocus(Qt::MouseFocusReason);
    if (e->button() != Qt::LeftButton) return;
    const QPoint p = e->position().toPoint();
    m_startPosition = m_position;
    m_dragging = true;
    if (IsButtonImage()) {
        TrackButton(p.x(), p.y());
        if (!IsTwoState() && m_autoRepeat) StartRepeat();
        return;
    }
    m_anchor = p;
    m_fineMode = e->modifiers().testFlag(Qt::ShiftModifier);
    UpdateScrollHint(true);
}

void TImgControl::mouseMoveEvent(QMouseEvent* e) {
    FireMouseMove(e);
    // Moves reach this control while it holds the implicit grab of the pressed button.
    if (!m_dragging) return;
    const QPoint p = e->position().toPoint();
    if (IsButtonImage()) {
        TrackButton(p.x(), p.y());
        return;
    }
    const int d = m_kind == TScrollKind::sbVertical ? m_anchor.y() - p.y() : p.x() - m_anchor.x();
    const TDragStep step =
        ComputeDragStep(d, e->modifiers().testFlag(Qt::ShiftModifier), m_fineMode, m_position,
                        m_smallChange, m_middlePos, m_middleSnap);
    m_fineMode = step.fineMode;
    if (!step.moved) return;  // the anchor stays, so small moves add up
    if (step.snapToMiddle) ChangePosition(m_middlePos);
    if (step.delta != 0) {
        m_anchor = p;
        ChangePosition(m_position + step.delta);
    }
}

void TImgControl::mouseReleaseEvent(QMouseEvent* e) {
    FireMouseUp(e);
    if (!m_dragging) return;
    const QPoint p = e->position().toPoint();
    if (IsButtonImage()) {
        if (IsTwoState()) {
            TrackButton(p.x(), p.y());
        } else {
            if (m_autoRepeat) StopRepeat();
            ChangePosition(m_min);
        }
        // An auto-repeating button already clicked on the press.
        if (InsideFrame(p.x(), p.y()) && !(m_repeatTimer && m_autoRepeat)) FireButtonClick();
    }
    if (m_hint->IsShowing()) m_hint->ReleaseHandle();
    m_dragging = false;
}

void TImgControl::CancelDrag() {
    StopRepeat();
    ChangePosition(m_startPosition);
    if (m_hint->IsShowing()) m_hint->ReleaseHandle();
    m_dragging = false;
}

void TImgControl::keyPressEvent(QKeyEvent* e) {
    int key = 0;
    if (!FireKeyDown(e, key) || !AllowUserControl()) {
        e->ignore();
        return;
    }
    if (key == Qt::Key_Escape && m_dragging) {
        CancelDrag();
        return;
    }
    if (IsButtonImage()) {
        // Held keys repeat as press/release pairs; a toggling button must not flicker.
        if (key == Qt::Key_Space) {
            if (!e->isAutoRepeat()) ChangePosition(SpaceDownPosition(m_position, m_min, m_max));
            return;
        }
        TImgControlBase::keyPressEvent(e);
        return;
    }
    switch (key) {
        case Qt::Key_PageUp:
            ChangePosition(m_position + m_largeChange);
            break;
        case Qt::Key_PageDown:
            ChangePosition(m_position - m_largeChange);
            break;
        case Qt::Key_End:
            ChangePosition(m_max);
            break;
        case Qt::Key_Home:
            ChangePosition(m_min);
            break;
        case Qt::Key_Left:
        case Qt::Key_Down:
            ChangePosition(m_position - m_smallChange);
            break;
        case Qt::Key_Up:
        case Qt::Key_Right:
            ChangePosition(m_position + m_smallChange);
            break;
        default:
            TImgControlBase::keyPressEvent(e);
            return;
    }
}

void TImgControl::keyReleaseEvent(QKeyEvent* e) {
    int key = 0;
    if (!FireKeyUp(e, key) || !AllowUserControl()) {
        e->ignore();
        return;
    }
    if (IsButtonImage() && key == Qt::Key_Space) {
        if (e->isAutoRepeat()) return;
        if (!IsTwoState()) ChangePosition(m_min);
        FireButtonClick();
        return;
    }
    TImgControlBase::keyReleaseEvent(e);
}
