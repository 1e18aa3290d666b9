#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

#include "record/midifile.h"

class QTimer;

// Plays a song's messages at their times on the window thread. Each message is handed out as
// soon as it is due, with the moment it was due (nanoseconds on the steady clock): an output
// that writes every message a constant delay after its moment, as it does for the keys, thus
// plays it on time even when the timer fires a little late. Stopping (or reaching the end)
// releases every note it started and the sustain it pressed.
class TMidiFilePlayer : public QObject {
public:
    // status, data1, data2, the moment it was due. A note-off leaves as a note-on with velocity 0.
    using TSend = std::function<void(std::uint8_t, std::uint8_t, std::uint8_t, std::int64_t)>;

    // `now`: the steady clock's time in nanoseconds (tests may give their own).
    TMidiFilePlayer(TSend send, std::function<std::int64_t()> now, QObject* parent = nullptr);
    ~TMidiFilePlayer() override;

    // Starts the song from its beginning now; a song already playing is stopped first.
    void Play(TMidiSong song);
    void Stop();
    bool Playing() const { return m_playing; }
    std::int64_t PositionNs() const;
    std::int64_t LengthNs() const { return m_song.LengthNs; }
    // Called once the song has played to its end (not after Stop).
    std::function<void()> OnFinished;

private:
    void Due();
    void Schedule();
    void Release(std::int64_t at);

    TSend m_send;
    std::function<std::int64_t()> m_now;
    QTimer* m_timer;
    TMidiSong m_song;
    std::size_t m_next = 0;
    std::int64_t m_startNs = 0;
    bool m_playing = false;
    std::array<std::uint16_t, 16 * 128> m_held{};
    std::array<bool, 16> m_sustain{};
};
