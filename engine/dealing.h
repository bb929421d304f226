// SPDX-License-Identifier: MIT
// Starting a level: dealing a random layout, painting it and showing the level's parameters.
#pragma once

#include "state.h"

namespace quorvane {

// One random draw in lo..hi: (round-half-even(n x r + offset) mod n) + lo, n = hi - lo + 1.
int16 randomInRange(int16 hi, int16 lo, int16 offset);

// Writes a random permutation of 1..140 into order[0..139].
void shuffleOrder(int16* order);

void dealBoard();
void showLevel(int16 levelNumber);
void startLevel();

// Puts a tile into inner cell number 1..140 (counted row by row) and returns the cell, for the
// caller to give it a kind.
Cell& placeTile(int16 cellNumber);

// The countdown interval and hint allowance of a level 1..12.
int timer2IntervalFor(int16 levelNumber);
int16 hintsFor(int16 levelNumber);

}  // namespace quorvane
