// Recording and playing MIDI files through the main window (offscreen, virtual MIDI services),
// printed as numbers:
//
//   record    an hour of dense playing (20 messages a second, stamped as keys are, an hour apart
//             in all) sent through the window's send path while recording: how long a send
//             keeps the window (99th percentile and longest), beside the same with no recording,
//             and the memory the recording holds
//   save      that hour written as a Standard MIDI File: time and size
//   play      a file of 10,000 messages, one every millisecond, played through the window with
//             its keys lit: how late each message was handed to the output after its time,
//             against one JACK period at 128 frames and 48 kHz (2.67 ms)
//
//   record_bench [--events 10000]
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "app/recordlink.h"
#include "app/tastra.h"
#include "bench/percentile.h"
#include "midi/midioutput.h"
#include "platform/lib/steadyclock.h"
#include "record/midifile.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"
#include "support/virtualmidi.h"

namespace {

// Runs the event loop until done() holds or ms have passed.
template <class F>
void WaitFor(F done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

// Notes how long after its moment each message reached the output.
class TLatenessOutput : public TVirtualMidiService {
public:
    using TVirtualMidiService::TVirtualMidiService;
    MidiResult OutShortMsgAt(MidiHandle handle, std::uint32_t packed,
                             TMidiFrameTime time) override {
        if (time.SteadyNs != 0) Late.push_back((SteadyNowNs() - time.SteadyNs) / 1e6);
        return TVirtualMidiService::OutShortMsgAt(handle, packed, time);
    }
    std::vector<double> Late;
};

// The send path's call times for n messages (a note struck, then released), in ms; stamped 50 ms
// apart.
std::vector<double> SendTimes(TTastra2& w, int n, std::int64_t start) {
    std::vector<double> times;
    QElapsedTimer t;
    for (int i = 0; i < n; ++i) {
        TMidiFrameTime moment;
        moment.SteadyNs = start + std::int64_t(i) * 50000000;
        TEventTimeScope scope(w.MidiOut(), moment);
        const auto note = static_cast<uint8_t>(48 + (i / 2) % 24);
        t.start();
        w.SendAndShow(0x90, note, i % 2 ? 0 : 100);
        times.push_back(t.nsecsElapsed() / 1e6);
        if (i % 2000 == 0) QCoreApplication::processEvents();
    }
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int playEvents = 10000;
    for (int i = 1; i + 1 < argc; ++i)
        if (!std::strcmp(argv[i], "--events")) playEvents = std::atoi(argv[i + 1]);

    TLatenessOutput out({"Synth"});
    TVirtualMidiInService in;
    TMemSettingsStore store(true);
    store.WriteString("MidiDevices", "MidiOut", "Synth");
    TScriptedPrompts prompts;
    TTastraServices s;
    s.midiOut = &out;
    s.midiIn = &in;
    s.prompts = &prompts;
    s.openSettingsRoot = [&store] { return std::make_unique<TSharedStoreView>(store); };
    TTastra2 w(s);
    w.show();
    WaitFor([&] { return w.StartupDone(); }, 5000);

    const int hour = 20 * 3600;
    const std::vector<double> idle = SendTimes(w, hour, SteadyNowNs());
    w.FindAction("StartRecording1")->trigger();
    const std::vector<double> recording = SendTimes(w, hour, SteadyNowNs());
    w.FindAction("StartRecording1")->trigger();
    out.ClearSent();
    const TMidiRecorder& r = w.Record().Recorder();
    std::printf("record  %zu messages of an hour: a send takes 99%% %.3f ms, most %.3f ms "
                "recording; 99%% %.3f ms, most %.3f ms not; %.2f MB held\n",
                r.Messages().size(), Percentile(recording, 0.99), Percentile(recording, 1.0),
                Percentile(idle, 0.99), Percentile(idle, 1.0), r.MemoryBytes() / 1048576.0);

    QTemporaryDir dir;
    const QString path = dir.filePath("hour.mid");
    QElapsedTimer t;
    t.start();
    QString error;
    const bool saved = TMidiFile::Write(path, r.Messages(), "hour", r.LengthNs(0), error);
    std::printf("save    %s in %.1f ms, %.1f KB\n", saved ? "written" : "FAILED",
                t.nsecsElapsed() / 1e6, QFileInfo(path).size() / 1024.0);

    std::vector<TTimedMessage> song;
    for (int i = 0; i < playEvents; ++i)
        song.push_back({std::int64_t(i) * 1000000, 0x90, static_cast<uint8_t>(48 + (i / 2) % 24),
                        static_cast<uint8_t>(i % 2 ? 0 : 90)});
    const QString songPath = dir.filePath("dense.mid");
    TMidiFile::Write(songPath, song, "dense", song.back().TimeNs, error);
    out.Late.clear();
    prompts.playMidiFrom = songPath;
    w.FindAction("PlayMidiFile1")->trigger();
    WaitFor([&] { return !w.Record().Player().Playing() && !w.Record().Loading(); },
                    playEvents + 10000);
    const double period = 128 / 48.0;
    int over = 0;
    for (double late : out.Late) over += late > period;
    std::printf(
        "play    %zu messages: late by median %.3f ms, 99%% %.3f ms, most %.3f ms; "
        "%d over one period (%.2f ms)\n",
        out.Late.size(), Percentile(out.Late, 0.5), Percentile(out.Late, 0.99),
        Percentile(out.Late, 1.0), over, period);
    w.close();
    return 0;
}
