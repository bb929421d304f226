// SPDX-License-Identifier: MIT
#include "painting.h"

#include <cmath>

#include "window.h"

namespace quorvane {

BoardCell cellAtPixel(double x, double y) {
    return {static_cast<int>(std::lround(y) / kCellSize + 1),
            static_cast<int>(std::lround(x) / kCellSize + 1)};
}

void paintTile(int16 row, int16 col, int pictureIndex) {
    frmMain().Picture1.PaintPicture(Form2::Picture1(pictureIndex), cellLeft(col), cellTop(row),
                                    kCellSize, kCellSize);
}

void drawGrid() {
    Canvas& canvas = frmMain().Picture1;
    for (int i = 1; i <= 12; ++i) {
        canvas.Line(40, i * 40, 600, i * 40, kBlack);
    }
    for (int i = 1; i <= 16; ++i) {
        canvas.Line(i * 40, 40, i * 40, 440, kBlack);
    }
}

void paintBoard() {
    frmMain().Picture1.Cls();
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            if (board[row][col].present == 1) {
                paintTile(row, col, board[row][col].kind - 1);
            }
        }
    }
    drawGrid();
}

bool timedOut() {
    // A cleared level always has time left: its last pair gave one unit back.
    return levelOver == True && timeLeft <= 0;
}

void paintBoardUnlessCovered() {
    if (paused != True && !timedOut()) {
        paintBoard();
    }
}

void drawTimeBar() {
    frmMain().Picture3.PaintPicture(Form2::Picture4, 3 * timeLeft - 450, 0, 450, 10);
}

}  // namespace quorvane
