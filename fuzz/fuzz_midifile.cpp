// Standard MIDI Files as the Record menu reads them: any bytes either give a clear message or a
// song whose messages are channel messages with 7-bit data, in time order, within a day; and a
// song written back as a file reads again as the same messages, each within one tick.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "record/midifile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TMidiSong song;
    QString error;
    if (!TMidiFile::Parse(data, size, song, error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(song.Messages.empty());
        return 0;
    }
    FUZZ_CHECK(!song.Messages.empty());
    FUZZ_CHECK(song.Format == 0 || song.Format == 1);
    std::int64_t last = 0;
    for (const TTimedMessage& m : song.Messages) {
        FUZZ_CHECK(m.Status >= 0x80 && m.Status < 0xF0);
        FUZZ_CHECK(m.Data1 < 0x80 && m.Data2 < 0x80);
        FUZZ_CHECK(m.TimeNs >= last && m.TimeNs <= TMidiFile::kMaxSongNs);
        last = m.TimeNs;
    }
    FUZZ_CHECK(song.LengthNs >= last);

    const std::string written = TMidiFile::Bytes(song.Messages, "fuzz", song.LengthNs);
    TMidiSong again;
    FUZZ_CHECK(TMidiFile::Parse(reinterpret_cast<const uint8_t*>(written.data()), written.size(),
                                again, error));
    FUZZ_CHECK(again.Messages.size() == song.Messages.size());
    const std::int64_t tick = TMidiFile::NsOfTick(1);
    for (size_t i = 0; i < song.Messages.size(); ++i) {
        const TTimedMessage& a = song.Messages[i];
        const TTimedMessage& b = again.Messages[i];
        FUZZ_CHECK(a.Status == b.Status && a.Data1 == b.Data1);
        FUZZ_CHECK((a.Status & 0xE0) == 0xC0 || a.Data2 == b.Data2);
        FUZZ_CHECK(std::llabs(a.TimeNs - b.TimeNs) <= tick);
    }
    return 0;
}
