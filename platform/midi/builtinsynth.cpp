#include "platform/midi/builtinsynth.h"

#include <fluidsynth.h>
#include <sys/stat.h>

#include <cstdio>
#include <mutex>

#include "platform/lib/lazylibrary.h"

namespace {

// The synthesizer library is opened when the synthesizer is first made: a program that plays
// into other MIDI ports never loads it, nor the sound libraries it brings along.
#define FLUID_FUNCTIONS(X)          \
    X(delete_fluid_audio_driver)    \
    X(delete_fluid_settings)        \
    X(delete_fluid_synth)           \
    X(fluid_set_log_function)       \
    X(fluid_settings_setint)        \
    X(fluid_settings_setnum)        \
    X(fluid_settings_setstr)        \
    X(fluid_synth_all_notes_off)    \
    X(fluid_synth_cc)               \
    X(fluid_synth_channel_pressure) \
    X(fluid_synth_key_pressure)     \
    X(fluid_synth_noteoff)          \
    X(fluid_synth_noteon)           \
    X(fluid_synth_pitch_bend)       \
    X(fluid_synth_program_change)   \
    X(fluid_synth_sfload)           \
    X(fluid_synth_sfunload)         \
    X(fluid_synth_system_reset)     \
    X(fluid_synth_write_float)      \
    X(new_fluid_audio_driver)       \
    X(new_fluid_settings)           \
    X(new_fluid_synth)

TASTRA_LAZY_API(TFluidApi, FLUID_FUNCTIONS)
TFluidApi g_fluid;

bool LoadFluid() {
    static TLazyLibrary library{"libfluidsynth.so.3", "libfluidsynth.so"};
    return g_fluid.Bind(library);
}

bool FileExists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::mutex g_logLock;
int g_captureDepth = 0;

void QuietLog(int level, const char* message, void*) {
    if (level > FLUID_ERR) return;
    std::lock_guard<std::mutex> guard(g_logLock);
    // While audio drivers are probed, failures of the ones that are not there are expected.
    if (g_captureDepth > 0) return;
    std::fprintf(stderr, "synth: %s\n", message);
}

// Keeps error messages off stderr while probing audio drivers.
class TLogCapture {
public:
    TLogCapture() {
        std::lock_guard<std::mutex> guard(g_logLock);
        ++g_captureDepth;
    }
    ~TLogCapture() {
        std::lock_guard<std::mutex> guard(g_logLock);
        --g_captureDepth;
    }
};

}  // namespace

std::string FindGeneralMidiSoundfont(const std::string& folder) {
    for (const char* name : {"default-GM.sf2", "TimGM6mb.sf2", "FluidR3_GM.sf2"}) {
        std::string path = folder + "/" + name;
        if (FileExists(path)) return path;  // follows the alternatives link of default-GM.sf2
    }
    return std::string();
}

void InstallQuietSynthLog() {
    if (!LoadFluid()) return;
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            g_fluid.fluid_set_log_function(level, QuietLog, nullptr);
    });
}

TBuiltinSynth::TBuiltinSynth(double sampleRate) {
    // Without the library there is no synthesizer: every call below then does nothing.
    if (!LoadFluid()) return;
    InstallQuietSynthLog();
    m_settings = g_fluid.new_fluid_settings();
    // Frugal: the keyboard needs neither effects buffers nor a large voice pool, and one render
    // thread is enough for it.
    g_fluid.fluid_settings_setnum(m_settings, "synth.sample-rate", sampleRate);
    g_fluid.fluid_settings_setint(m_settings, "synth.reverb.active", 0);
    g_fluid.fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    g_fluid.fluid_settings_setint(m_settings, "synth.polyphony", 96);
    g_fluid.fluid_settings_setint(m_settings, "synth.cpu-cores", 1);
    g_fluid.fluid_settings_setint(m_settings, "synth.dynamic-sample-loading", 1);
    g_fluid.fluid_settings_setnum(m_settings, "synth.gain", 0.5);
    g_fluid.fluid_settings_setint(m_settings, "audio.period-size", 256);
    g_fluid.fluid_settings_setint(m_settings, "audio.periods", 4);
    m_synth = g_fluid.new_fluid_synth(m_settings);
}

TBuiltinSynth::~TBuiltinSynth() {
    StopAudio();
    if (m_synth) g_fluid.delete_fluid_synth(m_synth);
    if (m_settings) g_fluid.delete_fluid_settings(m_settings);
}

bool TBuiltinSynth::LoadSoundfont(const std::string& path) {
    if (!m_synth || path.empty()) return false;
    int id = g_fluid.fluid_synth_sfload(m_synth, path.c_str(), 1);
    if (id == FLUID_FAILED) return false;
    if (m_soundfontId >= 0) g_fluid.fluid_synth_sfunload(m_synth, m_soundfontId, 1);
    m_soundfontId = id;
    return true;
}

void TBuiltinSynth::Send(std::uint32_t packed) {
    if (!m_synth) return;
    int status = packed & 0xFF;
    int d1 = (packed >> 8) & 0x7F;
    int d2 = (packed >> 16) & 0x7F;
    int ch = status & 0x0F;
    switch (status & 0xF0) {
        case 0x80:
            g_fluid.fluid_synth_noteoff(m_synth, ch, d1);
            break;
        case 0x90:
            g_fluid.fluid_synth_noteon(m_synth, ch, d1, d2);
            break;  // velocity 0 ends the note
        case 0xA0:
            g_fluid.fluid_synth_key_pressure(m_synth, ch, d1, d2);
            break;
        case 0xB0:
            g_fluid.fluid_synth_cc(m_synth, ch, d1, d2);
            break;
        case 0xC0:
            g_fluid.fluid_synth_program_change(m_synth, ch, d1);
            break;
        case 0xD0:
            g_fluid.fluid_synth_channel_pressure(m_synth, ch, d1);
            break;
        case 0xE0:
            g_fluid.fluid_synth_pitch_bend(m_synth, ch, d1 | d2 << 7);
            break;
        case 0xF0:
            if (status == 0xFF) g_fluid.fluid_synth_system_reset(m_synth);
            break;
        default:
            break;  // a data byte where a status belongs: nothing to play
    }
}

void TBuiltinSynth::Reset() {
    if (!m_synth) return;
    for (int ch = 0; ch < 16; ++ch) {
        g_fluid.fluid_synth_all_notes_off(m_synth, ch);
        g_fluid.fluid_synth_cc(m_synth, ch, 121, 0);  // reset all controllers
    }
}

std::vector<float> TBuiltinSynth::Render(int frames) {
    if (frames <= 0 || !m_synth || m_driver) return {};
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    g_fluid.fluid_synth_write_float(m_synth, frames, out.data(), 0, 2, out.data(), 1, 2);
    return out;
}

bool TBuiltinSynth::StartAudio(const std::string& clientName) {
    if (m_driver) return true;
    if (!m_synth) return false;
    TLogCapture quiet;
    struct stat st;
    bool haveSoundCards = stat("/dev/snd", &st) == 0;
    const char* drivers[] = {"pulseaudio", "alsa", "jack"};
    for (const char* driver : drivers) {
        // Without sound cards ALSA can only fail, and its library says so loudly on stderr.
        if (std::string(driver) == "alsa" && !haveSoundCards) continue;
        if (g_fluid.fluid_settings_setstr(m_settings, "audio.driver", driver) != FLUID_OK) continue;
        if (std::string(driver) == "jack") {
            g_fluid.fluid_settings_setstr(m_settings, "audio.jack.id", clientName.c_str());
            g_fluid.fluid_settings_setint(m_settings, "audio.jack.autoconnect", 1);
        }
        m_driver = g_fluid.new_fluid_audio_driver(m_settings, m_synth);
        if (m_driver) return true;
    }
    return false;
}

void TBuiltinSynth::StopAudio() {
    if (!m_driver) return;
    g_fluid.delete_fluid_audio_driver(m_driver);
    m_driver = nullptr;
}
