#pragma once

// Bits per pixel of the screen. Read once from the primary screen on first use; display-mode
// changes (and tests) set it through SetScreenColorBits.
int ScreenColorBits();
void SetScreenColorBits(int bits);
// Forgets a value set before, so the next read asks the screen again.
void ResetScreenColorBits();

// Strips have a full-colour and a 256-colour variant; the full one needs 15 bits or more.
inline bool IsHighColor(int bits) { return bits >= 15; }
// A display change reloads strips only when it crosses between palette and true-colour modes.
inline bool CrossesPaletteDepth(int oldBits, int newBits) {
    return (oldBits <= 8) != (newBits <= 8);
}
