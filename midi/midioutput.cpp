#include "midi/midioutput.h"

#include <QCoreApplication>
#include <QString>

namespace {

// In the user's language; the device's name is filled in as it is.
std::string FormatName(const char* format, const std::string& name) {
    return QCoreApplication::translate("TMidiDevice", format)
        .arg(QString::fromStdString(name))
        .toStdString();
}

}  // namespace

TMidiOutput::TMidiOutput(TMidiOutService& service) : m_service(service) { SetDeviceId(NoDevice); }

TMidiOutput::~TMidiOutput() {
    try {
        Close();
    } catch (const std::exception&) {
        // Nobody is left to tell; the handle is dropped either way.
    }
}

void TMidiOutput::SetDeviceId(int id) {
    if (!m_closed) throw EMidiOutputError("Change to DeviceID while device was open", kMidiOk);
    // Numbers below -1 are not devices: they select none rather than reaching the service. Nor
    // does NoDevice, which every output starts with: listing the devices may have to connect to
    // the MIDI system, which need not happen before it is used.
    if (id == kMidiMapperId || (id >= 0 && id != NoDevice && id < m_service.OutCount())) {
        m_deviceId = id;
        m_deviceName.clear();
        std::string name;
        MidiResult r = m_service.OutProductName(id, name);
        if (r != kMidiOk) throw EMidiOutputError::FromCode(m_service, r);
        m_deviceName = name;
    } else {
        m_deviceId = NoDevice;
        m_deviceName.clear();
    }
}

int TMidiOutput::DeviceCount() { return m_service.OutCount(); }

bool TMidiOutput::Open() {
    const std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_deviceId == NoDevice || m_handle != 0 || !m_closed) return !m_closed;
    if (m_detectMidiLoop && WouldCreateLoop(mdOutput, m_deviceName))
        throw EVirtualMIDIFeedback(
            FormatName(QT_TRANSLATE_NOOP("TMidiDevice",
                                         "Opening \"%1\" would create a virtual feedback loop !"),
                       m_deviceName));
    MidiHandle handle = 0;
    MidiResult r = m_service.OutOpen(m_deviceId, handle);
    if (r != kMidiOk) {
        // Some drivers report an error yet hand out a working handle; only a handle that the
        // service does not know makes the open a failure.
        if (m_service.OutShortMsg(handle, 0) == kMidiErrInvalHandle)
            throw EMidiOutputError::FromCode(
                m_service, r,
                FormatName(
                    QT_TRANSLATE_NOOP("TMidiDevice", "Cannot open MIDI output device \"%1\":"),
                    m_deviceName));
    }
    m_handle = handle;
    m_closed = false;
    RecordOpen(mdOutput, m_deviceName);
    return true;
}

bool TMidiOutput::Close() {
    const std::lock_guard<std::recursive_mutex> guard(m_lock);
    CheckDevicePresent();
    MidiResult failure = kMidiOk;
    if (!m_closed) {
        m_closed = true;
        if (m_handle != 0) {
            // A failed reset must not keep the device allocated: close it all the same and
            // report the first failure once the handle and the record are cleared.
            MidiResult r = m_service.OutReset(m_handle);
            MidiResult c = m_service.OutClose(m_handle);
            failure = r != kMidiOk ? r : c;
        }
    }
    m_handle = 0;
    RecordClosed(mdOutput, m_deviceName);
    if (failure != kMidiOk) throw EMidiOutputError::FromCode(m_service, failure);
    return true;
}

void TMidiOutput::SendShort(std::uint8_t status, std::uint8_t data1, std::uint8_t data2) {
    SendShortAt(status, data1, data2, m_eventTime);
}

void TMidiOutput::SendShortAt(std::uint8_t status, std::uint8_t data1, std::uint8_t data2,
                              TMidiFrameTime time) {
    const std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_handle == 0) return;
    const std::uint32_t packed = PackShortMessage(status, data1, data2);
    MidiResult r = time.Known() ? m_service.OutShortMsgAt(m_handle, packed, time)
                                : m_service.OutShortMsg(m_handle, packed);
    if (r != kMidiOk) throw EMidiOutputError::FromCode(m_service, r);
}

void TMidiOutput::ListDevices(std::vector<TMidiDeviceEntry>& list) {
    list.clear();
    int count = m_service.OutCount();
    for (int id = 0; id < count; ++id) {
        std::string name;
        if (m_service.OutProductName(id, name) == kMidiOk && !name.empty())
            list.push_back({name, id});
    }
    if (m_includeMapper && !list.empty())
        list.insert(list.begin(), TMidiDeviceEntry{"MIDI Mapper", kMidiMapperId});
}

void TMidiOutput::CheckDevicePresent() {
    const std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (m_handle == 0) return;
    std::string now;
    if (m_service.OutProductName(m_deviceId, now) != kMidiOk) now.clear();
    if (!SameDeviceName(now, m_deviceName)) {
        m_handle = 0;
        Close();
    }
}
