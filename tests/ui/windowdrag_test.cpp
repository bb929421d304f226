// SPDX-License-Identifier: MIT
#include "ui/frame/windowdrag.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>

namespace quorvane::ui {
namespace {

using State = WindowDrag::State;

}  // namespace

void PrintTo(WindowDrag::State state, std::ostream* out) {
    *out << QMetaEnum::fromType<WindowDrag::State>().valueToKey(static_cast<int>(state));
}

namespace {

// A drag whose window manager the test plays: it counts the requests and takes the move or not.
class RecordingDrag : public WindowDrag {
  public:
    using WindowDrag::WindowDrag;
    int systemMoves = 0;
    bool windowManager = false;

  protected:
    bool startSystemMove() override {
        ++systemMoves;
        return windowManager;
    }
};

// Sends a mouse event to `widget` at a point of the screen, as the platform would deliver it.
void send(QWidget* widget, QEvent::Type type, QPoint global, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(widget->mapFromGlobal(global)), QPointF(global), button,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
void press(QWidget* w, QPoint g, Qt::MouseButton b = Qt::LeftButton) {
    send(w, QEvent::MouseButtonPress, g, b, b);
}
void moveHeld(QWidget* w, QPoint g) {
    send(w, QEvent::MouseMove, g, Qt::NoButton, Qt::LeftButton);
}
void moveFree(QWidget* w, QPoint g) {
    send(w, QEvent::MouseMove, g, Qt::NoButton, Qt::NoButton);
}
void release(QWidget* w, QPoint g) {
    send(w, QEvent::MouseButtonRelease, g, Qt::LeftButton, Qt::NoButton);
}

// Closes the next modal box as soon as it shows, from inside its own event loop.
void closeNextModalBox() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget(); box != nullptr) {
            box->close();
        } else {
            closeNextModalBox();
        }
    });
}

// A window with a handle panel holding a label that is a handle too and a label that is not.
class Drag : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::Window);
        window->setGeometry(100, 100, 300, 200);
        panel = new QWidget(window.get());
        panel->setGeometry(0, 0, 300, 100);
        caption = new QLabel(QStringLiteral("caption"), panel);
        caption->setGeometry(10, 10, 80, 20);
        other = new QLabel(QStringLiteral("other"), panel);
        other->setGeometry(110, 10, 80, 20);
        drag = new RecordingDrag(window.get());
        drag->addHandle(panel);
        drag->addHandle(caption);
        window->show();
        QApplication::setActiveWindow(window.get());
        distance = QGuiApplication::styleHints()->startDragDistance();
        ASSERT_GT(distance, 1);
    }

    // Pressed on the panel, then carried far enough for the move to begin.
    void startMoving() {
        press(panel, grip);
        moveHeld(panel, grip + QPoint(40, 30));
        ASSERT_NE(drag->state(), State::Armed);
    }

    std::unique_ptr<QWidget> window;
    QWidget* panel = nullptr;
    QLabel* caption = nullptr;
    QLabel* other = nullptr;
    RecordingDrag* drag = nullptr;
    int distance = 0;
    const QPoint grip{300, 150};  // on the panel, away from the labels
};

// A click, however quick, never reaches the window manager: it could start a move that goes on
// after the button is up. The move starts once the pointer has gone the drag distance.
TEST_F(Drag, TheWindowManagerIsAskedOnlyOnceThePointerHasGoneTheDragDistance) {
    drag->windowManager = true;
    press(panel, grip);
    EXPECT_EQ(drag->state(), State::Armed);
    release(panel, grip);
    EXPECT_EQ(drag->state(), State::Idle);

    press(panel, grip);
    moveHeld(panel, grip + QPoint(distance - 1, 0));
    EXPECT_EQ(drag->state(), State::Armed);
    EXPECT_EQ(drag->systemMoves, 0);
    EXPECT_EQ(window->pos(), QPoint(100, 100));

    moveHeld(panel, grip + QPoint(distance - 1, 1));
    EXPECT_EQ(drag->state(), State::SystemMove);
    moveHeld(panel, grip + QPoint(50, 50));
    EXPECT_EQ(drag->systemMoves, 1);
    EXPECT_EQ(window->pos(), QPoint(100, 100));  // the window manager's to move
    // The window manager kept the release: the next move shows the button up.
    moveFree(window.get(), grip + QPoint(60, 60));
    EXPECT_EQ(drag->state(), State::Idle);
}

// Without a window manager the window follows the pointer from where it was pressed.
TEST_F(Drag, WithoutAWindowManagerTheWindowFollowsThePointer) {
    press(caption, QPoint(120, 115));
    moveHeld(caption, QPoint(120 + distance, 115));
    EXPECT_EQ(drag->state(), State::ManualMove);
    EXPECT_EQ(drag->systemMoves, 1);
    EXPECT_EQ(window->pos(), QPoint(100 + distance, 100));
    moveHeld(caption, QPoint(150, 95));
    EXPECT_EQ(window->pos(), QPoint(130, 80));
    release(caption, QPoint(150, 95));
    EXPECT_EQ(drag->state(), State::Idle);
    moveHeld(caption, QPoint(200, 200));  // a stale button state moves nothing
    EXPECT_EQ(window->pos(), QPoint(130, 80));
}

// A press that a child did not take comes on to the handle around it, and is no drag; nor is a
// press of another button.
TEST_F(Drag, OnlyALeftPressOnAHandleItselfArms) {
    press(other, QPoint(250, 115));
    EXPECT_EQ(drag->state(), State::Idle);
    press(panel, grip, Qt::RightButton);
    EXPECT_EQ(drag->state(), State::Idle);
    press(caption, QPoint(120, 115));
    EXPECT_EQ(drag->state(), State::Armed);
}

// However the gesture ends, a later move (even one that claims the button is still down) leaves
// the window where it is.
TEST_F(Drag, EveryWayOutEndsTheMove) {
    QWidget elsewhere;
    elsewhere.setGeometry(600, 600, 50, 50);
    elsewhere.show();
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"a release on another window", [&] { release(&elsewhere, QPoint(610, 610)); }},
        {"a release on a child that takes it", [&] { release(other, QPoint(250, 115)); }},
        {"a move with the button up", [&] { moveFree(window.get(), QPoint(10, 10)); }},
        {"a modal box",
         [&] {
             closeNextModalBox();
             QMessageBox::information(window.get(), QStringLiteral("t"), QStringLiteral("x"));
         }},
        {"the window deactivated",
         [&] {
             QEvent deactivate(QEvent::WindowDeactivate);
             QApplication::sendEvent(window.get(), &deactivate);
         }},
        {"the window hidden", [&] { window->hide(); }},
        {"the application inactive",
         [&] {
             QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
             QApplication::sendEvent(qApp, &inactive);
         }},
    };
    for (const auto& [what, ending] : endings) {
        SCOPED_TRACE(what);
        window->show();
        window->move(100, 100);
        startMoving();
        ASSERT_EQ(drag->state(), State::ManualMove);
        const QPoint at = window->pos();
        ending();
        EXPECT_EQ(drag->state(), State::Idle);
        window->show();
        moveHeld(panel, grip + QPoint(90, 90));
        moveFree(panel, grip + QPoint(90, 90));
        EXPECT_EQ(window->pos(), at);
    }
}

}  // namespace
}  // namespace quorvane::ui
