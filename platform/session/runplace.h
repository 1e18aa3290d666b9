#pragma once

#include <string>

// The name of the program's JACK and ALSA clients outside a session.
constexpr const char* kDefaultClientName = "Tastra";

// Where one run keeps its settings and what its MIDI clients are called: the user's own hive and
// kDefaultClientName, or what a session manager gave it.
struct TRunPlace {
    // The hive file; empty: the user's own ($XDG_CONFIG_HOME/Ostrel/registry.reg).
    std::string hivePath;
    std::string clientName = kDefaultClientName;
};

// What a session manager hands a client when it opens a session.
struct TNsmSession {
    // Where the client keeps its files: a folder of its own (made when missing).
    std::string path;
    std::string displayName;
    // Unique in the session; names the JACK and ALSA clients.
    std::string clientId;
};

// Why a session's place cannot be used. The session is joined before the translations are
// loaded: the reason goes to the session manager in English, and to the user in the language
// shown when it is shown.
struct TPlaceError {
    const char* text = nullptr;  // marked for translation; %1 the id or folder, %2 the reason
    std::string subject;
    std::string reason;

    std::string English() const;
    std::string Translated() const;
};

// The place of a run inside `session`: the hive in the session's folder, the clients named by the
// client id. Makes the folder. False, with the reason in `error`, when the folder cannot be made
// or written, or the id cannot name a MIDI client (empty, too long, or with a ':' or a control
// character, which would break the "client:port" names).
bool SessionPlace(const TNsmSession& session, TRunPlace& place, TPlaceError& error);
