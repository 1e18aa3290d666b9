#pragma once

#include <jack/jack.h>
#include <jack/midiport.h>
#include <jack/ringbuffer.h>

#include "platform/lib/lazylibrary.h"

// The JACK library, opened when the program first looks for a JACK server rather than when it
// starts: loading it (and what it loads) is a good part of the program's own start-up.
// Everything of it the program calls:
#define JACK_FUNCTIONS(X)                  \
    X(jack_activate)                       \
    X(jack_client_close)                   \
    X(jack_client_open)                    \
    X(jack_connect)                        \
    X(jack_disconnect)                     \
    X(jack_frame_time)                     \
    X(jack_free)                           \
    X(jack_get_ports)                      \
    X(jack_get_sample_rate)                \
    X(jack_last_frame_time)                \
    X(jack_midi_clear_buffer)              \
    X(jack_midi_event_get)                 \
    X(jack_midi_event_write)               \
    X(jack_midi_get_event_count)           \
    X(jack_on_shutdown)                    \
    X(jack_port_by_id)                     \
    X(jack_port_by_name)                   \
    X(jack_port_connected_to)              \
    X(jack_port_flags)                     \
    X(jack_port_get_all_connections)       \
    X(jack_port_get_buffer)                \
    X(jack_port_name)                      \
    X(jack_port_register)                  \
    X(jack_ringbuffer_create)              \
    X(jack_ringbuffer_free)                \
    X(jack_ringbuffer_read)                \
    X(jack_ringbuffer_read_space)          \
    X(jack_ringbuffer_write)               \
    X(jack_ringbuffer_write_space)         \
    X(jack_set_error_function)             \
    X(jack_set_info_function)              \
    X(jack_set_port_connect_callback)      \
    X(jack_set_port_registration_callback) \
    X(jack_set_process_callback)
TASTRA_LAZY_API(TJackApi, JACK_FUNCTIONS)

// Opens the library at the first call and quiets its messages; false when it cannot be opened,
// and then there is no JACK server to talk to. Asked before every client is opened.
bool JackAvailable();
// The library's functions, for code that holds a client (so the library is open).
const TJackApi& Jack();
