#include "platform/midi/pulseoutput.h"

#include <algorithm>
#include <cstring>

#include "platform/lib/steadyclock.h"
#include "platform/midi/pulseapi.h"

bool TPulseOutput::Start(const TNames& names, double rate, int requestFrames, int bufferFrames) {
    Stop();
    const TPulseApi* pa = PulseApi();
    if (!pa) return false;
    m_stopping = false;
    m_told = false;
    m_ready = m_refused = false;
    m_latencyUs = -1;
    m_loop = pa->pa_threaded_mainloop_new();
    if (!m_loop) return false;

    // What mixers show: the program's name and icon for the client, the stream's own name, and
    // that it is music (some servers route and duck by role).
    pa_proplist* client = pa->pa_proplist_new();
    pa->pa_proplist_sets(client, PA_PROP_APPLICATION_NAME, names.application.c_str());
    if (!names.icon.empty())
        pa->pa_proplist_sets(client, PA_PROP_APPLICATION_ICON_NAME, names.icon.c_str());
    m_context = pa->pa_context_new_with_proplist(pa->pa_threaded_mainloop_get_api(m_loop),
                                                 names.application.c_str(), client);
    pa->pa_proplist_free(client);
    if (!m_context) {
        Stop();
        return false;
    }
    pa->pa_context_set_state_callback(m_context, &TPulseOutput::ContextState, this);
    pa->pa_threaded_mainloop_lock(m_loop);
    // Never starts a server behind the user's back.
    bool ok = pa->pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
              pa->pa_threaded_mainloop_start(m_loop) >= 0 && WaitReady();
    if (ok) {
        m_askedServer = false;
        m_pipeWire = false;
        if (pa_operation* o =
                pa->pa_context_get_server_info(m_context, &TPulseOutput::ServerInfo, this)) {
            while (!m_askedServer && !m_refused) pa->pa_threaded_mainloop_wait(m_loop);
            pa->pa_operation_unref(o);
        }
    }
    if (ok) {
        const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, static_cast<std::uint32_t>(rate), 2};
        pa_proplist* stream = pa->pa_proplist_new();
        pa->pa_proplist_sets(stream, PA_PROP_MEDIA_NAME, names.stream.c_str());
        pa->pa_proplist_sets(stream, PA_PROP_MEDIA_ROLE, "music");
        if (!names.icon.empty())
            pa->pa_proplist_sets(stream, PA_PROP_MEDIA_ICON_NAME, names.icon.c_str());
        m_stream = pa->pa_stream_new_with_proplist(m_context, names.stream.c_str(), &format,
                                                   nullptr, stream);
        pa->pa_proplist_free(stream);
        ok = m_stream != nullptr;
    }
    if (ok) {
        constexpr std::uint32_t kFrameBytes = 2 * sizeof(float);
        constexpr std::uint32_t kServerChooses = static_cast<std::uint32_t>(-1);
        // The whole queue from our write to the speaker is asked to stay within bufferFrames,
        // topped up in requests of requestFrames; the server grants what it can, and tells what
        // it granted through the latency it reports.
        pa_buffer_attr attr;
        attr.maxlength = kServerChooses;
        attr.tlength = static_cast<std::uint32_t>(bufferFrames) * kFrameBytes;
        attr.prebuf = kServerChooses;
        attr.minreq = static_cast<std::uint32_t>(requestFrames) * kFrameBytes;
        attr.fragsize = kServerChooses;
        pa->pa_stream_set_state_callback(m_stream, &TPulseOutput::StreamState, this);
        pa->pa_stream_set_write_callback(m_stream, &TPulseOutput::Write, this);
        pa->pa_stream_set_latency_update_callback(m_stream, &TPulseOutput::LatencyUpdate, this);
        m_ready = false;
        ok = pa->pa_stream_connect_playback(
                 m_stream, nullptr, &attr,
                 static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                PA_STREAM_INTERPOLATE_TIMING |
                                                PA_STREAM_AUTO_TIMING_UPDATE),
                 nullptr, nullptr) >= 0 &&
             WaitReady();
    }
    pa->pa_threaded_mainloop_unlock(m_loop);
    if (!ok) Stop();
    return ok;
}

bool TPulseOutput::WaitReady() {
    // Under the loop's lock; the state callbacks signal each change.
    while (!m_ready && !m_refused) PulseApi()->pa_threaded_mainloop_wait(m_loop);
    return m_ready;
}

void TPulseOutput::Stop() {
    const TPulseApi* pa = PulseApi();
    if (!m_loop) return;
    m_stopping = true;
    pa->pa_threaded_mainloop_stop(m_loop);
    if (m_stream) {
        pa->pa_stream_disconnect(m_stream);
        pa->pa_stream_unref(m_stream);
    }
    if (m_context) {
        pa->pa_context_disconnect(m_context);
        pa->pa_context_unref(m_context);
    }
    pa->pa_threaded_mainloop_free(m_loop);
    m_stream = nullptr;
    m_context = nullptr;
    m_loop = nullptr;
    m_latencyUs = -1;
}

void TPulseOutput::Lose() {
    if (m_stopping || m_told.exchange(true)) return;
    m_lost(m_target);
}

void TPulseOutput::ContextState(pa_context* context, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    switch (PulseApi()->pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            if (!self->m_stream) self->m_ready = true;
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            if (self->m_ready && self->m_stream) self->Lose();
            self->m_refused = true;
            break;
        default:
            return;
    }
    PulseApi()->pa_threaded_mainloop_signal(self->m_loop, 0);
}

void TPulseOutput::StreamState(pa_stream* stream, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    switch (PulseApi()->pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            self->m_ready = true;
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            // Also when the sink it plays to is removed and no other takes it.
            if (self->m_ready) self->Lose();
            self->m_refused = true;
            break;
        default:
            return;
    }
    PulseApi()->pa_threaded_mainloop_signal(self->m_loop, 0);
}

void TPulseOutput::Write(pa_stream* stream, size_t bytes, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    const TPulseApi& pa = *PulseApi();
    while (bytes >= 2 * sizeof(float)) {
        void* buffer = nullptr;
        size_t size = bytes;
        if (pa.pa_stream_begin_write(stream, &buffer, &size) < 0 || !buffer) return;
        const int frames = static_cast<int>(std::min(size, bytes) / (2 * sizeof(float)));
        if (frames <= 0) return;
        // Grows to the largest request once; the server asks for about the same every time.
        if (self->m_left.size() < static_cast<size_t>(frames)) {
            self->m_left.resize(frames);
            self->m_right.resize(frames);
        }
        std::fill_n(self->m_left.data(), frames, 0.0f);
        std::fill_n(self->m_right.data(), frames, 0.0f);
        // Where the block will be heard: the time from a write to its sound, from now.
        pa_usec_t usec = 0;
        int negative = 0;
        std::int64_t heard = -1;
        if (pa.pa_stream_get_latency(stream, &usec, &negative) == 0) {
            const std::int64_t latency = negative ? 0 : static_cast<std::int64_t>(usec);
            self->m_latencyUs.store(latency, std::memory_order_relaxed);
            heard = SteadyNowNs() + latency * 1000;
        }
        self->m_fill(self->m_target, self->m_left.data(), self->m_right.data(), frames, heard);
        auto* out = static_cast<float*>(buffer);
        for (int i = 0; i < frames; ++i) {
            out[2 * i] = self->m_left[i];
            out[2 * i + 1] = self->m_right[i];
        }
        const size_t written = static_cast<size_t>(frames) * 2 * sizeof(float);
        if (pa.pa_stream_write(stream, buffer, written, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
        bytes -= written;
    }
}

void TPulseOutput::ServerInfo(pa_context*, const pa_server_info* info, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    self->m_pipeWire =
        info && info->server_name && std::strstr(info->server_name, "PipeWire") != nullptr;
    self->m_askedServer = true;
    PulseApi()->pa_threaded_mainloop_signal(self->m_loop, 0);
}

void TPulseOutput::LatencyUpdate(pa_stream* stream, void* data) {
    auto* self = static_cast<TPulseOutput*>(data);
    pa_usec_t usec = 0;
    int negative = 0;
    if (PulseApi()->pa_stream_get_latency(stream, &usec, &negative) == 0)
        self->m_latencyUs.store(negative ? 0 : static_cast<std::int64_t>(usec),
                                std::memory_order_relaxed);
}
