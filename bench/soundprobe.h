#pragma once
// The built-in synthesizer's sound as latency_bench hears it.
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>

// Where the synthesizer's sound begins: two audio inputs of a client of the bench's own. Armed
// with a frame time, it notes the first frame from then on that is clearly louder than what
// sounded just before (a note still ringing out does not hide the next one).
class TSoundProbe {
public:
    bool Open() {
        jack_status_t status;
        m_client = jack_client_open("tastra-latency-sound", JackNoStartServer, &status);
        if (!m_client) return false;
        for (int i = 0; i < 2; ++i)
            m_ports[i] = jack_port_register(m_client, i == 0 ? "in_1" : "in_2",
                                            JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(m_client, &TSoundProbe::OnProcess, this);
        jack_set_xrun_callback(m_client, &TSoundProbe::OnXrun, this);
        return m_ports[0] && m_ports[1] && jack_activate(m_client) == 0;
    }
    ~TSoundProbe() {
        if (m_client) jack_client_close(m_client);
    }

    // Connects every audio output of the program's clients (or those of the ports matching
    // `pattern`) to the inputs; false while it has none that can be connected (a client that is
    // not active yet refuses).
    bool ConnectProgram(const char* pattern = "^Tastra") {
        const char** ports =
            jack_get_ports(m_client, pattern, JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
        if (!ports) return false;
        int n = 0;
        bool all = true;
        for (const char** p = ports; *p; ++p, ++n) {
            const int r = jack_connect(m_client, *p, jack_port_name(m_ports[n % 2]));
            all = all && (r == 0 || r == EEXIST);
        }
        jack_free(ports);
        return n > 0 && all;
    }
    // Listens for sound from frame time `from` on.
    void Arm(jack_nframes_t from) {
        const float before = m_lastPeak.load(std::memory_order_acquire);
        m_threshold.store(std::max(kLoud, 4 * before), std::memory_order_relaxed);
        m_from.store(from, std::memory_order_relaxed);
        m_onset.store(0, std::memory_order_relaxed);
        m_armed.store(true, std::memory_order_release);
    }
    // The onset found since Arm, if any.
    bool Onset(jack_nframes_t& frame) const {
        if (m_armed.load(std::memory_order_acquire)) return false;
        frame = m_onset.load(std::memory_order_relaxed);
        return frame != 0;
    }
    // Counts the cycles the server missed (the machine was too busy to run it in time).
    int Xruns() const { return m_xruns.load(std::memory_order_acquire); }
    // The loudest sample of the last cycle.
    float LastPeak() const { return m_lastPeak.load(std::memory_order_acquire); }

private:
    // Louder than this counts as sound (-120 dB below full scale): with reverb and chorus off the
    // synthesizer writes exact zeros while no voice sounds, so this is its first frame of sound,
    // not a point on the rise of the instrument's attack.
    static constexpr float kLoud = 1e-6f;

    static int OnXrun(void* self) {
        static_cast<TSoundProbe*>(self)->m_xruns.fetch_add(1, std::memory_order_acq_rel);
        return 0;
    }

    static int OnProcess(jack_nframes_t frames, void* self) {
        static_cast<TSoundProbe*>(self)->Run(frames);
        return 0;
    }

    void Run(jack_nframes_t frames) {
        const jack_nframes_t start = jack_last_frame_time(m_client);
        const bool armed = m_armed.load(std::memory_order_acquire);
        const float threshold = m_threshold.load(std::memory_order_relaxed);
        const jack_nframes_t from = m_from.load(std::memory_order_relaxed);
        jack_nframes_t first = 0;
        float peak = 0;
        for (jack_port_t* port : m_ports) {
            const auto* samples = static_cast<const float*>(jack_port_get_buffer(port, frames));
            for (jack_nframes_t i = 0; i < frames; ++i) {
                const float level = std::fabs(samples[i]);
                peak = std::max(peak, level);
                const jack_nframes_t at = start + i;
                if (armed && level > threshold && static_cast<std::int32_t>(at - from) >= 0 &&
                    (first == 0 || static_cast<std::int32_t>(at - first) < 0))
                    first = at;
            }
        }
        m_lastPeak.store(peak, std::memory_order_release);
        if (first != 0) {
            m_onset.store(first, std::memory_order_relaxed);
            m_armed.store(false, std::memory_order_release);
        }
    }

    jack_client_t* m_client = nullptr;
    jack_port_t* m_ports[2] = {};
    std::atomic<bool> m_armed{false};
    std::atomic<int> m_xruns{0};
    std::atomic<float> m_threshold{kLoud};
    std::atomic<jack_nframes_t> m_from{0};
    std::atomic<jack_nframes_t> m_onset{0};
    std::atomic<float> m_lastPeak{0};
};
