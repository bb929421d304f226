// SPDX-License-Identifier: MIT
#include "ui/intervaltimer.h"

namespace quorvane::ui {

IntervalTimer::IntervalTimer(int interval, QObject* parent) : QObject(parent), interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::timeout);
}

void IntervalTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;  // enabling a running timer leaves its interval running
    }
    enabled_ = enabled;
    apply();
}

void IntervalTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    apply();
}

void IntervalTimer::apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace quorvane::ui
