#include "referencekeys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <jack/jack.h>
#include <jack/midiport.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>

TReferenceKeys::TReferenceKeys() {
    jack_status_t status;
    m_client = jack_client_open("tastra-reference", JackNoStartServer, &status);
    m_display = XOpenDisplay(nullptr);
    if (!m_client || !m_display || pipe(m_wake) != 0) return;
    m_out = jack_port_register(m_client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
    int event = 0, error = 0, major = 2, minor = 1;
    if (!m_out || !XQueryExtension(m_display, "XInputExtension", &m_opcode, &event, &error) ||
        XIQueryVersion(m_display, &major, &minor) != Success)
        return;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(m_display, DefaultRootWindow(m_display), &mask, 1);
    XSync(m_display, False);
    jack_set_process_callback(m_client, &TReferenceKeys::OnProcess, this);
    if (jack_activate(m_client) != 0) return;
    m_ok = true;
    m_reader = std::thread([this] { Read(); });
}

TReferenceKeys::~TReferenceKeys() {
    m_stop = true;
    if (m_wake[1] >= 0 && write(m_wake[1], "x", 1) < 0) {
    }
    if (m_reader.joinable()) m_reader.join();
    if (m_client) jack_client_close(m_client);
    if (m_display) XCloseDisplay(m_display);
    for (int fd : m_wake)
        if (fd >= 0) close(fd);
}

bool TReferenceKeys::ConnectTo(const std::string& input) {
    return m_ok && jack_connect(m_client, jack_port_name(m_out), input.c_str()) == 0;
}

void TReferenceKeys::Read() {
    pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    while (!m_stop) {
        while (XPending(m_display) > 0) {
            XEvent e;
            XNextEvent(m_display, &e);
            // Stamped the moment it is read.
            const jack_nframes_t now = jack_frame_time(m_client);
            if (e.xcookie.type != GenericEvent || e.xcookie.extension != m_opcode ||
                !XGetEventData(m_display, &e.xcookie))
                continue;
            const int type = e.xcookie.evtype;
            const int code = static_cast<const XIRawEvent*>(e.xcookie.data)->detail;
            XFreeEventData(m_display, &e.xcookie);
            if (type != XI_RawKeyPress && type != XI_RawKeyRelease) continue;
            TJackOutEvent out;
            out.Stamp = now;
            out.Bytes[0] = 0x90 | kChannel;
            out.Bytes[1] = static_cast<std::uint8_t>(code & 0x7F);
            out.Bytes[2] = type == XI_RawKeyPress ? 100 : 0;
            out.Size = 3;
            m_queue.Push(out);
        }
        if (poll(fds, 2, -1) < 0) return;
    }
}

int TReferenceKeys::OnProcess(std::uint32_t frames, void* self) {
    auto* me = static_cast<TReferenceKeys*>(self);
    void* buffer = jack_port_get_buffer(me->m_out, frames);
    jack_midi_clear_buffer(buffer);
    const jack_nframes_t start = jack_last_frame_time(me->m_client);
    std::uint32_t earliest = 0;
    while (const TJackOutEvent* e = me->m_queue.Peek()) {
        // Exactly one period after its stamp.
        const std::int64_t offset =
            DueOffset(e->Stamp, frames, start, frames, earliest, 2 * 48000);
        if (offset < 0) break;
        const auto at = static_cast<jack_nframes_t>(std::min<std::int64_t>(offset, frames - 1));
        if (jack_midi_event_write(buffer, at, e->Bytes, e->Size) != 0) break;
        earliest = at;
        me->m_queue.Drop();
    }
    return 0;
}
