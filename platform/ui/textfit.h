#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Layouts drawn with pixel positions, made to fit the font they are shown in: a position in
// pixels is the design at one font, never a reason to cut a text.
namespace textfit {

// The size a control needs for its own text in its font: labels, buttons, check boxes, group
// box titles, edit fields and spin boxes (one line of text with their frames). Zero in a
// direction the control has no need of its own.
QSize NeededSize(const QWidget* w);

// The geometry a widget was first laid out with (remembered on the first call).
QRect DesignGeometry(QWidget* w);

// Lays out one row of controls, given left to right, with its top at `top`: each keeps its
// designed place and size where its text fits, grows where it does not and pushes the controls
// right of it along by as much. Fields and buttons take the row's height (at least the design
// height); labels are centred on it. Returns the row's height.
int FitRow(const std::vector<QWidget*>& row, int top);

}  // namespace textfit
