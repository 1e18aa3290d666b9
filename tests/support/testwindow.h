#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <memory>

#include "app/statuspanels.h"
#include "app/tastra.h"
#include "midi/midiinput.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"
#include "support/virtualmidi.h"

// A main window over services answering through prompts: shown and past its posted start-up
// steps.
inline std::unique_ptr<TTastra2> StartTestWindow(TTastraServices services, TUserPrompts& prompts,
                                                 int timeoutMs = 3000) {
    services.prompts = &prompts;
    auto w = std::make_unique<TTastra2>(services);
    w->show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return w->StartupDone(); }, timeoutMs));
    return w;
}

// Tests of the main window: virtual MIDI services, in-memory settings and knob presets, scripted
// answers. Start builds the window on them (what start-up sent is moved to sentAtStart).
class TWindowTest : public ::testing::Test {
protected:
    void TearDown() override { Stop(); }

    // Devices by these names, remembered as the chosen ones.
    void AddDevices(const char* output, const char* input = nullptr) {
        out.AddDevice(output);
        store.WriteString("MidiDevices", "MidiOut", output);
        if (!input) return;
        in.AddDevice(input);
        store.WriteString("MidiDevices", "MidiIn", input);
    }
    TTastra2* Start(TJoystickService* joystick = nullptr) {
        Stop();
        TTastraServices s;
        s.midiOut = &out;
        s.midiIn = &in;
        s.joystick = joystick;
        s.dataFolder = dataFolder;
        s.keyListener = keyListener;
        s.openSettingsRoot = openRoot;
        if (!openRoot)
            s.openSettingsRoot = [this] { return std::make_unique<TSharedStoreView>(store); };
        s.openSettingsKey = [this](const std::string& key) {
            EXPECT_EQ(key, "KnobPresets");
            return std::make_unique<TSharedStoreView>(presets);
        };
        w = StartTestWindow(s, prompts);
        sentAtStart.clear();
        for (const auto& m : out.Sent()) sentAtStart.push_back(m.Packed);
        out.ClearSent();
        return w.get();
    }
    // Closes the window (saving its settings) and frees it and its tool windows.
    void Stop() {
        if (w) w->close();
        w.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What reached the output's first device (with a device named in the store, that one).
    std::vector<uint32_t> Sent() const { return out.SentTo(out.DeviceUid(0)); }
    // Injects on the service thread and waits until the window thread handled it all.
    void Receive(std::initializer_list<uint32_t> packed) {
        for (uint32_t p : packed) in.Inject(0, p, 0);
        in.Flush();
        QTest::qWait(1);
        QCoreApplication::processEvents();
        ASSERT_TRUE(QTest::qWaitFor([&] { return w->MidiIn().MessageCount() == 0; }, 2000));
    }
    // What panel n of the status bar shows.
    TStatusPanels* Status() const { return static_cast<TStatusPanels*>(w->statusBar()); }
    QString Panel(int n) const { return Status()->PanelText(n); }
    template <class T = QWidget>
    T* Find(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }

    TVirtualMidiService out;
    TVirtualMidiInService in;
    std::vector<uint32_t> sentAtStart;  // on any device
    TMemSettingsStore store{true};
    TMemSettingsStore presets{true};
    TScriptedPrompts prompts;
    // The settings root; unset: store.
    TStoreOpener openRoot;
    // The shipped files; empty: the test program's.
    std::string dataFolder;
    TKeyListener* keyListener = nullptr;
    std::unique_ptr<TTastra2> w;
};
