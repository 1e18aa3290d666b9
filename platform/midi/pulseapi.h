#pragma once

#include <pulse/context.h>
#include <pulse/introspect.h>
#include <pulse/proplist.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include "platform/lib/lazylibrary.h"

// The functions of the desktop sound server's client library that the built-in synth's output
// uses. Opened at the first use, like the synthesizer library: a program that never plays
// through the sound server never loads it.
#define PULSE_FUNCTIONS(X)                   \
    X(pa_context_connect)                    \
    X(pa_context_disconnect)                 \
    X(pa_context_get_server_info)            \
    X(pa_context_get_state)                  \
    X(pa_context_new_with_proplist)          \
    X(pa_context_set_state_callback)         \
    X(pa_context_unref)                      \
    X(pa_operation_unref)                    \
    X(pa_proplist_free)                      \
    X(pa_proplist_new)                       \
    X(pa_proplist_sets)                      \
    X(pa_stream_begin_write)                 \
    X(pa_stream_connect_playback)            \
    X(pa_stream_disconnect)                  \
    X(pa_stream_get_latency)                 \
    X(pa_stream_get_state)                   \
    X(pa_stream_new_with_proplist)           \
    X(pa_stream_set_latency_update_callback) \
    X(pa_stream_set_state_callback)          \
    X(pa_stream_set_write_callback)          \
    X(pa_stream_unref)                       \
    X(pa_stream_write)                       \
    X(pa_threaded_mainloop_free)             \
    X(pa_threaded_mainloop_get_api)          \
    X(pa_threaded_mainloop_lock)             \
    X(pa_threaded_mainloop_new)              \
    X(pa_threaded_mainloop_signal)           \
    X(pa_threaded_mainloop_start)            \
    X(pa_threaded_mainloop_stop)             \
    X(pa_threaded_mainloop_unlock)           \
    X(pa_threaded_mainloop_wait)

TASTRA_LAZY_API(TPulseApi, PULSE_FUNCTIONS)

// The library's functions, or nullptr when it (or one of its functions) is missing.
const TPulseApi* PulseApi();
