// SPDX-License-Identifier: MIT
// The first deal of a run. End-to-end tests may change it through the environment, so that they
// reach a level's end, or a fast countdown, in a few keys:
//   QUORVANE_TEST_FIRST_DEAL=LEVEL:PAIRS   deals level LEVEL (1 to 12) and leaves only PAIRS pairs
//                                          (1 to 70) on the board, as if the rest had been removed
// Later deals are never changed.
#pragma once

namespace quorvane::ui {

void dealFirstLevel();

}  // namespace quorvane::ui
