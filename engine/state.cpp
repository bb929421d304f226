// SPDX-License-Identifier: MIT
#include "state.h"

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

}  // namespace quorvane
