#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TDirectThru;
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

// A moment on the MIDI system's own clock, where it has one: the JACK server's frame counter
// (it wraps around). Not valid where a message has no such time. A moment known only on the
// steady clock (a key, stamped as the window system reported it) has SteadyNs set instead (in
// nanoseconds, see platform/lib/steadyclock.h); each device turns it into its own clock.
struct TMidiFrameTime {
    bool Valid = false;
    std::uint32_t Frame = 0;
    std::int64_t SteadyNs = 0;

    bool Known() const { return Valid || SteadyNs != 0; }
};

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
    // As OutShortMsg for a message caused by something that happened at `time` (an incoming
    // message that arrived then, a key pressed then): a device that writes each message a
    // constant delay after the time it was sent writes this one that delay after `time`, so
    // that what passes through keeps the spacing it came with and a key's note does not wait for
    // the window. Others send it as any other.
    virtual MidiResult OutShortMsgAt(MidiHandle handle, std::uint32_t packed, TMidiFrameTime time) {
        static_cast<void>(time);
        return OutShortMsg(handle, packed);
    }
    // Once after something happened to the MIDI system as a whole (a JACK server stopped): the
    // text telling the user. Empty otherwise.
    virtual std::string TakeSystemNotice() { return std::string(); }
    // The moment `time` names on the steady clock, in nanoseconds (see steadyclock.h): its
    // SteadyNs where set, a frame time of the service's clock turned back into one where the
    // service can, `now` otherwise.
    virtual std::int64_t SteadyMoment(TMidiFrameTime time, std::int64_t now) {
        return time.SteadyNs != 0 ? time.SteadyNs : now;
    }
    // `listener` is called on a thread of the service whenever the devices or their connections
    // may have changed (a port came or went, a connection was made or ended, the JACK server
    // stopped); it must only wake its own thread. Removing waits for a call in flight.
    virtual void AddChangeListener(const void* key, std::function<void()> listener) {
        static_cast<void>(key);
        static_cast<void>(listener);
    }
    virtual void RemoveChangeListener(const void* key) { static_cast<void>(key); }
    // Whether the open device can take messages passed on within the MIDI system's cycle
    // (OutThruInput): a JACK port of the program's.
    virtual bool OutCanTakeThru(MidiHandle handle) {
        static_cast<void>(handle);
        return false;
    }
    // Gives the open device's port a thru input (or takes it away), keeping its connections; the
    // full name of that input, empty when it has none.
    virtual std::string OutThruInput(MidiHandle handle, bool on) {
        static_cast<void>(handle);
        static_cast<void>(on);
        return std::string();
    }
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
    mimTimedData,  // like mimData with the time on the MIDI system's clock: param1 points to a
                   // TMidiInTimedData that lives for the call
};

struct TMidiInTimedData {
    std::uint32_t Packed = 0;
    TMidiFrameTime Time;
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
    // Messages the service itself lost for the handle since it was opened (its own queue from
    // the system was full): a note-off among them leaves a note sounding.
    virtual std::uint64_t InDropped(MidiHandle handle) {
        static_cast<void>(handle);
        return 0;
    }
    // Removes the connections that feed the open input from the program's own output ports,
    // which would send everything played round in a loop; the names of the ports cut off.
    virtual std::vector<std::string> InBreakLoops(MidiHandle handle) {
        static_cast<void>(handle);
        return {};
    }
    // As TMidiOutService::AddChangeListener.
    virtual void AddChangeListener(const void* key, std::function<void()> listener) {
        static_cast<void>(key);
        static_cast<void>(listener);
    }
    virtual void RemoveChangeListener(const void* key) { static_cast<void>(key); }
    // Whether what the open device receives can be passed on within the MIDI system's cycle
    // (InDirectThru): a JACK port of the program's.
    virtual bool InCanDirectThru(MidiHandle handle) {
        static_cast<void>(handle);
        return false;
    }
    // With `thru`, the open device's port also passes what comes in through it, in the same
    // cycle, to `target` (an output's thru input); null takes that away. Its connections are kept;
    // messages still arrive through the callback. The engine must outlive the port's use of it.
    // False when it cannot be done (and for null: when nothing was set).
    virtual bool InDirectThru(MidiHandle handle, TDirectThru* thru, const std::string& target) {
        static_cast<void>(handle);
        static_cast<void>(thru);
        static_cast<void>(target);
        return false;
    }
};
