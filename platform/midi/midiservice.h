#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

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
constexpr MidiResult kMidiErrUnprepared = 64;    // buffer not prepared
constexpr MidiResult kMidiErrStillPlaying = 65;  // buffer still queued to the device
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
    // Once after something happened to the MIDI system as a whole (a JACK server stopped): the
    // text telling the user. Empty otherwise.
    virtual std::string TakeSystemNotice() { return std::string(); }
};

// ---- Input ----------------------------------------------------------------------------------

// One system-exclusive buffer lent to the input service. The owner allocates Data (its size is
// the buffer length) and keeps the object alive until it is released. The service writes Data
// and BytesRecorded on its own thread and hands the buffer back through the callback; until then
// the owner must not touch it. Prepared and Queued belong to the service.
struct TMidiInBuffer {
    std::vector<std::uint8_t> Data;
    std::uint32_t BytesRecorded = 0;
    void* User = nullptr;  // back pointer for the owner; the service leaves it alone
    bool Prepared = false;
    bool Queued = false;
};

// What the input callback is told.
enum TMidiInMessage {
    mimOpen,       // device opened (both parameters 0)
    mimClose,      // device closed (both parameters 0)
    mimData,       // param1 = packed short message, param2 = time stamp in ms
    mimLongData,   // param1 = TMidiInBuffer* (filled or returned by a reset), param2 = time stamp
    mimError,      // like mimData, for a malformed short message
    mimLongError,  // like mimLongData, for a malformed or cut system-exclusive message
    mimMoreData,   // like mimData, sent while the service is behind
};

// The input callback. Runs on a thread of the service (never on the window thread unless the
// service says so); `instance` is the value given to InOpen. Must not block for long.
using MidiInCallback = void (*)(void* instance, TMidiInMessage msg, std::uintptr_t param1,
                                std::uint32_t param2);

// The operations the MIDI input device class needs of the platform. Device numbers run from 0
// to InCount()-1; there is no mapper for input. All calls except the callback happen on the
// window thread.
class TMidiInService {
public:
    virtual ~TMidiInService() = default;

    virtual int InCount() = 0;
    virtual MidiResult InProductName(int id, std::string& name) = 0;
    // Opens a device; messages go to `callback` once started. Time stamps count from InStart.
    virtual MidiResult InOpen(int id, MidiHandle& handle, MidiInCallback callback,
                              void* instance) = 0;
    // Device number of an open handle; kMidiErrInvalHandle when the handle is not open.
    virtual MidiResult InGetId(MidiHandle handle, int& id) = 0;
    // Buffers must be prepared before they are added, and unprepared before they are freed.
    virtual MidiResult InPrepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) = 0;
    // Adds a prepared buffer to the pool the service fills with system-exclusive data.
    virtual MidiResult InAddBuffer(MidiHandle handle, TMidiInBuffer& buffer) = 0;
    virtual MidiResult InUnprepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) = 0;
    virtual MidiResult InStart(MidiHandle handle) = 0;
    virtual MidiResult InStop(MidiHandle handle) = 0;
    // Stops input and hands every queued buffer back through the callback (mimLongData).
    virtual MidiResult InReset(MidiHandle handle) = 0;
    // When InClose returns, no callback for this handle is running or will run, and the
    // service holds none of its buffers any more, whatever the result (a handle whose device
    // vanished answers kMidiErrInvalHandle).
    virtual MidiResult InClose(MidiHandle handle) = 0;
    virtual bool InErrorText(MidiResult code, std::string& text) = 0;
    // As TMidiOutService::TakeSystemNotice.
    virtual std::string TakeSystemNotice() { return std::string(); }
    // True once after a port that fed the open input went away (the source itself, or one of the
    // ports connected to the program's own port): notes it held will never be released by it.
    virtual bool InSourceLost(MidiHandle handle) {
        static_cast<void>(handle);
        return false;
    }
};
