#include "platform/midi/systemmidi.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <mutex>
#include <vector>

#include "platform/lib/translatedtext.h"
#include "platform/midi/changenotice.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/jackports.h"
#include "platform/midi/midierrors.h"
#include "platform/midi/portpresence.h"
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
    // JACK appends "-01", "-02", ... to a name another client has (another copy of the program).
    size_t dash = client.rfind('-');
    if (dash != std::string::npos && dash + 1 < client.size() &&
        std::all_of(client.begin() + dash + 1, client.end(),
                    [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        client.resize(dash);
    if (client == clientName) return true;
    for (const char* role : {"out", "in", "monitor", "start-up"})
        if (client == JackClientName(clientName, role)) return true;
    return false;
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

using TRtOut = TRtClient<TRtMidiOut>;

struct TOpenDevice {
    TPortKind Kind;
    std::string Port;
    std::vector<std::unique_ptr<TJackMidiOutPort>> JackOuts;
    std::vector<std::unique_ptr<TRtOut>> AlsaOuts;
    TPortPresence Presence;
};

class TSystemMidiOutService : public TMidiOutService {
public:
    TSystemMidiOutService(const std::string& clientName, TSynthDevice* synth)
        : m_clientName(clientName),
          m_jack(clientName, &m_changes),
          m_alsa(clientName, &m_changes),
          m_synth(synth) {
        if (!m_synth) {
            m_ownSynth = std::make_unique<TSynthDevice>(clientName);
            m_synth = m_ownSynth.get();
        }
    }

    ~TSystemMidiOutService() override { m_open.clear(); }

    std::string TakeSystemNotice() override {
        const TServiceGuard guard(m_serviceLock);
        return m_jack.TakeNotice();
    }
    void AddChangeListener(const void* key, std::function<void()> listener) override {
        const TServiceGuard guard(m_serviceLock);
        m_changes.Add(key, std::move(listener));
    }
    void RemoveChangeListener(const void* key) override {
        const TServiceGuard guard(m_serviceLock);
        m_changes.Remove(key);
    }

    int OutCount() override {
        const TServiceGuard guard(m_serviceLock);
        return static_cast<int>(Devices().size());
    }

    MidiResult OutProductName(int id, std::string& name) override {
        const TServiceGuard guard(m_serviceLock);
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
        const TServiceGuard guard(m_serviceLock);
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
        MidiResult r = kMidiOk;
        if (entry.Kind == pkSynth)
            r = m_synth->Open();
        else if (entry.Kind == pkOwnPort)
            r = OpenOwnPorts(*dev);
        else if (entry.Kind == pkJack)
            r = OpenJackPort(*dev);
        else
            r = OpenAlsaPort(m_clientName, entry.Port, "out", dev->AlsaOuts, m_lastPortError,
                             [](TRtMidiOut&) {});
        if (r != kMidiOk) return r;
        dev->Presence = TPortPresence(Changes(*dev));
        handle = m_nextHandle++;
        m_open[handle] = std::move(dev);
        return kMidiOk;
    }

    MidiResult OutShortMsg(MidiHandle handle, std::uint32_t packed) override {
        const TServiceGuard guard(m_serviceLock);
        return Send(handle, packed, TMidiFrameTime());
    }

    MidiResult OutShortMsgAt(MidiHandle handle, std::uint32_t packed,
                             TMidiFrameTime time) override {
        const TServiceGuard guard(m_serviceLock);
        return Send(handle, packed, time);
    }

    std::int64_t SteadyMoment(TMidiFrameTime time, std::int64_t now) override {
        const TServiceGuard guard(m_serviceLock);
        if (time.SteadyNs != 0) return time.SteadyNs;
        if (time.Valid && m_jack.Connected()) return SteadyAtJackFrame(m_jack.Client(), time.Frame);
        return now;
    }

    MidiResult OutReset(MidiHandle handle) override {
        const TServiceGuard guard(m_serviceLock);
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
        const TServiceGuard guard(m_serviceLock);
        auto it = m_open.find(handle);
        if (it == m_open.end()) return kMidiErrInvalHandle;
        if (it->second->Kind == pkSynth) m_synth->Close();
        m_open.erase(it);
        return kMidiOk;
    }

    bool OutCanTakeThru(MidiHandle handle) override {
        TOpenDevice* dev = Find(handle);
        return dev && dev->Kind != pkSynth && dev->JackOuts.size() == 1 &&
               dev->JackOuts.front()->Alive();
    }

    std::string OutThruInput(MidiHandle handle, bool on) override {
        TOpenDevice* dev = Find(handle);
        if (!dev || dev->JackOuts.size() != 1) return std::string();
        std::unique_ptr<TJackMidiOutPort>& port = dev->JackOuts.front();
        if (port->ThruInputName().empty() == on) {
            if (!port->Alive()) return std::string();
            // Made again with or without its thru input (see TJackMidiOutPort::Open): what it
            // still has to send leaves first, and its connections are made again.
            const std::vector<std::string> targets = port->Connections();
            port.reset();
            std::string error;
            port = TJackMidiOutPort::Open(m_jack, error, on);
            if (!port && on) port = TJackMidiOutPort::Open(m_jack, error);
            if (!port) {
                dev->JackOuts.clear();
                return std::string();
            }
            for (const auto& target : targets) port->Connect(target);
        }
        return port->ThruInputName();
    }

    bool OutErrorText(MidiResult code, std::string& text) override {
        const TServiceGuard guard(m_serviceLock);
        if (code == kMidiErrQueueFull) {
            text = TranslatedText("MidiError",
                                  QT_TRANSLATE_NOOP("MidiError",
                                                    "The MIDI port took no messages for a "
                                                    "while: some were lost."));
            return true;
        }
        return m_synth->ErrorText(code, text) || PortErrorText(code, m_lastPortError, text) ||
               CommonMidiErrorText(code, text);
    }

private:
    // The window thread chooses and opens; the thread that plays raw keys sends. One lock keeps
    // the open devices and the monitors' lists from changing under a send.
    using TServiceGuard = std::lock_guard<std::recursive_mutex>;
    std::recursive_mutex m_serviceLock;

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

    MidiResult Send(MidiHandle handle, std::uint32_t packed, TMidiFrameTime time) {
        TOpenDevice* dev = Find(handle);
        if (!dev || !Present(*dev)) return kMidiErrInvalHandle;
        if (dev->Kind == pkSynth) return m_synth->Send(packed, time);
        unsigned char bytes[3] = {static_cast<unsigned char>(packed & 0xFF),
                                  static_cast<unsigned char>((packed >> 8) & 0x7F),
                                  static_cast<unsigned char>((packed >> 16) & 0x7F)};
        size_t length = ShortMessageLength(bytes[0]);
        if (length == 0) return kMidiOk;  // not a message that can stand alone: dropped
        bool queued = true;
        // A key's moment becomes a frame time of the server's, so that its note leaves as long
        // after the key as any other.
        if (!time.Valid && time.SteadyNs != 0 && !dev->JackOuts.empty() && m_jack.Connected())
            time = {true, JackFrameAt(m_jack.Client(), time.SteadyNs), time.SteadyNs};
        // The own port's JACK half goes with its server; its ALSA half plays on.
        for (auto& out : dev->JackOuts)
            if (out->Alive()) queued = out->Send(bytes, length, time.Valid, time.Frame) && queued;
        for (auto& out : dev->AlsaOuts) out->Client->Send(bytes, length);
        return queued ? kMidiOk : kMidiErrQueueFull;
    }

    // The count of the system's notices that concern the device's port.
    unsigned Changes(TOpenDevice& dev) {
        return dev.Kind == pkJack   ? m_jack.PortChanges()
               : dev.Kind == pkAlsa ? m_alsa.Changes()
                                    : 0;
    }

    // False once the port a handle was connected to has disappeared.
    bool Present(TOpenDevice& dev) {
        if (dev.Kind == pkJack)
            return dev.Presence.Present(m_jack.PortChanges(), [&] {
                return !dev.JackOuts.empty() && dev.JackOuts.front()->Alive() &&
                       m_jack.PortExists(dev.Port);
            });
        if (dev.Kind == pkAlsa)
            return dev.Presence.Present(m_alsa.Changes(), [&] {
                for (const auto& port : AlsaDestinations())
                    if (port == dev.Port) return true;
                return false;
            });
        return true;
    }

    // The program's own port: a JACK port when a server runs, an ALSA sequencer port when there
    // is one; either is enough.
    MidiResult OpenOwnPorts(TOpenDevice& dev) {
        std::string error;
        if (auto port = TJackMidiOutPort::Open(m_jack, error))
            dev.JackOuts.push_back(std::move(port));
        if (m_alsa.Exists()) OpenAlsaOwnPort(m_clientName, dev.AlsaOuts, [](TRtMidiOut&) {});
        return dev.JackOuts.empty() && dev.AlsaOuts.empty() ? kMidiErrNoMidiSystem : kMidiOk;
    }

    // A port of ours connected to the listed JACK port.
    MidiResult OpenJackPort(TOpenDevice& dev) {
        if (!m_jack.Connected()) return kMidiErrInvalHandle;
        if (!m_jack.PortExists(dev.Port)) return kMidiErrBadDeviceId;
        auto port = TJackMidiOutPort::Open(m_jack, m_lastPortError);
        if (!port) return kMidiErrPortOpen;
        if (!port->Connect(dev.Port)) {
            m_lastPortError = TranslatedText(
                "MidiError", QT_TRANSLATE_NOOP("MidiError", "JACK refused the connection to %1"),
                dev.Port);
            return kMidiErrPortOpen;
        }
        dev.JackOuts.push_back(std::move(port));
        return kMidiOk;
    }

    std::string m_clientName;
    TChangeNotice m_changes;
    TJackMonitor m_jack;
    TLazyAlsaLister<TRtMidiOut> m_alsa;
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
