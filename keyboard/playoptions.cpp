#include "keyboard/playoptions.h"

#include <algorithm>

#include "keyboard/keyboardmath.h"
#include "keyboard/noteplayer.h"

using namespace keymath;

TPlayOptions TPlayOptions::Limited() const {
    TPlayOptions o = *this;
    const int softest = std::clamp(velocityMin, 1, 127);
    const int loudest = std::clamp(velocityMax, 1, 127);
    o.velocityMin = std::min(softest, loudest);
    o.velocityMax = std::max(softest, loudest);
    return o;
}

int TPlayOptions::StrikeVelocity(const TNotePlayer& player, int y, int length, bool shift) const {
    if (!velocityFromHeight) return player.PressVelocity(shift);
    const int v = HeightVelocity(y, length, velocityMin, velocityMax);
    // A struck key always sounds, however far Shift takes it down.
    return shift ? std::max(ShiftedVelocity(v, player.VelocityShiftFactor()), 1) : v;
}

int TPlayOptions::TouchVelocity(const TNotePlayer& player, int y, int length, double pressure,
                                bool shift) const {
    // A pressure of 0 is what some screens report when they measure none: it plays the setting.
    if (velocityFromHeight || !(pressure > 0)) return StrikeVelocity(player, y, length, shift);
    const int v = PressureVelocity(pressure);
    return shift ? std::max(ShiftedVelocity(v, player.VelocityShiftFactor()), 1) : v;
}
