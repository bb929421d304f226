// SPDX-License-Identifier: MIT
#include "ui/sound/cueoutput.h"

#include <algorithm>

#include "ui/sound/pulseloader.h"

namespace quorvane::ui {

namespace {

constexpr int kBufferedMs = 40;           // how far the server may run ahead of the cue
constexpr pa_usec_t kCorkAfterMs = 1000;  // from the last samples written to the stream's cork

bool sameFormat(const Wave& a, const Wave& b) {
    return a.sampleRate == b.sampleRate && a.channels == b.channels &&
           a.bitsPerSample == b.bitsPerSample;
}

// Holds the loop's lock for a scope; callbacks run with it held already.
class LoopLock {
  public:
    LoopLock(const PulseLibrary& pulse, pa_threaded_mainloop* loop) : pulse_(pulse), loop_(loop) {
        pulse_.threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pulse_.threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

  private:
    const PulseLibrary& pulse_;
    pa_threaded_mainloop* loop_;
};

void dropOperation(const PulseLibrary& pulse, pa_operation* operation) {
    if (operation != nullptr) {
        pulse.operation_unref(operation);
    }
}

}  // namespace

PulseAudioOutput::PulseAudioOutput(std::string applicationName, std::string libraryFile)
    : applicationName_(std::move(applicationName)), libraryFile_(std::move(libraryFile)) {}

PulseAudioOutput::~PulseAudioOutput() {
    if (loop_ == nullptr) {
        return;
    }
    {
        const LoopLock lock(*pulse_, loop_);
        if (corkTimer_ != nullptr) {
            const pa_mainloop_api* api = pulse_->threaded_mainloop_get_api(loop_);
            api->time_free(corkTimer_);
            corkTimer_ = nullptr;
        }
        closeStream();
        if (context_ != nullptr) {
            pulse_->context_set_state_callback(context_, nullptr, nullptr);
            pulse_->context_disconnect(context_);
            pulse_->context_unref(context_);
            context_ = nullptr;
        }
    }
    pulse_->threaded_mainloop_stop(loop_);
    pulse_->threaded_mainloop_free(loop_);
}

bool PulseAudioOutput::connect() {
    if (loop_ != nullptr || setupFailed_) {
        return !setupFailed_;
    }
    setupFailed_ = true;  // until the loop runs
    pulse_ = loadPulseLibrary(libraryFile_);
    if (pulse_ == nullptr) {
        return false;
    }
    loop_ = pulse_->threaded_mainloop_new();
    if (loop_ == nullptr) {
        return false;
    }
    context_ =
        pulse_->context_new(pulse_->threaded_mainloop_get_api(loop_), applicationName_.c_str());
    // No autospawn: starting a server is the desktop's business, and it could keep us waiting.
    if (context_ == nullptr ||
        pulse_->context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        return false;
    }
    pulse_->context_set_state_callback(context_, &PulseAudioOutput::onContextState, this);
    setupFailed_ = pulse_->threaded_mainloop_start(loop_) < 0;
    return !setupFailed_;
}

void PulseAudioOutput::onContextState(pa_context* context, void* self) {
    auto* output = static_cast<PulseAudioOutput*>(self);
    switch (output->pulse_->context_get_state(context)) {
        case PA_CONTEXT_READY:
            output->openStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            // A desktop without sound stays silent for the rest of the run.
            output->serverGone_ = true;
            output->closeStream();
            break;
        default:
            break;
    }
}

// With the loop's lock held and the context ready.
void PulseAudioOutput::openStream() {
    closeStream();
    if (format_.sampleRate == 0 || context_ == nullptr ||
        pulse_->context_get_state(context_) != PA_CONTEXT_READY) {
        return;
    }
    pa_sample_spec sampleFormat{};
    sampleFormat.format = format_.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<std::uint32_t>(format_.sampleRate);
    sampleFormat.channels = static_cast<std::uint8_t>(format_.channels);
    stream_ = pulse_->stream_new(context_, "cues", &sampleFormat, nullptr);
    if (stream_ == nullptr) {
        return;
    }
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength =
        static_cast<std::uint32_t>(pulse_->usec_to_bytes(kBufferedMs * 1000, &sampleFormat));
    buffer.prebuf = 0;  // play the first samples at once and never wait to refill
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    pulse_->stream_set_write_callback(stream_, &PulseAudioOutput::onWritable, this);
    // Corked until the first samples are written (feed), so a stream opened ahead of the first cue
    // costs the server nothing meanwhile.
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY | PA_STREAM_START_CORKED);
    if (pulse_->stream_connect_playback(stream_, nullptr, &buffer, flags, nullptr, nullptr) < 0) {
        closeStream();
    }
}

// With the loop's lock held.
void PulseAudioOutput::closeStream() {
    if (stream_ != nullptr) {
        pulse_->stream_set_write_callback(stream_, nullptr, nullptr);
        pulse_->stream_disconnect(stream_);
        pulse_->stream_unref(stream_);
        stream_ = nullptr;
    }
}

void PulseAudioOutput::onWritable(pa_stream*, std::size_t bytes, void* self) {
    static_cast<PulseAudioOutput*>(self)->feed(bytes);
}

// With the loop's lock held: hands the server as much of the cue as it asked for, and lets the
// stream play once it holds samples.
void PulseAudioOutput::feed(std::size_t bytes) {
    if (stream_ == nullptr || pulse_->stream_get_state(stream_) != PA_STREAM_READY) {
        return;
    }
    const auto size = std::min(static_cast<qsizetype>(bytes), playing_.size() - position_);
    if (size <= 0) {
        return;
    }
    // The library copies the samples, so the cue may be replaced at any time after.
    pulse_->stream_write(stream_, playing_.constData() + position_, static_cast<std::size_t>(size),
                         nullptr, 0, PA_SEEK_RELATIVE);
    position_ += size;
    setCorked(false);
    if (position_ == playing_.size()) {
        corkWhenPlayedOut();
    }
}

// With the loop's lock held and the whole cue written: corks the stream once the cue has surely
// been heard to its end. By now the server holds no more than kBufferedMs of it, and the device,
// even a wireless one, a few hundred milliseconds at most. (The server's own report of the end, a
// drain, does not serve: with prebuf 0 the server plays an empty stream as silence instead of
// letting it run dry, and PulseAudio left the drain unanswered.)
void PulseAudioOutput::corkWhenPlayedOut() {
    const pa_usec_t at = pulse_->rtclock_now() + kCorkAfterMs * PA_USEC_PER_MSEC;
    if (corkTimer_ == nullptr) {
        corkTimer_ = pulse_->context_rttime_new(context_, at, &PulseAudioOutput::onPlayedOut, this);
    } else {
        pulse_->context_rttime_restart(context_, corkTimer_, at);
    }
    playedOutCue_ = cue_;
}

void PulseAudioOutput::onPlayedOut(pa_mainloop_api*, pa_time_event*, const struct timeval*,
                                   void* self) {
    auto* output = static_cast<PulseAudioOutput*>(self);
    // A cue started since is left playing; it sets the timer again once written.
    if (output->playedOutCue_ == output->cue_) {
        output->setCorked(true);
    }
}

// With the loop's lock held.
void PulseAudioOutput::setCorked(bool corked) {
    if (stream_ != nullptr && pulse_->stream_get_state(stream_) == PA_STREAM_READY &&
        (pulse_->stream_is_corked(stream_) > 0) != corked) {
        dropOperation(*pulse_, pulse_->stream_cork(stream_, corked ? 1 : 0, nullptr, nullptr));
    }
}

void PulseAudioOutput::prepare(const Wave& wave) {
    if (!connect()) {
        return;
    }
    const LoopLock lock(*pulse_, loop_);
    if (!serverGone_ && (!sameFormat(format_, wave) || stream_ == nullptr)) {
        format_ = Wave{wave.sampleRate, wave.channels, wave.bitsPerSample, {}};
        openStream();
    }
}

void PulseAudioOutput::play(const Wave& wave) {
    prepare(wave);
    if (setupFailed_) {
        return;
    }
    const LoopLock lock(*pulse_, loop_);
    playing_ = wave.samples;
    position_ = 0;
    ++cue_;
    if (stream_ != nullptr && pulse_->stream_get_state(stream_) == PA_STREAM_READY) {
        dropOperation(*pulse_, pulse_->stream_flush(stream_, nullptr, nullptr));
        const std::size_t room = pulse_->stream_writable_size(stream_);
        if (room != static_cast<std::size_t>(-1)) {
            feed(room);
        }
    }
    // A stream still connecting asks for the samples itself once it is ready.
}

void PulseAudioOutput::stop() {
    if (loop_ == nullptr) {
        return;
    }
    const LoopLock lock(*pulse_, loop_);
    playing_.clear();
    position_ = 0;
    ++cue_;
    if (stream_ != nullptr && pulse_->stream_get_state(stream_) == PA_STREAM_READY) {
        setCorked(true);
        dropOperation(*pulse_, pulse_->stream_flush(stream_, nullptr, nullptr));
    }
}

}  // namespace quorvane::ui
