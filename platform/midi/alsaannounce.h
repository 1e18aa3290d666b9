#pragma once

#include <atomic>
#include <string>
#include <thread>

#include "platform/midi/changenotice.h"

struct _snd_seq;

// Listens on a thread of its own to the ALSA sequencer's announcements (clients and ports that
// come and go or change, connections made and ended), counts them and tells `notice`.
class TAlsaAnnounceWatcher {
public:
    TAlsaAnnounceWatcher(std::string clientName, TChangeNotice* notice);
    ~TAlsaAnnounceWatcher();
    TAlsaAnnounceWatcher(const TAlsaAnnounceWatcher&) = delete;
    TAlsaAnnounceWatcher& operator=(const TAlsaAnnounceWatcher&) = delete;

    // Subscribes to the announcements; false when the sequencer cannot be reached. Idempotent.
    bool Start();
    bool Watching() const { return m_seq != nullptr; }
    // Grows with every announcement.
    unsigned Changes() const { return m_changes.load(std::memory_order_acquire); }

private:
    void Listen();

    std::string m_clientName;
    TChangeNotice* m_notice;
    _snd_seq* m_seq = nullptr;
    int m_stopFd = -1;
    std::atomic<unsigned> m_changes{0};
    std::thread m_thread;
};
