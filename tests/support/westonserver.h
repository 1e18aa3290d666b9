#pragma once

#include <sys/types.h>

#include <string>

// A private Wayland compositor for one test process: weston's headless backend, with a runtime
// folder of its own. The constructor starts it, waits until it accepts clients and sets
// XDG_RUNTIME_DIR and WAYLAND_DISPLAY; the destructor stops it and waits for it to end.
//
//   TWestonServer server;
//   if (!server.Running()) GTEST_SKIP() << server.Error();
class TWestonServer {
public:
    TWestonServer();
    ~TWestonServer();
    TWestonServer(const TWestonServer&) = delete;
    TWestonServer& operator=(const TWestonServer&) = delete;

    bool Running() const { return m_pid > 0; }
    // Why it is not running (empty while it is).
    const std::string& Error() const { return m_error; }

private:
    void Stop();

    pid_t m_pid = -1;
    std::string m_folder;
    std::string m_error;
};
