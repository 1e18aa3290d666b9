// What it costs to know that an ALSA-style output is still there while sending: Panic (about
// 2,100 messages) and a flood of notes through thru, through the main window, into an output
// whose presence is looked up the way the system service does it for ALSA ports. "notices": the
// port is looked up again only after the system announced a change (none comes here);
// "every message": looked up for every message sent, as without the announcements. The lookup
// walks a list of 48 ports the way the ALSA lister does, names built and stripped of numbers.

#include "app/tastra.h"
#include "bench/qtbenchmain.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "platform/midi/portpresence.h"
#include "platform/midi/systemmidi.h"
#include "support/virtualmidi.h"
#include "support/scriptedprompts.h"

namespace {

constexpr int kPorts = 48;

// One output device on a sequencer of kPorts ports.
class TAlsaStyleOutput : public TMidiOutService {
public:
    explicit TAlsaStyleOutput(bool notices) : m_notices(notices) {}

    int OutCount() override { return 1; }
    MidiResult OutProductName(int, std::string& name) override {
        name = "Synth:Synth Port 0";
        return kMidiOk;
    }
    MidiResult OutOpen(int, MidiHandle& handle) override {
        handle = 1;
        return kMidiOk;
    }
    MidiResult OutShortMsg(MidiHandle, std::uint32_t packed) override {
        // Without announcements every look counts as a change.
        if (!m_presence.Present(m_notices ? 0 : ++m_looks, [this] { return Lookup(); }))
            return kMidiErrInvalHandle;
        m_last = packed;
        ++m_sent;
        return kMidiOk;
    }
    MidiResult OutReset(MidiHandle) override { return kMidiOk; }
    MidiResult OutClose(MidiHandle) override { return kMidiOk; }
    bool OutErrorText(MidiResult, std::string&) override { return false; }
    long Sent() const { return m_sent; }

private:
    bool Lookup() {
        bool found = false;
        for (int i = 0; i < kPorts; ++i) {
            const std::string port = "Synth:Synth Port " + std::to_string(i) + " " +
                                     std::to_string(128 + i / 4) + ":" + std::to_string(i % 4);
            found = found || StripAlsaPortNumbers(port) == "Synth:Synth Port 0";
        }
        return found;
    }

    bool m_notices;
    TPortPresence m_presence;
    unsigned m_looks = 0;
    std::uint32_t m_last = 0;
    long m_sent = 0;
};

struct TRig {
    explicit TRig(bool notices)
        : out(notices), in({"Source"}, TVirtualMidiInService::dlSynchronous) {
        TTastraServices services;
        services.midiOut = &out;
        services.midiIn = &in;
        services.prompts = &prompts;
        window = std::make_unique<TTastra2>(services);
        window->MidiOut().SetDeviceId(0);
        window->MidiOut().Open();
        window->MidiIn().SetDeviceId(0);
        window->MidiIn().Open();
        window->MidiIn().Start();
        window->MidiIn().OnMidiInput = [this](TMidiInput* input) { window->MidiInput(input); };
    }
    TAlsaStyleOutput out;
    TVirtualMidiInService in;
    TScriptedPrompts prompts;
    std::unique_ptr<TTastra2> window;
};

void BM_Panic(benchmark::State& state) {
    TRig rig(state.range(0) != 0);
    for (auto _ : state) rig.window->BPanicClick();
    state.SetItemsProcessed(rig.out.Sent());
    state.SetLabel(state.range(0) ? "notices" : "every message");
}
BENCHMARK(BM_Panic)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// 512 incoming notes (on and off) played through thru per iteration.
void BM_ThruFlood(benchmark::State& state) {
    TRig rig(state.range(0) != 0);
    for (auto _ : state) {
        for (int k = 0; k < 256; ++k) {
            rig.in.Inject(0, 0x640090u | (36 + k % 48) << 8, 0);
            rig.in.Inject(0, 0x000080u | (36 + k % 48) << 8, 0);
        }
        rig.window->MidiIn().Dispatch();
    }
    state.SetItemsProcessed(rig.out.Sent());
    state.SetLabel(state.range(0) ? "notices" : "every message");
}
BENCHMARK(BM_ThruFlood)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

TASTRA_QT_BENCHMARK_MAIN()
