#pragma once

#include <memory>
#include <string>
#include <vector>

class QProcess;

// A private PipeWire for one test suite, as a desktop runs it: the server, its session manager
// and its PulseAudio face, with one null sink as the only (and default) output, in a runtime
// folder of its own. The constructor starts it and points this process's sound clients at it
// (PULSE_SERVER); the destructor stops every process it started and waits for each to end.
//
//   TPipeWireServer server;
//   if (!server.Running()) GTEST_SKIP() << server.Error();
class TPipeWireServer {
public:
    TPipeWireServer();
    ~TPipeWireServer();
    TPipeWireServer(const TPipeWireServer&) = delete;
    TPipeWireServer& operator=(const TPipeWireServer&) = delete;

    bool Running() const { return m_running; }
    // Why it is not running (empty while it is).
    const std::string& Error() const { return m_error; }
    // The null sink's name; its monitor source is SinkName() + ".monitor".
    static constexpr const char* kSinkName = "tastra-test-sink";

    // Stops the server, its session manager and its PulseAudio face, as a user restarting
    // them does.
    void Stop();
    // Starts them again; false (Error() set) when the sink does not come back.
    bool Start();

private:
    bool StartOnce();
    bool Spawn(const char* program, const std::vector<std::string>& args);
    bool WaitForSink();

    std::string m_folder;
    std::unique_ptr<QProcess> m_bus;
    std::vector<std::unique_ptr<QProcess>> m_servers;
    bool m_running = false;
    std::string m_lastAnswer;
    std::string m_error;
};
