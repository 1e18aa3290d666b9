#pragma once

#include <QString>
#include <Qt>
#include <functional>
#include <memory>
#include <set>
#include <vector>

// One physical key going down or coming up, heard whichever program has the focus.
struct TListenedKey {
    int scanCode = 0;  // PC set-1
    bool extended = false;
    bool release = false;
    // Shift, Ctrl and Alt as their physical keys stand; lock keys never count.
    Qt::KeyboardModifiers modifiers;
};

// Hears the keyboard while other programs have the focus, without taking a key from anyone.
// Holding a key reports one press: the window system's repeats of a key already down are
// dropped. Stopping, or losing the window system, reports every key still down as released, so
// whoever started notes from the presses can end them.
class TKeyListener {
public:
    virtual ~TKeyListener() = default;

    // Empty when listening can work here; otherwise one sentence saying why not.
    virtual QString Unavailable() const = 0;
    // Empty when listening hears every key; otherwise one sentence saying which keys it misses,
    // for the user who switches it on.
    virtual QString Limits() const { return QString(); }
    // False when listening could not start; Failure() then says why.
    bool Start();
    void Stop();
    bool Listening() const { return m_listening; }
    const QString& Failure() const { return m_failure; }
    // Whether the keyboard focus is in one of this program's windows at this moment.
    virtual bool FocusInOwnWindow() = 0;

    std::function<void(const TListenedKey& key)> OnKey;
    // Listening ended without Stop (the connection to the window system broke), after the keys
    // still down were reported released; the text says what happened.
    std::function<void(const QString& why)> OnLost;

protected:
    // Opens the platform's source of key events. Fills in the native codes of the keys already
    // down, so their repeats are not taken for presses.
    virtual bool Open(QString& failure, std::vector<int>& keysDown) = 0;
    virtual void Close() = 0;

    // One event of the key with the platform's native code (evdev + 8).
    void Heard(int nativeCode, bool release);
    void Lost(const QString& why);
    // The native codes of the keys that are Shift, Ctrl and Alt in the current key map (by
    // default the keys of a PC keyboard's usual map).
    void SetModifierKeys(std::set<int> shift, std::set<int> control, std::set<int> alt);

private:
    void ReleaseAllDown();
    Qt::KeyboardModifiers Modifiers() const;

    bool m_listening = false;
    QString m_failure;
    std::set<int> m_down;
    std::set<int> m_shift{50, 62};
    std::set<int> m_control{37, 105};
    std::set<int> m_alt{64};
};

// The listener of the window system the application runs on: X11 raw key events under the xcb
// platform; elsewhere one whose Unavailable() says why there is none. Its reasons are made in the
// language loaded when it is made.
std::unique_ptr<TKeyListener> CreateKeyListener();
