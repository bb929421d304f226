#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "engine/engine.h"
#include "ui/frameimage.h"
#include "ui/frmmain.h"
#include "ui/picturebox.h"
#include "ui/platform.h"
#include "ui/positionstore.h"
#include "ui/soundplayer.h"
#include "widgets/xpbutton.h"

namespace quorvane::ui {
namespace {

// Answers the window's questions and records what it shows and opens.
struct RecordingDesktop {
    RecordingDesktop() : saved(desktop()) {
        desktop().askYesNo = [this](QWidget*, const QString& title, const QString& text) {
            questions.push_back(title + "|" + text);
            return answerYes;
        };
        desktop().inform = [this](QWidget*, const QString& title, const QString& text) {
            informed.push_back(title + "|" + text);
        };
        desktop().open = [this](const QUrl& url) { opened.push_back(url); };
    }
    ~RecordingDesktop() { desktop() = saved; }

    Desktop saved;
    bool answerYes = false;
    QStringList questions;
    QStringList informed;
    QList<QUrl> opened;
};

// Puts tiles on the board by hand: '.' empty, 'A'.. kind 1.. present, 12 rows of up to 16.
void layBoard(const std::vector<std::string>& rows) {
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            const std::string line = r - 1 < static_cast<int>(rows.size()) ? rows[r - 1] : "";
            const char ch = c - 1 < static_cast<int>(line.size()) ? line[c - 1] : '.';
            board[r][c].present = ch == '.' ? 0 : 1;
            board[r][c].kind = ch == '.' ? 0 : static_cast<int16>(ch - 'A' + 1);
        }
    }
}

int tilesLeft() {
    int n = 0;
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            n += board[r][c].present;
        }
    }
    return n;
}

QPointF cellCentre(int row, int col) {
    return {(col - 1) * 40.0 + 20, (row - 1) * 40.0 + 20};
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Quorvane", "Quorvane").clear();
        window = std::make_unique<FrmMainWindow>(QCoreApplication::applicationDirPath());
        window->Form_Load();
    }
    void TearDown() override { window.reset(); }

    void click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    }

    RecordingDesktop desk;
    std::unique_ptr<FrmMainWindow> window;
};

TEST_F(MainWindow, LoadShowsTheFixedWindowAndDealsLevelOne) {
    EXPECT_EQ(window->size(), QSize(759, 569));
    EXPECT_EQ(window->windowTitle(), window->title());
    EXPECT_TRUE(window->title().startsWith("Quorvane "));
    EXPECT_EQ(window->title().count('.'), 2);
    EXPECT_EQ(level, 1);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(tilesLeft(), 140);
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 2);
    EXPECT_TRUE(window->Timer2().isEnabled());
    EXPECT_EQ(window->Timer2().interval(), 2500);
    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_TRUE(window->label4()->isHidden());
    EXPECT_EQ(window->lbBR()->toolTip(), "查看版权所有者信息");
    EXPECT_EQ(window->button(3)->caption(), "官方网站");
    EXPECT_EQ(window->button(5)->caption(), "求助 10");
    EXPECT_EQ(window->label3()->text(), "1");
}

TEST_F(MainWindow, PressesMapPixelsToCellsAndOnlyThePlayingFieldCounts) {
    // Two lone tiles at the ends of row 2, and a pair elsewhere so the board is not dead.
    layBoard({"", ".A............C", "", "", "", "", "", "", "", "", ".BB"});
    pickRow = 11;
    pickCol = 15;
    window->boardPressed(Qt::LeftButton, QPointF(45, 39));  // row 1: the ring
    EXPECT_EQ(pickRow, 11);
    window->boardPressed(Qt::LeftButton, QPointF(45, 40));  // row 2, column 2
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 2);
    EXPECT_EQ(prevPickRow, 11);

    window->boardPressed(Qt::LeftButton, QPointF(600, 45));  // column 16: the ring
    EXPECT_EQ(pickCol, 2);
    window->boardPressed(Qt::LeftButton, QPointF(599, 45));
    EXPECT_EQ(pickCol, 15);
    EXPECT_EQ(board[2][2].present, 1);  // A and C do not link

    // Positions are rounded before dividing: 39.6 is pixel 40, row 2; any button picks.
    pickRow = pickCol = 1;
    window->boardPressed(Qt::RightButton, QPointF(599.4, 39.6));
    EXPECT_EQ(pickRow, 2);
    EXPECT_EQ(pickCol, 15);
}

TEST_F(MainWindow, PressesAreIgnoredWhilePausedOrAfterTheLevelEnded) {
    const int16 row = pickRow;
    window->pauseClicked();
    ASSERT_EQ(paused, True);
    window->boardPressed(Qt::LeftButton, cellCentre(5, 5));
    EXPECT_EQ(pickRow, row);

    // A release over the board while paused resumes, but selects nothing.
    window->boardReleased(Qt::LeftButton, cellCentre(5, 5));
    EXPECT_EQ(paused, False);
    EXPECT_EQ(pickRow, row);
    window->boardPressed(Qt::LeftButton, cellCentre(5, 5));
    EXPECT_EQ(pickRow, 5);

    timeUp();
    window->boardPressed(Qt::LeftButton, cellCentre(6, 6));
    EXPECT_EQ(pickRow, 5);
}

TEST_F(MainWindow, ReleaseOverTheBoardDealsTheNextLevelWhenItIsOffered) {
    levelCleared();
    ASSERT_FALSE(window->label4()->isHidden());
    EXPECT_EQ(window->label4()->text(), "> 下一关");
    EXPECT_EQ(level, 2);
    window->boardReleased(Qt::LeftButton, cellCentre(1, 1));
    EXPECT_EQ(playing, True);
    EXPECT_EQ(window->label3()->text(), "2");
    EXPECT_TRUE(window->label4()->isHidden());
    EXPECT_EQ(window->Timer2().interval(), 2000);
}

TEST_F(MainWindow, RestartAsksFirstAndNoLeavesEverything) {
    const Cell before = board[3][3];
    hintsLeft = 4;
    desk.answerYes = false;
    window->restartClicked();
    ASSERT_EQ(desk.questions.size(), 1);
    EXPECT_EQ(desk.questions[0], "Quorvane|你确定要重新载入游戏吗？");
    EXPECT_EQ(hintsLeft, 4);
    EXPECT_EQ(board[3][3].kind, before.kind);

    // Yes while paused deals again and resets the pause caption, but stays paused.
    window->pauseClicked();
    EXPECT_EQ(window->button(2)->caption(), "开始");
    desk.answerYes = true;
    window->restartClicked();
    EXPECT_EQ(hintsLeft, 10);
    EXPECT_EQ(window->button(2)->caption(), "暂停");
    EXPECT_EQ(paused, True);
    EXPECT_TRUE(window->Timer2().isEnabled());
}

TEST_F(MainWindow, HintLeavesItsButtonEnabledWithTheFocus) {
    QApplication::setActiveWindow(window.get());
    window->button(1)->setFocus();
    window->hintClicked();
    EXPECT_EQ(hintsLeft, 9);
    EXPECT_TRUE(window->button(5)->isEnabled());
    EXPECT_EQ(window->button(5)->caption(), "求助 9");
    EXPECT_TRUE(window->button(5)->hasFocus());
}

TEST_F(MainWindow, AboutBoxAndWebLinks) {
    window->aboutClicked();
    ASSERT_EQ(desk.informed.size(), 1);
    const QStringList lines = desk.informed[0].split('|')[1].split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(desk.informed[0].split('|')[0], "关于本程序...");
    EXPECT_EQ(lines[0], "本程序《Quorvane》是一款经典好玩的小游戏。");
    EXPECT_EQ(lines[1], "仅供个人娱乐，严禁非法传播或用于商业用途！");
    EXPECT_EQ(lines[2], "（当前程序版本为" + window->title().mid(9) + "）");

    window->webSiteClicked();
    window->channelClicked();
    ASSERT_EQ(desk.opened.size(), 2);
    EXPECT_NE(desk.opened[0], desk.opened[1]);
    EXPECT_TRUE(desk.opened[0].isValid());

    QTest::keyClick(window.get(), Qt::Key_F1);
    ASSERT_EQ(desk.opened.size(), 3);
    EXPECT_TRUE(desk.opened[2].toLocalFile().endsWith("/help.html"));
    EXPECT_FALSE(desk.opened[2].toLocalFile().contains("//"));
}

TEST_F(MainWindow, PositionIsSavedOnUnloadAndRestoredClampedToTheScreen) {
    saveWindowPosition(QPoint(1500, 3000));
    EXPECT_EQ(loadWindowPosition(QPoint(7, 7)), QPoint(1500, 3000));

    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Quorvane", "Quorvane");
    store.setValue("SetLog/frmMainX", "left");
    store.setValue("SetLog/frmMainY", "99999999999999");
    store.sync();
    EXPECT_EQ(loadWindowPosition(QPoint(7, 8)), QPoint(7, 8));

    int value = 0;
    EXPECT_TRUE(parseTwips(" -150 ", value));
    EXPECT_EQ(value, -150);
    EXPECT_FALSE(parseTwips("12abc", value));
    EXPECT_FALSE(parseTwips("", value));

    // Off the screen on every side: pulled back so the whole window shows, never negative.
    saveWindowPosition(QPoint(-3000, 10'000'000));
    FrmMainWindow second(QCoreApplication::applicationDirPath());
    second.Form_Load();
    EXPECT_EQ(second.savedLeft(), 0);
    const int screenH = second.screen()->geometry().height() * 15;
    EXPECT_EQ(second.savedTop(), std::max(0, screenH - 8535) == 0 ? 0 : screenH - 8535);
}

TEST_F(MainWindow, FrameImagesShowHoverAndPressedLooksGuardedByTheirTags) {
    FrameImage* close = window->imClose();
    EXPECT_EQ(close->shown(), nullptr);
    close->pointerMoved();
    const QImage* hover = close->shown();
    ASSERT_NE(hover, nullptr);
    EXPECT_EQ(close->tag(), "1");
    close->pointerMoved();
    EXPECT_EQ(close->shown(), hover);

    close->buttonPressed();
    EXPECT_NE(close->shown(), hover);
    EXPECT_EQ(close->tag(), "1");
    close->buttonReleased();
    EXPECT_EQ(close->shown(), nullptr);
    EXPECT_TRUE(close->tag().isEmpty());

    // Moving onto the title area takes the hover look off both images.
    window->imMin()->pointerMoved();
    close->pointerMoved();
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(window->imBar(), &move);
    EXPECT_EQ(close->shown(), nullptr);
    EXPECT_EQ(window->imMin()->shown(), nullptr);
}

TEST_F(MainWindow, CloseQuestionAndMinimiseRemembersThePosition) {
    desk.answerYes = false;
    window->closeImageClicked();
    EXPECT_EQ(desk.questions.last(), "Quorvane|你确定要关闭并结束程序吗？");
    EXPECT_TRUE(window->isVisible());

    window->move(30, 40);
    window->minimiseImageClicked();
    EXPECT_EQ(window->savedLeft(), 30 * 15);
    EXPECT_EQ(window->savedTop(), 40 * 15);
}

TEST_F(MainWindow, ThePointerOverTheBoardFollowsTilesAndKeepsItsShapeOverEmptyCells) {
    layBoard({"", ".AA"});
    window->boardMoved(cellCentre(2, 2));
    EXPECT_TRUE(window->cursorIsCustom());
    window->boardMoved(cellCentre(5, 5));  // empty inner cell: unchanged
    EXPECT_TRUE(window->cursorIsCustom());
    window->boardMoved(cellCentre(1, 5));  // the ring
    EXPECT_FALSE(window->cursorIsCustom());
    window->boardMoved(cellCentre(5, 5));
    EXPECT_FALSE(window->cursorIsCustom());
}

TEST_F(MainWindow, ClosingDuringALinkHoldDropsTheRemovalAndLeavesCleanly) {
    layBoard({"", ".AA"});
    pickRow = 2;
    pickCol = 2;
    QTimer::singleShot(0, window.get(), [this] { window->close(); });
    window->boardPressed(Qt::LeftButton, cellCentre(2, 3));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(holdingLink);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(pairsRemoved, 1);  // counted when the link was accepted, before the hold
    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_FALSE(window->Timer2().isEnabled());
}

TEST_F(MainWindow, ALinkIsHeldForTwoTicksOfTimer1ThenThePairGoes) {
    layBoard({"", ".AA"});
    pickRow = 2;
    pickCol = 2;
    const int cues = window->sounds().cuesStarted();
    window->boardPressed(Qt::LeftButton, cellCentre(2, 3));
    EXPECT_EQ(board[2][2].present, 0);
    EXPECT_EQ(board[2][3].present, 0);
    EXPECT_GE(delayTicks, 2);
    EXPECT_FALSE(window->Timer1().isEnabled());
    EXPECT_EQ(window->sounds().cuesStarted(), cues + 2);  // click, then match
    EXPECT_EQ(pickRow, 1);
}

}  // namespace
}  // namespace quorvane::ui
