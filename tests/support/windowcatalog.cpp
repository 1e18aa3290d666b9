#include "support/windowcatalog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTabWidget>
#include <QTest>

#include "app/errform.h"
#include "app/eximhelp.h"
#include "app/knobpanel.h"
#include "controls/imgcontrol.h"
#include "controls/movinghint.h"
#include "knobs/guiknoblist.h"
#include "support/storeview.h"

TShowcase::TShowcase(int knobs, TKeyListener* keyListener) {
    m_out.AddDevice("Synth A");
    // Not the first start: no "Volume" knob is added, the knobs below are all there is.
    m_store.WriteBool("KeyboardForm", "First Time", false);
    TTastraServices s;
    s.midiOut = &m_out;
    s.midiIn = &m_in;
    s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
    s.prompts = &m_prompts;
    s.keyListener = keyListener ? keyListener : &m_keys;
    m_window = std::make_unique<TTastra2>(s);
    m_window->show();
    if (!QTest::qWaitFor([this] { return m_window->StartupDone(); }, 3000))
        qWarning("the main window did not finish its start-up");
    m_window->Knobs().KnobList().Clear();
    for (int i = 0; i < knobs; ++i)
        m_window->Knobs().KnobList().Add(QStringLiteral("Knob %1").arg(i + 1), i, i % 2, 64);
    QApplication::processEvents();
}

TShowcase::~TShowcase() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != m_window.get() && w->isVisible()) w->close();
    m_window.reset();
}

namespace {

// Runs a menu command of the main window and returns the window it opened.
QWidget* Command(TTastra2& w, const char* action) {
    w.FindAction(QString::fromLatin1(action))->trigger();
    QApplication::processEvents();
    for (QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(top) && top->isVisible()) return top;
    return nullptr;
}

TWindowView Dialog(const char* name, int knobs, const char* action) {
    return {QString::fromLatin1(name), knobs, [action](TTastra2& w) { return Command(w, action); }};
}

TWindowView SettingsPage(int page, const char* name) {
    return {QString::fromLatin1(name), 1, [page](TTastra2& w) {
                QWidget* f = Command(w, "Settings1");
                if (f) f->findChild<QTabWidget*>()->setCurrentIndex(page);
                return f;
            }};
}

// The value beside a wheel while it is dragged.
TWindowView Hint(const char* name, TImgControl* TTastra::*wheel, int position) {
    return {QString::fromLatin1(name), 1, [wheel, position](TTastra2& w) -> QWidget* {
                TImgControl* c = w.*wheel;
                c->SetPosition(position);
                c->UpdateScrollHint(true);
                return c->MovingHint();
            }};
}

// The window that explains an export or import command before it runs (index 0-7).
TWindowView Explanation(const char* name, int index) {
    return {QString::fromLatin1(name), 1, [index](TTastra2& w) -> QWidget* {
                auto* help = new TExImHelp(&w);
                help->setAttribute(Qt::WA_DeleteOnClose);
                help->Prepare(index, false);
                help->show();
                return help;
            }};
}

TWindowView MainWindow(const char* name, int knobs) {
    return {QString::fromLatin1(name), knobs, [](TTastra2& w) -> QWidget* { return &w; }};
}

}  // namespace

const std::vector<TWindowView>& WindowViews() {
    static const std::vector<TWindowView> views = {
        MainWindow("main-0-knobs", 0),
        MainWindow("main-1-knob", 1),
        MainWindow("main-20-knobs", 20),
        {"main-playing-from-any-window", 1,
         [](TTastra2& w) -> QWidget* {
             w.FindAction(QStringLiteral("PlayFromAnyWindow1"))->trigger();
             return &w;
         }},
        SettingsPage(0, "settings-general"),
        SettingsPage(1, "settings-playing"),
        SettingsPage(2, "settings-controller"),
        SettingsPage(3, "settings-joystick"),
        SettingsPage(4, "settings-mouse-wheel"),
        SettingsPage(5, "settings-synth"),
        Dialog("transpose", 1, "Transpose1"),
        Dialog("chord-editor", 1, "ChordEditor1"),
        Dialog("knob-setup", 1, "Setup1"),
        Dialog("knob-setup-no-knobs", 0, "Setup1"),
        Dialog("patch-set-chooser", 1, "ChoosePatchSet1"),
        Explanation("explanation-export-settings", 0),
        Explanation("explanation-import-chords", 7),
        Hint("pitch-wheel-hint", &TTastra::ICPitch, -8192),
        Hint("modulation-wheel-hint", &TTastra::ICMW, 127),
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
