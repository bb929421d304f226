#include "signalwatch.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <utility>

namespace quorvane::ui {

namespace {

std::atomic<int> writeEnd{-1};
int readEnd = -1;

extern "C" void writeSignalNumber(int number) {
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(number);
    // Non-blocking: with the pipe full, the signals already waiting in it say enough.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd.load(), &byte, 1);
    errno = savedErrno;
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
