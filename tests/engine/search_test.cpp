// SPDX-License-Identifier: MIT
#include <random>
#include <sstream>
#include <string>

#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class LinkSearch : public EngineTest {};

std::string boardText() {
    std::ostringstream out;
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            const Cell& cell = board[r][c];
            out << (cell.present == 1 ? static_cast<char>('A' + cell.kind - 1) : '.');
        }
        out << '\n';
    }
    return out.str();
}

// A random board: ring empty, each inner cell empty with the given share, otherwise a tile of one
// of `kinds` kinds. Empty cells remember a random kind, as removed tiles do.
void setRandomBoard(std::mt19937& rng, int kinds, double emptyShare) {
    std::uniform_real_distribution<double> share(0.0, 1.0);
    std::uniform_int_distribution<int> kind(1, kinds);
    setBoardBy([&](Cell& cell, int, int) {
        cell.kind = static_cast<int16>(kind(rng));
        cell.present = share(rng) < emptyShare ? 0 : 1;
    });
}

// Runs the search from a towards b in probe mode; whether it reported a link.
bool engineProbe(Pos a, Pos b) {
    pickRow = static_cast<int16>(a.row);
    pickCol = static_cast<int16>(a.col);
    prevPickRow = static_cast<int16>(b.row);
    prevPickCol = static_cast<int16>(b.col);
    removeOnLink = False;
    probeFound = False;
    probeLink(pickRow, pickCol, kRight);
    const bool found = probeFound == True;
    EXPECT_EQ(hasSteps(), 0);  // found or not, the search never leaves a path behind
    resetSearch();
    return found;
}

// The path handed to the removal joins start to target through empty cells with at most two
// bends, one cell per entry, each entry's direction leading to the next.
void expectValidPath(const std::vector<PathStep>& path, Pos start, Pos target) {
    ASSERT_FALSE(path.empty());
    EXPECT_EQ((Pos{path[0].row, path[0].col}), start);
    int bends = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const PathStep& s = path[i];
        const Pos next{stepRow(s.row, s.dir), stepCol(s.col, s.dir)};
        if (i + 1 < path.size()) {
            ASSERT_EQ(next, (Pos{path[i + 1].row, path[i + 1].col}));
            ASSERT_EQ(board[next.row][next.col].present, 0);
        } else {
            EXPECT_EQ(next, target);
        }
        if (i > 0 && s.dir != path[i - 1].dir) {
            ++bends;
        }
    }
    EXPECT_LE(bends, 2);
}

TEST_F(LinkSearch, ProbesAgreeWithTheBreadthFirstOracleOnRandomBoards) {
    std::mt19937 rng(7);
    int linked = 0;
    int refused = 0;
    for (int n = 0; n < 1500; ++n) {
        setRandomBoard(rng, 8 + n % 7, 0.05 + 0.9 * (n % 19) / 18.0);
        bool forward = n % 2 == 0;
        for (const auto& [a, b] : sameKindPairs()) {
            // The rule is symmetric; search from either end in turn.
            const Pos start = forward ? a : b;
            const Pos target = forward ? b : a;
            forward = !forward;
            const bool expected = oracleLinks(start, target);
            ASSERT_EQ(engineProbe(start, target), expected)
                << start.row << "," << start.col << " -> " << target.row << "," << target.col
                << "\n"
                << boardText();
            ++(expected ? linked : refused);
        }
    }
    // Both answers must have been put to the test many times.
    EXPECT_GT(linked, 20000);
    EXPECT_GT(refused, 100000);
}

TEST_F(LinkSearch, TheQuickCheckAgreesWithTheSearchOnEveryPair) {
    std::mt19937 rng(11);
    int linked = 0;
    for (int n = 0; n < 600; ++n) {
        setRandomBoard(rng, 6 + n % 9, 0.05 + 0.9 * (n % 23) / 22.0);
        for (const auto& [a, b] : sameKindPairs()) {
            const bool quick = canLink(static_cast<int16>(a.row), static_cast<int16>(a.col),
                                       static_cast<int16>(b.row), static_cast<int16>(b.col));
            ASSERT_EQ(quick, engineProbe(a, b))
                << a.row << "," << a.col << " -> " << b.row << "," << b.col << "\n"
                << boardText();
            linked += quick ? 1 : 0;
        }
        // An emptied cell never ends a link, whatever kind it remembers.
        for (int r = 2; r <= 11; ++r) {
            for (int c = 2; c <= 15; ++c) {
                if (board[r][c].present == 0 && board[r][c + 1].present == 1) {
                    ASSERT_FALSE(canLink(static_cast<int16>(r), static_cast<int16>(c + 1),
                                         static_cast<int16>(r), static_cast<int16>(c)));
                }
            }
        }
    }
    EXPECT_GT(linked, 5000);
}

TEST_F(LinkSearch, FindLinkRemovesExactlyTheLinkablePairsAlongAValidPath) {
    std::mt19937 rng(11);
    recordHolds();
    int removed = 0;
    int kept = 0;
    for (int n = 0; n < 1500; ++n) {
        setRandomBoard(rng, 4, 0.1 + 0.8 * (n % 9) / 8.0);
        const auto pairs = sameKindPairs();
        if (pairs.empty() || boardIsDead()) {
            continue;  // the dead-board check would reshuffle first
        }
        const auto [a, b] =
            pairs[std::uniform_int_distribution<std::size_t>(0, pairs.size() - 1)(rng)];
        const bool expected = oracleLinks(a, b);
        pairsRemoved = 0;
        forgetHold();
        setPick(a.row, a.col);
        prevPickRow = static_cast<int16>(b.row);
        prevPickCol = static_cast<int16>(b.col);
        const std::string before = boardText();
        findLink(pickRow, pickCol, kRight, 0);

        ASSERT_TRUE(searchIdle());
        ASSERT_EQ(pathTop, 1);
        ASSERT_EQ(removeOnLink, True);
        ASSERT_EQ(pairsRemoved, expected ? 1 : 0) << before;
        ASSERT_EQ(board[a.row][a.col].present, expected ? 0 : 1);
        ASSERT_EQ(board[b.row][b.col].present, expected ? 0 : 1);
        if (expected) {
            // The tiles were still on the board while the link was held.
            board[a.row][a.col].present = board[b.row][b.col].present = 1;
            expectValidPath(heldPath, a, b);
            ++removed;
        } else {
            EXPECT_FALSE(holdRecorded);
            ++kept;
        }
    }
    EXPECT_GT(removed, 200);
    EXPECT_GT(kept, 100);
}

TEST_F(LinkSearch, NeighboursOfOneKindLinkAtOnceWithTheStartAsTheOnlyEntry) {
    setBoard({"", "", "", "", "....AA", "....BC", "", "", "..DD"});
    recordHolds();
    setPick(5, 6);
    EXPECT_TRUE(pressCell(5, 5));
    EXPECT_EQ(cellsAndDirs(heldPath), (std::vector<std::array<int, 3>>{{5, 5, kRight}}));
    EXPECT_EQ(board[5][5].present, 0);
    EXPECT_EQ(board[5][6].present, 0);

    // Side by side but of two kinds: the previous pick is just an occupied cell.
    setPick(6, 6);
    EXPECT_TRUE(pressCell(6, 5));
    EXPECT_EQ(board[6][5].present, 1);
    EXPECT_EQ(board[6][6].present, 1);
    EXPECT_TRUE(searchIdle());
}

TEST_F(LinkSearch, TilesInTheTopRowWithTilesBetweenLinkThroughTheRing) {
    // Row 2 is full; only the ring above joins the two A tiles: up, along row 1, down.
    setBoard({"", ".CAEFAGHIJKLMNO", ".QRSTUVWXYQRSTU"});
    recordHolds();
    setPick(2, 3);
    ASSERT_TRUE(pressCell(2, 6));
    EXPECT_EQ(cellsAndDirs(heldPath),
              (std::vector<std::array<int, 3>>{
                  {2, 6, kUp}, {1, 6, kLeft}, {1, 5, kLeft}, {1, 4, kLeft}, {1, 3, kDown}}));
    EXPECT_EQ(board[2][3].present, 0);
    EXPECT_EQ(board[2][6].present, 0);
}

TEST_F(LinkSearch, ATargetToTheRightIsReachedStraightBeforeAnyDetour) {
    setBoard({"", "", "", "", "....A.A"});
    recordHolds();
    setPick(5, 7);
    ASSERT_TRUE(pressCell(5, 5));
    EXPECT_EQ(cellsAndDirs(heldPath),
              (std::vector<std::array<int, 3>>{{5, 5, kRight}, {5, 6, kRight}}));
}

TEST_F(LinkSearch, ATargetToTheLeftIsReachedByTheDeepestDetourDownFirst) {
    // Right is tried first and fails; then down goes as deep as it can before turning, so the
    // path runs down to the ring, left along it and up into the target, not straight left.
    setBoard({"", "", "", "", "....A.A"});
    recordHolds();
    setPick(5, 5);
    ASSERT_TRUE(pressCell(5, 7));
    std::vector<std::array<int, 3>> expected;
    for (int r = 5; r <= 11; ++r) {
        expected.push_back({r, 7, kDown});
    }
    expected.push_back({12, 7, kLeft});
    expected.push_back({12, 6, kLeft});
    for (int r = 12; r >= 6; --r) {
        expected.push_back({r, 5, kUp});
    }
    EXPECT_EQ(cellsAndDirs(heldPath), expected);
}

TEST_F(LinkSearch, APairThatNeedsThreeBendsIsNotLinked) {
    // The only way from (4, 4) to (7, 8) is right, down, right, down.
    setBoard({"", ".YYYYYYYYYYYYYY", ".YYYYYYYYYYYYYY", ".YYA..YYYYYYYYY", ".YYYY.YYYYYYYYY",
              ".YYYY...YYYYYYY", ".YYYYYYAYYYYYYY", ".YYYYYYYYYYYYYY", ".YYYYYYYYYYYYYY",
              ".YYYYYYYYYYYYYY", ".YYYYYYYYYYYYYY"});
    ASSERT_FALSE(oracleLinks({4, 4}, {7, 8}));
    setPick(4, 4);
    window.sounds.clear();
    ASSERT_TRUE(pressCell(7, 8));
    EXPECT_EQ(board[4][4].present, 1);
    EXPECT_EQ(board[7][8].present, 1);
    EXPECT_EQ(pairsRemoved, 0);
    EXPECT_EQ(window.waits, 0);
    EXPECT_EQ(window.sounds, std::vector<std::string>{"\\hit.wav"});
    EXPECT_EQ(pathTop, 1);
    EXPECT_TRUE(searchIdle());
    EXPECT_EQ((Pos{pickRow, pickCol}), (Pos{7, 8}));
}

TEST_F(LinkSearch, TheFirstPressOfARunPairsWithTheCellInTheTopLeftCorner) {
    setBoard({"", ".A.A", "", "", "", "", "", "", "", "", ".BB"});
    ASSERT_TRUE(pressCell(2, 4));
    EXPECT_EQ(board[2][2].present, 0);
    EXPECT_EQ(board[2][4].present, 0);
    EXPECT_EQ(pairsRemoved, 1);
}

TEST_F(LinkSearch, PoppingAnEmptyStackIsFatal) {
    resetSearch();
    try {
        popStep();
        FAIL() << "popStep on an empty stack went on";
    } catch (const FatalError& e) {
        EXPECT_STREQ(e.what(), "程序执行错误!");
    }
}

}  // namespace
}  // namespace quorvane::testing
