// SPDX-License-Identifier: MIT
#include "widgets/modqmtimer.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QTimer>
#include <QVariant>
#include <QWidget>

namespace qm::modQmTimer {

namespace {

QString TimerName(quintptr id) {
    return QStringLiteral("qm_timer_%1").arg(id);
}

QTimer* FindTimer(const QWidget* hwnd, quintptr id) {
    return hwnd->findChild<QTimer*>(TimerName(id), Qt::FindDirectChildrenOnly);
}

unsigned TickCount() {
    static QElapsedTimer clock;
    if (!clock.isValid()) {
        clock.start();
    }
    return static_cast<unsigned>(clock.elapsed());
}

WindowFromCursorFn& CursorFn() {
    static WindowFromCursorFn fn;
    return fn;
}

}  // namespace

bool SetTimer(QWidget* hwnd, quintptr id, int ms, TimerProc proc) {
    if (hwnd == nullptr || proc == nullptr) {
        return false;
    }
    QTimer* timer = FindTimer(hwnd, id);
    if (timer == nullptr) {
        // A child of the window, so a window that goes away takes its timers along.
        timer = new QTimer(hwnd);
        timer->setObjectName(TimerName(id));
    } else {
        timer->disconnect();
    }
    QObject::connect(timer, &QTimer::timeout, hwnd,
                     [hwnd, id, proc] { proc(hwnd, kTimerMessage, id, TickCount()); });
    timer->start(ms);
    return true;
}

bool KillTimer(QWidget* hwnd, quintptr id) {
    if (hwnd == nullptr) {
        return false;
    }
    QTimer* timer = FindTimer(hwnd, id);
    if (timer == nullptr) {
        return false;
    }
    // The callback may be the one killing its own timer: stop now, free once it has returned.
    timer->stop();
    timer->disconnect();
    timer->setObjectName(QString());
    timer->deleteLater();
    return true;
}

bool IsTimerSet(const QWidget* hwnd, quintptr id) {
    const QTimer* timer = hwnd != nullptr ? FindTimer(hwnd, id) : nullptr;
    return timer != nullptr && timer->isActive();
}

void SetProp(QWidget* hwnd, const QByteArray& key, quintptr value) {
    hwnd->setProperty(key.constData(), QVariant::fromValue<qulonglong>(value));
}

quintptr GetProp(const QWidget* hwnd, const QByteArray& key) {
    if (hwnd == nullptr) {
        return 0;
    }
    return static_cast<quintptr>(hwnd->property(key.constData()).toULongLong());
}

bool HasProp(const QWidget* hwnd, const QByteArray& key) {
    return hwnd != nullptr && hwnd->property(key.constData()).isValid();
}

void RemoveProp(QWidget* hwnd, const QByteArray& key) {
    if (hwnd != nullptr) {
        hwnd->setProperty(key.constData(), QVariant());
    }
}

void SetWindowFromCursorFn(WindowFromCursorFn fn) {
    CursorFn() = std::move(fn);
}

QWidget* WindowFromCursor() {
    if (CursorFn()) {
        return CursorFn()();
    }
    return QApplication::widgetAt(QCursor::pos());
}

}  // namespace qm::modQmTimer
