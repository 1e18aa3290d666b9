#include "support/jackserver.h"

#include <fcntl.h>
#include <jack/jack.h>
#include <rtmidi/RtMidi.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace {

std::atomic<int> g_counter{0};

void Quiet(const char*) {}

// True once a client can connect to the named server (the default one when name is empty).
bool ServerAnswers(const std::string& name) {
    jack_status_t status;
    jack_client_t* c =
        name.empty()
            ? jack_client_open("tastra-test-probe", JackNoStartServer, &status)
            : jack_client_open("tastra-test-probe", JackOptions(JackNoStartServer | JackServerName),
                               &status, name.c_str());
    if (!c) return false;
    jack_client_close(c);
    return true;
}

}  // namespace

TJackServer::TJackServer() {
    // Two JACK servers on one machine contend for JACK's shared registry, and clients then
    // fail to connect now and then: test processes running in parallel take turns instead.
    m_lockFd = open("/tmp/tastra-jack-tests.lock", O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    auto lockDeadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (m_lockFd >= 0 && flock(m_lockFd, LOCK_EX | LOCK_NB) != 0) {
        if (std::chrono::steady_clock::now() > lockDeadline) {
            m_error = "another test process kept its JACK server for over 120 s";
            close(m_lockFd);
            m_lockFd = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    jack_set_error_function(Quiet);
    jack_set_info_function(Quiet);
    m_name = "tastra-" + std::to_string(getpid()) + "-" + std::to_string(g_counter++);
    setenv("JACK_DEFAULT_SERVER", m_name.c_str(), 1);
    setenv("JACK_NO_START_SERVER", "1", 1);
    Start();
}

bool TJackServer::Restart() {
    Stop();
    m_error.clear();
    return m_lockFd >= 0 && Start();
}

void TJackServer::Kill(int signal) {
    m_running = false;
    if (m_pid <= 0) return;
    kill(m_pid, signal);
    int status;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
}

bool TJackServer::Start() {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const char* argv[] = {"jackd", "-n",    m_name.c_str(), "-d",  "dummy",
                          "-r",    "48000", "-p",           "128", nullptr};
    int rc = posix_spawnp(&m_pid, "jackd", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_pid = -1;
        m_error = "jackd could not be started (is the jackd2 package installed?)";
        return false;
    }
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int status;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            m_error = "jackd exited right after starting (server " + m_name + ")";
            return false;
        }
        if (ServerAnswers(m_name)) {
            m_running = true;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_error = "jackd did not answer within 10 s (server " + m_name + ")";
    Stop();
    return false;
}

TJackServer::~TJackServer() {
    Stop();
    if (m_lockFd >= 0) close(m_lockFd);  // releases the lock
}

void TJackServer::Stop() {
    m_running = false;
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        int status;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(m_pid, SIGKILL);
    int status;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
}

TJackReceiver::TJackReceiver(const std::string& clientName) {
    std::string client = !clientName.empty() ? clientName
                                             : "tastra-test-rx-" + std::to_string(getpid()) + "-" +
                                                   std::to_string(g_counter++);
    // RtMidi's JACK client does not survive a missing server.
    if (!ServerAnswers("")) {
        m_error = "no JACK server is running";
        return;
    }
    try {
        m_in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, client);
    } catch (const RtMidiError& e) {
        m_error = e.getMessage();
        return;
    }
    m_in->setErrorCallback([](RtMidiError::Type, const std::string& text,
                              void* self) { static_cast<TJackReceiver*>(self)->m_error = text; },
                           this);
    m_in->setCallback(&TJackReceiver::OnMessage, this);
    m_in->openVirtualPort("in");
    if (!m_error.empty()) return;
    m_portName = client + ":in";
    m_ok = true;
}

TJackReceiver::~TJackReceiver() { Close(); }

void TJackReceiver::Close() {
    if (!m_in) return;
    m_in->closePort();
    m_in.reset();
}

void TJackReceiver::OnMessage(double, std::vector<unsigned char>* message, void* self) {
    auto* r = static_cast<TJackReceiver*>(self);
    {
        std::lock_guard<std::mutex> guard(r->m_lock);
        r->m_messages.emplace_back(message->begin(), message->end());
    }
    r->m_arrived.notify_all();
}

std::vector<std::vector<std::uint8_t>> TJackReceiver::WaitFor(size_t n, int ms) {
    std::unique_lock<std::mutex> lock(m_lock);
    m_arrived.wait_for(lock, std::chrono::milliseconds(ms), [&] { return m_messages.size() >= n; });
    return m_messages;
}

std::vector<std::vector<std::uint8_t>> TJackReceiver::Received() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_messages;
}

TJackSender::TJackSender(const std::string& clientName) {
    std::string client = !clientName.empty() ? clientName
                                             : "tastra-test-tx-" + std::to_string(getpid()) + "-" +
                                                   std::to_string(g_counter++);
    // RtMidi's JACK client does not survive a missing server.
    if (!ServerAnswers("")) {
        m_error = "no JACK server is running";
        return;
    }
    try {
        m_out = std::make_unique<RtMidiOut>(RtMidi::UNIX_JACK, client);
    } catch (const RtMidiError& e) {
        m_error = e.getMessage();
        return;
    }
    m_out->setErrorCallback([](RtMidiError::Type, const std::string& text,
                               void* self) { static_cast<TJackSender*>(self)->m_error = text; },
                            this);
    m_out->openVirtualPort("out");
    if (!m_error.empty()) return;
    m_portName = client + ":out";
    m_ok = true;
}

TJackSender::~TJackSender() {
    if (!m_out) return;
    m_out->closePort();
    m_out.reset();
}

void TJackSender::Send(const std::vector<std::uint8_t>& message) {
    if (m_ok) m_out->sendMessage(message.data(), message.size());
}
