#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/joystick/joystickservice.h"

enum TJoystickButton { jb1, jb2, jb3, jb4 };
// The set of held buttons: bit b for button b.
using TJoystickButtons = std::uint8_t;
inline constexpr bool InButtons(TJoystickButtons set, TJoystickButton b) { return (set >> b) & 1; }

// One joystick of the joystick service as a component: its capabilities, and while Enabled its
// changes as events. Without a service (or with a missing device) it stays idle and says so only
// through Enabled and Attached.
class TJoystick {
public:
    explicit TJoystick(TJoystickService* service, int device = 0);
    ~TJoystick();
    TJoystick(const TJoystick&) = delete;
    TJoystick& operator=(const TJoystick&) = delete;

    int Count() const;
    int Device() const { return m_device; }
    // 0 or 1; other values are ignored. Re-reads the capabilities and keeps capturing.
    void SetDevice(int n);
    bool Attached() const;
    int XMin() const { return Caps().XMin; }
    int XMax() const { return Caps().XMax; }
    int YMin() const { return Caps().YMin; }
    int YMax() const { return Caps().YMax; }
    int ZMin() const { return Caps().ZMin; }
    int ZMax() const { return Caps().ZMax; }
    const std::string& ProductName() const { return Caps().ProductName; }
    const std::string& OEMName() const { return Caps().OEMName; }
    int ButtonCount() const { return Caps().NumButtons; }
    bool HasZLayer() const { return Caps().HasZ; }
    bool Enabled() const { return m_capturing; }
    void SetEnabled(bool on);
    int MinPollFreq() const { return Caps().PeriodMin; }
    int MaxPollFreq() const { return Caps().PeriodMax; }
    // Polling period in ms; only positive values are taken. Applies at the next Start.
    int PollFreq() const { return m_pollFreq; }
    void SetPollFreq(int ms);

    void Start();
    void Stop();

    std::function<void(TJoystick* sender, TJoystickButton button)> OnButtonDown;
    std::function<void(TJoystick* sender, TJoystickButton button)> OnButtonUp;
    std::function<void(TJoystick* sender, int x, int y, TJoystickButtons buttons)> OnXYMove;
    std::function<void(TJoystick* sender, int z, TJoystickButtons buttons)> OnZMove;

private:
    // The capabilities, read at the first look rather than at creation: reading them starts the
    // joystick service, which need not happen before the window shows.
    const TJoyCaps& Caps() const;
    bool QueryCaps() const;
    void JoyMessage(const TJoyMessage& message);

    TJoystickService* m_service;
    int m_device = 0;
    mutable TJoyCaps m_caps;
    mutable bool m_capsRead = false;
    int m_pollFreq = 100;
    bool m_capturing = false;
};
