// SPDX-License-Identifier: MIT
#include "clock.h"

#include "captions.h"
#include "painting.h"
#include "sound.h"
#include "state.h"
#include "window.h"

namespace quorvane {

void countdownTick() {
    if (timeLeft <= 0) {
        timeUp();
        return;
    }
    --timeLeft;
    frmMain().Picture3.Cls();
    if (timeLeft == 0) {
        // One pixel column stays, so the player sees the last unit running out.
        frmMain().Picture3.PaintPicture(Form2::Picture4, -449, 0, 450, 10);
    } else {
        drawTimeBar();
    }
}

void timeUp() {
    playing = False;
    frmMain().Timer2.setEnabled(false);
    levelOver = True;
    frmMain().Picture3.Cls();
    frmMain().Picture1.Cls();
    frmMain().Picture1.PaintPicture(Form2::Picture5(0), 140, 220, 360, 40);
    Label& label4 = frmMain().Label4;
    label4.setCaption(kContinueCaption);
    label4.setVisible(true);
    label4.setEnabled(true);
    playGameOverCue();
}

void levelCleared() {
    frmMain().Timer2.setEnabled(false);
    levelOver = True;
    playing = False;
    // The last pair may have gone while the game was paused during its hold: the pause ends with
    // the level, and the next one starts running.
    if (paused == True) {
        paused = False;
        frmMain().XPButton2.setCaption(kPauseCaption);
    }
    frmMain().Picture1.PaintPicture(Form2::Picture5(1), 140, 220, 360, 40);
    ++level;
    if (level > kLastLevel) {
        level = kLastLevel;
    }
    Label& label4 = frmMain().Label4;
    label4.setVisible(true);
    label4.setEnabled(true);
    label4.setCaption(kNextLevelCaption);
    playLevelWonCue();
}

void togglePause() {
    if (playing != True) {
        return;
    }
    if (paused == False) {
        frmMain().XPButton2.setCaption(kResumeCaption);
        frmMain().Timer2.setEnabled(false);
        frmMain().Picture1.Cls();
        paused = True;
        frmMain().Picture1.PaintPicture(Form2::Picture3, 224, 168, 192, 144);
    } else {
        frmMain().XPButton2.setCaption(kPauseCaption);
        frmMain().Timer2.setEnabled(true);
        paused = False;
        paintBoard();
        // The player's pick is still theirs: it shows as picked again.
        if (const Cell& pick = board[pickRow][pickCol]; pick.present == 1) {
            paintTile(pickRow, pickCol, pick.kind + 24);
        }
    }
}

}  // namespace quorvane
