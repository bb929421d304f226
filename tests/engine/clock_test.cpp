// SPDX-License-Identifier: MIT
#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class Clock : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        startLevel();
        window.sounds.clear();
    }
};

TEST_F(Clock, EachTickShortensTheBarByOneUnit) {
    window.tickTimer2();
    EXPECT_EQ(timeLeft, 149);
    EXPECT_EQ(window.timeBar.clsCount, 1);
    EXPECT_EQ(window.timeBar.paints, (std::vector<Paint>{{Form2::Picture4, -3, 0, 450, 10}}));
}

TEST_F(Clock, TheLastUnitLeavesOnePixelAndTheNextTickEndsTheLevel) {
    for (int i = 0; i < 150; ++i) {
        window.tickTimer2();
    }
    EXPECT_EQ(timeLeft, 0);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(window.timeBar.paints, (std::vector<Paint>{{Form2::Picture4, -449, 0, 450, 10}}));
    EXPECT_TRUE(window.sounds.empty());

    window.tickTimer2();  // the 151st
    EXPECT_EQ(playing, False);
    EXPECT_EQ(levelOver, True);
    EXPECT_FALSE(window.countdown.enabled);
    EXPECT_TRUE(window.timeBar.paints.empty());
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture5(0), 140, 220, 360, 40}}));
    EXPECT_EQ(window.nextLevelLink.caption, "继续游戏");
    EXPECT_TRUE(window.nextLevelLink.visible);
    EXPECT_TRUE(window.nextLevelLink.enabled);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"\\gameover.wav"});
    EXPECT_EQ(level, 1);

    // Nothing goes on: no presses, no hints, no pause; the next-level link deals the same level.
    EXPECT_FALSE(pressCell(5, 5));
    useHint();
    EXPECT_EQ(hintsLeft, 10);
    togglePause();
    EXPECT_EQ(paused, False);
    startLevel();
    EXPECT_EQ(level, 1);
    EXPECT_EQ(playing, True);
    EXPECT_FALSE(window.nextLevelLink.visible);
}

class LastPair : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        setBoard({"", "", "", "", "....AA"});
        pairsRemoved = 69;
        setPick(5, 6);
    }
};

TEST_F(LastPair, TheSeventiethPairClearsTheLevel) {
    level = 3;
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(pairsRemoved, 70);
    EXPECT_EQ(tilesOnBoard(), 0);
    EXPECT_EQ(playing, False);
    EXPECT_EQ(levelOver, True);
    EXPECT_FALSE(window.countdown.enabled);
    // The banner comes after the board was repainted empty; the bar keeps its last state.
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture5(1), 140, 220, 360, 40}}));
    EXPECT_EQ(window.timeBar.paints.back(), (Paint{Form2::Picture4, 0, 0, 450, 10}));
    EXPECT_EQ(level, 4);
    EXPECT_EQ(window.nextLevelLink.caption, "> 下一关");
    EXPECT_TRUE(window.nextLevelLink.visible);
    EXPECT_TRUE(window.nextLevelLink.enabled);
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"\\hit.wav", "\\and.wav", "\\gamewin.wav"}));
}

TEST_F(LastPair, LevelTwelveStaysTwelve) {
    level = 12;
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(level, 12);
    startLevel();
    EXPECT_EQ(window.levelLabel.caption, "12");
    EXPECT_EQ(window.countdown.intervalMs, 100);
}

class Pause : public Clock {};

TEST_F(Pause, PauseHidesTheBoardAndResumeRepaintsItAsItWas) {
    const std::vector<Paint> dealt = window.boardCanvas.paints;
    window.tickTimer2();
    togglePause();
    EXPECT_EQ(paused, True);
    EXPECT_EQ(window.pauseButton.caption, "开始");
    EXPECT_FALSE(window.countdown.enabled);
    EXPECT_EQ(window.boardCanvas.paints,
              (std::vector<Paint>{{Form2::Picture3, 224, 168, 192, 144}}));
    window.tickTimer2();  // the countdown is stopped
    EXPECT_EQ(timeLeft, 149);
    EXPECT_FALSE(pressCell(5, 5));
    useHint();
    EXPECT_EQ(hintsLeft, 10);

    window.timeBar.reset();
    togglePause();
    EXPECT_EQ(paused, False);
    EXPECT_EQ(window.pauseButton.caption, "暂停");
    EXPECT_TRUE(window.countdown.enabled);
    EXPECT_EQ(window.boardCanvas.paints, dealt);
    EXPECT_EQ(window.boardCanvas.lines.size(), 28U);
    EXPECT_TRUE(window.timeBar.paints.empty());  // the bar is left as it was
    EXPECT_EQ(timeLeft, 149);
    window.tickTimer2();
    EXPECT_EQ(timeLeft, 148);
}

// A restart while paused deals a level that runs: the clock and the presses alike.
TEST_F(Pause, ARestartWhilePausedDealsARunningLevel) {
    togglePause();
    startLevel();
    EXPECT_EQ(paused, False);
    EXPECT_EQ(playing, True);
    EXPECT_TRUE(window.countdown.enabled);
    window.tickTimer2();
    EXPECT_EQ(timeLeft, 149);
    EXPECT_TRUE(pressCell(5, 5));
    togglePause();
    EXPECT_EQ(paused, True);
}

// The pick survives a pause: resuming shows it picked again, and the next press pairs with it.
TEST_F(Pause, ResumeShowsThePickPickedAgain) {
    ASSERT_TRUE(pressCell(6, 6));
    const int kind = board[6][6].kind;
    togglePause();
    togglePause();
    const Paint picked{Form2::Picture1(kind + 24), 200, 200, 40, 40};
    ASSERT_FALSE(window.boardCanvas.paints.empty());
    EXPECT_EQ(window.boardCanvas.paints.back(), picked);
    EXPECT_EQ((Pos{pickRow, pickCol}), (Pos{6, 6}));
}

// No deal leaves a pick behind, neither the first nor one after a time-out: the first press of
// a level only picks, even on a tile of the kind that lies where an earlier pick was.
TEST_F(Pause, EveryDealStartsWithNothingPicked) {
    for (const bool afterTimeOut : {false, true}) {
        initGameState();  // the pick the program starts with, (2, 2)
        if (afterTimeOut) {
            startLevel();
            ASSERT_TRUE(pressCell(2, 2));
            timeLeft = 0;
            window.tickTimer2();
            ASSERT_EQ(levelOver, True);
        }
        startLevel();
        board[2][3].kind = board[2][2].kind;
        ASSERT_TRUE(pressCell(2, 3));
        EXPECT_EQ(board[2][2].present, 1) << "after a time-out: " << afterTimeOut;
        EXPECT_EQ(board[2][3].present, 1) << "after a time-out: " << afterTimeOut;
        EXPECT_EQ(pairsRemoved, 0);
    }
}

TEST_F(Pause, PressingTheSameTileTwicePlaysOneClickAndSearchesOnce) {
    ASSERT_TRUE(pressCell(6, 6));
    const auto checksBefore = window.boardCanvas.paints.size();
    ASSERT_TRUE(pressCell(6, 6));
    EXPECT_EQ(window.sounds, std::vector<std::string>{"\\hit.wav"});
    EXPECT_EQ(window.boardCanvas.paints.size(), checksBefore);  // only the grid again
    EXPECT_EQ((Pos{pickRow, pickCol}), (Pos{6, 6}));
    EXPECT_EQ((Pos{prevPickRow, prevPickCol}), (Pos{6, 6}));
}

}  // namespace
}  // namespace quorvane::testing
