#pragma once

// The program's own JACK MIDI ports. Each has a JACK client of its own, "<base> out" or
// "<base> in" (JackClientName), whose port is made before the client is activated and goes only
// with the client: libjack walks an active client's port list on its notification thread without
// a lock, so a port made or removed on an active client can crash the program whenever anyone on
// the server connects something. An output port writes each message at the frame time it was
// stamped with plus one period, so that every message leaves after the same delay whatever the
// moment in the cycle it was sent at; an input port keeps the frame time each message arrived at.
#include <algorithm>
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/midi/jackmonitor.h"

class TDirectThru;

// A queue from one thread to one other with slots made once: neither side waits or allocates.
template <class T, std::size_t N>
class TSpscRing {
public:
    bool Push(const T& item) {
        const std::size_t head = m_head.load(std::memory_order_relaxed);
        if (head - m_tail.load(std::memory_order_acquire) == N) return false;
        m_items[head % N] = item;
        m_head.store(head + 1, std::memory_order_release);
        return true;
    }
    // The oldest item, or null when empty. Consumer only.
    const T* Peek() const {
        const std::size_t tail = m_tail.load(std::memory_order_relaxed);
        if (m_head.load(std::memory_order_acquire) == tail) return nullptr;
        return &m_items[tail % N];
    }
    // Either side.
    bool Empty() const {
        return m_head.load(std::memory_order_acquire) == m_tail.load(std::memory_order_acquire);
    }
    void Drop() {
        m_tail.store(m_tail.load(std::memory_order_relaxed) + 1, std::memory_order_release);
    }

private:
    std::array<T, N> m_items{};
    std::atomic<std::size_t> m_head{0};
    std::atomic<std::size_t> m_tail{0};
};

// Where in a cycle of `frames` frames beginning at frame time `cycleStart` a message stamped
// `stamp` is written when it is due `delay` frames after its stamp: its due frame's offset, but
// no earlier than `earliest` (the offset of the message before it, so that order is kept) and
// never before the cycle (a message that comes late goes at once). -1 when it is due in a later
// cycle; a stamp more than `horizon` frames ahead is taken as wrong and goes at once. Frame
// times wrap around.
inline std::int64_t DueOffset(std::uint32_t stamp, std::uint32_t delay, std::uint32_t cycleStart,
                              std::uint32_t frames, std::uint32_t earliest, std::uint32_t horizon) {
    // Signed distance on the wrapping clock.
    const std::int64_t due = static_cast<std::int32_t>(stamp + delay - cycleStart);
    std::int64_t offset = due;
    if (due >= frames) {
        if (due - frames < horizon) return -1;
        offset = 0;
    }
    return std::max<std::int64_t>({offset, 0, earliest});
}

// A port that the server's process thread serves once per cycle, from the moment its client is
// activated. Process must neither wait nor allocate. `buffer` is the port's buffer for the
// cycle; `cycleStart` is the frame time of the cycle's first frame.
class TJackProcessPort {
public:
    virtual ~TJackProcessPort() = default;
    virtual void Process(void* buffer, std::uint32_t frames, std::uint32_t cycleStart) = 0;
    // For a client with a second port: `second` is that port's buffer for the cycle.
    virtual void ProcessWith(void* buffer, void* second, std::uint32_t frames,
                             std::uint32_t cycleStart) {
        static_cast<void>(second);
        Process(buffer, frames, cycleStart);
    }
};

// A JACK client with one MIDI port (or two), serving `served` in every cycle. The ports are
// registered before the client is activated and never removed from it.
class TJackPortClient {
public:
    // Null with `error` set when there is no server or the client or its port cannot be made.
    static std::unique_ptr<TJackPortClient> Open(const std::string& clientName,
                                                 const std::string& portName, unsigned long flags,
                                                 TJackProcessPort* served, std::string& error,
                                                 const char* secondPort = nullptr,
                                                 unsigned long secondFlags = 0);
    // Closes the client; when it returns, the process thread runs no more for it. The client
    // of a server that went away is let go of unclosed (AbandonJackClient).
    ~TJackPortClient();

    struct _jack_client* Client() const {
        return m_client;
    }
    struct _jack_port* Port() const {
        return m_port;
    }
    struct _jack_port* Second() const {
        return m_second;
    }
    // Full port name, "client:port".
    std::string PortName() const;
    // Full names of the ports `port` is connected to.
    std::vector<std::string> Connections(struct _jack_port* port) const;
    // False once the server has gone.
    bool Alive() const { return !m_shutDown.load(std::memory_order_acquire); }
    // Counts the server's cycles since the client was activated.
    unsigned Cycles() const { return m_cycles.load(std::memory_order_acquire); }

private:
    TJackPortClient() = default;
    static int OnProcess(std::uint32_t frames, void* self);
    static void OnShutdown(void* self);

    struct _jack_client* m_client = nullptr;
    struct _jack_port* m_port = nullptr;
    struct _jack_port* m_second = nullptr;
    TJackProcessPort* m_served = nullptr;
    std::atomic<bool> m_shutDown{false};
    std::atomic<unsigned> m_cycles{0};
};

// One short message on its way out.
struct TJackOutEvent {
    std::uint32_t Stamp = 0;
    std::uint8_t Bytes[3] = {};
    std::uint8_t Size = 0;
};

// An output port of ours. Send() is called on one thread (the window thread).
class TJackMidiOutPort : public TJackProcessPort {
public:
    // Makes the port "out" on a client "<base> out" of the monitor's server; null with `error`
    // set when it cannot be made. With `thruInput` the client also gets an input "thru" whose
    // messages leave through "out" in the same cycle at the frame they came at (the server runs
    // a client that feeds it before this one in every cycle).
    static std::unique_ptr<TJackMidiOutPort> Open(TJackMonitor& jack, std::string& error,
                                                  bool thruInput = false);
    ~TJackMidiOutPort() override;

    // Connects to another program's input port; false when the server refuses.
    bool Connect(const std::string& target);
    // Queues a message stamped `stamp` (a frame time), or now when `stamped` is false. Waits a
    // little while the queue is full; false when it stays full (the server stalls).
    bool Send(const std::uint8_t* bytes, std::size_t size, bool stamped, std::uint32_t stamp);
    // False once the server the port was made on has gone.
    bool Alive() const { return m_client && m_client->Alive(); }
    // Full name of the input "thru"; empty when the port has none.
    std::string ThruInputName() const;
    // Full names of the ports "out" is connected to.
    std::vector<std::string> Connections() const;

    void Process(void* buffer, std::uint32_t frames, std::uint32_t cycleStart) override;
    void ProcessWith(void* buffer, void* thru, std::uint32_t frames,
                     std::uint32_t cycleStart) override;

private:
    TJackMidiOutPort() = default;

    std::unique_ptr<TJackPortClient> m_client;
    // Set once the client is made, read by the process thread.
    std::atomic<std::uint32_t> m_horizon{0};
    // A Panic sends about 2,100 messages at once; they all wait here without blocking.
    TSpscRing<TJackOutEvent, 8192> m_queue;
};

// An input port of ours. What arrives is copied out of the process thread into a lock-free ring
// and handed to `deliver` on a thread of the port's own, whole message by message, with the
// frame time it arrived at.
class TJackMidiInPort : public TJackProcessPort {
public:
    using TDeliver =
        std::function<void(std::uint32_t frame, const std::uint8_t* data, std::size_t size)>;

    // Makes the port "in" on a client "<base> in" of the monitor's server. With `thru` the
    // client also gets an output "thru" that passes what comes in through `thru` in the same
    // cycle; what arrives is delivered all the same.
    static std::unique_ptr<TJackMidiInPort> Open(TJackMonitor& jack, TDeliver deliver,
                                                 std::string& error, TDirectThru* thru = nullptr);
    // When it returns, `deliver` runs no more.
    ~TJackMidiInPort() override;

    // Full name, "client:port".
    std::string Name() const;
    bool ConnectFrom(const std::string& source);
    // Full names of the ports connected into this one.
    std::vector<std::string> Sources() const;
    // The engine passing what comes in through "thru", or null.
    TDirectThru* Thru() const { return m_thru; }
    // Connects "thru" to `target` unless it is already; false when it cannot be.
    bool ConnectThruTo(const std::string& target);
    // Removes every connection into this port from a port whose full name `cut` chooses; the
    // names of those ports.
    std::vector<std::string> CutConnections(const std::function<bool(const std::string&)>& cut);
    bool Alive() const { return m_client && m_client->Alive(); }
    // Messages lost because the reader fell behind.
    std::uint64_t Dropped() const { return m_dropped.load(std::memory_order_relaxed); }

    void Process(void* buffer, std::uint32_t frames, std::uint32_t cycleStart) override;
    void ProcessWith(void* buffer, void* thru, std::uint32_t frames,
                     std::uint32_t cycleStart) override;

private:
    explicit TJackMidiInPort(TDeliver deliver);
    void Read();

    std::unique_ptr<TJackPortClient> m_client;
    TDeliver m_deliver;
    TDirectThru* m_thru = nullptr;
    std::atomic<std::uint64_t> m_dropped{0};
    std::atomic<bool> m_stop{false};
    // The ring from the process thread to the reader, and the reader's wake-up.
    struct TChannel;
    std::unique_ptr<TChannel> m_channel;
    std::thread m_reader;
};
