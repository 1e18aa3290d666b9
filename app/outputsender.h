#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class TMidiOutput;
class TUserPrompts;

// The one way to send to the MIDI output and report a failure. A device that fails while playing
// (unplugged, its server gone) would otherwise raise one error per note of a glide: the device
// is checked, the status bar gets the failure's last line, and only the first failure since the
// device opened gets an error box.
class TOutputSender {
public:
    TOutputSender(std::function<TMidiOutput&()> output, TUserPrompts& prompts,
                  std::function<void(const QString&)> statusText);

    // False when the device failed (and it was reported).
    bool Send(uint8_t status, uint8_t data1, uint8_t data2);
    // A message that was sent on another thread, reported on the window thread: OnSent, and the
    // failure (empty when it went out) as Send reports one.
    void Sent(uint8_t status, uint8_t data1, uint8_t data2, const QString& failure);
    // A device was opened: its first failure gets a box again.
    void DeviceOpened() { m_errorShown = false; }
    // The device failed on its own (a synth whose start failed): reported like a failed send.
    void DeviceFailed(const QString& text);
    // Told of every message handed to Send, sent or not (the recorder listens here).
    std::function<void(uint8_t status, uint8_t data1, uint8_t data2)> OnSent;
    // Told, with its name, when a failure closed the device because it was gone; called inside
    // the send, so whoever listens must not play from here.
    std::function<void(const std::string& device)> OnDeviceVanished;

private:
    void Failed(const QString& failure);

    std::function<TMidiOutput&()> m_output;
    TUserPrompts& m_prompts;
    std::function<void(const QString&)> m_statusText;
    bool m_errorShown = false;
};
