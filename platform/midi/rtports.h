#pragma once

// What the system input and output services share: RtMidi clients (for the ALSA sequencer) that
// collect their errors, the list of ports (the program's own, then JACK's, then the ALSA
// sequencer's) and the opening of the program's own ALSA port or of a listed one.
#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/lib/translatedtext.h"
#include "platform/midi/alsaannounce.h"
#include "platform/midi/changenotice.h"
#include "platform/midi/midiservice.h"
#include "platform/midi/rtmidiclient.h"
#include "platform/midi/systemmidi.h"

// A TRtMidiIn or TRtMidiOut, made when the sequencer can be reached.
template <class TClient>
struct TRtClient {
    std::unique_ptr<TClient> Client;

    // Creates the client; false when the MIDI system cannot be reached.
    bool Create(const std::string& clientName) {
        Client = TClient::Create(clientName);
        return Client != nullptr;
    }

    std::vector<std::string> PortNames() const {
        std::vector<std::string> names;
        const unsigned int n = Client->PortCount();
        for (unsigned int i = 0; i < n; ++i) names.push_back(Client->PortName(i));
        return names;
    }
};

// The client that lists the ALSA sequencer's ports, when the sequencer exists.
template <class TClient>
std::unique_ptr<TRtClient<TClient>> AlsaLister(const std::string& clientName) {
    struct stat st;
    if (stat("/dev/snd/seq", &st) != 0) return nullptr;
    auto client = std::make_unique<TRtClient<TClient>>();
    if (!client->Create(clientName)) return nullptr;
    return client;
}

// The ALSA lister of a service, made at the first look rather than with the service: the window
// need not wait for the sequencer before it shows. With it starts the watch on the sequencer's
// announcements, which tell when ports come and go.
template <class TClient>
class TLazyAlsaLister {
public:
    TLazyAlsaLister(std::string clientName, TChangeNotice* notice)
        : m_clientName(std::move(clientName)), m_watcher(m_clientName, notice) {}

    bool Exists() { return Get() != nullptr; }
    std::vector<std::string> PortNames() {
        TRtClient<TClient>* client = Get();
        return client ? client->PortNames() : std::vector<std::string>();
    }
    // Grows whenever the sequencer announced a change; while it stays the same, what was
    // looked up about its ports still holds. Without the announcements it grows at every call.
    unsigned Changes() { return m_watcher.Watching() ? m_watcher.Changes() : ++m_unwatched; }

private:
    TRtClient<TClient>* Get() {
        if (!m_tried) {
            m_client = AlsaLister<TClient>(m_clientName);
            if (m_client) m_watcher.Start();
        }
        m_tried = true;
        return m_client.get();
    }

    std::string m_clientName;
    std::unique_ptr<TRtClient<TClient>> m_client;
    bool m_tried = false;
    TAlsaAnnounceWatcher m_watcher;
    unsigned m_unwatched = 0;
};

enum TPortKind { pkSynth, pkOwnPort, pkJack, pkAlsa };

struct TPortEntry {
    TPortKind Kind;
    std::string Name;  // product name as listed
    std::string Port;  // JACK full port name, or RtMidi's ALSA port name
};

// Appends the JACK ports and then the ALSA ones (listed without their numbers), leaving out the
// program's own.
inline void AppendPorts(std::vector<TPortEntry>& list, const std::vector<std::string>& jack,
                        const std::vector<std::string>& alsa, const std::string& clientName) {
    for (const auto& port : jack)
        if (!IsOwnPortName(port, clientName)) list.push_back({pkJack, port, port});
    for (const auto& port : alsa) {
        std::string name = StripAlsaPortNumbers(port);
        if (!IsOwnPortName(name, clientName)) list.push_back({pkAlsa, name, port});
    }
}

// Opens the program's own port on the ALSA sequencer; prepare readies the client first. False
// when it cannot be made.
template <class TClient, class TPrepare>
bool OpenAlsaOwnPort(const std::string& clientName,
                     std::vector<std::unique_ptr<TRtClient<TClient>>>& opened, TPrepare prepare) {
    auto client = std::make_unique<TRtClient<TClient>>();
    if (!client->Create(clientName)) return false;
    prepare(*client->Client);
    if (!client->Client->OpenVirtualPort(clientName)) return false;
    opened.push_back(std::move(client));
    return true;
}

// Connects to the listed ALSA port; prepare readies the client first. kMidiErrBadDeviceId when
// the port went between listing and opening; kMidiErrPortOpen with error set when it cannot be
// connected.
template <class TClient, class TPrepare>
MidiResult OpenAlsaPort(const std::string& clientName, const std::string& port,
                        const char* ownPortName,
                        std::vector<std::unique_ptr<TRtClient<TClient>>>& opened,
                        std::string& error, TPrepare prepare) {
    auto client = std::make_unique<TRtClient<TClient>>();
    if (!client->Create(clientName)) {
        error.clear();
        return kMidiErrPortOpen;
    }
    const std::vector<std::string> names = client->PortNames();
    unsigned int index = 0;
    while (index < names.size() && names[index] != port) ++index;
    if (index == names.size()) return kMidiErrBadDeviceId;
    prepare(*client->Client);
    if (!client->Client->OpenPort(index, ownPortName)) {
        error.clear();
        return kMidiErrPortOpen;
    }
    opened.push_back(std::move(client));
    return kMidiOk;
}

// The texts of the failures both services share.
inline bool PortErrorText(MidiResult code, const std::string& lastPortError, std::string& text) {
    switch (code) {
        case kMidiErrNoMidiSystem:
            text =
                TranslatedText("MidiError", QT_TRANSLATE_NOOP("MidiError",
                                                              "Neither a JACK server nor the ALSA "
                                                              "sequencer is available."));
            return true;
        case kMidiErrPortOpen:
            text = lastPortError.empty()
                       ? TranslatedText("MidiError",
                                        QT_TRANSLATE_NOOP("MidiError",
                                                          "The MIDI port could not be connected."))
                       : TranslatedText("MidiError",
                                        QT_TRANSLATE_NOOP("MidiError",
                                                          "The MIDI port could not be connected: "
                                                          "%1."),
                                        lastPortError);
            return true;
        default:
            return false;
    }
}
