// The main window laid out to its font: the designed pixel positions where the texts fit,
// pushed apart where they do not, and the keyboard below whatever stands above it.
#include <QComboBox>
#include <QLabel>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "controls/guiknoblist.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "keyboard/updown.h"
#include "platform/ui/textfit.h"

namespace {
constexpr int kTop = 4;
constexpr int kRowGap = 2;
constexpr int kKeyboardDesignTop = 52;
}  // namespace

void TTastra2::LayOutToFont() {
    const int row1 = textfit::FitRow(
        {Label2, CBChord, Label7, EChannel, Label9, EProgram, UDProgram, LBank, EBank, UDBank},
        kTop);
    const int top2 = kTop + row1 + kRowGap;
    const int row2 = textfit::FitRow({Label8, CBProgramPatch, UDProgramPatch}, top2);
    // The patch box runs under the whole top row, its up-down under the bank's.
    const int stretch = UDBank->geometry().right() - UDProgramPatch->geometry().right();
    if (stretch > 0) {
        CBProgramPatch->resize(CBProgramPatch->width() + stretch, CBProgramPatch->height());
        UDProgramPatch->move(UDProgramPatch->x() + stretch, UDProgramPatch->y());
    }
    const QSize panic = textfit::NeededSize(PPanic);
    const QRect panicDesign = textfit::DesignGeometry(PPanic);
    PPanic->resize(std::max(panicDesign.width(), panic.width() + 8),
                   std::max(panicDesign.height(), panic.height()));
    FormResize();
    PlaceKeyboardBelow(top2 + row2 + kRowGap);

    // The status bar shows the keyboard's hint, the longest of the usual ones, whole.
    ApplySizeRules();
    const int wanted = m_status->WidthToShow(Keyboard1->statusTip());
    if (width() < wanted) resize(wanted, height());
}

void TTastra2::PlaceKeyboardBelow(int rowsBottom) {
    m_rowsBottom = rowsBottom;
    int top = std::max(kKeyboardDesignTop, rowsBottom);
    if (PPanic) top = std::max(top, PPanic->geometry().bottom() + 1 + kRowGap);
    // A second row of knobs takes room of its own: the keyboard is never covered.
    if (m_knobList) top = std::max(top, m_knobList->Bottom() + kRowGap);
    SetKeyboardTop(top);
    ApplySizeRules();  // the knobs may want a wider window
}
