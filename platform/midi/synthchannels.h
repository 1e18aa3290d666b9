#pragma once

#include <array>
#include <cstdint>
#include <vector>

// What the messages played so far have set up on the 16 channels: bank, program, controllers,
// pitch bend and channel pressure. A synthesizer that takes over (another soundfont, another
// sample rate) is put into the same state with Messages(), so the instruments chosen stay.
class TSynthChannels {
public:
    TSynthChannels() { Clear(); }
    // Follows one packed short message (status | data1 << 8 | data2 << 16).
    void Apply(std::uint32_t packed);
    // The messages that put a fresh synthesizer into this state: per channel bank select, program
    // change, the other controllers in number order, pitch bend and channel pressure.
    std::vector<std::uint32_t> Messages() const;
    bool operator==(const TSynthChannels& other) const;

private:
    static constexpr int kUnset = -1;
    struct TChannel {
        std::array<std::int16_t, 128> Controllers;
        int Program;
        int Bend;
        int Pressure;
    };
    void Clear();
    void ResetControllers(TChannel& channel);

    std::array<TChannel, 16> m_channels;
};
