#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/midi/midiservice.h"
#include "platform/midi/soundfonts.h"
#include "platform/midi/synthaudio.h"
#include "platform/midi/synthchannels.h"
#include "platform/midi/synthcontrol.h"
#include "platform/midi/synthschedule.h"

class TBuiltinSynth;

// The built-in synth as a MIDI device: the synthesizer, its soundfont and its audio output.
//
// Everything slow (opening the synthesizer library and the audio output, reading the soundfont)
// runs on a thread of its own, so opening the device answers at once and the window never
// waits. Until the synth is ready, notes sent to it are dropped (a status notice says so);
// program, bank and controller changes are kept and take effect when it is. A start that fails
// is told by a Failed notice, and from then on Send answers with the failure's code (the
// synth's codes of systemmidi.h).
//
// Every message is stamped when it is sent (with the JACK frame time when the output is JACK)
// and played one audio block later, at the frame that corresponds to its stamp, so every note
// has the same delay whatever moment of the block it was played in.
//
// An output whose server goes away (JACK or the desktop sound server stopped or restarted) is
// not a failure: the synth falls silent, says so with an Outage notice, and opens the output
// again as soon as it can, trying a few times a second; an Outage notice tells when it plays
// again. Notes sent meanwhile are dropped like those sent before it is ready.
class TSynthDevice : public TSynthControl {
public:
    explicit TSynthDevice(std::string clientName, std::string soundfontFolder = kSoundfontFolder);
    ~TSynthDevice() override;
    TSynthDevice(const TSynthDevice&) = delete;
    TSynthDevice& operator=(const TSynthDevice&) = delete;

    // The device, on the window thread. Open answers kMidiErrAllocated while it is open.
    MidiResult Open();
    void Close();
    MidiResult Send(std::uint32_t packed, TMidiFrameTime time = TMidiFrameTime());
    // Ends every note and puts the controllers back to rest.
    void Reset();
    // Text for the codes above; false for others.
    bool ErrorText(MidiResult code, std::string& text) const;

    void Restore(const TSynthSettings& settings) override;
    std::string Apply(const TSynthSettings& settings) override;
    TSynthSettings Settings() const override;
    TSynthStatus Status() const override;
    std::vector<TSynthNotice> TakeNotices() override;
    void SetOnChange(std::function<void()> handler) override;

    // Waits until the background work has caught up with what was asked of it; false when it
    // has not after `timeoutMs`. For tests and benchmarks.
    bool WaitSettled(int timeoutMs);
    // The program and a controller's value a channel of the playing synthesizer has now; -1
    // while none plays.
    int PlayingProgram(int channel);
    int PlayingController(int channel, int controller);

private:
    static void RenderBlock(void* self, float* left, float* right, int frames,
                            std::int64_t blockStart);
    static void OutputLost(void* self);
    void Render(float* left, float* right, int frames, std::int64_t blockStart);

    void Run();
    void Reconcile();
    bool EnsureOutput(const TSynthSettings& wanted);
    bool EnsureEngine(const TSynthSettings& wanted, bool userSoundfont);
    void Publish(std::unique_ptr<TBuiltinSynth> engine);
    void StopOutput(bool closing);
    void ApplyEffects(TBuiltinSynth& engine, const TSynthSettings& settings);
    void WaitForFirstBlock();
    void BeginWaiting();
    std::string ReadyText() const;
    void Notice(TSynthNotice::TKind kind, const std::string& text);
    void Fail(MidiResult code, const std::string& text);
    void SetState(TSynthStatus::TState state);

    const std::string m_clientName;
    const std::string m_folder;

    // What the window asked for, the status and the notices; guarded by m_lock.
    mutable std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_settled;
    bool m_open = false;
    TSynthSettings m_settings;
    // True while the soundfont asked for is the user's new choice, refused when it fails.
    bool m_userSoundfont = false;
    bool m_dirty = false;
    bool m_busy = false;
    bool m_quit = false;
    TSynthStatus m_status;
    MidiResult m_failure = kMidiOk;
    std::vector<TSynthNotice> m_notices;
    std::mutex m_changeLock;
    std::function<void()> m_onChange;

    // The worker's own: the output and what the engine was made for.
    TSynthAudio m_audio;
    TSynthOutput m_audioOutput = TSynthOutput::Automatic;
    int m_audioFrames = 0;
    int m_audioBuffers = 0;
    std::string m_engineWanted;
    std::string m_engineFile;
    double m_engineRate = 0;
    TSynthSettings m_effects;
    // The output went away and is being opened again.
    bool m_waiting = false;
    std::string m_lostOutputName;
    int m_outputFrames = 0;

    // Shared with the audio thread; guarded by m_engineLock.
    std::mutex m_engineLock;
    std::unique_ptr<TBuiltinSynth> m_engine;
    TSynthChannels m_channels;
    std::deque<TTimedMessage> m_pending;
    double m_rate = 0;
    double m_framesPerUnit = 0;
    std::atomic<bool> m_ready{false};
    std::atomic<int> m_blockFrames{0};
    // Set by the output's thread when it stopped on its own.
    std::atomic<bool> m_outputLost{false};

    // Sent while ready, not yet taken by the audio thread; guarded by m_queueLock, under which
    // the stamps are taken from the output's clock (the output does not stop meanwhile).
    std::mutex m_queueLock;
    std::vector<TTimedMessage> m_incoming;

    std::thread m_worker;
};
