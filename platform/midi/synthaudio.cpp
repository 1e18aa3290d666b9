#include "platform/midi/synthaudio.h"

#include <sys/stat.h>

#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/lib/steadyclock.h"
#include "platform/lib/translatedtext.h"
#include "platform/midi/builtinsynth.h"
#include "platform/midi/fluidapi.h"
#include "platform/midi/jackapi.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/systemmidi.h"

namespace {

// Asked of the desktop sound server and ALSA; PulseAudio and PipeWire resample.
constexpr double kPreferredRate = 48000;

enum class TDriver { Pulse, Alsa, Jack };

}  // namespace

const char* SynthOutputName(TSynthOutput output) {
    switch (output) {
        case TSynthOutput::PulseAudio:
            return "PulseAudio / PipeWire";
        case TSynthOutput::Jack:
            return "JACK";
        case TSynthOutput::Alsa:
            return "ALSA";
        default:
            return QT_TRANSLATE_NOOP("SynthOutput", "Automatic");
    }
}

QString SynthOutputDisplayName(TSynthOutput output) {
    return QCoreApplication::translate("SynthOutput", SynthOutputName(output));
}

std::string NoAudioOutputText() {
    return TranslatedText(
        "BuiltinSynth",
        QT_TRANSLATE_NOOP(
            "BuiltinSynth",
            "No audio output could be opened (PulseAudio, ALSA and JACK were tried)."));
}

bool TSynthAudio::Start(TSynthOutput output, int bufferFrames, int buffers,
                        const std::string& clientName, std::string& failure) {
    Stop();
    if (!FluidApi()) {
        failure = TranslatedText(
            "BuiltinSynth",
            QT_TRANSLATE_NOOP("BuiltinSynth", "The synthesizer library is missing."));
        return false;
    }
    InstallQuietSynthLog();
    struct stat st;
    const bool haveSoundCards = stat("/dev/snd", &st) == 0;
    // A JACK server runs only where someone wants to play through it (or PipeWire answers as
    // one): there the synth plays one period late, on the same clock as the MIDI ports.
    const TDriver kAutomatic[] = {TDriver::Jack, TDriver::Pulse, TDriver::Alsa};
    const TDriver* drivers = kAutomatic;
    size_t count = 3;
    if (output != TSynthOutput::Automatic) {
        drivers = output == TSynthOutput::Jack         ? &kAutomatic[0]
                  : output == TSynthOutput::PulseAudio ? &kAutomatic[1]
                                                       : &kAutomatic[2];
        count = 1;
    }
    TQuietSynthLog quiet;
    for (size_t i = 0; i < count; ++i) {
        bool started = false;
        switch (drivers[i]) {
            case TDriver::Pulse:
                started = StartPulse(bufferFrames, buffers);
                m_driverName = "PulseAudio";
                break;
            case TDriver::Alsa:
                // Without sound cards ALSA can only fail, and its library says so loudly.
                started = haveSoundCards && StartDriver("alsa", bufferFrames, buffers);
                m_driverName = "ALSA";
                break;
            case TDriver::Jack:
                started = StartJack(clientName);
                m_driverName = "JACK";
                break;
        }
        if (started) return true;
    }
    m_driverName.clear();
    if (output == TSynthOutput::Automatic)
        failure = NoAudioOutputText();
    else if (output == TSynthOutput::Alsa && !haveSoundCards)
        failure =
            TranslatedText("BuiltinSynth", QT_TRANSLATE_NOOP("BuiltinSynth",
                                                             "The audio output ALSA could not be "
                                                             "opened: this computer has no sound "
                                                             "card."));
    else
        failure =
            QCoreApplication::translate("BuiltinSynth", "The audio output %1 could not be opened.")
                .arg(SynthOutputDisplayName(output))
                .toStdString();
    return false;
}

bool TSynthAudio::StartDriver(const char* driver, int bufferFrames, int buffers) {
    const TFluidApi& f = *FluidApi();
    m_settings = f.new_fluid_settings();
    m_sampleRate = kPreferredRate;
    m_framesPerUnit = m_sampleRate / 1e9;
    m_clock = TBlockClock();
    if (f.fluid_settings_setstr(m_settings, "audio.driver", driver) != FLUID_OK) {
        Stop();
        return false;
    }
    f.fluid_settings_setint(m_settings, "audio.period-size", bufferFrames);
    f.fluid_settings_setint(m_settings, "audio.periods", buffers);
    f.fluid_settings_setnum(m_settings, "synth.sample-rate", kPreferredRate);
    m_driver = f.new_fluid_audio_driver2(m_settings, &TSynthAudio::DriverCallback, this);
    if (!m_driver) {
        Stop();
        return false;
    }
    return true;
}

bool TSynthAudio::StartPulse(int bufferFrames, int buffers) {
    m_sampleRate = kPreferredRate;
    m_framesPerUnit = m_sampleRate / 1e9;
    m_clock = TBlockClock();
    TPulseOutput::TNames names;
    names.application = QCoreApplication::applicationName().toStdString();
    names.icon = QGuiApplication::desktopFileName().toStdString();
    names.stream = kBuiltinSynthName;
    m_serverDelayNs = 0;
    m_learnUntilNs = 0;
    m_longestNs = 0;
    m_nextHeardNs = -1;
    m_lastBlockFrames = 0;
    m_pulseRunning = m_pulse.Start(names, m_sampleRate, bufferFrames, bufferFrames * buffers);
    return m_pulseRunning;
}

bool TSynthAudio::StartJack(const std::string& clientName) {
    // Never starts a server behind the user's back.
    if (!JackAvailable()) return false;
    jack_status_t status;
    m_jack =
        Jack().jack_client_open(JackClientName(clientName, "").c_str(), JackNoStartServer, &status);
    if (!m_jack) return false;
    for (int i = 0; i < 2; ++i)
        m_ports[i] = Jack().jack_port_register(m_jack, i ? "right" : "left",
                                               JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput, 0);
    m_sampleRate = Jack().jack_get_sample_rate(m_jack);
    m_framesPerUnit = 1;
    if (!m_ports[0] || !m_ports[1] ||
        Jack().jack_set_process_callback(m_jack, &TSynthAudio::JackProcess, this) != 0) {
        Stop();
        return false;
    }
    Jack().jack_on_shutdown(m_jack, &TSynthAudio::JackShutdown, this);
    if (Jack().jack_activate(m_jack) != 0) {
        Stop();
        return false;
    }
    // Heard at once, like any program that plays into JACK: to the first two playback ports.
    if (const char** playback = Jack().jack_get_ports(m_jack, nullptr, JACK_DEFAULT_AUDIO_TYPE,
                                                      JackPortIsInput | JackPortIsPhysical)) {
        for (int i = 0; i < 2 && playback[i]; ++i)
            Jack().jack_connect(m_jack, Jack().jack_port_name(m_ports[i]), playback[i]);
        Jack().jack_free(playback);
    }
    return true;
}

void TSynthAudio::Stop() {
    m_pulse.Stop();
    m_pulseRunning = false;
    if (m_driver) FluidApi()->delete_fluid_audio_driver(m_driver);
    if (m_settings) FluidApi()->delete_fluid_settings(m_settings);
    if (m_jack) {
        // A client whose server went away must not be closed (see AbandonJackClient).
        if (m_lostOutput)
            KeepAbandoned(m_jack);
        else
            Jack().jack_client_close(m_jack);
    }
    m_driver = nullptr;
    m_settings = nullptr;
    m_jack = nullptr;
    m_ports[0] = m_ports[1] = nullptr;
    m_lostOutput = false;
    m_sampleRate = 0;
    m_framesPerUnit = 0;
    m_driverName.clear();
}

std::int64_t TSynthAudio::Now() const {
    return m_jack ? static_cast<std::int64_t>(Jack().jack_frame_time(m_jack)) : SteadyNowNs();
}

std::int64_t TSynthAudio::StampOf(TMidiFrameTime time) const {
    if (!m_jack) return time.SteadyNs != 0 ? time.SteadyNs : SteadyNowNs();
    if (time.Valid) return time.Frame;
    if (time.SteadyNs != 0) return JackFrameAt(m_jack, time.SteadyNs);
    return Jack().jack_frame_time(m_jack);
}

int TSynthAudio::DriverCallback(void* data, int len, int, float*[], int nout, float* out[]) {
    auto* self = static_cast<TSynthAudio*>(data);
    if (nout < 2 || len <= 0) return FLUID_OK;
    const std::int64_t start = self->m_clock.BlockStart(SteadyNowNs(), len, self->m_sampleRate);
    self->m_render(self->m_target, out[0], out[1], len, start);
    return FLUID_OK;
}

int TSynthAudio::OutputLatencyFrames() const {
    if (!m_pulseRunning) return 0;
    const std::int64_t delay = m_serverDelayNs.load(std::memory_order_acquire);
    if (delay <= 0) return -1;
    // On PipeWire one cycle more than its figure, which the notes' placement cannot see.
    const int unseen = m_pulse.PipeWire() ? m_lastBlockFrames.load() : 0;
    return std::max(
        0, static_cast<int>(delay * m_sampleRate / 1e9 + 0.5) + unseen - m_lastBlockFrames);
}

void TSynthAudio::PulseFill(void* data, float* left, float* right, int frames,
                            std::int64_t heardNs) {
    auto* self = static_cast<TSynthAudio*>(data);
    const std::int64_t now = SteadyNowNs();
    const std::int64_t blockNs = static_cast<std::int64_t>(frames * 1e9 / self->m_sampleRate);
    self->m_lastBlockFrames = frames;
    if (heardNs < 0) {
        // No timing yet: one block after the request, like the outputs without one.
        self->m_render(self->m_target, left, right, frames,
                       self->m_clock.BlockStart(now, frames, self->m_sampleRate));
        return;
    }
    // The blocks follow each other in the stream: the moment a block is heard is the previous
    // one's plus its length, corrected a little towards what the server reports (its reports
    // jitter by the moments they are taken at); a report far off starts afresh.
    constexpr std::int64_t kSmoothing = 16;
    constexpr std::int64_t kFarOffNs = 3000000;
    std::int64_t heard = heardNs;
    if (self->m_nextHeardNs >= 0 && std::llabs(heardNs - self->m_nextHeardNs) < kFarOffNs)
        heard = self->m_nextHeardNs + (heardNs - self->m_nextHeardNs) / kSmoothing;
    self->m_nextHeardNs = heard + blockNs;
    // While the stream starts, the longest wait from a request to its block being heard (and
    // the block's length, as a note may come just after a request) is learnt; that is the delay.
    std::int64_t delay = self->m_serverDelayNs.load(std::memory_order_relaxed);
    if (delay == 0) {
        constexpr std::int64_t kLearnNs = 250000000;
        if (self->m_learnUntilNs == 0) self->m_learnUntilNs = now + kLearnNs;
        self->m_longestNs = std::max(self->m_longestNs, heard - now + blockNs);
        if (now >= self->m_learnUntilNs) {
            constexpr std::int64_t kMarginNs = 500000;
            self->m_serverDelayNs.store(self->m_longestNs + kMarginNs, std::memory_order_release);
        }
    }
    // A message stamped s is heard at s + delay: PlayBlock puts it one block after s counted
    // from the block's start, so the block "starts" a block before it is heard, less the delay.
    // Until the delay is known, notes play at once.
    self->m_render(self->m_target, left, right, frames,
                   delay > 0 ? heard - delay + blockNs : now + blockNs);
}

void TSynthAudio::PulseLost(void* data) {
    auto* self = static_cast<TSynthAudio*>(data);
    self->m_lostOutput = true;
    self->m_lost(self->m_target);
}

int TSynthAudio::JackProcess(unsigned frames, void* data) {
    auto* self = static_cast<TSynthAudio*>(data);
    auto* left = static_cast<float*>(Jack().jack_port_get_buffer(self->m_ports[0], frames));
    auto* right = static_cast<float*>(Jack().jack_port_get_buffer(self->m_ports[1], frames));
    std::memset(left, 0, frames * sizeof(float));
    std::memset(right, 0, frames * sizeof(float));
    self->m_render(self->m_target, left, right, static_cast<int>(frames),
                   Jack().jack_last_frame_time(self->m_jack));
    return 0;
}

void TSynthAudio::JackShutdown(void* data) {
    auto* self = static_cast<TSynthAudio*>(data);
    self->m_lostOutput = true;
    self->m_lost(self->m_target);
}
