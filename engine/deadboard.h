// SPDX-License-Identifier: MIT
// The board with no linkable pair left: found by probing every candidate pair, and reshuffled.
#pragma once

#include "state.h"

namespace quorvane {

// Runs probeLink for every candidate pair in scan order until probeFound is set; returns whether
// a pair linked. The picks are left on the last pair probed.
bool scanPairs();

void checkDeadBoard();
void reshuffleBoard();

}  // namespace quorvane
