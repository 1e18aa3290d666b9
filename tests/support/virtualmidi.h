#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/midi/midiservice.h"
#include "platform/midi/midistream.h"

// An in-process MIDI output service for tests: devices are names in a list, every value sent is
// captured, and each failure the device class has to survive can be injected. Deterministic: no
// threads of its own, handles count up from 1.
class TVirtualMidiService : public TMidiOutService {
public:
    // One captured short message. DeviceUid identifies the device for its whole life, even when
    // devices before it vanish and its number changes; the mapper has uid 0.
    struct TSent {
        MidiHandle Handle;
        int DeviceUid;
        std::string DeviceName;
        std::uint32_t Packed;
        TMidiFrameTime Time;  // the moment it was sent with, if any
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

    // What was sent, in order, on every handle. Keys may be played on a thread of their own,
    // so what was sent is kept under a lock.
    std::vector<TSent> Sent() const;
    std::vector<std::uint32_t> SentTo(int deviceUid) const;
    void ClearSent();
    int OpenHandleCount() const { return static_cast<int>(m_open.size()); }
    // Calls made on handles that were stale (device gone) or never open.
    int StaleHandleCalls() const { return m_staleCalls; }
    int ResetCalls() const { return m_resetCalls; }
    int CloseCalls() const { return m_closeCalls; }

    int OutCount() override;
    MidiResult OutProductName(int id, std::string& name) override;
    MidiResult OutOpen(int id, MidiHandle& handle) override;
    MidiResult OutShortMsgAt(MidiHandle handle, std::uint32_t packed,
                             TMidiFrameTime time) override;
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
    // Both sends end here, whichever of them a test's subclass overrides.
    MidiResult Capture(MidiHandle handle, std::uint32_t packed, TMidiFrameTime time);

    std::vector<TDevice> m_devices;
    std::map<MidiHandle, int> m_open;  // handle -> device uid
    std::vector<TSent> m_sent;
    mutable std::mutex m_sentLock;
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

// An in-process MIDI input service for tests: devices are names in a list, messages are injected
// by the test and reach the open, started handles of their device through the callback, either
// on a thread of the service (the default, so that the receiving side really meets two threads)
// or on the injecting thread. System-exclusive data fills the buffers lent to the service in the
// order they were added; data that continues beyond a buffer goes on in the next one, and data
// for which no buffer is left is dropped and counted. Failures can be injected.
class TVirtualMidiInService : public TMidiInService {
public:
    enum TDelivery { dlServiceThread, dlSynchronous };

    explicit TVirtualMidiInService(std::vector<std::string> names = {},
                                   TDelivery delivery = dlServiceThread);
    ~TVirtualMidiInService() override;
    TVirtualMidiInService(const TVirtualMidiInService&) = delete;
    TVirtualMidiInService& operator=(const TVirtualMidiInService&) = delete;

    int AddDevice(const std::string& name);
    // The device vanishes: later devices move down one number, its handles go stale (the
    // service forgets their buffers and calls back no more).
    void RemoveDevice(int id);
    // Device id now names another product; handles to the old one go stale.
    void RenameDevice(int id, const std::string& name);

    // Injected failures; 0 clears. With openHandleWorks the open reports the error but hands
    // out a working handle, as some drivers do.
    void SetProductNameError(MidiResult code) { m_nameError = code; }
    void SetOpenError(MidiResult code, bool openHandleWorks = false) {
        m_openError = code;
        m_openHandleWorks = openHandleWorks;
    }
    void SetPrepareError(MidiResult code) { m_prepareError = code; }
    void SetAddBufferError(MidiResult code) { m_addError = code; }
    void SetStartError(MidiResult code) { m_startError = code; }
    void SetStopError(MidiResult code) { m_stopError = code; }
    void SetCloseError(MidiResult code) { m_closeError = code; }

    // Delivers a short message (packed as the service hands it out) to device id. Any thread.
    void Inject(int id, std::uint32_t packed, std::uint32_t time);
    void InjectSysEx(int id, const std::vector<std::uint8_t>& bytes, std::uint32_t time = 0);
    // Delivers one packet of a MIDI byte stream, read as the system's input ports read theirs.
    void InjectBytes(int id, const std::vector<std::uint8_t>& bytes, std::uint32_t time = 0);
    // Waits until everything injected so far has been delivered.
    void Flush();
    // Counts `count` more messages as lost by the service on their way in (InDropped).
    void Drop(std::uint64_t count) { m_dropped += count; }

    // Thread the last callback ran on.
    std::thread::id DeliveryThread() const;
    // System-exclusive bytes dropped because no buffer was queued.
    std::size_t DroppedSysExBytes() const;
    // Buffers currently queued on all handles.
    int QueuedBuffers() const;
    int OpenHandleCount() const;
    // Calls made on handles that were stale or never open.
    int StaleHandleCalls() const;

    int InCount() override;
    MidiResult InProductName(int id, std::string& name) override;
    MidiResult InOpen(int id, MidiHandle& handle, MidiInCallback callback, void* instance) override;
    MidiResult InGetId(MidiHandle handle, int& id) override;
    MidiResult InPrepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) override;
    MidiResult InAddBuffer(MidiHandle handle, TMidiInBuffer& buffer) override;
    MidiResult InUnprepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) override;
    MidiResult InStart(MidiHandle handle) override;
    MidiResult InStop(MidiHandle handle) override;
    MidiResult InReset(MidiHandle handle) override;
    MidiResult InClose(MidiHandle handle) override;
    bool InErrorText(MidiResult code, std::string& text) override;
    std::uint64_t InDropped(MidiHandle) override { return m_dropped.load(); }

private:
    std::atomic<std::uint64_t> m_dropped{0};
    struct TDevice {
        int Uid;
        std::string Name;
    };
    struct THandle {
        int Uid;
        bool Stale = false;
        bool Started = false;
        MidiInCallback Callback = nullptr;
        void* Instance = nullptr;
        std::deque<TMidiInBuffer*> Pool;
        TMidiStreamParser Parser;
    };
    enum TJobKind { jkShort, jkSysEx, jkBytes };
    struct TJob {
        int Uid;
        TJobKind Kind;
        std::uint32_t Packed;
        std::uint32_t Time;
        std::vector<std::uint8_t> Bytes;
    };

    // Queues a job for device id (nothing when there is no such device).
    void SubmitTo(int id, TJobKind kind, std::uint32_t packed, std::uint32_t time,
                  const std::vector<std::uint8_t>& bytes);

    // All below under m_lock.
    THandle* Lookup(MidiHandle handle);
    int IdOfUid(int uid) const;
    void MakeStale(int uid);
    void Deliver(const TJob& job);
    void Submit(TJob job);
    void Run();

    TDelivery m_delivery;
    mutable std::mutex m_lock;
    std::vector<TDevice> m_devices;
    std::map<MidiHandle, THandle> m_open;
    int m_nextUid = 1;
    MidiHandle m_nextHandle = 1;
    MidiResult m_nameError = kMidiOk;
    MidiResult m_openError = kMidiOk;
    bool m_openHandleWorks = false;
    MidiResult m_prepareError = kMidiOk;
    MidiResult m_addError = kMidiOk;
    MidiResult m_startError = kMidiOk;
    MidiResult m_stopError = kMidiOk;
    MidiResult m_closeError = kMidiOk;
    int m_staleCalls = 0;
    std::size_t m_droppedSysEx = 0;
    std::thread::id m_deliveryThread;

    // The delivery thread and its work.
    std::mutex m_jobLock;
    std::condition_variable m_jobReady;
    std::condition_variable m_jobsDone;
    std::deque<TJob> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};
