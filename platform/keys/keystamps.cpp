#include "platform/keys/keystamps.h"

bool TKeyStamps::SeenAt(quint32 nativeCode, bool release, quint64 serverTime,
                        std::int64_t& steadyNs) {
    std::lock_guard<std::mutex> guard(m_lock);
    for (const TSeen& seen : m_seen)
        if (seen.steadyNs != 0 && seen.code == nativeCode && seen.release == release &&
            seen.serverTime == serverTime) {
            steadyNs = seen.steadyNs;
            return true;
        }
    return false;
}

void TKeyStamps::Record(quint32 nativeCode, bool release, quint64 serverTime,
                        std::int64_t steadyNs) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!m_accepting) return;
    m_seen[m_next] = {nativeCode, release, serverTime, steadyNs};
    m_next = (m_next + 1) % m_seen.size();
}

void TKeyStamps::Accept(bool on) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_accepting = on;
    if (!on) m_seen.fill(TSeen());
}

bool TKeyStamps::Holds(quint32 nativeCode) {
    std::lock_guard<std::mutex> guard(m_lock);
    for (const TSeen& seen : m_seen)
        if (seen.steadyNs != 0 && seen.code == nativeCode) return true;
    return false;
}
