#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct _jack_client;

// Keeps the JACK library quiet: its messages about a server that is not running would otherwise
// appear on stderr at every look. Idempotent.
void SilenceJackLog();

// A port-less JACK client that watches the running server: lists the MIDI ports others can be
// sent to and tells whether a port still exists. Never starts a server; while none runs it tries
// again at most once a second. Survives the server going away and a new one coming up.
class TJackMonitor {
public:
    explicit TJackMonitor(std::string clientName);
    ~TJackMonitor();
    TJackMonitor(const TJackMonitor&) = delete;
    TJackMonitor& operator=(const TJackMonitor&) = delete;

    // True while a server answers; connects when needed.
    bool Connected();
    // Full names ("client:port") of the MIDI input ports of other programs, in server order.
    std::vector<std::string> MidiDestinations();
    // Full names of the MIDI output ports of other programs (what can be listened to).
    std::vector<std::string> MidiSources();
    bool PortExists(const std::string& fullName);
    // Full names of the ports that lost a connection into them since the last call.
    std::vector<std::string> TakeDisconnectedInputs();

    // Counts the connections to a server: a JACK client made while Generation() was g belongs
    // to that server. Serving(g) tells whether it still runs, without trying to connect.
    unsigned Generation() const { return m_generation; }
    bool Serving(unsigned generation) const {
        return generation != 0 && generation == m_generation && m_client && !m_shutDown;
    }
    // Once after the server went away: the text telling the user so. Empty otherwise.
    std::string TakeNotice();

private:
    std::vector<std::string> MidiPorts(unsigned long flags);
    static void OnShutdown(void* self);
    static void OnConnect(unsigned a, unsigned b, int connected, void* self);
    void Disconnect();

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
