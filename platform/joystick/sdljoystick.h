#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/joystick/joystickservice.h"

class QTimer;
struct _SDL_Joystick;

// The joystick service on SDL's joystick subsystem. Captured devices are polled by a timer on
// the window thread. When SDL cannot start, the service offers no devices.
//
// Axes are reported as 0..65535 (X, Y and Z are SDL's axes 0, 1 and 2), buttons 1..4 are SDL's
// buttons 0..3.
class TSdlJoystickService : public TJoystickService {
public:
    // dsVirtualOnly offers only the virtual joysticks attached below, so that tests see the
    // same devices on every machine.
    enum TDevices { dsAll, dsVirtualOnly };

    explicit TSdlJoystickService(TDevices devices = dsAll);
    ~TSdlJoystickService() override;
    TSdlJoystickService(const TSdlJoystickService&) = delete;
    TSdlJoystickService& operator=(const TSdlJoystickService&) = delete;

    // Whether SDL's joystick subsystem started. It is started at the first use of the service
    // rather than at creation: that takes a look at every input device of the machine, which
    // need not happen before the window shows.
    bool Available();

    int NumDevs() override;
    JoyResult GetDevCaps(int device, TJoyCaps& caps) override;
    JoyResult GetPos(int device, TJoyPos& pos) override;
    JoyResult SetCapture(int device, int periodMs, TJoyCallback callback) override;
    JoyResult ReleaseCapture(int device) override;

    // Virtual joysticks: a device made of software whose axes and buttons are set by the caller.
    // AttachVirtual returns the new device's number, or -1.
    int AttachVirtual(int axes, int buttons);
    // value 0..65535, as positions are reported.
    bool SetVirtualAxis(int device, int axis, int value);
    // button 0 is button 1.
    bool SetVirtualButton(int device, int button, bool down);
    bool DetachVirtual(int device);

    // Looks at every captured device now, as its timer would.
    void PollNow();

    // Bounds of the capture period: faster polling only costs time, slower would feel dead.
    static constexpr int kPeriodMin = 10;
    static constexpr int kPeriodMax = 1000;

private:
    struct TCapture {
        TJoyCallback Callback;
        std::unique_ptr<QTimer> Timer;
        TJoyPos Last;
        unsigned Generation = 0;
    };

    // SDL's device index of our device number, or -1.
    int SdlIndex(int device) const;
    _SDL_Joystick* Open(int device);
    void Poll(int device);

    bool m_started = false;
    bool m_available = false;
    TDevices m_devices;
    std::map<int, _SDL_Joystick*> m_open;  // SDL instance id -> handle
    std::map<int, TCapture> m_captures;    // device -> capture
    unsigned m_nextGeneration = 1;
};

// The messages that report the change from one position to the next, in the order they are
// delivered: buttons pressed, buttons released, then X/Y, then Z, so that a move made together
// with a button press already counts as made with the button held.
std::vector<TJoyMessage> JoyChangeMessages(int device, const TJoyPos& before, const TJoyPos& now);
