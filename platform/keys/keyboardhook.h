#pragma once

#include <Qt>
#include <functional>

#include "platform/keys/keydata.h"

// Sees every key press and release of the application before the focused widget does. While at
// least one hook object is installed, one shared filter sits on the application; it calls the
// handler of every installed hook object in the order they were installed and discards the key
// when any of them set handled, so the focused widget never receives it.
class TKeyboardHook {
public:
    using THandler = std::function<void(const TKeyData& key, bool& handled)>;

    TKeyboardHook() = default;
    explicit TKeyboardHook(THandler handler) : OnKey(std::move(handler)) {}
    ~TKeyboardHook();
    TKeyboardHook(const TKeyboardHook&) = delete;
    TKeyboardHook& operator=(const TKeyboardHook&) = delete;

    THandler OnKey;

    void Install();
    void Uninstall();
    bool IsInstalled() const;

    // Shift, Alt and Ctrl as they stand for the key being handled (outside a key event: as the
    // window system reports them now).
    static Qt::KeyboardModifiers ModifierState();
    // The window system's report of the key being handled: its native code, whether it is a
    // release, and the window system's time of it. False outside a key event.
    static bool KeyBeingHandled(quint32& nativeCode, bool& release, quint64& serverTime);
    // Whether the application-wide filter is in place.
    static bool HookSet();
};
