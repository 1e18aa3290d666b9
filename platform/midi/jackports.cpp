#include "platform/midi/jackports.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>
#include <semaphore.h>

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/lib/translatedtext.h"

namespace {

// Registers `name`, or name-2, name-3, ... when the client has a port of that name already;
// null with `error` set when there is no server or no port could be made.
jack_port_t* RegisterPort(TJackMonitor& jack, const std::string& name, unsigned long flags,
                          std::string& error) {
    if (!jack.Connected()) {
        error = TranslatedText("MidiError",
                               QT_TRANSLATE_NOOP("MidiError", "no JACK server is running"));
        return nullptr;
    }
    for (int n = 1; n <= 16; ++n) {
        const std::string tried = n == 1 ? name : name + "-" + std::to_string(n);
        if (jack_port_t* port =
                jack_port_register(jack.Client(), tried.c_str(), JACK_DEFAULT_MIDI_TYPE, flags, 0))
            return port;
    }
    error = TranslatedText(
        "MidiError", QT_TRANSLATE_NOOP("MidiError", "the JACK port %1 could not be made"), name);
    return nullptr;
}

std::string TooManyPortsText() {
    return TranslatedText("MidiError",
                          QT_TRANSLATE_NOOP("MidiError", "too many JACK ports are open"));
}

// How far ahead of the clock a stamp may be before it counts as wrong: two seconds.
std::uint32_t Horizon(jack_client_t* client) { return 2 * jack_get_sample_rate(client); }

}  // namespace

// ---- Output --------------------------------------------------------------------------------

TJackMidiOutPort::TJackMidiOutPort(TJackMonitor& jack, jack_port_t* port)
    : m_jack(jack),
      m_port(port),
      m_generation(jack.Generation()),
      m_horizon(Horizon(jack.Client())) {}

std::unique_ptr<TJackMidiOutPort> TJackMidiOutPort::Open(TJackMonitor& jack,
                                                         const std::string& name,
                                                         std::string& error) {
    jack_port_t* port = RegisterPort(jack, name, JackPortIsOutput, error);
    if (!port) return nullptr;
    std::unique_ptr<TJackMidiOutPort> out(new TJackMidiOutPort(jack, port));
    if (!jack.AddProcessPort(out.get())) {
        error = TooManyPortsText();
        jack_port_unregister(jack.Client(), port);
        out->m_port = nullptr;
        return nullptr;
    }
    return out;
}

TJackMidiOutPort::~TJackMidiOutPort() {
    // What was sent last (a reset's note-offs as the device closes) is still on its way: it
    // leaves before the port goes, and the cycle that wrote it runs to its end.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while (!m_queue.Empty() && Alive() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const unsigned emptied = m_jack.Cycles();
    while (m_jack.Cycles() - emptied < 2 && Alive() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    m_jack.RemoveProcessPort(this);
    // The port of a server that went away went with it.
    if (m_port && Alive()) jack_port_unregister(m_jack.Client(), m_port);
}

bool TJackMidiOutPort::Connect(const std::string& target) {
    return Alive() && jack_connect(m_jack.Client(), jack_port_name(m_port), target.c_str()) == 0;
}

bool TJackMidiOutPort::Send(const std::uint8_t* bytes, std::size_t size, bool stamped,
                            std::uint32_t stamp) {
    if (!Alive()) return false;
    TJackOutEvent event;
    event.Stamp = stamped ? stamp : jack_frame_time(m_jack.Client());
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

void TJackMidiOutPort::Process(std::uint32_t frames, std::uint32_t cycleStart) {
    void* buffer = jack_port_get_buffer(m_port, frames);
    jack_midi_clear_buffer(buffer);
    std::uint32_t earliest = 0;
    while (const TJackOutEvent* event = m_queue.Peek()) {
        // One period after its stamp: a message sent at any moment of a cycle is written at the
        // same moment of the next one.
        const std::int64_t offset =
            DueOffset(event->Stamp, frames, cycleStart, frames, earliest, m_horizon);
        if (offset < 0) break;  // due later; those behind it wait with it
        const auto at = static_cast<jack_nframes_t>(std::min<std::int64_t>(offset, frames - 1));
        // A full buffer keeps the rest for the next cycle.
        if (jack_midi_event_write(buffer, at, event->Bytes, event->Size) != 0) break;
        earliest = at;
        m_queue.Drop();
    }
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

TJackMidiInPort::TJackMidiInPort(TJackMonitor& jack, jack_port_t* port, TDeliver deliver)
    : m_jack(jack),
      m_port(port),
      m_generation(jack.Generation()),
      m_deliver(std::move(deliver)),
      m_channel(std::make_unique<TChannel>()) {
    m_channel->Ring = jack_ringbuffer_create(TChannel::kRingBytes);
    sem_init(&m_channel->Wake, 0, 0);
    m_reader = std::thread([this] { Read(); });
}

std::unique_ptr<TJackMidiInPort> TJackMidiInPort::Open(TJackMonitor& jack, const std::string& name,
                                                       TDeliver deliver, std::string& error) {
    jack_port_t* port = RegisterPort(jack, name, JackPortIsInput, error);
    if (!port) return nullptr;
    std::unique_ptr<TJackMidiInPort> in(new TJackMidiInPort(jack, port, std::move(deliver)));
    if (!in->m_channel->Ring || !jack.AddProcessPort(in.get())) {
        error = TooManyPortsText();
        return nullptr;  // the destructor lets go of the port
    }
    return in;
}

TJackMidiInPort::~TJackMidiInPort() {
    m_jack.RemoveProcessPort(this);
    if (m_port && Alive()) jack_port_unregister(m_jack.Client(), m_port);
    m_stop.store(true, std::memory_order_release);
    sem_post(&m_channel->Wake);
    m_reader.join();
    sem_destroy(&m_channel->Wake);
    if (m_channel->Ring) jack_ringbuffer_free(m_channel->Ring);
}

std::string TJackMidiInPort::Name() const { return jack_port_name(m_port); }

bool TJackMidiInPort::ConnectFrom(const std::string& source) {
    return Alive() && jack_connect(m_jack.Client(), source.c_str(), jack_port_name(m_port)) == 0;
}

std::vector<std::string> TJackMidiInPort::CutConnections(
    const std::function<bool(const std::string&)>& cut) {
    std::vector<std::string> removed;
    if (!Alive()) return removed;
    const char** sources = jack_port_get_all_connections(m_jack.Client(), m_port);
    if (!sources) return removed;
    for (const char** s = sources; *s; ++s)
        if (cut(*s) && jack_disconnect(m_jack.Client(), *s, jack_port_name(m_port)) == 0)
            removed.emplace_back(*s);
    jack_free(sources);
    return removed;
}

void TJackMidiInPort::Process(std::uint32_t frames, std::uint32_t cycleStart) {
    void* buffer = jack_port_get_buffer(m_port, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    jack_ringbuffer_t* ring = m_channel->Ring;
    bool any = false;
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, buffer, i) != 0 || event.size == 0) continue;
        const TChannel::THeader header{cycleStart + event.time,
                                       static_cast<std::uint32_t>(event.size)};
        if (jack_ringbuffer_write_space(ring) < sizeof header + event.size) {
            m_dropped.fetch_add(1, std::memory_order_relaxed);
            continue;
        }
        jack_ringbuffer_write(ring, reinterpret_cast<const char*>(&header), sizeof header);
        jack_ringbuffer_write(ring, reinterpret_cast<const char*>(event.buffer), event.size);
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
        while (jack_ringbuffer_read_space(ring) >= sizeof header) {
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(&header), sizeof header);
            jack_ringbuffer_read(ring, reinterpret_cast<char*>(data.data()), header.Size);
            if (!m_stop.load(std::memory_order_acquire))
                m_deliver(header.Frame, data.data(), header.Size);
        }
    }
}
