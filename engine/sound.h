// The four sound cues. Each starts a wave file from the program's folder and returns at once.
#pragma once

namespace quorvane {

void playClickCue();     // a tile picked, the pause button pressed
void playMatchCue();     // a pair accepted
void playGameOverCue();  // the clock ran out
void playLevelWonCue();  // the 70th pair is gone

}  // namespace quorvane
