// SPDX-License-Identifier: MIT
// The search from a pick: the board is checked for a linkable pair first (and reshuffled when it
// has none), then the walk runs from (row, col) in direction dir.
#pragma once

#include "state.h"

namespace quorvane {

void findLink(int16 row, int16 col, int16 dir, int16 bends);

}  // namespace quorvane
