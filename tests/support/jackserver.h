#pragma once

#include <sys/types.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct _jack_client;
struct _jack_port;

// A private JACK server for one test run: `jackd -n <unique name> -d dummy` with no audio
// hardware, named afresh for every run. The constructor sets JACK_DEFAULT_SERVER (so every JACK
// client created afterwards in this process talks to it) and waits until it answers; the
// destructor stops it, and so does the end of the process, killed or not. Only one test process
// at a time runs a server: the others wait for it, and the first to get its turn after a run
// that was killed cleans up what that run left in JACK's registry of servers.
//
//   TJackServer server;
//   if (!server.Running()) GTEST_SKIP() << server.Error();
class TJackServer {
public:
    // At 128 frames a small machine's server misses cycles every few tens of milliseconds, and
    // more while clients come and go; a message on its way through a missed cycle comes late or
    // not at all, whatever its sender did. At 1024 frames it keeps up.
    static constexpr int kSteadyPeriod = 1024;

    // `period`: frames per cycle at 48 kHz.
    explicit TJackServer(int period = kSteadyPeriod);
    ~TJackServer();
    TJackServer(const TJackServer&) = delete;
    TJackServer& operator=(const TJackServer&) = delete;

    bool Running() const { return m_running; }
    // Ends the server with the signal, as a user or a crash would, keeping this run's turn.
    void Kill(int signal);
    // Starts the server again under the same name; false (and Error() set) when it does not
    // answer.
    bool Restart();
    // Why the server is not running (empty while it is).
    const std::string& Error() const { return m_error; }
    const std::string& Name() const { return m_name; }
    // Process id of the running jackd; -1 when none runs.
    pid_t ServerPid() const { return m_pid; }

private:
    bool Start();
    void Stop();

    std::string m_name;
    std::string m_period;
    pid_t m_pid = -1;
    int m_lockFd = -1;
    bool m_running = false;
    std::string m_error;
};

// Waits up to `ms` milliseconds until the port named `portName` ("client:port") has a
// connection, and then two periods more, so that the connection is in effect for what is sent
// next. False on time-out.
bool WaitJackPortConnected(const std::string& portName, int ms);

// An xrun callback of a test client: counts the server's missed cycles into the
// std::atomic<int> it is registered with (see TJackServer::kSteadyPeriod).
int CountJackXrun(void* count);

// A JACK MIDI input port opened by the test; collects every message that arrives on it.
// Needs a running TJackServer. Its client makes the port before it is activated and never
// removes it (libjack walks an active client's port list unlocked on its notification thread).
class TJackReceiver {
public:
    // With a client name the port is "<clientName>:in", so that it comes back under the same
    // name when opened again.
    explicit TJackReceiver(const std::string& clientName = std::string());
    ~TJackReceiver();
    TJackReceiver(const TJackReceiver&) = delete;
    TJackReceiver& operator=(const TJackReceiver&) = delete;

    // False (and Error() set) when the port could not be opened.
    bool Ok() const { return m_ok; }
    const std::string& Error() const { return m_error; }
    // Full JACK name of the port, "client:port": the device name the MIDI layer lists for it.
    std::string PortName() const { return m_portName; }

    // Waits up to `ms` milliseconds until at least n messages arrived; returns all messages
    // received so far (fewer than n on time-out), oldest first.
    std::vector<std::vector<std::uint8_t>> WaitFor(size_t n, int ms);
    std::vector<std::vector<std::uint8_t>> Received();
    // Removes the port (and its client) from the server, as when the receiving program quits.
    void Close();
    // Cycles the server missed while the port was open (see kSteadyPeriod).
    int Xruns() const { return m_xruns.load(); }

private:
    static int OnProcess(std::uint32_t frames, void* self);

    struct _jack_client* m_client = nullptr;
    struct _jack_port* m_port = nullptr;
    std::string m_portName;
    bool m_ok = false;
    std::string m_error;
    std::mutex m_lock;
    std::condition_variable m_arrived;
    std::vector<std::vector<std::uint8_t>> m_messages;
    std::atomic<int> m_xruns{0};
};

// A JACK MIDI output port opened by the test, as another program's output would be. Needs a
// running TJackServer. With a client name the port is "<clientName>:out", so that a sender that
// quits and starts again comes back under the same name, as a restarted program would.
class TJackSender {
public:
    explicit TJackSender(const std::string& clientName = std::string());
    ~TJackSender();
    TJackSender(const TJackSender&) = delete;
    TJackSender& operator=(const TJackSender&) = delete;

    bool Ok() const { return m_ok; }
    const std::string& Error() const { return m_error; }
    // Full JACK name of the port, "client:port": the input device name the MIDI layer lists.
    std::string PortName() const { return m_portName; }
    // Sends one whole message (short or system-exclusive).
    void Send(const std::vector<std::uint8_t>& message);

private:
    static int OnProcess(std::uint32_t frames, void* self);

    struct _jack_client* m_client = nullptr;
    struct _jack_port* m_port = nullptr;
    std::string m_portName;
    bool m_ok = false;
    std::string m_error;
    // Taken by the process callback (a test's sender need not be real-time safe).
    std::mutex m_lock;
    std::vector<std::vector<std::uint8_t>> m_pending;
};
