#include "platform/midi/jackmonitor.h"

#include <jack/jack.h>

#include <cstdlib>
#include <mutex>

namespace {

void DropJackMessage(const char*) {}

}  // namespace

void SilenceJackLog() {
    static std::once_flag once;
    std::call_once(once, [] {
        jack_set_error_function(DropJackMessage);
        jack_set_info_function(DropJackMessage);
        // Nothing of ours may start a server behind the user's back (the audio driver of the
        // synthesizer included).
        setenv("JACK_NO_START_SERVER", "1", 0);
    });
}

TJackMonitor::TJackMonitor(std::string clientName) : m_clientName(std::move(clientName)) {
    SilenceJackLog();
    // Should it fail, the first look tries again: a server may have come up meanwhile.
    m_firstTry = std::async(std::launch::async, [this] { return Open(); });
}

TJackMonitor::~TJackMonitor() {
    if (m_firstTry.valid()) m_client = m_firstTry.get();
    Disconnect();
}

void TJackMonitor::OnShutdown(void* self) { static_cast<TJackMonitor*>(self)->m_shutDown = true; }

void TJackMonitor::Disconnect() {
    if (!m_client) return;
    jack_client_close(m_client);
    m_client = nullptr;
}

jack_client_t* TJackMonitor::Open() {
    jack_status_t status;
    jack_client_t* client = jack_client_open(m_clientName.c_str(), JackNoStartServer, &status);
    if (!client) return nullptr;
    m_shutDown = false;
    jack_on_shutdown(client, &TJackMonitor::OnShutdown, this);
    if (jack_activate(client) != 0) {
        jack_client_close(client);
        return nullptr;
    }
    return client;
}

bool TJackMonitor::Connected() {
    if (m_firstTry.valid()) m_client = m_firstTry.get();
    if (m_client && m_shutDown) Disconnect();
    if (m_client) return true;
    auto now = std::chrono::steady_clock::now();
    if (m_tried && now - m_lastTry < std::chrono::seconds(1)) return false;
    m_tried = true;
    m_lastTry = now;
    m_client = Open();
    return m_client != nullptr;
}

std::vector<std::string> TJackMonitor::MidiDestinations() { return MidiPorts(JackPortIsInput); }

std::vector<std::string> TJackMonitor::MidiSources() { return MidiPorts(JackPortIsOutput); }

std::vector<std::string> TJackMonitor::MidiPorts(unsigned long flags) {
    std::vector<std::string> out;
    if (!Connected()) return out;
    const char** ports = jack_get_ports(m_client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
    if (!ports) return out;
    for (const char** p = ports; *p; ++p) out.emplace_back(*p);
    jack_free(ports);
    return out;
}

bool TJackMonitor::PortExists(const std::string& fullName) {
    if (!Connected()) return false;
    return jack_port_by_name(m_client, fullName.c_str()) != nullptr;
}
