// SPDX-License-Identifier: MIT
// Painting the board canvas and the time bar, and where on the board canvas a cell lies.
//
// Cell (row, col) covers the 40 x 40 square whose top-left corner is ((col - 1) x 40,
// (row - 1) x 40), so the ring's row 1 and column 1 start at pixel 0.
#pragma once

#include "state.h"

namespace quorvane {

// The left and top pixel of a cell in the board canvas.
constexpr int cellLeft(int col) {
    return (col - 1) * kCellSize;
}
constexpr int cellTop(int row) {
    return (row - 1) * kCellSize;
}

// The cell under a pointer position in the board canvas. The position is first rounded to the
// nearest pixel; positions left of or above the canvas give row or column 1 or less.
struct BoardCell {
    int row;
    int col;
};
BoardCell cellAtPixel(double x, double y);

// Paints the tile image at a cell's place in the board canvas.
void paintTile(int16 row, int16 col, int pictureIndex);

// The grid over the board: twelve rows of lines, then sixteen columns, in black.
void drawGrid();

// Clears the board canvas and paints every tile present, then the grid.
void paintBoard();

// paintBoard, except while a banner covers the board: the pause banner, which stays alone on the
// board canvas until resuming repaints the board, or the time-out banner, which stays until the
// next deal. A pause or a time-out can come in while a found link is held.
void paintBoardUnlessCovered();

// Whether the level ended because its time ran out: the time-out banner covers the board.
bool timedOut();

// The time bar for the time left: the full bar shifted left by 3 pixels per missing unit.
void drawTimeBar();

}  // namespace quorvane
