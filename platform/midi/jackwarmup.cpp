#include "platform/midi/jackwarmup.h"

#include "platform/midi/jackapi.h"
#include "platform/midi/jackmonitor.h"

TJackWarmUp::TJackWarmUp(const std::string& clientName) {
    if (!JackAvailable()) return;
    m_thread = std::thread([this, name = JackClientName(clientName, "start-up")] {
        jack_status_t status;
        jack_client_t* client = Jack().jack_client_open(name.c_str(), JackNoStartServer, &status);
        if (!client) return;
        // The first listing of a process is the slow part.
        if (const char** ports = Jack().jack_get_ports(client, nullptr, JACK_DEFAULT_MIDI_TYPE, 0))
            Jack().jack_free(ports);
        std::unique_lock<std::mutex> lock(m_lock);
        m_released.wait(lock, [this] { return m_release; });
        lock.unlock();
        Jack().jack_client_close(client);
    });
}

TJackWarmUp::~TJackWarmUp() {
    Release();
    m_thread.join();
}

void TJackWarmUp::Release() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_release = true;
    }
    m_released.notify_all();
}
