#pragma once

#include <rtmidi/RtMidi.h>
#include <sys/stat.h>

#include <memory>
#include <string>

// The RtMidi client that lists the ALSA sequencer's ports, made at the first look rather than
// with the service (the window need not wait for it); null when the machine has no sequencer or
// it cannot be opened. TClient is an input or output wrapper with Create(api, clientName).
template <typename TClient>
TClient* LazyAlsaClient(std::unique_ptr<TClient>& client, bool& tried,
                        const std::string& clientName) {
    if (tried) return client.get();
    tried = true;
    struct stat st;
    if (stat("/dev/snd/seq", &st) == 0) {
        client = std::make_unique<TClient>();
        if (!client->Create(RtMidi::LINUX_ALSA, clientName)) client.reset();
    }
    return client.get();
}
