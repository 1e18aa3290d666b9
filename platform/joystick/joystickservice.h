#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Result codes of the joystick service. 0 is success; the error numbers follow the multimedia
// convention so that logged codes keep their meaning.
using JoyResult = std::uint32_t;
constexpr JoyResult kJoyOk = 0;
constexpr JoyResult kJoyErrNoDriver = 6;     // the service could not start
constexpr JoyResult kJoyErrParms = 165;      // no such device, or a bad argument
constexpr JoyResult kJoyErrNoCanDo = 166;    // the device is captured already
constexpr JoyResult kJoyErrUnplugged = 167;  // the device does not answer

// What a device can do. Axis ranges are in the units the positions are reported in.
struct TJoyCaps {
    std::string ProductName;
    std::string OEMName;
    int XMin = 0, XMax = 0;
    int YMin = 0, YMax = 0;
    int ZMin = 0, ZMax = 0;
    int NumButtons = 0;
    bool HasZ = false;
    // The shortest and longest capture period the device accepts, in ms.
    int PeriodMin = 0, PeriodMax = 0;
};

// Held-button flags of buttons 1 to 4 in positions and messages.
constexpr std::uint32_t kJoyButton1 = 0x1;
constexpr std::uint32_t kJoyButton2 = 0x2;
constexpr std::uint32_t kJoyButton3 = 0x4;
constexpr std::uint32_t kJoyButton4 = 0x8;
// In a button message, the buttons that changed sit 8 bits above their held flags.
constexpr int kJoyChangedShift = 8;

struct TJoyPos {
    int X = 0, Y = 0, Z = 0;
    std::uint32_t Buttons = 0;  // bit n: button n + 1 held
};

enum TJoyMessageKind { jmMove, jmZMove, jmButtonDown, jmButtonUp };

// One change reported while a device is captured.
struct TJoyMessage {
    TJoyMessageKind Kind = jmMove;
    int Device = 0;
    // Held buttons 1..4; for button messages also the changed buttons << kJoyChangedShift.
    std::uint32_t Flags = 0;
    // Move: x in the low and y in the high 16 bits; Z move: z in the low 16 bits.
    std::uint32_t Position = 0;
};

using TJoyCallback = std::function<void(const TJoyMessage& message)>;

// The operations the joystick component needs of the platform. Devices are numbered from 0.
// All calls happen on the window thread, and captured changes are delivered there too, never
// from inside a call of this interface.
class TJoystickService {
public:
    virtual ~TJoystickService() = default;

    // Number of devices the service offers.
    virtual int NumDevs() = 0;
    virtual JoyResult GetDevCaps(int device, TJoyCaps& caps) = 0;
    virtual JoyResult GetPos(int device, TJoyPos& pos) = 0;
    // Reports changes only: the position at the time of the call is the starting point, and
    // the device is looked at every periodMs. One capture per device.
    virtual JoyResult SetCapture(int device, int periodMs, TJoyCallback callback) = 0;
    virtual JoyResult ReleaseCapture(int device) = 0;
};
