#pragma once

#include <fluidsynth.h>

#include "platform/lib/lazylibrary.h"

// The functions of the synthesizer library that the built-in synth uses. The library is opened
// when the synthesizer is first made: a program that plays into other MIDI ports never loads
// it, nor the sound libraries it brings along.
#define FLUID_FUNCTIONS(X)          \
    X(delete_fluid_audio_driver)    \
    X(delete_fluid_settings)        \
    X(delete_fluid_synth)           \
    X(fluid_set_log_function)       \
    X(fluid_settings_getnum)        \
    X(fluid_settings_setint)        \
    X(fluid_settings_setnum)        \
    X(fluid_settings_setstr)        \
    X(fluid_synth_all_notes_off)    \
    X(fluid_synth_cc)               \
    X(fluid_synth_channel_pressure) \
    X(fluid_synth_chorus_on)        \
    X(fluid_synth_get_cc)           \
    X(fluid_synth_get_program)      \
    X(fluid_synth_key_pressure)     \
    X(fluid_synth_noteoff)          \
    X(fluid_synth_noteon)           \
    X(fluid_synth_pitch_bend)       \
    X(fluid_synth_process)          \
    X(fluid_synth_program_change)   \
    X(fluid_synth_reverb_on)        \
    X(fluid_synth_set_gain)         \
    X(fluid_synth_sfload)           \
    X(fluid_synth_sfunload)         \
    X(fluid_synth_system_reset)     \
    X(new_fluid_audio_driver2)      \
    X(new_fluid_settings)           \
    X(new_fluid_synth)

TASTRA_LAZY_API(TFluidApi, FLUID_FUNCTIONS)

// The library's functions, or nullptr when the library (or one of its functions) is missing.
// Opens the library at the first call; the same answer every time.
const TFluidApi* FluidApi();

// The library's file name, for the message that says it is missing.
constexpr const char* kFluidLibraryName = "libfluidsynth.so.3";
