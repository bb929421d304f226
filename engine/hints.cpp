#include "hints.h"

#include <array>
#include <tuple>

#include "captions.h"
#include "dealing.h"
#include "linkcheck.h"
#include "painting.h"
#include "search.h"
#include "window.h"

namespace quorvane {

namespace {

// Runs probeLink for every candidate pair in scan order until probeFound is set: first cells
// row by row over rows 1..11 and columns 1..15, each with its partners of the same kind from its
// own row downwards. Returns whether a pair linked.
bool scanPairs() {
    for (int16 r = 1; r <= 11; ++r) {
        for (int16 c = 1; c <= 15; ++c) {
            if (board[r][c].present != 1) {
                continue;
            }
            pickRow = r;
            pickCol = c;
            for (int16 r2 = r; r2 <= 11; ++r2) {
                for (int16 c2 = 1; c2 <= 15; ++c2) {
                    if ((r2 == r && c2 == c) || board[r2][c2].kind != board[r][c].kind ||
                        board[r2][c2].present != 1) {
                        continue;
                    }
                    prevPickRow = r2;
                    prevPickCol = c2;
                    // Only a pair that links needs the search, which then finds its path.
                    if (!canLink(r, c, r2, c2)) {
                        continue;
                    }
                    probeLink(pickRow, pickCol, kRight);
                    if (probeFound == True) {
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

}  // namespace

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

void useHint() {
    if (playing != True || paused == True || hintsLeft <= 0 || holdingLink) {
        return;
    }
    const std::uint32_t dealBefore = dealCount;
    // The scan moves the picks. When it removes a pair they end on the ring, as after any
    // removal; when it finds none the player's own come back, so that the next press pairs only
    // with a tile the player chose.
    const std::tuple playerPicks{pickRow, pickCol, prevPickRow, prevPickCol};
    probeFound = False;
    scanPairs();
    resetSearch();
    if (probeFound != True) {
        std::tie(pickRow, pickCol, prevPickRow, prevPickCol) = playerPicks;
    }
    if (dealCount != dealBefore) {
        // A new board was dealt while the hint's link was held: it has its own allowance.
        return;
    }
    --hintsLeft;
    frmMain().XPButton5.setCaption(hintsCaption(hintsLeft));
    checkDeadBoard();
}

void checkDeadBoard() {
    probeFound = False;
    // The scan moves the picks; the player's come back afterwards.
    const std::tuple savedPicks{pickRow, pickCol, prevPickRow, prevPickCol};
    removeOnLink = False;

    const bool linked = scanPairs();
    resetSearch();
    if (!linked) {
        reshuffleBoard();
    }
    removeOnLink = True;
    std::tie(pickRow, pickCol, prevPickRow, prevPickCol) = savedPicks;
}

void reshuffleBoard() {
    std::array<int16, 27> count{};  // kinds 1..25; slot 26 stays 0
    int16 total = 0;
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            Cell& cell = board[row][col];
            if (cell.present == 1) {
                ++count[cell.kind];
                ++total;
                cell.present = 0;
            }
        }
    }

    std::array<int16, 141> order{};
    shuffleOrder(order.data());

    int16 k = 1;
    for (int16 i = 0; i < total; ++i) {
        Cell& cell = placeTile(order[i]);
        while (count[k] == 0 && k < 26) {
            ++k;
        }
        cell.kind = k;
        --count[k];
    }
    paintBoardUnlessCovered();  // a hint's pair may have gone while paused
}

}  // namespace quorvane
