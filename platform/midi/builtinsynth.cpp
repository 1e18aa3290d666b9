#include "platform/midi/builtinsynth.h"

#include <cstdio>
#include <mutex>

#include "platform/midi/fluidapi.h"

namespace {

std::mutex g_logLock;
int g_quietDepth = 0;

void QuietLog(int level, const char* message, void*) {
    if (level > FLUID_ERR) return;
    std::lock_guard<std::mutex> guard(g_logLock);
    if (g_quietDepth > 0) return;
    std::fprintf(stderr, "synth: %s\n", message);
}

}  // namespace

TQuietSynthLog::TQuietSynthLog() {
    std::lock_guard<std::mutex> guard(g_logLock);
    ++g_quietDepth;
}

TQuietSynthLog::~TQuietSynthLog() {
    std::lock_guard<std::mutex> guard(g_logLock);
    --g_quietDepth;
}

void InstallQuietSynthLog() {
    const TFluidApi* fluid = FluidApi();
    if (!fluid) return;
    static std::once_flag once;
    std::call_once(once, [fluid] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid->fluid_set_log_function(level, QuietLog, nullptr);
    });
}

TBuiltinSynth::TBuiltinSynth(double sampleRate) : m_sampleRate(sampleRate) {
    const TFluidApi* fluid = FluidApi();
    if (!fluid) return;
    InstallQuietSynthLog();
    m_settings = fluid->new_fluid_settings();
    // Frugal: a small voice pool, one render thread, and only the samples of the instruments in
    // use are read from the soundfont. Reverb and chorus are switched on when asked for.
    fluid->fluid_settings_setnum(m_settings, "synth.sample-rate", sampleRate);
    fluid->fluid_settings_setint(m_settings, "synth.reverb.active", 0);
    fluid->fluid_settings_setint(m_settings, "synth.chorus.active", 0);
    fluid->fluid_settings_setint(m_settings, "synth.polyphony", 96);
    fluid->fluid_settings_setint(m_settings, "synth.cpu-cores", 1);
    fluid->fluid_settings_setint(m_settings, "synth.dynamic-sample-loading", 1);
    fluid->fluid_settings_setnum(m_settings, "synth.gain", 0.5);
    m_synth = fluid->new_fluid_synth(m_settings);
}

TBuiltinSynth::~TBuiltinSynth() {
    const TFluidApi* fluid = FluidApi();
    if (!fluid) return;
    if (m_synth) fluid->delete_fluid_synth(m_synth);
    if (m_settings) fluid->delete_fluid_settings(m_settings);
}

bool TBuiltinSynth::LoadSoundfont(const std::string& path) {
    if (!m_synth || path.empty()) return false;
    const TFluidApi* fluid = FluidApi();
    int id = fluid->fluid_synth_sfload(m_synth, path.c_str(), 1);
    if (id == FLUID_FAILED) return false;
    if (m_soundfontId >= 0) fluid->fluid_synth_sfunload(m_synth, m_soundfontId, 1);
    m_soundfontId = id;
    return true;
}

void TBuiltinSynth::Send(std::uint32_t packed) {
    if (!m_synth) return;
    const TFluidApi& f = *FluidApi();
    int status = packed & 0xFF;
    int d1 = (packed >> 8) & 0x7F;
    int d2 = (packed >> 16) & 0x7F;
    int ch = status & 0x0F;
    switch (status & 0xF0) {
        case 0x80:
            f.fluid_synth_noteoff(m_synth, ch, d1);
            break;
        case 0x90:
            f.fluid_synth_noteon(m_synth, ch, d1, d2);
            break;  // velocity 0 ends the note
        case 0xA0:
            f.fluid_synth_key_pressure(m_synth, ch, d1, d2);
            break;
        case 0xB0:
            f.fluid_synth_cc(m_synth, ch, d1, d2);
            break;
        case 0xC0:
            f.fluid_synth_program_change(m_synth, ch, d1);
            break;
        case 0xD0:
            f.fluid_synth_channel_pressure(m_synth, ch, d1);
            break;
        case 0xE0:
            f.fluid_synth_pitch_bend(m_synth, ch, d1 | d2 << 7);
            break;
        case 0xF0:
            if (status == 0xFF) f.fluid_synth_system_reset(m_synth);
            break;
        default:
            break;  // a data byte where a status belongs: nothing to play
    }
}

void TBuiltinSynth::Reset() {
    if (!m_synth) return;
    const TFluidApi& f = *FluidApi();
    for (int ch = 0; ch < 16; ++ch) {
        f.fluid_synth_all_notes_off(m_synth, ch);
        f.fluid_synth_cc(m_synth, ch, 121, 0);  // reset all controllers
        // All sound off, last: no release tail is left to ring on when rendering starts again.
        // Before the notes off it would not hold: they start the release of the voices it ended.
        f.fluid_synth_cc(m_synth, ch, 120, 0);
    }
}

void TBuiltinSynth::SetReverb(bool on) {
    if (m_synth) FluidApi()->fluid_synth_reverb_on(m_synth, -1, on ? 1 : 0);
}

void TBuiltinSynth::SetChorus(bool on) {
    if (m_synth) FluidApi()->fluid_synth_chorus_on(m_synth, -1, on ? 1 : 0);
}

int TBuiltinSynth::Program(int channel) const {
    int font = 0, bank = 0, program = 0;
    if (!m_synth ||
        FluidApi()->fluid_synth_get_program(m_synth, channel, &font, &bank, &program) != FLUID_OK)
        return -1;
    return program;
}

int TBuiltinSynth::Controller(int channel, int controller) const {
    int value = 0;
    if (!m_synth ||
        FluidApi()->fluid_synth_get_cc(m_synth, channel, controller, &value) != FLUID_OK)
        return -1;
    return value;
}

void TBuiltinSynth::SetGain(double gain) {
    if (m_synth) FluidApi()->fluid_synth_set_gain(m_synth, static_cast<float>(gain));
}

void TBuiltinSynth::Process(float* left, float* right, int frames) {
    if (!m_synth || frames <= 0) return;
    // The effects are mixed into the same two buffers: reverb into the first pair, chorus into
    // the second.
    float* dry[2] = {left, right};
    float* fx[4] = {left, right, left, right};
    FluidApi()->fluid_synth_process(m_synth, frames, 4, fx, 2, dry);
}

std::vector<float> TBuiltinSynth::Render(int frames) {
    if (frames <= 0 || !m_synth) return {};
    std::vector<float> left(frames), right(frames);
    Process(left.data(), right.data(), frames);
    std::vector<float> out(static_cast<size_t>(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        out[2 * i] = left[i];
        out[2 * i + 1] = right[i];
    }
    return out;
}
