#include "controls/framemath.h"

#include <algorithm>
#include <cstdlib>

int Sign(int v) { return (v > 0) - (v < 0); }

void ClampFrameSize(TFrameGeometry& g, int bitmapWidth, int bitmapHeight) {
    g.frameWidth = std::min(g.frameWidth, bitmapWidth);
    g.frameHeight = std::min(g.frameHeight, bitmapHeight);
}

void FrameSizeFromCount(TFrameGeometry& g, int bitmapWidth, int bitmapHeight,
                        TScrollKind orientation, int separator) {
    if (g.count < 1) {
        ClampFrameSize(g, bitmapWidth, bitmapHeight);
        return;
    }
    if (orientation == TScrollKind::sbHorizontal) {
        g.frameWidth = std::max(0, (bitmapWidth + separator) / g.count - separator);
        g.frameHeight = bitmapHeight;
    } else {
        g.frameHeight = std::max(0, (bitmapHeight + separator) / g.count - separator);
        g.frameWidth = bitmapWidth;
    }
}

void CountFromFrameSize(TFrameGeometry& g, int bitmapWidth, int bitmapHeight,
                        TScrollKind orientation, int separator) {
    const bool horizontal = orientation == TScrollKind::sbHorizontal;
    const int frame = horizontal ? g.frameWidth : g.frameHeight;
    const int extent = horizontal ? bitmapWidth : bitmapHeight;
    if (frame < 1) {
        if (g.count >= 1) FrameSizeFromCount(g, bitmapWidth, bitmapHeight, orientation, separator);
        return;
    }
    g.count = (extent + separator) / (separator + frame);
}

int FrameIndex(int position, int min, int max, int count) {
    const double span = static_cast<double>(max) - min + 1.0;
    if (span <= 0.0 || count <= 0) return 0;
    const int i = static_cast<int>((static_cast<double>(position) - min) / span * count);
    return std::clamp(i, 0, count - 1);
}

TDragStep ComputeDragStep(int d, bool shift, bool fineMode, int position, int smallChange,
                          int middlePos, int middleSnap) {
    TDragStep s;
    s.fineMode = fineMode;
    if (shift) {
        s.fineMode = true;
        d /= 6;  // C++ division truncates toward zero, as wanted
    } else if (fineMode) {
        // Leaving fine mode must not jump by the pixels gathered while it was on.
        d = Sign(d);
        s.fineMode = false;
    }
    if (d == 0) return s;
    s.moved = true;
    int e = d * smallChange;
    if (!s.fineMode) {
        if (position == middlePos) {
            e = std::abs(d) > middleSnap ? (d - Sign(d) * middleSnap) * smallChange : 0;
        } else {
            const int target = position + e;
            const bool reaches = (position < middlePos && target >= middlePos) ||
                                 (position > middlePos && target <= middlePos);
            if (reaches && smallChange != 0) {
                const int o = (target - middlePos) / smallChange;
                if (std::abs(o) <= middleSnap) {
                    s.snapToMiddle = true;
                    e = 0;
                }
            }
        }
    }
    s.delta = e;
    return s;
}

int TrackButtonPosition(bool inside, bool twoState, int startPosition, int min, int max) {
    const int c =
        inside ? (twoState ? max - startPosition : max) : (twoState ? startPosition : min);
    return c > (max - min) / 2 ? max : min;
}

int SpaceDownPosition(int position, int min, int max) {
    return (max - min) / 2 < max - position ? max : min;
}
