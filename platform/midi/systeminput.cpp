#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "platform/midi/jackmonitor.h"
#include "platform/midi/midierrors.h"
#include "platform/midi/midistream.h"
#include "platform/midi/rtports.h"
#include "platform/midi/systemmidi.h"

namespace {

using TRtIn = TRtClient<RtMidiIn>;

// An open input. RtMidi calls OnMessage on its own thread; Lock is held while the owner's
// callback runs, so that closing waits for a callback in flight and none follows.
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
    std::vector<std::unique_ptr<TRtIn>> Ins;

    static void OnMessage(double, std::vector<unsigned char>* message, void* self) {
        static_cast<TOpenIn*>(self)->Receive(*message);
    }

    void Receive(const std::vector<unsigned char>& message) {
        std::lock_guard<std::mutex> guard(Lock);
        if (Closed || !Started || !Callback || message.empty()) return;
        auto elapsed = std::chrono::steady_clock::now() - Origin;
        auto time = static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
        Parser.Feed(
            message.data(), message.size(), Pool,
            [&](std::uint32_t packed) { Callback(Instance, mimData, packed, time); },
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
        : m_clientName(clientName), m_jack(clientName), m_alsa(clientName) {}

    ~TSystemMidiInService() override {
        while (!m_open.empty()) InClose(m_open.begin()->first);
    }

    std::string TakeSystemNotice() override { return m_jack.TakeNotice(); }

    bool InSourceLost(MidiHandle handle) override {
        TOpenIn* dev = Find(handle);
        if (!dev || dev->Kind == pkAlsa) return false;
        // A port feeding ours went away: the source itself (also when it came back at once under
        // its old name) or another program's port connected to the own port.
        return LostConnectionInto(dev->Kind);
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
        const auto prepare = [opened](RtMidiIn& in) {
            in.setCallback(&TOpenIn::OnMessage, opened);
        };
        const MidiResult r =
            dev->Kind == pkOwnPort
                ? OpenOwnPorts(m_clientName, m_jack.Connected(), m_alsa.Exists(), dev->Ins,
                               prepare)
                : OpenListedPort(m_clientName,
                                 dev->Kind == pkJack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA,
                                 m_jack.Connected(), dev->Port, kDirectPortName, dev->Ins,
                                 m_lastPortError, prepare);
        MarkJackClients(dev->Ins, m_jack);
        if (r != kMidiOk) return r;
        LostConnectionInto(dev->Kind);  // what ended before belongs to ports closed earlier
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
        // A client whose server is gone is let go of: the thread that delivered is gone too.
        LetGoOfStaleClients(dev.Ins, m_jack);
        // Without the lock: RtMidi's thread may be waiting for it and is joined here.
        for (auto& in : dev.Ins)
            if (in->Client) in->Client->closePort();
        dev.Ins.clear();
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

    // Whether one of our input ports of this kind lost a connection since the last call.
    bool LostConnectionInto(TPortKind kind) {
        const std::string ours = kind == pkOwnPort ? m_clientName : kDirectPortName;
        bool lost = false;
        for (const auto& port : m_jack.TakeDisconnectedInputs())
            lost = lost || (IsOwnPortName(port, m_clientName) &&
                            port.compare(port.find(':') + 1, std::string::npos, ours) == 0);
        return lost;
    }

    TOpenIn* Find(MidiHandle handle) {
        auto it = m_open.find(handle);
        return it == m_open.end() ? nullptr : it->second.get();
    }

    std::string m_clientName;
    TJackMonitor m_jack;
    TLazyAlsaLister<RtMidiIn> m_alsa;
    std::map<MidiHandle, std::unique_ptr<TOpenIn>> m_open;
    MidiHandle m_nextHandle = 1;
    std::string m_lastPortError;
};

}  // namespace

std::unique_ptr<TMidiInService> CreateSystemMidiInService(const std::string& clientName) {
    return std::make_unique<TSystemMidiInService>(clientName);
}
