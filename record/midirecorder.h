#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "record/midifile.h"

// Keeps what the program sends while it records, each message at the moment it was played, in
// nanoseconds on the steady clock. Stopping releases the notes still held at that moment, so the
// recording never ends with a note sounding. A new recording replaces the old one: keep or save
// that first (Unsaved()).
class TMidiRecorder {
public:
    // `now`: the steady clock's time, in nanoseconds.
    void Start(std::int64_t now);
    void Stop(std::int64_t now);
    bool Recording() const { return m_recording; }
    // A message sent while recording, played at `playedNs` (clamped to the start, and to the
    // message before it, so that the order sent is the order kept).
    void Add(std::uint8_t status, std::uint8_t data1, std::uint8_t data2, std::int64_t playedNs);

    // Times from the start of the recording.
    const std::vector<TTimedMessage>& Messages() const { return m_messages; }
    bool Empty() const { return m_messages.empty(); }
    // How long it runs: up to the stop, or up to `now` while recording.
    std::int64_t LengthNs(std::int64_t now) const;
    // A stopped recording with messages that have not been written anywhere.
    bool Unsaved() const { return !m_recording && !m_messages.empty() && !m_saved; }
    void MarkSaved() { m_saved = true; }
    // Memory the recording holds, in bytes.
    std::size_t MemoryBytes() const { return m_messages.capacity() * sizeof(TTimedMessage); }

private:
    bool m_recording = false;
    bool m_saved = false;
    std::int64_t m_startNs = 0;
    std::int64_t m_lengthNs = 0;
    std::vector<TTimedMessage> m_messages;
    // Note-ons not yet released, per channel and note.
    std::array<std::uint16_t, 16 * 128> m_held{};
};
