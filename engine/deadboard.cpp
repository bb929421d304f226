// SPDX-License-Identifier: MIT
#include "deadboard.h"

#include <array>
#include <tuple>

#include "dealing.h"
#include "linkcheck.h"
#include "painting.h"
#include "search.h"

namespace quorvane {

// The scan order: first cells row by row over rows 1..11 and columns 1..15, each with its partners
// of the same kind from its own row downwards.
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
