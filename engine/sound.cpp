#include "sound.h"

#include "window.h"

namespace quorvane {

void playClickCue() {
    host().playSound("\\hit.wav");
}
void playMatchCue() {
    host().playSound("\\and.wav");
}
void playGameOverCue() {
    host().playSound("\\gameover.wav");
}
void playLevelWonCue() {
    host().playSound("\\gamewin.wav");
}

}  // namespace quorvane
