#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midi/mididevice.h"
#include "midi/midioutput.h"
#include "platform/midi/midiservice.h"

class QObject;

// One received message, owned by whoever took it from the input. For a system-exclusive
// message MidiMessage is 0xF0 (0xF7 for a continuation whose data does not start with 0xF0),
// both data bytes are 0 and SysEx holds the received bytes; for short messages SysEx is empty.
struct TMyMidiEvent {
    std::uint8_t MidiMessage = 0;
    std::uint8_t Data1 = 0;
    std::uint8_t Data2 = 0;
    std::uint32_t Time = 0;  // ms since the device was started
    // When it arrived on the MIDI system's own clock, where the device has one.
    TMidiFrameTime FrameTime;
    std::vector<std::uint8_t> SysEx;
};

// One slot of the receive queue. Message 0 marks a slot whose event was already handed out;
// 0xF0 marks a system-exclusive slot whose data is in Buffer (until Event is made).
struct TQueueEntry {
    std::uint32_t Time = 0;
    std::uint32_t Message = 0;
    TMidiInBuffer* Buffer = nullptr;
    TMyMidiEvent* Event = nullptr;
    TMidiFrameTime FrameTime;
};

// The locked ring queue between the service thread and the window thread: a fixed array of
// slots allocated once, so that pushing never allocates. Push and Remove take the lock; the
// other operations may run unlocked on the consuming thread because only it moves the read
// index.
class TCircBuffer {
public:
    explicit TCircBuffer(int capacity);
    TCircBuffer(const TCircBuffer&) = delete;
    TCircBuffer& operator=(const TCircBuffer&) = delete;

    // False when the queue is full (the entry is then not stored).
    bool PushShort(std::uint32_t packed, std::uint32_t time,
                   TMidiFrameTime frameTime = TMidiFrameTime());
    bool PushSysEx(TMidiInBuffer* buffer, std::uint32_t time);
    bool Push(const TQueueEntry& entry);
    // Drops the entry at the read index; false when the queue is empty.
    bool Remove();
    // The entry at the read index, or null when empty. Consumer thread only.
    TQueueEntry* Peek();
    // Visits the entries from the read index on while their distance from the (current) read
    // index is below the (current) count. The lock is not held during a visit, so the visitor
    // may call the service or remove entries.
    void Walk(const std::function<void(TQueueEntry&)>& visit);

    int Count() const { return m_count.load(std::memory_order_acquire); }
    int Capacity() const { return m_capacity; }
    int ReadIndex() const { return m_readIndex.load(std::memory_order_acquire); }
    int WriteIndex() const { return m_writeIndex.load(std::memory_order_acquire); }

private:
    std::unique_ptr<TQueueEntry[]> m_entries;
    int m_capacity;
    std::atomic<int> m_writeIndex{0};
    std::atomic<int> m_readIndex{0};
    std::atomic<int> m_count{0};
    std::mutex m_lock;
};

// One MIDI input device of the service. Messages arrive on the service's thread, are queued
// there, and are handed out on the window thread (the thread that created the object): the
// OnMidiInput event fires there whenever the queue holds messages, and its handler takes them
// with GetMidiEvent. Failures of the service raise EMidiInputError; an open that would close a
// loopback loop raises EVirtualMIDIFeedback.
class TMidiInput {
public:
    static constexpr int kQueueCapacity = 1024;
    static constexpr int kSysExBufferSize = 1024;
    static constexpr int kSysExBufferCount = 16;

    explicit TMidiInput(TMidiInService& service);
    ~TMidiInput();
    TMidiInput(const TMidiInput&) = delete;
    TMidiInput& operator=(const TMidiInput&) = delete;

    // Selects a device: 0..DeviceCount()-1; anything else selects none (NoDevice). Throws while
    // the device is open, and when the name cannot be read.
    void SetDeviceId(int id);
    int DeviceId() const { return m_deviceId; }
    const std::string& DeviceName() const { return m_deviceName; }
    int DeviceCount();

    // Opens the selected device (not yet started); true when it is open afterwards.
    bool Open();
    // Closes the device, returning its buffers and dropping unread messages; true unless it
    // throws.
    bool Close();
    bool IsClosed() const { return m_closed; }
    // Messages flow between Start and Stop. Nothing happens while closed.
    void Start();
    void Stop();

    // Fills the list with the devices that have a readable, non-empty name (no mapper entry).
    void ListDevices(std::vector<TMidiDeviceEntry>& list);
    // When the open device's number now names another product (or none), closes: the stale
    // handle gets a quiet InClose (result ignored, no reset) so that a port which merely moved
    // in the list stops calling back, and nothing else is asked of the service about it.
    void CheckDevicePresent();
    // The service's notice about the MIDI system as a whole, once; empty when there is none.
    std::string TakeSystemNotice() { return m_service.TakeSystemNotice(); }
    // True once after a port that fed the open input went away.
    bool TakeSourceLost() { return m_handle != 0 && m_service.InSourceLost(m_handle); }
    // With DetectMidiLoop on: cuts the connections from the program's own outputs into the open
    // input, which would send every message round in a loop; the names of the ports cut off.
    std::vector<std::string> BreakLoops();
    // Passing on within the MIDI system's cycle (see TMidiInService::InDirectThru); false while
    // closed or where the device cannot.
    bool CanDirectThru() { return m_handle != 0 && m_service.InCanDirectThru(m_handle); }
    bool SetDirectThru(TDirectThru* thru, const std::string& target) {
        return m_handle != 0 && m_service.InDirectThru(m_handle, thru, target);
    }

    bool DetectMidiLoop() const { return m_detectMidiLoop; }
    void SetDetectMidiLoop(bool on) { m_detectMidiLoop = on; }
    // Filters applied on the service thread: SysExOnly drops every short message; active
    // sensing (0xFE) and timing clock (0xF8) are dropped unless their flag is on.
    bool SysExOnly() const { return m_sysExOnly.load(std::memory_order_relaxed); }
    void SetSysExOnly(bool on) { m_sysExOnly.store(on, std::memory_order_relaxed); }
    bool ActiveSensing() const { return m_activeSensing.load(std::memory_order_relaxed); }
    void SetActiveSensing(bool on) { m_activeSensing.store(on, std::memory_order_relaxed); }
    bool TimingClock() const { return m_timingClock.load(std::memory_order_relaxed); }
    void SetTimingClock(bool on) { m_timingClock.store(on, std::memory_order_relaxed); }

    // Messages waiting; 0 while closed.
    int MessageCount() const;
    // The next message, or null when there is none or the device is closed.
    std::unique_ptr<TMyMidiEvent> GetMidiEvent();

    // Fired on the window thread while the queue holds messages.
    std::function<void(TMidiInput* sender)> OnMidiInput;

    // How many messages were lost on their way in since the last call, to this input's queue or
    // the service's own: 0 when none. Window thread.
    std::uint64_t TakeLost();
    // Messages lost to a full queue since the device was opened.
    std::uint64_t OverflowCount() const { return m_overflowCount.load(std::memory_order_relaxed); }
    // Set when a message was lost since the last dispatch.
    bool Overflow() const { return m_overflow.load(std::memory_order_relaxed); }
    // Buffers currently lent to the service for system-exclusive data.
    int SysExBuffersQueued() const { return m_buffersLent.load(std::memory_order_relaxed); }

    // Runs the dispatch now (the posted wake-up does the same). Window thread only.
    void Dispatch();

private:
    static void Callback(void* instance, TMidiInMessage msg, std::uintptr_t param1,
                         std::uint32_t param2);
    void Receive(TMidiInMessage msg, std::uintptr_t param1, std::uint32_t param2);
    void Wake();
    TMyMidiEvent* MakeEvent(TQueueEntry& entry);
    MidiResult QueueBuffer(TMidiInBuffer& buffer);
    void ReclaimLostBuffers();
    MidiResult ShutDown();

    TMidiInService& m_service;
    int m_deviceId = NoDevice;
    MidiHandle m_handle = 0;
    bool m_closed = true;
    std::string m_deviceName;
    std::unique_ptr<TCircBuffer> m_queue;
    std::unique_ptr<QObject> m_window;  // lives on the window thread; receives the wake-ups
    std::atomic<bool> m_sysExOnly{false};
    std::atomic<bool> m_activeSensing{false};
    std::atomic<bool> m_timingClock{false};
    std::atomic<bool> m_closing{false};
    std::atomic<bool> m_overflow{false};
    // Losses TakeLost has told of, of this queue and of the service, since the device opened.
    std::uint64_t m_lostToldQueue = 0;
    std::uint64_t m_lostToldService = 0;
    std::atomic<bool> m_wakePending{false};
    std::atomic<std::uint64_t> m_overflowCount{0};
    std::vector<std::unique_ptr<TMidiInBuffer>> m_sysExBuffers;
    // Set on the service thread for a buffer whose message found the queue full; the window
    // thread gives such buffers back to the service at the next dispatch.
    std::array<std::atomic<bool>, kSysExBufferCount> m_lostBuffers{};
    std::atomic<int> m_buffersLent{0};
    bool m_detectMidiLoop = true;
    bool m_dispatching = false;
};
