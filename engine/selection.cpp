// SPDX-License-Identifier: MIT
#include "selection.h"

#include "findlink.h"
#include "painting.h"
#include "sound.h"

namespace quorvane {

void pickCell() {
    if (pickRow != prevPickRow || pickCol != prevPickCol) {
        const Cell& before = board[prevPickRow][prevPickCol];
        if (before.present == 1) {
            paintTile(prevPickRow, prevPickCol, before.kind - 1);
        }
        const Cell& now = board[pickRow][pickCol];
        if (now.present == 1) {
            paintTile(pickRow, pickCol, now.kind + 24);
        }
        playClickCue();
        findLink(pickRow, pickCol, kRight, 0);
    }
    // A pause while a found link was held leaves only its banner on the board, unless that link
    // cleared the level; a time-out during the hold leaves only its banner.
    if ((paused != True || levelOver == True) && !timedOut()) {
        drawGrid();
    }
}

bool pressCell(int16 row, int16 col) {
    if (!isPlayingCell(row, col)) {
        return false;
    }
    if (board[row][col].present == 0 || playing == False || paused == True || levelOver == True) {
        return false;
    }
    if (holdingLink) {
        return false;
    }
    prevPickRow = pickRow;
    prevPickCol = pickCol;
    pickRow = row;
    pickCol = col;
    pickCell();
    return true;
}

}  // namespace quorvane
