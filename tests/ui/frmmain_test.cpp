// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "board_layout.h"
#include "engine/engine.h"
#include "ui/board/boardview.h"
#include "ui/enginehost.h"
#include "ui/frame/frameimage.h"
#include "ui/frame/linklabel.h"
#include "ui/frame/skinnedframe.h"
#include "ui/frame/windowdrag.h"
#include "ui/frmmain.h"
#include "ui/sound/soundplayer.h"
#include "ui/system/positionstore.h"
#include "widgets/xpbutton.h"
#include "window_support.h"

namespace quorvane::ui {
namespace {

using testing::cellCentre;
using testing::setBoard;
using testing::tilesOnBoard;

// A pointer move with no button held, delivered to the widget under it.
void moveOver(QWidget* widget, QPointF at, QPointF global) {
    QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}
void moveOver(QWidget* widget, QPoint at = QPoint(5, 5)) {
    moveOver(widget, at, widget->mapToGlobal(QPointF(at)));
}

class MainWindow : public testing::WindowTest {
  protected:
    void click(Command command) { QTest::mouseClick(button(command), Qt::LeftButton); }
    IntervalTimer& countdown() { return window->engineHost().countdown(); }
    IntervalTimer& holdTimer() { return window->engineHost().holdTimer(); }
};

TEST_F(MainWindow, LoadShowsTheFixedWindowAndDealsLevelOne) {
    EXPECT_EQ(window->size(), QSize(759, 569));
    EXPECT_EQ(window->windowTitle(), window->title());
    EXPECT_TRUE(window->title().startsWith("Quorvane "));
    EXPECT_EQ(window->title().count('.'), 2);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(tilesOnBoard(), 140);
    // Nothing picked: the first press only picks.
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(countdown().isEnabled());
    EXPECT_EQ(countdown().interval(), 2500);
    EXPECT_FALSE(holdTimer().isEnabled());
    EXPECT_TRUE(window->nextLevelLink()->isHidden());
    EXPECT_EQ(window->noticeLink()->toolTip(), "查看版权所有者信息");
    EXPECT_EQ(button(Command::WebSite)->caption(), "官方网站");
    EXPECT_EQ(button(Command::Hint)->caption(), "求助 10");
    EXPECT_EQ(window->levelNumber()->text(), "1");
}

// The work kept back until after the first frame (the task-list icon, readying the sounds) is
// started once, when that frame has been painted, and never again.
TEST_F(MainWindow, SaysOnceThatItsFirstFrameIsPainted) {
    QSignalSpy shown(window.get(), &ui::FrmMainWindow::firstFrameShown);
    EXPECT_TRUE(shown.wait(5000));
    window->update();
    window->repaint();
    QTest::qWait(50);
    EXPECT_EQ(shown.count(), 1);
}

// A game nobody has touched holds no sound; the player's first key or move readies the cues,
// before a press can ask for one.
TEST_F(MainWindow, ThePlayersFirstInputReadiesTheCuesNotTheFirstFrame) {
    QSignalSpy shown(window.get(), &ui::FrmMainWindow::firstFrameShown);
    ASSERT_TRUE(shown.wait(5000));
    QTest::qWait(50);
    EXPECT_FALSE(window->engineHost().sounds().holdsCues());
    QTest::keyClick(window.get(), Qt::Key_Shift);
    EXPECT_TRUE(window->engineHost().sounds().holdsCues());
}

TEST_F(MainWindow, PressesMapPixelsToCellsAndOnlyThePlayingFieldCounts) {
    // Two lone tiles at the ends of row 2, and a pair elsewhere so the board is not dead.
    setBoard({"", ".A............C", "", "", "", "", "", "", "", "", ".BB"});
    pickRow = 11;
    pickCol = 15;
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(45, 39));  // row 1: the ring
    EXPECT_EQ(pickRow, 11);
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(45, 40));  // row 2, column 2
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 2);
    EXPECT_EQ(prevPickRow, 11);

    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(600, 45));  // column 16: the ring
    EXPECT_EQ(pickCol, 2);
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, QPoint(599, 45));
    EXPECT_EQ(pickCol, 15);
    EXPECT_EQ(board[2][2].present, 1);  // A and C do not link

    // Positions are rounded before dividing: 39.6 is pixel 40, row 2; any button picks.
    pickRow = pickCol = 1;
    const QPointF at(599.4, 39.6);
    QMouseEvent press(QEvent::MouseButtonPress, at, boardView()->mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(boardView(), &press);
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 15);
}

TEST_F(MainWindow, PressesAreIgnoredWhilePausedOrAfterTheLevelEnded) {
    const int16 row = pickRow;
    click(Command::Pause);
    ASSERT_EQ(paused, True);
    QTest::mousePress(boardView(), Qt::LeftButton, {}, cellCentre(5, 5));
    EXPECT_EQ(pickRow, row);

    // A release over the board while paused resumes, but selects nothing.
    QTest::mouseRelease(boardView(), Qt::LeftButton, {}, cellCentre(5, 5));
    EXPECT_EQ(paused, False);
    EXPECT_EQ(pickRow, row);
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, cellCentre(5, 5));
    EXPECT_EQ(pickRow, 5);

    timeUp();
    QTest::mousePress(boardView(), Qt::LeftButton, {}, cellCentre(6, 6));
    EXPECT_EQ(pickRow, 5);
    QTest::mouseRelease(boardView(), Qt::LeftButton, {}, cellCentre(6, 6));
}

TEST_F(MainWindow, ReleaseOverTheBoardDealsTheNextLevelWhenItIsOffered) {
    levelCleared();
    ASSERT_FALSE(window->nextLevelLink()->isHidden());
    EXPECT_EQ(window->nextLevelLink()->text(), "> 下一关");
    EXPECT_EQ(level, 2);
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, cellCentre(1, 1));
    EXPECT_EQ(playing, True);
    EXPECT_EQ(window->levelNumber()->text(), "2");
    EXPECT_TRUE(window->nextLevelLink()->isHidden());
    EXPECT_EQ(countdown().interval(), 2000);
}

TEST_F(MainWindow, RestartAsksFirstAndNoLeavesEverything) {
    const Cell before = board[3][3];
    hintsLeft = 4;
    desk.answerYes = false;
    click(Command::Restart);
    ASSERT_EQ(desk.questions.size(), 1);
    EXPECT_EQ(desk.questions[0], "Quorvane|你确定要重新载入游戏吗？");
    EXPECT_EQ(hintsLeft, 4);
    EXPECT_EQ(board[3][3].kind, before.kind);

    // Yes while paused deals again, running, as the pause caption says.
    click(Command::Pause);
    EXPECT_EQ(button(Command::Pause)->caption(), "开始");
    desk.answerYes = true;
    click(Command::Restart);
    EXPECT_EQ(hintsLeft, 10);
    EXPECT_EQ(button(Command::Pause)->caption(), "暂停");
    EXPECT_EQ(paused, False);
    EXPECT_TRUE(countdown().isEnabled());
}

TEST_F(MainWindow, HintLeavesItsButtonEnabledWithTheFocus) {
    QApplication::setActiveWindow(window.get());
    button(Command::Restart)->setFocus();
    click(Command::Hint);
    EXPECT_EQ(hintsLeft, 9);
    EXPECT_TRUE(button(Command::Hint)->isEnabled());
    EXPECT_EQ(button(Command::Hint)->caption(), "求助 9");
    EXPECT_TRUE(button(Command::Hint)->hasFocus());
}

TEST_F(MainWindow, AboutBoxAndWebLinks) {
    click(Command::About);
    ASSERT_EQ(desk.informed.size(), 1);
    const QStringList lines = desk.informed[0].split('|')[1].split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(desk.informed[0].split('|')[0], "关于本程序...");
    EXPECT_EQ(lines[0], "本程序《Quorvane》是一款经典好玩的小游戏。");
    EXPECT_EQ(lines[1], "本程序是自由软件，依照 MIT 许可证发布。");
    EXPECT_EQ(lines[2], "（当前程序版本为" + window->title().mid(9) + "）");

    click(Command::WebSite);
    click(Command::Channel);
    ASSERT_EQ(desk.opened.size(), 2);
    EXPECT_NE(desk.opened[0], desk.opened[1]);
    EXPECT_TRUE(desk.opened[0].isValid());

    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(desk.opened.size(), 3);
    EXPECT_TRUE(desk.opened[2].toLocalFile().endsWith("/help.html"));
    EXPECT_FALSE(desk.opened[2].toLocalFile().contains("//"));

    // The notice at the bottom opens the web site too.
    QTest::mouseClick(window->noticeLink(), Qt::LeftButton);
    ASSERT_EQ(desk.opened.size(), 4);
    EXPECT_EQ(desk.opened[3], desk.opened[0]);
}

TEST_F(MainWindow, PositionIsSavedOnUnloadAndRestoredClampedToTheScreen) {
    saveWindowPosition(QPoint(1500, 3000));
    EXPECT_EQ(loadWindowPosition(QPoint(7, 7)), QPoint(1500, 3000));

    QFile store(settingsFile());
    ASSERT_TRUE(store.open(QIODevice::WriteOnly | QIODevice::Truncate));
    store.write("[SetLog]\nfrmMainX=left\nfrmMainY=99999999999999\n");
    store.close();
    EXPECT_EQ(loadWindowPosition(QPoint(7, 8)), QPoint(7, 8));

    int value = 0;
    EXPECT_TRUE(parseTwips(" -150 ", value));
    EXPECT_EQ(value, -150);
    EXPECT_FALSE(parseTwips("12abc", value));
    EXPECT_FALSE(parseTwips("", value));

    // Off the screen on every side: pulled back so the whole window shows, never negative.
    saveWindowPosition(QPoint(-3000, 10'000'000));
    FrmMainWindow second(dataDir());
    second.Form_Load();
    EXPECT_EQ(second.savedLeft(), 0);
    const int screenH = second.screen()->geometry().height() * 15;
    EXPECT_EQ(second.savedTop(), std::max(0, screenH - 8535) == 0 ? 0 : screenH - 8535);
}

// Closed while minimised, the window remembers where it stood when last shown normally, wherever
// the window manager has put it meanwhile.
TEST_F(MainWindow, AMinimisedWindowRemembersWhereItWasShownNormally) {
    window->move(100, 50);
    window->showMinimized();
    window->move(-32000, -32000);  // where some window managers park a minimised window
    window->close();
    EXPECT_EQ(loadWindowPosition(QPoint(0, 0)), QPoint(1500, 750));
}

TEST_F(MainWindow, FrameImagesShowHoverAndPressedLooksGuardedByTheirTags) {
    FrameImage* close = window->skinnedFrame().closeImage();
    FrameImage* minimise = window->skinnedFrame().minimiseImage();
    EXPECT_EQ(close->shown(), nullptr);
    moveOver(close);
    const QImage* hover = close->shown();
    ASSERT_NE(hover, nullptr);
    EXPECT_EQ(close->tag(), "1");
    moveOver(close);
    EXPECT_EQ(close->shown(), hover);

    QTest::mousePress(close, Qt::LeftButton);
    EXPECT_NE(close->shown(), hover);
    EXPECT_EQ(close->tag(), "1");
    QTest::mouseRelease(close, Qt::LeftButton);
    EXPECT_EQ(close->shown(), nullptr);
    EXPECT_TRUE(close->tag().isEmpty());

    // Moving onto the title area takes the hover look off both images.
    moveOver(minimise);
    moveOver(close);
    moveOver(window->skinnedFrame().titleBar());
    EXPECT_EQ(close->shown(), nullptr);
    EXPECT_EQ(minimise->shown(), nullptr);
}

TEST_F(MainWindow, CloseQuestionAndMinimiseRemembersThePosition) {
    desk.answerYes = false;
    QTest::mouseClick(window->skinnedFrame().closeImage(), Qt::LeftButton);
    EXPECT_EQ(desk.questions.last(), "Quorvane|你确定要关闭并结束程序吗？");
    EXPECT_TRUE(window->isVisible());

    window->move(30, 40);
    QTest::mouseClick(window->skinnedFrame().minimiseImage(), Qt::LeftButton);
    EXPECT_EQ(window->savedLeft(), 30 * 15);
    EXPECT_EQ(window->savedTop(), 40 * 15);
}

// With no window manager to take the move, the window follows the pointer while the button is
// held on the frame; a click on a link is no drag.
TEST_F(MainWindow, TheFrameDragsTheWindowAndALinkDoesNot) {
    QWidget* titleBar = window->skinnedFrame().titleBar();
    window->move(100, 100);
    const QPoint grip(200, 10);
    const QPointF globalGrip = titleBar->mapToGlobal(QPointF(grip));
    QTest::mousePress(titleBar, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, QPointF(grip), globalGrip + QPointF(30, 20), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(titleBar, &drag);
    EXPECT_EQ(window->pos(), QPoint(130, 120));
    QTest::mouseRelease(titleBar, Qt::LeftButton, {}, grip);
    moveOver(titleBar, QPointF(grip), globalGrip + QPointF(90, 90));
    EXPECT_EQ(window->pos(), QPoint(130, 120));

    QTest::mouseClick(window->noticeLink(), Qt::LeftButton);
    EXPECT_EQ(desk.opened.size(), 1);
    moveOver(window.get(), QPointF(300, 3), window->mapToGlobal(QPointF(350, 53)));
    EXPECT_EQ(window->pos(), QPoint(130, 120));
}

// The three links, the board and a button that is off keep their presses from the window: a press
// there, wherever its release goes, leaves the window where it is.
TEST_F(MainWindow, OnlyTheFrameAndThePanelsStartADrag) {
    QWidget* titleBar = window->skinnedFrame().titleBar();
    const WindowDrag& drag = window->skinnedFrame().drag();
    window->move(100, 100);
    const QPointF overTitle = titleBar->mapToGlobal(QPointF(300, 10));
    const auto pressThenMoveOverTheTitle = [&](QWidget* widget, const char* what) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(widget->isVisible());
        QTest::mousePress(widget, Qt::LeftButton, {}, QPoint(3, 3));
        EXPECT_EQ(drag.state(), WindowDrag::State::Idle);
        for (const Qt::MouseButtons held : {Qt::MouseButtons(Qt::LeftButton), Qt::MouseButtons()}) {
            QMouseEvent move(QEvent::MouseMove, QPointF(300, 10), overTitle + QPointF(40, 30),
                             Qt::NoButton, held, Qt::NoModifier);
            QApplication::sendEvent(titleBar, &move);
        }
        QTest::mouseRelease(titleBar, Qt::LeftButton, {}, QPoint(300, 10));
        EXPECT_EQ(window->pos(), QPoint(100, 100));
    };
    pressThenMoveOverTheTitle(window->noticeLink(), "the notice");
    pressThenMoveOverTheTitle(boardView(), "the board");
    button(Command::Hint)->setEnabled(false);
    pressThenMoveOverTheTitle(button(Command::Hint), "a button that is off");
    button(Command::Hint)->setEnabled(true);
    levelCleared();
    pressThenMoveOverTheTitle(window->nextLevelLink(), "> 下一关");
    startLevel();
    timeUp();
    ASSERT_EQ(window->nextLevelLink()->text(), "继续游戏");
    pressThenMoveOverTheTitle(window->nextLevelLink(), "继续游戏");
}

// A question box opened from the keyboard while the title is held ends the drag: the release
// goes to the box, and the pointer coming back over the title moves nothing.
TEST_F(MainWindow, AQuestionBoxOpenedDuringATitleDragEndsIt) {
    ui::desktop().askYesNo = desk.saved.askYesNo;  // the real question box
    QApplication::setActiveWindow(window.get());
    button(Command::Restart)->setFocus();
    QWidget* titleBar = window->skinnedFrame().titleBar();
    window->move(100, 100);
    const QPoint grip(300, 10);
    QTest::mousePress(titleBar, Qt::LeftButton, {}, grip);
    ASSERT_EQ(window->skinnedFrame().drag().state(), WindowDrag::State::Armed);

    // Answers No as soon as the box shows, from inside its own event loop.
    bool asked = false;
    QTimer answerNo;
    answerNo.setInterval(0);
    QObject::connect(&answerNo, &QTimer::timeout, [&] {
        if (QWidget* box = QApplication::activeModalWidget(); box != nullptr) {
            asked = true;
            answerNo.stop();
            box->close();
        }
    });
    answerNo.start();
    QTest::keyClick(button(Command::Restart), Qt::Key_Space);
    ASSERT_TRUE(asked);
    EXPECT_EQ(window->skinnedFrame().drag().state(), WindowDrag::State::Idle);

    const QPointF global = titleBar->mapToGlobal(QPointF(grip));
    for (const Qt::MouseButtons held : {Qt::MouseButtons(Qt::LeftButton), Qt::MouseButtons()}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(grip), global + QPointF(60, 40), Qt::NoButton,
                         held, Qt::NoModifier);
        QApplication::sendEvent(titleBar, &move);
    }
    EXPECT_EQ(window->pos(), QPoint(100, 100));
}

TEST_F(MainWindow, ThePointerOverTheBoardFollowsTilesAndKeepsItsShapeOverEmptyCells) {
    setBoard({"", ".AA"});
    moveOver(boardView(), cellCentre(2, 2));
    EXPECT_TRUE(boardView()->tileCursorShown());
    moveOver(boardView(), cellCentre(5, 5));  // empty inner cell: unchanged
    EXPECT_TRUE(boardView()->tileCursorShown());
    moveOver(boardView(), cellCentre(1, 5));  // the ring
    EXPECT_FALSE(boardView()->tileCursorShown());
    moveOver(boardView(), cellCentre(5, 5));
    EXPECT_FALSE(boardView()->tileCursorShown());
}

TEST_F(MainWindow, ClosingDuringALinkHoldDropsTheRemovalAndLeavesCleanly) {
    setBoard({"", ".AA"});
    pickRow = 2;
    pickCol = 2;
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, cellCentre(2, 3));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(holdingLink);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(pairsRemoved, 1);  // counted when the link was accepted, before the hold
    EXPECT_FALSE(holdTimer().isEnabled());
    EXPECT_FALSE(countdown().isEnabled());
}

TEST_F(MainWindow, ALinkIsHeldForTwoTicksOfTimer1ThenThePairGoes) {
    setBoard({"", ".AA"});
    pickRow = 2;
    pickCol = 2;
    const int cues = window->engineHost().sounds().cuesStarted();
    QTest::mouseClick(boardView(), Qt::LeftButton, {}, cellCentre(2, 3));
    EXPECT_EQ(board[2][2].present, 0);
    EXPECT_EQ(board[2][3].present, 0);
    EXPECT_GE(delayTicks, 2);
    EXPECT_FALSE(holdTimer().isEnabled());
    EXPECT_EQ(window->engineHost().sounds().cuesStarted(), cues + 2);  // click, then match
    EXPECT_EQ(pickRow, 1);
}

}  // namespace
}  // namespace quorvane::ui
