#include "windowdrag.h"

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

void WindowDrag::arm(QPoint globalPress) {
    state_ = State::Armed;
    pressedAt_ = globalPress;
    pressOffset_ = globalPress - window_->pos();
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

void WindowDrag::pointerMoved(QPoint global) {
    switch (state_) {
        case State::Armed: {
            const int distance = QGuiApplication::styleHints()->startDragDistance();
            if ((global - pressedAt_).manhattanLength() < distance) {
                return;
            }
            // The window manager takes the pointer's place now as the start of its move, so
            // there the window trails the pointer by the few pixels of the drag distance.
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
                pointerMoved(mouse->globalPosition().toPoint());
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
            arm(press->globalPosition().toPoint());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quorvane::ui
