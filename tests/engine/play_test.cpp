// SPDX-License-Identifier: MIT
#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class WholeLevel : public EngineTest {};

TEST_F(WholeLevel, EveryLevelIsPlayedToTheEndThroughPressesAndHints) {
    for (int16 played = 1; played <= 12; ++played) {
        SCOPED_TRACE(played);
        ASSERT_EQ(level, played);
        window.second = played * 7 % 60;
        startLevel();
        expectConsistentGame();
        const int moves = playOut(static_cast<unsigned>(played));
        ASSERT_FALSE(HasFatalFailure());
        EXPECT_GE(moves, 35);
        ASSERT_EQ(levelOver, True);
        ASSERT_EQ(playing, False);
        ASSERT_EQ(pairsRemoved, 70);
        ASSERT_EQ(tilesOnBoard(), 0);
        ASSERT_EQ(window.nextLevelLink.caption, "> 下一关");
        ASSERT_EQ(window.sounds.back(), "\\gamewin.wav");
        ASSERT_GE(timeLeft, 1);  // the clock never ran out
    }
    EXPECT_EQ(level, 12);
}

TEST_F(WholeLevel, HintsAloneClearALevel) {
    startLevel();
    hintsLeft = 200;
    int hints = 0;
    while (levelOver != True && hints < 200) {
        useHint();
        ++hints;
        expectConsistentGame();
        ASSERT_FALSE(HasFatalFailure());
    }
    EXPECT_EQ(pairsRemoved, 70);
    EXPECT_GE(hints, 70);  // a hint on a dead board removes nothing and reshuffles
    EXPECT_EQ(hintsLeft, 200 - hints);
}

}  // namespace
}  // namespace quorvane::testing
