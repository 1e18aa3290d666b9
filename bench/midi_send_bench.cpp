#include <benchmark/benchmark.h>

#include "midi/midioutput.h"
#include "support/virtualmidi.h"

// The cost TMidiOutput adds on top of the service for every message the program sends.

static void BM_MidiOutputSendShort(benchmark::State& state) {
    TVirtualMidiService service({"Synth A"});
    TMidiOutput out(service);
    out.SetDeviceId(0);
    out.Open();
    std::uint8_t note = 0;
    for (auto _ : state) {
        out.SendShort(0x90, note, 100);
        note = (note + 1) & 0x7F;
        if (service.Sent().size() > 100000) service.ClearSent();
    }
}
BENCHMARK(BM_MidiOutputSendShort);

static void BM_ServiceOutShortMsg(benchmark::State& state) {
    TVirtualMidiService service({"Synth A"});
    MidiHandle handle = 0;
    service.OutOpen(0, handle);
    std::uint32_t note = 0;
    for (auto _ : state) {
        service.OutShortMsg(handle, 0x640090 | note << 8);
        note = (note + 1) & 0x7F;
        if (service.Sent().size() > 100000) service.ClearSent();
    }
    service.OutClose(handle);
}
BENCHMARK(BM_ServiceOutShortMsg);

BENCHMARK_MAIN();
