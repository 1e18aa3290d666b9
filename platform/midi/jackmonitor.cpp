#include "platform/midi/jackmonitor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/lib/steadyclock.h"
#include "platform/midi/jackapi.h"

void KeepAbandoned(void* client) {
    static std::mutex lock;
    static auto* kept = new std::vector<void*>;
    std::lock_guard<std::mutex> hold(lock);
    kept->push_back(client);
}

std::uint32_t JackFrameAt(_jack_client* client, std::int64_t steadyNs) {
    const jack_nframes_t now = Jack().jack_frame_time(client);
    const std::int64_t ago = std::max<std::int64_t>(0, SteadyNowNs() - steadyNs);
    const auto frames = static_cast<std::int64_t>(
        std::llround(static_cast<double>(ago) * Jack().jack_get_sample_rate(client) / 1e9));
    return now - static_cast<jack_nframes_t>(frames);
}

std::int64_t SteadyAtJackFrame(_jack_client* client, std::uint32_t frame) {
    // Distance on the wrapping clock; a frame ahead of the clock is taken as now.
    const auto ago = static_cast<std::int32_t>(Jack().jack_frame_time(client) - frame);
    const std::int64_t ns = std::llround(static_cast<double>(std::max<std::int32_t>(0, ago)) * 1e9 /
                                         Jack().jack_get_sample_rate(client));
    return SteadyNowNs() - ns;
}

std::string JackClientName(const std::string& base, const std::string& role) {
    const std::string whole = role.empty() ? base : base + " " + role;
    if (whole.size() <= kJackClientNameMax) return whole;
    // FNV-1a of the base: the same base gives the same name in every run.
    std::uint32_t hash = 2166136261u;
    for (unsigned char c : base) hash = (hash ^ c) * 16777619u;
    char tag[8];
    std::snprintf(tag, sizeof tag, "~%04x", static_cast<unsigned>(hash & 0xFFFF));
    const std::string tail = std::string(tag) + (role.empty() ? "" : " " + role);
    std::size_t keep = kJackClientNameMax - tail.size();
    // Not inside a UTF-8 sequence: continuation bytes are 10xxxxxx.
    while (keep > 0 && (static_cast<unsigned char>(base[keep]) & 0xC0) == 0x80) --keep;
    return base.substr(0, keep) + tail;
}

TJackMonitor::TJackMonitor(std::string baseName, TChangeNotice* notice)
    : m_baseName(std::move(baseName)),
      m_clientName(JackClientName(m_baseName, "monitor")),
      m_changeNotice(notice) {}

TJackMonitor::~TJackMonitor() { Disconnect(); }

void TJackMonitor::OnShutdown(void* self) {
    auto* monitor = static_cast<TJackMonitor*>(self);
    monitor->m_shutDown = true;
    monitor->m_portChanges.fetch_add(1, std::memory_order_acq_rel);
    if (monitor->m_changeNotice) monitor->m_changeNotice->Fire();
}

void TJackMonitor::OnRegistration(std::uint32_t, int, void* self) {
    auto* monitor = static_cast<TJackMonitor*>(self);
    monitor->m_portChanges.fetch_add(1, std::memory_order_acq_rel);
    if (monitor->m_changeNotice) monitor->m_changeNotice->Fire();
}

void TJackMonitor::Disconnect() {
    if (!m_client) return;
    // A client whose server went away is let go of unclosed (see AbandonJackClient).
    if (!m_shutDown) Jack().jack_client_close(m_client);
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
    if (!JackAvailable()) return false;
    jack_status_t status;
    m_client = Jack().jack_client_open(m_clientName.c_str(), JackNoStartServer, &status);
    if (!m_client) return false;
    m_shutDown = false;
    ++m_generation;
    m_portChanges.fetch_add(1, std::memory_order_acq_rel);
    Jack().jack_on_shutdown(m_client, &TJackMonitor::OnShutdown, this);
    Jack().jack_set_port_connect_callback(m_client, &TJackMonitor::OnConnect, this);
    Jack().jack_set_port_registration_callback(m_client, &TJackMonitor::OnRegistration, this);
    if (Jack().jack_activate(m_client) != 0) {
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
    const char** ports = Jack().jack_get_ports(m_client, nullptr, JACK_DEFAULT_MIDI_TYPE, flags);
    if (!ports) return out;
    for (const char** p = ports; *p; ++p) out.emplace_back(*p);
    Jack().jack_free(ports);
    return out;
}

void TJackMonitor::OnConnect(std::uint32_t a, std::uint32_t b, int connected, void* self) {
    auto* monitor = static_cast<TJackMonitor*>(self);
    if (!connected && monitor->m_client) {
        // A connection ends when either side goes away, its program quitting included.
        for (jack_port_id_t id : {a, b}) {
            const jack_port_t* port = Jack().jack_port_by_id(monitor->m_client, id);
            if (!port || !(Jack().jack_port_flags(port) & JackPortIsInput)) continue;
            std::lock_guard<std::mutex> guard(monitor->m_disconnectedLock);
            if (monitor->m_disconnectedInputs.size() < 1000)
                monitor->m_disconnectedInputs.emplace_back(Jack().jack_port_name(port));
        }
    }
    // After the record above: whoever listens looks at the connections of its ports itself.
    if (monitor->m_changeNotice) monitor->m_changeNotice->Fire();
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
    return Jack().jack_port_by_name(m_client, fullName.c_str()) != nullptr;
}
