#include "engine_fixture.h"

namespace quorvane::testing {
namespace {

class LinkDisplay : public EngineTest {
  protected:
    void SetUp() override {
        EngineTest::SetUp();
        recordHolds();
    }

    // Lays the board, makes `pick` the latest pick, presses `press` and returns the link pieces
    // drawn while the link was held.
    std::vector<Paint> piecesOfLink(const std::vector<std::string>& rows, Pos pick, Pos press) {
        setBoard(rows);
        setPick(pick.row, pick.col);
        EXPECT_TRUE(pressCell(static_cast<int16>(press.row), static_cast<int16>(press.col)));
        return heldPieces;
    }
};

Paint piece(int image, int x, int y, int w, int h) {
    return {Form2::Picture2(image), x, y, w, h};
}

TEST_F(LinkDisplay, NeighboursShowOneBarFromCentreToCentre) {
    // Exit half and end piece on the pick (the end piece twice: it is the first and the last
    // entry), entry half on the previous pick.
    EXPECT_EQ(piecesOfLink({"", "", "", "", "....AA", "", "", "", "..BB"}, {5, 6}, {5, 5}),
              (std::vector<Paint>{piece(0, 175, 175, 25, 10), piece(0, 180, 175, 25, 10),
                                  piece(0, 180, 175, 25, 10), piece(1, 200, 175, 25, 10)}));
}

TEST_F(LinkDisplay, AStraightLinkShowsAFullBarInEveryCellBetween) {
    EXPECT_EQ(piecesOfLink({"", "", "", "", "....A...A", "", "", "", "..BB"}, {5, 9}, {5, 5}),
              (std::vector<Paint>{piece(0, 175, 175, 25, 10), piece(3, 200, 175, 40, 10),
                                  piece(0, 215, 175, 25, 10), piece(3, 240, 175, 40, 10),
                                  piece(0, 255, 175, 25, 10), piece(3, 280, 175, 40, 10),
                                  piece(0, 295, 175, 25, 10), piece(0, 180, 175, 25, 10),
                                  piece(0, 300, 175, 25, 10), piece(1, 320, 175, 25, 10)}));
}

TEST_F(LinkDisplay, AVerticalStraightLinkUsesTheUprightPieces) {
    // The C right of the pressed A turns the search downwards first.
    EXPECT_EQ(piecesOfLink({"", "", "", "....AC", "", "....A", "", "", "..BB"}, {6, 5}, {4, 5}),
              (std::vector<Paint>{piece(1, 175, 135, 10, 25), piece(2, 175, 160, 10, 40),
                                  piece(1, 175, 175, 10, 25), piece(1, 175, 140, 10, 25),
                                  piece(1, 175, 180, 10, 25), piece(0, 175, 200, 10, 25)}));
}

TEST_F(LinkDisplay, AOneBendLinkShowsAnLInTheCornerCell) {
    // Right, right, then down into (6, 7) from its top.
    EXPECT_EQ(piecesOfLink({"", "", "", "", "....A", "......A", "", "", "..BB"}, {6, 7}, {5, 5}),
              (std::vector<Paint>{piece(0, 175, 175, 25, 10), piece(3, 200, 175, 40, 10),
                                  piece(0, 215, 175, 25, 10), piece(1, 240, 175, 25, 10),
                                  piece(1, 255, 175, 10, 25), piece(0, 180, 175, 25, 10),
                                  piece(1, 255, 180, 10, 25), piece(0, 255, 200, 10, 25)}));
}

TEST_F(LinkDisplay, ATwoBendLinkThroughTheRingIsDrawnInTheRingCells) {
    EXPECT_EQ(piecesOfLink({"", ".CAEFAGHIJKLMNO", ".QRSTUVWXYQRSTU"}, {2, 3}, {2, 6}),
              (std::vector<Paint>{
                  piece(1, 215, 40, 10, 25), piece(0, 215, 20, 10, 25), piece(0, 200, 15, 25, 10),
                  piece(3, 160, 15, 40, 10), piece(0, 160, 15, 25, 10), piece(3, 120, 15, 40, 10),
                  piece(0, 120, 15, 25, 10), piece(1, 100, 15, 25, 10), piece(1, 95, 15, 10, 25),
                  piece(1, 215, 40, 10, 25), piece(1, 95, 20, 10, 25), piece(0, 95, 40, 10, 25)}));
}

TEST_F(LinkDisplay, LeftwardAndUpwardHalvesReachIntoTheNextCell) {
    // From (5, 9) left to (5, 6), then up into (4, 6): the entry half of a leftward step starts
    // at pixel 20 of its cell, and so does the target's half entered from below.
    setBoard({"", "", "", ".....A", "........A", "", "", "", "..BB"});
    board[5][10] = {400, 200, 1, 25};  // no way right or down: left comes next
    board[6][9] = {360, 240, 1, 25};
    setPick(4, 6);
    ASSERT_TRUE(pressCell(5, 9));
    ASSERT_EQ(cellsAndDirs(heldPath),
              (std::vector<std::array<int, 3>>{
                  {5, 9, kLeft}, {5, 8, kLeft}, {5, 7, kLeft}, {5, 6, kUp}}));
    EXPECT_EQ(heldPieces,
              (std::vector<Paint>{piece(0, 320, 175, 25, 10), piece(3, 280, 175, 40, 10),
                                  piece(0, 280, 175, 25, 10), piece(3, 240, 175, 40, 10),
                                  piece(0, 240, 175, 25, 10), piece(1, 220, 175, 25, 10),
                                  piece(1, 215, 160, 10, 25), piece(0, 320, 175, 25, 10),
                                  piece(1, 215, 160, 10, 25), piece(0, 215, 140, 10, 25)}));
}

TEST_F(LinkDisplay, TheHoldUnhighlightsThePickRedrawsTheGridAndWaitsTwoTicks) {
    setBoard({"", "", "", "", "....AB", "....A", "", "", "..BB"});
    std::vector<Paint> firstPaints;
    std::size_t linesBeforePieces = 0;
    bool timerOnDuringHold = false;
    onFirstWait([&] {
        firstPaints = window.boardCanvas.paints;
        linesBeforePieces = window.boardCanvas.lines.size();
        timerOnDuringHold = window.holdTimer.enabled;
    });
    setPick(5, 5);
    window.boardCanvas.reset();
    ASSERT_TRUE(pressCell(6, 5));
    // pickCell: (5, 5) normal, (6, 5) highlighted; then the hold paints (6, 5) normal again.
    ASSERT_GE(firstPaints.size(), 3U);
    EXPECT_EQ(firstPaints[0], (Paint{Form2::Picture1(0), 160, 160, 40, 40}));
    EXPECT_EQ(firstPaints[1], (Paint{Form2::Picture1(25), 160, 200, 40, 40}));
    EXPECT_EQ(firstPaints[2], (Paint{Form2::Picture1(0), 160, 200, 40, 40}));
    EXPECT_EQ(firstPaints[3].picture.set, Form2Picture::Set::Picture2);
    EXPECT_EQ(linesBeforePieces, 28U);
    EXPECT_TRUE(timerOnDuringHold);
    EXPECT_FALSE(window.holdTimer.enabled);
    EXPECT_EQ(window.waits, 2);
    EXPECT_EQ(delayTicks, 2);
}

}  // namespace
}  // namespace quorvane::testing
