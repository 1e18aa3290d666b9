#include "joystick/joystick.h"

#include <algorithm>

TJoystick::TJoystick(TJoystickService* service, int device) : m_service(service) {
    m_device = (device == 0 || device == 1) ? device : 0;
}

TJoystick::~TJoystick() { Stop(); }

int TJoystick::Count() const { return m_service ? m_service->NumDevs() : 0; }

bool TJoystick::Attached() const {
    TJoyPos pos;
    return m_service && m_service->GetPos(m_device, pos) == kJoyOk;
}

const TJoyCaps& TJoystick::Caps() const {
    if (!m_capsRead) QueryCaps();
    return m_caps;
}

bool TJoystick::QueryCaps() const {
    m_capsRead = true;
    TJoyCaps caps;
    if (!m_service || m_service->GetDevCaps(m_device, caps) != kJoyOk) {
        m_caps = TJoyCaps();
        return false;
    }
    m_caps = caps;
    return true;
}

void TJoystick::SetDevice(int n) {
    if (n != 0 && n != 1) return;
    const bool wasCapturing = m_capturing;
    Stop();
    m_device = n;
    if (QueryCaps() && wasCapturing) Start();
}

void TJoystick::SetEnabled(bool on) {
    if (on)
        Start();
    else
        Stop();
}

void TJoystick::SetPollFreq(int ms) {
    if (ms > 0) m_pollFreq = ms;
}

void TJoystick::Start() {
    Stop();
    // A joystick plugged in since the last look has its capabilities read now.
    QueryCaps();
    if (!m_service || !Attached() || m_caps.PeriodMin <= 0) return;
    const int period =
        std::clamp(m_pollFreq, m_caps.PeriodMin, std::max(m_caps.PeriodMin, m_caps.PeriodMax));
    m_capturing = m_service->SetCapture(m_device, period, [this](const TJoyMessage& message) {
        JoyMessage(message);
    }) == kJoyOk;
}

void TJoystick::Stop() {
    if (m_capturing && m_service) m_service->ReleaseCapture(m_device);
    m_capturing = false;
}

void TJoystick::JoyMessage(const TJoyMessage& message) {
    if (message.Device != m_device || !m_capturing) return;
    const auto held = static_cast<TJoystickButtons>(message.Flags & 0xF);
    switch (message.Kind) {
        case jmButtonDown:
        case jmButtonUp: {
            const auto& event = message.Kind == jmButtonDown ? OnButtonDown : OnButtonUp;
            for (int b = jb1; b <= jb4; ++b) {
                if (!((message.Flags >> kJoyChangedShift >> b) & 1) || !event) continue;
                event(this, static_cast<TJoystickButton>(b));
            }
            break;
        }
        case jmMove:
            if (OnXYMove)
                OnXYMove(this, static_cast<int>(message.Position & 0xFFFF),
                         static_cast<int>(message.Position >> 16 & 0xFFFF), held);
            break;
        case jmZMove:
            if (OnZMove) OnZMove(this, static_cast<int>(message.Position & 0xFFFF), held);
            break;
    }
}
