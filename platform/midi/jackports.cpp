#include "platform/midi/jackports.h"

#include <semaphore.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/lib/translatedtext.h"
#include "platform/midi/directthru.h"
#include "platform/midi/jackapi.h"

namespace {

std::string NoServerText() {
    return TranslatedText("MidiError", QT_TRANSLATE_NOOP("MidiError", "no JACK server is running"));
}

// How far ahead of the clock a stamp may be before it counts as wrong: two seconds.
std::uint32_t Horizon(jack_client_t* client) { return 2 * Jack().jack_get_sample_rate(client); }

}  // namespace

// ---- A client per port ---------------------------------------------------------------------

std::unique_ptr<TJackPortClient> TJackPortClient::Open(const std::string& clientName,
                                                       const std::string& portName,
                                                       unsigned long flags,
                                                       TJackProcessPort* served, std::string& error,
                                                       const char* secondPort,
                                                       unsigned long secondFlags) {
    if (!JackAvailable()) {
        error = NoServerText();
        return nullptr;
    }
    std::unique_ptr<TJackPortClient> made(new TJackPortClient);
    made->m_served = served;
    jack_status_t status;
    made->m_client = Jack().jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    if (!made->m_client) {
        error = NoServerText();
        return nullptr;
    }
    made->m_port = Jack().jack_port_register(made->m_client, portName.c_str(),
                                             JACK_DEFAULT_MIDI_TYPE, flags, 0);
    if (made->m_port && secondPort)
        made->m_second = Jack().jack_port_register(made->m_client, secondPort,
                                                   JACK_DEFAULT_MIDI_TYPE, secondFlags, 0);
    if (!made->m_port || (secondPort && !made->m_second) ||
        Jack().jack_set_process_callback(made->m_client, &TJackPortClient::OnProcess, made.get()) !=
            0) {
        error = TranslatedText("MidiError",
                               QT_TRANSLATE_NOOP("MidiError", "the JACK port %1 could not be made"),
                               clientName + ":" + portName);
        return nullptr;
    }
    Jack().jack_on_shutdown(made->m_client, &TJackPortClient::OnShutdown, made.get());
    if (Jack().jack_activate(made->m_client) != 0) {
        error = NoServerText();
        return nullptr;
    }
    return made;
}

TJackPortClient::~TJackPortClient() {
    if (!m_client) return;
    // A client whose server went away must not be closed (see AbandonJackClient). Closing
    // deactivates first: no process callback runs once it returns.
    if (Alive())
        Jack().jack_client_close(m_client);
    else
        KeepAbandoned(m_client);
}

std::string TJackPortClient::PortName() const {
    return m_port ? Jack().jack_port_name(m_port) : "";
}

std::vector<std::string> TJackPortClient::Connections(jack_port_t* port) const {
    std::vector<std::string> names;
    if (!port || !Alive()) return names;
    const char** connected = Jack().jack_port_get_all_connections(m_client, port);
    if (!connected) return names;
    for (const char** c = connected; *c; ++c) names.emplace_back(*c);
    Jack().jack_free(connected);
    return names;
}

int TJackPortClient::OnProcess(std::uint32_t frames, void* self) {
    auto* me = static_cast<TJackPortClient*>(self);
    void* second = me->m_second ? Jack().jack_port_get_buffer(me->m_second, frames) : nullptr;
    me->m_served->ProcessWith(Jack().jack_port_get_buffer(me->m_port, frames), second, frames,
                              Jack().jack_last_frame_time(me->m_client));
    me->m_cycles.fetch_add(1, std::memory_order_acq_rel);
    return 0;
}

void TJackPortClient::OnShutdown(void* self) {
    static_cast<TJackPortClient*>(self)->m_shutDown.store(true, std::memory_order_release);
}

// ---- Output --------------------------------------------------------------------------------

std::unique_ptr<TJackMidiOutPort> TJackMidiOutPort::Open(TJackMonitor& jack, std::string& error,
                                                         bool thruInput) {
    if (!jack.Connected()) {
        error = NoServerText();
        return nullptr;
    }
    std::unique_ptr<TJackMidiOutPort> out(new TJackMidiOutPort);
    out->m_client =
        TJackPortClient::Open(JackClientName(jack.BaseName(), "out"), "out", JackPortIsOutput,
                              out.get(), error, thruInput ? "thru" : nullptr, JackPortIsInput);
    if (!out->m_client) return nullptr;
    out->m_horizon.store(Horizon(out->m_client->Client()), std::memory_order_relaxed);
    return out;
}

TJackMidiOutPort::~TJackMidiOutPort() {
    if (!m_client) return;
    // What was sent last (a reset's note-offs as the device closes) is still on its way: it
    // leaves before the port goes, and the cycle that wrote it runs to its end.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!m_queue.Empty() && Alive() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const unsigned emptied = m_client->Cycles();
    while (m_client->Cycles() - emptied < 2 && Alive() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_client.reset();
}

bool TJackMidiOutPort::Connect(const std::string& target) {
    return Alive() && Jack().jack_connect(m_client->Client(), m_client->PortName().c_str(),
                                          target.c_str()) == 0;
}

bool TJackMidiOutPort::Send(const std::uint8_t* bytes, std::size_t size, bool stamped,
                            std::uint32_t stamp) {
    if (!Alive()) return false;
    TJackOutEvent event;
    event.Stamp = stamped ? stamp : Jack().jack_frame_time(m_client->Client());
    event.Size = static_cast<std::uint8_t>(std::min<std::size_t>(size, sizeof event.Bytes));
    std::memcpy(event.Bytes, bytes, event.Size);
    if (m_queue.Push(event)) return true;
    // Full: the process thread empties it within a few cycles unless the server stalls.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(200);
    while (std::chrono::steady_clock::now() < giveUp && Alive()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (m_queue.Push(event)) return true;
    }
    return false;
}

std::string TJackMidiOutPort::ThruInputName() const {
    return m_client && m_client->Second() ? Jack().jack_port_name(m_client->Second()) : "";
}

std::vector<std::string> TJackMidiOutPort::Connections() const {
    return m_client ? m_client->Connections(m_client->Port()) : std::vector<std::string>();
}

void TJackMidiOutPort::Process(void* buffer, std::uint32_t frames, std::uint32_t cycleStart) {
    ProcessWith(buffer, nullptr, frames, cycleStart);
}

void TJackMidiOutPort::ProcessWith(void* buffer, void* thru, std::uint32_t frames,
                                   std::uint32_t cycleStart) {
    Jack().jack_midi_clear_buffer(buffer);
    // What came in on "thru" this cycle goes out at its own frames, merged in frame order with
    // the queue's messages (events in a buffer must not go back in time).
    const jack_nframes_t thruCount = thru ? Jack().jack_midi_get_event_count(thru) : 0;
    jack_nframes_t next = 0;
    const auto passThru = [&](std::uint32_t upTo) {
        for (; next < thruCount; ++next) {
            jack_midi_event_t event;
            if (Jack().jack_midi_event_get(&event, thru, next) != 0) continue;
            if (event.time > upTo) return;
            Jack().jack_midi_event_write(buffer, event.time, event.buffer, event.size);
        }
    };
    const std::uint32_t horizon = m_horizon.load(std::memory_order_relaxed);
    std::uint32_t earliest = 0;
    while (const TJackOutEvent* event = m_queue.Peek()) {
        // One period after its stamp: a message sent at any moment of a cycle is written at the
        // same moment of the next one.
        const std::int64_t offset =
            DueOffset(event->Stamp, frames, cycleStart, frames, earliest, horizon);
        if (offset < 0) break;  // due later; those behind it wait with it
        const auto at = static_cast<jack_nframes_t>(std::min<std::int64_t>(offset, frames - 1));
        passThru(at);
        // A full buffer keeps the rest for the next cycle.
        if (Jack().jack_midi_event_write(buffer, at, event->Bytes, event->Size) != 0) break;
        earliest = at;
        m_queue.Drop();
    }
    passThru(frames);
}

// ---- Input ---------------------------------------------------------------------------------

struct TJackMidiInPort::TChannel {
    jack_ringbuffer_t* Ring = nullptr;
    sem_t Wake;
    // Each message goes through the ring as this header and its bytes.
    struct THeader {
        std::uint32_t Frame;
        std::uint32_t Size;
    };
    static constexpr std::size_t kRingBytes = 1 << 16;
};

TJackMidiInPort::TJackMidiInPort(TDeliver deliver)
    : m_deliver(std::move(deliver)), m_channel(std::make_unique<TChannel>()) {
    m_channel->Ring = Jack().jack_ringbuffer_create(TChannel::kRingBytes);
    sem_init(&m_channel->Wake, 0, 0);
    m_reader = std::thread([this] { Read(); });
}

std::unique_ptr<TJackMidiInPort> TJackMidiInPort::Open(TJackMonitor& jack, TDeliver deliver,
                                                       std::string& error, TDirectThru* thru) {
    if (!jack.Connected()) {
        error = NoServerText();
        return nullptr;
    }
    std::unique_ptr<TJackMidiInPort> in(new TJackMidiInPort(std::move(deliver)));
    if (!in->m_channel->Ring) {
        error = TranslatedText("MidiError",
                               QT_TRANSLATE_NOOP("MidiError", "the JACK port %1 could not be made"),
                               std::string("in"));
        return nullptr;
    }
    in->m_thru = thru;
    in->m_client =
        TJackPortClient::Open(JackClientName(jack.BaseName(), "in"), "in", JackPortIsInput,
                              in.get(), error, thru ? "thru" : nullptr, JackPortIsOutput);
    if (!in->m_client) return nullptr;
    return in;
}

TJackMidiInPort::~TJackMidiInPort() {
    // No process callback runs once the client is closed.
    m_client.reset();
    m_stop.store(true, std::memory_order_release);
    sem_post(&m_channel->Wake);
    m_reader.join();
    sem_destroy(&m_channel->Wake);
    if (m_channel->Ring) Jack().jack_ringbuffer_free(m_channel->Ring);
}

std::string TJackMidiInPort::Name() const { return m_client ? m_client->PortName() : ""; }

bool TJackMidiInPort::ConnectFrom(const std::string& source) {
    return Alive() && Jack().jack_connect(m_client->Client(), source.c_str(), Name().c_str()) == 0;
}

std::vector<std::string> TJackMidiInPort::Sources() const {
    return m_client ? m_client->Connections(m_client->Port()) : std::vector<std::string>();
}

bool TJackMidiInPort::ConnectThruTo(const std::string& target) {
    if (!Alive() || !m_client->Second()) return false;
    if (Jack().jack_port_connected_to(m_client->Second(), target.c_str())) return true;
    return Jack().jack_connect(m_client->Client(), Jack().jack_port_name(m_client->Second()),
                               target.c_str()) == 0;
}

std::vector<std::string> TJackMidiInPort::CutConnections(
    const std::function<bool(const std::string&)>& cut) {
    std::vector<std::string> removed;
    if (!Alive()) return removed;
    jack_client_t* client = m_client->Client();
    const char** sources = Jack().jack_port_get_all_connections(client, m_client->Port());
    if (!sources) return removed;
    const std::string name = Name();
    for (const char** s = sources; *s; ++s)
        if (cut(*s) && Jack().jack_disconnect(client, *s, name.c_str()) == 0)
            removed.emplace_back(*s);
    Jack().jack_free(sources);
    return removed;
}

void TJackMidiInPort::ProcessWith(void* buffer, void* thru, std::uint32_t frames,
                                  std::uint32_t cycleStart) {
    if (thru && m_thru) {
        Jack().jack_midi_clear_buffer(thru);
        const auto write = [thru](std::uint32_t at, const std::uint8_t* bytes, std::size_t size) {
            Jack().jack_midi_event_write(thru, at, bytes, size);
        };
        m_thru->BeginCycle(write);
        const jack_nframes_t count = Jack().jack_midi_get_event_count(buffer);
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (Jack().jack_midi_event_get(&event, buffer, i) == 0)
                m_thru->Pass(event.time, event.buffer, event.size, write);
        }
    }
    Process(buffer, frames, cycleStart);
}

void TJackMidiInPort::Process(void* buffer, std::uint32_t, std::uint32_t cycleStart) {
    const jack_nframes_t count = Jack().jack_midi_get_event_count(buffer);
    jack_ringbuffer_t* ring = m_channel->Ring;
    bool any = false;
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (Jack().jack_midi_event_get(&event, buffer, i) != 0 || event.size == 0) continue;
        const TChannel::THeader header{cycleStart + event.time,
                                       static_cast<std::uint32_t>(event.size)};
        if (Jack().jack_ringbuffer_write_space(ring) < sizeof header + event.size) {
            m_dropped.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        Jack().jack_ringbuffer_write(ring, reinterpret_cast<const char*>(&header), sizeof header);
        Jack().jack_ringbuffer_write(ring, reinterpret_cast<const char*>(event.buffer), event.size);
        any = true;
    }
    if (any) sem_post(&m_channel->Wake);
}

void TJackMidiInPort::Read() {
    jack_ringbuffer_t* ring = m_channel->Ring;
    std::vector<std::uint8_t> data(TChannel::kRingBytes);
    while (!m_stop.load(std::memory_order_acquire)) {
        sem_wait(&m_channel->Wake);
        if (!ring) continue;
        TChannel::THeader header;
        // The process thread writes a header and its bytes before it wakes this thread.
        while (Jack().jack_ringbuffer_read_space(ring) >= sizeof header) {
            Jack().jack_ringbuffer_read(ring, reinterpret_cast<char*>(&header), sizeof header);
            Jack().jack_ringbuffer_read(ring, reinterpret_cast<char*>(data.data()), header.Size);
            if (!m_stop.load(std::memory_order_acquire))
                m_deliver(header.Frame, data.data(), header.Size);
        }
    }
}
