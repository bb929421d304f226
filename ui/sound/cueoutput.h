// SPDX-License-Identifier: MIT
// Where the cues are heard. The sound player hands a decoded wave to an output; the game uses the
// desktop's sound server, tests put a recorder in its place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/sound/wavefile.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

namespace quorvane::ui {

struct PulseLibrary;

class CueOutput {
  public:
    virtual ~CueOutput() = default;
    // Plays the wave from its first sample and returns at once; whatever was playing stops.
    virtual void play(const Wave& wave) = 0;
    // Silences the output at once.
    virtual void stop() = 0;
    // Gets ready to play waves like this one, so the first cue starts without delay.
    virtual void prepare(const Wave& wave) { (void)wave; }
};

// The desktop's sound server (PulseAudio, or PipeWire speaking its protocol), fed from memory.
// Nothing here waits on the server: connecting, opening the stream and writing happen on the
// client library's own thread, which asks for samples as the server needs them. A new cue or a
// stop flushes what the server still holds, so the old cue ends at once. With no server, or no
// client library, the cues are silent and the game plays on without a word.
//
// The client library is loaded when the output is first used, not when the program starts (see
// pulseloader.h). Between cues the stream is corked: an open stream with nothing to play would
// have the server ask for samples many times a second for the whole game.
//
// The output owns its whole life: the destructor closes the stream and the connection and ends the
// thread before it returns, so nothing of it is left running when the program exits.
class PulseAudioOutput : public CueOutput {
  public:
    // libraryFile is the client library, as dlopen looks it up.
    explicit PulseAudioOutput(std::string applicationName,
                              std::string libraryFile = "libpulse.so.0");
    ~PulseAudioOutput() override;
    PulseAudioOutput(const PulseAudioOutput&) = delete;
    PulseAudioOutput& operator=(const PulseAudioOutput&) = delete;

    void play(const Wave& wave) override;
    void stop() override;
    void prepare(const Wave& wave) override;

    // Whether the output has been used and can never be heard: no client library, no server to
    // connect to, or the library's thread would not start.
    bool unavailable() const { return setupFailed_; }

  private:
    // Loads the library and connects on first use; false once either is known to be missing.
    bool connect();
    void openStream();
    void closeStream();
    void feed(std::size_t bytes);
    void corkWhenPlayedOut();
    void setCorked(bool corked);
    static void onContextState(pa_context* context, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);
    static void onPlayedOut(pa_mainloop_api* api, pa_time_event* timer, const struct timeval* at,
                            void* self);

    std::string applicationName_;
    std::string libraryFile_;
    const PulseLibrary* pulse_ = nullptr;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool setupFailed_ = false;
    // Guarded by the loop's lock: whether the server is gone, the format the stream has or should
    // have, and the cue.
    bool serverGone_ = false;
    Wave format_;
    QByteArray playing_;
    qsizetype position_ = 0;
    // Also guarded by the lock: cue_ counts the cues and stops; the timer corks the stream once
    // playedOutCue_, written whole, has been heard, unless another cue has started since.
    std::uint64_t cue_ = 0;
    std::uint64_t playedOutCue_ = 0;
    pa_time_event* corkTimer_ = nullptr;
};

}  // namespace quorvane::ui
