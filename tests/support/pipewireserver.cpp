#include "support/pipewireserver.h"

#include <signal.h>
#include <sys/prctl.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

// The sink, made by the server itself from its configuration: it outlives every client and
// comes back with the server.
const char kSinkConfig[] = R"(context.objects = [
    { factory = adapter
      args = {
          factory.name = support.null-audio-sink
          node.name = "tastra-test-sink"
          node.description = "Tastra test sink"
          media.class = Audio/Sink
          audio.position = [ FL FR ]
          audio.rate = 48000
      }
    }
]
)";

}  // namespace

TPipeWireServer::TPipeWireServer() {
    for (const char* program : {"pipewire", "wireplumber", "pipewire-pulse", "dbus-daemon",
                                "pactl"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty()) {
            m_error = std::string(program) +
                      " is not installed (packages pipewire, pipewire-pulse, wireplumber, "
                      "dbus, pulseaudio-utils)";
            return;
        }
    }
    char folder[] = "/tmp/tastra-pipewire-XXXXXX";
    if (!mkdtemp(folder)) {
        m_error = "no folder for the server";
        return;
    }
    m_folder = folder;
    QDir(QString::fromStdString(m_folder)).mkpath(QStringLiteral("config/pipewire/pipewire.conf.d"));
    QFile conf(QString::fromStdString(m_folder + "/config/pipewire/pipewire.conf.d/sink.conf"));
    if (!conf.open(QIODevice::WriteOnly) || conf.write(kSinkConfig) < 0) {
        m_error = "the server's configuration cannot be written";
        return;
    }
    conf.close();
    // The session manager wants a session bus; a private one keeps the machine's out of it.
    if (!Spawn("dbus-daemon", {"--session", "--address=unix:path=" + m_folder + "/bus",
                               "--nofork", "--nopidfile"})) {
        m_error = "dbus-daemon did not start";
        return;
    }
    m_bus = std::move(m_servers.back());
    m_servers.clear();
    // Only this process's own sound clients are pointed at the server.
    setenv("PULSE_SERVER", ("unix:" + m_folder + "/pulse/native").c_str(), 1);
    Start();
}

TPipeWireServer::~TPipeWireServer() {
    Stop();
    if (m_bus) {
        m_bus->terminate();
        if (!m_bus->waitForFinished(5000)) m_bus->kill(), m_bus->waitForFinished(2000);
    }
    if (!m_folder.empty()) QDir(QString::fromStdString(m_folder)).removeRecursively();
    unsetenv("PULSE_SERVER");
}

bool TPipeWireServer::Spawn(const char* program, const std::vector<std::string>& args) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString folder = QString::fromStdString(m_folder);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), folder + QStringLiteral("/state"));
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=") + folder +
                                                               QStringLiteral("/bus"));
    for (const char* name : {"PULSE_SERVER", "PIPEWIRE_REMOTE", "PIPEWIRE_RUNTIME_DIR", "DISPLAY",
                             "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    process->setProcessEnvironment(env);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    // A test process that is killed takes its servers with it.
    process->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    QStringList arguments;
    for (const std::string& a : args) arguments << QString::fromStdString(a);
    process->start(QString::fromLatin1(program), arguments);
    if (!process->waitForStarted(5000)) return false;
    m_servers.push_back(std::move(process));
    return true;
}

bool TPipeWireServer::Start() {
    // Now and then, on a busy machine, the PulseAudio face comes up without ever answering
    // (pactl hangs): the whole server is started once more.
    for (int attempt = 0; attempt < 2; ++attempt)
        if (StartOnce()) return true;
    return false;
}

bool TPipeWireServer::StartOnce() {
    Stop();
    m_error.clear();
    // Its clients connect once the server's socket is there; one that comes too early gives up.
    const QString socket = QString::fromStdString(m_folder + "/pipewire-0");
    bool ok = Spawn("pipewire", {});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (ok && !QFile::exists(socket) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!ok || !QFile::exists(socket) || !Spawn("wireplumber", {}) ||
        !Spawn("pipewire-pulse", {})) {
        m_error = "the PipeWire processes did not start";
        Stop();
        return false;
    }
    if (!WaitForSink()) {
        if (m_error.empty())
            m_error = "PipeWire's PulseAudio face did not offer the null sink within 10 s (" +
                      m_lastAnswer + ")";
        Stop();
        return false;
    }
    m_running = true;
    return true;
}

bool TPipeWireServer::WaitForSink() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        for (const auto& p : m_servers)
            if (p->state() == QProcess::NotRunning) {
                m_error = p->program().toStdString() + " ended while starting";
                return false;
            }
        QProcess pactl;
        pactl.start(QStringLiteral("pactl"), {QStringLiteral("get-default-sink")});
        const bool answered = pactl.waitForFinished(2000);
        const QByteArray sink = answered ? pactl.readAllStandardOutput().trimmed() : QByteArray();
        if (answered && pactl.exitCode() == 0 && sink == kSinkName) return true;
        m_lastAnswer = answered ? "the default sink was \"" + sink.toStdString() + "\""
                                : "pactl did not answer";
        if (!answered) {
            pactl.kill();
            pactl.waitForFinished(1000);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

void TPipeWireServer::Stop() {
    m_running = false;
    // The faces first, the server last, as a session ends them.
    while (!m_servers.empty()) {
        QProcess& p = *m_servers.back();
        if (p.state() != QProcess::NotRunning) {
            p.terminate();
            if (!p.waitForFinished(5000)) {
                p.kill();
                p.waitForFinished(2000);
            }
        }
        m_servers.pop_back();
    }
}
