#include "platform/midi/systemmidi.h"

#include <cctype>
#include <map>
#include <vector>

#include "platform/midi/jackmonitor.h"
#include "platform/midi/midierrors.h"
#include "platform/midi/rtports.h"
#include "platform/midi/synthdevice.h"

std::string StripAlsaPortNumbers(const std::string& name) {
    // The numbers follow the last blank as "<client>:<port>", digits only.
    size_t blank = name.rfind(' ');
    if (blank == std::string::npos) return name;
    std::string tail = name.substr(blank + 1);
    size_t colon = tail.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == tail.size()) return name;
    for (size_t i = 0; i < tail.size(); ++i)
        if (i != colon && !std::isdigit(static_cast<unsigned char>(tail[i]))) return name;
    return name.substr(0, blank);
}

bool IsOwnPortName(const std::string& portName, const std::string& clientName) {
    size_t colon = portName.find(':');
    if (colon == std::string::npos) return false;
    std::string client = portName.substr(0, colon);
    if (client == clientName) return true;
    if (client.size() <= clientName.size() + 1 || client.compare(0, clientName.size(), clientName))
        return false;
    if (client[clientName.size()] != '-') return false;
    for (size_t i = clientName.size() + 1; i < client.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(client[i]))) return false;
    return true;
}

namespace {

// Bytes a short message has on the wire; 0 for what cannot be sent as one (data bytes,
// system-exclusive framing).
size_t ShortMessageLength(std::uint8_t status) {
    if (status < 0x80) return 0;
    switch (status & 0xF0) {
        case 0xC0:
        case 0xD0:
            return 2;
        case 0xF0:
            break;
        default:
            return 3;
    }
    switch (status) {
        case 0xF0:
        case 0xF7:
            return 0;
        case 0xF1:
        case 0xF3:
            return 2;
        case 0xF2:
            return 3;
        default:
            return 1;
    }
}

using TRtOut = TRtClient<RtMidiOut>;

struct TOpenDevice {
    TPortKind Kind;
    std::string Port;
    std::vector<std::unique_ptr<TRtOut>> Outs;
};

class TSystemMidiOutService : public TMidiOutService {
public:
    TSystemMidiOutService(const std::string& clientName, TSynthDevice* synth)
        : m_clientName(clientName), m_jack(clientName), m_alsa(clientName), m_synth(synth) {
        if (!m_synth) {
            m_ownSynth = std::make_unique<TSynthDevice>(clientName);
            m_synth = m_ownSynth.get();
        }
    }

    ~TSystemMidiOutService() override {
        for (auto& [handle, dev] : m_open) LetGoOfStaleClients(dev->Outs, m_jack);
        m_open.clear();
    }

    std::string TakeSystemNotice() override { return m_jack.TakeNotice(); }

    int OutCount() override { return static_cast<int>(Devices().size()); }

    MidiResult OutProductName(int id, std::string& name) override {
        if (id == kMidiMapperId) {
            name = kMidiMapperName;
            return kMidiOk;
        }
        auto devices = Devices();
        if (id < 0 || id >= static_cast<int>(devices.size())) return kMidiErrBadDeviceId;
        name = devices[id].Name;
        return kMidiOk;
    }

    MidiResult OutOpen(int id, MidiHandle& handle) override {
        handle = 0;
        TPortEntry entry{pkSynth, kBuiltinSynthName, ""};
        if (id != kMidiMapperId) {
            auto devices = Devices();
            if (id < 0 || id >= static_cast<int>(devices.size())) return kMidiErrBadDeviceId;
            entry = devices[id];
        }
        auto dev = std::make_unique<TOpenDevice>();
        dev->Kind = entry.Kind;
        dev->Port = entry.Port;
        const auto prepare = [](RtMidiOut&) {};
        MidiResult r = kMidiOk;
        if (entry.Kind == pkSynth)
            r = m_synth->Open();
        else if (entry.Kind == pkOwnPort)
            r = OpenOwnPorts(m_clientName, m_jack.Connected(), m_alsa.Exists(), dev->Outs, prepare);
        else
            r = OpenListedPort(
                m_clientName, entry.Kind == pkJack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA,
                m_jack.Connected(), entry.Port, "out", dev->Outs, m_lastPortError, prepare);
        MarkJackClients(dev->Outs, m_jack);
        if (r != kMidiOk) return r;
        handle = m_nextHandle++;
        m_open[handle] = std::move(dev);
        return kMidiOk;
    }

    MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) override {
        TOpenDevice* dev = Find(handle);
        if (!dev || !Present(*dev)) return kMidiErrInvalHandle;
        if (dev->Kind == pkSynth) return m_synth->Send(packed);
        unsigned char bytes[3] = {static_cast<unsigned char>(packed & 0xFF),
                                  static_cast<unsigned char>((packed >> 8) & 0x7F),
                                  static_cast<unsigned char>((packed >> 16) & 0x7F)};
        size_t length = ShortMessageLength(bytes[0]);
        if (length == 0) return kMidiOk;  // not a message that can stand alone: dropped
        for (auto& out : dev->Outs) out->Client->sendMessage(bytes, length);
        return kMidiOk;
    }

    MidiResult OutReset(MidiHandle handle) override {
        TOpenDevice* dev = Find(handle);
        if (!dev || !Present(*dev)) return kMidiErrInvalHandle;
        if (dev->Kind == pkSynth) {
            m_synth->Reset();
            return kMidiOk;
        }
        for (std::uint32_t ch = 0; ch < 16; ++ch) {
            // Sustain off, all notes off, controllers back to rest.
            for (std::uint32_t cc : {64u, 123u, 121u}) OutShortMsg(handle, (0xB0 | ch) | cc << 8);
        }
        return kMidiOk;
    }

    MidiResult OutClose(MidiHandle handle) override {
        auto it = m_open.find(handle);
        if (it == m_open.end()) return kMidiErrInvalHandle;
        if (it->second->Kind == pkSynth) m_synth->Close();
        LetGoOfStaleClients(it->second->Outs, m_jack);
        m_open.erase(it);
        return kMidiOk;
    }

    bool OutErrorText(MidiResult code, std::string& text) override {
        return m_synth->ErrorText(code, text) || PortErrorText(code, m_lastPortError, text) ||
               CommonMidiErrorText(code, text);
    }

private:
    std::vector<TPortEntry> Devices() {
        std::vector<TPortEntry> list;
        list.push_back({pkSynth, kBuiltinSynthName, ""});
        list.push_back({pkOwnPort, m_clientName + " (own port)", ""});
        AppendPorts(list, m_jack.MidiDestinations(), AlsaDestinations(), m_clientName);
        return list;
    }

    std::vector<std::string> AlsaDestinations() { return m_alsa.PortNames(); }

    TOpenDevice* Find(MidiHandle handle) {
        auto it = m_open.find(handle);
        return it == m_open.end() ? nullptr : it->second.get();
    }

    // False once the port a handle was connected to has disappeared.
    bool Present(TOpenDevice& dev) {
        switch (dev.Kind) {
            case pkJack:
                return m_jack.PortExists(dev.Port);
            case pkAlsa:
                for (const auto& port : AlsaDestinations())
                    if (port == dev.Port) return true;
                return false;
            default:
                return true;
        }
    }

    std::string m_clientName;
    TJackMonitor m_jack;
    TLazyAlsaLister<RtMidiOut> m_alsa;
    std::unique_ptr<TSynthDevice> m_ownSynth;
    TSynthDevice* m_synth;
    std::map<MidiHandle, std::unique_ptr<TOpenDevice>> m_open;
    MidiHandle m_nextHandle = 1;
    std::string m_lastPortError;
};

}  // namespace

std::unique_ptr<TMidiOutService> CreateSystemMidiOutService(const std::string& clientName,
                                                            TSynthDevice* synth) {
    return std::make_unique<TSystemMidiOutService>(clientName, synth);
}
