#include "app/startupprobe.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <ctime>

#include <sys/resource.h>

namespace {

double MsSince(long long launchNs) {
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    return (now - launchNs) / 1e6;
}

long long LaunchNs() {
    static const long long launch = [] {
        bool ok = false;
        const long long ns = qEnvironmentVariable("TASTRA_LAUNCH_NS").toLongLong(&ok);
        return ok ? ns : 0LL;
    }();
    return launch;
}

class TExposeProbe : public QObject {
public:
    TExposeProbe(QObject* parent, long long launchNs) : QObject(parent), m_launchNs(launchNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::printf("visible-ms %.1f\n", MsSince(m_launchNs));
            std::fflush(stdout);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    long long m_launchNs;
};
}  // namespace

void InstallStartupProbe(QWidget* window) {
    if (LaunchNs() == 0 || !window) return;
    window->installEventFilter(new TExposeProbe(window, LaunchNs()));
}

void StartupStep(const char* name) {
    if (LaunchNs() == 0) return;
    // With the window thread's own processor time: what it did not spend running, it waited.
    timespec cpu{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &cpu);
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    std::printf("step-ms %s %.1f cpu %.1f faults %ld\n", name, MsSince(LaunchNs()),
                cpu.tv_sec * 1e3 + cpu.tv_nsec / 1e6, usage.ru_minflt);
    std::fflush(stdout);
}
