// SPDX-License-Identifier: MIT
// Boards laid by hand for the engine and window tests, and counts over them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/state.h"

namespace quorvane::testing {

// Builds a board by hand: '.' is empty, a letter A..Y is kind 1..25 present. Rows are the 12
// board rows, ring included; a row may be shorter than 16 (the rest is empty). Every cell is set.
void setBoard(const std::vector<std::string>& rows);

// Empties every cell (kind 0), then hands each playing cell to `fill` to put a tile in or leave
// empty, row by row.
void setBoardBy(const std::function<void(Cell& cell, int row, int col)>& fill);

// Counts the tiles present on the board, per kind (index 0 unused).
std::vector<int> tilesPerKind();
int tilesOnBoard();

}  // namespace quorvane::testing
