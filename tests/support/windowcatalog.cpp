#include "support/windowcatalog.h"

#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include "app/errform.h"
#include "app/settingsform.h"
#include "chords/chordeditform.h"
#include "controls/guiknoblist.h"
#include "controls/imgcontrol.h"
#include "controls/knobeditform.h"
#include "controls/movinghint.h"
#include "keyboard/transposeform.h"
#include "patches/patchsetdialog.h"
#include "support/storeview.h"

TShowcase::TShowcase(int knobs) {
    m_out.AddDevice("Synth A");
    // Not the first start: no "Volume" knob is added, the knobs below are all there is.
    m_store.WriteBool("KeyboardForm", "First Time", false);
    TTastraServices s;
    s.midiOut = &m_out;
    s.midiIn = &m_in;
    s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
    m_window = std::make_unique<TTastra2>(s);
    m_window->OnError = [](const QString&) {};
    m_window->OnReminder = [](const QString&, bool checked) { return checked; };
    m_window->show();
    if (!QTest::qWaitFor([this] { return m_window->StartupDone(); }, 3000))
        qWarning("the main window did not finish its start-up");
    m_window->KnobList().Clear();
    for (int i = 0; i < knobs; ++i)
        m_window->KnobList().Add(QStringLiteral("Knob %1").arg(i + 1), i, i % 2, 64);
    QApplication::processEvents();
}

TShowcase::~TShowcase() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_window.get() && w->isVisible()) w->close();
    m_window.reset();
}

namespace {

QWidget* Trigger(TTastra2& w, const char* action, const std::function<QWidget*()>& result) {
    w.FindAction(QString::fromLatin1(action))->trigger();
    QApplication::processEvents();
    return result();
}

TWindowView SettingsPage(int page, const char* name) {
    return {QString::fromLatin1(name), 1, [page](TTastra2& w) -> QWidget* {
                QWidget* f = Trigger(w, "Settings1", [&w] { return w.SettingsForm(); });
                if (f) w.SettingsForm()->PageControl->setCurrentIndex(page);
                return f;
            }};
}

}  // namespace

const std::vector<TWindowView>& WindowViews() {
    static const std::vector<TWindowView> views = {
        {"main-0-knobs", 0, [](TTastra2& w) -> QWidget* { return &w; }},
        {"main-1-knob", 1, [](TTastra2& w) -> QWidget* { return &w; }},
        {"main-20-knobs", 20, [](TTastra2& w) -> QWidget* { return &w; }},
        SettingsPage(0, "settings-general"),
        SettingsPage(1, "settings-playing"),
        SettingsPage(2, "settings-controller"),
        SettingsPage(3, "settings-joystick"),
        SettingsPage(4, "settings-mouse-wheel"),
        {"transpose", 1,
         [](TTastra2& w) {
             return Trigger(w, "Transpose1", [&w] { return (QWidget*)w.TransposeForm(); });
         }},
        {"chord-editor", 1,
         [](TTastra2& w) {
             return Trigger(w, "ChordEditor1", [&w] { return (QWidget*)w.ChordEditForm(); });
         }},
        {"knob-setup", 1,
         [](TTastra2& w) {
             return Trigger(w, "Setup1", [&w] { return (QWidget*)w.KnobEditForm(); });
         }},
        {"knob-setup-no-knobs", 0,
         [](TTastra2& w) {
             return Trigger(w, "Setup1", [&w] { return (QWidget*)w.KnobEditForm(); });
         }},
        {"patch-set-chooser", 1,
         [](TTastra2& w) {
             return Trigger(w, "ChoosePatchSet1", [&w] { return (QWidget*)w.PatchSetChooser(); });
         }},
        {"pitch-wheel-hint", 1,
         [](TTastra2& w) -> QWidget* {
             w.ICPitch->SetPosition(-8192);
             w.ICPitch->UpdateScrollHint(true);
             return w.ICPitch->MovingHint();
         }},
        {"modulation-wheel-hint", 1,
         [](TTastra2& w) -> QWidget* {
             w.ICMW->SetPosition(127);
             w.ICMW->UpdateScrollHint(true);
             return w.ICMW->MovingHint();
         }},
        {"warnings", 1,
         [](TTastra2& w) -> QWidget* {
             auto* form = new TErrForm(&w);
             form->setAttribute(Qt::WA_DeleteOnClose);
             form->AddLine("Line 12: Warning: Unknown keyword \"[bank]\"");
             form->show();
             return form;
         }},
    };
    return views;
}
