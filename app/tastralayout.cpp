// The main window laid out to its font: the designed pixel positions where the texts fit,
// pushed apart where they do not, and the keyboard below whatever stands above it.
#include <QComboBox>
#include <QLabel>

#include "app/knobpanel.h"
#include "app/soundselection.h"
#include "app/tastra.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"
#include "platform/ui/textfit.h"

namespace {
constexpr int kTop = 4;
constexpr int kRowGap = 2;
constexpr int kKeyboardDesignTop = 52;
}  // namespace

void TTastra2::LayOutToFont() {
    std::vector<QWidget*> top = {Label2, CBChord, Label7, EChannel};
    const std::vector<QWidget*> sound = m_sound->TopRowFields();
    top.insert(top.end(), sound.begin(), sound.end());
    const int row1 = textfit::FitRow(top, kTop);
    const int top2 = kTop + row1 + kRowGap;
    const std::vector<QWidget*> patch = m_sound->PatchRowFields();
    const int row2 = textfit::FitRow(patch, top2);
    // The patch box runs under the whole top row, its up-down under the bank's.
    QWidget* box = patch[1];
    QWidget* boxUpDown = patch[2];
    const int stretch = top.back()->geometry().right() - boxUpDown->geometry().right();
    if (stretch > 0) {
        box->resize(box->width() + stretch, box->height());
        boxUpDown->move(boxUpDown->x() + stretch, boxUpDown->y());
    }
    const QSize panic = textfit::NeededSize(m_panic);
    const QRect panicDesign = textfit::DesignGeometry(m_panic);
    m_panic->resize(std::max(panicDesign.width(), panic.width() + 8),
                    std::max(panicDesign.height(), panic.height()));
    FormResize();
    PlaceKeyboardBelow(top2 + row2 + kRowGap);

    FitStatusBar();
}

void TTastra2::FitStatusBar() {
    // A notice shown or hidden changes the width of the status bar's fixed panels, which the
    // window's smallest width includes; a long status text is cut in its panel instead.
    ApplySizeRules();
}

void TTastra2::PlaceKeyboardBelow(int rowsBottom) {
    m_rowsBottom = rowsBottom;
    int top = std::max(kKeyboardDesignTop, rowsBottom);
    if (m_panic) top = std::max(top, m_panic->geometry().bottom() + 1 + kRowGap);
    // A second row of knobs takes room of its own: the keyboard is never covered.
    if (m_knobs) top = std::max(top, m_knobs->KnobList().Bottom() + kRowGap);
    SetKeyboardTop(top);
    ApplySizeRules();  // the knobs may want a wider window
}
