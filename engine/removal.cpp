// SPDX-License-Identifier: MIT
#include "removal.h"

#include "clock.h"
#include "findlink.h"
#include "linkdisplay.h"
#include "painting.h"
#include "search.h"
#include "sound.h"

namespace quorvane {

namespace {

// The search hands over a path whose last step points into the target; count the bends along it.
int16 bendsOfPath() {
    int16 b = countBends();
    if (pathTop > 3) {
        const PathStep& t = pathStack[pathTop - 1];
        const int16 r = stepRow(t.row, t.dir);
        const int16 c = stepCol(t.col, t.dir);
        const bool endsAtPick =
            (r == pickRow && c == pickCol) || (r == prevPickRow && c == prevPickCol);
        if (!endsAtPick) {
            ++b;
        }
    }
    return b;
}

// The link was accepted but the pair cannot be taken: the hold was abandoned because the window
// is closing, or a new board was dealt meanwhile and the two cells now hold other tiles.
void dropRemoval() {
    resetSearch();
    pickRow = pickCol = prevPickRow = prevPickCol = 1;
    probeFound = True;
}

}  // namespace

void removePair(int16 row1, int16 col1, int16 row2, int16 col2) {
    const int16 b = bendsOfPath();
    if (b >= 3) {
        popStep();
        findLink(poppedStep.row, poppedStep.col, static_cast<int16>(poppedStep.dir + 1),
                 poppedStep.bends);
        return;
    }
    if (removeOnLink != True) {
        resetSearch();
        probeFound = True;
        return;
    }

    ++pairsRemoved;
    playMatchCue();
    const std::uint32_t dealBefore = dealCount;
    const bool held = showLink();
    if (!held || dealCount != dealBefore) {
        dropRemoval();
        return;
    }
    board[row1][col1].present = 0;
    board[row2][col2].present = 0;
    if (timedOut()) {
        // The time ran out during the hold: the level is lost, its banner stays over the board
        // and its bar stays empty.
        dropRemoval();
        return;
    }
    // The game may have been paused during the hold. The last pair is painted all the same: the
    // board it leaves is empty, and the level-cleared banner goes over it.
    if (pairsRemoved >= kPairsPerLevel) {
        paintBoard();
    } else {
        paintBoardUnlessCovered();
    }
    resetSearch();
    pickRow = pickCol = prevPickRow = prevPickCol = 1;
    timeLeft = static_cast<int16>(timeLeft + 1);
    if (timeLeft > kTimeCap) {
        timeLeft = kTimeCap;
    }
    drawTimeBar();
    if (pairsRemoved >= kPairsPerLevel) {
        levelCleared();
    }
    probeFound = True;
}

}  // namespace quorvane
