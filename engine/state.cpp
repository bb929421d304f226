#include "state.h"

#include <algorithm>
#include <iterator>

namespace quorvane {

Cell board[kRows + 1][kCols + 1];

int16 pickRow, pickCol;
int16 prevPickRow, prevPickCol;

PathStep pathStack[kPathStackSize + 1];
int16 pathTop;
PathStep topStep;
PathStep poppedStep;
int16 searchRow, searchCol, searchDir, searchTurn, searchBends;

int16 level;
int16 hintsLeft;
int16 pairsRemoved;
int16 timeLeft;
flag playing;
flag levelOver;
flag paused;
flag removeOnLink;
flag probeFound;
int16 delayTicks;

bool holdingLink;
std::uint32_t dealCount;

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
}

}  // namespace quorvane
