#pragma once

#include <gtest/gtest.h>

#include <QMainWindow>
#include <QMenuBar>
#include <cstdint>
#include <memory>
#include <vector>

#include "app/displayoffsets.h"
#include "app/statuspanels.h"
#include "platform/midi/shortmessage.h"
#include "platform/settings/settingsstore.h"
#include "support/scriptedprompts.h"
#include "support/storeview.h"

// Tests of one part of the main window, built from its host struct without the window: a window
// with a client area, a menu bar and the status panels; scripted answers; the settings and the
// knob presets in memory; and what the part sends, as status | data1 << 8 | data2 << 16.
class TPartTest : public ::testing::Test {
protected:
    TPartTest() { NewWindow(); }

    // A window for the next part: the program's next start, or a second copy running.
    void NewWindow() {
        window = std::make_unique<QMainWindow>();
        window->setCentralWidget(area = new QWidget);
        window->setStatusBar(status = new TStatusPanels);
    }
    // A host holding what every part with controls of its own is given.
    template <class THost>
    THost Host() {
        THost host;
        host.window = window.get();
        host.area = area;
        host.menuBar = window->menuBar();
        host.prompts = &prompts;
        host.offsets = &offsets;
        host.send = Record();
        host.openSettingsRoot = OpenRoot();
        return host;
    }
    TSendShort Record() {
        return [this](uint8_t s, uint8_t d1, uint8_t d2) {
            sent.push_back(static_cast<uint32_t>(s | d1 << 8 | d2 << 16));
        };
    }
    TStoreOpener OpenRoot() {
        return [this] { return std::make_unique<TSharedStoreView>(store); };
    }
    template <class T>
    T* Find(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    std::unique_ptr<QMainWindow> window;
    QWidget* area = nullptr;
    TStatusPanels* status = nullptr;
    TScriptedPrompts prompts;
    TDisplayOffsets offsets;
    TMemSettingsStore store{true};
    TMemSettingsStore presets{true};
    std::vector<uint32_t> sent;
};
