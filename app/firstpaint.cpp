#include "app/firstpaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class TFirstPaintWatch : public QObject {
public:
    TFirstPaintWatch(QWidget* window, std::function<void()> run, int fallbackMs)
        : QObject(window), m_window(window), m_run(std::move(run)) {
        window->installEventFilter(this);
        QTimer::singleShot(fallbackMs, this, [this] { Fire(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // The filter sees the paint before the window handles it: the work is queued behind it,
        // and behind the children's paints that the same update brings.
        if (event->type() == QEvent::Paint)
            QMetaObject::invokeMethod(
                this, [this] { Fire(); }, Qt::QueuedConnection);
        return false;
    }

private:
    void Fire() {
        if (m_fired) return;
        m_fired = true;
        if (m_window) m_window->removeEventFilter(this);
        deleteLater();
        m_run();
    }

    QPointer<QWidget> m_window;
    std::function<void()> m_run;
    bool m_fired = false;
};

}  // namespace

void RunAfterFirstPaint(QWidget* window, std::function<void()> run, int fallbackMs) {
    if (!window || !run) return;
    new TFirstPaintWatch(window, std::move(run), fallbackMs);
}
