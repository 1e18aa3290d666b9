#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "joystick/joystick.h"
#include "joystick/joysticktable.h"
#include "platform/midi/shortmessage.h"

class TSettingsStore;

// The two joysticks and their routing by the assignment table: each axis that moves sends its
// controller or pitch bend on the keyboard's channel.
class TJoystickRouter {
public:
    // service may be nullptr (no joysticks); send is the window's send path.
    TJoystickRouter(TJoystickService* service, TSendShort send, std::function<int()> channel);
    ~TJoystickRouter();

    // Device 0 or 1.
    TJoystick& Joystick(int j) { return j == 0 ? *m_joystick1 : *m_joystick2; }
    const TJoystickTable& Table() const { return m_table; }
    // Cells outside 0..129 become unassigned. Update applies the new table.
    void SetTable(const TJoystickTable& table);
    // Enables each joystick with at least one assignment.
    void Update();
    // A table read after start-up (an import) takes effect at once.
    void LoadSettings(TSettingsStore& store);
    void SaveSettings(TSettingsStore& store);

    // Sends an axis position of joystick j to a target: a controller, pitch bend or nothing.
    void RouteAxis(int j, int target, int raw, TJoyAxis axis);

private:
    void XYMove(TJoystick* sender, int x, int y, TJoystickButtons buttons);
    void ZMove(TJoystick* sender, int z, TJoystickButtons buttons);
    static std::vector<int> Slots(TJoystickButtons buttons);

    TSendShort m_send;
    std::function<int()> m_channel;
    std::unique_ptr<TJoystick> m_joystick1;
    std::unique_ptr<TJoystick> m_joystick2;
    TJoystickTable m_table{};
    // The last X, Y and Z seen per joystick: only changes are sent.
    std::array<std::array<int, kJoyAxisCount>, kJoystickCount> m_last{};
    bool m_updated = false;
};
