#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/tastra.h"
#include "platform/settings/settingsstore.h"
#include "support/fakekeylistener.h"
#include "support/scriptedprompts.h"
#include "support/virtualmidi.h"

// A main window on a virtual MIDI service and settings kept in memory, shown and past its
// start-up, with a given number of knobs. Its keys from any window come from `keyListener`, by
// default from a fake one.
class TShowcase {
public:
    explicit TShowcase(int knobs, TKeyListener* keyListener = nullptr,
                       TKeyStamps* keyStamps = nullptr);
    ~TShowcase();
    TTastra2& Main() { return *m_window; }
    // The MIDI output service: "MIDI Mapper" is device 0.
    TVirtualMidiService& Out() { return m_out; }

private:
    TVirtualMidiService m_out;
    TVirtualMidiInService m_in;
    TMemSettingsStore m_store{true};
    TScriptedPrompts m_prompts;
    TFakeKeyListener m_keys;
    std::unique_ptr<TTastra2> m_window;
};

// One window or page of the program as the user opens it.
struct TWindowView {
    QString name;
    int knobs;  // knobs on the main window
    // Opens the view on the main window; returns the window to look at.
    std::function<QWidget*(TTastra2&)> open;
};

// Every window and page: the main window with 0, 1 and 20 knobs, the settings pages, the keyboard
// with labels and channel colours, the key map editor, the transpose window, the chord editor,
// the knob set-up window, the patch set chooser, the explanation of an export or import, the
// wheels' moving hints and the warnings window.
const std::vector<TWindowView>& WindowViews();
