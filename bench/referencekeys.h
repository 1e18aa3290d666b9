#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/midi/jackports.h"

struct _jack_client;
struct _jack_port;
typedef struct _XDisplay Display;

// The yardstick the key path is measured against: the least a program can do between a key and
// its note. A thread of its own reads the X server's raw key events on a connection of its own,
// stamps each with the JACK frame time as it reads it, and the client's process callback writes
// the note exactly one period after that stamp, on channel 16 so that it stands apart from the
// program's notes. Keys are heard whichever window has the focus.
class TReferenceKeys {
public:
    static constexpr std::uint8_t kChannel = 15;

    TReferenceKeys();
    ~TReferenceKeys();
    TReferenceKeys(const TReferenceKeys&) = delete;
    TReferenceKeys& operator=(const TReferenceKeys&) = delete;

    // False when the JACK client, its port or the X connection could not be made.
    bool Ok() const { return m_ok; }
    // Connects its output to the port called `input`.
    bool ConnectTo(const std::string& input);

private:
    static int OnProcess(std::uint32_t frames, void* self);
    void Read();

    _jack_client* m_client = nullptr;
    _jack_port* m_out = nullptr;
    Display* m_display = nullptr;
    int m_opcode = 0;
    int m_wake[2] = {-1, -1};
    bool m_ok = false;
    std::atomic<bool> m_stop{false};
    TSpscRing<TJackOutEvent, 1024> m_queue;
    std::thread m_reader;
};
