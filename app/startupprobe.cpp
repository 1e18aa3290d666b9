#include "app/startupprobe.h"

#include <QEvent>
#include <QObject>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {
class TExposeProbe : public QObject {
public:
    TExposeProbe(QObject* parent, long long launchNs) : QObject(parent), m_launchNs(launchNs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
            std::printf("visible-ms %.1f\n", (now - m_launchNs) / 1e6);
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
    bool ok = false;
    const long long launch = qEnvironmentVariable("TASTRA_LAUNCH_NS").toLongLong(&ok);
    if (!ok || !window) return;
    window->installEventFilter(new TExposeProbe(window, launch));
}
