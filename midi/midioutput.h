#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "midi/mididevice.h"
#include "platform/midi/midiservice.h"

// One entry of a device list: the product name and the device number (-1 for the mapper).
struct TMidiDeviceEntry {
    std::string Name;
    int Id;
};

// Packs a short message the way the service takes it: status in bits 0-7, the first data byte in
// bits 8-15, the second in bits 16-23.
constexpr std::uint32_t PackShortMessage(std::uint8_t status, std::uint8_t data1,
                                         std::uint8_t data2) {
    return std::uint32_t(status) | std::uint32_t(data1) << 8 | std::uint32_t(data2) << 16;
}

// One MIDI output device of the service: selected by number, opened, closed, and the way every
// short message of the program leaves. Failures of the service raise EMidiOutputError; an open
// that would close a loopback loop raises EVirtualMIDIFeedback. Made, chosen and opened on the
// window thread; the thread that plays raw keys sends through it too (SendShortAt), so opening,
// closing and sending take the output's lock.
class TMidiOutput {
public:
    explicit TMidiOutput(TMidiOutService& service);
    ~TMidiOutput();
    TMidiOutput(const TMidiOutput&) = delete;
    TMidiOutput& operator=(const TMidiOutput&) = delete;

    // Selects a device: 0..DeviceCount()-1, kMidiMapperId, anything else selects none
    // (NoDevice). Throws while the device is open, and when the name cannot be read.
    void SetDeviceId(int id);
    int DeviceId() const { return m_deviceId; }
    const std::string& DeviceName() const { return m_deviceName; }
    int DeviceCount();

    // Opens the selected device; true when it is open afterwards. Does nothing when no device
    // is selected or it is already open.
    bool Open();
    // Closes the device (silencing it first); always true unless it throws.
    bool Close();
    bool IsClosed() const { return m_closed; }

    // Sends one short message; does nothing while closed. Pass 0 for missing data bytes.
    void SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2);
    // As SendShort, for something that happened at `time`, from any thread.
    void SendShortAt(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                     TMidiFrameTime time);

    // The arrival time of the incoming message being handled (see TEventTimeScope): while it is
    // valid, what is sent belongs to that message and keeps its time.
    TMidiFrameTime EventTime() const { return m_eventTime; }
    void SetEventTime(TMidiFrameTime time) { m_eventTime = time; }

    // Fills the list with the devices that have a readable, non-empty name, preceded by the
    // "MIDI Mapper" entry (id -1) when the mapper is included and any device exists.
    void ListDevices(std::vector<TMidiDeviceEntry>& list);

    // When the open device's number now names another product (or none), forgets the stale
    // handle without calling the service on it and closes.
    void CheckDevicePresent();
    // The service's notice about the MIDI system as a whole, once; empty when there is none.
    std::string TakeSystemNotice() { return m_service.TakeSystemNotice(); }
    // See TMidiOutService::OutThruInput; empty while closed.
    bool CanTakeThru() { return m_handle != 0 && m_service.OutCanTakeThru(m_handle); }
    std::string ThruInput(bool on) {
        return m_handle != 0 ? m_service.OutThruInput(m_handle, on) : std::string();
    }

    bool DetectMidiLoop() const { return m_detectMidiLoop; }
    void SetDetectMidiLoop(bool on) { m_detectMidiLoop = on; }
    bool IncludeMapper() const { return m_includeMapper; }
    void SetIncludeMapper(bool on) { m_includeMapper = on; }

private:
    TMidiOutService& m_service;
    int m_deviceId = NoDevice;
    MidiHandle m_handle = 0;
    bool m_closed = true;
    std::string m_deviceName;
    bool m_detectMidiLoop = true;
    bool m_includeMapper = true;
    TMidiFrameTime m_eventTime;
    std::recursive_mutex m_lock;
};

// For its lifetime, the messages sent to `output` are caused by something that happened at
// `time`: an incoming message that arrived then (thru), or a key pressed then. They leave as long
// after that time as any message leaves after it is sent, so that notes passed through keep
// their spacing and a key's notes do not wait for the window.
class TEventTimeScope {
public:
    TEventTimeScope(TMidiOutput& output, TMidiFrameTime time)
        : m_output(output), m_before(output.EventTime()) {
        output.SetEventTime(time);
    }
    ~TEventTimeScope() { m_output.SetEventTime(m_before); }
    TEventTimeScope(const TEventTimeScope&) = delete;
    TEventTimeScope& operator=(const TEventTimeScope&) = delete;

private:
    TMidiOutput& m_output;
    TMidiFrameTime m_before;
};
