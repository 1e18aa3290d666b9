#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "platform/midi/synthcontrol.h"

class TSettingsStore;
class TUserPrompts;

// Where the built-in synth's settings are stored, written exactly as stored.
namespace SynthSettingsKeys {
inline constexpr const char* kSection = "BuiltinSynth";
inline constexpr const char* kSoundfont = "Soundfont";
inline constexpr const char* kAudioOutput = "AudioOutput";  // 0 automatic, 1 PulseAudio, 2 JACK,
                                                            // 3 ALSA
inline constexpr const char* kBufferSize = "BufferSize";    // frames
inline constexpr const char* kBuffers = "Buffers";
inline constexpr const char* kReverb = "Reverb";
inline constexpr const char* kChorus = "Chorus";
inline constexpr const char* kGain = "Gain";  // hundredths
}  // namespace SynthSettingsKeys

// The main window's side of the built-in synth: keeps its settings with the program's others,
// hands the settings page's choices to it, and passes on what it tells (status texts, errors,
// a start that failed). Without a synth (tests with virtual devices) the settings are only kept.
class TSynthLink : public QObject {
public:
    struct THost {
        TSynthControl* synth = nullptr;
        TUserPrompts* prompts = nullptr;
        // Problems go to the status text; what it plays and how (the soundfont, the output,
        // the delay) to the status hint, read on hover and on the synth's settings page.
        std::function<void(const QString&)> statusText;
        std::function<void(const QString&)> statusHint;
        // The synth cannot play: `text` says why; the output device should close if it is the
        // synth.
        std::function<void(const QString& text)> failed;
    };
    explicit TSynthLink(THost host);
    ~TSynthLink() override;

    // Settings of this computer: stored in the registry only, never exported.
    void LoadSettings(TSettingsStore& store);
    void SaveSettings(TSettingsStore& store);

    TSynthSettings Settings() const;
    TSynthStatus Status() const;
    // The settings page's choice; false (after telling the user) when it was refused.
    bool Apply(const TSynthSettings& settings);

private:
    void TakeNotices();

    THost m_host;
    TSynthSettings m_settings;
};
