// SPDX-License-Identifier: MIT
// The link search: a depth-first walk from the latest pick towards the previous pick through
// empty cells, with at most two bends, one step per call of searchStep, driven by probeLink.
//
// A walk that reaches its target hands the path to the removal routine, which may pop a step and
// search on from there. The search stands below the routine it calls: initGameState connects
// removePair to it.
#pragma once

#include "state.h"

namespace quorvane {

inline constexpr int16 kFree = 0;
inline constexpr int16 kBlocked = 1;
inline constexpr int16 kTarget = 2;

using RemovalRoutine = void (*)(int16 row1, int16 col1, int16 row2, int16 col2);
extern RemovalRoutine removalRoutine;

// Runs searchStep from (row, col) in direction dir until the search is idle again or has tried
// every direction out of the cell it started from.
void probeLink(int16 row, int16 col, int16 dir);
void searchStep(int16 row, int16 col, int16 dir);
int16 probeNeighbour(int16 row, int16 col, int16 dir);
flag isReverse(int16 dir);
int16 stepRow(int16 row, int16 dir);
int16 stepCol(int16 col, int16 dir);
int16 pushStep(int16 row, int16 col, int16 dir, int16 turn, int16 bends);
void popStep();
void peekStep();
int16 hasSteps();
void resetSearch();
int16 countBends();

// True when the search is idle: all five cursor variables are 0.
bool searchIdle();

}  // namespace quorvane
