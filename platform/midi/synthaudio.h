#pragma once

#include <string>

#include "platform/midi/synthcontrol.h"

struct _fluid_audio_driver_t;
struct _fluid_hashtable_t;

// The audio output of the built-in synth: opens a sound server or device through the
// synthesizer library and asks the renderer for every block it plays. Start and Stop on one
// thread; the renderer runs on the output's own thread.
class TSynthAudio {
public:
    // Fills `frames` frames of the two zeroed channel buffers; called on the audio thread.
    using TRenderFunction = void (*)(void* target, float* left, float* right, int frames);

    TSynthAudio(TRenderFunction render, void* target) : m_render(render), m_target(target) {}
    ~TSynthAudio() { Stop(); }
    TSynthAudio(const TSynthAudio&) = delete;
    TSynthAudio& operator=(const TSynthAudio&) = delete;

    // Opens `output` (for Automatic: the desktop sound server, ALSA, JACK, the first that
    // opens) with buffers of `bufferFrames` frames. False with the reason in `failure`. The JACK
    // client is called `clientName`; JACK chooses the block size and sample rate itself.
    bool Start(TSynthOutput output, int bufferFrames, int buffers, const std::string& clientName,
               std::string& failure);
    void Stop();
    bool Running() const { return m_driver != nullptr; }
    double SampleRate() const { return m_sampleRate; }
    // "PulseAudio", "JACK" or "ALSA": the output that opened.
    const std::string& DriverName() const { return m_driverName; }

private:
    bool StartDriver(const char* driver, int bufferFrames, int buffers,
                     const std::string& clientName);
    static int Callback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    TRenderFunction m_render;
    void* m_target;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_audio_driver_t* m_driver = nullptr;
    double m_sampleRate = 0;
    std::string m_driverName;
};

// "PulseAudio / PipeWire", "JACK", ... for the user.
const char* SynthOutputName(TSynthOutput output);
