#pragma once

// Thru inside the JACK cycle: what comes in is turned into what the keyboard's thru would send
// (chord, transposition, the message's own channel) and written in the same cycle at the frame it
// arrived at. The shape is published by one thread (the window's) and read by the server's
// process thread without either of them waiting; what each press sent is kept in fixed arrays,
// so that its release undoes exactly that, whatever changed while it was held.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

// What thru does to an incoming note.
struct TThruShape {
    static constexpr int kMaxTones = 17;  // the note itself and up to 16 chord offsets
    // Off: nothing new is passed on; releases of what was passed before still are.
    bool Pass = false;
    // The tones of a note as offsets from it, the note's own 0 first.
    std::uint8_t ToneCount = 1;
    std::array<std::int8_t, kMaxTones> Offsets{};
    // Added to every tone sent.
    int Transpose = 0;
    // The keys show the sent notes rather than the played ones: a tone whose shown key falls
    // outside 0..127 is neither sent nor shown, as on the keyboard.
    bool ShowSent = false;

    bool operator==(const TThruShape& o) const {
        return Pass == o.Pass && ToneCount == o.ToneCount && Offsets == o.Offsets &&
               Transpose == o.Transpose && ShowSent == o.ShowSent;
    }
    bool operator!=(const TThruShape& o) const { return !(*this == o); }
};

class TDirectThru {
public:
    // Presses of one note on one channel held at once; a press beyond them is not passed on, so
    // that no note can be left without its release.
    static constexpr int kDepth = 8;

    TDirectThru();
    TDirectThru(const TDirectThru&) = delete;
    TDirectThru& operator=(const TDirectThru&) = delete;

    // Publishing thread only.
    void Publish(const TThruShape& shape);

    // Process thread, once at the start of every cycle: carries out a release asked for with
    // RequestRelease. `write(frame, bytes, size)` writes one message at an offset in the cycle.
    template <class TWrite>
    void BeginCycle(TWrite&& write) {
        const unsigned asked = m_releasesAsked.load(std::memory_order_acquire);
        if (asked == m_releasesDone.load(std::memory_order_relaxed)) return;
        ReleaseAll(write, 0);
        m_releasesDone.store(asked, std::memory_order_release);
    }

    // Process thread: one incoming message at offset `frame` of the cycle. System messages and
    // stray data bytes are not passed on; channel messages other than notes pass unchanged.
    template <class TWrite>
    void Pass(std::uint32_t frame, const std::uint8_t* data, std::size_t size, TWrite&& write) {
        if (size == 0 || data[0] < 0x80 || data[0] >= 0xF0) return;
        const std::uint8_t status = data[0];
        const int kind = status & 0xF0;
        const int channel = status & 15;
        const TThruShape& shape = Current();
        if (kind != 0x80 && kind != 0x90) {
            if (!shape.Pass) return;
            std::uint8_t bytes[3] = {status, 0, 0};
            const std::size_t n = size < 3 ? size : 3;
            for (std::size_t i = 1; i < n; ++i) bytes[i] = data[i] & 127;
            write(frame, bytes, n);
            return;
        }
        if (size < 2) return;
        const int note = data[1] & 127;
        const int velocity = kind == 0x90 && size >= 3 ? data[2] & 127 : 0;
        TKeyPresses& presses = m_presses[channel * 128 + note];
        if (velocity == 0) {
            if (presses.Size == 0) return;  // a release of nothing passed on sends nothing
            const TPress& press = presses.Items[presses.Head];
            presses.Head = (presses.Head + 1) % kDepth;
            --presses.Size;
            for (int i = 0; i < press.Count; ++i) {
                const std::uint8_t off[3] = {static_cast<std::uint8_t>(0x90 | channel),
                                             press.Notes[i], 0};
                write(frame, off, 3);
            }
            return;
        }
        if (!shape.Pass || presses.Size == kDepth) return;
        TPress& press = presses.Items[(presses.Head + presses.Size) % kDepth];
        press.Count = 0;
        for (int i = 0; i < shape.ToneCount; ++i) {
            const int played = note + shape.Offsets[i];
            const int sent = played + shape.Transpose;
            const int shown = shape.ShowSent ? sent : played;
            if (shown < 0 || shown > 127 || sent < 0 || sent > 127) continue;
            const std::uint8_t on[3] = {static_cast<std::uint8_t>(0x90 | channel),
                                        static_cast<std::uint8_t>(sent),
                                        static_cast<std::uint8_t>(velocity)};
            write(frame, on, 3);
            press.Notes[press.Count++] = static_cast<std::uint8_t>(sent);
        }
        ++presses.Size;
    }

    // Any thread: the process thread releases everything held at the start of its next cycle.
    void RequestRelease() { m_releasesAsked.fetch_add(1, std::memory_order_acq_rel); }
    // Whether every release asked for has been carried out.
    bool ReleaseDone() const {
        return m_releasesDone.load(std::memory_order_acquire) ==
               m_releasesAsked.load(std::memory_order_acquire);
    }

    // Only while no process thread uses this (its client is closed): releases everything held
    // through `write`, or forgets it when the server it was sounding on has gone.
    template <class TWrite>
    void ReleaseHeld(TWrite&& write) {
        ReleaseAll(write, 0);
        m_releasesDone.store(m_releasesAsked.load(std::memory_order_acquire),
                             std::memory_order_release);
    }
    void Forget();

private:
    struct TPress {
        std::uint8_t Count = 0;
        std::uint8_t Notes[TThruShape::kMaxTones] = {};
    };
    struct TKeyPresses {
        std::uint8_t Head = 0;
        std::uint8_t Size = 0;
        TPress Items[kDepth];
    };

    // The reader's snapshot, swapped in when the writer published a newer one.
    const TThruShape& Current() {
        if (m_middle.load(std::memory_order_acquire) & kFresh)
            m_front = m_middle.exchange(m_front, std::memory_order_acq_rel) & kSlotMask;
        return m_shapes[m_front];
    }

    template <class TWrite>
    void ReleaseAll(TWrite& write, std::uint32_t frame) {
        for (int key = 0; key < 16 * 128; ++key) {
            TKeyPresses& presses = m_presses[key];
            for (; presses.Size > 0; --presses.Size) {
                const TPress& press = presses.Items[presses.Head];
                presses.Head = (presses.Head + 1) % kDepth;
                for (int i = 0; i < press.Count; ++i) {
                    const std::uint8_t off[3] = {static_cast<std::uint8_t>(0x90 | (key / 128)),
                                                 press.Notes[i], 0};
                    write(frame, off, 3);
                }
            }
        }
    }

    // Three slots: the writer fills its own, then swaps it with the middle one, marked fresh;
    // the reader swaps its own with the middle one when that is fresh. Neither ever waits.
    static constexpr std::uint8_t kSlotMask = 3;
    static constexpr std::uint8_t kFresh = 4;
    std::array<TThruShape, 3> m_shapes{};
    std::atomic<std::uint8_t> m_middle{1};
    std::uint8_t m_front = 0;  // reader's
    std::uint8_t m_back = 2;   // writer's

    std::unique_ptr<TKeyPresses[]> m_presses;
    std::atomic<unsigned> m_releasesAsked{0};
    std::atomic<unsigned> m_releasesDone{0};
};
