#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The General MIDI soundfont to use: the first of default-GM.sf2, TimGM6mb.sf2 and
// FluidR3_GM.sf2 that exists in `folder`; empty when there is none.
std::string FindGeneralMidiSoundfont(const std::string& folder = "/usr/share/sounds/sf2");

// Routes the synthesizer library's log: warnings and chatter are dropped, errors go to stderr
// unless a capture is active (then they are collected for the caller to report). Idempotent.
void InstallQuietSynthLog();

struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_audio_driver_t;

// The software synthesizer behind the "Built-in Synth" device: takes packed short messages and
// renders General MIDI sound, either into an audio driver or offline into a buffer. Send() may
// be called from one thread while the audio driver renders on its own.
class TBuiltinSynth {
public:
    explicit TBuiltinSynth(double sampleRate = 44100.0);
    ~TBuiltinSynth();
    TBuiltinSynth(const TBuiltinSynth&) = delete;
    TBuiltinSynth& operator=(const TBuiltinSynth&) = delete;

    bool LoadSoundfont(const std::string& path);
    bool HasSoundfont() const { return m_soundfontId >= 0; }

    // packed = status | data1 << 8 | data2 << 16. Channel messages are played; system messages
    // other than a system reset (0xFF) are ignored.
    void Send(std::uint32_t packed);
    // Ends every sounding note and puts the controllers of every channel back to rest.
    void Reset();
    // Renders `frames` frames into interleaved stereo samples. Only while no audio driver runs.
    std::vector<float> Render(int frames);

    // Starts sound output, trying the desktop sound server (PulseAudio; PipeWire answers as it),
    // ALSA and JACK in that order. False when none could be opened. `clientName` names the
    // JACK client.
    bool StartAudio(const std::string& clientName);
    void StopAudio();
    bool AudioRunning() const { return m_driver != nullptr; }

private:
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
    _fluid_audio_driver_t* m_driver = nullptr;
    int m_soundfontId = -1;
};
