#pragma once

#include <sys/types.h>

#include <string>

// A private X server for one test process: `Xvfb -displayfd` picks a free display number itself,
// so parallel runs never collide. The constructor starts it and sets DISPLAY; the destructor
// stops it.
//
//   TXvfbServer server;
//   if (!server.Running()) GTEST_SKIP() << server.Error();
class TXvfbServer {
public:
    explicit TXvfbServer(const std::string& screen = "1280x1024x24");
    ~TXvfbServer();
    TXvfbServer(const TXvfbServer&) = delete;
    TXvfbServer& operator=(const TXvfbServer&) = delete;

    bool Running() const { return m_pid > 0; }
    // Why the server is not running (empty while it is).
    const std::string& Error() const { return m_error; }
    // ":<number>", the value DISPLAY was set to.
    const std::string& Display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_error;
};
