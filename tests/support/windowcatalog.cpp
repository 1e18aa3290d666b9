#include "support/windowcatalog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPainter>
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
                TKeyLook look = kb.Look();
                if (drawn) {
                    kb.SetPaintStyle(psDraw);
                    kb.SetKeyWidth(26);
                    w.FitKeyboardToStyle();
                    look.flats = true;
                    look.middleC = 4;
                    kb.Keys().SetKeyMapFile(
                        QStringLiteral(TASTRA_SOURCE_DIR "/data/keymaps/accordion.ini"));
                }
                look.labels = klAlways;
                look.legends = true;
                look.channelColours = true;
                kb.SetLook(look);
                kb.SetBaseNote(drawn ? 43 : 36);
                for (int n : {48, 52, 55}) w.Player().ShowIncomingNote(n, 100, 0);
                for (int n : {64, 67}) w.Player().ShowIncomingNote(n, 100, 1);
                for (int n : {61, 70}) w.Player().ShowIncomingNote(n, 100, 1);
                w.Player().ShowIncomingNote(drawn ? 45 : 40, 100, 9);
                w.Player().ShowIncomingNote(drawn ? 46 : 42, 100, 9);
                kb.Player().PlayNote(kb.Player().Channel(), 72, true, 100);
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

// Three fingers on the main window's keyboard, with the velocity from the height of the strike and
// polyphonic key pressure on: a picture of that stretch of keys with a circle where each finger
// came down and the velocity it played, the scale from the softest velocity at the back edge to
// the loudest at the front beside the keys, and an arrow on the finger that moves up for
// pressure.
TWindowView TouchKeyboard(const char* name) {
    return {QString::fromLatin1(name), 0, [](TTastra2& w) -> QWidget* {
                static QPointingDevice* screen = QTest::createTouchDevice();
                TKeyboard& kb = *w.Keyboard1;
                TPlayOptions options = kb.PlayOptions();
                options.multiTouch = true;
                options.velocityFromHeight = true;
                kb.SetPlayOptions(options);
                kb.Player().SetKeyPressure(kpPolyphonic);
                kb.SetBaseNote(48);
                const int kw = kb.KeyWidth(), h = kb.height();
                struct TFinger {
                    QPoint at;
                    bool pressure;
                };
                // C near its front edge, F# near its back edge, A half way and moving up.
                const TFinger fingers[] = {{{kw / 2, h - 6}, false},
                                           {{kb.KeyLeft(54) - kb.ScrollOffset() + 4, 5}, false},
                                           {{5 * kw + kw / 2, h / 2 + 8}, true}};
                auto down = QTest::touchEvent(&kb, screen);
                for (int i = 0; i < 3; ++i) down.press(i, fingers[i].at);
                down.commit();
                QApplication::processEvents();
                const int width = 14 * kw;
                const QPixmap keys = kb.grab(QRect(0, 0, width, h));
                const qreal dpr = keys.devicePixelRatio();
                const int margin = 12, scaleWidth = 14, room = 48;
                const QSize size(margin + width + room, margin + h + margin);
                QPixmap picture(size * dpr);
                picture.setDevicePixelRatio(dpr);
                picture.fill(Qt::white);
                QPainter p(&picture);
                p.setRenderHint(QPainter::Antialiasing);
                p.drawPixmap(margin, margin, keys);
                // The scale: softest at the back edge (top), loudest at the front (bottom).
                const QRect scale(margin + width + 8, margin, scaleWidth, h);
                QLinearGradient ramp(scale.topLeft(), scale.bottomLeft());
                ramp.setColorAt(0, QColor(220, 230, 255));
                ramp.setColorAt(1, QColor(20, 60, 200));
                p.fillRect(scale, ramp);
                p.setPen(Qt::black);
                QFont small = p.font();
                small.setPointSizeF(small.pointSizeF() * 0.85);
                p.setFont(small);
                const QRect numbers(scale.right() + 3, margin, room, h);
                p.drawText(numbers, Qt::AlignTop | Qt::AlignLeft,
                           QString::number(options.velocityMin));
                p.drawText(numbers, Qt::AlignBottom | Qt::AlignLeft,
                           QString::number(options.velocityMax));
                for (const TFinger& f : fingers) {
                    const QPoint c = f.at + QPoint(margin, margin);
                    const int note = kb.NoteAt(f.at.x(), f.at.y());
                    p.setPen(QPen(QColor(20, 60, 200), 2));
                    p.setBrush(QColor(70, 110, 230, 120));
                    p.drawEllipse(c, 7, 7);
                    const QString v = QString::number(options.StrikeVelocity(
                        kb.Player(), f.at.y(), kb.Painter().KeyLength(note), false));
                    const QRect box = p.fontMetrics().boundingRect(v).adjusted(-3, -1, 3, 1);
                    const QRect label = box.translated(c + QPoint(9, 4) - box.bottomLeft());
                    p.setPen(Qt::black);
                    p.setBrush(QColor(255, 255, 230));
                    p.drawRect(label);
                    p.drawText(label, Qt::AlignCenter, v);
                    if (!f.pressure) continue;
                    p.setPen(QPen(QColor(200, 40, 40), 2));
                    const QPoint tip = c - QPoint(0, 20);
                    p.drawLine(c - QPoint(0, 9), tip);
                    p.drawLine(tip, tip + QPoint(-4, 5));
                    p.drawLine(tip, tip + QPoint(4, 5));
                }
                p.end();
                auto up = QTest::touchEvent(&kb, screen);
                for (int i = 0; i < 3; ++i) up.release(i, fingers[i].at);
                up.commit();
                auto* view = new QLabel;
                view->setAttribute(Qt::WA_DeleteOnClose);
                view->setPixmap(picture);
                view->setFixedSize(size);
                view->show();
                return view;
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
        TouchKeyboard("keyboard-touch"),
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
