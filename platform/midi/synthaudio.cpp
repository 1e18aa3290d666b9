#include "platform/midi/synthaudio.h"

#include <sys/stat.h>

#include <cstring>

#include "platform/midi/builtinsynth.h"
#include "platform/midi/fluidapi.h"

namespace {

// Asked of every output; JACK answers with its own, PulseAudio and PipeWire resample.
constexpr double kPreferredRate = 48000;

struct TDriver {
    const char* Library;  // the synthesizer library's name for it
    const char* Name;     // ours
};
constexpr TDriver kPulse{"pulseaudio", "PulseAudio"};
constexpr TDriver kAlsa{"alsa", "ALSA"};
constexpr TDriver kJack{"jack", "JACK"};

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
            return "Automatic";
    }
}

bool TSynthAudio::Start(TSynthOutput output, int bufferFrames, int buffers,
                        const std::string& clientName, std::string& failure) {
    Stop();
    if (!FluidApi()) {
        failure = "the synthesizer library is missing";
        return false;
    }
    InstallQuietSynthLog();
    struct stat st;
    const bool haveSoundCards = stat("/dev/snd", &st) == 0;
    const TDriver kAutomatic[] = {kPulse, kAlsa, kJack};
    const TDriver* drivers = kAutomatic;
    size_t count = 3;
    if (output != TSynthOutput::Automatic) {
        drivers = output == TSynthOutput::PulseAudio ? &kPulse
                  : output == TSynthOutput::Jack     ? &kJack
                                                     : &kAlsa;
        count = 1;
    }
    TQuietSynthLog quiet;
    for (size_t i = 0; i < count; ++i) {
        const TDriver& d = drivers[i];
        // Without sound cards ALSA can only fail, and its library says so loudly on stderr.
        if (std::strcmp(d.Library, kAlsa.Library) == 0 && !haveSoundCards) continue;
        if (StartDriver(d.Library, bufferFrames, buffers, clientName)) {
            m_driverName = d.Name;
            return true;
        }
    }
    if (output == TSynthOutput::Automatic)
        failure = "No audio output could be opened (PulseAudio, ALSA and JACK were tried).";
    else if (output == TSynthOutput::Alsa && !haveSoundCards)
        failure = "The audio output ALSA could not be opened: this computer has no sound card.";
    else
        failure =
            std::string("The audio output ") + SynthOutputName(output) + " could not be opened.";
    return false;
}

bool TSynthAudio::StartDriver(const char* driver, int bufferFrames, int buffers,
                              const std::string& clientName) {
    const TFluidApi& f = *FluidApi();
    m_settings = f.new_fluid_settings();
    if (f.fluid_settings_setstr(m_settings, "audio.driver", driver) != FLUID_OK) {
        Stop();
        return false;
    }
    f.fluid_settings_setint(m_settings, "audio.period-size", bufferFrames);
    f.fluid_settings_setint(m_settings, "audio.periods", buffers);
    f.fluid_settings_setnum(m_settings, "synth.sample-rate", kPreferredRate);
    _fluid_synth_t* rateProbe = nullptr;
    if (std::strcmp(driver, "jack") == 0) {
        f.fluid_settings_setstr(m_settings, "audio.jack.id", clientName.c_str());
        f.fluid_settings_setint(m_settings, "audio.jack.autoconnect", 1);
        // The JACK driver writes the server's sample rate into the settings only when a
        // synthesizer was made from them; this one exists for that alone.
        f.fluid_settings_setint(m_settings, "synth.polyphony", 1);
        rateProbe = f.new_fluid_synth(m_settings);
    }
    m_driver = f.new_fluid_audio_driver2(m_settings, &TSynthAudio::Callback, this);
    if (rateProbe) f.delete_fluid_synth(rateProbe);
    if (!m_driver) {
        Stop();
        return false;
    }
    f.fluid_settings_getnum(m_settings, "synth.sample-rate", &m_sampleRate);
    return true;
}

void TSynthAudio::Stop() {
    const TFluidApi* f = FluidApi();
    if (m_driver) f->delete_fluid_audio_driver(m_driver);
    if (m_settings) f->delete_fluid_settings(m_settings);
    m_driver = nullptr;
    m_settings = nullptr;
    m_sampleRate = 0;
    m_driverName.clear();
}

int TSynthAudio::Callback(void* data, int len, int, float*[], int nout, float* out[]) {
    auto* self = static_cast<TSynthAudio*>(data);
    if (nout >= 2 && len > 0) self->m_render(self->m_target, out[0], out[1], len);
    return FLUID_OK;
}
