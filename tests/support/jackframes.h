#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/midi/jackports.h"

struct _jack_client;
struct _jack_port;

// A JACK client of the test's own, as another program would be, that works to the frame: its
// MIDI input "in" records each message with the frame time and the offset in its cycle it came
// at, and its MIDI output "out" writes messages at the frame times asked for. Needs a running
// server.
class TJackFrameClient {
public:
    struct TEvent {
        std::uint32_t Frame = 0;
        std::uint32_t Offset = 0;  // in the cycle it came in
        std::vector<std::uint8_t> Bytes;
    };

    explicit TJackFrameClient(const std::string& clientName);
    ~TJackFrameClient();
    TJackFrameClient(const TJackFrameClient&) = delete;
    TJackFrameClient& operator=(const TJackFrameClient&) = delete;

    bool Ok() const { return m_client != nullptr; }
    _jack_client* Client() const { return m_client; }
    std::string InName() const;
    std::string OutName() const;
    // The server's clock and its cycle length, in frames.
    std::uint32_t Now() const;
    std::uint32_t Period() const;

    // Writes a message of up to three bytes at frame time `frame` (at once when it is past).
    // Messages must be asked for in the order of their frames.
    void SendAt(std::uint32_t frame, const std::vector<std::uint8_t>& bytes);
    // Waits up to `ms` milliseconds until at least n messages came in; all of them, oldest first.
    std::vector<TEvent> WaitFor(std::size_t n, int ms);
    // What came in so far.
    std::vector<TEvent> Received();
    // How often the server missed a cycle since the client started (the machine was too busy to
    // run the graph in time): a message on its way meanwhile may come late or not at all,
    // whatever the programs did.
    int Xruns() const { return m_xruns.load(); }

private:
    static int OnProcess(std::uint32_t frames, void* self);
    void Process(std::uint32_t frames);
    void Collect();

    _jack_client* m_client = nullptr;
    _jack_port* m_in = nullptr;
    _jack_port* m_out = nullptr;
    TSpscRing<TEvent, 1024> m_arrived;
    TSpscRing<TJackOutEvent, 1024> m_toSend;
    std::mutex m_lock;
    std::vector<TEvent> m_received;
    std::atomic<int> m_xruns{0};
};
