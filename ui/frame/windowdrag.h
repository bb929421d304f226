// SPDX-License-Identifier: MIT
// Moving the window with the pointer: a press of the left button on one of the window's drag
// handles (its own background, the title area, the panels the window names) and a move of the
// pointer with the button held. One owner follows the whole gesture:
//
//   Idle        nothing held on a handle
//   Armed       the left button went down on a handle; nothing moves until the pointer has gone
//               the platform's drag distance, so a click (however quick) is no move at all
//   SystemMove  the window manager took the move over
//   ManualMove  no window manager took it: the window follows the pointer itself
//
// Whatever the state, the gesture ends on any button coming up, wherever that lands; on a modal
// dialog opening over the window; on the window losing activation or being hidden; on the
// application going inactive; and on a pointer move whose buttons no longer include the left one.
// While a gesture runs, the drag watches every event of the application, since the release may go
// to any widget (or none of ours).
#pragma once

#include <QObject>
#include <QPoint>
#include <QSet>
#include <optional>

class QMouseEvent;
class QWidget;

namespace quorvane::ui {

class WindowDrag : public QObject {
    Q_OBJECT
  public:
    enum class State { Idle, Armed, SystemMove, ManualMove };
    Q_ENUM(State)

    // Drags `window`, which is a drag handle itself.
    explicit WindowDrag(QWidget* window);
    ~WindowDrag() override;

    // A left press on the widget itself (not on a child that is no handle) arms a drag.
    void addHandle(QWidget* widget);

    State state() const { return state_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Asks the window manager to run the move; false when there is none to take it. Tests
    // replace it.
    virtual bool startSystemMove();

  private:
    bool pressedOnHandle(QObject* watched, const QMouseEvent& press) const;
    std::optional<QPoint> positionInWindow(QObject* watched, const QMouseEvent& event) const;
    void arm(QObject* watched, const QMouseEvent& press);
    void follow(QObject* watched, QEvent* event);
    void pointerMoved(QObject* watched, const QMouseEvent& move);
    void settleWindowPosition(QObject* watched, const QMouseEvent& move);
    void end();

    QWidget* window_;
    QSet<const QObject*> handles_;
    State state_ = State::Idle;
    QPoint pressedAt_;       // where the left button went down, on the screen
    QPoint pressOffset_;     // the same point in the window
    bool watching_ = false;  // the application-wide filter is installed
};

}  // namespace quorvane::ui
