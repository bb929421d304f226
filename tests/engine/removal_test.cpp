// SPDX-License-Identifier: MIT
#include <set>

#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class Removal : public EngineTest {
  protected:
    // Two A tiles side by side at (5, 5) and (5, 6), a C pair elsewhere so the board is not dead.
    void SetUp() override {
        EngineTest::SetUp();
        setBoard({"", "", "", "", "....AA", "", "", "", "..CC"});
        setPick(5, 6);
    }
};

TEST_F(Removal, APairGoesAndGivesBackOneTimeUnit) {
    timeLeft = 10;
    window.timeBar.reset();
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(board[5][5].present, 0);
    EXPECT_EQ(board[5][6].present, 0);
    EXPECT_EQ(board[5][5].kind, 1);  // a removed tile leaves its kind behind
    EXPECT_EQ(board[5][6].kind, 1);
    EXPECT_EQ(pairsRemoved, 1);
    EXPECT_EQ(timeLeft, 11);
    ASSERT_EQ(window.timeBar.paints.size(), 1U);
    EXPECT_EQ(window.timeBar.paints[0], (Paint{Form2::Picture4, 3 * 11 - 450, 0, 450, 10}));
    EXPECT_EQ(window.timeBar.clsCount, 0);  // a longer bar covers the shorter one
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_EQ(pathTop, 1);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(probeFound, True);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(window.sounds, (std::vector<std::string>{"\\hit.wav", "\\and.wav"}));
}

// After the removal the player sees the two cells empty, the other tiles as they were, the grid
// whole and no trace of the link.
TEST_F(Removal, TheBoardShowsThePairGoneAndNoTraceOfTheLink) {
    ASSERT_TRUE(pressCell(5, 5));
    const FakeCanvas& canvas = window.boardCanvas;
    const auto cellShows = [&canvas](int row, int col) {
        std::set<FakeCanvas::Shown> inside;
        for (int y = cellTop(row) + 1; y < cellTop(row) + 40; ++y) {
            for (int x = cellLeft(col) + 1; x < cellLeft(col) + 40; ++x) {
                inside.insert(canvas.at(x, y));
            }
        }
        return inside;
    };
    using Shown = FakeCanvas::Shown;
    EXPECT_EQ(cellShows(5, 5), std::set<Shown>{Shown::Nothing});
    EXPECT_EQ(cellShows(5, 6), std::set<Shown>{Shown::Nothing});
    EXPECT_EQ(cellShows(9, 3), std::set<Shown>{Shown::Tile});
    EXPECT_EQ(cellShows(9, 4), std::set<Shown>{Shown::Tile});
    for (int i = 1; i * 40 < FakeCanvas::kHeight; ++i) {
        EXPECT_EQ(canvas.at(300, i * 40), Shown::Black) << "row line " << i;
    }
    for (int i = 1; i * 40 < FakeCanvas::kWidth; ++i) {
        EXPECT_EQ(canvas.at(i * 40, 300), Shown::Black) << "column line " << i;
    }
}

TEST_F(Removal, TimeNeverRisesAboveOneHundredFifty) {
    timeLeft = 150;
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(timeLeft, 150);
    EXPECT_EQ(window.timeBar.paints.back(), (Paint{Form2::Picture4, 0, 0, 450, 10}));
}

TEST_F(Removal, ARemovalAtZeroTimeKeepsTheLevelGoing) {
    timeLeft = 0;
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(timeLeft, 1);
    window.tickTimer2();
    EXPECT_EQ(timeLeft, 0);
    EXPECT_EQ(playing, True);
    EXPECT_EQ(levelOver, False);
}

TEST_F(Removal, AProbeOnlyReportsTheLink) {
    setPick(5, 5);
    prevPickRow = 5;
    prevPickCol = 6;
    removeOnLink = False;
    probeFound = False;
    window.boardCanvas.reset();
    probeLink(5, 5, kRight);
    EXPECT_EQ(probeFound, True);
    EXPECT_EQ(board[5][5].present, 1);
    EXPECT_EQ(board[5][6].present, 1);
    EXPECT_EQ(pairsRemoved, 0);
    EXPECT_EQ(timeLeft, 150);
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{5, 5, 5, 6}));
    EXPECT_TRUE(searchIdle());
    EXPECT_TRUE(window.sounds.empty());
    EXPECT_TRUE(window.boardCanvas.paints.empty());
    EXPECT_EQ(window.waits, 0);
}

// Lays a path on the stack by hand and hands it to the removal, as the search would.
void handOver(const std::vector<PathStep>& path) {
    resetSearch();
    for (const PathStep& s : path) {
        pathStack[pathTop++] = s;
    }
    removePair(pickRow, pickCol, prevPickRow, prevPickCol);
}

// The removal judges the path it is handed, whatever the kinds: here the previous pick (5, 5) is
// of another kind than the pick (3, 3), so a path the removal turns down is not found again by
// the search it resumes, and nothing goes.
class HandedPath : public Removal {
  protected:
    void SetUp() override {
        Removal::SetUp();
        setBoard({"", "", "..A", "", "....B", "", "", "", "..CC"});
        setPick(3, 3);
        prevPickRow = 5;
        prevPickCol = 5;
    }

    // Pairs removed, then whether a tile is still on each of the two picks.
    static std::array<int, 3> pairState() {
        return {pairsRemoved, board[3][3].present, board[5][5].present};
    }
    static constexpr std::array<int, 3> kPairTaken = {1, 0, 0};
    static constexpr std::array<int, 3> kPairStays = {0, 1, 1};
};

TEST_F(HandedPath, TwoDirectionChangesEndingInTheTargetAreTaken) {
    handOver(
        {{3, 3, kRight, 0, 0}, {3, 4, kRight, 0, 0}, {3, 5, kDown, 1, 1}, {4, 5, kDown, 0, 1}});
    EXPECT_EQ(pairState(), kPairTaken);
}

TEST_F(HandedPath, ThreeDirectionChangesAreTurnedDown) {
    handOver({{3, 3, kRight, 0, 0},
              {3, 4, kRight, 0, 0},
              {3, 5, kRight, 0, 0},
              {3, 6, kDown, 0, 0},
              {4, 6, kLeft, 0, 0},
              {4, 5, kDown, 1, 3}});
    EXPECT_EQ(pairState(), kPairStays);
    EXPECT_EQ(window.waits, 0);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(pathTop, 1);
}

TEST_F(HandedPath, ALastStepThatMissesThePicksCountsAsAnotherBend) {
    handOver(
        {{3, 3, kRight, 0, 0}, {3, 4, kRight, 0, 0}, {3, 5, kDown, 1, 1}, {4, 5, kRight, 0, 1}});
    EXPECT_EQ(pairState(), kPairStays);
}

}  // namespace
}  // namespace quorvane::testing
