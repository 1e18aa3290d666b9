#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/midi/soundfonts.h"

// Routes the synthesizer library's log: warnings and chatter are dropped, errors go to stderr
// unless a TQuietSynthLog is alive. Idempotent.
void InstallQuietSynthLog();

// While alive, the library's errors are dropped: soundfonts that fail to load and audio outputs
// that are not there are expected while the candidates are tried, and the caller tells the user
// in its own words.
class TQuietSynthLog {
public:
    TQuietSynthLog();
    ~TQuietSynthLog();
    TQuietSynthLog(const TQuietSynthLog&) = delete;
    TQuietSynthLog& operator=(const TQuietSynthLog&) = delete;
};

struct _fluid_hashtable_t;
struct _fluid_synth_t;

// One software synthesizer with its soundfont: takes packed short messages and renders General
// MIDI sound into buffers it is handed (an audio driver's, or offline). Messages and rendering
// may come from different threads; loading a soundfont must not overlap rendering.
class TBuiltinSynth {
public:
    explicit TBuiltinSynth(double sampleRate = 44100.0);
    ~TBuiltinSynth();
    TBuiltinSynth(const TBuiltinSynth&) = delete;
    TBuiltinSynth& operator=(const TBuiltinSynth&) = delete;

    // False without the synthesizer library: then nothing below does anything.
    bool Usable() const { return m_synth != nullptr; }
    double SampleRate() const { return m_sampleRate; }

    // Replaces the soundfont; a file that cannot be loaded leaves the previous one in place.
    bool LoadSoundfont(const std::string& path);
    bool HasSoundfont() const { return m_soundfontId >= 0; }

    // packed = status | data1 << 8 | data2 << 16. Channel messages are played; system messages
    // other than a system reset (0xFF) are ignored.
    void Send(std::uint32_t packed);
    // Silences every voice at once and puts the controllers of every channel back to rest.
    void Reset();
    // What a channel plays with now: its program and the value of a controller; -1 without a
    // synthesizer.
    int Program(int channel) const;
    int Controller(int channel, int controller) const;

    void SetReverb(bool on);
    void SetChorus(bool on);
    void SetGain(double gain);

    // Adds `frames` frames of sound, effects included, to the two channel buffers.
    void Process(float* left, float* right, int frames);
    // Renders `frames` frames offline into interleaved stereo samples.
    std::vector<float> Render(int frames);

private:
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
    double m_sampleRate;
    int m_soundfontId = -1;
};
