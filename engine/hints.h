// Finding a linkable pair for the player (the hint) or for the game (the dead-board check).
#pragma once

#include "state.h"

namespace quorvane {

void useHint();
void checkDeadBoard();
void reshuffleBoard();
void probeLink(int16 row, int16 col, int16 dir);

}  // namespace quorvane
