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
#include "platform/midi/virtualmidi.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"
#include "support/xvfbserver.h"
#include "x11/focusclient.h"

// After the Qt headers: the X headers define macros that clash with Qt's names.
#include <X11/extensions/XTest.h>

namespace {

using TClock = std::chrono::steady_clock;
constexpr int kZ = 52, kCapsLock = 66, kNumLock = 77;  // X key codes

// Stamps each note-on as it leaves the window.
class TStampedOut : public TVirtualMidiService {
public:
    std::vector<TClock::time_point> noteOns;
    MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) override {
        if ((packed & 0xF0) == 0x90 && (packed >> 16) != 0) noteOns.push_back(TClock::now());
        return TVirtualMidiService::OutShortMsg(handle, packed);
    }
};

class TBench {
public:
    TBench() : m_keys(XOpenDisplay(nullptr)), m_listener(CreateKeyListener()) {
        m_out.AddDevice("Synth A");
        m_store.WriteBool("KeyboardForm", "First Time", false);
        TTastraServices s;
        s.midiOut = &m_out;
        s.midiIn = &m_in;
        s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
        s.prompts = &m_prompts;
        s.keyListener = m_listener.get();
        m_window = std::make_unique<TTastra2>(s);
        m_window->show();
        QTest::qWaitFor([this] { return m_window->StartupDone(); }, 3000);
    }
    ~TBench() {
        m_window.reset();
        if (m_keys) XCloseDisplay(m_keys);
    }
    QString Problem() const {
        if (!m_keys) return QStringLiteral("no X test connection");
        if (!m_client.Ok()) return QStringLiteral("no second X client");
        return m_listener->Unavailable();
    }

    void Run(const char* name, bool option, bool windowFocused, int lock, int presses) {
        QAction* item = m_window->FindAction(QStringLiteral("PlayFromAnyWindow1"));
        if (item->isChecked() != option) item->trigger();
        if (windowFocused) {
            m_window->activateWindow();
            QTest::qWaitForWindowActive(m_window.get());
        } else {
            m_client.TakeFocus();
        }
        if (lock) Stroke(lock);
        QTest::qWait(100);
        m_out.noteOns.clear();
        std::vector<double> us;
        for (int i = 0; i < presses; ++i) {
            const size_t before = m_out.noteOns.size();
            const TClock::time_point pressed = TClock::now();
            Key(kZ, true);
            // Busy: the event loop is asked as often as it can be, so the delay is the path's own.
            const TClock::time_point end = pressed + std::chrono::milliseconds(60);
            while (m_out.noteOns.size() == before && TClock::now() < end)
                QCoreApplication::processEvents();
            if (m_out.noteOns.size() > before)
                us.push_back(
                    std::chrono::duration<double, std::micro>(m_out.noteOns[before] - pressed)
                        .count());
            QTest::qWait(15);
            Key(kZ, false);
            QTest::qWait(15);
        }
        QTest::qWait(100);
        if (lock) Stroke(lock);
        std::printf("%-40s notes per press %.2f  delay median %6.0f us  p99 %6.0f us  max %6.0f us\n",
                    name, static_cast<double>(m_out.noteOns.size()) / presses,
                    Percentile(us, 0.5), Percentile(us, 0.99), Percentile(us, 1.0));
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
    TStampedOut m_out;
    TVirtualMidiInService m_in;
    TMemSettingsStore m_store{true};
    TScriptedPrompts m_prompts;
    std::unique_ptr<TTastra2> m_window;
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
