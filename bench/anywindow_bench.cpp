// The computer keys on a private X server, pressed through the X test extension: notes per key
// press with Play From Any Window off and on, with the focus in a second X client or in the
// window, with NumLock or CapsLock on; and the delay from the press to the note leaving the
// window, by the listener's path and by the window's own. Prints one line per case.
// Usage: anywindow_bench [presses per case, default 200]
#include <QAction>
#include <QApplication>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <memory>

#include "app/tastra.h"
#include "bench/percentile.h"
#include "platform/keys/keylistener.h"
#include "support/windowcatalog.h"
#include "support/xvfbserver.h"
#include "x11/focusclient.h"

// After the Qt headers: the X headers define macros that clash with Qt's names.
#include <X11/extensions/XTest.h>

namespace {

using TClock = std::chrono::steady_clock;
constexpr int kZ = 52, kCapsLock = 66, kNumLock = 77;  // X key codes

// Note-ons that left the window so far.
size_t NoteOns(const TVirtualMidiService& out) {
    size_t n = 0;
    for (const auto& m : out.Sent())
        if ((m.Packed & 0xF0) == 0x90 && (m.Packed >> 16) != 0) ++n;
    return n;
}

class TBench {
public:
    TBench()
        : m_keys(XOpenDisplay(nullptr)),
          m_listener(CreateKeyListener()),
          m_showcase(std::make_unique<TShowcase>(0, m_listener.get())) {}
    ~TBench() {
        m_showcase.reset();
        if (m_keys) XCloseDisplay(m_keys);
    }
    QString Problem() const {
        if (!m_keys) return QStringLiteral("no X test connection");
        if (!m_client.Ok()) return QStringLiteral("no second X client");
        return m_listener->Unavailable();
    }

    void Run(const char* name, bool option, bool windowFocused, int lock, int presses) {
        TTastra2& window = m_showcase->Main();
        TVirtualMidiService& out = m_showcase->Out();
        QAction* item = window.FindAction(QStringLiteral("PlayFromAnyWindow1"));
        if (item->isChecked() != option) item->trigger();
        if (windowFocused) {
            window.activateWindow();
            (void)QTest::qWaitForWindowActive(&window);
        } else {
            m_client.TakeFocus();
        }
        if (lock) Stroke(lock);
        QTest::qWait(100);
        out.ClearSent();
        std::vector<double> us;
        for (int i = 0; i < presses; ++i) {
            const size_t before = NoteOns(out);
            const TClock::time_point pressed = TClock::now();
            Key(kZ, true);
            // Busy: the event loop is asked as often as it can be, and a note sent inside one
            // round is seen at its end, so the delay is the path's own.
            const TClock::time_point end = pressed + std::chrono::milliseconds(60);
            bool played = false;
            while (!played && TClock::now() < end) {
                QCoreApplication::processEvents();
                played = NoteOns(out) > before;
            }
            if (played)
                us.push_back(
                    std::chrono::duration<double, std::micro>(TClock::now() - pressed).count());
            QTest::qWait(15);
            Key(kZ, false);
            QTest::qWait(15);
        }
        QTest::qWait(100);
        if (lock) Stroke(lock);
        std::printf(
            "%-40s notes per press %.2f  delay median %6.0f us  p99 %6.0f us  max %6.0f us\n", name,
            static_cast<double>(NoteOns(out)) / presses, Percentile(us, 0.5), Percentile(us, 0.99),
            Percentile(us, 1.0));
    }

private:
    void Key(int keycode, bool down) {
        XTestFakeKeyEvent(m_keys, static_cast<unsigned>(keycode), down ? True : False, CurrentTime);
        XFlush(m_keys);
    }
    void Stroke(int keycode) {
        Key(keycode, true);
        QTest::qWait(20);
        Key(keycode, false);
        QTest::qWait(20);
    }

    Display* m_keys;
    TFocusClient m_client;
    std::unique_ptr<TKeyListener> m_listener;
    std::unique_ptr<TShowcase> m_showcase;
};

}  // namespace

int main(int argc, char** argv) {
    TXvfbServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "no X server: %s\n", server.Error().c_str());
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    TBench bench;
    if (!bench.Problem().isEmpty()) {
        std::fprintf(stderr, "cannot measure: %s\n", qPrintable(bench.Problem()));
        return 1;
    }
    bench.Run("off, focus in another client", false, false, 0, n);
    bench.Run("off, focus in the window (window path)", false, true, 0, n);
    bench.Run("on, focus in another client (listener)", true, false, 0, n);
    bench.Run("on, another client, NumLock on", true, false, kNumLock, n);
    bench.Run("on, another client, CapsLock on", true, false, kCapsLock, n);
    bench.Run("on, focus in the window", true, true, 0, n);
    return 0;
}
