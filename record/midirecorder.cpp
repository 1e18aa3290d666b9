#include "record/midirecorder.h"

#include <algorithm>

void TMidiRecorder::Start(std::int64_t now) {
    m_messages.clear();
    m_messages.shrink_to_fit();
    m_held.fill(0);
    m_startNs = now;
    m_lengthNs = 0;
    m_saved = false;
    m_recording = true;
}

void TMidiRecorder::Stop(std::int64_t now) {
    if (!m_recording) return;
    const std::int64_t at =
        std::max(now - m_startNs, m_messages.empty() ? 0 : m_messages.back().TimeNs);
    for (int i = 0; i < 16 * 128; ++i)
        for (; m_held[i] > 0; --m_held[i])
            m_messages.push_back({at, static_cast<std::uint8_t>(0x90 | (i / 128)),
                                  static_cast<std::uint8_t>(i % 128), 0});
    m_lengthNs = at;
    m_recording = false;
}

void TMidiRecorder::Add(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                        std::int64_t playedNs) {
    if (!m_recording || status < 0x80 || status >= 0xF0) return;
    std::int64_t t = std::max<std::int64_t>(0, playedNs - m_startNs);
    if (!m_messages.empty()) t = std::max(t, m_messages.back().TimeNs);
    m_messages.push_back({t, status, data1, data2});
    const int kind = status & 0xF0;
    if (kind != 0x90 && kind != 0x80) return;
    std::uint16_t& held = m_held[(status & 0x0F) * 128 + (data1 & 0x7F)];
    if (kind == 0x90 && data2 != 0)
        ++held;
    else if (held > 0)
        --held;
}

std::int64_t TMidiRecorder::LengthNs(std::int64_t now) const {
    return m_recording ? std::max<std::int64_t>(0, now - m_startNs) : m_lengthNs;
}
