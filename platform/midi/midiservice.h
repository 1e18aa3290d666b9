#pragma once

#include <cstdint>
#include <memory>
#include <string>

// Result codes of the MIDI service. 0 is success; the numbers of the common errors follow the
// multimedia convention so that stored or logged codes keep their meaning. Backends may add
// their own codes from kMidiErrBackendBase on; ErrorText() describes every code it returns.
using MidiResult = std::uint32_t;
constexpr MidiResult kMidiOk = 0;
constexpr MidiResult kMidiErrError = 1;        // unspecified error
constexpr MidiResult kMidiErrBadDeviceId = 2;  // device number out of range
constexpr MidiResult kMidiErrAllocated = 4;    // device already in use
constexpr MidiResult kMidiErrInvalHandle = 5;  // handle not open (or gone)
constexpr MidiResult kMidiErrNoDriver = 6;     // no driver / service not running
constexpr MidiResult kMidiErrNoMem = 7;
constexpr MidiResult kMidiErrNotSupported = 8;
constexpr MidiResult kMidiErrBackendBase = 0x1000;

// An open device. 0 is never a valid handle.
using MidiHandle = std::uintptr_t;

// Device number of the MIDI Mapper: routes to the system's default synthesizer.
constexpr int kMidiMapperId = -1;

// The operations the MIDI output device class needs of the platform. Device numbers run from 0
// to OutCount()-1; kMidiMapperId names the mapper. All calls happen on the window thread.
class TMidiOutService {
public:
    virtual ~TMidiOutService() = default;

    virtual int OutCount() = 0;
    // Product name of a device (kMidiMapperId included); non-zero result when it cannot be read.
    virtual MidiResult OutProductName(int id, std::string& name) = 0;
    virtual MidiResult OutOpen(int id, MidiHandle& handle) = 0;
    // packed = status | data1 << 8 | data2 << 16.
    virtual MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) = 0;
    // Silences the device: note-offs for every sounding note, controllers back to rest.
    virtual MidiResult OutReset(MidiHandle handle) = 0;
    virtual MidiResult OutClose(MidiHandle handle) = 0;
    // Text for a result code; false when the code is unknown to this service.
    virtual bool OutErrorText(MidiResult code, std::string& text) = 0;
};
