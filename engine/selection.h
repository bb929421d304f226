// SPDX-License-Identifier: MIT
// A press on a tile: the pick moves, the highlight follows and the search tries to link the pair.
#pragma once

#include "state.h"

namespace quorvane {

void pickCell();

// The board view's part of a press: ignored outside the playing field, on an empty cell, while
// no level is in play, paused, after the end, or while a found link is held on screen; otherwise
// the pick becomes the previous pick, the cell the pick, and pickCell runs. Returns whether the
// press was taken.
bool pressCell(int16 row, int16 col);

}  // namespace quorvane
