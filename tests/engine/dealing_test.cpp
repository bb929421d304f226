// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/engine.h"
#include "fake_window.h"

namespace quorvane::testing {
namespace {

class Dealing : public ::testing::Test {
  protected:
    void SetUp() override { initGameState(); }
    FakeWindow window;
};

TEST_F(Dealing, EveryDealFillsThePlayingFieldWithTwentySixesAndFiveFours) {
    for (int deal = 0; deal < 300; ++deal) {
        window.second = deal % 60;
        startLevel();
        for (int r = 1; r <= kRows; ++r) {
            for (int c = 1; c <= kCols; ++c) {
                ASSERT_EQ(board[r][c].present, isPlayingCell(r, c) ? 1 : 0) << r << "," << c;
            }
        }
        auto counts = tilesPerKind();
        const int sixes = static_cast<int>(std::count(counts.begin() + 1, counts.end(), 6));
        const int fours = static_cast<int>(std::count(counts.begin() + 1, counts.end(), 4));
        ASSERT_EQ(sixes, 20);
        ASSERT_EQ(fours, 5);
        // The four-tile kinds are the ones outside a run of twenty consecutive kinds.
        std::vector<int> fourKinds;
        for (int k = 1; k <= kKinds; ++k) {
            if (counts[k] == 4) {
                fourKinds.push_back(k);
            }
        }
        const int offset = static_cast<int>(
            std::count_if(fourKinds.begin(), fourKinds.end(), [](int k) { return k <= 5; }));
        ASSERT_GE(offset, 1);
        for (int k = 1; k <= offset; ++k) {
            ASSERT_EQ(counts[k], 4);
        }
        for (int k = offset + 21; k <= kKinds; ++k) {
            ASSERT_EQ(counts[k], 4);
        }
    }
}

TEST_F(Dealing, ShuffleOrderIsAlwaysAPermutation) {
    for (int run = 0; run < 500; ++run) {
        window.second = run % 60;
        std::array<int16, 140> order{};
        shuffleOrder(order.data());
        std::array<int16, 140> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 140; ++i) {
            ASSERT_EQ(sorted[i], i + 1);
        }
    }
}

TEST_F(Dealing, ShuffleOrderSkipsCountFreeSlotsFromTheStart) {
    // Every draw of 0 makes each skip value (30 x 0 + 0) mod 30 + 1 = 1 and the first count
    // 1 as well, so the order simply walks the free slots from slot 2.
    window.randomValues = {0.0F};
    std::array<int16, 140> order{};
    shuffleOrder(order.data());
    for (int j = 0; j < 139; ++j) {
        EXPECT_EQ(order[j], j + 2);
    }
    EXPECT_EQ(order[139], 1);
}

TEST_F(Dealing, RandomInRangeRoundsHalvesToEvenAndWrapsWithTheOffset) {
    window.randomValues = {0.5F};  // n = 5: 2.5 rounds to 2
    EXPECT_EQ(randomInRange(5, 1, 0), 3);
    window.randomValues = {0.7F};  // 3.5 rounds to 4
    EXPECT_EQ(randomInRange(5, 1, 0), 5);
    window.randomValues = {0.9F};  // 4.5 + 0 rounds to 4; with offset 59: 63.5 -> 64, mod 5 = 4
    EXPECT_EQ(randomInRange(5, 1, 0), 5);
    EXPECT_EQ(randomInRange(5, 1, 59), 5);
    window.randomValues = {0.99F};  // 4.95 -> 5, wraps to 0
    EXPECT_EQ(randomInRange(5, 1, 0), 1);
    for (int i = 0; i < 2000; ++i) {
        window.randomValues.clear();
        const int16 v = randomInRange(25, 1, static_cast<int16>(i % 60));
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 25);
    }
}

TEST_F(Dealing, TheStartUpGeneratorStaysInTheUnitIntervalAndRepeatsEveryRun) {
    StartupRandom a;
    StartupRandom b;
    for (int i = 0; i < 100000; ++i) {
        const float r = a.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        ASSERT_EQ(r, b.next());
    }
}

TEST_F(Dealing, StartLevelShowsTheLevelAndPaintsEveryTileWithTheGrid) {
    level = 11;
    startLevel();
    EXPECT_EQ(window.levelLabel.caption, "11");
    EXPECT_EQ(window.countdown.intervalMs, 200);
    EXPECT_TRUE(window.countdown.enabled);
    EXPECT_EQ(hintsLeft, 0);
    EXPECT_EQ(window.hintButton.caption, "求助 0");
    EXPECT_FALSE(window.nextLevelLink.visible);
    EXPECT_FALSE(window.nextLevelLink.enabled);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(levelOver, False);
    EXPECT_EQ(timeLeft, 150);
    ASSERT_EQ(window.boardCanvas.paints.size(), 140U);
    const Paint& first = window.boardCanvas.paints.front();
    EXPECT_EQ(first.picture, Form2::Picture1(board[2][2].kind - 1));
    EXPECT_EQ((Paint{first.picture, 40, 40, 40, 40}), first);
    ASSERT_EQ(window.boardCanvas.lines.size(), 28U);
    EXPECT_EQ(window.boardCanvas.lines[0].x1, 40);
    EXPECT_EQ(window.boardCanvas.lines[11].y1, 480);
    EXPECT_EQ(window.boardCanvas.lines[27].x1, 640);
    ASSERT_EQ(window.timeBar.paints.size(), 1U);
    EXPECT_EQ(window.timeBar.paints[0], (Paint{Form2::Picture4, 0, 0, 450, 10}));

    level = 1;
    startLevel();
    EXPECT_EQ(window.hintButton.caption, "求助 10");
    EXPECT_EQ(window.countdown.intervalMs, 2500);
}

TEST_F(Dealing, ShowLevelOutsideOneToTwelveOnlyRewritesTheHintCaption) {
    level = 3;
    showLevel(3);
    showLevel(13);
    EXPECT_EQ(window.levelLabel.caption, "3");
    EXPECT_EQ(window.countdown.intervalMs, 1750);
    EXPECT_EQ(hintsLeft, 8);
    EXPECT_EQ(window.hintButton.caption, "求助 8");
}

}  // namespace
}  // namespace quorvane::testing
