#include "support/westonserver.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

extern char** environ;

namespace {

constexpr const char* kSocket = "tastra-test";

bool Accepts(const std::string& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return ok;
}

}  // namespace

TWestonServer::TWestonServer() {
    char folder[] = "/tmp/tastra-weston-XXXXXX";
    if (!mkdtemp(folder)) {
        m_error = "no runtime folder for the compositor";
        return;
    }
    m_folder = folder;
    setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const std::string socket = std::string("--socket=") + kSocket;
    const char* argv[] = {"weston",          "--backend=headless-backend.so",
                          socket.c_str(),    "--idle-time=0",
                          "--width=1280",    "--height=1024",
                          "--no-config",     nullptr};
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "weston", &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_error = "weston could not be started (is the weston package installed?)";
        return;
    }
    m_pid = pid;
    const std::string path = m_folder + "/" + kSocket;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid) {
            m_pid = -1;
            m_error = "weston ended right after starting";
            return;
        }
        if (Accepts(path)) {
            setenv("WAYLAND_DISPLAY", kSocket, 1);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    m_error = "weston did not accept clients within 15 s";
    Stop();
}

TWestonServer::~TWestonServer() { Stop(); }

void TWestonServer::Stop() {
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        bool ended = false;
        for (int i = 0; i < 500 && !ended; ++i) {
            ended = waitpid(m_pid, nullptr, WNOHANG) == m_pid;
            if (!ended) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        if (!ended) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        m_pid = -1;
    }
    if (!m_folder.empty()) QDir(QString::fromStdString(m_folder)).removeRecursively();
    m_folder.clear();
}
