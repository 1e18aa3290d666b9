// The MIDI input's byte stream, from the port's packets to the events the window thread takes:
// short messages, running status, real-time bytes anywhere, system-exclusive data split across
// packets and buffers, the queue and its buffers reused. The first byte sets the filters; then
// each packet is a length byte and that many bytes (length 255 closes and reopens the device).
// While nothing was lost, the events must be exactly what a plain reading of the stream gives.
#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "fuzz/fuzzcheck.h"
#include "midi/midiinput.h"
#include "support/virtualmidi.h"

namespace {

int DataBytesOf(uint8_t status) {
    if (status < 0xF0) return (status & 0xE0) == 0xC0 ? 1 : 2;
    if (status == 0xF2) return 2;
    return status == 0xF1 || status == 0xF3 ? 1 : 0;
}

// What the stream holds, read byte by byte by the rules of the MIDI wire.
struct TExpected {
    std::vector<uint32_t> shorts;
    std::vector<uint8_t> sysex;
    uint8_t running = 0;
    std::vector<uint8_t> args;
    bool inSysEx = false;

    void Byte(uint8_t b) {
        if (b >= 0xF8) return shorts.push_back(b);
        if (inSysEx && b <= 0x7F) return sysex.push_back(b);
        if (inSysEx && b == 0xF7) {
            inSysEx = false;
            return sysex.push_back(b);
        }
        if (b >= 0x80) {
            // Any other status byte ends system-exclusive data and a message begun; only channel
            // messages run on.
            args.clear();
            inSysEx = b == 0xF0;
            running = b == 0xF0 || b == 0xF7 ? 0 : b;
            if (inSysEx) return sysex.push_back(b);
            if (running && DataBytesOf(running) == 0) Complete();
            return;
        }
        if (!running) return;
        args.push_back(b);
        if (static_cast<int>(args.size()) == DataBytesOf(running)) Complete();
    }
    void Complete() {
        uint32_t packed = running;
        for (size_t i = 0; i < args.size(); ++i) packed |= uint32_t(args[i]) << (8 * (i + 1));
        shorts.push_back(packed);
        args.clear();
        if (running >= 0xF0) running = 0;
    }
    // A reopened device starts reading afresh; what was read stays.
    void Restart() {
        running = 0;
        args.clear();
        inSysEx = false;
    }
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    App();
    TVirtualMidiInService service({"Port"}, TVirtualMidiInService::dlSynchronous);
    TMidiInput input(service);
    const uint8_t flags = data[0];
    input.SetActiveSensing(flags & 1);
    input.SetTimingClock(flags & 2);
    input.SetSysExOnly(flags & 4);
    input.SetDeviceId(0);
    FUZZ_CHECK(input.Open());
    input.Start();

    TExpected expected;
    std::vector<uint32_t> shorts;
    std::vector<uint8_t> sysex;
    input.OnMidiInput = [&](TMidiInput* in) {
        while (auto e = in->GetMidiEvent()) {
            if (e->MidiMessage == 0xF0 || e->MidiMessage == 0xF7) {
                FUZZ_CHECK(e->Data1 == 0 && e->Data2 == 0);
                FUZZ_CHECK(e->SysEx.size() <= static_cast<size_t>(TMidiInput::kSysExBufferSize));
                FUZZ_CHECK((e->MidiMessage == 0xF0) == (e->SysEx.empty() || e->SysEx[0] == 0xF0));
                sysex.insert(sysex.end(), e->SysEx.begin(), e->SysEx.end());
            } else {
                FUZZ_CHECK(e->SysEx.empty() && e->MidiMessage >= 0x80);
                FUZZ_CHECK(e->Data1 < 0x80 && e->Data2 < 0x80);
                shorts.push_back(e->MidiMessage | e->Data1 << 8 | e->Data2 << 16);
            }
        }
    };

    for (size_t i = 1; i < size;) {
        const size_t length = data[i++];
        if (length == 255) {
            input.Stop();
            FUZZ_CHECK(input.Close());
            FUZZ_CHECK(input.Open());
            input.Start();
            expected.Restart();
            continue;
        }
        const size_t n = std::min(length, size - i);
        const std::vector<uint8_t> packet(data + i, data + i + n);
        i += n;
        for (uint8_t b : packet) expected.Byte(b);
        service.InjectBytes(0, packet);
        QCoreApplication::processEvents();
        FUZZ_CHECK(input.MessageCount() == 0);
        // Every buffer is lent to the service again once its data was taken.
        FUZZ_CHECK(input.SysExBuffersQueued() == TMidiInput::kSysExBufferCount);
    }

    if (input.OverflowCount() == 0 && service.DroppedSysExBytes() == 0) {
        std::vector<uint32_t> kept;
        for (uint32_t m : expected.shorts) {
            if ((m == 0xFE && !(flags & 1)) || (m == 0xF8 && !(flags & 2)) || (flags & 4)) continue;
            kept.push_back(m);
        }
        FUZZ_CHECK(shorts == kept);
        FUZZ_CHECK(sysex == expected.sysex);
    }
    FUZZ_CHECK(input.Close());
    return 0;
}
