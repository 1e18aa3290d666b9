#include "platform/keys/keyboardhook.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/keys/keyrepeat.h"

namespace {

constexpr Qt::KeyboardModifiers kStateModifiers =
    Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier;

// What the filter decided about the key event it saw last, so that the same event travelling on
// to the parents of a widget that ignored it gets the same answer without running the handlers
// again.
struct TVerdict {
    const QEvent* event = nullptr;
    QPointer<QObject> receiver;
    QEvent::Type type = QEvent::None;
    int key = 0;
    quint32 nativeScanCode = 0;
    Qt::KeyboardModifiers modifiers;
    bool autoRepeat = false;
    quint64 timestamp = 0;
    bool handled = false;

    bool SameEvent(const QKeyEvent* e) const {
        return e == event && e->type() == type && e->key() == key &&
               e->nativeScanCode() == nativeScanCode && e->modifiers() == modifiers &&
               e->isAutoRepeat() == autoRepeat && e->timestamp() == timestamp;
    }
};

class TKeyFilter : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override;
};

// Installed hook objects in installation order; the filter exists while the list is not empty.
std::vector<TKeyboardHook*> g_hooks;
TKeyFilter* g_filter = nullptr;
QPointer<QCoreApplication> g_filteredApp;
TVerdict g_last;
TKeyRepeat g_repeat;
bool g_inKey = false;
Qt::KeyboardModifiers g_keyModifiers;
// The event of the key being handled, while g_inKey.
const QKeyEvent* g_keyEvent = nullptr;

bool Listed(const TKeyboardHook* hook) {
    return std::find(g_hooks.begin(), g_hooks.end(), hook) != g_hooks.end();
}

bool RunHandlers(const TKeyData& data, const QKeyEvent* event) {
    const bool outerInKey = g_inKey;
    const Qt::KeyboardModifiers outerModifiers = g_keyModifiers;
    const QKeyEvent* outerEvent = g_keyEvent;
    g_inKey = true;
    g_keyModifiers = event->modifiers() & kStateModifiers;
    g_keyEvent = event;
    bool any = false;
    bool handled = false;
    // A handler may install or remove hook objects (a field gaining or losing the focus): walk a
    // copy and skip those removed meanwhile.
    const std::vector<TKeyboardHook*> hooks = g_hooks;
    try {
        for (TKeyboardHook* hook : hooks) {
            if (!Listed(hook) || !hook->OnKey) continue;
            handled = false;
            hook->OnKey(data, handled);
            any = any || handled;
        }
    } catch (...) {
        // A failing handler ends the round; the key is discarded when that handler or one before
        // it said so. Letting the exception into the event loop would end the program.
        any = any || handled;
    }
    g_inKey = outerInKey;
    g_keyModifiers = outerModifiers;
    g_keyEvent = outerEvent;
    return any;
}

bool TKeyFilter::eventFilter(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationDeactivate) g_repeat.Forget();  // releases go elsewhere now
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // Each key reaches the application filter once for the window and once more for the widget
    // the window hands it to. Only the widget's sighting counts: it also covers keys sent to a
    // widget directly.
    if (!receiver->isWidgetType()) {
        if (receiver->isWindowType()) g_last = TVerdict{};  // a new key from the window system
        return false;
    }
    auto* key = static_cast<QKeyEvent*>(event);
    if (g_last.SameEvent(key) && g_last.receiver &&
        static_cast<QWidget*>(g_last.receiver.data())->parentWidget() == receiver) {
        g_last.receiver = receiver;
        return g_last.handled;
    }
    // Holding a key makes some window systems send release and press pairs; the release of such
    // a pair is no key-up, and handlers must not take it for one. Repeat presses go on to the
    // handlers marked as such, whatever mark the window system put on them.
    const bool release = type == QEvent::KeyRelease;
    const bool repeat = g_repeat.IsRepeat(release, key->nativeScanCode(), key->isAutoRepeat());
    if (release && repeat) return false;
    TKeyData data;
    if (!keys::KeyDataFromEvent(*key, data)) return false;
    if (repeat) data.previousState = true;
    const bool handled = RunHandlers(data, key);
    g_last = TVerdict{event,
                      receiver,
                      type,
                      key->key(),
                      key->nativeScanCode(),
                      key->modifiers(),
                      key->isAutoRepeat(),
                      key->timestamp(),
                      handled};
    return handled;
}

void SetFilter() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || g_filter) return;
    g_filter = new TKeyFilter;
    g_filteredApp = app;
    g_last = TVerdict{};
    g_repeat.Forget();
    g_repeat.TrackKeysDown();
    app->installEventFilter(g_filter);
}

void RemoveFilter() {
    if (!g_filter) return;
    if (g_filteredApp) g_filteredApp->removeEventFilter(g_filter);
    delete g_filter;
    g_filter = nullptr;
    g_filteredApp = nullptr;
}

}  // namespace

TKeyboardHook::~TKeyboardHook() { Uninstall(); }

void TKeyboardHook::Install() {
    if (!Listed(this)) g_hooks.push_back(this);
    SetFilter();
}

void TKeyboardHook::Uninstall() {
    g_hooks.erase(std::remove(g_hooks.begin(), g_hooks.end(), this), g_hooks.end());
    if (g_hooks.empty()) RemoveFilter();
}

bool TKeyboardHook::IsInstalled() const { return g_filter && Listed(this); }

bool TKeyboardHook::HookSet() { return g_filter != nullptr; }

bool TKeyboardHook::KeyBeingHandled(quint32& nativeCode, bool& release, quint64& serverTime) {
    if (!g_inKey || !g_keyEvent) return false;
    nativeCode = g_keyEvent->nativeScanCode();
    release = g_keyEvent->type() == QEvent::KeyRelease;
    serverTime = g_keyEvent->timestamp();
    return true;
}

Qt::KeyboardModifiers TKeyboardHook::ModifierState() {
    if (g_inKey) return g_keyModifiers;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    return QGuiApplication::queryKeyboardModifiers() & kStateModifiers;
}
