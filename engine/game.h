// SPDX-License-Identifier: MIT
// A game from its start: the state set up and the routines connected.
#pragma once

namespace quorvane {

// Everything to 0, then the start values the main window sets before the first deal: pathTop 1,
// the pick at (2, 2), removeOnLink True, paused False, level 1; and the search hands the paths it
// finds to removePair.
void initGameState();

}  // namespace quorvane
