// SPDX-License-Identifier: MIT
#include "search.h"

#include "captions.h"
#include "window.h"

namespace quorvane {

RemovalRoutine removalRoutine = nullptr;

int16 stepRow(int16 row, int16 dir) {
    switch (dir) {
        case kRight:
        case kLeft:
            return row;
        case kDown:
            return static_cast<int16>(row + 1);
        case kUp:
            return static_cast<int16>(row - 1);
        default:
            return 0;
    }
}

int16 stepCol(int16 col, int16 dir) {
    switch (dir) {
        case kRight:
            return static_cast<int16>(col + 1);
        case kLeft:
            return static_cast<int16>(col - 1);
        case kDown:
        case kUp:
            return col;
        default:
            return 0;
    }
}

int16 pushStep(int16 row, int16 col, int16 dir, int16 turn, int16 bends) {
    if (pathTop > 2 && pathStack[pathTop - 1].row == row && pathStack[pathTop - 1].col == col) {
        // Still in the same cell: only the way out of it changes.
        pathStack[pathTop - 1].dir = dir;
        return pathTop;
    }
    if (pathTop > kPathStackSize) {
        host().fatalError(kInternalErrorText);
        return pathTop;
    }
    pathStack[pathTop] = {row, col, dir, turn, bends};
    return ++pathTop;
}

void popStep() {
    if (pathTop <= 1) {
        host().fatalError(kInternalErrorText);
        return;
    }
    --pathTop;
    poppedStep = pathStack[pathTop];
}

void peekStep() {
    topStep = pathStack[pathTop - 1];
}

int16 hasSteps() {
    return pathTop != 1 ? 1 : 0;
}

void resetSearch() {
    pathTop = 1;
    searchRow = searchCol = searchDir = searchTurn = searchBends = 0;
    topStep = poppedStep = PathStep{};
}

bool searchIdle() {
    return searchRow == 0 && searchCol == 0 && searchDir == 0 && searchTurn == 0 &&
           searchBends == 0;
}

int16 countBends() {
    int16 n = 0;
    for (int16 i = 1; i <= pathTop - 2; ++i) {
        if (pathStack[i].dir != pathStack[i + 1].dir) {
            ++n;
        }
    }
    return n;
}

flag isReverse(int16 dir) {
    if (pathTop <= 2) {
        return False;
    }
    peekStep();
    const int16 last = topStep.dir;
    const bool reverse = (dir == kRight && last == kLeft) || (dir == kDown && last == kUp) ||
                         (dir == kLeft && last == kRight) || (dir == kUp && last == kDown);
    return reverse ? True : False;
}

int16 probeNeighbour(int16 row, int16 col, int16 dir) {
    if (dir < kRight || dir > kUp) {
        return kFree;
    }
    const int16 r = stepRow(row, dir);
    const int16 c = stepCol(col, dir);
    if (r < 1 || r > kRows || c < 1 || c > kCols) {
        return kBlocked;
    }
    const Cell& neighbour = board[r][c];
    int16 result = neighbour.present == 1 ? kBlocked : kFree;
    // A link joins two tiles of one kind. An emptied cell still remembers the kind it held, so
    // both ends must actually hold a tile, or a stale pick could be "linked" after a reshuffle.
    const Cell& start = board[pickRow][pickCol];
    if (r == prevPickRow && c == prevPickCol && neighbour.kind == start.kind &&
        neighbour.present == 1 && start.present == 1) {
        result = kTarget;
    }
    return result;
}

namespace {

// Where the next searchStep goes on.
void setSearchCursor(int16 row, int16 col, int16 dir, int16 turn, int16 bends) {
    searchRow = row;
    searchCol = col;
    searchDir = dir;
    searchTurn = turn;
    searchBends = bends;
}

// Back in the cell the last pop took off the stack, with its next direction.
void resumeAfterPopped() {
    setSearchCursor(poppedStep.row, poppedStep.col, static_cast<int16>(poppedStep.dir + 1),
                    poppedStep.turn, poppedStep.bends);
}

}  // namespace

void searchStep(int16 row, int16 col, int16 dir) {
    // Phase A: is the target right next to this cell?
    for (int16 d = dir; d <= kUp; ++d) {
        if (isReverse(d) == True || probeNeighbour(row, col, d) != kTarget) {
            continue;
        }
        if (pathTop <= 3) {
            pushStep(row, col, d, 0, 0);
            removalRoutine(pickRow, pickCol, prevPickRow, prevPickCol);
            return;
        }
        peekStep();
        const int16 t = topStep.dir != d ? 1 : 0;
        const auto b = static_cast<int16>(topStep.bends + t);
        pushStep(row, col, d, t, b);
        if (countBends() <= 2) {
            pushStep(row, col, d, 0, 0);
            removalRoutine(pickRow, pickCol, prevPickRow, prevPickCol);
            return;
        }
        popStep();
    }

    // Phase B: move on into the first free neighbour.
    int16 d = dir;
    for (;;) {
        if (d > kUp) {
            if (pathTop >= 2) {
                popStep();
                resumeAfterPopped();
            } else {
                setSearchCursor(row, col, static_cast<int16>(d + 1), 0, 0);
            }
            return;
        }
        if (isReverse(d) == True) {
            ++d;
            continue;
        }
        const int16 r = probeNeighbour(row, col, d);
        if (r == kBlocked) {
            ++d;
            continue;
        }
        if (r == kTarget) {
            // Turned down in phase A: reaching it from here would take a third bend.
            pushStep(row, col, d, 0, 2);
            popStep();
            resumeAfterPopped();
            return;
        }
        int16 n = 0;
        const bool bendsMatter = pathTop >= 4;  // three or more entries before this one
        pushStep(row, col, d, 0, 0);
        if (bendsMatter) {
            n = countBends();
            if (n > 2) {
                popStep();
                setSearchCursor(row, col, static_cast<int16>(d + 1), 0, 1);
                return;
            }
        }
        searchRow = stepRow(row, d);
        searchCol = stepCol(col, d);
        searchDir = n == 2 ? d : kRight;
        return;
    }
}

void probeLink(int16 row, int16 col, int16 dir) {
    searchRow = row;
    searchCol = col;
    searchDir = dir;
    for (;;) {
        searchStep(searchRow, searchCol, searchDir);
        if (searchIdle() || (hasSteps() == 0 && searchDir > kUp)) {
            return;
        }
    }
}

}  // namespace quorvane
