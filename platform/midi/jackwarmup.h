#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

// Connects to a running JACK server on a thread of its own while the window is being made, and
// stays connected until Release(). The JACK library sets itself up for the process when its
// first client connects and lists ports, and takes that down when the last one closes: about a
// tenth of a second on a busy machine. Held open here, the device lists read on the window
// thread after the first paint find it set up. The client has no ports and is never activated;
// it is named "<clientName> start-up" so that it takes no name the program's ports use. Never
// starts a server.
class TJackWarmUp {
public:
    explicit TJackWarmUp(const std::string& clientName);
    // Releases and waits for the thread.
    ~TJackWarmUp();
    TJackWarmUp(const TJackWarmUp&) = delete;
    TJackWarmUp& operator=(const TJackWarmUp&) = delete;

    // Lets the connection go (on the warm-up thread: the caller does not wait for it).
    void Release();

private:
    std::mutex m_lock;
    std::condition_variable m_released;
    bool m_release = false;
    std::thread m_thread;
};
