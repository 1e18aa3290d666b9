#include "platform/midi/jackmonitor.h"

#include <jack/jack.h>

#include <cstdlib>
#include <mutex>

void KeepAbandoned(void* client) {
    static std::mutex lock;
    static auto* kept = new std::vector<void*>;
    std::lock_guard<std::mutex> hold(lock);
    kept->push_back(client);
}

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
}

TJackMonitor::~TJackMonitor() { Disconnect(); }

void TJackMonitor::OnShutdown(void* self) { static_cast<TJackMonitor*>(self)->m_shutDown = true; }

void TJackMonitor::Disconnect() {
    if (!m_client) return;
    // A client whose server went away is let go of unclosed (see AbandonJackClient).
    if (!m_shutDown) jack_client_close(m_client);
    m_client = nullptr;
}

std::string TJackMonitor::TakeNotice() {
    std::string notice;
    notice.swap(m_notice);
    return notice;
}

bool TJackMonitor::Connected() {
    if (m_client && m_shutDown) {
        // The server is gone (stopped or killed): its client cannot be closed any more.
        m_client = nullptr;
        m_notice = "The JACK server stopped: its MIDI ports are gone.";
    }
    if (m_client) return true;
    auto now = std::chrono::steady_clock::now();
    if (m_tried && now - m_lastTry < std::chrono::seconds(1)) return false;
    m_tried = true;
    m_lastTry = now;
    jack_status_t status;
    m_client = jack_client_open(m_clientName.c_str(), JackNoStartServer, &status);
    if (!m_client) return false;
    m_shutDown = false;
    ++m_generation;
    jack_on_shutdown(m_client, &TJackMonitor::OnShutdown, this);
    jack_set_port_connect_callback(m_client, &TJackMonitor::OnConnect, this);
    if (jack_activate(m_client) != 0) {
        Disconnect();
        return false;
    }
    return true;
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

void TJackMonitor::OnConnect(unsigned a, unsigned b, int connected, void* self) {
    auto* monitor = static_cast<TJackMonitor*>(self);
    if (connected || !monitor->m_client) return;
    // A connection ends when either side goes away, its program quitting included.
    for (jack_port_id_t id : {a, b}) {
        const jack_port_t* port = jack_port_by_id(monitor->m_client, id);
        if (!port || !(jack_port_flags(port) & JackPortIsInput)) continue;
        std::lock_guard<std::mutex> guard(monitor->m_disconnectedLock);
        if (monitor->m_disconnectedInputs.size() < 1000)
            monitor->m_disconnectedInputs.emplace_back(jack_port_name(port));
    }
}

std::vector<std::string> TJackMonitor::TakeDisconnectedInputs() {
    Connected();
    std::lock_guard<std::mutex> guard(m_disconnectedLock);
    std::vector<std::string> out;
    out.swap(m_disconnectedInputs);
    return out;
}

bool TJackMonitor::PortExists(const std::string& fullName) {
    if (!Connected()) return false;
    return jack_port_by_name(m_client, fullName.c_str()) != nullptr;
}
