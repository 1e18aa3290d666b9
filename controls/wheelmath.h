#pragma once

#include <QPoint>
#include <QSize>

// The arithmetic of the rotary knob, kept apart from the widget so that it can be tested.
namespace wheelmath {

// The angle in degrees (screen y grows downward) of percentage p (0..100) on a scale covering
// scaleDegrees: the gap of the scale is centred at the bottom, p = 50 is straight up.
double Angle(int scaleDegrees, double percent);

// The point at angle degrees on an ellipse of radii rx, ry around (cx, cy), truncated.
QPoint PointAt(int cx, int cy, double rx, double ry, double angleDegrees);

// Where position lies between lo and hi, in percent; 0 for an empty range.
double Percent(int position, int lo, int hi);

// The multiple of step (counted from 0) nearest to v; exactly half a step rounds toward +inf.
int SnapToStep(int v, int step);

// A wanted position brought into lo..hi and, strictly inside the bounds, onto the step grid. A
// value snapped past a bound (when lo is not itself on the grid) stays at that bound.
int ClampAndSnap(int v, int lo, int hi, int step);

// The position while dragging: one unit per pixel, moving up increases.
int DragPosition(int startPosition, int startY, int y);

// The position change of a mouse wheel turn: notches (120 per notch) times the step, rounded.
int WheelDelta(int angleDelta, bool fine, int positionStep, int largeStep);

// The magnitude of the balanced range made from lo..hi: the smaller non-zero magnitude of the
// two, capped so that the range -m..m stays representable.
int BalanceMagnitude(int lo, int hi);

// The size a resized knob takes: squared when forceSquare (the side that was changed wins, the
// width when both changed and the height is not smaller), then each side made odd so that the
// centre falls on a pixel.
QSize KnobSize(QSize oldSize, QSize newSize, bool forceSquare);

}  // namespace wheelmath
