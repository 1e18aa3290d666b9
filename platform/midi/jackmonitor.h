#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/midi/changenotice.h"

struct _jack_client;
struct _jack_port;

// The frame time of `client`'s server at the steady-clock moment `steadyNs` (now or before).
std::uint32_t JackFrameAt(_jack_client* client, std::int64_t steadyNs);
// The other way: the steady-clock moment (nanoseconds) of a frame time that has passed.
std::int64_t SteadyAtJackFrame(_jack_client* client, std::uint32_t frame);

// The name of the program's JACK client for `role`: "<base> <role>", or `base` alone for an
// empty role. JACK allows 63 bytes and appends "-01", "-02", ... when a name is taken (another
// copy of the program), so a name is kept to 60 bytes: a longer base (a session manager's client
// id can be 63 bytes) is cut at a character boundary and followed by "~" and four hex digits of
// the whole base, so that two long bases with the same beginning still differ.
std::string JackClientName(const std::string& base, const std::string& role);
inline constexpr std::size_t kJackClientNameMax = 60;

// The JACK client of one MIDI service: lists the MIDI ports others can be sent to, tells whether
// a port still exists and reports what changes on the server (ports that come and go,
// connections, the server stopping) to the change listeners. It has no ports of its own (each of
// the service's ports has a client of its own, see jackports.h), so its port list never changes
// while it is active. Named JackClientName(base, "monitor"). Never starts a server; while none
// runs it tries again at most once a second. Survives the server going away and a new one coming
// up.
class TJackMonitor {
public:
    // `notice` (may be null) hears of every change on the server.
    TJackMonitor(std::string baseName, TChangeNotice* notice = nullptr);
    ~TJackMonitor();
    TJackMonitor(const TJackMonitor&) = delete;
    TJackMonitor& operator=(const TJackMonitor&) = delete;

    // True while a server answers; connects when needed.
    bool Connected();
    // The client while connected (Connected() first), else null.
    _jack_client* Client() const { return m_client; }
    // The program's name its clients are named after (JackClientName).
    const std::string& BaseName() const { return m_baseName; }
    // Full names ("client:port") of the MIDI input ports of other programs, in server order.
    std::vector<std::string> MidiDestinations();
    // Full names of the MIDI output ports of other programs (what can be listened to).
    std::vector<std::string> MidiSources();
    bool PortExists(const std::string& fullName);
    // Full names of the ports that lost a connection into them since the last call.
    std::vector<std::string> TakeDisconnectedInputs();

    // Counts the connections to a server: a JACK port made while Generation() was g belongs
    // to that server. Serving(g) tells whether it still runs, without trying to connect.
    unsigned Generation() const { return m_generation; }
    bool Serving(unsigned generation) const {
        return generation != 0 && generation == m_generation && m_client && !m_shutDown;
    }
    // Once after the server went away: the text telling the user so. Empty otherwise.
    std::string TakeNotice();

    // Grows whenever a port came or went or the server stopped: what was looked up about ports
    // before still holds while it stays the same.
    unsigned PortChanges() const { return m_portChanges.load(std::memory_order_acquire); }

private:
    std::vector<std::string> MidiPorts(unsigned long flags);
    static void OnShutdown(void* self);
    static void OnConnect(std::uint32_t a, std::uint32_t b, int connected, void* self);
    static void OnRegistration(std::uint32_t port, int registered, void* self);
    void Disconnect();

    std::string m_baseName;
    std::string m_clientName;
    _jack_client* m_client = nullptr;
    std::atomic<bool> m_shutDown{false};
    std::chrono::steady_clock::time_point m_lastTry{};
    bool m_tried = false;
    unsigned m_generation = 0;
    std::string m_notice;
    // Filled on the server's notification thread.
    std::mutex m_disconnectedLock;
    std::vector<std::string> m_disconnectedInputs;
    std::atomic<unsigned> m_portChanges{0};
    TChangeNotice* m_changeNotice;
};

// Holds what AbandonJackClient let go of for the rest of the run; never destroyed, so nothing
// closes those clients at exit either.
void KeepAbandoned(void* client);

// A JACK client whose server went away must not be closed: the library then follows pointers
// into the gone server's memory and crashes. Such a client is let go of unclosed, which costs a
// few kilobytes per server that stopped. It stays reachable, so a leak checker counts it as held
// on purpose rather than lost.
template <typename T>
void AbandonJackClient(std::unique_ptr<T>& client) {
    if (client) KeepAbandoned(client.release());
}
