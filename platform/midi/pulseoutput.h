#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

struct pa_context;
struct pa_server_info;
struct pa_stream;
struct pa_threaded_mainloop;

// A playback stream on the desktop sound server (PulseAudio, or PipeWire answering as it),
// shown by mixers under the program's name and icon. The server asks for sound on a thread of
// the client library's; the stream tells when the server goes away.
class TPulseOutput {
public:
    // Fills `frames` frames of the two zeroed channel buffers; called on the library's thread.
    // `heardNs` is the steady-clock moment the server will play the block's first frame, as its
    // timing tells; -1 until it has told any.
    using TFill = void (*)(void* target, float* left, float* right, int frames,
                           std::int64_t heardNs);
    using TLost = void (*)(void* target);

    // How the stream presents itself: the program's name and icon name, and the stream's own
    // name (what the program plays).
    struct TNames {
        std::string application;
        std::string icon;
        std::string stream;
    };

    TPulseOutput(TFill fill, TLost lost, void* target)
        : m_fill(fill), m_lost(lost), m_target(target) {}
    ~TPulseOutput() { Stop(); }
    TPulseOutput(const TPulseOutput&) = delete;
    TPulseOutput& operator=(const TPulseOutput&) = delete;

    // Connects at `rate` Hz asking the server to keep no more than `bufferFrames` frames queued
    // ahead of what is heard; false when no server answers or the stream is refused.
    bool Start(const TNames& names, double rate, int requestFrames, int bufferFrames);
    void Stop();
    // The server's latest figure for the time from writing a frame to hearing it, in
    // microseconds; -1 until it told one.
    std::int64_t LatencyUs() const { return m_latencyUs.load(std::memory_order_relaxed); }
    // True when the server is PipeWire answering as PulseAudio. Its latency figure leaves out
    // the cycle in which the graph takes a block to the sink (measured at a sink's monitor: one
    // request later than reported).
    bool PipeWire() const { return m_pipeWire; }

private:
    static void ContextState(pa_context* context, void* self);
    static void StreamState(pa_stream* stream, void* self);
    static void Write(pa_stream* stream, size_t bytes, void* self);
    static void LatencyUpdate(pa_stream* stream, void* self);
    static void ServerInfo(pa_context* context, const pa_server_info* info, void* self);
    bool WaitReady();
    void Lose();

    TFill m_fill;
    TLost m_lost;
    void* m_target;
    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    bool m_ready = false;    // both connected; under the loop's lock
    bool m_refused = false;  // a connection failed before it was ready
    bool m_pipeWire = false;
    bool m_askedServer = false;  // under the loop's lock
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_told{false};
    std::atomic<std::int64_t> m_latencyUs{-1};
    std::vector<float> m_left, m_right;
};
