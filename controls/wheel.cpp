// The knob's properties: limits, the position rules and the bounds.
#include "controls/wheel.h"

#include <QPalette>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "controls/movinghint.h"
#include "controls/wheelmath.h"

namespace {

// A balanced range -m..m must stay representable; larger magnitudes are cut to this.
constexpr int64_t kMaxMagnitude = 1073741823;

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

TWheel::TWheel(QWidget* parent) : TTransparent(parent) {
    const QPalette pal = palette();
    m_wheelColor = pal.color(QPalette::Button);
    m_disabledColor = pal.color(QPalette::Disabled, QPalette::Text);
    m_focusColor = pal.color(QPalette::Active, QPalette::Highlight);
    setFocusPolicy(Qt::StrongFocus);
    m_hint = new TMovingHint(this);
    SetBounds(0, 0, 47, 47);
}

TWheel::~TWheel() = default;

void TWheel::SetPosition(int v) {
    if (v == m_position) {
        PosChange();
        return;
    }
    v = wheelmath::ClampAndSnap(v, m_min, m_max, m_step);
    if (v == m_position) return;
    m_position = v;
    Changed();
    update();
    PosChange();
}

// After the bounds or the step changed, the position is brought back into the new range even
// though it equals the stored value.
void TWheel::Reapply() {
    const int v = wheelmath::ClampAndSnap(m_position, m_min, m_max, m_step);
    if (v == m_position) return;
    m_position = v;
    PosChange();
}

void TWheel::ApplyBounds(int lo, int hi) {
    m_min = lo;
    m_max = hi;
    const int64_t range = static_cast<int64_t>(m_max) - m_min;
    if (range < m_step) m_step = static_cast<int>(range);
    Reapply();
    Changed();
    update();
}

void TWheel::SetBalance(bool v) {
    if (v == m_balance) return;
    m_balance = v;
    if (v) {
        const int m = wheelmath::BalanceMagnitude(m_min, m_max);
        ApplyBounds(-m, m);
    } else {
        Changed();
        update();
    }
}

void TWheel::SetPositionMax(int v) {
    if (v == m_max || (m_balance && v == 0) || v <= m_min) return;
    if (m_balance) {
        const int a =
            static_cast<int>(std::min<int64_t>(std::llabs(static_cast<int64_t>(v)), kMaxMagnitude));
        ApplyBounds(-a, a);
    } else {
        ApplyBounds(m_min, v);
    }
}

void TWheel::SetPositionMin(int v) {
    if (v == m_min || (m_balance && v == 0) || v >= m_max) return;
    if (m_balance) {
        const int a =
            static_cast<int>(std::min<int64_t>(std::llabs(static_cast<int64_t>(v)), kMaxMagnitude));
        ApplyBounds(-a, a);
    } else {
        ApplyBounds(v, m_max);
    }
}

void TWheel::SetPositionStep(int v) {
    const int64_t range = static_cast<int64_t>(m_max) - m_min;
    if (v == m_step || v <= 0 || v > range || range % v != 0) return;
    m_step = v;
    Reapply();
    Changed();
    update();
}

void TWheel::SetPosLargeStep(int v) {
    if (v == m_largeStep || v <= 0) return;
    m_largeStep = v;
    Changed();
}

int TWheel::Inset() const {
    switch (m_wheelFrame) {
        case fsWin95:
        case fsSpeedButton:
            return 2;
        case fsWin31:
            return 3;
        case fsSingleBevel:
            return 0;
    }
    return 0;
}

int TWheel::SquareSize() const { return m_forceSquare ? height() : std::min(width(), height()); }

void TWheel::SetPointerDistance(int v) {
    if (v < 0) return;
    const int reserved =
        m_scale ? Round(1.5 * m_scaleWidth + m_scaleLength) : Round(0.5 * m_scaleWidth);
    v = std::max(0, std::min(v, SquareSize() - Inset() - reserved));
    if (v == m_pointerDistance) return;
    m_pointerDistance = v;
    Changed();
    update();
}

void TWheel::SetScale(bool v) {
    if (v == m_scale) return;
    m_scale = v;
    SetPointerDistance(m_pointerDistance);
    Changed();
    update();
}

void TWheel::SetScaleLength(int v) {
    if (v <= 0 || v == m_scaleLength) return;
    v = std::max(
        1, std::min(v, SquareSize() - Inset() - m_pointerDistance - Round(1.5 * m_scaleWidth)));
    m_scaleLength = std::min(v, 255);
    Changed();
    update();
}

void TWheel::SetScaleWidth(int v) {
    if (v <= 0 || v == m_scaleWidth) return;
    const int b = std::min(width(), height()) / 2 - m_scaleLength - Inset() - m_pointerDistance;
    v = m_scaleLength < b ? std::min(v, b) : std::min(v, m_scaleLength);
    m_scaleWidth = std::clamp(v, 1, 255);
    Changed();
    update();
}

void TWheel::SetScaleDegrees(int v) {
    if (v < 1 || v > 360 || v == m_scaleDegrees) return;
    m_scaleDegrees = v;
    Changed();
    update();
}

void TWheel::SetScaleTicks(int v) {
    if (v <= 1 || v > 255 || v == m_scaleTicks) return;
    m_scaleTicks = v;
    Changed();
    update();
}

void TWheel::SetScaleColor(const QColor& c) {
    if (c == m_scaleColor) return;
    m_scaleColor = c;
    Changed();
    update();
}

void TWheel::SetWheelStyle(TFillScheme v) {
    if (v == m_wheelStyle) return;
    m_wheelStyle = v;
    Changed();
    update();
}

void TWheel::SetWheelFrame(TFaceStyle v) {
    if (v == m_wheelFrame) return;
    m_wheelFrame = v;
    SetPointerDistance(m_pointerDistance);
    Changed();
    update();
}

void TWheel::SetWheelColor(const QColor& c) {
    if (c == m_wheelColor) return;
    m_wheelColor = c;
    Changed();
    update();
}

void TWheel::SetDisabledColor(const QColor& c) {
    if (c == m_disabledColor) return;
    m_disabledColor = c;
    Changed();
    update();
}

void TWheel::SetFocusColor(const QColor& c) {
    if (c == m_focusColor) return;
    m_focusColor = c;
    Changed();
    update();
}

void TWheel::SetFocusAction(TFocusAction v) {
    if (v == m_focusAction) return;
    m_focusAction = v;
    Changed();
    update();
}

void TWheel::SetTabStop(bool v) { setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus); }

void TWheel::SetForceSquare(bool v) {
    if (v == m_forceSquare) return;
    m_forceSquare = v;
    if (v) SetBounds(x(), y(), width(), height());
    Changed();
}

void TWheel::SetBounds(int x, int y, int w, int h) {
    const QSize s = wheelmath::KnobSize(size(), QSize(w, h), m_forceSquare);
    m_inResize = true;
    setGeometry(x, y, s.width(), s.height());
    m_inResize = false;
}

void TWheel::resizeEvent(QResizeEvent* e) {
    TTransparent::resizeEvent(e);
    if (m_inResize) return;
    const QSize s = wheelmath::KnobSize(e->oldSize(), e->size(), m_forceSquare);
    if (s == e->size()) return;
    m_inResize = true;
    resize(s);
    m_inResize = false;
}

void TWheel::Select() {
    m_hint->hide();
    if (OnSelect) OnSelect(this);
}

void TWheel::Track() {
    if (m_showTrackHint && m_dragging) {
        QString caption;
        if (OnGetTrackHint) OnGetTrackHint(this, caption);
        if (caption.isEmpty()) caption = QString::number(m_position);
        m_hint->ShowAt(this, caption);
    }
    if (OnTrack) OnTrack(this);
}

void TWheel::PosChange() {
    if (OnPosChange) OnPosChange(this);
}
