#include <algorithm>
#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "platform/lib/translatedtext.h"
#include "platform/midi/changenotice.h"
#include "platform/midi/jackmonitor.h"
#include "platform/midi/jackports.h"
#include "platform/midi/midierrors.h"
#include "platform/midi/midistream.h"
#include "platform/midi/rtports.h"
#include "platform/midi/systemmidi.h"

namespace {

using TRtIn = TRtClient<TRtMidiIn>;

// An open input. Its ports deliver on their own threads (our JACK ports' readers, RtMidi's ALSA
// thread); Lock is held while the owner's callback runs, so that closing waits for a callback in
// flight and none follows.
struct TOpenIn {
    TPortKind Kind;
    std::string Port;
    std::mutex Lock;
    bool Closed = false;
    bool Started = false;
    MidiInCallback Callback = nullptr;
    void* Instance = nullptr;
    std::deque<TMidiInBuffer*> Pool;
    TMidiStreamParser Parser;
    std::chrono::steady_clock::time_point Origin;
    std::vector<std::unique_ptr<TJackMidiInPort>> JackIns;
    std::vector<std::unique_ptr<TRtIn>> AlsaIns;
    // Set once its JACK port was made again (to pass thru or to stop): the end of the old
    // port's connections is told later, so a connection counts as lost only when one of these
    // sources, as last seen, is no longer connected.
    bool Reopened = false;
    std::vector<std::string> KnownSources;

    static void OnMessage(double, const unsigned char* message, size_t size, void* self) {
        static_cast<TOpenIn*>(self)->Receive(message, size, TMidiFrameTime());
    }

    void Receive(const std::uint8_t* data, size_t size, TMidiFrameTime frame) {
        std::lock_guard<std::mutex> guard(Lock);
        if (Closed || !Started || !Callback || size == 0) return;
        auto elapsed = std::chrono::steady_clock::now() - Origin;
        auto time = static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        Parser.Feed(
            data, size, Pool,
            [&](std::uint32_t packed) {
                if (!frame.Valid) {
                    Callback(Instance, mimData, packed, time);
                    return;
                }
                TMidiInTimedData timed{packed, frame};
                Callback(Instance, mimTimedData, reinterpret_cast<std::uintptr_t>(&timed), time);
            },
            [&](TMidiInBuffer* buffer) {
                Callback(Instance, mimLongData, reinterpret_cast<std::uintptr_t>(buffer), time);
            });
    }
};

// Our port that listens to one source directly.
const char kDirectPortName[] = "in";

class TSystemMidiInService : public TMidiInService {
public:
    explicit TSystemMidiInService(const std::string& clientName)
        : m_clientName(clientName),
          m_jack(clientName, &m_changes),
          m_alsa(clientName, &m_changes) {}

    ~TSystemMidiInService() override {
        while (!m_open.empty()) InClose(m_open.begin()->first);
    }

    std::string TakeSystemNotice() override { return m_jack.TakeNotice(); }
    void AddChangeListener(const void* key, std::function<void()> listener) override {
        m_changes.Add(key, std::move(listener));
    }
    void RemoveChangeListener(const void* key) override { m_changes.Remove(key); }

    bool InSourceLost(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        if (!dev || dev->Kind == pkAlsa) return false;
        // A port feeding ours went away: the source itself (also when it came back at once under
        // its old name) or another program's port connected to the own port.
        const bool lost = LostConnectionInto(*dev);
        if (!dev->Reopened || dev->JackIns.empty()) return lost;
        const std::vector<std::string> now = dev->JackIns.front()->Sources();
        bool gone = false;
        for (const auto& source : dev->KnownSources)
            gone = gone || std::find(now.begin(), now.end(), source) == now.end();
        dev->KnownSources = now;
        return lost && gone;
    }

    bool InCanDirectThru(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        return dev && dev->JackIns.size() == 1 && dev->JackIns.front()->Alive();
    }

    bool InDirectThru(MidiHandle handle, TDirectThru* thru, const std::string& target) override {
        TOpenIn* dev = Find(handle);
        if (!dev || dev->JackIns.size() != 1) return false;
        std::unique_ptr<TJackMidiInPort>& port = dev->JackIns.front();
        if (port->Thru() != thru) {
            if (!port->Alive()) return false;
            // The port is made again with or without its second one: ports are never added to
            // or removed from an active client.
            const std::vector<std::string> sources = port->Sources();
            port.reset();
            std::string error;
            port = TJackMidiInPort::Open(m_jack, Deliver(*dev), error, thru);
            if (!port && thru) port = TJackMidiInPort::Open(m_jack, Deliver(*dev), error);
            if (!port) {
                dev->JackIns.clear();
                return false;
            }
            for (const auto& source : sources) port->ConnectFrom(source);
            dev->Reopened = true;
            dev->KnownSources = sources;
            if (port->Thru() != thru) return false;
        }
        return thru ? port->ConnectThruTo(target) : true;
    }

    std::uint64_t InDropped(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        std::uint64_t dropped = 0;
        if (dev)
            for (const auto& in : dev->JackIns) dropped += in->Dropped();
        return dropped;
    }

    std::vector<std::string> InBreakLoops(MidiHandle handle) override {
        std::vector<std::string> cut;
        TOpenIn* dev = Find(handle);
        if (!dev) return cut;
        // Whatever our own output ports send would come straight back in.
        for (auto& in : dev->JackIns)
            for (auto& name : in->CutConnections(
                     [this](const std::string& port) { return IsOwnPortName(port, m_clientName); }))
                cut.push_back(std::move(name));
        return cut;
    }

    int InCount() override { return static_cast<int>(Devices().size()); }

    MidiResult InProductName(int id, std::string& name) override {
        auto devices = Devices();
        if (id < 0 || id >= static_cast<int>(devices.size())) return kMidiErrBadDeviceId;
        name = devices[id].Name;
        return kMidiOk;
    }

    MidiResult InOpen(int id, MidiHandle& handle, MidiInCallback callback,
                      void* instance) override {
        handle = 0;
        auto devices = Devices();
        if (id < 0 || id >= static_cast<int>(devices.size())) return kMidiErrBadDeviceId;
        auto dev = std::make_unique<TOpenIn>();
        dev->Kind = devices[id].Kind;
        dev->Port = devices[id].Port;
        dev->Callback = callback;
        dev->Instance = instance;
        TOpenIn* opened = dev.get();
        const auto prepare = [opened](TRtMidiIn& in) {
            in.SetCallback(&TOpenIn::OnMessage, opened);
        };
        MidiResult r = kMidiOk;
        if (dev->Kind == pkOwnPort)
            r = OpenOwnPorts(*dev, prepare);
        else if (dev->Kind == pkJack)
            r = OpenJackPort(*dev);
        else
            r = OpenAlsaPort(m_clientName, dev->Port, kDirectPortName, dev->AlsaIns,
                             m_lastPortError, prepare);
        if (r != kMidiOk) return r;
        LostConnectionInto(*dev);  // what ended before belongs to ports closed earlier
        handle = m_nextHandle++;
        if (callback) callback(instance, mimOpen, 0, 0);
        m_open[handle] = std::move(dev);
        return kMidiOk;
    }

    MidiResult InGetId(MidiHandle handle, int& id) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        auto devices = Devices();
        for (size_t i = 0; i < devices.size(); ++i) {
            if (devices[i].Kind == dev->Kind && devices[i].Port == dev->Port) {
                id = static_cast<int>(i);
                return kMidiOk;
            }
        }
        return kMidiErrInvalHandle;  // its port has gone
    }

    MidiResult InPrepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) override {
        if (!Find(handle)) return kMidiErrInvalHandle;
        buffer.Prepared = true;
        return kMidiOk;
    }

    MidiResult InAddBuffer(MidiHandle handle, TMidiInBuffer& buffer) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        if (!buffer.Prepared) return kMidiErrUnprepared;
        std::lock_guard<std::mutex> guard(dev->Lock);
        if (buffer.Queued) return kMidiErrStillPlaying;
        buffer.Queued = true;
        buffer.BytesRecorded = 0;
        dev->Pool.push_back(&buffer);
        return kMidiOk;
    }

    MidiResult InUnprepareBuffer(MidiHandle handle, TMidiInBuffer& buffer) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        std::lock_guard<std::mutex> guard(dev->Lock);
        if (buffer.Queued) return kMidiErrStillPlaying;
        buffer.Prepared = false;
        return kMidiOk;
    }

    MidiResult InStart(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        std::lock_guard<std::mutex> guard(dev->Lock);
        if (!dev->Started) dev->Origin = std::chrono::steady_clock::now();
        dev->Started = true;
        return kMidiOk;
    }

    MidiResult InStop(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        std::lock_guard<std::mutex> guard(dev->Lock);
        dev->Started = false;
        return kMidiOk;
    }

    MidiResult InReset(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        if (!dev) return kMidiErrInvalHandle;
        std::lock_guard<std::mutex> guard(dev->Lock);
        dev->Started = false;
        dev->Parser.Reset();
        while (!dev->Pool.empty()) {
            TMidiInBuffer* buffer = dev->Pool.front();
            dev->Pool.pop_front();
            buffer->Queued = false;
            buffer->BytesRecorded = 0;
            if (dev->Callback)
                dev->Callback(dev->Instance, mimLongData, reinterpret_cast<std::uintptr_t>(buffer),
                              0);
        }
        return kMidiOk;
    }

    MidiResult InClose(MidiHandle handle) override {
        auto it = m_open.find(handle);
        if (it == m_open.end()) return kMidiErrInvalHandle;
        TOpenIn& dev = *it->second;
        {
            std::lock_guard<std::mutex> guard(dev.Lock);
            dev.Closed = true;
            for (TMidiInBuffer* buffer : dev.Pool) buffer->Queued = false;
            dev.Pool.clear();
            if (dev.Callback) dev.Callback(dev.Instance, mimClose, 0, 0);
        }
        // Without the lock: the ports' threads may be waiting for it and are joined here.
        dev.JackIns.clear();
        for (auto& in : dev.AlsaIns)
            if (in->Client) in->Client->ClosePort();
        dev.AlsaIns.clear();
        m_open.erase(it);
        return kMidiOk;
    }

    bool InErrorText(MidiResult code, std::string& text) override {
        return PortErrorText(code, m_lastPortError, text) || CommonMidiErrorText(code, text);
    }

private:
    std::vector<TPortEntry> Devices() {
        std::vector<TPortEntry> list;
        list.push_back({pkOwnPort, m_clientName + " (own port)", ""});
        AppendPorts(list, m_jack.MidiSources(), m_alsa.PortNames(), m_clientName);
        return list;
    }

    // Whether one of the device's JACK ports lost a connection since the last call.
    bool LostConnectionInto(TOpenIn& dev) {
        bool lost = false;
        for (const auto& port : m_jack.TakeDisconnectedInputs())
            for (const auto& in : dev.JackIns) lost = lost || (in->Alive() && port == in->Name());
        return lost;
    }

    template <class TPrepare>
    MidiResult OpenOwnPorts(TOpenIn& dev, TPrepare prepare) {
        std::string error;
        if (auto port = TJackMidiInPort::Open(m_jack, Deliver(dev), error))
            dev.JackIns.push_back(std::move(port));
        if (m_alsa.Exists()) OpenAlsaOwnPort(m_clientName, dev.AlsaIns, prepare);
        return dev.JackIns.empty() && dev.AlsaIns.empty() ? kMidiErrNoMidiSystem : kMidiOk;
    }

    // A port of ours connected from the listed JACK port.
    MidiResult OpenJackPort(TOpenIn& dev) {
        if (!m_jack.Connected()) return kMidiErrInvalHandle;
        if (!m_jack.PortExists(dev.Port)) return kMidiErrBadDeviceId;
        auto port = TJackMidiInPort::Open(m_jack, Deliver(dev), m_lastPortError);
        if (!port) return kMidiErrPortOpen;
        if (!port->ConnectFrom(dev.Port)) {
            m_lastPortError = TranslatedText(
                "MidiError", QT_TRANSLATE_NOOP("MidiError", "JACK refused the connection from %1"),
                dev.Port);
            return kMidiErrPortOpen;
        }
        dev.JackIns.push_back(std::move(port));
        return kMidiOk;
    }

    static TJackMidiInPort::TDeliver Deliver(TOpenIn& dev) {
        return [&dev](std::uint32_t frame, const std::uint8_t* data, size_t size) {
            dev.Receive(data, size, TMidiFrameTime{true, frame});
        };
    }

    TOpenIn* Find(MidiHandle handle) {
        auto it = m_open.find(handle);
        return it == m_open.end() ? nullptr : it->second.get();
    }

    std::string m_clientName;
    TChangeNotice m_changes;
    TJackMonitor m_jack;
    TLazyAlsaLister<TRtMidiIn> m_alsa;
    std::map<MidiHandle, std::unique_ptr<TOpenIn>> m_open;
    MidiHandle m_nextHandle = 1;
    std::string m_lastPortError;
};

}  // namespace

std::unique_ptr<TMidiInService> CreateSystemMidiInService(const std::string& clientName) {
    return std::make_unique<TSystemMidiInService>(clientName);
}
