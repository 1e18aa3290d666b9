#include "platform/keys/keystamps.h"

#include <algorithm>
#include <ctime>

namespace {

thread_local std::int64_t t_rawKeyMoment = 0;

}  // namespace

std::int64_t RawKeyMoment() { return t_rawKeyMoment; }

std::int64_t KeyEventMoment(quint64 serverTimeMs, std::int64_t readNs) {
    constexpr std::int64_t kMs = 1000000;
    constexpr std::uint32_t kLongestWayMs = 1000;
    // A server that keeps its time with the coarse clock, where that ticks every millisecond,
    // is up to a tick behind.
    static const std::int64_t behind = [] {
        timespec tick{};
        if (clock_getres(CLOCK_MONOTONIC_COARSE, &tick) != 0 || tick.tv_sec != 0 ||
            tick.tv_nsec > kMs)
            return std::int64_t{0};
        return static_cast<std::int64_t>(tick.tv_nsec);
    }();
    if (readNs <= 0) return readNs;
    // The server's time is the clock's milliseconds cut to 32 bits; so is the difference.
    const std::uint32_t age =
        static_cast<std::uint32_t>(readNs / kMs) - static_cast<std::uint32_t>(serverTimeMs);
    if (age > kLongestWayMs) return readNs;
    const std::int64_t latest = (readNs / kMs - age + 1) * kMs + behind;
    return std::min(readNs, latest);
}

TKeyStamps::TSeen* TKeyStamps::Find(quint32 nativeCode, bool release, quint64 serverTime) {
    // Newest first: the key asked for is nearly always among the last few.
    for (std::size_t back = 1; back <= m_count; ++back) {
        TSeen& seen = m_seen[(m_next + m_seen.size() - back) % m_seen.size()];
        if (seen.code == nativeCode && seen.release == release && seen.serverTime == serverTime)
            return &seen;
    }
    return nullptr;
}

TKeyStamps::TSeen& TKeyStamps::Add(const TSeen& seen) {
    TSeen& slot = m_seen[m_next];
    slot = seen;
    m_next = (m_next + 1) % m_seen.size();
    m_count = std::min(m_count + 1, m_seen.size());
    return slot;
}

bool TKeyStamps::SeenAt(quint32 nativeCode, bool release, quint64 serverTime,
                        std::int64_t& steadyNs) {
    std::lock_guard<std::mutex> guard(m_lock);
    const TSeen* seen = Find(nativeCode, release, serverTime);
    if (!seen || seen->steadyNs == 0) return false;
    steadyNs = seen->steadyNs;
    return true;
}

void TKeyStamps::Record(const TRawKey& key, quint64 serverTime) {
    TRawKey read = key;
    bool play = false;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_accepting && !m_hearAll) return;
        read.elsewhere = !m_accepting;
        if (TSeen* seen = Find(key.nativeCode, key.release, serverTime)) {
            // The window handled it first and played it itself.
            seen->steadyNs = key.steadyNs;
            return;
        }
        play = m_player && m_player->TakesRawKey(read);
        Add({key.nativeCode, key.release, serverTime, key.steadyNs,
             play ? TOwner::Reader : TOwner::Window});
    }
    if (!play) return;
    std::lock_guard<std::mutex> playing(m_playerLock);
    if (!m_player) return;
    t_rawKeyMoment = key.steadyNs;
    m_player->PlayRawKey(read);
    t_rawKeyMoment = 0;
}

bool TKeyStamps::PlayedOnRead(quint32 nativeCode, bool release, quint64 serverTime) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (const TSeen* seen = Find(nativeCode, release, serverTime))
        return seen->owner == TOwner::Reader;
    if (m_accepting) Add({nativeCode, release, serverTime, 0, TOwner::Window});
    return false;
}

void TKeyStamps::SetPlayer(TRawKeyPlayer* player) {
    std::lock_guard<std::mutex> playing(m_playerLock);
    std::lock_guard<std::mutex> guard(m_lock);
    m_player = player;
}

void TKeyStamps::Accept(bool on) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_accepting = on;
    if (!on) m_count = 0;
    m_wanted.store(m_accepting || m_hearAll, std::memory_order_release);
}

void TKeyStamps::SetHearAll(bool on) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_hearAll = on;
        m_wanted.store(m_accepting || m_hearAll, std::memory_order_release);
    }
    WantedChanged();
}

bool TKeyStamps::Holds(quint32 nativeCode) {
    std::lock_guard<std::mutex> guard(m_lock);
    for (std::size_t back = 1; back <= m_count; ++back) {
        const TSeen& seen = m_seen[(m_next + m_seen.size() - back) % m_seen.size()];
        if (seen.steadyNs != 0 && seen.code == nativeCode) return true;
    }
    return false;
}
