#include <rtmidi/RtMidi.h>
#include <sys/stat.h>

#include <chrono>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "platform/midi/jackmonitor.h"
#include "platform/midi/midierrors.h"
#include "platform/midi/midistream.h"
#include "platform/midi/systemmidi.h"

namespace {

// An RtMidi input whose errors are collected instead of thrown or printed.
struct TRtIn {
    std::unique_ptr<RtMidiIn> In;
    std::string Error;

    static void OnError(RtMidiError::Type type, const std::string& text, void* self) {
        if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
        static_cast<TRtIn*>(self)->Error = text;
    }

    bool Create(RtMidi::Api api, const std::string& clientName) {
        try {
            In = std::make_unique<RtMidiIn>(api, clientName);
        } catch (const RtMidiError& e) {
            Error = e.getMessage();
            return false;
        }
        In->setErrorCallback(&TRtIn::OnError, this);
        // Everything is delivered; which messages to keep is the receiver's business.
        In->ignoreTypes(false, false, false);
        return true;
    }
};

enum TInKind { ikOwnPort, ikJack, ikAlsa };

struct TInEntry {
    TInKind Kind;
    std::string Name;  // product name as listed
    std::string Port;  // JACK full port name, or RtMidi's ALSA port name
};

// An open input. RtMidi calls OnMessage on its own thread; Lock is held while the owner's
// callback runs, so that closing waits for a callback in flight and none follows.
struct TOpenIn {
    TInKind Kind;
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

class TSystemMidiInService : public TMidiInService {
public:
    explicit TSystemMidiInService(const std::string& clientName)
        : m_clientName(clientName), m_jack(clientName) {
        struct stat st;
        if (stat("/dev/snd/seq", &st) == 0) {
            m_alsa = std::make_unique<TRtIn>();
            if (!m_alsa->Create(RtMidi::LINUX_ALSA, m_clientName)) m_alsa.reset();
        }
    }

    ~TSystemMidiInService() override {
        while (!m_open.empty()) InClose(m_open.begin()->first);
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
        MidiResult r =
            dev->Kind == ikOwnPort
                ? OpenOwnPort(*dev)
                : OpenPort(*dev, dev->Kind == ikJack ? RtMidi::UNIX_JACK : RtMidi::LINUX_ALSA);
        if (r != kMidiOk) return r;
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
        // Without the lock: RtMidi's thread may be waiting for it and is joined here.
        for (auto& in : dev.Ins) in->In->closePort();
        dev.Ins.clear();
        m_open.erase(it);
        return kMidiOk;
    }

    bool InErrorText(MidiResult code, std::string& text) override {
        switch (code) {
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
    std::vector<TInEntry> Devices() {
        std::vector<TInEntry> list;
        list.push_back({ikOwnPort, m_clientName + " (own port)", ""});
        for (const auto& port : m_jack.MidiSources())
            if (!IsOwnPortName(port, m_clientName)) list.push_back({ikJack, port, port});
        if (m_alsa) {
            unsigned int n = m_alsa->In->getPortCount();
            for (unsigned int i = 0; i < n; ++i) {
                std::string port = m_alsa->In->getPortName(i);
                std::string name = StripAlsaPortNumbers(port);
                if (!IsOwnPortName(name, m_clientName)) list.push_back({ikAlsa, name, port});
            }
        }
        return list;
    }

    TOpenIn* Find(MidiHandle handle) {
        auto it = m_open.find(handle);
        return it == m_open.end() ? nullptr : it->second.get();
    }

    MidiResult OpenOwnPort(TOpenIn& dev) {
        if (m_jack.Connected()) {
            auto in = std::make_unique<TRtIn>();
            if (in->Create(RtMidi::UNIX_JACK, m_clientName)) {
                in->In->setCallback(&TOpenIn::OnMessage, &dev);
                in->In->openVirtualPort(m_clientName);
                if (in->Error.empty()) dev.Ins.push_back(std::move(in));
            }
        }
        if (m_alsa) {
            auto in = std::make_unique<TRtIn>();
            if (in->Create(RtMidi::LINUX_ALSA, m_clientName)) {
                in->In->setCallback(&TOpenIn::OnMessage, &dev);
                in->In->openVirtualPort(m_clientName);
                if (in->Error.empty()) dev.Ins.push_back(std::move(in));
            }
        }
        return dev.Ins.empty() ? kMidiErrNoMidiSystem : kMidiOk;
    }

    MidiResult OpenPort(TOpenIn& dev, RtMidi::Api api) {
        // RtMidi's JACK client would dereference a missing server; ask ours first.
        if (api == RtMidi::UNIX_JACK && !m_jack.Connected()) return kMidiErrInvalHandle;
        auto in = std::make_unique<TRtIn>();
        if (!in->Create(api, m_clientName)) {
            m_lastPortError = in->Error;
            return kMidiErrPortOpen;
        }
        unsigned int n = in->In->getPortCount();
        unsigned int index = n;
        for (unsigned int i = 0; i < n && index == n; ++i)
            if (in->In->getPortName(i) == dev.Port) index = i;
        if (index == n) return kMidiErrBadDeviceId;  // gone between listing and opening
        in->In->setCallback(&TOpenIn::OnMessage, &dev);
        in->In->openPort(index, "in");
        if (!in->Error.empty() || !in->In->isPortOpen()) {
            m_lastPortError = in->Error;
            return kMidiErrPortOpen;
        }
        dev.Ins.push_back(std::move(in));
        return kMidiOk;
    }

    std::string m_clientName;
    TJackMonitor m_jack;
    std::unique_ptr<TRtIn> m_alsa;  // lists the ALSA sequencer's ports, when it exists
    std::map<MidiHandle, std::unique_ptr<TOpenIn>> m_open;
    MidiHandle m_nextHandle = 1;
    std::string m_lastPortError;
};

}  // namespace

std::unique_ptr<TMidiInService> CreateSystemMidiInService(const std::string& clientName) {
    return std::make_unique<TSystemMidiInService>(clientName);
}
