#include "platform/midi/systemmidi.h"

#include <rtmidi/RtMidi.h>
#include <sys/stat.h>

#include <cctype>
#include <future>
#include <map>
#include <vector>

#include "platform/midi/builtinsynth.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/midierrors.h"

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

// An RtMidi output whose errors are collected instead of thrown or printed.
struct TRtOut {
    std::unique_ptr<RtMidiOut> Out;
    std::string Error;
    // The JACK server the client belongs to (TJackMonitor::Generation); 0 for ALSA.
    unsigned JackGeneration = 0;

    static void OnError(RtMidiError::Type type, const std::string& text, void* self) {
        if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
        static_cast<TRtOut*>(self)->Error = text;
    }

    // Creates the client; false (with Error set) when the MIDI system cannot be reached.
    bool Create(RtMidi::Api api, const std::string& clientName) {
        try {
            Out = std::make_unique<RtMidiOut>(api, clientName);
        } catch (const RtMidiError& e) {
            Error = e.getMessage();
            return false;
        }
        Out->setErrorCallback(&TRtOut::OnError, this);
        return true;
    }
};

enum TDeviceKind { dkSynth, dkOwnPort, dkJack, dkAlsa };

struct TDeviceEntry {
    TDeviceKind Kind;
    std::string Name;  // product name as listed
    std::string Port;  // JACK full port name, or RtMidi's ALSA port name
};

struct TOpenDevice {
    TDeviceKind Kind;
    std::string Port;
    std::vector<std::unique_ptr<TRtOut>> Outs;
};

class TSystemMidiOutService : public TMidiOutService {
public:
    explicit TSystemMidiOutService(const std::string& clientName)
        : m_clientName(clientName), m_jack(clientName) {
        // Loading the soundfont takes a while; the window must not wait for it.
        m_loading = std::async(std::launch::async, [this] { LoadSynth(); });
        struct stat st;
        if (stat("/dev/snd/seq", &st) == 0) {
            m_alsa = std::make_unique<TRtOut>();
            if (!m_alsa->Create(RtMidi::LINUX_ALSA, m_clientName)) m_alsa.reset();
        }
    }

    ~TSystemMidiOutService() override {
        m_loading.wait();
        for (auto& [handle, dev] : m_open) LetGoOfStaleClients(*dev);
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
        TDeviceEntry entry{dkSynth, kBuiltinSynthName, ""};
        if (id != kMidiMapperId) {
            auto devices = Devices();
            if (id < 0 || id >= static_cast<int>(devices.size())) return kMidiErrBadDeviceId;
            entry = devices[id];
        }
        auto dev = std::make_unique<TOpenDevice>();
        dev->Kind = entry.Kind;
        dev->Port = entry.Port;
        MidiResult r = kMidiOk;
        switch (entry.Kind) {
            case dkSynth:
                r = OpenSynth();
                break;
            case dkOwnPort:
                r = OpenOwnPort(*dev);
                break;
            case dkJack:
                r = OpenPort(*dev, RtMidi::UNIX_JACK);
                break;
            case dkAlsa:
                r = OpenPort(*dev, RtMidi::LINUX_ALSA);
                break;
        }
        if (r != kMidiOk) return r;
        handle = m_nextHandle++;
        m_open[handle] = std::move(dev);
        return kMidiOk;
    }

    MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) override {
        TOpenDevice* dev = Find(handle);
        if (!dev || !Present(*dev)) return kMidiErrInvalHandle;
        if (dev->Kind == dkSynth) {
            m_synth->Send(packed);
            return kMidiOk;
        }
        unsigned char bytes[3] = {static_cast<unsigned char>(packed & 0xFF),
                                  static_cast<unsigned char>((packed >> 8) & 0x7F),
                                  static_cast<unsigned char>((packed >> 16) & 0x7F)};
        size_t length = ShortMessageLength(bytes[0]);
        if (length == 0) return kMidiOk;  // not a message that can stand alone: dropped
        for (auto& out : dev->Outs) out->Out->sendMessage(bytes, length);
        return kMidiOk;
    }

    MidiResult OutReset(MidiHandle handle) override {
        TOpenDevice* dev = Find(handle);
        if (!dev || !Present(*dev)) return kMidiErrInvalHandle;
        if (dev->Kind == dkSynth) {
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
        if (it->second->Kind == dkSynth) {
            m_synth->StopAudio();
            m_synth->Reset();
            m_synthOpen = false;
        }
        LetGoOfStaleClients(*it->second);
        m_open.erase(it);
        return kMidiOk;
    }

    bool OutErrorText(MidiResult code, std::string& text) override {
        switch (code) {
            case kMidiErrNoSoundfont:
                text = "No General MIDI soundfont found in /usr/share/sounds/sf2.";
                return true;
            case kMidiErrNoAudio:
                text = "No audio output could be opened (PulseAudio, ALSA and JACK were tried).";
                return true;
            case kMidiErrSoundfontLoad:
                text = "The General MIDI soundfont " + m_soundfont + " could not be loaded.";
                return true;
            case kMidiErrNoMidiSystem:
                text = "Neither a JACK server nor the ALSA sequencer is available.";
                return true;
            case kMidiErrPortOpen:
                text = "The MIDI port could not be connected";
                text += m_lastPortError.empty() ? "." : ": " + m_lastPortError;
                return true;
            default:
                return CommonMidiErrorText(code, text);
        }
    }

private:
    void LoadSynth() {
        m_synth = std::make_unique<TBuiltinSynth>();
        m_soundfont = FindGeneralMidiSoundfont();
        if (m_soundfont.empty())
            m_synthError = kMidiErrNoSoundfont;
        else if (!m_synth->LoadSoundfont(m_soundfont))
            m_synthError = kMidiErrSoundfontLoad;
    }

    std::vector<TDeviceEntry> Devices() {
        std::vector<TDeviceEntry> list;
        list.push_back({dkSynth, kBuiltinSynthName, ""});
        list.push_back({dkOwnPort, m_clientName + " (own port)", ""});
        for (const auto& port : m_jack.MidiDestinations())
            if (!IsOwnPortName(port, m_clientName)) list.push_back({dkJack, port, port});
        for (const auto& port : AlsaDestinations()) {
            std::string name = StripAlsaPortNumbers(port);
            if (!IsOwnPortName(name, m_clientName)) list.push_back({dkAlsa, name, port});
        }
        return list;
    }

    std::vector<std::string> AlsaDestinations() {
        std::vector<std::string> out;
        if (!m_alsa) return out;
        unsigned int n = m_alsa->Out->getPortCount();
        for (unsigned int i = 0; i < n; ++i) out.push_back(m_alsa->Out->getPortName(i));
        return out;
    }

    void LetGoOfStaleClients(TOpenDevice& dev) {
        for (auto& out : dev.Outs)
            if (out->JackGeneration != 0 && !m_jack.Serving(out->JackGeneration))
                AbandonJackClient(out->Out);
    }

    TOpenDevice* Find(MidiHandle handle) {
        auto it = m_open.find(handle);
        return it == m_open.end() ? nullptr : it->second.get();
    }

    // False once the port a handle was connected to has disappeared.
    bool Present(TOpenDevice& dev) {
        switch (dev.Kind) {
            case dkJack:
                return m_jack.PortExists(dev.Port);
            case dkAlsa:
                for (const auto& port : AlsaDestinations())
                    if (port == dev.Port) return true;
                return false;
            default:
                return true;
        }
    }

    MidiResult OpenSynth() {
        m_loading.wait();
        if (m_synthError != kMidiOk) return m_synthError;
        if (m_synthOpen) return kMidiErrAllocated;
        if (!m_synth->StartAudio(m_clientName)) return kMidiErrNoAudio;
        m_synthOpen = true;
        return kMidiOk;
    }

    MidiResult OpenOwnPort(TOpenDevice& dev) {
        if (m_jack.Connected()) {
            auto out = std::make_unique<TRtOut>();
            if (out->Create(RtMidi::UNIX_JACK, m_clientName)) {
                out->JackGeneration = m_jack.Generation();
                out->Out->openVirtualPort(m_clientName);
                if (out->Error.empty()) dev.Outs.push_back(std::move(out));
            }
        }
        if (m_alsa) {
            auto out = std::make_unique<TRtOut>();
            if (out->Create(RtMidi::LINUX_ALSA, m_clientName)) {
                out->Out->openVirtualPort(m_clientName);
                if (out->Error.empty()) dev.Outs.push_back(std::move(out));
            }
        }
        return dev.Outs.empty() ? kMidiErrNoMidiSystem : kMidiOk;
    }

    MidiResult OpenPort(TOpenDevice& dev, RtMidi::Api api) {
        // RtMidi's JACK client would dereference a missing server; ask ours first.
        if (api == RtMidi::UNIX_JACK && !m_jack.Connected()) return kMidiErrInvalHandle;
        auto out = std::make_unique<TRtOut>();
        if (!out->Create(api, m_clientName)) {
            m_lastPortError = out->Error;
            return kMidiErrPortOpen;
        }
        if (api == RtMidi::UNIX_JACK) out->JackGeneration = m_jack.Generation();
        unsigned int n = out->Out->getPortCount();
        unsigned int index = n;
        for (unsigned int i = 0; i < n && index == n; ++i)
            if (out->Out->getPortName(i) == dev.Port) index = i;
        if (index == n) return kMidiErrBadDeviceId;  // gone between listing and opening
        out->Out->openPort(index, "out");
        if (!out->Error.empty() || !out->Out->isPortOpen()) {
            m_lastPortError = out->Error;
            return kMidiErrPortOpen;
        }
        dev.Outs.push_back(std::move(out));
        return kMidiOk;
    }

    std::string m_clientName;
    TJackMonitor m_jack;
    std::unique_ptr<TRtOut> m_alsa;  // lists the ALSA sequencer's ports, when it exists
    std::future<void> m_loading;
    std::unique_ptr<TBuiltinSynth> m_synth;
    std::string m_soundfont;
    MidiResult m_synthError = kMidiOk;
    bool m_synthOpen = false;
    std::map<MidiHandle, std::unique_ptr<TOpenDevice>> m_open;
    MidiHandle m_nextHandle = 1;
    std::string m_lastPortError;
};

}  // namespace

std::unique_ptr<TMidiOutService> CreateSystemMidiOutService(const std::string& clientName) {
    return std::make_unique<TSystemMidiOutService>(clientName);
}
