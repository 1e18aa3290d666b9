#pragma once

#include <functional>
#include <string>
#include <vector>

// Where the built-in synth sends its sound.
enum class TSynthOutput {
    Automatic,   // JACK where a server runs (PipeWire's too), else the desktop sound server
                 // (PulseAudio, or PipeWire answering as it), else ALSA
    PulseAudio,  // PulseAudio or PipeWire
    Jack,
    Alsa,
};

// How the built-in synth plays. Applied while it plays, without a restart.
struct TSynthSettings {
    // The soundfont file; empty: the system's General MIDI soundfont.
    std::string Soundfont;
    TSynthOutput Output = TSynthOutput::Automatic;
    // Frames per buffer and buffers: the audio output's latency (JACK sets its own). Notes
    // sound one buffer after they are played.
    int BufferFrames = 256;
    int Buffers = 2;
    bool Reverb = false;
    bool Chorus = false;
    double Gain = 0.5;

    bool operator==(const TSynthSettings& o) const {
        return Soundfont == o.Soundfont && Output == o.Output && BufferFrames == o.BufferFrames &&
               Buffers == o.Buffers && Reverb == o.Reverb && Chorus == o.Chorus && Gain == o.Gain;
    }
    bool operator!=(const TSynthSettings& o) const { return !(*this == o); }
};

constexpr int kMinSynthBufferFrames = 64;
constexpr int kMaxSynthBufferFrames = 4096;
constexpr int kMinSynthBuffers = 2;
constexpr int kMaxSynthBuffers = 8;
constexpr double kMaxSynthGain = 2.0;
// Brings stored or typed values into the ranges above.
TSynthSettings ClampedSynthSettings(TSynthSettings settings);

// What the built-in synth is doing.
struct TSynthStatus {
    // Waiting: the audio output went away (its server stopped); the synth plays again as soon
    // as it can be opened again.
    enum TState { Closed, Starting, Ready, Failed, Waiting };
    TState State = Closed;
    // While ready: the soundfont in use, the audio output's name, its sample rate, the frames
    // of one block and the frames the output holds back after that (its server's queue).
    std::string Soundfont;
    std::string Output;
    double SampleRate = 0;
    int BlockFrames = 0;
    int OutputFrames = 0;
    // Once failed: why.
    std::string Failure;

    // From a note being played to its first sound, in milliseconds, while ready.
    double DelayMs() const {
        return SampleRate > 0 ? (BlockFrames + OutputFrames) * 1000.0 / SampleRate : 0.0;
    }
};

// Something the built-in synth has to tell the user, in the order it happened.
struct TSynthNotice {
    enum TKind {
        Status,  // a progress text for the status bar
        Error,   // a failure to show in a message box; the synth plays on as before
        Failed,  // the synth cannot play: the text says why; its device should be closed
        Outage,  // the audio output went away or came back: for the status text at once
    };
    TKind Kind;
    std::string Text;
};

// The built-in synth as the settings and the main window see it. Window thread only, except
// the change handler.
class TSynthControl {
public:
    virtual ~TSynthControl() = default;
    // Takes stored settings at start-up: a soundfont that does not load is reported and
    // replaced by the next candidate when the synth starts.
    virtual void Restore(const TSynthSettings& settings) = 0;
    // Takes settings chosen by the user. A soundfont file that is plainly not one is refused at
    // once: the result says why and nothing changes. Otherwise the settings are taken and
    // applied in the background; if the soundfont then fails to load, an Error notice says so,
    // the previous soundfont plays on and Settings() names it again.
    virtual std::string Apply(const TSynthSettings& settings) = 0;
    virtual TSynthSettings Settings() const = 0;
    virtual TSynthStatus Status() const = 0;
    virtual std::vector<TSynthNotice> TakeNotices() = 0;
    // Called on another thread whenever there is a notice; the handler only wakes the window
    // thread. Once this returns, a handler it replaced is no longer called.
    virtual void SetOnChange(std::function<void()> handler) = 0;
};
