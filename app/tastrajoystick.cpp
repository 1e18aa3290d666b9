// The two joysticks of the main window and their routing to controllers and pitch bend.
#include "app/tastra.h"
#include "controls/joystick.h"
#include "keyboard/keyboard.h"
#include "platform/settings/settingsstore.h"

namespace {

constexpr int kJoystickPollFreq = 30;

}  // namespace

void TTastra2::CreateJoysticks() {
    m_joystickTable = EmptyJoystickTable();
    Joystick1 = std::make_unique<TJoystick>(m_services.joystick, 0);
    Joystick2 = std::make_unique<TJoystick>(m_services.joystick, 1);
    for (TJoystick* joystick : {Joystick1.get(), Joystick2.get()}) {
        joystick->SetPollFreq(kJoystickPollFreq);
        joystick->OnXYMove = [this](TJoystick* sender, int x, int y, TJoystickButtons buttons) {
            JoystickXYMove(sender, x, y, buttons);
        };
        joystick->OnZMove = [this](TJoystick* sender, int z, TJoystickButtons buttons) {
            JoystickZMove(sender, z, buttons);
        };
    }
}

void TTastra2::SetJoystickTable(const TJoystickTable& table) {
    m_joystickTable = table;
    for (auto& axes : m_joystickTable)
        for (auto& cells : axes)
            for (int& target : cells)
                if (target < 0 || target > kJoyNone) target = kJoyNone;
}

void TTastra2::UpdateJoysticks() {
    m_joysticksUpdated = true;
    Joystick1->SetEnabled(JoystickHasAssignments(m_joystickTable, 0));
    Joystick2->SetEnabled(JoystickHasAssignments(m_joystickTable, 1));
}

void TTastra2::LoadJoystickSettings(TSettingsStore& store) {
    LoadJoystickTable(store, m_joystickTable);
    // A table read after start-up (an import) takes effect at once.
    if (m_joysticksUpdated) UpdateJoysticks();
}

void TTastra2::SaveJoystickSettings(TSettingsStore& store) {
    SaveJoystickTable(store, m_joystickTable);
}

std::vector<int> TTastra2::JoystickSlots(TJoystickButtons buttons) {
    if (buttons == 0) return {0};
    // Held buttons work like shift keys; with several held, each one's slot gets the value.
    std::vector<int> cells;
    for (int b = jb1; b <= jb4; ++b)
        if (InButtons(buttons, static_cast<TJoystickButton>(b))) cells.push_back(b + 1);
    return cells;
}

void TTastra2::JoystickXYMove(TJoystick* sender, int x, int y, TJoystickButtons buttons) {
    const int j = sender->Device();
    if (j < 0 || j >= kJoystickCount) return;
    auto& last = m_joystickLast[static_cast<size_t>(j)];
    const int lastX = last[jaX];
    const int lastY = last[jaY];
    last[jaX] = x;
    last[jaY] = y;
    const auto& table = m_joystickTable[static_cast<size_t>(j)];
    for (int slot : JoystickSlots(buttons)) {
        if (x != lastX) RouteAxis(j, table[jaX][slot], x, jaX);
        if (y != lastY) RouteAxis(j, table[jaY][slot], y, jaY);
    }
}

void TTastra2::JoystickZMove(TJoystick* sender, int z, TJoystickButtons buttons) {
    const int j = sender->Device();
    if (j < 0 || j >= kJoystickCount) return;
    auto& last = m_joystickLast[static_cast<size_t>(j)];
    if (z == last[jaZ]) return;
    last[jaZ] = z;
    for (int slot : JoystickSlots(buttons))
        RouteAxis(j, m_joystickTable[static_cast<size_t>(j)][jaZ][slot], z, jaZ);
}

void TTastra2::RouteAxis(int j, int target, int raw, TJoyAxis axis) {
    if (target < 0 || target >= kJoyNone) return;
    const TJoystick& joystick = j == 0 ? *Joystick1 : *Joystick2;
    int min = 0;
    int max = 0;
    switch (axis) {
        case jaX:
            min = joystick.XMin(), max = joystick.XMax();
            break;
        case jaY:
            min = joystick.YMin(), max = joystick.YMax();
            break;
        case jaZ:
            min = joystick.ZMin(), max = joystick.ZMax();
            break;
    }
    const int v = JoystickAxisValue(raw, min, max, axis, target);
    const int channel = Keyboard1->Channel();
    if (target == kJoyPitchBend)
        SendAndShow(static_cast<uint8_t>(0xE0 + channel), static_cast<uint8_t>(v & 127),
                    static_cast<uint8_t>((v >> 7) & 127));
    else
        SendAndShow(static_cast<uint8_t>(0xB0 + channel), static_cast<uint8_t>(target),
                    static_cast<uint8_t>(v));
}
