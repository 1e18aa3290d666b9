#include "controls/wheelmath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace wheelmath {

double Angle(int scaleDegrees, double percent) {
    return (360.0 - scaleDegrees) / 2.0 + scaleDegrees * percent / 100.0 - 360.0 + 90.0;
}

QPoint PointAt(int cx, int cy, double rx, double ry, double angleDegrees) {
    const double a = angleDegrees * M_PI / 180.0;
    return QPoint(cx + static_cast<int>(std::trunc(std::cos(a) * rx)),
                  cy + static_cast<int>(std::trunc(std::sin(a) * ry)));
}

double Percent(int position, int lo, int hi) {
    const double range = static_cast<double>(hi) - lo;
    if (range <= 0) return 0;
    return (static_cast<double>(position) - lo) / range * 100.0;
}

int SnapToStep(int v, int step) {
    if (step <= 0) return v;
    // floor((2v + step) / 2step) * step: the nearest multiple, halves upward.
    const int64_t num = 2 * static_cast<int64_t>(v) + step;
    const int64_t den = 2 * static_cast<int64_t>(step);
    int64_t q = num / den;
    if (num % den != 0 && num < 0) --q;
    return static_cast<int>(std::clamp<int64_t>(q * step, INT32_MIN, INT32_MAX));
}

int ClampAndSnap(int v, int lo, int hi, int step) {
    v = std::clamp(v, lo, hi);
    if (v > lo && v < hi) v = std::clamp(SnapToStep(v, step), lo, hi);
    return v;
}

int DragPosition(int startPosition, int startY, int y) {
    const int64_t v = static_cast<int64_t>(startPosition) + startY - y;
    return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX));
}

int WheelDelta(int angleDelta, bool fine, int positionStep, int largeStep) {
    const double step = fine ? positionStep : largeStep;
    return static_cast<int>(std::nearbyint(angleDelta / 120.0 * step));
}

int BalanceMagnitude(int lo, int hi) {
    constexpr int64_t kCap = 1073741823;
    const int64_t a = std::llabs(static_cast<int64_t>(lo));
    const int64_t b = std::llabs(static_cast<int64_t>(hi));
    int64_t m = a == 0 ? b : b == 0 ? a : std::min(a, b);
    if (m == 0) m = 1;
    return static_cast<int>(std::min(m, kCap));
}

QSize KnobSize(QSize oldSize, QSize newSize, bool forceSquare) {
    int w = newSize.width();
    int h = newSize.height();
    if (forceSquare) {
        const bool widthChanged = w != oldSize.width();
        if (h == oldSize.height() || (widthChanged && h >= w))
            h = w;
        else
            w = h;
    }
    auto odd = [](int n) { return n < 0 ? 1 : (n / 2) * 2 + 1; };
    return QSize(odd(w), odd(h));
}

}  // namespace wheelmath
