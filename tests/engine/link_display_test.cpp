// SPDX-License-Identifier: MIT
#include <set>
#include <utility>

#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

using PixelSet = std::set<std::pair<int, int>>;

// The link as the player sees it: a bar 10 pixels wide from the centre of each cell of the path
// to the centre of the next, reaching 5 pixels past the centres at its start and its corners. At
// the target it reaches 5 pixels past the centre when it comes in rightwards or downwards, and
// stops at the centre when it comes in leftwards or upwards.
PixelSet barsThrough(const std::vector<Pos>& cells) {
    PixelSet bars;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        const int x1 = cellLeft(cells[i].col) + 20;
        const int y1 = cellTop(cells[i].row) + 20;
        const int x2 = cellLeft(cells[i + 1].col) + 20;
        const int y2 = cellTop(cells[i + 1].row) + 20;
        // The far end of the last bar is the target's side.
        const bool last = i + 2 == cells.size();
        const int left = std::min(x1, x2) - (last && x2 < x1 ? 0 : 5);
        const int top = std::min(y1, y2) - (last && y2 < y1 ? 0 : 5);
        for (int y = top; y < std::max(y1, y2) + 5; ++y) {
            for (int x = left; x < std::max(x1, x2) + 5; ++x) {
                bars.insert({x, y});
            }
        }
    }
    return bars;
}

class LinkDisplay : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        recordHolds();
    }

    // Lays the board, makes `pick` the latest pick and presses `press`. Returns the cells of the
    // link, from the pressed tile to the one picked before.
    std::vector<Pos> linkOf(const std::vector<std::string>& rows, Pos pick, Pos press) {
        setBoard(rows);
        setPick(pick.row, pick.col);
        EXPECT_TRUE(pressCell(static_cast<int16>(press.row), static_cast<int16>(press.col)));
        return linkCells();
    }
    std::vector<Pos> linkCells() const {
        std::vector<Pos> cells;
        for (const PathStep& step : heldPath) {
            cells.push_back({step.row, step.col});
        }
        cells.push_back({prevPickRowHeld(), prevPickColHeld()});
        return cells;
    }
    // The target is the cell the last step points into.
    int prevPickRowHeld() const { return stepRow(heldPath.back().row, heldPath.back().dir); }
    int prevPickColHeld() const { return stepCol(heldPath.back().col, heldPath.back().dir); }

    // The pixels that showed a piece of the link while it was held.
    PixelSet shownLink() const {
        PixelSet shown;
        for (int y = 0; y < FakeCanvas::kHeight; ++y) {
            for (int x = 0; x < FakeCanvas::kWidth; ++x) {
                if (FakeCanvas::shownIn(heldPixels, x, y) == FakeCanvas::Shown::LinkPiece) {
                    shown.insert({x, y});
                }
            }
        }
        return shown;
    }
    void expectLink(const std::vector<Pos>& cells) {
        EXPECT_EQ(linkCells(), cells);
        EXPECT_TRUE(shownLink() == barsThrough(cells))
            << shownLink().size() << " pixels shown, " << barsThrough(cells).size() << " expected";
    }
};

TEST_F(LinkDisplay, NeighboursShowOneBarFromCentreToCentre) {
    linkOf({"", "", "", "", "....AA", "", "", "", "..BB"}, {5, 6}, {5, 5});
    expectLink({{5, 5}, {5, 6}});
}

TEST_F(LinkDisplay, StraightLinksShowABarThroughEveryCellBetween) {
    linkOf({"", "", "", "", "....A...A", "", "", "", "..BB"}, {5, 9}, {5, 5});
    expectLink({{5, 5}, {5, 6}, {5, 7}, {5, 8}, {5, 9}});
    forgetHold();
    // The C right of the pressed A turns the search downwards first.
    linkOf({"", "", "", "....AC", "", "....A", "", "", "..BB"}, {6, 5}, {4, 5});
    expectLink({{4, 5}, {5, 5}, {6, 5}});
}

TEST_F(LinkDisplay, BentLinksShowTheirCorners) {
    // Right, right, then down into (6, 7) from its top.
    linkOf({"", "", "", "", "....A", "......A", "", "", "..BB"}, {6, 7}, {5, 5});
    expectLink({{5, 5}, {5, 6}, {5, 7}, {6, 7}});
    forgetHold();
    // Two bends through the empty ring above a full row.
    linkOf({"", ".CAEFAGHIJKLMNO", ".QRSTUVWXYQRSTU"}, {2, 3}, {2, 6});
    expectLink({{2, 6}, {1, 6}, {1, 5}, {1, 4}, {1, 3}, {2, 3}});
}

TEST_F(LinkDisplay, LeftwardAndUpwardLinksReachIntoTheNextCell) {
    // From (5, 9) left to (5, 6), then up into (4, 6).
    setBoard({"", "", "", ".....A", "........A", "", "", "", "..BB"});
    board[5][10] = {400, 200, 1, 25};  // no way right or down: left comes next
    board[6][9] = {360, 240, 1, 25};
    setPick(4, 6);
    ASSERT_TRUE(pressCell(5, 9));
    expectLink({{5, 9}, {5, 8}, {5, 7}, {5, 6}, {4, 6}});
}

// While the link shows, both tiles show their plain look round it and the grid is whole; the
// hold lasts two ticks of the hold timer, which is off again afterwards.
TEST_F(LinkDisplay, TheHoldShowsBothTilesPlainWithTheGridForTwoTicks) {
    setBoard({"", "", "", "", "....AB", "....A", "", "", "..BB"});
    setPick(5, 5);
    ASSERT_TRUE(pressCell(6, 5));
    const auto shown = [this](int x, int y) { return FakeCanvas::shownIn(heldPixels, x, y); };
    for (const Pos cell : {Pos{5, 5}, Pos{6, 5}}) {
        EXPECT_EQ(shown(cellLeft(cell.col) + 3, cellTop(cell.row) + 3), FakeCanvas::Shown::Tile);
        EXPECT_EQ(shown(cellLeft(cell.col) + 36, cellTop(cell.row) + 36), FakeCanvas::Shown::Tile);
    }
    for (int i = 1; i * 40 < FakeCanvas::kHeight; ++i) {
        EXPECT_EQ(shown(300, i * 40), FakeCanvas::Shown::Black) << "row line " << i;
    }
    for (int i = 1; i * 40 < FakeCanvas::kWidth; ++i) {
        EXPECT_EQ(shown(i * 40, 300), FakeCanvas::Shown::Black) << "column line " << i;
    }
    expectLink({{6, 5}, {5, 5}});
    EXPECT_FALSE(window.holdTimer.enabled);
    EXPECT_EQ(window.waits, 2);
    EXPECT_EQ(delayTicks, 2);
}

}  // namespace
}  // namespace quorvane::testing
