#include "keyboard/computerkeys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <algorithm>

#include "keyboard/keyboard.h"
#include "keyboard/keymap.h"
#include "keyboard/keymouse.h"
#include "keyboard/vkedit.h"
#include "platform/keys/keyboardhook.h"

TComputerKeys::TComputerKeys(TKeyboard& keyboard, TKeyMouse& mouse)
    : m_keyboard(keyboard),
      m_player(keyboard.Player()),
      m_mouse(mouse),
      m_hook(std::make_unique<TKeyboardHook>()) {
    m_hook->OnKey = [this](const TKeyData& key, bool& handled) { handled = HandleKey(key); };
}

TComputerKeys::~TComputerKeys() {
    SetKeyStamps(nullptr);
    m_hook.reset();  // no key may reach a half-destroyed keyboard
}

void TComputerKeys::SetCaptureKeyboard(bool v) {
    m_captureKeyboard = v;
    if (v == m_hook->IsInstalled()) return;
    if (v) {
        m_hook->Install();
    } else {
        // Release first: once the hook is gone, the keys' releases never arrive.
        m_player.ResetPlaying();
        m_hook->Uninstall();
    }
    UpdateRawKeyGate();
}

bool TComputerKeys::SetKeyMapFile(const QString& path) {
    m_keyMapFile = path;
    m_keyMapError.clear();
    keymap::TKeyMap map;
    QString message;
    if (path.isEmpty()) {
        m_player.UsePianoRows();
    } else if (keymap::LoadKeyMapFile(path, map, message)) {
        m_player.UseKeyMap(scanmap::MapOfKeys(map.keys));
    } else {
        m_player.UsePianoRows();
        m_keyMapError =
            message + QLatin1Char('\n') +
            QCoreApplication::translate("TKeyboard", "The computer keys play the two piano rows.");
    }
    m_keyboard.update();
    if (!m_keyMapError.isEmpty() && OnKeyMapError) OnKeyMapError(&m_keyboard, m_keyMapError);
    return m_keyMapError.isEmpty();
}

void TComputerKeys::SetKeyLegends(TKeyLegends* legends) {
    m_legends = legends;
    m_keyboard.update();
}

void TComputerKeys::SetKeysHeardElsewhere(bool v) {
    m_keysHeardElsewhere = v;
    m_rawKeysElsewhere.store(v, std::memory_order_release);
    if (m_stamps) m_stamps->SetHearAll(v);
    UpdateRawKeyGate();
}

void TComputerKeys::SetKeysLeftToCommands(std::vector<int> scans) {
    m_commandKeys = std::move(scans);
}

void TComputerKeys::SetKeyStamps(TKeyStamps* stamps) {
    if (stamps == m_stamps) return;
    if (m_stamps) {
        m_rawKeysPlay = false;
        m_stamps->SetPlayer(nullptr);  // waits for a key being played
        qApp->removeEventFilter(this);
    }
    m_stamps = stamps;
    if (m_stamps) {
        qApp->installEventFilter(this);
        m_stamps->SetPlayer(this);
        m_stamps->SetHearAll(m_keysHeardElsewhere);
    }
    UpdateRawKeyGate();
}

void TComputerKeys::UpdateRawKeyGate() {
    // As HandleKey decides: this window active, no menu open, no key-capturing field.
    const bool plays = m_stamps && m_hook && m_hook->IsInstalled() &&
                       m_keyboard.window() == QApplication::activeWindow() &&
                       !QApplication::activePopupWidget() && !CapturingField();
    m_rawKeysPlay.store(plays, std::memory_order_release);
}

bool TComputerKeys::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
        case QEvent::ApplicationStateChange: {
            // A menu shuts the keys off the moment it shows, before Qt counts it as open.
            const auto* widget = qobject_cast<const QWidget*>(watched);
            if (event->type() == QEvent::Show && widget && widget->windowType() == Qt::Popup)
                m_rawKeysPlay = false;
            else
                UpdateRawKeyGate();
            // What the event changes (a field capturing keys once it has the focus) is in place
            // only after it was delivered: looked at again then, once for all the events of a
            // burst (a window showing its widgets).
            if (!m_gateCheckPosted) {
                m_gateCheckPosted = true;
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        m_gateCheckPosted = false;
                        UpdateRawKeyGate();
                    },
                    Qt::QueuedConnection);
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool TComputerKeys::TakesRawKey(const TRawKey& key) {
    // Pressed into another program, a key plays while the user chose so; pressed into this one,
    // as this window would play it.
    if (!(key.elsewhere ? m_rawKeysElsewhere : m_rawKeysPlay).load(std::memory_order_acquire))
        return false;
    const keys::TScan scan = keys::ScanFromNativeCode(key.nativeCode);
    if (scan.extended || scan.scanCode < scanmap::kFirstKey || scan.scanCode > scanmap::kLastKey ||
        key.modifierKey)
        return false;
    // Held keys play once; Ctrl and Alt combinations are the window's commands.
    return key.release ||
           (!key.repeat && !(key.modifiers & (Qt::ControlModifier | Qt::AltModifier)));
}

void TComputerKeys::PlayRawKey(const TRawKey& key) {
    const keys::TScan scan = keys::ScanFromNativeCode(key.nativeCode);
    // The function keys that are commands elsewhere, whatever a key map says.
    if (key.elsewhere &&
        std::find(m_commandKeys.begin(), m_commandKeys.end(), scan.scanCode) != m_commandKeys.end())
        return;
    const int note =
        m_player.ComputerKey(scan.scanCode, key.release, key.modifiers.testFlag(Qt::ShiftModifier));
    if (note >= 0)
        QMetaObject::invokeMethod(
            &m_keyboard, [&keyboard = m_keyboard, note] { keyboard.ReportHover(note); },
            Qt::QueuedConnection);
}

bool TComputerKeys::KeyPlayedOnRead() const {
    quint32 code = 0;
    bool release = false;
    quint64 serverTime = 0;
    return m_stamps && TKeyboardHook::KeyBeingHandled(code, release, serverTime) &&
           m_stamps->PlayedOnRead(code, release, serverTime);
}

bool TComputerKeys::FocusInLineEdit() const {
    const QWidget* focus = m_keyboard.window()->focusWidget();
    if (!focus) return false;
    if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    return combo && combo->isEditable();
}

bool TComputerKeys::CapturingField() {
    const auto* field = qobject_cast<const TVKEdit*>(QApplication::focusWidget());
    return field && field->Capturing();
}

bool TComputerKeys::HandleKey(const TKeyData& key) {
    // Extended keys (arrows, right Ctrl and Alt, keypad Enter...) share scan codes with keys of
    // the main block; held keys play only once and their repeats go to the focused widget.
    if (key.extended || key.IsAutoRepeat() || key.repeatCount > 1) return false;
    const bool release = key.IsRelease();
    const bool formActive = m_keyboard.window() == QApplication::activeWindow();
    const Qt::KeyboardModifiers mods = TKeyboardHook::ModifierState();

    if (key.virtualKey == vk::kMenu) {
        m_mouse.UpdateCursor(release ? Qt::NoModifier : Qt::AltModifier);
        return true;
    }

    const int scan = key.scanCode;
    if (scan < scanmap::kFirstKey || scan > scanmap::kLastKey) return false;
    // Ctrl and Alt combinations belong to the window's commands; a release always gets through
    // so that a note started before a modifier went down still stops.
    if (!release && (!formActive || (mods & ~Qt::KeyboardModifiers(Qt::ShiftModifier))))
        return false;
    // A key typed into a key-capturing field chooses a key; it is not meant to sound. Releases
    // still stop the notes that were started before the field took the focus.
    if (!release && CapturingField()) return false;

    // Played already where the key was read, or to be played by the listener: the window only
    // decides whether the key is discarded.
    const bool playedElsewhere = m_keysHeardElsewhere || KeyPlayedOnRead();
    const int note = playedElsewhere
                         ? m_player.KeyNote(scan, release)
                         : m_player.ComputerKey(scan, release, mods.testFlag(Qt::ShiftModifier));
    if (note < 0) return false;
    if (!playedElsewhere) m_keyboard.ReportHover(note);
    // In a one-line text field the key also types, so a digit both plays and appears.
    return !FocusInLineEdit();
}

void TComputerKeys::PlayHeardKey(int scan, bool release, Qt::KeyboardModifiers mods,
                                 const std::function<bool()>& ownFocus) {
    if (!release && (mods & (Qt::ControlModifier | Qt::AltModifier))) return;
    // Pressed into a window of ours, it plays only where HandleKey would play it: in this window
    // with no menu open. An open menu, a dialog or a key-capturing field takes it. The focus is
    // asked of the window system only when this window does not have the keys.
    const bool windowHasKeys = m_keyboard.window() == QApplication::activeWindow() &&
                               !QApplication::activePopupWidget() && !CapturingField();
    if (!release && !windowHasKeys && ownFocus()) return;
    const int note = m_player.ComputerKey(scan, release, mods.testFlag(Qt::ShiftModifier));
    if (note >= 0) m_keyboard.ReportHover(note);
}
