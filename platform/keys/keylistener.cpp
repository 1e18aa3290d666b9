#include "platform/keys/keylistener.h"

#include "platform/keys/keydata.h"

bool TKeyListener::Start() {
    if (m_listening) return true;
    m_failure = Unavailable();
    if (!m_failure.isEmpty()) return false;
    std::vector<int> down;
    if (!Open(m_failure, down)) return false;
    m_down = std::set<int>(down.begin(), down.end());
    m_listening = true;
    return true;
}

void TKeyListener::Stop() {
    if (!m_listening) return;
    ReleaseAllDown();
    m_listening = false;
    Close();
}

void TKeyListener::Lost(const QString& why) {
    if (!m_listening) return;
    ReleaseAllDown();
    m_listening = false;
    m_failure = why;
    Close();
    if (OnLost) OnLost(why);
}

void TKeyListener::SetModifierKeys(std::set<int> shift, std::set<int> control, std::set<int> alt) {
    m_shift = std::move(shift);
    m_control = std::move(control);
    m_alt = std::move(alt);
}

void TKeyListener::Heard(int nativeCode, bool release) {
    if (!m_listening) return;
    if (release) {
        m_down.erase(nativeCode);
    } else if (!m_down.insert(nativeCode).second) {
        return;  // held: the window system repeats the press
    }
    const keys::TScan scan = keys::ScanFromNativeCode(static_cast<quint32>(nativeCode));
    if (OnKey) OnKey(TListenedKey{scan.scanCode, scan.extended, release, Modifiers()});
}

void TKeyListener::ReleaseAllDown() {
    // Each release is reported with the key already gone from the set, as a real one would be.
    while (!m_down.empty()) {
        const int code = *m_down.begin();
        Heard(code, true);
        m_down.erase(code);  // when no handler is set, or one stopped listening meanwhile
    }
}

Qt::KeyboardModifiers TKeyListener::Modifiers() const {
    const auto any = [this](const std::set<int>& codes) {
        for (int code : codes)
            if (m_down.count(code)) return true;
        return false;
    };
    Qt::KeyboardModifiers mods;
    if (any(m_shift)) mods |= Qt::ShiftModifier;
    if (any(m_control)) mods |= Qt::ControlModifier;
    if (any(m_alt)) mods |= Qt::AltModifier;
    return mods;
}
