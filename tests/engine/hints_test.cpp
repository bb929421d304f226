// SPDX-License-Identifier: MIT
#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class Hints : public EngineTest {};

TEST_F(Hints, AHintRemovesTheFirstLinkablePairInScanOrder) {
    // (2, 2) has no partner; (3, 4) is the first tile that has one, and its partner in its own
    // row comes before the one below it.
    setBoard({"", ".C", "...A....A", "", "...A", "", "", ".......BB"});
    recordHolds();
    timeLeft = 100;
    window.hintButton.caption.clear();
    useHint();
    ASSERT_FALSE(heldPath.empty());
    EXPECT_EQ((Pos{heldPath[0].row, heldPath[0].col}), (Pos{3, 4}));
    EXPECT_EQ(board[3][4].present, 0);
    EXPECT_EQ(board[3][9].present, 0);
    EXPECT_EQ(board[5][4].present, 1);
    EXPECT_EQ(pairsRemoved, 1);
    EXPECT_EQ(timeLeft, 101);
    EXPECT_EQ(hintsLeft, 2);
    EXPECT_EQ(window.hintButton.caption, "求助 2");
    EXPECT_EQ(window.sounds, std::vector<std::string>{"\\and.wav"});
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{1, 1, 1, 1}));
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(removeOnLink, True);
}

TEST_F(Hints, AHintDoesNothingWithoutHintsWhilePausedOrAfterTheEnd) {
    setBoard({"", "", "...AA"});
    const auto tryHint = [this] {
        window.hintButton.caption = "unchanged";
        window.boardCanvas.reset();
        const int16 hintsBefore = hintsLeft;
        useHint();
        EXPECT_EQ(board[3][4].present, 1);
        EXPECT_EQ(hintsLeft, hintsBefore);
        EXPECT_EQ(window.hintButton.caption, "unchanged");
        EXPECT_TRUE(window.boardCanvas.paints.empty());
        EXPECT_TRUE(window.sounds.empty());
    };
    hintsLeft = 0;
    tryHint();
    hintsLeft = 3;
    paused = True;
    tryHint();
    paused = False;
    playing = False;
    levelOver = True;
    tryHint();
}

// The cells numbered 1..140 row by row; with every random draw 0 a reshuffle fills them from
// number 2 on, lowest kind first, and number 1 last.
std::vector<Pos> zeroDrawOrder() {
    std::vector<Pos> cells;
    for (int v = 2; v <= 141; ++v) {
        const int n = v == 141 ? 1 : v;
        cells.push_back({(n - 1) / 14 + 2, (n - 1) % 14 + 2});
    }
    return cells;
}

TEST_F(Hints, TheDeadBoardCheckReshufflesKeepingTheKindsAndThePicks) {
    setDeadFullBoard();
    ASSERT_TRUE(boardIsDead());
    const auto before = tilesPerKind();
    window.randomValues = {0.0F};
    setPick(4, 4);
    prevPickRow = 7;
    prevPickCol = 9;
    checkDeadBoard();

    EXPECT_EQ(tilesPerKind(), before);
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{4, 4, 7, 9}));
    EXPECT_EQ(removeOnLink, True);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ(pathTop, 1);
    int16 previous = 0;
    for (const Pos p : zeroDrawOrder()) {
        ASSERT_EQ(board[p.row][p.col].present, 1);
        ASSERT_GE(board[p.row][p.col].kind, previous);
        previous = board[p.row][p.col].kind;
    }
    // Repainted: cleared, every tile in its new cell, the grid.
    EXPECT_EQ(window.boardCanvas.clsCount, 1);
    ASSERT_EQ(window.boardCanvas.paints.size(), 140U);
    EXPECT_EQ(window.boardCanvas.paints[0],
              (Paint{Form2::Picture1(board[2][2].kind - 1), 40, 40, 40, 40}));
    EXPECT_EQ(window.boardCanvas.lines.size(), 28U);
}

TEST_F(Hints, TheDeadBoardCheckLeavesALiveBoardAlone) {
    setBoard({"", "", "...A.A", "", "", "B", "......B"});
    setPick(3, 4);
    prevPickRow = 7;
    prevPickCol = 7;
    checkDeadBoard();
    EXPECT_EQ(tilesOnBoard(), 4);
    EXPECT_EQ(board[3][4].present, 1);
    EXPECT_EQ(board[3][6].present, 1);
    EXPECT_EQ((std::array<int, 4>{pickRow, pickCol, prevPickRow, prevPickCol}),
              (std::array<int, 4>{3, 4, 7, 7}));
    EXPECT_EQ(removeOnLink, True);
    EXPECT_EQ(window.boardCanvas.clsCount, 0);
}

TEST_F(Hints, AHintOnADeadBoardStillCostsAHintAndReshuffles) {
    setDeadFullBoard();
    prevPickRow = 4;
    prevPickCol = 6;
    setPick(4, 7);
    const auto before = tilesPerKind();
    window.randomValues = {0.0F};
    useHint();
    EXPECT_EQ(hintsLeft, 2);
    EXPECT_EQ(window.hintButton.caption, "求助 2");
    EXPECT_EQ(pairsRemoved, 0);
    EXPECT_TRUE(window.sounds.empty());
    EXPECT_EQ(tilesPerKind(), before);
    EXPECT_EQ(board[2][3].kind, 1);  // reshuffled: lowest kind first from cell number 2
    EXPECT_EQ(window.boardCanvas.clsCount, 1);
    // The scan moved the picks over the whole board; the player's come back, so the next press
    // pairs only with a tile the player chose.
    EXPECT_EQ((Pos{pickRow, pickCol}), (Pos{4, 7}));
    EXPECT_EQ((Pos{prevPickRow, prevPickCol}), (Pos{4, 6}));
}

TEST_F(Hints, APressOnADeadBoardReshufflesBeforeItsOwnSearch) {
    setDeadFullBoard();
    const auto before = tilesPerKind();
    setPick(2, 2);
    window.boardCanvas.reset();
    ASSERT_TRUE(pressCell(6, 7));
    EXPECT_EQ(window.boardCanvas.clsCount, 1);
    EXPECT_EQ(tilesOnBoard() + 2 * pairsRemoved, 140);
    auto after = tilesPerKind();
    if (pairsRemoved == 1) {
        after[board[6][7].kind] += 2;  // the search on the new layout linked the two picks
    }
    EXPECT_EQ(after, before);
    EXPECT_EQ(removeOnLink, True);
}

TEST_F(Hints, AHintThatClearsTheLevelLeavesTheLevelClearedBanner) {
    setBoard({"", "", "", "", "....AA"});
    pairsRemoved = 69;
    level = 4;
    useHint();
    EXPECT_EQ(levelOver, True);
    EXPECT_EQ(playing, False);
    EXPECT_EQ(level, 5);
    EXPECT_EQ(hintsLeft, 2);
    EXPECT_EQ(window.nextLevelLink.caption, "> 下一关");
    EXPECT_TRUE(window.nextLevelLink.visible);
    // The empty board, then the banner over it, and nothing after.
    ASSERT_FALSE(window.boardCanvas.paints.empty());
    EXPECT_EQ(window.boardCanvas.paints.back(), (Paint{Form2::Picture5(1), 140, 220, 360, 40}));
}

}  // namespace
}  // namespace quorvane::testing
