// SPDX-License-Identifier: MIT
#include "game.h"

#include <algorithm>
#include <iterator>

#include "removal.h"
#include "search.h"
#include "state.h"

namespace quorvane {

void initGameState() {
    for (auto& row : board) {
        std::fill(std::begin(row), std::end(row), Cell{});
    }
    std::fill(std::begin(pathStack), std::end(pathStack), PathStep{});
    topStep = poppedStep = PathStep{};
    searchRow = searchCol = searchDir = searchTurn = searchBends = 0;
    prevPickRow = prevPickCol = 0;
    hintsLeft = pairsRemoved = timeLeft = delayTicks = 0;
    playing = levelOver = False;
    holdingLink = false;
    dealCount = 0;

    pathTop = 1;
    pickRow = 2;
    pickCol = 2;
    probeFound = False;
    removeOnLink = True;
    paused = False;
    level = 1;
    removalRoutine = removePair;
}

}  // namespace quorvane
