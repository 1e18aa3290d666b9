#include "keyboard/keylook.h"

#include <algorithm>

#include "keyboard/noteplayer.h"

TKeyLook TKeyLook::Limited(const TKeyLook& wanted) const {
    TKeyLook look = wanted;
    look.markNote = std::clamp(wanted.markNote, 0, 127);
    if (wanted.labels < klNever || wanted.labels > klAlways) look.labels = labels;
    if (wanted.middleC < keylabels::kMiddleCLowest || wanted.middleC > keylabels::kMiddleCHighest)
        look.middleC = middleC;
    if (!wanted.pressedColour.isValid()) look.pressedColour = pressedColour;
    return look;
}

QColor TKeyLook::KeyColour(const TNotePlayer& player, int n) const {
    if (!player.Sounding(n)) return {};
    const bool local = player.LocalCount(n) > 0;
    const int thru = player.ThruChannel(n);
    if (channelColours) {
        // The user's own presses keep the look they always had, unless pressed keys are filled.
        if (local) return pressedFill ? palette[player.Channel() & 15] : QColor();
        if (thru >= 0) return palette[thru];
    }
    return pressedFill ? pressedColour : QColor();
}

bool TKeyLook::operator==(const TKeyLook& o) const {
    return markNote == o.markNote && labels == o.labels && flats == o.flats &&
           middleC == o.middleC && legends == o.legends && channelColours == o.channelColours &&
           palette == o.palette && pressedFill == o.pressedFill && pressedColour == o.pressedColour;
}
