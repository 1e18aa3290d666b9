#include "app/startupprobe.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>

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
    std::printf("step-ms %s %.1f\n", name, MsSince(LaunchNs()));
    std::fflush(stdout);
}
