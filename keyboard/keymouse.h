#pragma once

#include <Qt>

class TKeyboard;

// What the mouse does on a keyboard: the left button plays and glides from key to key, the right
// button plays in the special mode (moving sends the up/down and left/right controllers), Ctrl at
// the release latches, and Alt with the left button drags the base note.
class TKeyMouse {
public:
    // The keyboard outlives its mouse.
    explicit TKeyMouse(TKeyboard& keyboard);

    void Down(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void Move(Qt::KeyboardModifiers shift, int x, int y);
    void Up(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Shows the hand cursor while a base-note drag is possible (Alt held, no button) or running.
    void UpdateCursor(Qt::KeyboardModifiers shift);
    // A reset ended what the mouse was playing: a button still held plays nothing more.
    void PlayEnded() { m_mode = TMode::None; }

private:
    enum class TMode { None, LeftPlay, Special, BaseNoteDrag };

    void SetMode(TMode mode);
    // Base-note drag: the picture follows the mouse pixel by pixel.
    void DragTo(int x);
    int Velocity(int note, int y, Qt::KeyboardModifiers shift) const;

    TKeyboard& m_keyboard;
    TMode m_mode = TMode::None;
    Qt::MouseButtons m_buttons;
    int m_lastNote = -1;
    int m_pressX = 0;
    int m_pressY = 0;
    int m_dragStartX = 0;
    int m_dragStartOffset = 0;
    bool m_handCursor = false;
    // Where the mouse's note began, for its pressure.
    int m_pressureY = 0;
};
