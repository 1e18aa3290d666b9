// Latency of the thru path, against a direct connection in the same run: a JACK sender feeds
// the window's input and the window plays into a JACK receiver; beside it a second sender is
// connected straight to a second receiver. Prints median, 99th percentile and worst case in
// microseconds. Usage: thru_bench [messages per path, default 1000]
#include <jack/jack.h>

#include <QTimer>
#include <atomic>
#include <random>
#include <thread>

#include "bench/thruharness.h"

namespace {

// Sends n messages one at a time, each after the previous one arrived, and returns the time
// from send to arrival of each. Alternates note-on and note-off so that nothing stays held.
std::vector<double> Measure(TJackSender& tx, TStampedReceiver& rx, int n, int& missing) {
    std::vector<double> us;
    std::mt19937 random(7);
    // A random pause between messages so that sends fall on every phase of the server's cycle.
    std::uniform_int_distribution<int> pause(1000, 4000);
    rx.Take();
    for (int i = 0; i < n; ++i) {
        const uint8_t note = static_cast<uint8_t>(36 + (i / 2) % 48);
        const TClock::time_point sent = TClock::now();
        tx.Send(i % 2 == 0 ? std::vector<uint8_t>{0x90, note, 100}
                           : std::vector<uint8_t>{0x80, note, 0});
        if (rx.WaitFor(1, std::chrono::milliseconds(1000)) == 0) {
            ++missing;
            continue;
        }
        const auto got = rx.Take();
        us.push_back(std::chrono::duration<double, std::micro>(got.front().At - sent).count());
        std::this_thread::sleep_for(std::chrono::microseconds(pause(random)));
    }
    return us;
}

void Print(const char* name, const std::vector<double>& us, int missing) {
    double mean = 0;
    for (double v : us) mean += v;
    if (!us.empty()) mean /= us.size();
    std::printf(
        "%-30s n=%zu  median %7.0f us  p99 %7.0f us  max %7.0f us  mean %7.0f us  "
        "missing %d\n",
        name, us.size(), Percentile(us, 0.5), Percentile(us, 0.99), Percentile(us, 1.0), mean,
        missing);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    TJackServer server(128);
    if (!server.Running()) {
        std::fprintf(stderr, "no JACK server: %s\n", server.Error().c_str());
        return 1;
    }
    TJackSender thruTx;
    TStampedReceiver thruRx(UniqueClient("thru-rx"));
    TJackSender directTx;
    TStampedReceiver directRx(UniqueClient("direct-rx"));
    if (!thruTx.Ok() || !directTx.Ok()) {
        std::fprintf(stderr, "sender ports could not be opened\n");
        return 1;
    }
    jack_status_t status;
    jack_client_t* patch = jack_client_open("tastra-bench-patch", JackNoStartServer, &status);
    if (!patch ||
        jack_connect(patch, directTx.PortName().c_str(), directRx.PortName().c_str()) != 0) {
        std::fprintf(stderr, "the direct connection could not be made\n");
        return 1;
    }
    TThruWindow rig(thruTx.PortName(), thruRx.PortName());
    if (!rig.Ok()) {
        std::fprintf(stderr, "the window did not open the bench's ports\n");
        return 1;
    }

    // The window thread runs its own event loop while the measuring thread waits for arrivals.
    std::vector<double> thru, direct;
    int thruMissing = 0, directMissing = 0;
    std::thread worker([&] {
        direct = Measure(directTx, directRx, n, directMissing);
        thru = Measure(thruTx, thruRx, n, thruMissing);
        QMetaObject::invokeMethod(&app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    app.exec();
    worker.join();

    std::printf("JACK dummy server, 48000 Hz, 128 frames per period (%.2f ms)\n",
                128 * 1000.0 / 48000);
    Print("direct sender -> receiver", direct, directMissing);
    Print("sender -> thru -> receiver", thru, thruMissing);
    jack_client_close(patch);
    return 0;
}
