#pragma once

#include <QColor>

#include "keyboard/keylabels.h"

class TNotePlayer;

// How the keys are drawn, apart from their size and the black keys' highlight (whose limit
// follows the key width): the marked key, the labels and the colours of pressed keys. Labels and
// colours are all off by default.
struct TKeyLook {
    // The key that carries a dot of its own.
    int markNote = 60;
    // Note names (sharps or flats, middle C named C3, C4 or C5, in the keyboard's language), the
    // legends of the computer keys that play each key, and a colour per incoming channel for
    // keys lit by MIDI input.
    TKeyLabels labels = klNever;
    bool flats = false;
    int middleC = keylabels::kMiddleCLowest;
    bool legends = false;
    bool channelColours = false;
    TChannelPalette palette = keylabels::DefaultPalette();
    // Off: a pressed key shows only its dot. On: it is filled with pressedColour, or with its
    // channel's colour while channelColours is on.
    bool pressedFill = false;
    QColor pressedColour = keylabels::DefaultPressedColour();

    // This look changed to `wanted` as far as the limits allow: the mark note is kept to 0..127;
    // labels or a middle C out of range and an invalid colour keep what this look has.
    TKeyLook Limited(const TKeyLook& wanted) const;
    // The colour key n is filled with now; invalid when it keeps its black or white.
    QColor KeyColour(const TNotePlayer& player, int n) const;

    bool operator==(const TKeyLook& o) const;
    bool operator!=(const TKeyLook& o) const { return !(*this == o); }
};
