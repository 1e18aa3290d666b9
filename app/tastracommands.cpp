#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWindow>
#include <cmath>

#include "app/directthrulink.h"
#include "app/knobpanel.h"
#include "app/outputsender.h"
#include "app/recordlink.h"
#include "app/soundselection.h"
#include "app/statuspanels.h"
#include "app/tastra.h"
#include "app/texts.h"
#include "app/userprompts.h"
#include "controls/imgcontrol.h"
#include "keyboard/keyboard.h"
#include "knobs/guiknoblist.h"

namespace {
constexpr int kPanicPauseMs = 150;
// The knob area starts this far right of the sound selection's fields and ends this far before
// the Panic panel.
constexpr int kKnobAreaOffset = 6;
constexpr int kKnobAreaGap = 2;

// Restores the cursor and the panel's look however Panic ends.
class TPanicGuard {
public:
    explicit TPanicGuard(QLabel* panel) : m_panel(panel), m_style(panel->styleSheet()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        m_panel->setStyleSheet(QStringLiteral("background: #ff0000; color: white;"));
        m_panel->repaint();
    }
    ~TPanicGuard() {
        m_panel->setStyleSheet(m_style);
        QApplication::restoreOverrideCursor();
    }

private:
    QLabel* m_panel;
    QString m_style;
};
}  // namespace

void TTastra2::CreatePanicPanel() {
    m_panic = new QLabel(tr("Panic!"), ClientArea());
    m_panic->setObjectName(QStringLiteral("PPanic"));
    m_panic->setAlignment(Qt::AlignCenter);
    m_panic->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panic->setStyleSheet(QStringLiteral("background: #402020; color: white; font-weight: bold;"));
    m_panic->setCursor(Qt::PointingHandCursor);
    m_panic->setToolTip(texts::Shown(texts::kPanicHint));
    m_panic->setStatusTip(texts::Shown(texts::kPanicHint));
    m_panic->resize(60, 40);
}

void TTastra2::BPanicClick() {
    TPanicGuard guard(m_panic);
    SetStatusText(texts::Shown(texts::kPanicFormat).arg(0));
    // A file playing would strike its next notes after the silence.
    m_record->StopPlaying();
    m_directThru->Release();
    Keyboard1->Player().ResetPlaying();
    Keyboard1->Player().ClearThruDisplay();
    // A failing device ends Panic: it is reported once, like any failed send.
    for (int c = 0; c < 16; ++c) {
        const auto noteOn = static_cast<uint8_t>(0x90 + c);
        const auto control = static_cast<uint8_t>(0xB0 + c);
        for (int note = 0; note < 128; ++note)
            if (!m_sender->Send(noteOn, static_cast<uint8_t>(note), 0)) return;
        if (!m_sender->Send(control, 120, 0)) return;  // all sound off
        if (!m_sender->Send(control, 123, 0)) return;  // all notes off
        SetStatusText(texts::Shown(texts::kPanicFormat)
                          .arg(static_cast<int>(std::nearbyint((c + 1) / 16.0 * 100))));
        m_prompts->Pause(kPanicPauseMs);
    }
}

int TTastra2::KnobAreaLeft() const { return m_sound->FieldsRight() + kKnobAreaOffset; }

void TTastra2::ArrangeKnobs() {
    if (!m_knobs) return;
    const int right = (m_panic ? m_panic->x() : ClientArea()->width()) - kKnobAreaGap;
    m_knobs->Arrange(KnobAreaLeft(), right);
}

int TTastra2::MinWidth() const {
    // Room for the program, bank and patch fields, a column for every knob and the Panic panel,
    // and for the status bar's fixed panels (wider than these only with a large font).
    if (!m_sound) return TTastra::MinWidth();
    const int knobs = m_knobs ? m_knobs->KnobList().MinimumAreaWidth() + kKnobAreaGap : 0;
    const int status = m_status ? m_status->minimumSizeHint().width() : 0;
    return std::max(std::max(TTastra::MinWidth(), KnobAreaLeft() + knobs) +
                        (m_panic ? m_panic->width() + 5 : 0),
                    status);
}

void TTastra2::SetWheelController(int n) {
    if (n == m_wheelController) return;
    m_wheelController = n;
    if (n == kControllerPitchBend)
        m_wheelValue = ICPitch->Position();
    else if (n == ModulationController())
        m_wheelValue = ICMW->Position();
    else
        m_wheelValue = 0;
}

bool TTastra2::FormMouseWheel(int delta, Qt::KeyboardModifiers mods) {
    if (m_wheelController == kControllerNone) return false;
    // Worked out in floating point and limited before it becomes an integer again: a large
    // step must saturate, never wrap around into the opposite direction.
    const double step = delta * static_cast<double>(m_wheelSensitivity) *
                        (mods.testFlag(Qt::ShiftModifier) ? 0.3 : 1.0);
    auto moved = [](double from, double by, int lo, int hi) {
        return static_cast<int>(std::clamp(std::nearbyint(by) + from, double(lo), double(hi)));
    };
    if (m_wheelController == kControllerPitchBend) {
        const int v = moved(ICPitch->Position(), step, ICPitch->Min(), ICPitch->Max());
        ICPitch->SetPosition(v);
        SendPitchBend(v);
        return true;
    }
    const int v = moved(m_wheelValue, step / 60.0, 0, 127);
    SendController(m_wheelController, v);
    return true;
}

void TTastra2::SetStayOnTop(bool on) {
    m_stayOnTop = on;
    if (QAction* a = FindAction(QStringLiteral("StayonTop1"))) a->setChecked(on && a->isEnabled());
    if (on && QApplication::applicationState() != Qt::ApplicationActive) RaiseTopmost();
}

// While the program is active its window is an ordinary one, so its own dialogs never hide
// behind it; while the user works elsewhere it floats above. Changing the flag on the native
// window keeps its position and size and does not activate it.
void TTastra2::DropTopmost() {
    if (QWindow* w = windowHandle()) w->setFlag(Qt::WindowStaysOnTopHint, false);
}

void TTastra2::RaiseTopmost() {
    if (!m_stayOnTop) return;
    if (QWindow* w = windowHandle()) w->setFlag(Qt::WindowStaysOnTopHint, true);
}

bool TTastra2::eventFilter(QObject* watched, QEvent* event) {
    const bool mine = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
    // The window sees keys before the focused control, like a form that previews keys; the key
    // still reaches the control.
    if (event->type() == QEvent::KeyPress && mine && watched == QApplication::focusWidget()) {
        auto* ke = static_cast<QKeyEvent*>(event);
        FormKeyDown(ke->key(), ke->modifiers());
    }
    if (watched == m_panic && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
        m_panic->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
        BPanicClick();
        return true;
    }
    // The wheel anywhere over the window drives its controller, unless that is "none".
    if (event->type() == QEvent::Wheel && mine) {
        auto* we = static_cast<QWheelEvent*>(event);
        if (we->angleDelta().y() != 0 && FormMouseWheel(we->angleDelta().y(), we->modifiers()))
            return true;
    }
    return TTastra::eventFilter(watched, event);
}

void TTastra2::FormKeyDown(int key, Qt::KeyboardModifiers mods) {
    if (key == Qt::Key_Space && mods.testFlag(Qt::ControlModifier)) BPanicClick();
    if (key == Qt::Key_Home) StepChord(-1);
    if (key == Qt::Key_End) StepChord(1);
    // Page Up/Down step through the patches; with Shift through the program numbers.
    if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        const int d = key == Qt::Key_PageUp ? -1 : 1;
        if (mods & Qt::ShiftModifier)
            m_sound->StepProgram(d);
        else
            m_sound->StepPatch(d);
    }
}
