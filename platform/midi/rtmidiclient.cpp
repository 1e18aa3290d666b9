#include "platform/midi/rtmidiclient.h"

#include "platform/lib/lazylibrary.h"

namespace {

#define RTMIDI_FUNCTIONS(X)     \
    X(rtmidi_in_create)         \
    X(rtmidi_out_create)        \
    X(rtmidi_in_free)           \
    X(rtmidi_out_free)          \
    X(rtmidi_get_port_count)    \
    X(rtmidi_get_port_name)     \
    X(rtmidi_open_port)         \
    X(rtmidi_open_virtual_port) \
    X(rtmidi_close_port)        \
    X(rtmidi_in_set_callback)   \
    X(rtmidi_in_ignore_types)   \
    X(rtmidi_out_send_message)
TASTRA_LAZY_API(TRtMidiApi, RTMIDI_FUNCTIONS)

const TRtMidiApi* RtMidiLibrary() {
    return LazyApi<TRtMidiApi>({"librtmidi.so.6", "librtmidi.so"});
}

// RtMidi's C interface keeps the text of a failure in an exception that is gone by the time it
// returns: only whether a call worked can be read.
bool Worked(RtMidiPtr client) { return client && client->ok; }

}  // namespace

TRtMidiClient::~TRtMidiClient() {
    const TRtMidiApi* api = RtMidiLibrary();
    if (m_input)
        api->rtmidi_in_free(m_client);
    else
        api->rtmidi_out_free(m_client);
}

unsigned TRtMidiClient::PortCount() const {
    return RtMidiLibrary()->rtmidi_get_port_count(m_client);
}

std::string TRtMidiClient::PortName(unsigned index) const {
    // Asked first for the length (with the closing zero), then for the name.
    int length = 0;
    if (RtMidiLibrary()->rtmidi_get_port_name(m_client, index, nullptr, &length) < 0 || length <= 0)
        return std::string();
    std::string name(static_cast<std::size_t>(length), '\0');
    if (RtMidiLibrary()->rtmidi_get_port_name(m_client, index, name.data(), &length) < 0)
        return std::string();
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    return name;
}

bool TRtMidiClient::OpenPort(unsigned index, const std::string& ownPortName) {
    RtMidiLibrary()->rtmidi_open_port(m_client, index, ownPortName.c_str());
    return Worked(m_client);
}

bool TRtMidiClient::OpenVirtualPort(const std::string& portName) {
    RtMidiLibrary()->rtmidi_open_virtual_port(m_client, portName.c_str());
    return Worked(m_client);
}

void TRtMidiClient::ClosePort() { RtMidiLibrary()->rtmidi_close_port(m_client); }

std::unique_ptr<TRtMidiIn> TRtMidiIn::Create(const std::string& clientName) {
    const TRtMidiApi* api = RtMidiLibrary();
    if (!api) return nullptr;
    // 100 messages may wait: RtMidi's own default.
    RtMidiPtr client = api->rtmidi_in_create(RTMIDI_API_LINUX_ALSA, clientName.c_str(), 100);
    if (!Worked(client)) {
        if (client) api->rtmidi_in_free(client);
        return nullptr;
    }
    api->rtmidi_in_ignore_types(client, false, false, false);
    return std::unique_ptr<TRtMidiIn>(new TRtMidiIn(client, true));
}

void TRtMidiIn::SetCallback(RtMidiCCallback callback, void* data) {
    RtMidiLibrary()->rtmidi_in_set_callback(m_client, callback, data);
}

std::unique_ptr<TRtMidiOut> TRtMidiOut::Create(const std::string& clientName) {
    const TRtMidiApi* api = RtMidiLibrary();
    if (!api) return nullptr;
    RtMidiPtr client = api->rtmidi_out_create(RTMIDI_API_LINUX_ALSA, clientName.c_str());
    if (!Worked(client)) {
        if (client) api->rtmidi_out_free(client);
        return nullptr;
    }
    return std::unique_ptr<TRtMidiOut>(new TRtMidiOut(client, false));
}

void TRtMidiOut::Send(const unsigned char* bytes, std::size_t length) {
    RtMidiLibrary()->rtmidi_out_send_message(m_client, bytes, static_cast<int>(length));
}
