// SPDX-License-Identifier: MIT
#include "ui/frame/windowdrag.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace quorvane::ui {

namespace {

bool isPress(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
}

}  // namespace

WindowDrag::WindowDrag(QWidget* window) : QObject(window), window_(window) {
    addHandle(window);
}

WindowDrag::~WindowDrag() {
    end();
}

void WindowDrag::addHandle(QWidget* widget) {
    handles_.insert(widget);
    widget->installEventFilter(this);
    connect(widget, &QObject::destroyed, this, [this](QObject* gone) { handles_.remove(gone); });
}

bool WindowDrag::startSystemMove() {
    QWindow* handle = window_->windowHandle();
    return handle != nullptr && handle->startSystemMove();
}

// A press a child does not take goes on to its parent, a handle perhaps: only a press on the
// handle itself, or on a child that is a handle too, starts a drag.
bool WindowDrag::pressedOnHandle(QObject* watched, const QMouseEvent& press) const {
    if (!handles_.contains(watched)) {
        return false;
    }
    const QWidget* under = static_cast<QWidget*>(watched)->childAt(press.position().toPoint());
    return under == nullptr || handles_.contains(under);
}

// Where the event happened in the window, when it happened in the window at all.
std::optional<QPoint> WindowDrag::positionInWindow(QObject* watched,
                                                   const QMouseEvent& event) const {
    const QPoint at = event.position().toPoint();
    if (watched == window_->windowHandle()) {
        return at;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (widget != nullptr && (widget == window_ || window_->isAncestorOf(widget))) {
        return widget->mapTo(window_, at);
    }
    return std::nullopt;
}

void WindowDrag::arm(QObject* watched, const QMouseEvent& press) {
    state_ = State::Armed;
    pressedAt_ = press.globalPosition().toPoint();
    pressOffset_ = positionInWindow(watched, press).value_or(pressedAt_ - window_->pos());
    if (!watching_) {
        QCoreApplication::instance()->installEventFilter(this);
        watching_ = true;
    }
}

void WindowDrag::end() {
    state_ = State::Idle;
    if (watching_) {
        if (QCoreApplication* app = QCoreApplication::instance(); app != nullptr) {
            app->removeEventFilter(this);
        }
        watching_ = false;
    }
}

// The window manager's move starts from the pointer's place as worked out from where the window
// is thought to be. Under a window manager that record can be wrong until the window has had some
// attention (right after it first shows, it can read (0, 0)), and the window would jump by that
// much: the pointer event says where the window truly is.
void WindowDrag::settleWindowPosition(QObject* watched, const QMouseEvent& move) {
    QWindow* handle = window_->windowHandle();
    const std::optional<QPoint> inWindow = positionInWindow(watched, move);
    if (handle == nullptr || !inWindow) {
        return;
    }
    const QPoint truePosition = move.globalPosition().toPoint() - *inWindow;
    if (handle->position() != truePosition) {
        handle->setPosition(truePosition);
    }
}

void WindowDrag::pointerMoved(QObject* watched, const QMouseEvent& move) {
    const QPoint global = move.globalPosition().toPoint();
    switch (state_) {
        case State::Armed: {
            const int distance = QGuiApplication::styleHints()->startDragDistance();
            if ((global - pressedAt_).manhattanLength() < distance) {
                return;
            }
            // The window manager takes the pointer's place now as the start of its move, so
            // there the window trails the pointer by the few pixels of the drag distance.
            settleWindowPosition(watched, move);
            if (startSystemMove()) {
                state_ = State::SystemMove;
                return;
            }
            state_ = State::ManualMove;
            window_->move(global - pressOffset_);
            return;
        }
        case State::ManualMove:
            window_->move(global - pressOffset_);
            return;
        case State::Idle:
        case State::SystemMove:
            return;
    }
}

// While a gesture runs every event of the application comes here, some twice (on its way
// through the application's filters and the handle's): each step must bear repeating.
void WindowDrag::follow(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            end();
            return;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            // A second left press: the release of the first never came to us.
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton || !(mouse->buttons() & Qt::LeftButton)) {
                end();
            }
            return;
        }
        case QEvent::MouseMove: {
            const auto* mouse = static_cast<const QMouseEvent*>(event);
            if (mouse->buttons() & Qt::LeftButton) {
                pointerMoved(watched, *mouse);
            } else {
                end();
            }
            return;
        }
        case QEvent::WindowBlocked:  // a modal dialog opened over the window
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            if (watched == window_ || watched == window_->windowHandle()) {
                end();
            }
            return;
        case QEvent::ApplicationStateChange:
            if (static_cast<const QApplicationStateChangeEvent*>(event)->applicationState() !=
                Qt::ApplicationActive) {
                end();
            }
            return;
        default:
            return;
    }
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (state_ != State::Idle) {
        follow(watched, event);
    }
    if (state_ == State::Idle && isPress(event->type())) {
        const auto* press = static_cast<const QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && pressedOnHandle(watched, *press)) {
            arm(watched, *press);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvane::ui
