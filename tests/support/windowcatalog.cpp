#include "support/windowcatalog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTabWidget>
#include <QTest>

#include "app/errform.h"
#include "app/keyboardpages.h"
#include "app/settingsform.h"
#include "app/eximhelp.h"
#include "app/knobpanel.h"
#include "app/recordlink.h"
#include "controls/imgcontrol.h"
#include "controls/movinghint.h"
#include "keyboard/keyboard.h"
#include "keyboard/keymapeditor.h"
#include "knobs/guiknoblist.h"
#include "support/storeview.h"

TShowcase::TShowcase(int knobs, TKeyListener* keyListener, TKeyStamps* keyStamps) {
    m_out.AddDevice("Synth A");
    // Not the first start: no "Volume" knob is added, the knobs below are all there is.
    m_store.WriteBool("KeyboardForm", "First Time", false);
    TTastraServices s;
    s.midiOut = &m_out;
    s.midiIn = &m_in;
    s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
    s.prompts = &m_prompts;
    s.keyListener = keyListener ? keyListener : &m_keys;
    s.keyStamps = keyStamps;
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

// The main window's keyboard with note names and the computer keys' legends on every key, and
// notes coming in on three channels: a chord on 1, a melody on 2, a bass on 10; the user holds
// one key with the mouse. `drawn`: the drawn keys, wider, with flats and middle C named C4,
// played through the accordion-style key map.
TWindowView LabelledKeyboard(const char* name, bool drawn) {
    return {QString::fromLatin1(name), 0, [drawn](TTastra2& w) -> QWidget* {
                TKeyboard& kb = *w.Keyboard1;
                if (drawn) {
                    kb.SetPaintStyle(psDraw);
                    kb.SetKeyWidth(26);
                    w.FitKeyboardToStyle();
                    kb.SetLabelFlats(true);
                    kb.SetMiddleCOctave(4);
                    kb.SetKeyMapFile(QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/accordion.ini"));
                }
                kb.SetKeyLabels(klAlways);
                kb.SetShowKeyLegends(true);
                kb.SetChannelColours(true);
                kb.SetBaseNote(drawn ? 43 : 36);
                for (int n : {48, 52, 55}) w.Player().ShowIncomingNote(n, 100, 0);
                for (int n : {64, 67}) w.Player().ShowIncomingNote(n, 100, 1);
                for (int n : {61, 70}) w.Player().ShowIncomingNote(n, 100, 1);
                w.Player().ShowIncomingNote(drawn ? 45 : 40, 100, 9);
                w.Player().ShowIncomingNote(drawn ? 46 : 42, 100, 9);
                kb.PlayNote(kb.Channel(), 72, true, 100);
                return &w;
            }};
}

// The key map editor as Settings › Keys › Edit... opens it, on the laptop map.
TWindowView KeyMapEditor(const char* name) {
    return {QString::fromLatin1(name), 0, [](TTastra2& w) -> QWidget* {
                auto* f = static_cast<TSettings*>(Command(w, "Settings1"));
                if (!f) return nullptr;
                TKeysPage* keys = f->KeysTab;
                f->PageControl->setCurrentWidget(keys);
                keys->ChooseMapFile(
                    QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/laptop.ini"));
                keys->BEditMapClick();
                QApplication::processEvents();
                TKeyMapEditor* editor = keys->Editor();
                if (editor) editor->ChooseKey(30);  // A: the key being placed
                return editor;
            }};
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
        SettingsPage(5, "settings-labels"),
        SettingsPage(6, "settings-keys"),
        SettingsPage(7, "settings-synth"),
        LabelledKeyboard("keyboard-labels", false),
        LabelledKeyboard("keyboard-labels-drawn", true),
        KeyMapEditor("keymap-editor"),
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
        {"main-recording", 1,
         [](TTastra2& w) -> QWidget* {
             if (!w.Record().Recorder().Recording())
                 w.FindAction(QStringLiteral("StartRecording1"))->trigger();
             return &w;
         }},
        // Last: the open menu holds the mouse and keys until it closes.
        {"record-menu", 1,
         [](TTastra2& w) -> QWidget* {
             if (!w.Record().Recorder().Recording())
                 w.FindAction(QStringLiteral("StartRecording1"))->trigger();
             QMenu* menu = w.FindMenu(QStringLiteral("Record1"));
             menu->popup(w.mapToGlobal(QPoint(40, 20)));
             QApplication::processEvents();
             return menu;
         }},
    };
    return views;
}
