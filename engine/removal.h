// SPDX-License-Identifier: MIT
// Taking a linked pair off the board.
#pragma once

#include "state.h"

namespace quorvane {

void removePair(int16 row1, int16 col1, int16 row2, int16 col2);

}  // namespace quorvane
