// SPDX-License-Identifier: MIT
#include "board_layout.h"

namespace quorvane::testing {

namespace {

Cell emptyCell(int row, int col) {
    return Cell{static_cast<int16>(col * kCellSize), static_cast<int16>(row * kCellSize), 0, 0};
}

}  // namespace

void setBoard(const std::vector<std::string>& rows) {
    for (int r = 1; r <= kRows; ++r) {
        const std::string& line = r - 1 < static_cast<int>(rows.size()) ? rows[r - 1] : "";
        for (int c = 1; c <= kCols; ++c) {
            const char ch = c - 1 < static_cast<int>(line.size()) ? line[c - 1] : '.';
            Cell& cell = board[r][c];
            cell = emptyCell(r, c);
            if (ch != '.') {
                cell.present = 1;
                cell.kind = static_cast<int16>(ch - 'A' + 1);
            }
        }
    }
}

void setBoardBy(const std::function<void(Cell& cell, int row, int col)>& fill) {
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            board[r][c] = emptyCell(r, c);
            if (isPlayingCell(r, c)) {
                fill(board[r][c], r, c);
            }
        }
    }
}

std::vector<int> tilesPerKind() {
    std::vector<int> counts(kKinds + 1, 0);
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            if (board[r][c].present == 1) {
                ++counts[board[r][c].kind];
            }
        }
    }
    return counts;
}

int tilesOnBoard() {
    int n = 0;
    for (int count : tilesPerKind()) {
        n += count;
    }
    return n;
}

}  // namespace quorvane::testing
