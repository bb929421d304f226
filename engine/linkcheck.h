// SPDX-License-Identifier: MIT
// A quick yes-or-no answer to "can these two tiles be linked?", without walking the search.
//
// The step-by-step search decides which path is shown, so it always runs for a pair that links.
// Most candidate pairs do not link, though, and proving that by search means trying every path
// of up to two bends; this check settles it by scanning a few lines of the board instead.
#pragma once

#include "state.h"

namespace quorvane {

// True when both cells hold a tile of one kind and a path of at most three straight segments
// joins them through empty cells of the board, the ring included.
bool canLink(int16 row1, int16 col1, int16 row2, int16 col2);

}  // namespace quorvane
