// SPDX-License-Identifier: MIT
// The countdown, its two endings, pause and the step to the next level.
#pragma once

namespace quorvane {

void countdownTick();
void timeUp();
void levelCleared();
void togglePause();

}  // namespace quorvane
