#include "platform/midi/midierrors.h"
#include "support/virtualmidi.h"

TVirtualMidiInService::TVirtualMidiInService(std::vector<std::string> names, TDelivery delivery)
    : m_delivery(delivery) {
    for (const auto& n : names) AddDevice(n);
    if (m_delivery == dlServiceThread) m_thread = std::thread([this] { Run(); });
}

TVirtualMidiInService::~TVirtualMidiInService() {
    if (m_thread.joinable()) {
        {
            std::lock_guard<std::mutex> guard(m_jobLock);
            m_stop = true;
        }
        m_jobReady.notify_all();
        m_thread.join();
    }
}

int TVirtualMidiInService::AddDevice(const std::string& name) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_devices.push_back({m_nextUid++, name});
    return m_devices.back().Uid;
}

void TVirtualMidiInService::MakeStale(int uid) {
    for (auto& [handle, h] : m_open) {
        if (h.Uid != uid) continue;
        h.Stale = true;
        h.Started = false;
        h.Pool.clear();
    }
}

void TVirtualMidiInService::RemoveDevice(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (id < 0 || id >= static_cast<int>(m_devices.size())) return;
    MakeStale(m_devices[id].Uid);
    m_devices.erase(m_devices.begin() + id);
}

void TVirtualMidiInService::RenameDevice(int id, const std::string& name) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (id < 0 || id >= static_cast<int>(m_devices.size())) return;
    MakeStale(m_devices[id].Uid);
    m_devices[id] = {m_nextUid++, name};
}

int TVirtualMidiInService::IdOfUid(int uid) const {
    for (size_t i = 0; i < m_devices.size(); ++i)
        if (m_devices[i].Uid == uid) return static_cast<int>(i);
    return -1;
}

TVirtualMidiInService::THandle* TVirtualMidiInService::Lookup(MidiHandle handle) {
    auto it = m_open.find(handle);
    if (it == m_open.end() || it->second.Stale) {
        ++m_staleCalls;
        return nullptr;
    }
    return &it->second;
}

void TVirtualMidiInService::Inject(int id, std::uint32_t packed, std::uint32_t time) {
    SubmitTo(id, jkShort, packed, time, {});
}

void TVirtualMidiInService::InjectSysEx(int id, const std::vector<std::uint8_t>& bytes,
                                        std::uint32_t time) {
    SubmitTo(id, jkSysEx, 0, time, bytes);
}

void TVirtualMidiInService::InjectBytes(int id, const std::vector<std::uint8_t>& bytes,
                                        std::uint32_t time) {
    SubmitTo(id, jkBytes, 0, time, bytes);
}

void TVirtualMidiInService::SubmitTo(int id, TJobKind kind, std::uint32_t packed,
                                     std::uint32_t time, const std::vector<std::uint8_t>& bytes) {
    int uid;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        if (id < 0 || id >= static_cast<int>(m_devices.size())) return;
        uid = m_devices[id].Uid;
    }
    Submit(TJob{uid, kind, packed, time, bytes});
}

void TVirtualMidiInService::Submit(TJob job) {
    if (m_delivery == dlSynchronous) {
        std::lock_guard<std::mutex> guard(m_lock);
        Deliver(job);
        return;
    }
    {
        std::lock_guard<std::mutex> guard(m_jobLock);
        m_jobs.push_back(std::move(job));
    }
    m_jobReady.notify_one();
}

void TVirtualMidiInService::Run() {
    std::unique_lock<std::mutex> jobs(m_jobLock);
    for (;;) {
        m_jobReady.wait(jobs, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty()) return;  // stopping with nothing left
        TJob job = std::move(m_jobs.front());
        m_jobs.pop_front();
        m_busy = true;
        jobs.unlock();
        {
            std::lock_guard<std::mutex> guard(m_lock);
            Deliver(job);
        }
        jobs.lock();
        m_busy = false;
        if (m_jobs.empty()) m_jobsDone.notify_all();
    }
}

void TVirtualMidiInService::Flush() {
    if (m_delivery == dlSynchronous) return;
    std::unique_lock<std::mutex> jobs(m_jobLock);
    m_jobsDone.wait(jobs, [this] { return m_jobs.empty() && !m_busy; });
}

// Under m_lock: the callback never calls back into the service, and holding the lock here is
// what makes InClose wait for a callback in flight.
void TVirtualMidiInService::Deliver(const TJob& job) {
    m_deliveryThread = std::this_thread::get_id();
    for (auto& open : m_open) {
        THandle& h = open.second;
        if (h.Uid != job.Uid || h.Stale || !h.Started || !h.Callback) continue;
        auto deliverLong = [&](TMidiInBuffer* buffer) {
            h.Callback(h.Instance, mimLongData, reinterpret_cast<std::uintptr_t>(buffer), job.Time);
        };
        switch (job.Kind) {
            case jkShort:
                h.Callback(h.Instance, mimData, job.Packed, job.Time);
                break;
            case jkSysEx:
                m_droppedSysEx +=
                    SpreadSysEx(h.Pool, job.Bytes.data(), job.Bytes.size(), deliverLong);
                break;
            case jkBytes:
                m_droppedSysEx += h.Parser.Feed(
                    job.Bytes.data(), job.Bytes.size(), h.Pool,
                    [&](std::uint32_t packed) {
                        h.Callback(h.Instance, mimData, packed, job.Time);
                    },
                    deliverLong);
                break;
        }
    }
}

std::thread::id TVirtualMidiInService::DeliveryThread() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_deliveryThread;
}

std::size_t TVirtualMidiInService::DroppedSysExBytes() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_droppedSysEx;
}

int TVirtualMidiInService::QueuedBuffers() const {
    std::lock_guard<std::mutex> guard(m_lock);
    size_t n = 0;
    for (const auto& [handle, h] : m_open) n += h.Pool.size();
    return static_cast<int>(n);
}

int TVirtualMidiInService::OpenHandleCount() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return static_cast<int>(m_open.size());
}

int TVirtualMidiInService::StaleHandleCalls() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_staleCalls;
}

int TVirtualMidiInService::InCount() {
    std::lock_guard<std::mutex> guard(m_lock);
    return static_cast<int>(m_devices.size());
}

MidiResult TVirtualMidiInService::InProductName(int id, std::string& name) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_nameError != kMidiOk) return m_nameError;
    if (id < 0 || id >= static_cast<int>(m_devices.size())) return kMidiErrBadDeviceId;
    name = m_devices[id].Name;
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InOpen(int id, MidiHandle& handle, MidiInCallback callback,
                                         void* instance) {
    std::lock_guard<std::mutex> guard(m_lock);
    handle = 0;
    if (id < 0 || id >= static_cast<int>(m_devices.size())) return kMidiErrBadDeviceId;
    if (m_openError != kMidiOk && !m_openHandleWorks) return m_openError;
    handle = m_nextHandle++;
    THandle& h = m_open[handle];
    h.Uid = m_devices[id].Uid;
    h.Callback = callback;
    h.Instance = instance;
    if (callback) callback(instance, mimOpen, 0, 0);
    return m_openError;
}

MidiResult TVirtualMidiInService::InGetId(MidiHandle handle, int& id) {
    std::lock_guard<std::mutex> guard(m_lock);
    THandle* h = Lookup(handle);
    if (!h) return kMidiErrInvalHandle;
    id = IdOfUid(h->Uid);
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InPrepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!Lookup(handle)) return kMidiErrInvalHandle;
    if (m_prepareError != kMidiOk) return m_prepareError;
    buffer.Prepared = true;
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InAddBuffer(MidiHandle handle, TMidiInBuffer& buffer) {
    std::lock_guard<std::mutex> guard(m_lock);
    THandle* h = Lookup(handle);
    if (!h) return kMidiErrInvalHandle;
    if (m_addError != kMidiOk) return m_addError;
    if (!buffer.Prepared) return kMidiErrUnprepared;
    if (buffer.Queued) return kMidiErrStillPlaying;
    buffer.Queued = true;
    buffer.BytesRecorded = 0;
    h->Pool.push_back(&buffer);
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InUnprepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (!Lookup(handle)) return kMidiErrInvalHandle;
    if (buffer.Queued) return kMidiErrStillPlaying;
    buffer.Prepared = false;
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InStart(MidiHandle handle) {
    std::lock_guard<std::mutex> guard(m_lock);
    THandle* h = Lookup(handle);
    if (!h) return kMidiErrInvalHandle;
    if (m_startError != kMidiOk) return m_startError;
    h->Started = true;
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InStop(MidiHandle handle) {
    std::lock_guard<std::mutex> guard(m_lock);
    THandle* h = Lookup(handle);
    if (!h) return kMidiErrInvalHandle;
    if (m_stopError != kMidiOk) return m_stopError;
    h->Started = false;
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InReset(MidiHandle handle) {
    std::lock_guard<std::mutex> guard(m_lock);
    THandle* h = Lookup(handle);
    if (!h) return kMidiErrInvalHandle;
    h->Started = false;
    h->Parser.Reset();
    while (!h->Pool.empty()) {
        TMidiInBuffer* buffer = h->Pool.front();
        h->Pool.pop_front();
        buffer->Queued = false;
        buffer->BytesRecorded = 0;
        if (h->Callback)
            h->Callback(h->Instance, mimLongData, reinterpret_cast<std::uintptr_t>(buffer), 0);
    }
    return kMidiOk;
}

MidiResult TVirtualMidiInService::InClose(MidiHandle handle) {
    std::lock_guard<std::mutex> guard(m_lock);
    auto it = m_open.find(handle);
    if (it == m_open.end()) {
        ++m_staleCalls;
        return kMidiErrInvalHandle;
    }
    bool stale = it->second.Stale;
    if (!stale) {
        for (TMidiInBuffer* buffer : it->second.Pool) buffer->Queued = false;
        if (it->second.Callback) it->second.Callback(it->second.Instance, mimClose, 0, 0);
    }
    // A driver that reports a failure still lets the handle go: nothing would close it later.
    m_open.erase(it);
    if (stale) {
        ++m_staleCalls;
        return kMidiErrInvalHandle;
    }
    return m_closeError;
}

bool TVirtualMidiInService::InErrorText(MidiResult code, std::string& text) {
    return CommonMidiErrorText(code, text);
}
