#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "platform/keys/keydata.h"

// One key press or release. The name is fixed when the event is made, so a list of events shows
// the same text however the key names are looked up later.
class TKeyEvent {
public:
    static constexpr int kMaxNameLength = 59;

    // Copies the key of a hook call; only a release of a key that was down counts as a release.
    explicit TKeyEvent(const TKeyData& key);
    // A key known by its scan code; the virtual key comes from the keyboard layout.
    TKeyEvent(int scanCode, bool release, bool extended);
    // All fields given (copies, parsed names). A scan code of 0 is looked up from the virtual key.
    TKeyEvent(int virtualKey, int scanCode, bool extended, bool release);

    uint8_t VirtualKey() const { return m_virtualKey; }
    uint8_t ScanCode() const { return m_scanCode; }
    bool Extended() const { return m_extended; }
    bool Release() const { return m_release; }
    const QString& Name() const { return m_name; }
    // Same physical key (left and right Ctrl share a virtual key but differ in the extended flag).
    bool SameKey(const TKeyEvent& other) const {
        return m_virtualKey == other.m_virtualKey && m_extended == other.m_extended;
    }

private:
    void ComputeName();

    uint8_t m_virtualKey = 0;  // 0 and 255 mean none
    uint8_t m_scanCode = 0;
    bool m_extended = false;
    bool m_release = false;
    QString m_name;
};

// The events of a sequence; the list owns them.
using TKeyList = std::vector<TKeyEvent>;

// Keys pressed and released in order, as typed into a key-capturing field.
class TKeySequence {
public:
    using TChangeEvent = std::function<void(TKeySequence* sender)>;

    // Auto-repeat presses of a held key are not recorded.
    void AddKeyData(const TKeyData& key);
    // With OnlyOneChar a release is dropped and a press replaces what the sequence held.
    void Add(const TKeyEvent& event);
    int Count() const { return static_cast<int>(m_events.size()); }
    // Throws std::out_of_range for an index outside 0..Count() - 1.
    const TKeyEvent& Item(int index) const;
    // Undoes the last key typed: its press and its release, when that followed.
    void RemoveLast();
    void Clear();

    bool OnlyOneChar() const { return m_onlyOneChar; }
    void SetOnlyOneChar(bool v);

    // "A(B)" for B pressed while A is held, "A B " for A and B typed one after the other.
    QString DisplayText() const;

    // Called after every change.
    TChangeEvent OnChange;

private:
    void Notify();

    TKeyList m_events;
    bool m_onlyOneChar = false;
};

namespace keys {

// Name of a key: the keyboard's own name text, else "[VK n]" or "[scan n]" with " X" appended
// for extended keys. A scan code of 0 is first looked up from the virtual key (and updated).
QString KeyEventName(int virtualKey, int& scanCode, bool extended);
// The key press whose name is the given text (the inverse of KeyEventName); nothing when no key
// has that name.
std::optional<TKeyEvent> KeyEventFromName(const QString& name);

}  // namespace keys
