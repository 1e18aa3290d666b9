#pragma once

#include <map>

// After the Qt headers of the includer: the X headers define macros that clash with Qt's names.
#include <X11/Xlib.h>

// A second X client, a plain window on a connection of its own, that takes the keyboard focus
// and records the key presses the server delivers to it.
class TFocusClient {
public:
    TFocusClient();
    ~TFocusClient();
    TFocusClient(const TFocusClient&) = delete;
    TFocusClient& operator=(const TFocusClient&) = delete;

    bool Ok() const { return m_window != 0; }
    void TakeFocus();
    int Presses(int keycode);
    // The modifier and lock state the server reported with the last press of the key.
    unsigned StateOfLastPress(int keycode);

private:
    void Read();

    Display* m_display = nullptr;
    Window m_window = 0;
    std::map<int, int> m_presses;
    std::map<int, unsigned> m_state;
};
