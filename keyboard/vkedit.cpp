#include "keyboard/vkedit.h"

#include "platform/keys/keyboardhook.h"

TVKEdit::TVKEdit(QWidget* parent) : QLineEdit(parent), m_hook(std::make_unique<TKeyboardHook>()) {
    setReadOnly(true);
    m_sequence.OnChange = [this](TKeySequence*) { RefreshText(); };
    m_hook->OnKey = [this](const TKeyData& key, bool& handled) { HandleKey(key, handled); };
}

TVKEdit::~TVKEdit() = default;

void TVKEdit::CaptureOneKey(std::function<bool(int scanCode)> accept) {
    SetWantBackspace(true);
    SetOnlyOneChar(true);
    OnKeyEvent = [accept = std::move(accept)](TVKEdit*, const TKeyData& key, bool& doAdd) {
        // Extended keys share scan codes with the main block (keypad "/" and the slash key).
        doAdd = !key.extended && accept && accept(key.scanCode);
    };
}

void TVKEdit::SetKey(int scanCode, bool extended) {
    m_sequence.Clear();
    m_sequence.Add(TKeyEvent(scanCode, false, extended));
}

int TVKEdit::KeyScanCode() const {
    if (m_sequence.Count() != 1) return -1;
    return m_sequence.Item(0).ScanCode();
}

bool TVKEdit::Capturing() const { return m_hook->IsInstalled(); }

void TVKEdit::HandleKey(const TKeyData& key, bool& handled) {
    // Tab keeps moving the focus unless it is wanted as a key.
    if (key.virtualKey == vk::kTab && !m_wantTab) return;
    handled = true;
    bool add = true;
    if (key.virtualKey == vk::kBack && !m_wantBackspace) {
        add = false;
        if (!key.previousState) m_sequence.RemoveLast();
    } else if (key.virtualKey >= vk::kEnd && key.virtualKey <= vk::kDown && !m_wantSpecialChars) {
        add = false;
        handled = false;
    }
    if (add) {
        if (OnKeyEvent) OnKeyEvent(this, key, add);
        if (add) m_sequence.AddKeyData(key);
    }
    if (OnDebug) OnDebug(this, QStringLiteral("List count=%1").arg(m_sequence.Count()));
    if (handled && !add) RefreshText();
}

void TVKEdit::focusInEvent(QFocusEvent* e) {
    m_hook->Install();
    QLineEdit::focusInEvent(e);
}

void TVKEdit::focusOutEvent(QFocusEvent* e) {
    m_hook->Uninstall();
    QLineEdit::focusOutEvent(e);
}

void TVKEdit::RefreshText() { setText(m_sequence.DisplayText()); }
