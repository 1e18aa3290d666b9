#pragma once

#include <atomic>
#include <chrono>
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

private:
    std::vector<std::string> MidiPorts(unsigned long flags);
    static void OnShutdown(void* self);
    void Disconnect();

    std::string m_clientName;
    _jack_client* m_client = nullptr;
    std::atomic<bool> m_shutDown{false};
    std::chrono::steady_clock::time_point m_lastTry{};
    bool m_tried = false;
};
