#include "midi/controllernames.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

struct TNamedController {
    int number;
    const char* name;
};

// Only these numbers have names; the others (including 12, 13 and 16..19, although their LSB
// partners are named) read as undefined.
constexpr TNamedController kNames[] = {
    {0, QT_TRANSLATE_NOOP("ControllerNames", "Bank Select MSB")},
    {1, QT_TRANSLATE_NOOP("ControllerNames", "Modulation")},
    {2, QT_TRANSLATE_NOOP("ControllerNames", "Breath Control")},
    {4, QT_TRANSLATE_NOOP("ControllerNames", "Foot Controller")},
    {5, QT_TRANSLATE_NOOP("ControllerNames", "Portamento Time")},
    {6, QT_TRANSLATE_NOOP("ControllerNames", "Data MSB")},
    {7, QT_TRANSLATE_NOOP("ControllerNames", "Channel Volume")},
    {8, QT_TRANSLATE_NOOP("ControllerNames", "Balance")},
    {10, QT_TRANSLATE_NOOP("ControllerNames", "Pan")},
    {11, QT_TRANSLATE_NOOP("ControllerNames", "Expression")},
    {32, QT_TRANSLATE_NOOP("ControllerNames", "Bank Select LSB")},
    {33, QT_TRANSLATE_NOOP("ControllerNames", "Modulation LSB")},
    {34, QT_TRANSLATE_NOOP("ControllerNames", "Breath Control LSB")},
    {36, QT_TRANSLATE_NOOP("ControllerNames", "Foot Controller LSB")},
    {37, QT_TRANSLATE_NOOP("ControllerNames", "Portamento Time LSB")},
    {38, QT_TRANSLATE_NOOP("ControllerNames", "Data LSB")},
    {39, QT_TRANSLATE_NOOP("ControllerNames", "Channel Volume LSB")},
    {40, QT_TRANSLATE_NOOP("ControllerNames", "Balance LSB")},
    {42, QT_TRANSLATE_NOOP("ControllerNames", "Pan LSB")},
    {43, QT_TRANSLATE_NOOP("ControllerNames", "Expression LSB")},
    {44, QT_TRANSLATE_NOOP("ControllerNames", "Effect 1 LSB")},
    {45, QT_TRANSLATE_NOOP("ControllerNames", "Effect 2 LSB")},
    {48, QT_TRANSLATE_NOOP("ControllerNames", "General 1 LSB")},
    {49, QT_TRANSLATE_NOOP("ControllerNames", "General 2 LSB")},
    {50, QT_TRANSLATE_NOOP("ControllerNames", "General 3 LSB")},
    {51, QT_TRANSLATE_NOOP("ControllerNames", "General 4 LSB")},
    {64, QT_TRANSLATE_NOOP("ControllerNames", "Sustain")},
    {65, QT_TRANSLATE_NOOP("ControllerNames", "Portamento")},
    {66, QT_TRANSLATE_NOOP("ControllerNames", "Soft")},
    {67, QT_TRANSLATE_NOOP("ControllerNames", "Sostenuto")},
    {68, QT_TRANSLATE_NOOP("ControllerNames", "Legato")},
    {69, QT_TRANSLATE_NOOP("ControllerNames", "Hold 2")},
    {70, QT_TRANSLATE_NOOP("ControllerNames", "Sound Variation")},
    {71, QT_TRANSLATE_NOOP("ControllerNames", "Timbre")},
    {72, QT_TRANSLATE_NOOP("ControllerNames", "Release Time")},
    {73, QT_TRANSLATE_NOOP("ControllerNames", "Attack Time")},
    {74, QT_TRANSLATE_NOOP("ControllerNames", "Brightness")},
    {84, QT_TRANSLATE_NOOP("ControllerNames", "Portamento Control")},
    {91, QT_TRANSLATE_NOOP("ControllerNames", "Reverb")},
    {92, QT_TRANSLATE_NOOP("ControllerNames", "Tremolo")},
    {93, QT_TRANSLATE_NOOP("ControllerNames", "Chorus")},
    {95, QT_TRANSLATE_NOOP("ControllerNames", "Phaser")},
    {96, QT_TRANSLATE_NOOP("ControllerNames", "Data Entry +1")},
    {97, QT_TRANSLATE_NOOP("ControllerNames", "Data Entry -1")},
    {98, QT_TRANSLATE_NOOP("ControllerNames", "NRPN LSB")},
    {99, QT_TRANSLATE_NOOP("ControllerNames", "NRPN MSB")},
    {100, QT_TRANSLATE_NOOP("ControllerNames", "RPN LSB")},
    {101, QT_TRANSLATE_NOOP("ControllerNames", "RPN MSB")},
    {120, QT_TRANSLATE_NOOP("ControllerNames", "All Sound off")},
    {121, QT_TRANSLATE_NOOP("ControllerNames", "Reset Controllers")},
    {122, QT_TRANSLATE_NOOP("ControllerNames", "Local Control Switch")},
    {123, QT_TRANSLATE_NOOP("ControllerNames", "All Notes Off")},
    {124, QT_TRANSLATE_NOOP("ControllerNames", "Omni Mode Off")},
    {125, QT_TRANSLATE_NOOP("ControllerNames", "Omni Mode On")},
    {126, QT_TRANSLATE_NOOP("ControllerNames", "Poly Mode Switch")},
    {127, QT_TRANSLATE_NOOP("ControllerNames", "Poly Mode On")},
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
    std::string name = ControllerName(controller);
    if (name.empty()) name = QT_TRANSLATE_NOOP("ControllerNames", "Undefined");
    // The lists are read in the user's language; the names stored or sent stay English.
    return std::string(number) + " " +
           QCoreApplication::translate("ControllerNames", name.c_str()).toStdString();
}

std::vector<std::string> ControllerEntryTexts(int displayOffset) {
    std::vector<std::string> out;
    out.reserve(128);
    for (int c = 0; c < 128; ++c) out.push_back(ControllerEntryText(c, displayOffset));
    return out;
}
