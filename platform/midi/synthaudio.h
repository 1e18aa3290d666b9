#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <string>

#include "platform/midi/midiservice.h"
#include "platform/midi/pulseoutput.h"
#include "platform/midi/synthcontrol.h"
#include "platform/midi/synthschedule.h"

struct _fluid_audio_driver_t;
struct _fluid_hashtable_t;
struct _jack_client;
struct _jack_port;

// The audio output of the built-in synth: opens a sound server or device and asks the renderer
// for every block it plays, telling it when the block starts on the output's clock.
//
// The clock is the JACK frame time when the output is JACK (a client of our own), so messages
// stamped with Now() keep their spacing to the frame however late the audio thread wakes up.
// The desktop sound server gets a stream of our own too (named after the program); ALSA is
// opened through the synthesizer library. Their clock is the steady clock in nanoseconds, and a
// block's start is the smoothed moment its request came.
//
// Start and Stop on one thread; the renderer runs on the output's own thread; Now() and
// FramesPerUnit() from any thread while the output runs.
class TSynthAudio {
public:
    // Fills `frames` frames of the two zeroed channel buffers. `blockStart` is the moment the
    // block starts, on the output's clock.
    using TRenderFunction = void (*)(void* target, float* left, float* right, int frames,
                                     std::int64_t blockStart);
    // The output stopped on its own (its server went away). Called on a thread of the output's.
    using TLostFunction = void (*)(void* target);

    TSynthAudio(TRenderFunction render, TLostFunction lost, void* target)
        : m_render(render),
          m_lost(lost),
          m_target(target),
          m_pulse(&TSynthAudio::PulseFill, &TSynthAudio::PulseLost, this) {}
    ~TSynthAudio() { Stop(); }
    TSynthAudio(const TSynthAudio&) = delete;
    TSynthAudio& operator=(const TSynthAudio&) = delete;

    // Opens `output` (for Automatic: JACK where a server runs, else the desktop sound server,
    // else ALSA) with buffers of `bufferFrames` frames. False with the reason in `failure`. The
    // JACK client is called `clientName`; JACK chooses the block size and sample rate itself.
    bool Start(TSynthOutput output, int bufferFrames, int buffers, const std::string& clientName,
               std::string& failure);
    void Stop();
    // False also once the output stopped on its own.
    bool Running() const { return (m_driver || m_jack || m_pulseRunning) && !m_lostOutput; }
    // The frames a note waits beyond one block before it is heard: 0 where the block is heard as
    // it is played (JACK), the sound server's queue on the desktop sound server; -1 while that is
    // not known yet.
    int OutputLatencyFrames() const;
    double SampleRate() const { return m_sampleRate; }
    // "PulseAudio", "JACK" or "ALSA": the output that opened.
    const std::string& DriverName() const { return m_driverName; }

    // The output's clock now, and how many frames one of its units is.
    std::int64_t Now() const;
    // A message's moment on the output's clock: the moment of `time` when it is known (a JACK
    // frame time on JACK, a steady-clock moment on either), else now.
    std::int64_t StampOf(TMidiFrameTime time) const;
    double FramesPerUnit() const { return m_framesPerUnit; }

private:
    bool StartDriver(const char* driver, int bufferFrames, int buffers);
    bool StartJack(const std::string& clientName);
    bool StartPulse(int bufferFrames, int buffers);
    static void PulseFill(void* data, float* left, float* right, int frames, std::int64_t heardNs);
    static void PulseLost(void* data);
    static int DriverCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);
    static int JackProcess(unsigned frames, void* data);
    static void JackShutdown(void* data);

    TRenderFunction m_render;
    TLostFunction m_lost;
    void* m_target;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_audio_driver_t* m_driver = nullptr;
    _jack_client* m_jack = nullptr;
    _jack_port* m_ports[2] = {nullptr, nullptr};
    TPulseOutput m_pulse;
    bool m_pulseRunning = false;
    // The desktop sound server's queue moves with its wake-ups; notes are placed by the moment
    // each block will be heard, at a constant delay: the longest the server kept a block queued
    // while the stream started, learnt on the audio thread (0 until then). Nanoseconds.
    std::atomic<std::int64_t> m_serverDelayNs{0};
    std::int64_t m_learnUntilNs = 0;
    std::int64_t m_longestNs = 0;
    std::int64_t m_nextHeardNs = -1;
    std::atomic<int> m_lastBlockFrames{0};
    std::atomic<bool> m_lostOutput{false};
    TBlockClock m_clock;  // the audio thread's, for the outputs without a clock of their own
    double m_sampleRate = 0;
    double m_framesPerUnit = 0;
    std::string m_driverName;
};

// "PulseAudio / PipeWire", "JACK", ...: the English name, also the source of its translation.
const char* SynthOutputName(TSynthOutput output);
// The name in the user's language.
QString SynthOutputDisplayName(TSynthOutput output);
// What the user reads when no output at all could be opened.
std::string NoAudioOutputText();
