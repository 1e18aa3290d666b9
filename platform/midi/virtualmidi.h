#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/midi/midiservice.h"

// An in-process MIDI output service for tests: devices are names in a list, every value sent is
// captured, and each failure the device class has to survive can be injected. Deterministic: no
// threads, handles count up from 1.
class TVirtualMidiService : public TMidiOutService {
public:
    // One captured short message. DeviceUid identifies the device for its whole life, even when
    // devices before it vanish and its number changes; the mapper has uid 0.
    struct TSent {
        MidiHandle Handle;
        int DeviceUid;
        std::string DeviceName;
        std::uint32_t Packed;
    };

    explicit TVirtualMidiService(std::vector<std::string> names = {});

    // Device list. Uids start at 1 in the order devices were added.
    int AddDevice(const std::string& name);
    // The device vanishes: later devices move down one number, open handles to it go stale.
    void RemoveDevice(int id);
    // Device id now names another product (as when a different device took its number).
    void RenameDevice(int id, const std::string& name);
    int DeviceUid(int id) const;
    void SetMapperName(const std::string& name) { m_mapperName = name; }

    // Injected failures; 0 clears. They stay until cleared.
    void SetProductNameError(MidiResult code) { m_nameError = code; }
    void SetOpenError(MidiResult code) { m_openError = code; }
    void SetSendError(MidiResult code) { m_sendError = code; }
    void SetResetError(MidiResult code) { m_resetError = code; }
    void SetCloseError(MidiResult code) { m_closeError = code; }

    // What was sent, in order, on every handle.
    const std::vector<TSent>& Sent() const { return m_sent; }
    std::vector<std::uint32_t> SentTo(int deviceUid) const;
    void ClearSent() { m_sent.clear(); }
    int OpenHandleCount() const { return static_cast<int>(m_open.size()); }
    // Calls made on handles that were stale (device gone) or never open.
    int StaleHandleCalls() const { return m_staleCalls; }
    int ResetCalls() const { return m_resetCalls; }
    int CloseCalls() const { return m_closeCalls; }

    int OutCount() override;
    MidiResult OutProductName(int id, std::string& name) override;
    MidiResult OutOpen(int id, MidiHandle& handle) override;
    MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) override;
    MidiResult OutReset(MidiHandle handle) override;
    MidiResult OutClose(MidiHandle handle) override;
    bool OutErrorText(MidiResult code, std::string& text) override;

private:
    struct TDevice {
        int Uid;
        std::string Name;
    };
    // Finds the open device behind a handle; nullptr (and a stale call counted) when the handle
    // is unknown or its device vanished.
    const TDevice* Lookup(MidiHandle handle);

    std::vector<TDevice> m_devices;
    std::map<MidiHandle, int> m_open;  // handle -> device uid
    std::vector<TSent> m_sent;
    std::string m_mapperName = "MIDI Mapper";
    TDevice m_mapper{0, ""};
    int m_nextUid = 1;
    MidiHandle m_nextHandle = 1;
    MidiResult m_nameError = kMidiOk;
    MidiResult m_openError = kMidiOk;
    MidiResult m_sendError = kMidiOk;
    MidiResult m_resetError = kMidiOk;
    MidiResult m_closeError = kMidiOk;
    int m_staleCalls = 0;
    int m_resetCalls = 0;
    int m_closeCalls = 0;
};
