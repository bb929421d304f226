// SPDX-License-Identifier: MIT
// Turns process signals (a logout's SIGTERM and SIGHUP, a terminal's SIGINT) into a call on the
// event loop. The handler only writes the signal's number to a pipe, which is all a handler may
// safely do; a socket notifier on the pipe's other end makes the call once the loop runs. A
// program that has not ended 3 s after the first signal (stuck where the loop cannot run) is
// ended by that signal's default action; the watch takes SIGALRM for this.
#pragma once

#include <csignal>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class QSocketNotifier;

namespace quorvane::ui {

class SignalWatch {
  public:
    // Only one watch may exist at a time; the handlers are the process's.
    SignalWatch(std::initializer_list<int> signalNumbers, std::function<void(int)> onSignal);
    // Puts the handlers that were there before back.
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    // False when the pipe could not be made; the signals then keep their default action.
    bool isActive() const { return notifier_ != nullptr; }

  private:
    void drain();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<std::pair<int, struct sigaction>> previous_;
};

}  // namespace quorvane::ui
