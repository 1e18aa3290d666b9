#include "record/fileplayer.h"

#include <QTimer>
#include <algorithm>

TMidiFilePlayer::TMidiFilePlayer(TSend send, std::function<std::int64_t()> now, QObject* parent)
    : QObject(parent), m_send(std::move(send)), m_now(std::move(now)), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { Due(); });
}

TMidiFilePlayer::~TMidiFilePlayer() = default;

void TMidiFilePlayer::Play(TMidiSong song) {
    Stop();
    m_song = std::move(song);
    m_next = 0;
    m_held.fill(0);
    m_sustain.fill(false);
    m_startNs = m_now();
    m_playing = true;
    Due();
}

void TMidiFilePlayer::Stop() {
    if (!m_playing) return;
    m_timer->stop();
    m_playing = false;
    Release(m_now());
}

std::int64_t TMidiFilePlayer::PositionNs() const {
    return m_playing ? std::clamp<std::int64_t>(m_now() - m_startNs, 0, m_song.LengthNs) : 0;
}

void TMidiFilePlayer::Due() {
    const std::int64_t now = m_now();
    while (m_playing && m_next < m_song.Messages.size()) {
        const TTimedMessage& m = m_song.Messages[m_next];
        const std::int64_t due = m_startNs + m.TimeNs;
        if (due > now) break;
        ++m_next;
        std::uint8_t status = m.Status;
        std::uint8_t velocity = m.Data2;
        if ((status & 0xF0) == 0x80) {
            status = static_cast<std::uint8_t>(0x90 | (status & 0x0F));
            velocity = 0;
        }
        const int channel = status & 0x0F;
        if ((status & 0xF0) == 0x90) {
            std::uint16_t& held = m_held[channel * 128 + m.Data1];
            if (velocity != 0)
                ++held;
            else if (held > 0)
                --held;
        } else if ((status & 0xF0) == 0xB0 && m.Data1 == 64) {
            m_sustain[channel] = velocity >= 64;
        }
        m_send(status, m.Data1, velocity, due);
    }
    if (!m_playing) return;
    if (m_next >= m_song.Messages.size()) {
        m_playing = false;
        Release(now);
        if (OnFinished) OnFinished();
        return;
    }
    Schedule();
}

void TMidiFilePlayer::Schedule() {
    // Whole milliseconds before the next message; the last part of one is waited out in the
    // event loop, so that nothing goes early.
    const std::int64_t wait = m_startNs + m_song.Messages[m_next].TimeNs - m_now();
    m_timer->start(static_cast<int>(std::clamp<std::int64_t>(wait / 1000000, 0, 60000)));
}

void TMidiFilePlayer::Release(std::int64_t at) {
    for (int i = 0; i < 16 * 128; ++i)
        for (; m_held[i] > 0; --m_held[i])
            m_send(static_cast<std::uint8_t>(0x90 | (i / 128)), static_cast<std::uint8_t>(i % 128),
                   0, at);
    for (int c = 0; c < 16; ++c)
        if (m_sustain[c]) {
            m_sustain[c] = false;
            m_send(static_cast<std::uint8_t>(0xB0 | c), 64, 0, at);
        }
}
