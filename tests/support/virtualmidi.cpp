#include "support/virtualmidi.h"

#include "platform/midi/midierrors.h"

TVirtualMidiService::TVirtualMidiService(std::vector<std::string> names) {
    for (const auto& n : names) AddDevice(n);
}

int TVirtualMidiService::AddDevice(const std::string& name) {
    m_devices.push_back({m_nextUid++, name});
    return m_devices.back().Uid;
}

void TVirtualMidiService::RemoveDevice(int id) {
    if (id < 0 || id >= OutCount()) return;
    m_devices.erase(m_devices.begin() + id);
}

void TVirtualMidiService::RenameDevice(int id, const std::string& name) {
    if (id < 0 || id >= OutCount()) return;
    // A different product now answers to this number: give it a new identity as well.
    m_devices[id] = {m_nextUid++, name};
}

int TVirtualMidiService::DeviceUid(int id) const {
    if (id == kMidiMapperId) return 0;
    if (id < 0 || id >= static_cast<int>(m_devices.size())) return -1;
    return m_devices[id].Uid;
}

std::vector<TVirtualMidiService::TSent> TVirtualMidiService::Sent() const {
    const std::lock_guard<std::mutex> guard(m_sentLock);
    return m_sent;
}

void TVirtualMidiService::ClearSent() {
    const std::lock_guard<std::mutex> guard(m_sentLock);
    m_sent.clear();
}

std::vector<std::uint32_t> TVirtualMidiService::SentTo(int deviceUid) const {
    const std::lock_guard<std::mutex> guard(m_sentLock);
    std::vector<std::uint32_t> out;
    for (const auto& s : m_sent)
        if (s.DeviceUid == deviceUid) out.push_back(s.Packed);
    return out;
}

int TVirtualMidiService::OutCount() { return static_cast<int>(m_devices.size()); }

MidiResult TVirtualMidiService::OutProductName(int id, std::string& name) {
    if (m_nameError != kMidiOk) return m_nameError;
    if (id == kMidiMapperId) {
        name = m_mapperName;
        return kMidiOk;
    }
    if (id < 0 || id >= OutCount()) return kMidiErrBadDeviceId;
    name = m_devices[id].Name;
    return kMidiOk;
}

MidiResult TVirtualMidiService::OutOpen(int id, MidiHandle& handle) {
    handle = 0;
    if (m_openError != kMidiOk) return m_openError;
    int uid = DeviceUid(id);
    if (uid < 0) return kMidiErrBadDeviceId;
    handle = m_nextHandle++;
    m_open[handle] = uid;
    return kMidiOk;
}

const TVirtualMidiService::TDevice* TVirtualMidiService::Lookup(MidiHandle handle) {
    auto it = m_open.find(handle);
    if (it != m_open.end()) {
        if (it->second == 0) {
            m_mapper.Name = m_mapperName;
            return &m_mapper;
        }
        for (const auto& d : m_devices)
            if (d.Uid == it->second) return &d;
    }
    ++m_staleCalls;
    return nullptr;
}

MidiResult TVirtualMidiService::OutShortMsg(MidiHandle handle, std::uint32_t packed) {
    return Capture(handle, packed, TMidiFrameTime());
}

MidiResult TVirtualMidiService::OutShortMsgAt(MidiHandle handle, std::uint32_t packed,
                                              TMidiFrameTime time) {
    return Capture(handle, packed, time);
}

MidiResult TVirtualMidiService::Capture(MidiHandle handle, std::uint32_t packed,
                                        TMidiFrameTime time) {
    const TDevice* d = Lookup(handle);
    if (!d) return kMidiErrInvalHandle;
    if (m_sendError != kMidiOk) return m_sendError;
    const std::lock_guard<std::mutex> guard(m_sentLock);
    m_sent.push_back({handle, d->Uid, d->Name, packed, time});
    return kMidiOk;
}

MidiResult TVirtualMidiService::OutReset(MidiHandle handle) {
    ++m_resetCalls;
    if (!Lookup(handle)) return kMidiErrInvalHandle;
    return m_resetError;
}

MidiResult TVirtualMidiService::OutClose(MidiHandle handle) {
    ++m_closeCalls;
    if (!Lookup(handle)) {
        m_open.erase(handle);
        return kMidiErrInvalHandle;
    }
    if (m_closeError != kMidiOk) return m_closeError;
    m_open.erase(handle);
    return kMidiOk;
}

bool TVirtualMidiService::OutErrorText(MidiResult code, std::string& text) {
    switch (code) {
        case kMidiErrBadDeviceId:
            text = "The device number is out of range.";
            return true;
        case kMidiErrAllocated:
            text = "The device is already in use.";
            return true;
        case kMidiErrInvalHandle:
            text = "The device handle is not valid.";
            return true;
        default:
            return CommonMidiErrorText(code, text);
    }
}
