#include "platform/keys/keysequence.h"

#include <QRegularExpression>
#include <array>
#include <stdexcept>

namespace {

constexpr int kNoKey = 255;

bool IsKey(int virtualKey) { return virtualKey != 0 && virtualKey != kNoKey; }

uint8_t ToByte(int v) { return static_cast<uint8_t>(v < 0 || v > 255 ? 0 : v); }

}  // namespace

namespace keys {

QString KeyEventName(int virtualKey, int& scanCode, bool extended) {
    if (scanCode == 0) scanCode = VirtualKeyToScanCode(virtualKey);
    if (IsKey(virtualKey)) {
        const QString name = KeyNameText(scanCode, extended);
        if (!name.isEmpty()) return name.left(TKeyEvent::kMaxNameLength);
    }
    const QString suffix = extended ? QStringLiteral(" X") : QString();
    if (IsKey(virtualKey)) return QStringLiteral("[VK %1%2]").arg(virtualKey).arg(suffix);
    return QStringLiteral("[scan %1%2]").arg(scanCode).arg(suffix);
}

std::optional<TKeyEvent> KeyEventFromName(const QString& name) {
    static const QRegularExpression kBracketed(QStringLiteral("^\\[(VK|scan) (\\d{1,3})( X)?\\]$"));
    const QRegularExpressionMatch m = kBracketed.match(name);
    if (m.hasMatch()) {
        const int number = m.captured(2).toInt();
        if (number > 255) return std::nullopt;
        const bool extended = m.capturedLength(3) > 0;
        if (m.captured(1) == QLatin1String("VK")) return TKeyEvent(number, 0, extended, false);
        return TKeyEvent(0, number, extended, false);
    }
    if (name.isEmpty()) return std::nullopt;
    // Plain keys before extended ones: the keypad's "/" must not win over the slash key.
    for (const bool extended : {false, true}) {
        for (int scan = 1; scan <= 255; ++scan) {
            if (KeyNameText(scan, extended) != name) continue;
            const int virtualKey = ScanCodeToVirtualKey(scan, extended);
            if (IsKey(virtualKey)) return TKeyEvent(virtualKey, scan, extended, false);
        }
    }
    return std::nullopt;
}

}  // namespace keys

TKeyEvent::TKeyEvent(const TKeyData& key)
    : m_virtualKey(key.virtualKey),
      m_scanCode(key.scanCode),
      m_extended(key.extended),
      m_release(key.previousState && key.transition) {
    ComputeName();
}

TKeyEvent::TKeyEvent(int scanCode, bool release, bool extended)
    : m_virtualKey(ToByte(keys::ScanCodeToVirtualKey(scanCode, extended))),
      m_scanCode(ToByte(scanCode)),
      m_extended(extended),
      m_release(release) {
    ComputeName();
}

TKeyEvent::TKeyEvent(int virtualKey, int scanCode, bool extended, bool release)
    : m_virtualKey(ToByte(virtualKey)),
      m_scanCode(ToByte(scanCode)),
      m_extended(extended),
      m_release(release) {
    ComputeName();
}

void TKeyEvent::ComputeName() {
    int scan = m_scanCode;
    m_name = keys::KeyEventName(m_virtualKey, scan, m_extended);
    m_scanCode = ToByte(scan);
}

void TKeySequence::AddKeyData(const TKeyData& key) {
    if (key.IsAutoRepeat()) return;
    Add(TKeyEvent(key));
}

void TKeySequence::Add(const TKeyEvent& event) {
    if (m_onlyOneChar) {
        if (event.Release()) return;
        m_events.clear();
    }
    m_events.push_back(event);
    Notify();
}

const TKeyEvent& TKeySequence::Item(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("key sequence index out of range");
    return m_events[static_cast<size_t>(index)];
}

void TKeySequence::RemoveLast() {
    int press = Count() - 1;
    while (press >= 0 && m_events[static_cast<size_t>(press)].Release()) --press;
    if (press < 0) return;
    const TKeyEvent& pressed = m_events[static_cast<size_t>(press)];
    for (int i = Count() - 1; i > press; --i) {
        const TKeyEvent& e = m_events[static_cast<size_t>(i)];
        if (e.SameKey(pressed)) {
            m_events.erase(m_events.begin() + i);
            break;
        }
    }
    m_events.erase(m_events.begin() + press);
    Notify();
}

void TKeySequence::Clear() {
    m_events.clear();
    Notify();
}

void TKeySequence::SetOnlyOneChar(bool v) {
    m_onlyOneChar = v;
    if (!v || Count() <= 1) return;
    const TKeyEvent& first = m_events.front();
    const TKeyEvent press(first.VirtualKey(), first.ScanCode(), first.Extended(), false);
    m_events.assign(1, press);
    Notify();
}

QString TKeySequence::DisplayText() const {
    // Which keys are down at each step, by virtual key and extended flag.
    std::array<std::array<bool, 2>, 256> down{};
    QString text;
    TKeyEvent previous(0, 0, false, true);
    for (const TKeyEvent& e : m_events) {
        bool& isDown = down[e.VirtualKey()][e.Extended() ? 1 : 0];
        if (!e.Release()) {
            if (!previous.Release()) text += QLatin1Char('(');  // the previous key is held
            text += e.Name();
        } else if (e.SameKey(previous)) {
            text += QLatin1Char(' ');
        } else if (isDown) {
            text += QLatin1Char(')');
        }
        isDown = !e.Release();
        previous = e;
    }
    if (!m_events.empty()) {
        const TKeyEvent& last = m_events.back();
        for (int key = 0; key < 256; ++key)
            for (int ext = 0; ext < 2; ++ext)
                if (down[key][ext] &&
                    !(key == last.VirtualKey() && ext == (last.Extended() ? 1 : 0)))
                    text += QLatin1Char(')');
    }
    return text;
}

void TKeySequence::Notify() {
    if (OnChange) OnChange(this);
}
