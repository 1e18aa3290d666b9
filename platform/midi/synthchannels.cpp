#include "platform/midi/synthchannels.h"

namespace {

constexpr int kBankMsb = 0;
constexpr int kBankLsb = 32;
constexpr int kVolume = 7;
constexpr int kPan = 10;
constexpr int kResetControllers = 121;
// Controllers from 120 on are channel mode messages: commands, not settings.
constexpr int kFirstModeMessage = 120;

std::uint32_t Pack(int status, int d1, int d2) {
    return static_cast<std::uint32_t>(status | d1 << 8 | d2 << 16);
}

}  // namespace

void TSynthChannels::Clear() {
    for (TChannel& c : m_channels) {
        c.Controllers.fill(kUnset);
        c.Program = kUnset;
        c.Bend = kUnset;
        c.Pressure = kUnset;
    }
}

void TSynthChannels::ResetControllers(TChannel& c) {
    // "Reset all controllers" leaves bank, volume and pan alone.
    for (int n = 0; n < kFirstModeMessage; ++n)
        if (n != kBankMsb && n != kBankLsb && n != kVolume && n != kPan) c.Controllers[n] = kUnset;
    c.Bend = kUnset;
    c.Pressure = kUnset;
}

void TSynthChannels::Apply(std::uint32_t packed) {
    const int status = packed & 0xFF;
    const int d1 = (packed >> 8) & 0x7F;
    const int d2 = (packed >> 16) & 0x7F;
    if (status == 0xFF) {
        Clear();
        return;
    }
    TChannel& c = m_channels[status & 0x0F];
    switch (status & 0xF0) {
        case 0xB0:
            if (d1 == kResetControllers)
                ResetControllers(c);
            else if (d1 < kFirstModeMessage)
                c.Controllers[d1] = static_cast<std::int16_t>(d2);
            break;
        case 0xC0:
            c.Program = d1;
            break;
        case 0xD0:
            c.Pressure = d1;
            break;
        case 0xE0:
            c.Bend = d1 | d2 << 7;
            break;
        default:
            break;  // notes and system messages leave no lasting state here
    }
}

std::vector<std::uint32_t> TSynthChannels::Messages() const {
    std::vector<std::uint32_t> out;
    for (int ch = 0; ch < 16; ++ch) {
        const TChannel& c = m_channels[ch];
        // The bank takes effect with the program change that follows it.
        for (int n : {kBankMsb, kBankLsb})
            if (c.Controllers[n] != kUnset) out.push_back(Pack(0xB0 | ch, n, c.Controllers[n]));
        if (c.Program != kUnset) out.push_back(Pack(0xC0 | ch, c.Program, 0));
        for (int n = 0; n < kFirstModeMessage; ++n)
            if (n != kBankMsb && n != kBankLsb && c.Controllers[n] != kUnset)
                out.push_back(Pack(0xB0 | ch, n, c.Controllers[n]));
        if (c.Bend != kUnset) out.push_back(Pack(0xE0 | ch, c.Bend & 0x7F, c.Bend >> 7));
        if (c.Pressure != kUnset) out.push_back(Pack(0xD0 | ch, c.Pressure, 0));
    }
    return out;
}

bool TSynthChannels::operator==(const TSynthChannels& other) const {
    for (int ch = 0; ch < 16; ++ch) {
        const TChannel& a = m_channels[ch];
        const TChannel& b = other.m_channels[ch];
        if (a.Controllers != b.Controllers || a.Program != b.Program || a.Bend != b.Bend ||
            a.Pressure != b.Pressure)
            return false;
    }
    return true;
}
