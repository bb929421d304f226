// SPDX-License-Identifier: MIT
// A timer that runs by an Enabled flag and an Interval, as window timers do: enabling starts a
// fresh interval, enabling a running timer leaves it running, changing the interval of a running
// timer restarts it, and an interval of 0 never fires.
#pragma once

#include <QObject>
#include <QTimer>

#include "engine/window.h"

namespace quorvane::ui {

class IntervalTimer : public QObject, public Timer {
    Q_OBJECT
  public:
    explicit IntervalTimer(int interval, QObject* parent = nullptr);

    void setEnabled(bool enabled) override;
    void setInterval(int milliseconds) override;
    bool isEnabled() const { return enabled_; }
    int interval() const { return interval_; }

  signals:
    void timeout();

  private:
    void apply();

    QTimer timer_;
    bool enabled_ = false;
    int interval_;
};

}  // namespace quorvane::ui
