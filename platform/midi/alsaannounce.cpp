#include "platform/midi/alsaannounce.h"

#include <alsa/asoundlib.h>
#include <errno.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <vector>

#include "platform/lib/lazylibrary.h"

namespace {

// The ALSA library is opened when the sequencer is first looked at, not with the program.
#define ALSA_FUNCTIONS(X)             \
    X(snd_seq_close)                  \
    X(snd_seq_open)                   \
    X(snd_seq_set_client_name)        \
    X(snd_seq_create_simple_port)     \
    X(snd_seq_connect_from)           \
    X(snd_seq_poll_descriptors_count) \
    X(snd_seq_poll_descriptors)       \
    X(snd_seq_event_input)
TASTRA_LAZY_API(TAlsaApi, ALSA_FUNCTIONS)

const TAlsaApi* Alsa() { return LazyApi<TAlsaApi>({"libasound.so.2", "libasound.so"}); }

}  // namespace

TAlsaAnnounceWatcher::TAlsaAnnounceWatcher(std::string clientName, TChangeNotice* notice)
    : m_clientName(std::move(clientName)), m_notice(notice) {}

TAlsaAnnounceWatcher::~TAlsaAnnounceWatcher() {
    if (m_thread.joinable()) {
        const std::uint64_t one = 1;
        if (write(m_stopFd, &one, sizeof one) < 0) {
            // The descriptor is ours and counts up; a write cannot fail short of a broken
            // process, and the join below would then wait for the poll's next wake-up.
        }
        m_thread.join();
    }
    if (m_stopFd >= 0) close(m_stopFd);
    if (m_seq) Alsa()->snd_seq_close(m_seq);
}

bool TAlsaAnnounceWatcher::Start() {
    if (m_seq) return true;
    snd_seq_t* seq = nullptr;
    if (!Alsa()) return false;
    if (Alsa()->snd_seq_open(&seq, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0)
        return false;
    Alsa()->snd_seq_set_client_name(seq, m_clientName.c_str());
    // Hidden from other programs' lists: it only listens to the system.
    const int port = Alsa()->snd_seq_create_simple_port(
        seq, "announcements", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
        SND_SEQ_PORT_TYPE_APPLICATION);
    m_stopFd = eventfd(0, EFD_CLOEXEC);
    if (port < 0 || m_stopFd < 0 ||
        Alsa()->snd_seq_connect_from(seq, port, SND_SEQ_CLIENT_SYSTEM,
                                     SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0) {
        Alsa()->snd_seq_close(seq);
        return false;
    }
    m_seq = seq;
    m_thread = std::thread([this] { Listen(); });
    return true;
}

void TAlsaAnnounceWatcher::Listen() {
    const int count = Alsa()->snd_seq_poll_descriptors_count(m_seq, POLLIN);
    std::vector<pollfd> fds(static_cast<size_t>(count) + 1);
    Alsa()->snd_seq_poll_descriptors(m_seq, fds.data(), static_cast<unsigned>(count), POLLIN);
    fds[count] = {m_stopFd, POLLIN, 0};
    for (;;) {
        if (poll(fds.data(), fds.size(), -1) < 0) continue;
        if (fds[count].revents & POLLIN) return;
        bool changed = false;
        snd_seq_event_t* event = nullptr;
        int read = 0;
        while ((read = Alsa()->snd_seq_event_input(m_seq, &event)) >= 0 && event) {
            switch (event->type) {
                case SND_SEQ_EVENT_CLIENT_START:
                case SND_SEQ_EVENT_CLIENT_EXIT:
                case SND_SEQ_EVENT_CLIENT_CHANGE:
                case SND_SEQ_EVENT_PORT_START:
                case SND_SEQ_EVENT_PORT_EXIT:
                case SND_SEQ_EVENT_PORT_CHANGE:
                case SND_SEQ_EVENT_PORT_SUBSCRIBED:
                case SND_SEQ_EVENT_PORT_UNSUBSCRIBED:
                    changed = true;
                    break;
                default:
                    break;
            }
        }
        // Announcements lost to a full buffer may have told anything.
        changed = changed || read == -ENOSPC;
        if (!changed) continue;
        m_changes.fetch_add(1, std::memory_order_acq_rel);
        if (m_notice) m_notice->Fire();
    }
}
