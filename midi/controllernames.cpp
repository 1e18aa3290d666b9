#include "midi/controllernames.h"

#include <cstdio>

namespace {

struct TNamedController {
    int number;
    const char* name;
};

// Only these numbers have names; the others (including 12, 13 and 16..19, although their LSB
// partners are named) read as undefined.
constexpr TNamedController kNames[] = {
    {0, "Bank Select MSB"},
    {1, "Modulation"},
    {2, "Breath Control"},
    {4, "Foot Controller"},
    {5, "Portamento Time"},
    {6, "Data MSB"},
    {7, "Channel Volume"},
    {8, "Balance"},
    {10, "Pan"},
    {11, "Expression"},
    {32, "Bank Select LSB"},
    {33, "Modulation LSB"},
    {34, "Breath Control LSB"},
    {36, "Foot Controller LSB"},
    {37, "Portamento Time LSB"},
    {38, "Data LSB"},
    {39, "Channel Volume LSB"},
    {40, "Balance LSB"},
    {42, "Pan LSB"},
    {43, "Expression LSB"},
    {44, "Effect 1 LSB"},
    {45, "Effect 2 LSB"},
    {48, "General 1 LSB"},
    {49, "General 2 LSB"},
    {50, "General 3 LSB"},
    {51, "General 4 LSB"},
    {64, "Sustain"},
    {65, "Portamento"},
    {66, "Soft"},
    {67, "Sostenuto"},
    {68, "Legato"},
    {69, "Hold 2"},
    {70, "Sound Variation"},
    {71, "Timbre"},
    {72, "Release Time"},
    {73, "Attack Time"},
    {74, "Brightness"},
    {84, "Portamento Control"},
    {91, "Reverb"},
    {92, "Tremolo"},
    {93, "Chorus"},
    {95, "Phaser"},
    {96, "Data Entry +1"},
    {97, "Data Entry -1"},
    {98, "NRPN LSB"},
    {99, "NRPN MSB"},
    {100, "RPN LSB"},
    {101, "RPN MSB"},
    {120, "All Sound off"},
    {121, "Reset Controllers"},
    {122, "Local Control Switch"},
    {123, "All Notes Off"},
    {124, "Omni Mode Off"},
    {125, "Omni Mode On"},
    {126, "Poly Mode Switch"},
    {127, "Poly Mode On"},
};

}  // namespace

std::string ControllerName(int controller) {
    for (const TNamedController& c : kNames)
        if (c.number == controller) return c.name;
    return {};
}

std::string ControllerEntryText(int controller, int displayOffset) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", controller + displayOffset);
    const std::string name = ControllerName(controller);
    return std::string(number) + " " + (name.empty() ? std::string("Undefined") : name);
}

std::vector<std::string> ControllerEntryTexts(int displayOffset) {
    std::vector<std::string> out;
    out.reserve(128);
    for (int c = 0; c < 128; ++c) out.push_back(ControllerEntryText(c, displayOffset));
    return out;
}
