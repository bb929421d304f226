// SPDX-License-Identifier: MIT
// An independent judge of the link rule, and boards built with it.
//
// The oracle is a breadth-first search over (cell, direction of travel, bends so far) that shares
// no code with the engine's depth-first search: two cells are joined when a path of at most three
// straight segments runs between them through empty cells of the 12 x 16 grid.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "engine/state.h"

namespace quorvane::testing {

struct Pos {
    int row, col;
    friend bool operator==(const Pos&, const Pos&) = default;
};

// Whether a path of at most two bends joins a and b through empty cells. Neither end needs to be
// empty or occupied; only the cells in between count.
bool oracleLinks(Pos a, Pos b);

// Every pair of present tiles of one kind, each pair once, in row-major order of the first tile.
std::vector<std::pair<Pos, Pos>> sameKindPairs();

// The first pair of present tiles of one kind that the oracle can join, if any.
std::optional<std::pair<Pos, Pos>> linkablePair();

bool boardIsDead();

// A full board (all 140 tiles, every kind an even number of times) on which no pair can be
// linked: no two tiles of one kind touch, and no kind repeats along any of the four edge lines.
void setDeadFullBoard();

// Empties pairs of tiles of one kind, one cell at a time away from the ring and from other empty
// cells, as long as the board stays dead, until `pairs` pairs are gone or no more can go.
// Returns the number of pairs taken off.
int emptyPairsKeepingDead(int pairs);

// Renames kinds so that the tile at p has kind `kind` (the two kinds swap names).
void swapKindNames(Pos p, int16 kind);

}  // namespace quorvane::testing
