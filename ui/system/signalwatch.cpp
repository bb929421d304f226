// SPDX-License-Identifier: MIT
#include "ui/system/signalwatch.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <utility>

namespace quorvane::ui {

namespace {

// A program stuck where the event loop cannot run (a blocking read, say) would otherwise outlive
// every signal but SIGKILL. This long after the first signal it ends as that signal's default
// action would have ended it.
constexpr unsigned kGraceSeconds = 3;

static_assert(std::atomic<int>::is_always_lock_free, "used in a signal handler");
std::atomic<int> writeEnd{-1};
int readEnd = -1;
std::atomic<int> firstSignal{0};

extern "C" void writeSignalNumber(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: with the pipe full, the signals already waiting in it say enough.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd.load(), &byte, 1);
    int none = 0;
    if (firstSignal.compare_exchange_strong(none, number)) {
        ::alarm(kGraceSeconds);
    }
    errno = savedErrno;
}

extern "C" void endAsFirstSignalWould(int) {
    const int number = firstSignal.load();
    ::signal(number, SIG_DFL);
    ::raise(number);
}

}  // namespace

SignalWatch::SignalWatch(std::initializer_list<int> signalNumbers,
                         std::function<void(int)> onSignal)
    : onSignal_(std::move(onSignal)) {
    int ends[2];
    if (writeEnd.load() >= 0 || ::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    readEnd = ends[0];
    writeEnd.store(ends[1]);
    notifier_ = std::make_unique<QSocketNotifier>(readEnd, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { drain(); });

    struct sigaction action {};
    action.sa_handler = writeSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : signalNumbers) {
        struct sigaction before {};
        if (::sigaction(number, &action, &before) == 0) {
            previous_.emplace_back(number, before);
        }
    }
    action.sa_handler = endAsFirstSignalWould;
    struct sigaction before {};
    if (::sigaction(SIGALRM, &action, &before) == 0) {
        previous_.emplace_back(SIGALRM, before);
    }
}

SignalWatch::~SignalWatch() {
    if (!notifier_) {
        return;
    }
    for (const auto& [number, before] : previous_) {
        ::sigaction(number, &before, nullptr);
    }
    notifier_.reset();
    const int ends[2] = {readEnd, writeEnd.exchange(-1)};
    readEnd = -1;
    ::close(ends[0]);
    ::close(ends[1]);
}

void SignalWatch::drain() {
    unsigned char bytes[64];
    int first = 0;
    ssize_t count = 0;
    while ((count = ::read(readEnd, bytes, sizeof bytes)) > 0 || (count < 0 && errno == EINTR)) {
        if (count > 0 && first == 0) {
            first = bytes[0];
        }
    }
    if (first != 0) {
        onSignal_(first);
    }
}

}  // namespace quorvane::ui
