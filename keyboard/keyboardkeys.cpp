#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include "keyboard/keyboard.h"
#include "keyboard/scanmap.h"
#include "keyboard/vkedit.h"
#include "platform/keys/keyboardhook.h"

void TKeyboard::SetCaptureKeyboard(bool v) {
    m_captureKeyboard = v;
    if (v == m_hook->IsInstalled()) return;
    if (v) {
        m_hook->Install();
    } else {
        // Release first: once the hook is gone, the keys' releases never arrive.
        m_player.ResetPlaying();
        m_hook->Uninstall();
    }
}

bool TKeyboard::FocusInLineEdit() const {
    const QWidget* focus = window()->focusWidget();
    if (!focus) return false;
    if (qobject_cast<const QLineEdit*>(focus) || qobject_cast<const QAbstractSpinBox*>(focus))
        return true;
    const auto* combo = qobject_cast<const QComboBox*>(focus);
    return combo && combo->isEditable();
}

bool TKeyboard::CapturingField() {
    const auto* field = qobject_cast<const TVKEdit*>(QApplication::focusWidget());
    return field && field->Capturing();
}

bool TKeyboard::HandleKey(const TKeyData& key) {
    // Extended keys (arrows, right Ctrl and Alt, keypad Enter...) share scan codes with keys of
    // the main block; held keys play only once and their repeats go to the focused widget.
    if (key.extended || key.IsAutoRepeat() || key.repeatCount > 1) return false;
    const bool release = key.IsRelease();
    const bool formActive = window() == QApplication::activeWindow();
    const Qt::KeyboardModifiers mods = TKeyboardHook::ModifierState();

    if (key.virtualKey == vk::kMenu) {
        UpdateCursor(release ? Qt::NoModifier : Qt::AltModifier);
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

    const int note = m_keysHeardElsewhere
                         ? m_player.KeyNote(scan, release)
                         : m_player.ComputerKey(scan, release, mods.testFlag(Qt::ShiftModifier));
    if (note < 0) return false;
    if (!m_keysHeardElsewhere) ReportHover(note);
    // In a one-line text field the key also types, so a digit both plays and appears.
    return !FocusInLineEdit();
}

void TKeyboard::PlayHeardKey(int scan, bool release, Qt::KeyboardModifiers mods,
                             const std::function<bool()>& ownFocus) {
    if (!release && (mods & (Qt::ControlModifier | Qt::AltModifier))) return;
    // Pressed into a window of ours, it plays only where HandleKey would play it: in this window
    // with no menu open. An open menu, a dialog or a key-capturing field takes it. The focus is
    // asked of the window system only when this window does not have the keys.
    const bool windowHasKeys = window() == QApplication::activeWindow() &&
                               !QApplication::activePopupWidget() && !CapturingField();
    if (!release && !windowHasKeys && ownFocus()) return;
    const int note = m_player.ComputerKey(scan, release, mods.testFlag(Qt::ShiftModifier));
    if (note >= 0) ReportHover(note);
}
