#pragma once

#include <QtGlobal>
#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

// When each key went down or up, taken the moment the window system reported it, on a thread of
// its own. The window thread may be painting or laying out when a key arrives; a note should
// leave as long after its key as every other note does, whatever the window thread was doing.
// The window thread asks for the moment of the key event it is handling by the key's native
// code and the window system's time of the event, which both reports of one key share.
class TKeyStamps {
public:
    virtual ~TKeyStamps() = default;

    // Keys are noted only while the program is active (one of its windows has the focus): what
    // is typed into other programs is none of its business. Off at first. Switched off, the keys
    // noted so far are forgotten.
    virtual void SetActive(bool active) = 0;

    // Whether a key event of `nativeCode` is among those noted.
    bool Holds(quint32 nativeCode);

    // The moment on the steady clock (std::chrono::steady_clock, in nanoseconds) at which the key
    // event of `nativeCode` with the window system's time `serverTime` was seen; false when it
    // was not seen (yet): the caller then takes the moment it handles the key.
    bool SeenAt(quint32 nativeCode, bool release, quint64 serverTime, std::int64_t& steadyNs);

protected:
    // Called on the thread that reads the window system's events; ignored while not accepting.
    void Record(quint32 nativeCode, bool release, quint64 serverTime, std::int64_t steadyNs);
    // Off, what was noted is forgotten and nothing is noted until it is on again. Under the
    // same lock as Record, so that no key read before it was switched off stays behind.
    void Accept(bool on);

private:
    struct TSeen {
        quint32 code = 0;
        bool release = false;
        quint64 serverTime = 0;
        std::int64_t steadyNs = 0;
    };
    // The last key events: a key is asked for within milliseconds of being seen.
    std::array<TSeen, 64> m_seen{};
    std::size_t m_next = 0;
    bool m_accepting = false;
    std::mutex m_lock;
};

// The stamps of the window system the application runs on: X11 raw key events read on a thread
// with a connection of its own, at a real-time priority where the system grants one. Null where
// there is none (Wayland, offscreen); where the X server lacks X Input 2.1 no key is ever seen.
// Besides SetActive, it
// stops noting keys the moment one of the application's windows reports losing the keyboard
// focus (the application's own state follows only a while later) and goes on when one gains it.
std::unique_ptr<TKeyStamps> CreateKeyStamps();
