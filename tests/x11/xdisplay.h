#pragma once

#include <string>

// The private X server this test program runs on (started before the application object).
// Empty while the server runs; otherwise why it could not start.
const std::string& XServerError();

// The window's title (_NET_WM_NAME) as the X server holds it, read on a connection of its own.
std::string XWindowTitle(unsigned long window);

// Presses and releases keys through the X test extension on a connection of its own, as a
// person at the keyboard would: the server applies its auto-repeat to keys held this way.
class TXTestKeys {
public:
    TXTestKeys();
    ~TXTestKeys();
    TXTestKeys(const TXTestKeys&) = delete;
    TXTestKeys& operator=(const TXTestKeys&) = delete;

    bool Ok() const { return m_display != nullptr; }
    // X key code: the evdev code + 8 (Q 24, W 25, Z 52).
    void Press(int keycode);
    void Release(int keycode);

private:
    void Send(int keycode, bool down);

    struct _XDisplay* m_display = nullptr;
};
