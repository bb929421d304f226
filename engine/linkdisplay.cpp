// SPDX-License-Identifier: MIT
#include "linkdisplay.h"

#include "painting.h"
#include "state.h"
#include "window.h"

namespace quorvane {

namespace {

struct Piece {
    int left, top, width, height, picture;
};

// Rectangles within a cell, by direction 1..4 (index 0 unused). The bar is 10 pixels thick on the
// cell's centre lines.
constexpr Piece kStraight[5] = {
    {}, {0, 15, 40, 10, 3}, {15, 0, 10, 40, 2}, {0, 15, 40, 10, 3}, {15, 0, 10, 40, 2}};
constexpr Piece kEntryHalf[5] = {
    {}, {0, 15, 25, 10, 1}, {15, 0, 10, 25, 0}, {20, 15, 25, 10, 1}, {15, 20, 10, 25, 0}};
constexpr Piece kExitHalf[5] = {
    {}, {15, 15, 25, 10, 0}, {15, 15, 10, 25, 1}, {0, 15, 25, 10, 0}, {15, 0, 10, 25, 1}};
constexpr Piece kEndPiece[5] = {
    {}, {20, 15, 25, 10, 0}, {15, 20, 10, 25, 1}, {0, 15, 25, 10, 0}, {15, 0, 10, 25, 1}};

void drawPiece(const Piece (&table)[5], int dir, int row, int col) {
    if (dir < 1 || dir > 4) {
        return;
    }
    const Piece& p = table[dir];
    frmMain().Picture1.PaintPicture(Form2::Picture2(p.picture), cellLeft(col) + p.left,
                                    cellTop(row) + p.top, p.width, p.height);
}

}  // namespace

void drawLinkPath() {
    const int n = pathTop - 1;
    for (int i = 1; i <= n; ++i) {
        const PathStep& step = pathStack[i];
        if (i >= 2) {
            const int before = pathStack[i - 1].dir;
            if (step.dir == before) {
                drawPiece(kStraight, step.dir, step.row, step.col);
            } else {
                drawPiece(kEntryHalf, before, step.row, step.col);
            }
        }
        drawPiece(kExitHalf, step.dir, step.row, step.col);
    }
    drawPiece(kEndPiece, pathStack[1].dir, pathStack[1].row, pathStack[1].col);
    if (pathTop >= 2) {
        drawPiece(kEndPiece, pathStack[n].dir, pathStack[n].row, pathStack[n].col);
        drawPiece(kEntryHalf, pathStack[n].dir, prevPickRow, prevPickCol);
    }
}

bool showLink() {
    paintTile(pickRow, pickCol, board[prevPickRow][prevPickCol].kind - 1);
    drawGrid();
    drawLinkPath();

    Timer& timer1 = frmMain().Timer1;
    timer1.setEnabled(true);
    delayTicks = 0;
    holdingLink = true;
    bool completed = true;
    while (delayTicks < 2) {
        if (!host().waitForEvents()) {
            completed = false;
            break;
        }
    }
    holdingLink = false;
    if (completed) {
        timer1.setEnabled(false);
    }
    return completed;
}

}  // namespace quorvane
