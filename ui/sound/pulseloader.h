// SPDX-License-Identifier: MIT
// The sound server's client library, loaded when the first cue needs it rather than by the dynamic
// linker before main: the library brings a dozen codec libraries along that the game never uses,
// and every start would pay for loading them. The program is compiled against the library's
// headers, so each function keeps the type they declare, but it is not linked with the library.
#pragma once

#include <pulse/context.h>
#include <pulse/operation.h>
#include <pulse/rtclock.h>
#include <pulse/sample.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <pulse/timeval.h>

#include <string>

namespace quorvane::ui {

// Every function of the library the cue output calls, without the library's "pa_" prefix; this list
// is the one place to add one.
#define QUORVANE_PULSE_FUNCTIONS(X) \
    X(context_connect)              \
    X(context_disconnect)           \
    X(context_get_state)            \
    X(context_new)                  \
    X(context_rttime_new)           \
    X(context_rttime_restart)       \
    X(context_set_state_callback)   \
    X(context_unref)                \
    X(operation_unref)              \
    X(rtclock_now)                  \
    X(stream_connect_playback)      \
    X(stream_cork)                  \
    X(stream_disconnect)            \
    X(stream_flush)                 \
    X(stream_get_state)             \
    X(stream_is_corked)             \
    X(stream_new)                   \
    X(stream_set_write_callback)    \
    X(stream_unref)                 \
    X(stream_writable_size)         \
    X(stream_write)                 \
    X(threaded_mainloop_free)       \
    X(threaded_mainloop_get_api)    \
    X(threaded_mainloop_lock)       \
    X(threaded_mainloop_new)        \
    X(threaded_mainloop_start)      \
    X(threaded_mainloop_stop)       \
    X(threaded_mainloop_unlock)     \
    X(usec_to_bytes)

// The library's functions: library.stream_new(...) calls pa_stream_new.
struct PulseLibrary {
#define QUORVANE_PULSE_POINTER(name) decltype(&::pa_##name) name = nullptr;
    QUORVANE_PULSE_FUNCTIONS(QUORVANE_PULSE_POINTER)
#undef QUORVANE_PULSE_POINTER
};

// Loads the library from fileName (looked up as dlopen does) and finds each function in it the
// first time a name is asked for; later calls answer the same at once. nullptr when the library or
// any one of the functions is missing. Safe from any thread. A library once loaded stays loaded to
// the end of the process: the threads and exit handlers it starts run its code until then.
const PulseLibrary* loadPulseLibrary(const std::string& fileName);

}  // namespace quorvane::ui
