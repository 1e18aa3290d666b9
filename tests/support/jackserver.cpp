#include "support/jackserver.h"

#include <dirent.h>
#include <fcntl.h>
#include <jack/jack.h>
#include <rtmidi/RtMidi.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

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

// One file per server a test process started, named after the server and holding the pids of
// jackd and of the test process: what a run that was killed leaves behind.
const char kRecords[] = "/tmp/tastra-jack-servers";

std::string RecordPath(const std::string& name) { return std::string(kRecords) + "/" + name; }

bool Alive(pid_t pid) { return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM); }

// Full path of a program on PATH, found before forking.
std::string FindProgram(const char* name) {
    const char* path = getenv("PATH");
    std::stringstream dirs(path ? path : "/usr/bin:/bin");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        const std::string candidate = dir + "/" + name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::string();
}

// Starts `jackd -n name -d dummy -r 48000 -p period` quietly; it ends with the thread that
// started it, so that a test process that is killed takes its server with it. -1 on failure.
pid_t SpawnJackd(const std::string& name, const std::string& period) {
    const std::string jackd = FindProgram("jackd");
    if (jackd.empty()) return -1;
    const char* argv[] = {"jackd", "-n",    name.c_str(), "-d",           "dummy",
                          "-r",    "48000", "-p",         period.c_str(), nullptr};
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // The child of a threaded process: system calls only until exec.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execv(jackd.c_str(), const_cast<char**>(argv));
    _exit(127);
}

// Waits up to `ms` for a process that is not our child to end.
bool WaitGone(pid_t pid, int ms) {
    for (int i = 0; i < ms / 10 && Alive(pid); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return !Alive(pid);
}

// The semaphores a server's clients leave in /dev/shm once it is gone.
void RemoveLeftovers(const std::string& name) {
    DIR* dir = opendir("/dev/shm");
    if (!dir) return;
    const std::string tag = "_" + name + "_";
    while (dirent* e = readdir(dir))
        if (std::string(e->d_name).find(tag) != std::string::npos)
            unlink(("/dev/shm/" + std::string(e->d_name)).c_str());
    closedir(dir);
}

// Cleans up after test processes that were killed with their server running: a jackd of theirs
// that still runs is stopped, and the place in JACK's registry of servers (8 per user) that a
// server which ended unclean still holds is taken back: a new server of the same name takes it
// over and gives it up when it stops. Runs while this process has its turn.
void CleanUpAfterKilledRuns() {
    mkdir(kRecords, 0777);
    DIR* dir = opendir(kRecords);
    if (!dir) return;
    std::vector<std::string> names;
    while (dirent* e = readdir(dir))
        if (e->d_name[0] != '.') names.emplace_back(e->d_name);
    closedir(dir);
    for (const std::string& name : names) {
        pid_t jackd = -1, owner = -1;
        std::ifstream(RecordPath(name)) >> jackd >> owner;
        if (Alive(owner) && owner != getpid()) continue;
        std::string command;
        std::getline(std::ifstream("/proc/" + std::to_string(jackd) + "/cmdline"), command);
        if (Alive(jackd) && command.find(name) != std::string::npos) {
            kill(jackd, SIGTERM);
            if (!WaitGone(jackd, 2000)) kill(jackd, SIGKILL);
        } else {
            const pid_t reclaim = SpawnJackd(name, "128");
            for (int i = 0; i < 250 && reclaim > 0 && !ServerAnswers(name); ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (reclaim > 0) {
                kill(reclaim, SIGTERM);
                waitpid(reclaim, nullptr, 0);
            }
        }
        RemoveLeftovers(name);
        unlink(RecordPath(name).c_str());
    }
}

}  // namespace

TJackServer::TJackServer(int period) : m_period(std::to_string(period)) {
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
    CleanUpAfterKilledRuns();
    // A name never used before: a process id comes round again, and a server of a killed run
    // may still hold its name.
    std::random_device random;
    m_name = "tastra-" + std::to_string(getpid()) + "-" + std::to_string(g_counter++) + "-" +
             std::to_string(random() % 1000000);
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
    m_pid = SpawnJackd(m_name, m_period);
    if (m_pid < 0) {
        m_error = "jackd could not be started (is the jackd2 package installed?)";
        return false;
    }
    std::ofstream(RecordPath(m_name)) << m_pid << " " << getpid() << "\n";
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
    bool clean = false;
    for (int i = 0; i < 200 && !clean; ++i) {
        int status;
        clean = waitpid(m_pid, &status, WNOHANG) == m_pid;
        if (!clean) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!clean) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    m_pid = -1;
    // A server killed unclean keeps its place in the registry until the next run takes it back.
    if (clean) {
        RemoveLeftovers(m_name);
        unlink(RecordPath(m_name).c_str());
    }
}

bool WaitJackPortConnected(const std::string& portName, int ms) {
    jack_status_t status;
    jack_client_t* c = jack_client_open("tastra-test-watch", JackNoStartServer, &status);
    if (!c) return false;
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    bool connected = false;
    while (!connected && std::chrono::steady_clock::now() < giveUp) {
        jack_port_t* port = jack_port_by_name(c, portName.c_str());
        connected = port && jack_port_connected(port) > 0;
        if (!connected) std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (connected) {
        const auto period = std::chrono::microseconds(
            1000000LL * jack_get_buffer_size(c) / std::max<jack_nframes_t>(1, jack_get_sample_rate(c)));
        std::this_thread::sleep_for(2 * period);
    }
    jack_client_close(c);
    return connected;
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
