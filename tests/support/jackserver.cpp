#include "support/jackserver.h"

#include <dirent.h>
#include <fcntl.h>
#include <jack/jack.h>
#include <jack/midiport.h>
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

namespace {

// A client of the test's own with one MIDI port, made before the client is activated.
jack_client_t* OpenPortClient(const std::string& name, const char* port, unsigned long flags,
                              JackProcessCallback process, void* self, jack_port_t*& made,
                              std::string& fullName, std::string& error,
                              std::atomic<int>* xruns = nullptr) {
    if (!ServerAnswers("")) {
        error = "no JACK server is running";
        return nullptr;
    }
    jack_status_t status;
    jack_client_t* client = jack_client_open(name.c_str(), JackNoStartServer, &status);
    if (!client) {
        error = "the JACK client " + name + " could not be made";
        return nullptr;
    }
    made = jack_port_register(client, port, JACK_DEFAULT_MIDI_TYPE, flags, 0);
    if (xruns) jack_set_xrun_callback(client, &CountJackXrun, xruns);
    if (!made || jack_set_process_callback(client, process, self) != 0 ||
        jack_activate(client) != 0) {
        error = "the JACK port " + name + ":" + port + " could not be made";
        jack_client_close(client);
        return nullptr;
    }
    fullName = jack_port_name(made);
    return client;
}

}  // namespace

int CountJackXrun(void* count) {
    ++*static_cast<std::atomic<int>*>(count);
    return 0;
}

TJackReceiver::TJackReceiver(const std::string& clientName) {
    std::string client = !clientName.empty() ? clientName
                                             : "tastra-test-rx-" + std::to_string(getpid()) + "-" +
                                                   std::to_string(g_counter++);
    m_client = OpenPortClient(client, "in", JackPortIsInput, &TJackReceiver::OnProcess, this,
                              m_port, m_portName, m_error, &m_xruns);
    m_ok = m_client != nullptr;
}

TJackReceiver::~TJackReceiver() { Close(); }

void TJackReceiver::Close() {
    if (!m_client) return;
    // The port goes with its client.
    jack_client_close(m_client);
    m_client = nullptr;
}

int TJackReceiver::OnProcess(std::uint32_t frames, void* self) {
    auto* r = static_cast<TJackReceiver*>(self);
    void* buffer = jack_port_get_buffer(r->m_port, frames);
    const jack_nframes_t count = jack_midi_get_event_count(buffer);
    if (count == 0) return 0;
    {
        std::lock_guard<std::mutex> guard(r->m_lock);
        for (jack_nframes_t i = 0; i < count; ++i) {
            jack_midi_event_t event;
            if (jack_midi_event_get(&event, buffer, i) == 0 && event.size > 0)
                r->m_messages.emplace_back(event.buffer, event.buffer + event.size);
        }
    }
    r->m_arrived.notify_all();
    return 0;
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
    m_client = OpenPortClient(client, "out", JackPortIsOutput, &TJackSender::OnProcess, this,
                              m_port, m_portName, m_error);
    m_ok = m_client != nullptr;
}

TJackSender::~TJackSender() {
    if (m_client) jack_client_close(m_client);
}

int TJackSender::OnProcess(std::uint32_t frames, void* self) {
    auto* s = static_cast<TJackSender*>(self);
    void* buffer = jack_port_get_buffer(s->m_port, frames);
    jack_midi_clear_buffer(buffer);
    std::lock_guard<std::mutex> guard(s->m_lock);
    size_t written = 0;
    // In the order sent, at the start of the cycle; what does not fit waits for the next one.
    for (; written < s->m_pending.size(); ++written) {
        const auto& m = s->m_pending[written];
        if (jack_midi_event_write(buffer, 0, m.data(), m.size()) != 0) break;
    }
    s->m_pending.erase(s->m_pending.begin(), s->m_pending.begin() + written);
    return 0;
}

void TJackSender::Send(const std::vector<std::uint8_t>& message) {
    if (!m_ok || message.empty()) return;
    std::lock_guard<std::mutex> guard(m_lock);
    m_pending.push_back(message);
}
