#pragma once

class TNotePlayer;

// How the mouse and the fingers play, beyond the one velocity of the settings; what goes beyond
// today's behaviour is off until chosen.
struct TPlayOptions {
    // With velocityFromHeight, the mouse and the fingers play a key loudest at its front edge
    // (the bottom of the picture) and softest at its back edge, from velocityMax down to
    // velocityMin; Shift scales that as it scales the player's Velocity.
    bool velocityFromHeight = false;
    int velocityMin = 30;
    int velocityMax = 127;
    // With multiTouch, every finger on a touch screen plays its own key (up to kMaxTouches at
    // once) and glides on its own, and two fingers swiped sideways together scroll the keyboard;
    // without it, the system turns the first finger into the mouse. Touch points raise none of
    // the mouse events.
    static constexpr int kMaxTouches = 10;
    bool multiTouch = false;
    // A finger's velocity from how hard it presses, where the screen reports that (and the
    // velocity does not come from the height). What a held key sends as it is pressed (the
    // player's KeyPressure) comes from the finger's pressure where the screen reports it (and
    // touchPressure is on), else from moving up on the key, as the special mode's up/down
    // controller does.
    bool touchPressure = false;
    // The right button plays in the special mode; Alt with the left button drags the base note.
    bool specialMode = true;
    bool baseNoteDrag = true;

    // The velocities kept within 1..127; given the wrong way round, the two are swapped.
    TPlayOptions Limited() const;

    // The velocity of a key struck y pixels below its back edge, the key running `length` pixels
    // to its front edge.
    int StrikeVelocity(const TNotePlayer& player, int y, int length, bool shift) const;
    // A finger's velocity: from the height, else from its pressure (0..1; NaN: none reported),
    // else the setting.
    int TouchVelocity(const TNotePlayer& player, int y, int length, double pressure,
                      bool shift) const;
};
