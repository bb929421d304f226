// SPDX-License-Identifier: MIT
#include "linkcheck.h"

#include <algorithm>

namespace quorvane {

namespace {

bool empty(int row, int col) {
    return row >= 1 && row <= kRows && col >= 1 && col <= kCols && board[row][col].present == 0;
}

// Every cell strictly between the two columns of a row is empty.
bool clearRow(int row, int col1, int col2) {
    for (int c = std::min(col1, col2) + 1; c < std::max(col1, col2); ++c) {
        if (!empty(row, c)) {
            return false;
        }
    }
    return true;
}

bool clearCol(int col, int row1, int row2) {
    for (int r = std::min(row1, row2) + 1; r < std::max(row1, row2); ++r) {
        if (!empty(r, col)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool canLink(int16 r1, int16 c1, int16 r2, int16 c2) {
    if (r1 == r2 && c1 == c2) {
        return false;
    }
    const Cell& a = board[r1][c1];
    const Cell& b = board[r2][c2];
    if (a.present != 1 || b.present != 1 || a.kind != b.kind) {
        return false;
    }
    // Straight.
    if ((r1 == r2 && clearRow(r1, c1, c2)) || (c1 == c2 && clearCol(c1, r1, r2))) {
        return true;
    }
    // One bend, at one of the two corners.
    if (empty(r1, c2) && clearRow(r1, c1, c2) && clearCol(c2, r1, r2)) {
        return true;
    }
    if (empty(r2, c1) && clearCol(c1, r1, r2) && clearRow(r2, c1, c2)) {
        return true;
    }
    // Two bends: out of each tile to a common row, or to a common column, and across it.
    for (int r = 1; r <= kRows; ++r) {
        if (r != r1 && r != r2 && empty(r, c1) && empty(r, c2) && clearCol(c1, r1, r) &&
            clearCol(c2, r2, r) && clearRow(r, c1, c2)) {
            return true;
        }
    }
    for (int c = 1; c <= kCols; ++c) {
        if (c != c1 && c != c2 && empty(r1, c) && empty(r2, c) && clearRow(r1, c1, c) &&
            clearRow(r2, c2, c) && clearCol(c, r1, r2)) {
            return true;
        }
    }
    return false;
}

}  // namespace quorvane
