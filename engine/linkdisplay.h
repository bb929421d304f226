// SPDX-License-Identifier: MIT
// Drawing a found link over the board and holding it on screen for a moment.
#pragma once

namespace quorvane {

// Draws the link and waits two ticks of Timer1. Returns false when the wait was abandoned
// because the window is going away.
bool showLink();
void drawLinkPath();

}  // namespace quorvane
