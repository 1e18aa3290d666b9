#include "support/jackframes.h"

#include <jack/jack.h>
#include <jack/midiport.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

#include "support/jackserver.h"

TJackFrameClient::TJackFrameClient(const std::string& clientName) {
    jack_status_t status;
    jack_client_t* client = jack_client_open(clientName.c_str(), JackNoStartServer, &status);
    if (!client) return;
    m_in = jack_port_register(client, "in", JACK_DEFAULT_MIDI_TYPE, JackPortIsInput, 0);
    m_out = jack_port_register(client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    jack_set_process_callback(client, &TJackFrameClient::OnProcess, this);
    jack_set_xrun_callback(client, &CountJackXrun, &m_xruns);
    if (!m_in || !m_out || jack_activate(client) != 0) {
        jack_client_close(client);
        return;
    }
    m_client = client;
}

TJackFrameClient::~TJackFrameClient() {
    if (m_client) jack_client_close(m_client);
}

std::string TJackFrameClient::InName() const { return jack_port_name(m_in); }
std::string TJackFrameClient::OutName() const { return jack_port_name(m_out); }
std::uint32_t TJackFrameClient::Now() const { return jack_frame_time(m_client); }
std::uint32_t TJackFrameClient::Period() const { return jack_get_buffer_size(m_client); }

void TJackFrameClient::SendAt(std::uint32_t frame, const std::vector<std::uint8_t>& bytes) {
    TJackOutEvent event;
    event.Stamp = frame;
    event.Size = static_cast<std::uint8_t>(std::min<std::size_t>(bytes.size(), 3));
    std::memcpy(event.Bytes, bytes.data(), event.Size);
    while (!m_toSend.Push(event)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

int TJackFrameClient::OnProcess(std::uint32_t frames, void* self) {
    static_cast<TJackFrameClient*>(self)->Process(frames);
    return 0;
}

void TJackFrameClient::Process(std::uint32_t frames) {
    const jack_nframes_t start = jack_last_frame_time(m_client);
    void* in = jack_port_get_buffer(m_in, frames);
    const jack_nframes_t count = jack_midi_get_event_count(in);
    for (jack_nframes_t i = 0; i < count; ++i) {
        jack_midi_event_t event;
        if (jack_midi_event_get(&event, in, i) != 0) continue;
        // The copy of the bytes allocates: tolerable in a test's own client.
        m_arrived.Push({start + event.time, event.time,
                        std::vector<std::uint8_t>(event.buffer, event.buffer + event.size)});
    }
    void* out = jack_port_get_buffer(m_out, frames);
    jack_midi_clear_buffer(out);
    std::uint32_t earliest = 0;
    while (const TJackOutEvent* event = m_toSend.Peek()) {
        // Exactly at its frame: no delay of its own.
        const std::int64_t offset = DueOffset(event->Stamp, 0, start, frames, earliest, 1u << 30);
        if (offset < 0) break;
        earliest = static_cast<std::uint32_t>(std::min<std::int64_t>(offset, frames - 1));
        if (jack_midi_event_write(out, earliest, event->Bytes, event->Size) != 0) break;
        m_toSend.Drop();
    }
}

void TJackFrameClient::Collect() {
    while (const TEvent* event = m_arrived.Peek()) {
        m_received.push_back(*event);
        m_arrived.Drop();
    }
}

std::vector<TJackFrameClient::TEvent> TJackFrameClient::WaitFor(std::size_t n, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    std::lock_guard<std::mutex> guard(m_lock);
    Collect();
    while (m_received.size() < n && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Collect();
    }
    return m_received;
}

std::vector<TJackFrameClient::TEvent> TJackFrameClient::Received() { return WaitFor(0, 0); }
