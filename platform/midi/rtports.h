#pragma once

// What the system input and output services share: RtMidi clients that collect their errors,
// the list of ports (the program's own, then JACK's, then the ALSA sequencer's) and the opening
// of the program's own port or of a listed one.
#include <rtmidi/RtMidi.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/midi/midiservice.h"
#include "platform/midi/systemmidi.h"

// An RtMidiIn or RtMidiOut whose errors are collected instead of thrown or printed.
template <class TClient>
struct TRtClient {
    std::unique_ptr<TClient> Client;
    std::string Error;

    static void OnError(RtMidiError::Type type, const std::string& text, void* self) {
        if (type == RtMidiError::WARNING || type == RtMidiError::DEBUG_WARNING) return;
        static_cast<TRtClient*>(self)->Error = text;
    }

    // Creates the client; false (with Error set) when the MIDI system cannot be reached.
    bool Create(RtMidi::Api api, const std::string& clientName) {
        try {
            Client = std::make_unique<TClient>(api, clientName);
        } catch (const RtMidiError& e) {
            Error = e.getMessage();
            return false;
        }
        Client->setErrorCallback(&TRtClient::OnError, this);
        // Everything is delivered; which messages to keep is the receiver's business.
        if constexpr (std::is_same_v<TClient, RtMidiIn>) Client->ignoreTypes(false, false, false);
        return true;
    }

    std::vector<std::string> PortNames() const {
        std::vector<std::string> names;
        const unsigned int n = Client->getPortCount();
        for (unsigned int i = 0; i < n; ++i) names.push_back(Client->getPortName(i));
        return names;
    }
};

// The client that lists the ALSA sequencer's ports, when the sequencer exists.
template <class TClient>
std::unique_ptr<TRtClient<TClient>> AlsaLister(const std::string& clientName) {
    struct stat st;
    if (stat("/dev/snd/seq", &st) != 0) return nullptr;
    auto client = std::make_unique<TRtClient<TClient>>();
    if (!client->Create(RtMidi::LINUX_ALSA, clientName)) return nullptr;
    return client;
}

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

// Opens the program's own port as a JACK port (when the server runs) and as an ALSA sequencer
// port (when there is one); prepare readies each client first. kMidiErrNoMidiSystem when
// neither could be opened.
template <class TClient, class TPrepare>
MidiResult OpenOwnPorts(const std::string& clientName, bool jack, bool alsa,
                        std::vector<std::unique_ptr<TRtClient<TClient>>>& opened,
                        TPrepare prepare) {
    for (RtMidi::Api api : {RtMidi::UNIX_JACK, RtMidi::LINUX_ALSA}) {
        if (!(api == RtMidi::UNIX_JACK ? jack : alsa)) continue;
        auto client = std::make_unique<TRtClient<TClient>>();
        if (!client->Create(api, clientName)) continue;
        prepare(*client->Client);
        client->Client->openVirtualPort(clientName);
        if (client->Error.empty()) opened.push_back(std::move(client));
    }
    return opened.empty() ? kMidiErrNoMidiSystem : kMidiOk;
}

// Connects to the listed port through api; prepare readies the client first. A JACK port needs
// the server to run (RtMidi's JACK client would dereference a missing one). kMidiErrBadDeviceId
// when the port went between listing and opening; kMidiErrPortOpen with error set when it cannot
// be connected.
template <class TClient, class TPrepare>
MidiResult OpenListedPort(const std::string& clientName, RtMidi::Api api, bool jackRunning,
                          const std::string& port, const char* ownPortName,
                          std::vector<std::unique_ptr<TRtClient<TClient>>>& opened,
                          std::string& error, TPrepare prepare) {
    if (api == RtMidi::UNIX_JACK && !jackRunning) return kMidiErrInvalHandle;
    auto client = std::make_unique<TRtClient<TClient>>();
    if (!client->Create(api, clientName)) {
        error = client->Error;
        return kMidiErrPortOpen;
    }
    const std::vector<std::string> names = client->PortNames();
    unsigned int index = 0;
    while (index < names.size() && names[index] != port) ++index;
    if (index == names.size()) return kMidiErrBadDeviceId;
    prepare(*client->Client);
    client->Client->openPort(index, ownPortName);
    if (!client->Error.empty() || !client->Client->isPortOpen()) {
        error = client->Error;
        return kMidiErrPortOpen;
    }
    opened.push_back(std::move(client));
    return kMidiOk;
}

// The texts of the failures both services share.
inline bool PortErrorText(MidiResult code, const std::string& lastPortError, std::string& text) {
    switch (code) {
        case kMidiErrNoMidiSystem:
            text = "Neither a JACK server nor the ALSA sequencer is available.";
            return true;
        case kMidiErrPortOpen:
            text = "The MIDI port could not be connected";
            text += lastPortError.empty() ? "." : ": " + lastPortError;
            return true;
        default:
            return false;
    }
}
