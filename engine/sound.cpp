#include "sound.h"

#include "window.h"

namespace quorvane {

void playClickCue() {
    frmMain().playSound("\\hit.wav");
}
void playMatchCue() {
    frmMain().playSound("\\and.wav");
}
void playGameOverCue() {
    frmMain().playSound("\\gameover.wav");
}
void playLevelWonCue() {
    frmMain().playSound("\\gamewin.wav");
}

}  // namespace quorvane
