#pragma once

#include <QtGlobal>
#include <set>

// Tells the presses and releases made by holding a key from real key strokes. Some window
// systems mark their repeats reliably; X11 does not: its repeats arrive as release/press pairs
// that Qt marks only now and then. There the server is asked to send no release until the key is
// really let go (detectable auto-repeat), so that a press of a key already down can only be a
// repeat.
class TKeyRepeat {
public:
    // Asks the window system for detectable auto-repeat when it is X11; afterwards presses of
    // keys already down count as repeats. Returns whether that mode is on.
    bool TrackKeysDown();
    void SetTrackKeysDown(bool on) { m_track = on; }

    // Classifies one key event of the physical key with the native code, updating which keys
    // are down. `marked` is the window system's own repeat mark. Keys without a native code
    // (synthesised events) are judged by the mark alone.
    bool IsRepeat(bool release, quint32 nativeCode, bool marked);
    // All keys count as up again (the application lost the keyboard and may miss releases).
    void Forget() { m_down.clear(); }

private:
    bool m_track = false;
    std::set<quint32> m_down;
};
