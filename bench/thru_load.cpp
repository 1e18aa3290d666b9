// The thru path under load: a sender thread pushes note-on/off messages at a steady rate into
// the window's input over JACK while the window thread runs; the window plays them into a JACK
// receiver. Prints the longest event-loop stall (a 1 ms timer's longest gap), the messages lost
// to the input's full queue, what arrived, and whether the order held.
// Usage: thru_load [seconds, default 30] [messages per second, default 10000] [direct]
// With "direct" the sender is connected straight to the receiver, without the program, to tell
// what JACK itself loses or reorders at that rate on this machine.
#include <jack/jack.h>

#include <QElapsedTimer>
#include <QTimer>
#include <atomic>
#include <thread>

#include "bench/thruharness.h"

namespace {

// Note k of the stream: 16 channels x 128 notes x 127 velocities before a message repeats.
uint32_t NoteOn(long k) {
    return (0x90 | k % 16) | ((k / 16) % 128) << 8 | (1 + (k / 2048) % 127) << 16;
}
uint32_t NoteOff(long k) { return (NoteOn(k) & 0xFF00) | (0x80 | k % 16); }
// What thru sends for it: a note-off becomes a zero-velocity note-on.
uint32_t ThruOf(uint32_t m) { return (m & 0xF0) == 0x80 ? ((m & 0xFF00) | 0x90 | (m & 15)) : m; }

std::vector<uint32_t> Stream(long notes) {
    std::vector<uint32_t> out;
    for (long k = 0; k < notes; ++k) {
        out.push_back(NoteOn(k));
        if (k >= 4) out.push_back(NoteOff(k - 4));
    }
    for (long k = std::max(0L, notes - 4); k < notes; ++k) out.push_back(NoteOff(k));
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const int rate = argc > 2 ? std::max(1000, std::atoi(argv[2])) : 10000;

    TJackServer server(128);
    if (!server.Running()) {
        std::fprintf(stderr, "no JACK server: %s\n", server.Error().c_str());
        return 1;
    }
    TJackSender tx;
    TStampedReceiver rx(UniqueClient("load-rx"));
    if (!tx.Ok()) {
        std::fprintf(stderr, "sender port could not be opened: %s\n", tx.Error().c_str());
        return 1;
    }
    const bool direct = argc > 3 && std::string(argv[3]) == "direct";
    std::unique_ptr<TThruWindow> rig;
    if (direct) {
        jack_status_t status;
        jack_client_t* patch = jack_client_open("tastra-load-patch", JackNoStartServer, &status);
        if (!patch || jack_connect(patch, tx.PortName().c_str(), rx.PortName().c_str()) != 0) {
            std::fprintf(stderr, "the direct connection could not be made\n");
            return 1;
        }
        QTest::qWait(50);
    } else {
        rig = std::make_unique<TThruWindow>(tx.PortName(), rx.PortName());
    }
    if (rig && !rig->Ok()) {
        std::fprintf(stderr, "the window did not open the bench's ports\n");
        return 1;
    }

    const std::vector<uint32_t> sent = Stream(static_cast<long>(rate) * seconds / 2);
    const int perMs = rate / 1000;
    std::atomic<bool> done{false};
    std::thread sender([&] {
        auto next = TClock::now();
        for (size_t i = 0; i < sent.size(); ++i) {
            const uint32_t m = sent[i];
            tx.Send({uint8_t(m), uint8_t(m >> 8), uint8_t(m >> 16)});
            if ((i + 1) % perMs == 0) {
                next += std::chrono::milliseconds(1);
                std::this_thread::sleep_until(next);
            }
        }
        done = true;
    });

    QElapsedTimer clock;
    clock.start();
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    // Ends the run once the sender is done and nothing more arrives for 200 ms. What arrived is
    // taken before quitting: closing the window resets the output, which sends more.
    std::vector<TStampedReceiver::TArrival> arrivals;
    size_t lastCount = 0;
    int quiet = 0;
    QTimer finish;
    finish.setInterval(50);
    QObject::connect(&finish, &QTimer::timeout, [&] {
        const size_t count = rx.Count();
        quiet = (done && count == lastCount) ? quiet + 1 : 0;
        lastCount = count;
        if (quiet >= 4) {
            arrivals = rx.Take();
            app.quit();
        }
    });
    tick.start();
    finish.start();
    app.exec();
    tick.stop();
    sender.join();
    const double elapsed = clock.nsecsElapsed() / 1e9;

    std::vector<uint32_t> got;
    for (const auto& a : arrivals)
        if (a.Bytes.size() == 3) got.push_back(a.Bytes[0] | a.Bytes[1] << 8 | a.Bytes[2] << 16);
    size_t j = 0;
    bool ordered = true;
    size_t firstOutOfOrder = 0;
    for (size_t i = 0; i < got.size(); ++i) {
        while (j < sent.size() && (direct ? sent[j] : ThruOf(sent[j])) != got[i]) ++j;
        if (j == sent.size()) {
            ordered = false;
            firstOutOfOrder = i;
            break;
        }
        ++j;
    }
    const uint64_t overflow = rig ? rig->Window().MidiIn().OverflowCount() : 0;
    std::printf("%s load: %d s at %d messages/s over JACK\n", direct ? "direct" : "thru", seconds,
                rate);
    std::printf(
        "  sent %zu, arrived at the receiver %zu, lost to a full input queue %llu, "
        "otherwise missing %lld\n",
        sent.size(), got.size(), static_cast<unsigned long long>(overflow),
        static_cast<long long>(sent.size()) - static_cast<long long>(got.size()) -
            static_cast<long long>(overflow));
    if (ordered)
        std::printf("  order kept: yes\n");
    else
        std::printf("  order kept: NO, arrival %zu (%06X) is not in the sent order\n",
                    firstOutOfOrder, got[firstOutOfOrder]);
    std::printf("  longest event-loop stall: %.2f ms (1 ms timer), run took %.1f s\n",
                longest / 1e6, elapsed);
    return ordered ? 0 : 2;
}
