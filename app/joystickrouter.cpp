#include "app/joystickrouter.h"

#include "platform/settings/settingsstore.h"

namespace {
constexpr int kJoystickPollFreq = 30;
}  // namespace

TJoystickRouter::TJoystickRouter(TJoystickService* service, TSendShort send,
                                 std::function<int()> channel)
    : m_send(std::move(send)),
      m_channel(std::move(channel)),
      m_joystick1(std::make_unique<TJoystick>(service, 0)),
      m_joystick2(std::make_unique<TJoystick>(service, 1)),
      m_table(EmptyJoystickTable()) {
    for (TJoystick* joystick : {m_joystick1.get(), m_joystick2.get()}) {
        joystick->SetPollFreq(kJoystickPollFreq);
        joystick->OnXYMove = [this](TJoystick* sender, int x, int y, TJoystickButtons buttons) {
            XYMove(sender, x, y, buttons);
        };
        joystick->OnZMove = [this](TJoystick* sender, int z, TJoystickButtons buttons) {
            ZMove(sender, z, buttons);
        };
    }
}

TJoystickRouter::~TJoystickRouter() = default;

void TJoystickRouter::SetTable(const TJoystickTable& table) {
    m_table = table;
    for (auto& axes : m_table)
        for (auto& cells : axes)
            for (int& target : cells)
                if (target < 0 || target > kControllerNone) target = kControllerNone;
}

void TJoystickRouter::Update() {
    m_updated = true;
    m_joystick1->SetEnabled(JoystickHasAssignments(m_table, 0));
    m_joystick2->SetEnabled(JoystickHasAssignments(m_table, 1));
}

void TJoystickRouter::LoadSettings(TSettingsStore& store) {
    LoadJoystickTable(store, m_table);
    if (m_updated) Update();
}

void TJoystickRouter::SaveSettings(TSettingsStore& store) { SaveJoystickTable(store, m_table); }

std::vector<int> TJoystickRouter::Slots(TJoystickButtons buttons) {
    if (buttons == 0) return {0};
    // Held buttons work like shift keys; with several held, each one's slot gets the value.
    std::vector<int> cells;
    for (int b = jb1; b <= jb4; ++b)
        if (InButtons(buttons, static_cast<TJoystickButton>(b))) cells.push_back(b + 1);
    return cells;
}

void TJoystickRouter::XYMove(TJoystick* sender, int x, int y, TJoystickButtons buttons) {
    const int j = sender->Device();
    if (j < 0 || j >= kJoystickCount) return;
    auto& last = m_last[static_cast<size_t>(j)];
    const int lastX = last[jaX];
    const int lastY = last[jaY];
    last[jaX] = x;
    last[jaY] = y;
    const auto& table = m_table[static_cast<size_t>(j)];
    for (int slot : Slots(buttons)) {
        if (x != lastX) RouteAxis(j, table[jaX][slot], x, jaX);
        if (y != lastY) RouteAxis(j, table[jaY][slot], y, jaY);
    }
}

void TJoystickRouter::ZMove(TJoystick* sender, int z, TJoystickButtons buttons) {
    const int j = sender->Device();
    if (j < 0 || j >= kJoystickCount) return;
    auto& last = m_last[static_cast<size_t>(j)];
    if (z == last[jaZ]) return;
    last[jaZ] = z;
    for (int slot : Slots(buttons))
        RouteAxis(j, m_table[static_cast<size_t>(j)][jaZ][slot], z, jaZ);
}

void TJoystickRouter::RouteAxis(int j, int target, int raw, TJoyAxis axis) {
    if (target < 0 || target >= kControllerNone) return;
    const TJoystick& joystick = j == 0 ? *m_joystick1 : *m_joystick2;
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
    const int channel = m_channel();
    if (target == kControllerPitchBend)
        m_send(static_cast<uint8_t>(0xE0 + channel), static_cast<uint8_t>(v & 127),
               static_cast<uint8_t>((v >> 7) & 127));
    else
        m_send(static_cast<uint8_t>(0xB0 + channel), static_cast<uint8_t>(target),
               static_cast<uint8_t>(v));
}
