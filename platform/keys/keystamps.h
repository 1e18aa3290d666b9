#pragma once

#include <Qt>
#include <QtGlobal>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

// When each key went down or up, taken the moment the window system reported it, on a thread of
// its own. The window thread may be painting or laying out when a key arrives; a note should
// leave as long after its key as every other note does, whatever the window thread was doing.
// The window thread asks for the moment of the key event it is handling by the key's native
// code and the window system's time of the event, which both reports of one key share.
//
// A key can also be played right where it is read (TRawKeyPlayer): its notes then leave without
// waiting for the window thread at all, and the window's own event of that key only decides
// whether the key is discarded.

// A key event as the reading thread saw it.
struct TRawKey {
    quint32 nativeCode = 0;
    bool release = false;
    // A press of a key already down (the window system repeating it).
    bool repeat = false;
    // The key is Shift, Ctrl or Alt itself.
    bool modifierKey = false;
    // Read while another program had the focus (only while hearing all keys).
    bool elsewhere = false;
    std::int64_t steadyNs = 0;
    // Shift, Ctrl and Alt held as the key went down, by the physical keys.
    Qt::KeyboardModifiers modifiers;
};

// Plays keys on the thread that reads them.
class TRawKeyPlayer {
public:
    virtual ~TRawKeyPlayer() = default;
    // Under the stamps' lock, without taking any other: whether this event is played here.
    virtual bool TakesRawKey(const TRawKey& key) = 0;
    // Right after TakesRawKey said yes, on the reading thread, outside the stamps' lock.
    virtual void PlayRawKey(const TRawKey& key) = 0;
};

// The moment (steady nanoseconds) of the raw key being played on the calling thread, 0 when
// none is: what PlayRawKey sends belongs to that moment.
std::int64_t RawKeyMoment();

// The moment a key event happened, on the steady clock, given when it was read (`readNs`) and the
// window system's own time of the event (`serverTimeMs`). A local X server keeps its time in
// milliseconds of the same clock: a key read later than the millisecond its server time names
// (the reading thread woke late, the server was slow to hand it out) happened by the end of that
// millisecond at the latest, and its notes keep their delay after the key itself. A time that
// cannot be the same clock's (another machine's server, a time after the reading, or more than a
// second before it) leaves the moment of reading.
std::int64_t KeyEventMoment(quint64 serverTimeMs, std::int64_t readNs);

class TKeyStamps {
public:
    virtual ~TKeyStamps() = default;

    // Keys are noted only while the program is active (one of its windows has the focus): what
    // is typed into other programs is none of its business. Off at first. Switched off, the keys
    // noted so far are forgotten.
    virtual void SetActive(bool active) = 0;
    // While on, keys are read and played wherever the focus is, also while the program is not
    // active (the user's choice to play from any window). Off at first.
    void SetHearAll(bool on);
    // Whether keys are being read: false where the window system cannot be read this way, or
    // its connection broke.
    bool Reading() const { return m_reading.load(std::memory_order_acquire); }

    // Whether a key event of `nativeCode` is among those noted.
    bool Holds(quint32 nativeCode);

    // Who plays keys where they are read; null plays none there. Removing waits for a key being
    // played to end.
    void SetPlayer(TRawKeyPlayer* player);
    // Asked for the window's own event of a key: true when the reading thread plays that event.
    // False leaves it to the window: if its raw event comes only afterwards, it is not played
    // there, so a key plays once whichever report comes first.
    bool PlayedOnRead(quint32 nativeCode, bool release, quint64 serverTime);

    // The moment on the steady clock (std::chrono::steady_clock, in nanoseconds) at which the key
    // event of `nativeCode` with the window system's time `serverTime` was seen; false when it
    // was not seen (yet): the caller then takes the moment it handles the key.
    bool SeenAt(quint32 nativeCode, bool release, quint64 serverTime, std::int64_t& steadyNs);

protected:
    // Called on the thread that reads the window system's events for each key event; ignored
    // while not accepting. Plays the key through the player when it takes it.
    void Record(const TRawKey& key, quint64 serverTime);
    // Off, what was noted is forgotten and nothing is noted until it is on again (or all keys
    // are heard). Under the same lock as Record, so that no key read before it was switched off
    // stays behind.
    void Accept(bool on);
    // Whether the reading thread is to read keys at all now: accepting or hearing all.
    bool Wanted() const { return m_wanted.load(std::memory_order_acquire); }
    // The hearing of keys changed: the reading thread is to read again what it selects.
    virtual void WantedChanged() {}
    void SetReading(bool on) { m_reading.store(on, std::memory_order_release); }

private:
    // Who plays a key event: nobody yet, the reading thread, or the window (whose event came
    // first, or which the player left it to).
    enum class TOwner { None, Reader, Window };
    struct TSeen {
        quint32 code = 0;
        bool release = false;
        quint64 serverTime = 0;
        std::int64_t steadyNs = 0;  // 0: only the window's event was seen so far
        TOwner owner = TOwner::None;
    };
    TSeen* Find(quint32 nativeCode, bool release, quint64 serverTime);
    TSeen& Add(const TSeen& seen);
    // The last key events. A key is asked for within milliseconds of being seen, but a window
    // thread held up while a palm lies on the keyboard asks for a hundred at once: one that
    // was forgotten before the window asked would play a second time.
    std::array<TSeen, 1024> m_seen{};
    std::size_t m_next = 0;
    std::size_t m_count = 0;  // how many of the last are in use
    bool m_accepting = false;
    bool m_hearAll = false;
    std::atomic<bool> m_wanted{false};
    std::atomic<bool> m_reading{false};
    std::mutex m_lock;
    TRawKeyPlayer* m_player = nullptr;
    // Held while a key is played and while the player changes; m_lock may be taken under it,
    // never the other way round.
    std::mutex m_playerLock;
};

// The stamps of the window system the application runs on: X11 raw key events read on a thread
// with a connection of its own, at a real-time priority where the system grants one. Null where
// there is none (Wayland, offscreen); where the X server lacks X Input 2.1 no key is ever seen.
// Besides SetActive, it
// stops noting keys the moment one of the application's windows reports losing the keyboard
// focus (the application's own state follows only a while later) and goes on when one gains it.
std::unique_ptr<TKeyStamps> CreateKeyStamps();
