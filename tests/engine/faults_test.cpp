// SPDX-License-Identifier: MIT
#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

// A dead board of 126 tiles, seven pairs already taken, with kind 25 at (11, 15). Every random
// draw is 0, so a reshuffle fills the cells from number 2 (row 2, column 3) on, lowest kind
// first: the 126 tiles end at (11, 2), kind 25 last, and row 11 from column 3 on is left empty.
class EmptiedCell : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        setDeadFullBoard();
        ASSERT_EQ(emptyPairsKeepingDead(7), 7);
        swapKindNames({11, 15}, 25);
        ASSERT_TRUE(boardIsDead());
        pairsRemoved = 7;
        window.randomValues = {0.0F};
    }

    // After the reshuffle (11, 15) is empty but remembers kind 25, and (10, 15) right above it
    // holds a 25. The cell picked before must not be linked: nothing may go.
    void pressNextToTheEmptiedPick() {
        ASSERT_EQ((Pos{pickRow, pickCol}), (Pos{11, 15}));
        ASSERT_EQ(board[11][15].present, 0);
        ASSERT_EQ(board[11][15].kind, 25);
        ASSERT_EQ(board[10][15].present, 1);
        ASSERT_EQ(board[10][15].kind, 25);
        window.sounds.clear();
        ASSERT_TRUE(pressCell(10, 15));
        EXPECT_EQ(board[10][15].present, 1);
        EXPECT_EQ(pairsRemoved, 7);
        EXPECT_EQ(window.sounds, std::vector<std::string>{"\\hit.wav"});
        expectConsistentGame();
        window.randomValues.clear();
        playOut(3);
        EXPECT_EQ(pairsRemoved, 70);
        EXPECT_EQ(tilesOnBoard(), 0);
        EXPECT_EQ(levelOver, True);
    }
};

TEST_F(EmptiedCell, APressAfterAReshuffleNeverLinksToAnEmptiedPick) {
    ASSERT_TRUE(pressCell(11, 15));  // dead board: reshuffled before this press's search
    EXPECT_EQ(window.boardCanvas.clsCount, 1);
    EXPECT_EQ(pairsRemoved, 7);
    pressNextToTheEmptiedPick();
}

TEST_F(EmptiedCell, APressAfterAHintThatReshuffledNeverLinksToAnEmptiedPick) {
    setPick(11, 15);
    useHint();  // nothing links: costs a hint, reshuffles, gives the player's pick back
    EXPECT_EQ(hintsLeft, 2);
    EXPECT_EQ(window.boardCanvas.clsCount, 1);
    pressNextToTheEmptiedPick();
}

class LinkHold : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        setBoard({"", "", "", "", "....AA", "", "", "", "..CC"});
        setPick(5, 6);
    }

    // The clock runs out while the link that `take` found is held.
    void timeOutDuringTheHold(const std::function<void()>& take) {
        timeLeft = 0;
        onFirstWait([this] { window.tickTimer2(); });
        window.boardCanvas.reset();
        window.timeBar.reset();
        take();
        EXPECT_EQ(levelOver, True);
        EXPECT_EQ(playing, False);
        EXPECT_EQ(timeLeft, 0);
        EXPECT_TRUE(window.timeBar.paints.empty());
        EXPECT_EQ(window.boardCanvas.paints,
                  (std::vector<Paint>{{Form2::Picture5(0), 140, 220, 360, 40}}));
        EXPECT_TRUE(window.boardCanvas.lines.empty());
        EXPECT_EQ(window.nextLevelLink.caption, "继续游戏");
        EXPECT_TRUE(window.nextLevelLink.visible);
    }

    // A level dealt while a link was held keeps all its tiles: the held pair is not taken.
    void expectTheNewDealWhole() {
        EXPECT_EQ(tilesOnBoard(), 140);
        EXPECT_EQ(pairsRemoved, 0);
        EXPECT_EQ(timeLeft, 150);
        expectConsistentGame();
    }
};

TEST_F(LinkHold, PressesAndHintsWaitButTheClockAndPauseRun) {
    onFirstWait([] {
        EXPECT_FALSE(pressCell(9, 3));
        useHint();
        EXPECT_EQ(hintsLeft, 3);
        countdownTick();
        EXPECT_EQ(timeLeft, 149);
        togglePause();
        EXPECT_EQ(paused, True);
    });
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(board[5][5].present, 0);
    EXPECT_EQ(board[9][3].present, 1);
    EXPECT_EQ((Pos{prevPickRow, prevPickCol}), (Pos{1, 1}));
    EXPECT_EQ(timeLeft, 150);
    EXPECT_EQ(pairsRemoved, 1);
    EXPECT_EQ(window.waits, 2);
    EXPECT_FALSE(holdingLink);
    EXPECT_EQ(paused, True);
}

// The pair goes while the game is paused, but the board stays hidden behind the pause banner
// until the game resumes; resuming paints it without the pair.
TEST_F(LinkHold, APauseDuringTheHoldKeepsTheBoardHiddenUntilResumed) {
    onFirstWait([] { togglePause(); });
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(board[5][5].present, 0);
    EXPECT_EQ(board[5][6].present, 0);
    EXPECT_EQ(pairsRemoved, 1);
    EXPECT_EQ(timeLeft, 150);
    const std::vector<Paint> bannerOnly{{Form2::Picture3, 224, 168, 192, 144}};
    EXPECT_EQ(window.boardCanvas.paints, bannerOnly);
    EXPECT_TRUE(window.boardCanvas.lines.empty());

    togglePause();
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture1(2), 80, 320, 40, 40},
                                  {Form2::Picture1(2), 120, 320, 40, 40}}));
    EXPECT_EQ(window.boardCanvas.lines.size(), 28U);
}

// Paused during the hold of a hint's pair, which leaves a dead board: the reshuffle after the
// hint waits for the resume to be seen as well. With every random draw 0 the four tiles left
// are laid from (2, 3) on.
TEST_F(LinkHold, APauseDuringAHintsHoldHidesTheReshuffleToo) {
    setBoard({"", "", "", "", "....AA", "", "", "", "..BC", "..CB"});
    window.randomValues = {0.0F};
    onFirstWait([] { togglePause(); });
    useHint();
    EXPECT_EQ(hintsLeft, 2);
    EXPECT_EQ(pairsRemoved, 1);
    ASSERT_EQ(board[2][3].present, 1);  // reshuffled
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture3, 224, 168, 192, 144}}));
    EXPECT_TRUE(window.boardCanvas.lines.empty());
    togglePause();
    EXPECT_EQ(window.boardCanvas.paints.size(), 4U);
}

// The last pair ends the level even while paused: the empty board and the level-cleared banner
// show, as after any clear, since there is nothing left to hide.
TEST_F(LinkHold, TheLastPairTakenWhilePausedShowsTheLevelClearedBanner) {
    setBoard({"", "", "", "", "....AA"});
    pairsRemoved = 69;
    onFirstWait([] { togglePause(); });
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(levelOver, True);
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture5(1), 140, 220, 360, 40}}));
    EXPECT_TRUE(window.nextLevelLink.visible);
    // The clear ends the pause: the next level runs at once.
    EXPECT_EQ(paused, False);
    EXPECT_EQ(window.pauseButton.caption, "暂停");
    startLevel();
    EXPECT_TRUE(window.countdown.enabled);
    EXPECT_TRUE(pressCell(5, 5));
}

TEST_F(LinkHold, ALevelDealtDuringTheHoldKeepsAllItsTiles) {
    std::size_t barPaintsAfterDeal = 0;
    onFirstWait([this, &barPaintsAfterDeal] {
        startLevel();  // the restart button
        barPaintsAfterDeal = window.timeBar.paints.size();
    });
    ASSERT_TRUE(pressCell(5, 5));
    expectTheNewDealWhole();
    EXPECT_EQ(window.timeBar.paints.size(), barPaintsAfterDeal);
    EXPECT_EQ(window.timeBar.paints.back(), (Paint{Form2::Picture4, 0, 0, 450, 10}));
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_FALSE(window.holdTimer.enabled);
}

TEST_F(LinkHold, ALevelDealtAfterATimeOutDuringTheHoldKeepsAllItsTiles) {
    timeLeft = 0;
    onFirstWait([this] {
        window.tickTimer2();
        ASSERT_EQ(levelOver, True);
        startLevel();  // the next-level link offered after the time-out
    });
    ASSERT_TRUE(pressCell(5, 5));
    expectTheNewDealWhole();
    EXPECT_EQ(playing, True);
}

TEST_F(LinkHold, AHintWhoseLevelIsDealtAgainCostsTheNewLevelNothing) {
    level = 2;
    onFirstWait([] { startLevel(); });
    useHint();
    EXPECT_EQ(hintsLeft, 9);
    EXPECT_EQ(window.hintButton.caption, "求助 9");
    expectTheNewDealWhole();
}

// Whether by a press or by a hint, a time-out during the hold leaves the board covered by its
// banner and the bar empty; the lost level gives no time back.
TEST_F(LinkHold, ATimeOutDuringThePressesHoldLeavesTheBannerOverTheBoard) {
    timeOutDuringTheHold([] { ASSERT_TRUE(pressCell(5, 5)); });
}

TEST_F(LinkHold, ATimeOutDuringTheHintsHoldLeavesTheBannerOverTheBoard) {
    timeOutDuringTheHold([] { useHint(); });
}

TEST_F(LinkHold, AWindowGoingAwayDropsTheRemoval) {
    window.abandonWaits = true;
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(board[5][5].present, 1);
    EXPECT_EQ(board[5][6].present, 1);
    EXPECT_EQ(window.waits, 1);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(pathTop, 1);
    EXPECT_FALSE(holdingLink);
}

}  // namespace
}  // namespace quorvane::testing
