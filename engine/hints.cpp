// SPDX-License-Identifier: MIT
#include "hints.h"

#include <tuple>

#include "captions.h"
#include "deadboard.h"
#include "search.h"
#include "window.h"

namespace quorvane {

void useHint() {
    if (playing != True || paused == True || hintsLeft <= 0 || holdingLink) {
        return;
    }
    const std::uint32_t dealBefore = dealCount;
    // The scan moves the picks. When it removes a pair they end on the ring, as after any
    // removal; when it finds none the player's own come back, so that the next press pairs only
    // with a tile the player chose.
    const std::tuple playerPicks{pickRow, pickCol, prevPickRow, prevPickCol};
    probeFound = False;
    scanPairs();
    resetSearch();
    if (probeFound != True) {
        std::tie(pickRow, pickCol, prevPickRow, prevPickCol) = playerPicks;
    }
    if (dealCount != dealBefore) {
        // A new board was dealt while the hint's link was held: it has its own allowance.
        return;
    }
    --hintsLeft;
    frmMain().XPButton5.setCaption(hintsCaption(hintsLeft));
    // A level the hint ended (its last pair, or the clock during the hold) has no board left to
    // check: the check would repaint it over the level's banner.
    if (levelOver != True) {
        checkDeadBoard();
    }
}

}  // namespace quorvane
