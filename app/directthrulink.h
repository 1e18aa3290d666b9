#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/midi/directthru.h"
#include "platform/midi/midiservice.h"

class QAction;
class QMenu;
class TMidiInput;
class TMidiOutput;
class TNotePlayer;
class TSettingsStore;

namespace texts {
inline constexpr const char* kThruWithoutDelay = QT_TRANSLATE_NOOP("texts", "Thru &Without Delay");
inline constexpr const char* kThruWithoutDelayHint = QT_TRANSLATE_NOOP(
    "texts",
    "Pass incoming MIDI on within the same JACK cycle, at the frame it came at, with the chord and "
    "transposition");
inline constexpr const char* kThruWithoutDelayUnavailable = QT_TRANSLATE_NOOP(
    "texts", "Thru without delay needs the MIDI input and output to be JACK ports of this program");
inline constexpr const char* kThruWithoutDelayFailed =
    QT_TRANSLATE_NOOP("texts", "Thru without delay could not be set up on the JACK ports");
}  // namespace texts

namespace keys {
inline constexpr const char* kThruWithoutDelay = "ThruWithoutDelay";
}

// What Options › Thru Without Delay works with.
struct TDirectThruHost {
    QMenu* menu = nullptr;
    TMidiInput* input = nullptr;
    TMidiOutput* output = nullptr;
    TNotePlayer* player = nullptr;
    // Whether Midi Thru is on.
    std::function<bool()> midiThru;
    // Sends a message straight to the output (the releases of what was passed on).
    std::function<void(std::uint8_t, std::uint8_t, std::uint8_t)> send;
    std::function<void(const QString&)> statusText;
    // Thru starts or stops passing on here: what the window's thru holds is let go of (its
    // releases would otherwise take the other way, or light keys nothing plays).
    std::function<void()> thruSwitched;
};

// Options › Thru Without Delay: while it is on and both devices are JACK ports of the program,
// the input's client passes what comes in to the output's thru input in the same cycle, at the
// frame it arrived at, shaped as thru would shape it; the window then only lights the keys. Off,
// and wherever it cannot work, thru goes through the window as before.
class TDirectThruLink : public QObject {
public:
    explicit TDirectThruLink(TDirectThruHost host);
    ~TDirectThruLink() override;

    // Whether an incoming message that arrived at `time` has been passed on already.
    bool PassedOn(TMidiFrameTime time) const { return m_active && time.Valid; }
    bool Active() const { return m_active; }
    // The user's choice.
    void SetOn(bool on);
    // Brings the ports in line with the choice and the open devices (after a device opened).
    void Apply();
    // Ends every note passed on that still sounds (Panic, Midi Thru switched off, a device about
    // to close); the ports stay as they are.
    void Release();
    // Takes thru off the ports and ends its notes; with `restoreOutput` the output's port loses
    // its thru input again (the program goes on), otherwise it is left for the closing device.
    void Detach(bool restoreOutput);
    // The shape thru gives notes now (chord, transposition, Midi Thru), sent to the process
    // thread when it changed.
    void Publish();
    void LoadSettings(TSettingsStore& store, const std::string& section);
    void SaveSettings(TSettingsStore& store, const std::string& section);

private:
    bool Possible();
    void Show();

    TDirectThruHost m_host;
    QAction* m_action = nullptr;
    TDirectThru m_engine;
    TThruShape m_published;
    bool m_publishedOnce = false;
    QTimer m_shapeWatch;
    bool m_wanted = false;
    bool m_active = false;
};
