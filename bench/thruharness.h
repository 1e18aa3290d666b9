#pragma once

// What the thru programs share: a private JACK server, a receiving port that stamps each
// message on arrival, and a main window that listens to a sender and plays into a receiver.

#include <rtmidi/RtMidi.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/tastra.h"
#include "bench/percentile.h"
#include "midi/midiinput.h"
#include "midi/midimenu.h"
#include "midi/midioutput.h"
#include "platform/midi/systemmidi.h"
#include "support/jackserver.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"

using TClock = std::chrono::steady_clock;

// A JACK MIDI input port that keeps every message with the time it arrived.
class TStampedReceiver {
public:
    struct TArrival {
        std::vector<unsigned char> Bytes;
        TClock::time_point At;
    };

    explicit TStampedReceiver(const std::string& client) {
        m_in = std::make_unique<RtMidiIn>(RtMidi::UNIX_JACK, client, 4096);
        m_in->ignoreTypes(false, false, false);
        m_in->setCallback(&TStampedReceiver::OnMessage, this);
        m_in->openVirtualPort("in");
        m_portName = client + ":in";
    }
    ~TStampedReceiver() { m_in->closePort(); }

    const std::string& PortName() const { return m_portName; }

    // Waits until at least n messages arrived or the time is up; the number that arrived.
    size_t WaitFor(size_t n, std::chrono::milliseconds limit) {
        std::unique_lock<std::mutex> lock(m_lock);
        m_arrived.wait_for(lock, limit, [&] { return m_messages.size() >= n; });
        return m_messages.size();
    }
    std::vector<TArrival> Take() {
        std::lock_guard<std::mutex> guard(m_lock);
        std::vector<TArrival> out;
        out.swap(m_messages);
        return out;
    }
    size_t Count() {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_messages.size();
    }

private:
    static void OnMessage(double, std::vector<unsigned char>* message, void* self) {
        auto* r = static_cast<TStampedReceiver*>(self);
        const TClock::time_point now = TClock::now();
        {
            std::lock_guard<std::mutex> guard(r->m_lock);
            r->m_messages.push_back({*message, now});
        }
        r->m_arrived.notify_all();
    }

    std::unique_ptr<RtMidiIn> m_in;
    std::string m_portName;
    std::mutex m_lock;
    std::condition_variable m_arrived;
    std::vector<TArrival> m_messages;
};

// The main window on the system MIDI services, its input opened on `sourcePort` and its output
// on `targetPort` by their remembered names, as after a restart.
class TThruWindow {
public:
    TThruWindow(const std::string& sourcePort, const std::string& targetPort) {
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiIn, sourcePort);
        m_store.WriteString(MidiMenuSettings::kSection, MidiMenuSettings::kMidiOut, targetPort);
        m_out = CreateSystemMidiOutService("TastraBench");
        m_in = CreateSystemMidiInService("TastraBench");
        TTastraServices services;
        services.midiOut = m_out.get();
        services.midiIn = m_in.get();
        services.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(m_store); };
        services.prompts = &m_prompts;
        m_window = std::make_unique<TTastra2>(services);
        m_window->show();
        (void)QTest::qWaitFor([&] { return m_window->StartupDone(); }, 5000);  // checked below
        m_ok = !m_window->MidiIn().IsClosed() && m_window->MidiIn().DeviceName() == sourcePort &&
               !m_window->MidiOut().IsClosed() && m_window->MidiOut().DeviceName() == targetPort;
        QTest::qWait(50);  // connections take effect from the server's next cycle
    }
    ~TThruWindow() {
        for (const QString& e : m_prompts.errors)
            std::fprintf(stderr, "error: %s\n", e.toUtf8().constData());
        m_window.reset();
        m_out.reset();
        m_in.reset();
    }

    bool Ok() const { return m_ok; }
    TTastra2& Window() { return *m_window; }

private:
    TMemSettingsStore m_store{true};
    std::unique_ptr<TMidiOutService> m_out;
    std::unique_ptr<TMidiInService> m_in;
    TScriptedPrompts m_prompts;
    std::unique_ptr<TTastra2> m_window;
    bool m_ok = false;
};

inline std::string UniqueClient(const char* role) {
    return std::string("tastra-bench-") + role + "-" + std::to_string(getpid());
}
