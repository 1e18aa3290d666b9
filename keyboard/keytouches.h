#pragma once

#include <QPointF>
#include <map>

class QEvent;
class TKeyboard;

// The fingers on a keyboard's touch screen, while its play options take them (multiTouch): each
// finger plays and glides on its own, and two fingers swiped sideways together scroll.
class TKeyTouches {
public:
    // The keyboard outlives its touches.
    explicit TKeyTouches(TKeyboard& keyboard);

    // Touch points; false for events that are not about touches.
    bool Event(QEvent* event);
    // Ends every note a finger plays: the touches were cancelled or the window lost the focus.
    void End();

private:
    void Down(int id, QPointF pos, double pressure, bool shift);
    void Move(int id, QPointF pos, double pressure, bool shift);
    void Up(int id);
    // Two fingers moving sideways together become a swipe that scrolls the keyboard.
    void CheckSwipe();
    int Velocity(int note, int y, double pressure, bool shift) const;

    TKeyboard& m_keyboard;
    // A finger on the keyboard: where it came down and where its note began. A finger that plays
    // nothing (beyond the limit, come down or gone outside, part of a swipe) is kept until it
    // lifts, so that it stays silent.
    struct TTouch {
        QPointF start;
        QPointF pos;
        int noteY = 0;
        int note = -1;
        bool playing = false;
    };
    std::map<int, TTouch> m_touches;
    bool m_swiping = false;
    int m_swipeStartX = 0;
    int m_swipeStartOffset = 0;
};
