#include "platform/joystick/sdljoystick.h"

#include <QTimer>
#include <algorithm>
#include <cstdio>

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include "platform/lib/lazylibrary.h"

namespace {

// SDL is opened when the service is first used, and only SDL itself: the joystick subsystem
// needs none of the video and sound libraries that linking it would load at start.
#define SDL_FUNCTIONS(X)               \
    X(SDL_InitSubSystem)               \
    X(SDL_JoystickAttachVirtual)       \
    X(SDL_JoystickClose)               \
    X(SDL_JoystickDetachVirtual)       \
    X(SDL_JoystickEventState)          \
    X(SDL_JoystickGetAttached)         \
    X(SDL_JoystickGetAxis)             \
    X(SDL_JoystickGetButton)           \
    X(SDL_JoystickGetDeviceInstanceID) \
    X(SDL_JoystickGetProduct)          \
    X(SDL_JoystickGetVendor)           \
    X(SDL_JoystickInstanceID)          \
    X(SDL_JoystickIsVirtual)           \
    X(SDL_JoystickName)                \
    X(SDL_JoystickNumAxes)             \
    X(SDL_JoystickNumButtons)          \
    X(SDL_JoystickOpen)                \
    X(SDL_JoystickSetVirtualAxis)      \
    X(SDL_JoystickSetVirtualButton)    \
    X(SDL_JoystickUpdate)              \
    X(SDL_NumJoysticks)                \
    X(SDL_QuitSubSystem)               \
    X(SDL_SetHint)

TASTRA_LAZY_API(TSdlApi, SDL_FUNCTIONS)
TSdlApi g_sdl;

bool LoadSdl() {
    static TLazyLibrary library{"libSDL2-2.0.so.0", "libSDL2.so"};
    return g_sdl.Bind(library);
}

// SDL axes run -32768..32767; positions are reported 0..65535.
constexpr int kAxisOffset = 32768;
constexpr int kAxisMax = 65535;
// Only buttons 1 to 4 take part in messages.
constexpr std::uint32_t kMessageButtons = 0xF;

int AxisPosition(SDL_Joystick* joystick, int axis) {
    if (axis >= g_sdl.SDL_JoystickNumAxes(joystick)) return 0;
    return g_sdl.SDL_JoystickGetAxis(joystick, axis) + kAxisOffset;
}

}  // namespace

std::vector<TJoyMessage> JoyChangeMessages(int device, const TJoyPos& before, const TJoyPos& now) {
    std::vector<TJoyMessage> messages;
    const std::uint32_t held = now.Buttons & kMessageButtons;
    const std::uint32_t changed = (before.Buttons ^ now.Buttons) & kMessageButtons;
    const std::uint32_t down = changed & now.Buttons;
    const std::uint32_t up = changed & ~now.Buttons;
    if (down) messages.push_back({jmButtonDown, device, held | down << kJoyChangedShift, 0});
    if (up) messages.push_back({jmButtonUp, device, held | up << kJoyChangedShift, 0});
    if (now.X != before.X || now.Y != before.Y) {
        const std::uint32_t position = (static_cast<std::uint32_t>(now.X) & 0xFFFF) |
                                       (static_cast<std::uint32_t>(now.Y) & 0xFFFF) << 16;
        messages.push_back({jmMove, device, held, position});
    }
    if (now.Z != before.Z)
        messages.push_back({jmZMove, device, held, static_cast<std::uint32_t>(now.Z) & 0xFFFF});
    return messages;
}

TSdlJoystickService::TSdlJoystickService(TDevices devices) : m_devices(devices) {}

bool TSdlJoystickService::Available() {
    if (m_started) return m_available;
    m_started = true;
    if (!LoadSdl()) return false;
    // The program plays while another window has the focus; and SDL must leave Ctrl-C and
    // termination to the application.
    g_sdl.SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    g_sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    m_available = g_sdl.SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    // Positions are polled; nobody reads SDL's event queue, so it must not fill up.
    if (m_available) g_sdl.SDL_JoystickEventState(SDL_IGNORE);
    return m_available;
}

TSdlJoystickService::~TSdlJoystickService() {
    m_captures.clear();
    for (const auto& [id, joystick] : m_open) g_sdl.SDL_JoystickClose(joystick);
    m_open.clear();
    if (m_available) g_sdl.SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

int TSdlJoystickService::SdlIndex(int device) const {
    if (device < 0) return -1;
    const int count = g_sdl.SDL_NumJoysticks();
    int n = 0;
    for (int i = 0; i < count; ++i) {
        if (m_devices == dsVirtualOnly && !g_sdl.SDL_JoystickIsVirtual(i)) continue;
        if (n++ == device) return i;
    }
    return -1;
}

SDL_Joystick* TSdlJoystickService::Open(int device) {
    // Notices devices that came or went since the last look.
    g_sdl.SDL_JoystickUpdate();
    for (auto it = m_open.begin(); it != m_open.end();) {
        if (g_sdl.SDL_JoystickGetAttached(it->second)) {
            ++it;
        } else {
            g_sdl.SDL_JoystickClose(it->second);
            it = m_open.erase(it);
        }
    }
    const int index = SdlIndex(device);
    if (index < 0) return nullptr;
    const SDL_JoystickID id = g_sdl.SDL_JoystickGetDeviceInstanceID(index);
    const auto found = m_open.find(id);
    if (found != m_open.end()) return found->second;
    SDL_Joystick* joystick = g_sdl.SDL_JoystickOpen(index);
    if (joystick) m_open[g_sdl.SDL_JoystickInstanceID(joystick)] = joystick;
    return joystick;
}

int TSdlJoystickService::NumDevs() {
    if (!Available()) return 0;
    g_sdl.SDL_JoystickUpdate();
    if (m_devices == dsAll) return std::max(0, g_sdl.SDL_NumJoysticks());
    int n = 0;
    while (SdlIndex(n) >= 0) ++n;
    return n;
}

JoyResult TSdlJoystickService::GetDevCaps(int device, TJoyCaps& caps) {
    caps = TJoyCaps();
    if (!Available()) return kJoyErrNoDriver;
    SDL_Joystick* joystick = Open(device);
    if (!joystick) return kJoyErrParms;
    if (const char* name = g_sdl.SDL_JoystickName(joystick)) caps.ProductName = name;
    const unsigned vendor = g_sdl.SDL_JoystickGetVendor(joystick);
    const unsigned product = g_sdl.SDL_JoystickGetProduct(joystick);
    if (vendor != 0 || product != 0) {
        char text[16];
        std::snprintf(text, sizeof text, "%04x:%04x", vendor & 0xFFFF, product & 0xFFFF);
        caps.OEMName = text;
    }
    const int axes = g_sdl.SDL_JoystickNumAxes(joystick);
    if (axes >= 1) caps.XMax = kAxisMax;
    if (axes >= 2) caps.YMax = kAxisMax;
    caps.HasZ = axes >= 3;
    if (caps.HasZ) caps.ZMax = kAxisMax;
    caps.NumButtons = std::max(0, g_sdl.SDL_JoystickNumButtons(joystick));
    caps.PeriodMin = kPeriodMin;
    caps.PeriodMax = kPeriodMax;
    return kJoyOk;
}

JoyResult TSdlJoystickService::GetPos(int device, TJoyPos& pos) {
    pos = TJoyPos();
    if (!Available()) return kJoyErrNoDriver;
    SDL_Joystick* joystick = Open(device);
    if (!joystick) return kJoyErrParms;
    if (!g_sdl.SDL_JoystickGetAttached(joystick)) return kJoyErrUnplugged;
    pos.X = AxisPosition(joystick, 0);
    pos.Y = AxisPosition(joystick, 1);
    pos.Z = AxisPosition(joystick, 2);
    const int buttons = std::min(32, g_sdl.SDL_JoystickNumButtons(joystick));
    for (int b = 0; b < buttons; ++b)
        if (g_sdl.SDL_JoystickGetButton(joystick, b)) pos.Buttons |= 1u << b;
    return kJoyOk;
}

JoyResult TSdlJoystickService::SetCapture(int device, int periodMs, TJoyCallback callback) {
    if (!Available()) return kJoyErrNoDriver;
    if (!callback) return kJoyErrParms;
    if (m_captures.count(device)) return kJoyErrNoCanDo;
    TJoyPos start;
    if (const JoyResult r = GetPos(device, start); r != kJoyOk) return r;
    TCapture& capture = m_captures[device];
    capture.Callback = std::move(callback);
    capture.Last = start;
    capture.Generation = m_nextGeneration++;
    capture.Timer = std::make_unique<QTimer>();
    capture.Timer->setInterval(std::clamp(periodMs, kPeriodMin, kPeriodMax));
    QObject::connect(capture.Timer.get(), &QTimer::timeout, capture.Timer.get(),
                     [this, device] { Poll(device); });
    capture.Timer->start();
    return kJoyOk;
}

JoyResult TSdlJoystickService::ReleaseCapture(int device) {
    const auto it = m_captures.find(device);
    if (it == m_captures.end()) return kJoyErrParms;
    // The release may come from a handler the timer itself called: the timer is let go once
    // control is back in the event loop.
    QTimer* timer = it->second.Timer.release();
    timer->stop();
    timer->deleteLater();
    m_captures.erase(it);
    return kJoyOk;
}

void TSdlJoystickService::PollNow() {
    std::vector<int> devices;
    for (const auto& [device, capture] : m_captures) devices.push_back(device);
    for (int device : devices) Poll(device);
}

void TSdlJoystickService::Poll(int device) {
    auto it = m_captures.find(device);
    if (it == m_captures.end()) return;
    TJoyPos now;
    // A device that went away reports nothing; it picks up again if it comes back.
    if (GetPos(device, now) != kJoyOk) return;
    const TJoyPos before = it->second.Last;
    it->second.Last = now;
    const unsigned generation = it->second.Generation;
    // The handler may end this capture (or start a new one): check before each message.
    const TJoyCallback callback = it->second.Callback;
    for (const TJoyMessage& message : JoyChangeMessages(device, before, now)) {
        it = m_captures.find(device);
        if (it == m_captures.end() || it->second.Generation != generation) return;
        callback(message);
    }
}

int TSdlJoystickService::AttachVirtual(int axes, int buttons) {
    if (!Available()) return -1;
    const int index = g_sdl.SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_UNKNOWN, axes, buttons, 0);
    if (index < 0) return -1;
    for (int n = 0;; ++n) {
        const int i = SdlIndex(n);
        if (i < 0) return -1;
        if (i == index) return n;
    }
}

bool TSdlJoystickService::SetVirtualAxis(int device, int axis, int value) {
    SDL_Joystick* joystick = Available() ? Open(device) : nullptr;
    if (!joystick) return false;
    const int v = std::clamp(value, 0, kAxisMax) - kAxisOffset;
    return g_sdl.SDL_JoystickSetVirtualAxis(joystick, axis, static_cast<Sint16>(v)) == 0;
}

bool TSdlJoystickService::SetVirtualButton(int device, int button, bool down) {
    SDL_Joystick* joystick = Available() ? Open(device) : nullptr;
    if (!joystick) return false;
    return g_sdl.SDL_JoystickSetVirtualButton(joystick, button,
                                              down ? SDL_PRESSED : SDL_RELEASED) == 0;
}

bool TSdlJoystickService::DetachVirtual(int device) {
    if (!Available()) return false;
    g_sdl.SDL_JoystickUpdate();
    const int index = SdlIndex(device);
    if (index < 0 || !g_sdl.SDL_JoystickIsVirtual(index)) return false;
    const auto it = m_open.find(g_sdl.SDL_JoystickGetDeviceInstanceID(index));
    if (it != m_open.end()) {
        g_sdl.SDL_JoystickClose(it->second);
        m_open.erase(it);
    }
    return g_sdl.SDL_JoystickDetachVirtual(index) == 0;
}
