// SPDX-License-Identifier: MIT
// Playing from the keyboard: the board cursor, Space and Return on the board, Tab round the
// controls and the shortcuts, each key delivered where the window would deliver it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTest>

#include "board_layout.h"
#include "engine/engine.h"
#include "ui/accessibility/boardaccessible.h"
#include "ui/board/boardview.h"
#include "ui/enginehost.h"
#include "ui/frame/linklabel.h"
#include "ui/frmmain.h"
#include "widgets/xpbutton.h"
#include "window_support.h"

namespace quorvane::ui {
namespace {

using testing::cellCentre;
using testing::setBoard;

class KeyboardPlay : public testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        QApplication::setActiveWindow(window.get());
        button(Command::Restart)->setFocus();
    }

    BoardView* view() const { return window->boardView(); }
    QWidget* focus() const { return QApplication::focusWidget(); }

    // A key pressed and released on whatever has the focus, as the window system delivers it;
    // what the buttons hand on to the window arrives too.
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = focus() != nullptr ? focus() : window.get();
        QTest::keyClick(target, k, modifiers);
        QCoreApplication::sendPostedEvents();
    }
    void keys(Qt::Key k, int times) {
        for (int i = 0; i < times; ++i) {
            key(k);
        }
    }
    QPoint cursorAt() const { return {view()->keyRow(), view()->keyCol()}; }
    // Pixels of the cursor's colour the board shows, and those in the engine's own picture.
    static int cursorPixels(const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                n += (image.pixel(x, y) & 0xffffff) == BoardView::kKeyCursorRgb ? 1 : 0;
            }
        }
        return n;
    }
    int shownCursorPixels() const { return cursorPixels(view()->grab().toImage()); }
};

TEST_F(KeyboardPlay, TheFirstArrowShowsTheCursorTopLeftThenArrowsWalkThePlayingField) {
    EXPECT_FALSE(view()->keyCursorShown());
    EXPECT_EQ(shownCursorPixels(), 0);

    // An arrow on a button reaches the window, which hands the board the focus.
    key(Qt::Key_Down);
    EXPECT_EQ(focus(), view());
    ASSERT_TRUE(view()->keyCursorShown());
    EXPECT_EQ(cursorAt(), QPoint(2, 2));
    // Drawn over the canvas, never into the engine's picture.
    const int shown = shownCursorPixels();
    EXPECT_GE(shown, 100);
    EXPECT_EQ(cursorPixels(view()->image()), 0);
    const QImage grabbed = view()->grab().toImage();
    EXPECT_EQ(grabbed.pixel(cellLeft(2) + 1, cellTop(2) + 1) & 0xffffff, BoardView::kKeyCursorRgb);

    // The ring is never entered.
    key(Qt::Key_Up);
    key(Qt::Key_Left);
    EXPECT_EQ(cursorAt(), QPoint(2, 2));
    keys(Qt::Key_Right, 20);
    keys(Qt::Key_Down, 20);
    EXPECT_EQ(cursorAt(), QPoint(11, 15));
    key(Qt::Key_Left);
    key(Qt::Key_Up);
    EXPECT_EQ(cursorAt(), QPoint(10, 14));
    EXPECT_EQ(view()->grab().toImage().pixel(cellLeft(14) + 1, cellTop(10) + 1) & 0xffffff,
              BoardView::kKeyCursorRgb);

    // A mouse press on the board takes the cursor away; the next arrow brings it back where it
    // was, and only the one after moves it.
    QTest::mouseClick(view(), Qt::LeftButton, {}, cellCentre(5, 5));
    EXPECT_FALSE(view()->keyCursorShown());
    EXPECT_EQ(shownCursorPixels(), 0);
    key(Qt::Key_Right);
    EXPECT_EQ(cursorAt(), QPoint(10, 14));
    EXPECT_TRUE(view()->keyCursorShown());
    key(Qt::Key_Right);
    EXPECT_EQ(cursorAt(), QPoint(10, 15));

    // Hidden while paused, back on resuming.
    key(Qt::Key_P);
    ASSERT_EQ(paused, True);
    EXPECT_FALSE(view()->keyCursorShown());
    EXPECT_EQ(shownCursorPixels(), 0);
    key(Qt::Key_Left);  // nothing to move while it is hidden
    key(Qt::Key_P);
    EXPECT_EQ(paused, False);
    EXPECT_EQ(cursorAt(), QPoint(10, 15));
    EXPECT_EQ(shownCursorPixels(), shown);
}

TEST_F(KeyboardPlay, SpaceAndReturnPressTheCellUnderTheCursorAsAClickDoes) {
    setBoard({"", ".A.A", "", "", "", "", "", "", "", "", ".BB"});
    paintBoard();
    pickRow = pickCol = 1;
    key(Qt::Key_Right);  // shows the cursor on (2, 2)
    key(Qt::Key_Space);
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 2);
    EXPECT_TRUE(view()->showsSelectedLook(2, 2));
    keys(Qt::Key_Right, 2);
    key(Qt::Key_Return);  // links (2, 2) and (2, 4) round the empty (2, 3)
    EXPECT_EQ(board[2][2].present, 0);
    EXPECT_EQ(board[2][4].present, 0);
    EXPECT_EQ(pairsRemoved, 1);
    EXPECT_TRUE(view()->keyCursorShown());

    // While paused a press picks nothing and resumes the game, as a click on the board does.
    key(Qt::Key_P);
    ASSERT_EQ(paused, True);
    keys(Qt::Key_Down, 8);
    key(Qt::Key_Space);
    EXPECT_EQ(paused, False);
    EXPECT_EQ(pickRow, 1);
    EXPECT_EQ(cursorAt(), QPoint(2, 4));

    // The last pair pressed by keys clears the level, whose offer stands until the next press.
    pairsRemoved = kPairsPerLevel - 1;
    keys(Qt::Key_Down, 9);
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    key(Qt::Key_Left);
    key(Qt::Key_Space);
    ASSERT_EQ(levelOver, True);
    EXPECT_FALSE(window->nextLevelLink()->isHidden());
    EXPECT_EQ(window->levelNumber()->text(), "1");
    key(Qt::Key_Space);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(window->levelNumber()->text(), "2");
    EXPECT_TRUE(window->nextLevelLink()->isHidden());
}

using KeyboardStart = testing::WindowTest;

TEST_F(KeyboardStart, TheWindowOpensWithTheFirstButtonFocused) {
    QApplication::setActiveWindow(window.get());
    EXPECT_EQ(QApplication::focusWidget(), button(Command::Restart));
}

TEST_F(KeyboardPlay, TabGoesFromTheBoardRoundTheButtonsAndBack) {
    key(Qt::Key_Right);
    ASSERT_EQ(focus(), view());
    const Command order[] = {Command::Restart, Command::Pause,   Command::Hint,
                             Command::About,   Command::WebSite, Command::Channel};
    for (Command command : order) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focus(), button(command));
        EXPECT_FALSE(view()->keyCursorShown());
    }
    key(Qt::Key_Tab);
    EXPECT_EQ(focus(), view());
    EXPECT_TRUE(view()->keyCursorShown());
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), button(Command::Channel));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focus(), button(Command::Channel));

    // A focused button takes Space as its own press; the board is not pressed.
    button(Command::Pause)->setFocus();
    const int16 row = pickRow;
    key(Qt::Key_Space);
    EXPECT_EQ(paused, True);
    EXPECT_EQ(pickRow, row);
    EXPECT_EQ(focus(), button(Command::Pause));
}

TEST_F(KeyboardPlay, ShortcutsDoWhatAClickOnTheirControlDoesAndNothingWhenItIsOff) {
    key(Qt::Key_Right);  // from the board as from a button
    key(Qt::Key_P);
    EXPECT_EQ(paused, True);
    EXPECT_EQ(button(Command::Pause)->caption(), "开始");
    key(Qt::Key_Pause);
    EXPECT_EQ(paused, False);
    key(Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(paused, False);

    // A shortcut leaves the keys where they were: Space after H presses the board's cell, not
    // the hint button. Space on the hint button itself keeps it focused.
    key(Qt::Key_H);
    EXPECT_EQ(hintsLeft, 9);
    EXPECT_EQ(button(Command::Hint)->caption(), "求助 9");
    EXPECT_EQ(focus(), view());
    EXPECT_TRUE(view()->keyCursorShown());
    key(Qt::Key_Space);
    EXPECT_EQ(hintsLeft, 9);
    button(Command::Hint)->setFocus();
    key(Qt::Key_Space);
    EXPECT_EQ(hintsLeft, 8);
    EXPECT_EQ(focus(), button(Command::Hint));

    button(Command::Hint)->setEnabled(false);
    button(Command::Pause)->setEnabled(false);
    key(Qt::Key_H);
    key(Qt::Key_P);
    EXPECT_EQ(hintsLeft, 8);
    EXPECT_EQ(paused, False);
    button(Command::Hint)->setEnabled(true);
    button(Command::Pause)->setEnabled(true);

    desk.answerYes = false;
    key(Qt::Key_F2);
    ASSERT_EQ(desk.questions.size(), 1);
    EXPECT_EQ(desk.questions[0], "Quorvane|你确定要重新载入游戏吗？");
    EXPECT_EQ(hintsLeft, 8);
    desk.answerYes = true;
    key(Qt::Key_F2);
    EXPECT_EQ(hintsLeft, 10);

    // N only while the link is offered.
    const std::uint32_t deals = dealCount;
    key(Qt::Key_N);
    EXPECT_EQ(dealCount, deals);
    levelCleared();
    window->nextLevelLink()->setEnabled(false);
    key(Qt::Key_N);
    EXPECT_EQ(dealCount, deals);
    window->nextLevelLink()->setEnabled(true);
    key(Qt::Key_N);
    EXPECT_EQ(dealCount, deals + 1);
    EXPECT_EQ(window->levelNumber()->text(), "2");
    EXPECT_TRUE(window->nextLevelLink()->isHidden());
}

// Another window with the keyboard takes the cursor away; coming back brings it again.
TEST_F(KeyboardPlay, TheCursorShowsOnlyWhileTheWindowHasTheKeyboard) {
    key(Qt::Key_Right);
    ASSERT_TRUE(view()->keyCursorShown());
    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QCoreApplication::processEvents();
    EXPECT_FALSE(view()->keyCursorShown());
    EXPECT_EQ(shownCursorPixels(), 0);
    QApplication::setActiveWindow(window.get());
    QCoreApplication::processEvents();
    EXPECT_TRUE(view()->keyCursorShown());
    EXPECT_GE(shownCursorPixels(), 100);
}

}  // namespace
}  // namespace quorvane::ui
