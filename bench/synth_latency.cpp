// Delay from sending a note to the built-in synth until its sound starts on the synth's JACK
// audio port, measured in JACK frames. A recording client listens to the synth's outputs and
// notes the frame of the first sample that is not silent; the frame time of the send is read
// just before the note goes out. Between notes the sound is cut off ("all sound off") and the
// output must be silent again. Pauses of random length put the sends on every moment of the
// server's cycle, which is what spreads the delay when notes start at the next block.
//
// Needs a running JACK server (JACK_DEFAULT_SERVER); bench/synth_latency.sh starts one per
// period and runs this. Usage: synth_latency [notes, default 200]
// Prints: period, notes, median, min, max and standard deviation of the delay in milliseconds;
// notes not heard (lost) and notes left out because the server missed a cycle or the send took
// longer than half a millisecond (disturbed).
#include <jack/jack.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/midi/systemmidi.h"

namespace {

using TClock = std::chrono::steady_clock;
constexpr const char* kSynthClient = "TastraSynthBench";

// Listens to two audio ports; remembers the first frame that is not silent after Arm() and the
// last one seen.
class TRecorder {
public:
    TRecorder() {
        jack_status_t status;
        m_client = jack_client_open("tastra-synth-recorder", JackNoStartServer, &status);
        if (!m_client) return;
        for (int i = 0; i < 2; ++i)
            m_ports[i] = jack_port_register(m_client, i ? "right" : "left", JACK_DEFAULT_AUDIO_TYPE,
                                            JackPortIsInput, 0);
        jack_set_process_callback(m_client, &TRecorder::Process, this);
        jack_set_xrun_callback(m_client, &TRecorder::Xrun, this);
        if (jack_activate(m_client) != 0) {
            jack_client_close(m_client);
            m_client = nullptr;
        }
    }
    ~TRecorder() {
        if (m_client) jack_client_close(m_client);
    }
    bool Ok() const { return m_client != nullptr; }
    jack_client_t* Client() const { return m_client; }
    std::string PortName(int i) const { return jack_port_name(m_ports[i]); }

    void Arm() {
        m_onset = -1;
        m_armed = true;
    }
    long long Onset() const { return m_onset; }
    // Cycles the server missed so far: frame times around one are not to be trusted.
    int Xruns() const { return m_xruns; }
    // Frames since the last sample that was not silent.
    long long SilentFor() const {
        return static_cast<long long>(jack_frame_time(m_client)) - m_lastSound;
    }

private:
    static int Process(jack_nframes_t frames, void* arg) {
        auto* self = static_cast<TRecorder*>(arg);
        const long long first = jack_last_frame_time(self->m_client);
        for (int p = 0; p < 2; ++p) {
            const auto* s =
                static_cast<const float*>(jack_port_get_buffer(self->m_ports[p], frames));
            for (jack_nframes_t i = 0; i < frames; ++i) {
                if (s[i] == 0.0f) continue;
                const long long at = first + i;
                if (self->m_armed && (self->m_onset < 0 || at < self->m_onset)) self->m_onset = at;
                if (at > self->m_lastSound) self->m_lastSound = at;
            }
        }
        if (self->m_onset >= 0) self->m_armed = false;
        return 0;
    }

    static int Xrun(void* arg) {
        ++static_cast<TRecorder*>(arg)->m_xruns;
        return 0;
    }

    jack_client_t* m_client = nullptr;
    jack_port_t* m_ports[2] = {nullptr, nullptr};
    std::atomic<int> m_xruns{0};
    std::atomic<bool> m_armed{false};
    std::atomic<long long> m_onset{-1};
    std::atomic<long long> m_lastSound{0};
};

// Polls `condition` every `stepUs` microseconds for at most `ms` milliseconds.
template <typename T>
bool WaitUntil(T condition, int ms, int stepUs = 200) {
    const auto until = TClock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (TClock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(stepUs));
    }
    return true;
}

// Connects the synth's audio outputs to the recorder once they exist.
bool ConnectSynth(TRecorder& recorder) {
    std::vector<std::string> outs;
    WaitUntil(
        [&] {
            outs.clear();
            const std::string pattern = std::string("^") + kSynthClient;
            if (const char** ports = jack_get_ports(recorder.Client(), pattern.c_str(),
                                                    JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput)) {
                for (const char** p = ports; *p; ++p) outs.emplace_back(*p);
                jack_free(ports);
            }
            return outs.size() >= 2;
        },
        10000,
        // Listing ports without pause keeps the server from activating the synth's client.
        20000);
    if (outs.size() < 2) return false;
    for (int i = 0; i < 2; ++i)
        if (jack_connect(recorder.Client(), outs[i].c_str(), recorder.PortName(i).c_str()) != 0)
            return false;
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    TRecorder recorder;
    if (!recorder.Ok()) {
        std::fprintf(stderr, "synth_latency: no JACK server answers\n");
        return 1;
    }
    const double rate = jack_get_sample_rate(recorder.Client());
    const int period = static_cast<int>(jack_get_buffer_size(recorder.Client()));

    auto service = CreateSystemMidiOutService(kSynthClient);
    MidiHandle synth = 0;
    if (service->OutOpen(0, synth) != kMidiOk) {
        std::fprintf(stderr, "synth_latency: the built-in synth did not open\n");
        return 1;
    }
    if (!ConnectSynth(recorder)) {
        std::fprintf(stderr, "synth_latency: the synth's audio ports did not appear\n");
        return 1;
    }
    const auto send = [&](std::uint32_t packed) { service->OutShortMsg(synth, packed); };
    const auto silence = [&] {
        send(0x003C90);  // note off
        send(0x0078B0);  // all sound off
        return WaitUntil([&] { return recorder.SilentFor() > 4 * period; }, 2000);
    };
    // The synth may still be loading its soundfont: a note is heard once it is ready.
    const bool ready = WaitUntil(
        [&] {
            recorder.Arm();
            send(0x643C90);
            const bool heard = WaitUntil([&] { return recorder.Onset() >= 0; }, 50);
            silence();
            return heard;
        },
        20000);
    if (!ready) {
        std::fprintf(stderr, "synth_latency: the synth stayed silent\n");
        return 1;
    }

    std::mt19937 random(17);
    std::uniform_int_distribution<int> pause(0, 20000);
    std::vector<double> ms;
    int lost = 0;
    int disturbed = 0;
    for (int i = 0; i < notes; ++i) {
        if (!silence()) {
            ++lost;
            continue;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
        recorder.Arm();
        const int xruns = recorder.Xruns();
        const long long sent = jack_frame_time(recorder.Client());
        send(0x643C90);  // middle C, velocity 100
        const long long sendFrames = jack_frame_time(recorder.Client()) - sent;
        if (!WaitUntil([&] { return recorder.Onset() >= 0; }, 1000)) {
            ++lost;
            continue;
        }
        // A busy machine makes the server miss cycles, or takes the processor away between
        // reading the clock and sending: such a note tells nothing about the program.
        if (recorder.Xruns() != xruns || recorder.Onset() < sent || sendFrames > rate / 2000) {
            ++disturbed;
            continue;
        }
        ms.push_back((recorder.Onset() - sent) * 1000.0 / rate);
    }
    service->OutClose(synth);
    if (ms.empty()) {
        std::fprintf(stderr, "synth_latency: no note was heard\n");
        return 1;
    }
    double mean = 0, square = 0;
    for (double v : ms) mean += v;
    mean /= ms.size();
    for (double v : ms) square += (v - mean) * (v - mean);
    std::printf(
        "period %4d (%5.2f ms)  notes %3zu  median %6.2f  min %6.2f  max %6.2f  stddev %5.2f ms"
        "  lost %d  disturbed %d\n",
        period, period * 1000.0 / rate, ms.size(), Median(ms),
        *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
        std::sqrt(square / ms.size()), lost, disturbed);
    return 0;
}
