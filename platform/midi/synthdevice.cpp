#include "platform/midi/synthdevice.h"

#include <pthread.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "platform/lib/freememory.h"
#include "platform/lib/translatedtext.h"
#include "platform/midi/builtinsynth.h"
#include "platform/midi/fluidapi.h"
#include "platform/midi/systemmidi.h"

namespace {

// The synthesizer starts a note on a grid of 64 frames. Aiming half a grid step early puts the
// note on the grid point nearest to its frame rather than on the next one.
constexpr int kSynthGridFrames = 64;

// JACK chooses the block size: the first block tells it. A start without blocks after this long
// states the block asked for.
constexpr auto kFirstBlockWait = std::chrono::milliseconds(500);

// The desktop sound server's delay is learnt over the first quarter second of timing reports; a
// start without one after this long states the block alone.
constexpr auto kLatencyWait = std::chrono::milliseconds(1000);

// While the output is away it is looked for this often: a server that is back is heard within
// this time and the time it takes to open.
constexpr auto kRetryInterval = std::chrono::milliseconds(200);

// Reading a soundfont is background work: the window thread goes first when both want the
// processor. It runs on a thread of its own, so that the threads the audio output starts do not
// inherit the lower priority (on Linux every thread has a niceness of its own, and only a
// privileged one may raise it again).
constexpr int kLoaderNiceness = 10;

void RunAtLowPriority(const std::function<void()>& work) {
    std::thread loader([&work] {
        setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), kLoaderNiceness);
        work();
    });
    loader.join();
}

// Note-on, note-off and key pressure: what a synth that is not ready yet drops.
bool IsNoteMessage(std::uint32_t packed) {
    const int kind = packed & 0xF0;
    return kind == 0x80 || kind == 0x90 || kind == 0xA0;
}

template <typename... TArgs>
std::string Tr(const char* text, const TArgs&... values) {
    return TranslatedText("BuiltinSynth", text, values...);
}

std::string NoLibraryText() {
    return Tr(QT_TRANSLATE_NOOP(
                  "BuiltinSynth",
                  "The synthesizer library %1 is not installed: the Built-in Synth cannot play."),
              std::string(kFluidLibraryName));
}

std::string TheSoundfont(const std::string& path) {
    return Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "The soundfont %1"), path);
}

// Why a folder offers no General MIDI soundfont, as a clause for a list of failures: none is
// there, or the folder cannot be read.
std::string NoSoundfontInFolder(const std::string& folder) {
    const TSoundfontProblem problem = SoundfontFolderProblem(folder);
    if (!problem || problem.kind == TSoundfontProblem::Missing)
        return Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "no General MIDI soundfont found in %1"),
                  folder);
    return problem.About(Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "the soundfont folder %1"), folder));
}

// A clause begun as a sentence, in any language.
std::string UpperFirst(const std::string& text) {
    QString t = QString::fromStdString(text);
    if (!t.isEmpty()) t[0] = t[0].toUpper();
    return t.toStdString();
}

std::string JoinFailures(const std::vector<std::string>& failures) {
    std::string text;
    for (const std::string& f : failures) text += (text.empty() ? "" : ", ") + f;
    return text;
}

}  // namespace

TSynthSettings ClampedSynthSettings(TSynthSettings s) {
    s.BufferFrames = std::clamp(s.BufferFrames, kMinSynthBufferFrames, kMaxSynthBufferFrames);
    s.Buffers = std::clamp(s.Buffers, kMinSynthBuffers, kMaxSynthBuffers);
    s.Gain = std::isfinite(s.Gain) ? std::clamp(s.Gain, 0.0, kMaxSynthGain) : 0.5;
    if (s.Output < TSynthOutput::Automatic || s.Output > TSynthOutput::Alsa)
        s.Output = TSynthOutput::Automatic;
    return s;
}

TSynthDevice::TSynthDevice(std::string clientName, std::string soundfontFolder)
    : m_clientName(std::move(clientName)),
      m_folder(std::move(soundfontFolder)),
      m_audio(&TSynthDevice::RenderBlock, &TSynthDevice::OutputLost, this) {
    m_worker = std::thread([this] {
        pthread_setname_np(pthread_self(), "synth");
        Run();
    });
}

TSynthDevice::~TSynthDevice() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_quit = true;
    }
    m_wake.notify_all();
    m_worker.join();
    StopOutput(true);
}

// ---- The device, window thread ---------------------------------------------------------------

MidiResult TSynthDevice::Open() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_open) return kMidiErrAllocated;
        m_open = true;
        m_failure = kMidiOk;
        m_status.Failure.clear();
        if (m_status.State != TSynthStatus::Ready) m_status.State = TSynthStatus::Starting;
        m_dirty = true;
    }
    m_wake.notify_all();
    return kMidiOk;
}

void TSynthDevice::Close() {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_open) return;
        m_open = false;
        m_dirty = true;
    }
    m_wake.notify_all();
}

MidiResult TSynthDevice::Send(std::uint32_t packed, TMidiFrameTime time) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (!m_open) return kMidiErrInvalHandle;
        if (m_failure != kMidiOk) return m_failure;
    }
    {
        std::lock_guard<std::mutex> guard(m_queueLock);
        if (m_ready) {
            m_incoming.push_back({m_audio.StampOf(time), packed});
            return kMidiOk;
        }
    }
    std::lock_guard<std::mutex> guard(m_engineLock);
    std::lock_guard<std::mutex> queue(m_queueLock);
    // Checked again: the synth may have become ready meanwhile.
    if (m_ready)
        m_incoming.push_back({m_audio.StampOf(time), packed});
    else if (!IsNoteMessage(packed))
        m_channels.Apply(packed);
    return kMidiOk;
}

void TSynthDevice::Reset() {
    for (std::uint32_t ch = 0; ch < 16; ++ch) {
        // All notes off, then reset all controllers.
        for (std::uint32_t cc : {123u, 121u})
            if (Send((0xB0 | ch) | cc << 8) != kMidiOk) return;
    }
}

bool TSynthDevice::ErrorText(MidiResult code, std::string& text) const {
    std::lock_guard<std::mutex> guard(m_lock);
    if (code == m_failure && !m_status.Failure.empty()) {
        text = m_status.Failure;
        return true;
    }
    switch (code) {
        case kMidiErrNoSoundfont:
            text = Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "No General MIDI soundfont found in %1."),
                      m_folder);
            return true;
        case kMidiErrNoAudio:
            text = NoAudioOutputText();
            return true;
        case kMidiErrSoundfontLoad:
            text = Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "No soundfont could be loaded."));
            return true;
        case kMidiErrNoSynthLibrary:
            text = NoLibraryText();
            return true;
        default:
            return false;
    }
}

// ---- Settings and status ---------------------------------------------------------------------

void TSynthDevice::Restore(const TSynthSettings& settings) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_settings = ClampedSynthSettings(settings);
        m_userSoundfont = false;
        m_dirty = true;
    }
    m_wake.notify_all();
}

std::string TSynthDevice::Apply(const TSynthSettings& settings) {
    const TSynthSettings wanted = ClampedSynthSettings(settings);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (wanted.Soundfont != m_settings.Soundfont && !wanted.Soundfont.empty()) {
            // A look at the file's first bytes: cheap enough for the window thread, and it
            // catches what users pick by mistake.
            const TSoundfontProblem problem = SoundfontProblem(wanted.Soundfont);
            if (problem)
                return Tr(QT_TRANSLATE_NOOP("BuiltinSynth",
                                            "%1. The Built-in Synth keeps its "
                                            "soundfont."),
                          problem.About(TheSoundfont(wanted.Soundfont)));
            m_userSoundfont = true;
        }
        if (wanted == m_settings) return std::string();
        m_settings = wanted;
        m_dirty = true;
    }
    m_wake.notify_all();
    return std::string();
}

TSynthSettings TSynthDevice::Settings() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_settings;
}

TSynthStatus TSynthDevice::Status() const {
    std::lock_guard<std::mutex> guard(m_lock);
    TSynthStatus status = m_status;
    if (status.State == TSynthStatus::Ready && m_blockFrames > 0)
        status.BlockFrames = m_blockFrames;
    return status;
}

std::vector<TSynthNotice> TSynthDevice::TakeNotices() {
    std::lock_guard<std::mutex> guard(m_lock);
    std::vector<TSynthNotice> notices;
    notices.swap(m_notices);
    return notices;
}

void TSynthDevice::SetOnChange(std::function<void()> handler) {
    std::lock_guard<std::mutex> guard(m_changeLock);
    m_onChange = std::move(handler);
}

bool TSynthDevice::WaitSettled(int timeoutMs) {
    std::unique_lock<std::mutex> lock(m_lock);
    return m_settled.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                              [this] { return !m_dirty && !m_busy; });
}

int TSynthDevice::PlayingProgram(int channel) {
    std::lock_guard<std::mutex> guard(m_engineLock);
    return m_engine ? m_engine->Program(channel) : -1;
}

int TSynthDevice::PlayingController(int channel, int controller) {
    std::lock_guard<std::mutex> guard(m_engineLock);
    return m_engine ? m_engine->Controller(channel, controller) : -1;
}

void TSynthDevice::Notice(TSynthNotice::TKind kind, const std::string& text) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_notices.push_back({kind, text});
    }
    // Called under its own lock: once SetOnChange has replaced a handler, the old one is not
    // running and will not run.
    std::lock_guard<std::mutex> guard(m_changeLock);
    if (m_onChange) m_onChange();
}

void TSynthDevice::SetState(TSynthStatus::TState state) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_status.State = state;
    if (state == TSynthStatus::Ready) {
        m_status.Soundfont = m_engineFile;
        m_status.Output = m_audio.DriverName();
        m_status.SampleRate = m_rate;
        m_status.BlockFrames = m_blockFrames > 0 ? m_blockFrames.load() : m_audioFrames;
        m_status.OutputFrames = m_outputFrames;
    }
}

void TSynthDevice::Fail(MidiResult code, const std::string& text) {
    StopOutput(false);
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_failure = code;
        m_status.State = TSynthStatus::Failed;
        m_status.Failure = text;
    }
    Notice(TSynthNotice::Failed, text);
}

std::string TSynthDevice::ReadyText() const {
    const TSynthStatus status = Status();
    char delay[32];
    std::snprintf(delay, sizeof delay, "%.1f", status.DelayMs());
    return Tr(
        QT_TRANSLATE_NOOP("BuiltinSynth",
                          "Built-in Synth: %1 through %2, every note %3 ms after it is played."),
        SoundfontDisplayName(status.Soundfont), status.Output, std::string(delay));
}

// ---- The worker ------------------------------------------------------------------------------

void TSynthDevice::Run() {
    std::unique_lock<std::mutex> lock(m_lock);
    for (;;) {
        // While the output is away the worker wakes up to look for it.
        const auto wanted = [this] { return m_quit || m_dirty; };
        if (m_waiting)
            m_wake.wait_for(lock, kRetryInterval, wanted);
        else
            m_wake.wait(lock, wanted);
        if (m_quit) return;
        m_dirty = false;
        m_busy = true;
        lock.unlock();
        Reconcile();
        lock.lock();
        m_busy = false;
        if (!m_dirty) m_settled.notify_all();
    }
}

void TSynthDevice::Reconcile() {
    bool open;
    bool failed;
    bool userSoundfont;
    TSynthSettings wanted;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        open = m_open;
        failed = m_failure != kMidiOk;
        wanted = m_settings;
        userSoundfont = m_userSoundfont;
    }
    if (!open) {
        StopOutput(true);
        m_waiting = false;
        m_outputLost = false;
        if (!failed) SetState(TSynthStatus::Closed);
        return;
    }
    if (failed) return;  // until the device is opened again
    if (!FluidApi()) {
        Fail(kMidiErrNoSynthLibrary, NoLibraryText());
        return;
    }
    const std::string before = m_ready ? ReadyText() : std::string();
    const bool wasWaiting = m_waiting || m_outputLost;
    if (!EnsureOutput(wanted)) return;
    if (!EnsureEngine(wanted, userSoundfont)) return;
    ApplyEffects(*m_engine, wanted);
    if (!m_ready) {
        std::lock_guard<std::mutex> guard(m_engineLock);
        std::lock_guard<std::mutex> queue(m_queueLock);
        m_ready = true;
    }
    WaitForFirstBlock();
    SetState(TSynthStatus::Ready);
    // Said when something the user hears changed: the soundfont, the output, the delay; at once
    // when it plays again after its output was away.
    const std::string now = ReadyText();
    if (now == before) return;
    // Reading a soundfont and opening an output leave freed megabytes behind.
    ReturnFreedMemory();
    Notice(wasWaiting ? TSynthNotice::Outage : TSynthNotice::Status, now);
}

bool TSynthDevice::EnsureOutput(const TSynthSettings& wanted) {
    if (m_outputLost.exchange(false)) BeginWaiting();
    if (m_waiting) {
        // Tried again at the next look; what the user chose meanwhile is what is opened.
        std::string notYet;
        if (!m_audio.Start(wanted.Output, wanted.BufferFrames, wanted.Buffers, m_clientName,
                           notYet))
            return false;
        m_waiting = false;
        m_audioOutput = wanted.Output;
        m_audioFrames = wanted.BufferFrames;
        m_audioBuffers = wanted.Buffers;
        std::lock_guard<std::mutex> guard(m_engineLock);
        m_rate = m_audio.SampleRate();
        m_framesPerUnit = m_audio.FramesPerUnit();
        m_blockFrames = 0;
        return true;
    }
    if (m_audio.Running() && m_audioOutput == wanted.Output &&
        m_audioFrames == wanted.BufferFrames && m_audioBuffers == wanted.Buffers)
        return true;
    const bool had = m_audio.Running();
    const TSynthOutput previous = m_audioOutput;
    const int previousFrames = m_audioFrames, previousBuffers = m_audioBuffers;
    StopOutput(false);
    std::string failure;
    if (m_audio.Start(wanted.Output, wanted.BufferFrames, wanted.Buffers, m_clientName, failure)) {
        m_audioOutput = wanted.Output;
        m_audioFrames = wanted.BufferFrames;
        m_audioBuffers = wanted.Buffers;
    } else if (std::string ignored; had && m_audio.Start(previous, previousFrames, previousBuffers,
                                                         m_clientName, ignored)) {
        // The output that played before plays on, and the settings say so again.
        {
            std::lock_guard<std::mutex> guard(m_lock);
            m_settings.Output = previous;
            m_settings.BufferFrames = previousFrames;
            m_settings.Buffers = previousBuffers;
        }
        Notice(
            TSynthNotice::Error,
            Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "%1 The Built-in Synth plays through %2 again."),
               failure, m_audio.DriverName()));
    } else {
        Fail(kMidiErrNoAudio, failure);
        return false;
    }
    std::lock_guard<std::mutex> guard(m_engineLock);
    m_rate = m_audio.SampleRate();
    m_framesPerUnit = m_audio.FramesPerUnit();
    m_blockFrames = 0;
    return true;
}

bool TSynthDevice::EnsureEngine(const TSynthSettings& wanted, bool userSoundfont) {
    const double rate = m_audio.SampleRate();
    // While a synthesizer plays at this rate, a soundfont that fails leaves it playing.
    const bool playing = m_engine && m_engineRate == rate;
    if (playing && m_engineWanted == wanted.Soundfont) return true;
    // A new choice of the user's is taken or refused as it is; otherwise the candidates are
    // tried in order, the file in use first when only the sample rate changed.
    std::vector<std::string> files;
    if (playing && userSoundfont)
        files = {wanted.Soundfont};
    else
        files = SoundfontCandidates(
            m_engine && m_engineWanted == wanted.Soundfont ? m_engineFile : wanted.Soundfont,
            m_folder);
    std::unique_ptr<TBuiltinSynth> engine;
    TSoundfontChoice choice;
    if (files.empty()) {
        choice.failures = {NoSoundfontInFolder(m_folder)};
    } else {
        const std::string loading = SoundfontDisplayName(files.front());
        Notice(TSynthNotice::Status,
               playing
                   ? Tr(QT_TRANSLATE_NOOP(
                            "BuiltinSynth",
                            "Built-in Synth: loading the soundfont %1 ... %2 plays until then."),
                        loading, SoundfontDisplayName(m_engineFile))
                   : Tr(QT_TRANSLATE_NOOP(
                            "BuiltinSynth",
                            "Built-in Synth: loading the soundfont %1 ... Notes played until it "
                            "is ready are not heard."),
                        loading));
        RunAtLowPriority([&] {
            engine = std::make_unique<TBuiltinSynth>(rate);
            choice = LoadFirstSoundfont(*engine, files);
        });
    }
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_userSoundfont = false;
        // The one that plays is the setting again.
        if (choice.loaded < 0 && playing && m_settings.Soundfont == wanted.Soundfont)
            m_settings.Soundfont = m_engineWanted;
    }
    if (choice.loaded < 0 && playing) {
        const std::string failures = JoinFailures(choice.failures);
        const std::string keeps = SoundfontDisplayName(m_engineFile);
        Notice(TSynthNotice::Error,
               wanted.Soundfont.empty()
                   ? Tr(QT_TRANSLATE_NOOP("BuiltinSynth",
                                          "No General MIDI soundfont could be loaded: %1. The "
                                          "Built-in Synth keeps playing %2."),
                        failures, keeps)
                   : Tr(QT_TRANSLATE_NOOP("BuiltinSynth",
                                          "The soundfont %1 could not be loaded: %2. The "
                                          "Built-in Synth keeps playing %3."),
                        wanted.Soundfont, failures, keeps));
        return true;
    }
    if (choice.loaded < 0) {
        Fail(files.empty() ? kMidiErrNoSoundfont : kMidiErrSoundfontLoad,
             files.empty()
                 ? UpperFirst(choice.failures.front()) + "."
                 : Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "No soundfont could be loaded: %1."),
                      JoinFailures(choice.failures)));
        return false;
    }
    if (!choice.failures.empty())
        Notice(TSynthNotice::Status,
               Tr(QT_TRANSLATE_NOOP("BuiltinSynth", "Built-in Synth: %1; playing %2."),
                  JoinFailures(choice.failures), SoundfontDisplayName(files[choice.loaded])));
    m_effects = TSynthSettings();  // what a new synthesizer starts with
    ApplyEffects(*engine, wanted);
    m_engineWanted = wanted.Soundfont;
    m_engineFile = files[choice.loaded];
    m_engineRate = rate;
    Publish(std::move(engine));
    return true;
}

void TSynthDevice::Publish(std::unique_ptr<TBuiltinSynth> engine) {
    // The new synthesizer takes over the instruments and controllers in use. The first replay,
    // outside the lock, reads the instruments' samples; the second catches what was played
    // meanwhile.
    TSynthChannels snapshot;
    {
        std::lock_guard<std::mutex> guard(m_engineLock);
        snapshot = m_channels;
    }
    RunAtLowPriority([&] {
        for (std::uint32_t m : snapshot.Messages()) engine->Send(m);
    });
    {
        std::lock_guard<std::mutex> guard(m_engineLock);
        if (!(m_channels == snapshot))
            for (std::uint32_t m : m_channels.Messages()) engine->Send(m);
        m_engine.swap(engine);
    }
    // The one replaced is let go here, not on the audio thread.
    engine.reset();
}

void TSynthDevice::ApplyEffects(TBuiltinSynth& engine, const TSynthSettings& s) {
    if (m_effects.Reverb != s.Reverb) engine.SetReverb(s.Reverb);
    if (m_effects.Chorus != s.Chorus) engine.SetChorus(s.Chorus);
    if (m_effects.Gain != s.Gain) engine.SetGain(s.Gain);
    m_effects = s;
}

void TSynthDevice::StopOutput(bool closing) {
    {
        // Under both locks: no Send is stamping with the output's clock while it stops.
        std::lock_guard<std::mutex> guard(m_engineLock);
        std::lock_guard<std::mutex> queue(m_queueLock);
        m_ready = false;
    }
    m_audio.Stop();
    std::lock_guard<std::mutex> guard(m_engineLock);
    m_pending.clear();
    {
        std::lock_guard<std::mutex> queue(m_queueLock);
        m_incoming.clear();
    }
    if (!m_engine) return;
    // Notes would hang over into the next start; a closed device also forgets its controllers.
    m_engine->Reset();
    if (closing)
        for (std::uint32_t ch = 0; ch < 16; ++ch) m_channels.Apply((0xB0 | ch) | 121u << 8);
}

void TSynthDevice::WaitForFirstBlock() {
    const auto until = std::chrono::steady_clock::now() + kFirstBlockWait;
    while (m_blockFrames == 0 && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const auto told = std::chrono::steady_clock::now() + kLatencyWait;
    while (m_audio.OutputLatencyFrames() < 0 && std::chrono::steady_clock::now() < told)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    m_outputFrames = std::max(0, m_audio.OutputLatencyFrames());
}

void TSynthDevice::BeginWaiting() {
    const std::string output = m_audio.DriverName();
    // Silent at once: what sounded ends here, and nothing of it is left when the output is back.
    StopOutput(false);
    m_waiting = true;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_status.State = TSynthStatus::Waiting;
    }
    Notice(TSynthNotice::Outage,
           Tr(QT_TRANSLATE_NOOP("BuiltinSynth",
                                "Built-in Synth: the audio output %1 went away; it plays again as "
                                "soon as %1 is back."),
              output));
}

// ---- The audio thread ------------------------------------------------------------------------

void TSynthDevice::RenderBlock(void* self, float* left, float* right, int frames,
                               std::int64_t blockStart) {
    static_cast<TSynthDevice*>(self)->Render(left, right, frames, blockStart);
}

void TSynthDevice::OutputLost(void* self) {
    // The worker finds the output gone and tries to open it again, or says why it cannot.
    auto* device = static_cast<TSynthDevice*>(self);
    device->m_outputLost = true;
    {
        std::lock_guard<std::mutex> guard(device->m_lock);
        device->m_dirty = true;
    }
    device->m_wake.notify_all();
}

void TSynthDevice::Render(float* left, float* right, int frames, std::int64_t blockStart) {
    std::lock_guard<std::mutex> guard(m_engineLock);
    m_blockFrames = frames;
    {
        std::lock_guard<std::mutex> queue(m_queueLock);
        m_pending.insert(m_pending.end(), m_incoming.begin(), m_incoming.end());
        m_incoming.clear();
    }
    if (!m_ready || !m_engine || m_framesPerUnit <= 0) {
        m_pending.clear();
        return;  // the buffers come zeroed: silence
    }
    const auto halfGrid = static_cast<std::int64_t>(kSynthGridFrames / 2 / m_framesPerUnit);
    TBuiltinSynth& engine = *m_engine;
    PlayBlock(
        m_pending, blockStart + halfGrid, frames, m_framesPerUnit,
        [&](int from, int count) { engine.Process(left + from, right + from, count); },
        [&](std::uint32_t packed) {
            engine.Send(packed);
            m_channels.Apply(packed);
        });
}
