#pragma once

// Whether the port an open device sends to is still there. Asked for every message sent, it looks
// the port up only when the MIDI system's count of notices (ports that came or went) has moved
// since the last look; in between, nothing can have gone.
class TPortPresence {
public:
    explicit TPortPresence(unsigned changes = 0) : m_seen(changes) {}

    // `changes`: the system's count of notices now; lookup() tells whether the port is there.
    template <class TLookup>
    bool Present(unsigned changes, TLookup&& lookup) {
        if (changes != m_seen) {
            m_seen = changes;
            m_present = lookup();
        }
        return m_present;
    }

private:
    unsigned m_seen;
    bool m_present = true;
};
