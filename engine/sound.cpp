// SPDX-License-Identifier: MIT
#include "sound.h"

#include "window.h"

namespace quorvane {

void playClickCue() {
    host().playSound(kClickCueFile);
}
void playMatchCue() {
    host().playSound(kMatchCueFile);
}
void playGameOverCue() {
    host().playSound(kGameOverCueFile);
}
void playLevelWonCue() {
    host().playSound(kLevelWonCueFile);
}

}  // namespace quorvane
