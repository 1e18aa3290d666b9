#include "platform/midi/builtinsynth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace {

double Rms(const std::vector<float>& s) {
    if (s.empty()) return 0;
    double sum = 0;
    for (float v : s) sum += double(v) * v;
    return std::sqrt(sum / s.size());
}

}  // namespace

TEST(BuiltinSynth, NoteOnRendersSoundAndNoteOffLetsItDie) {
    std::string sf = FindGeneralMidiSoundfont();
    if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    TBuiltinSynth synth(48000);
    ASSERT_TRUE(synth.LoadSoundfont(sf));
    EXPECT_LT(Rms(synth.Render(4800)), 1e-6);  // silence before any note

    synth.Send(0x643C90);  // note on, middle C, velocity 100
    auto sound = synth.Render(9600);
    ASSERT_EQ(sound.size(), 9600u * 2);
    EXPECT_GT(Rms(sound), 0.01);

    synth.Send(0x003C90);     // velocity 0 ends the note
    synth.Render(48000 * 3);  // release tail
    EXPECT_LT(Rms(synth.Render(4800)), 1e-4);

    // Reset silences notes that were never released at once, with no release tail left to ring
    // on when rendering goes on (after an audio output came back); data bytes alone play nothing.
    synth.Send(0x7F4091);
    synth.Send(0x7F40);
    EXPECT_GT(Rms(synth.Render(4800)), 0.01);
    synth.Reset();
    EXPECT_LT(Rms(synth.Render(4800)), 1e-6);
}

TEST(BuiltinSynth, ProgramChangeSelectsAnotherInstrument) {
    std::string sf = FindGeneralMidiSoundfont();
    if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    TBuiltinSynth piano(48000), organ(48000);
    ASSERT_TRUE(piano.LoadSoundfont(sf));
    ASSERT_TRUE(organ.LoadSoundfont(sf));
    organ.Send(0x13C0);  // program 19: church organ
    piano.Send(0x643C90);
    organ.Send(0x643C90);
    EXPECT_NE(piano.Render(2400), organ.Render(2400));
}

TEST(BuiltinSynth, SoundfontSearchOrderAndBadFiles) {
    char dir[] = "/tmp/tastra-sf2-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string d = dir;
    EXPECT_EQ(FindGeneralMidiSoundfont(d), "");
    std::ofstream(d + "/FluidR3_GM.sf2") << "x";
    EXPECT_EQ(FindGeneralMidiSoundfont(d), d + "/FluidR3_GM.sf2");
    std::ofstream(d + "/TimGM6mb.sf2") << "not a soundfont";
    EXPECT_EQ(FindGeneralMidiSoundfont(d), d + "/TimGM6mb.sf2");

    TBuiltinSynth synth;
    EXPECT_FALSE(synth.LoadSoundfont(d + "/TimGM6mb.sf2"));
    EXPECT_FALSE(synth.LoadSoundfont(d + "/missing.sf2"));
    EXPECT_FALSE(synth.HasSoundfont());
    synth.Send(0x643C90);  // plays nothing, breaks nothing
    EXPECT_LT(Rms(synth.Render(480)), 1e-6);

    std::remove((d + "/FluidR3_GM.sf2").c_str());
    std::remove((d + "/TimGM6mb.sf2").c_str());
    rmdir(dir);
}

// Reverb and chorus are rendered into the two channels the synth is given, and gain scales it:
// effects switched on must be heard.
TEST(BuiltinSynth, EffectsAndGainReachTheOutput) {
    std::string sf = FindGeneralMidiSoundfont();
    if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    // A short note, then what follows its end: the tail.
    auto tail = [&](bool reverb, double gain) {
        TBuiltinSynth synth(48000);
        EXPECT_TRUE(synth.LoadSoundfont(sf));
        synth.SetReverb(reverb);
        synth.SetGain(gain);
        synth.Send(0x7F4890);
        const double note = Rms(synth.Render(4800));
        synth.Send(0x0078B0);  // all sound off: the dry sound stops at once
        synth.Render(480);
        return std::make_pair(note, Rms(synth.Render(9600)));
    };
    const auto dry = tail(false, 0.5);
    const auto wet = tail(true, 0.5);
    const auto loud = tail(false, 1.0);
    EXPECT_LT(dry.second, 1e-6);
    EXPECT_GT(wet.second, 1e-4);
    EXPECT_NEAR(loud.first, 2 * dry.first, 0.1 * dry.first);
    EXPECT_LT(tail(false, 0.0).first, 1e-6);
}
