#include "midi/midiinput.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>

namespace {

// In the user's language; the device's name is filled in as it is.
std::string FormatName(const char* format, const std::string& name) {
    return QCoreApplication::translate("TMidiDevice", format)
        .arg(QString::fromStdString(name))
        .toStdString();
}

EMidiInputError InputError(TMidiInService& service, MidiResult code,
                           const std::string& extra = std::string()) {
    std::string text;
    bool have = service.InErrorText(code, text);
    return EMidiInputError(MidiErrorMessage(extra, have, text), code);
}

bool IsShortMessage(TMidiInMessage msg) {
    return msg == mimData || msg == mimError || msg == mimMoreData || msg == mimTimedData;
}

bool IsLongMessage(TMidiInMessage msg) { return msg == mimLongData || msg == mimLongError; }

// Lives on the window thread and runs the dispatch when the service thread's wake-up arrives.
// The wake-up is a plain event that nobody reads: the service thread hands nothing over through
// it, everything travels through the locked queue.
class TWakeTarget : public QObject {
public:
    explicit TWakeTarget(std::function<void()> wake) : m_wake(std::move(wake)) {
        WakeEvent();  // registered here, so the service thread only reads it
    }

    static QEvent::Type WakeEvent() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

protected:
    void customEvent(QEvent*) override { m_wake(); }

private:
    std::function<void()> m_wake;
};

}  // namespace

TMidiInput::TMidiInput(TMidiInService& service) : m_service(service) { SetDeviceId(NoDevice); }

TMidiInput::~TMidiInput() {
    try {
        Close();
    } catch (const std::exception&) {
        // Nobody is left to tell; the handle is dropped either way.
    }
}

void TMidiInput::SetDeviceId(int id) {
    if (!m_closed) throw EMidiInputError("Change to DeviceID while device was open", kMidiOk);
    m_deviceName.clear();
    m_deviceId = NoDevice;
    // NoDevice, which every input starts with, is settled without listing the devices.
    if (id >= 0 && id != NoDevice && id < m_service.InCount()) {
        std::string name;
        MidiResult r = m_service.InProductName(id, name);
        if (r != kMidiOk) throw InputError(m_service, r);
        m_deviceId = id;
        m_deviceName = name;
    }
}

int TMidiInput::DeviceCount() { return m_service.InCount(); }

void TMidiInput::ListDevices(std::vector<TMidiDeviceEntry>& list) {
    list.clear();
    int count = m_service.InCount();
    for (int id = 0; id < count; ++id) {
        std::string name;
        if (m_service.InProductName(id, name) == kMidiOk && !name.empty())
            list.push_back({name, id});
    }
}

void TMidiInput::CheckDevicePresent() {
    if (m_handle == 0) return;
    std::string now;
    if (m_service.InProductName(m_deviceId, now) != kMidiOk) now.clear();
    if (!SameDeviceName(now, m_deviceName)) {
        // The number names another product now. The handle may still reach the old port (the
        // list merely shifted) or nothing at all; either way it is closed without a reset or a
        // word about the result, so that no callback arrives once our buffers are freed.
        MidiHandle stale = m_handle;
        m_handle = 0;
        m_closing = true;
        m_service.InClose(stale);
        Close();
    }
}

std::vector<std::string> TMidiInput::BreakLoops() {
    if (m_handle == 0 || !m_detectMidiLoop) return {};
    return m_service.InBreakLoops(m_handle);
}

MidiResult TMidiInput::QueueBuffer(TMidiInBuffer& buffer) {
    if (!buffer.Prepared) {
        MidiResult r = m_service.InPrepareBuffer(m_handle, buffer);
        if (r != kMidiOk) return r;
    }
    buffer.BytesRecorded = 0;
    // Counted before the service sees it: the buffer may come back on the service thread before
    // InAddBuffer returns.
    m_buffersLent.fetch_add(1, std::memory_order_relaxed);
    MidiResult r = m_service.InAddBuffer(m_handle, buffer);
    if (r != kMidiOk) m_buffersLent.fetch_sub(1, std::memory_order_relaxed);
    return r;
}

bool TMidiInput::Open() {
    if (m_deviceId == NoDevice || !m_closed) return !m_closed;
    if (m_detectMidiLoop && WouldCreateLoop(mdInput, m_deviceName))
        throw EVirtualMIDIFeedback(
            FormatName(QT_TRANSLATE_NOOP("TMidiDevice",
                                         "Opening \"%1\" would create a virtual feedback loop !"),
                       m_deviceName));
    if (!m_queue) m_queue = std::make_unique<TCircBuffer>(kQueueCapacity);
    if (!m_window)
        m_window = std::make_unique<TWakeTarget>([this] {
            m_wakePending.store(false, std::memory_order_release);
            Dispatch();
        });
    m_closing = false;
    m_overflow = false;
    m_overflowCount = 0;
    m_lostToldQueue = m_lostToldService = 0;
    m_wakePending = false;
    m_buffersLent = 0;
    for (auto& lost : m_lostBuffers) lost = false;

    MidiHandle handle = 0;
    MidiResult r = m_service.InOpen(m_deviceId, handle, &TMidiInput::Callback, this);
    if (r != kMidiOk) {
        // Some drivers report an error yet hand out a working handle; only a handle that the
        // service does not know makes the open a failure.
        int probe = 0;
        if (m_service.InGetId(handle, probe) == kMidiErrInvalHandle) {
            m_queue.reset();
            throw InputError(m_service, r,
                             FormatName(QT_TRANSLATE_NOOP("TMidiDevice",
                                                          "Cannot open MIDI input device \"%1\":"),
                                        m_deviceName));
        }
    }
    m_handle = handle;
    m_closed = false;
    RecordOpen(mdInput, m_deviceName);

    for (int i = 0; i < kSysExBufferCount; ++i) {
        auto buffer = std::make_unique<TMidiInBuffer>();
        buffer->Data.resize(kSysExBufferSize);
        buffer->User = reinterpret_cast<void*>(static_cast<std::uintptr_t>(i));
        TMidiInBuffer& b = *buffer;
        m_sysExBuffers.push_back(std::move(buffer));
        MidiResult q = QueueBuffer(b);
        if (q != kMidiOk) {
            // A half-open device would hold the port with nobody able to close it.
            try {
                Close();
            } catch (const EMidiInputError&) {
                // The buffer failure is the one worth reporting.
            }
            throw InputError(m_service, q);
        }
    }
    return true;
}

bool TMidiInput::Close() {
    CheckDevicePresent();
    if (m_closed) return true;
    MidiResult failure = ShutDown();
    if (failure != kMidiOk) throw InputError(m_service, failure);
    return true;
}

MidiResult TMidiInput::ShutDown() {
    m_closed = true;
    // Buffers the reset hands back must not become messages.
    m_closing = true;
    MidiResult failure = kMidiOk;
    if (m_handle != 0) {
        failure = m_service.InReset(m_handle);
        for (auto& buffer : m_sysExBuffers)
            if (buffer->Prepared) m_service.InUnprepareBuffer(m_handle, *buffer);
        MidiResult c = m_service.InClose(m_handle);
        if (failure == kMidiOk) failure = c;
    }
    // The service calls back no more once closed (or once the device vanished), so the queue
    // and the buffers are ours alone now.
    if (m_queue) {
        while (TQueueEntry* entry = m_queue->Peek()) {
            delete entry->Event;
            entry->Event = nullptr;
            m_queue->Remove();
        }
    }
    m_sysExBuffers.clear();
    m_buffersLent = 0;
    m_handle = 0;
    RecordClosed(mdInput, m_deviceName);
    m_queue.reset();
    return failure;
}

void TMidiInput::Start() {
    if (m_closed || m_handle == 0) return;
    MidiResult r = m_service.InStart(m_handle);
    if (r != kMidiOk) throw InputError(m_service, r);
}

void TMidiInput::Stop() {
    if (m_closed || m_handle == 0) return;
    MidiResult r = m_service.InStop(m_handle);
    if (r != kMidiOk) throw InputError(m_service, r);
}

int TMidiInput::MessageCount() const {
    if (m_closed || !m_queue) return 0;
    return m_queue->Count();
}

void TMidiInput::Callback(void* instance, TMidiInMessage msg, std::uintptr_t param1,
                          std::uint32_t param2) {
    if (instance) static_cast<TMidiInput*>(instance)->Receive(msg, param1, param2);
}

// Service thread: filter, queue, wake the window thread. Nothing here allocates or touches the
// events, the buffer list or anything of the window thread.
void TMidiInput::Receive(TMidiInMessage msg, std::uintptr_t param1, std::uint32_t param2) {
    if (IsLongMessage(msg)) m_buffersLent.fetch_sub(1, std::memory_order_relaxed);
    if (m_closing.load(std::memory_order_acquire)) return;
    TCircBuffer* queue = m_queue.get();
    if (!queue) return;
    bool pushed;
    if (IsShortMessage(msg)) {
        auto packed = static_cast<std::uint32_t>(param1);
        TMidiFrameTime frameTime;
        if (msg == mimTimedData) {
            const auto* timed = reinterpret_cast<const TMidiInTimedData*>(param1);
            if (!timed) return;
            packed = timed->Packed;
            frameTime = timed->Time;
        }
        if (packed == 0xFE && !m_activeSensing.load(std::memory_order_relaxed)) return;
        if (packed == 0xF8 && !m_timingClock.load(std::memory_order_relaxed)) return;
        if (m_sysExOnly.load(std::memory_order_relaxed)) return;
        pushed = queue->PushShort(packed, param2, frameTime);
    } else if (IsLongMessage(msg)) {
        auto* buffer = reinterpret_cast<TMidiInBuffer*>(param1);
        if (!buffer) return;
        pushed = queue->PushSysEx(buffer, param2);
        if (!pushed) {
            auto index = reinterpret_cast<std::uintptr_t>(buffer->User);
            if (index < m_lostBuffers.size())
                m_lostBuffers[index].store(true, std::memory_order_release);
        }
    } else {
        return;
    }
    if (!pushed) {
        m_overflow.store(true, std::memory_order_relaxed);
        m_overflowCount.fetch_add(1, std::memory_order_relaxed);
    }
    Wake();
}

std::uint64_t TMidiInput::TakeLost() {
    if (m_closed || m_handle == 0) return 0;
    const std::uint64_t queue = m_overflowCount.load(std::memory_order_relaxed);
    const std::uint64_t service = m_service.InDropped(m_handle);
    const std::uint64_t lost = (queue - m_lostToldQueue) + (service - m_lostToldService);
    m_lostToldQueue = queue;
    m_lostToldService = service;
    return lost;
}

void TMidiInput::Wake() {
    // One wake-up in flight is enough: the dispatch it runs empties whatever arrived meanwhile.
    if (m_wakePending.exchange(true, std::memory_order_acq_rel)) return;
    QCoreApplication::postEvent(m_window.get(), new QEvent(TWakeTarget::WakeEvent()));
}

void TMidiInput::ReclaimLostBuffers() {
    if (m_closed || m_handle == 0) return;
    for (auto& buffer : m_sysExBuffers) {
        auto index = reinterpret_cast<std::uintptr_t>(buffer->User);
        if (index < m_lostBuffers.size() &&
            m_lostBuffers[index].exchange(false, std::memory_order_acq_rel))
            QueueBuffer(*buffer);
    }
}

TMyMidiEvent* TMidiInput::MakeEvent(TQueueEntry& entry) {
    if (entry.Message == 0) return nullptr;
    if (entry.Event) return entry.Event;
    auto event = std::make_unique<TMyMidiEvent>();
    event->Time = entry.Time;
    event->FrameTime = entry.FrameTime;
    if (entry.Message == 0xF0) {
        event->MidiMessage = 0xF0;
        if (TMidiInBuffer* buffer = entry.Buffer) {
            std::size_t length = std::min<std::size_t>(buffer->BytesRecorded, buffer->Data.size());
            if (length > 0 && buffer->Data[0] != 0xF0) event->MidiMessage = 0xF7;
            event->SysEx.assign(buffer->Data.begin(), buffer->Data.begin() + length);
            entry.Buffer = nullptr;
            // Back to the service at once: the consumer may take its time with the copy. A
            // failure here leaves the pool one buffer short until the next open, which is all
            // that can be done on the window thread.
            if (!m_closed && m_handle != 0) QueueBuffer(*buffer);
        }
    } else {
        event->MidiMessage = static_cast<std::uint8_t>(entry.Message & 0xFF);
        event->Data1 = static_cast<std::uint8_t>((entry.Message >> 8) & 0xFF);
        event->Data2 = static_cast<std::uint8_t>((entry.Message >> 16) & 0xFF);
    }
    entry.Event = event.release();
    return entry.Event;
}

std::unique_ptr<TMyMidiEvent> TMidiInput::GetMidiEvent() {
    if (m_closed || !m_queue) return nullptr;
    while (TQueueEntry* entry = m_queue->Peek()) {
        TMyMidiEvent* event = MakeEvent(*entry);
        entry->Event = nullptr;
        m_queue->Remove();
        if (event) return std::unique_ptr<TMyMidiEvent>(event);
    }
    return nullptr;
}

void TMidiInput::Dispatch() {
    m_overflow.store(false, std::memory_order_relaxed);
    ReclaimLostBuffers();
    // A handler that runs a local event loop must not start a second dispatch inside this one;
    // the outer loop below picks up what arrives meanwhile.
    if (m_dispatching) return;
    m_dispatching = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{m_dispatching};
    while (MessageCount() > 0) {
        int mark = m_queue->WriteIndex();
        m_queue->Walk([this](TQueueEntry& entry) {
            if (entry.Message == 0xF0 && !entry.Event) MakeEvent(entry);
        });
        if (OnMidiInput && MessageCount() > 0) OnMidiInput(this);
        // The handler may have closed (or closed and reopened) the device.
        if (!m_queue || m_queue->WriteIndex() == mark) break;
    }
}
