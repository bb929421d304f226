#include "classictimer.h"

namespace quorvane::ui {

ClassicTimer::ClassicTimer(int interval, QObject* parent) : QObject(parent), interval_(interval) {
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &ClassicTimer::timeout);
}

void ClassicTimer::setEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;  // enabling a running timer leaves its interval running
    }
    enabled_ = enabled;
    apply();
}

void ClassicTimer::setInterval(int milliseconds) {
    if (milliseconds == interval_) {
        return;
    }
    interval_ = milliseconds;
    apply();
}

void ClassicTimer::apply() {
    if (enabled_ && interval_ > 0) {
        timer_.start(interval_);
    } else {
        timer_.stop();
    }
}

}  // namespace quorvane::ui
