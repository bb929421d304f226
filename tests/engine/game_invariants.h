// SPDX-License-Identifier: MIT
// What must hold between any two events of a game, whatever the player did: the engine tests and
// the window tests check it after every move.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "board_layout.h"
#include "engine/search.h"
#include "engine/state.h"

namespace quorvane::testing {

inline bool isFlag(flag f) {
    return f == True || f == False;
}

// Tiles lie only on the playing field, every removed pair took two of them and every kind is on
// the board an even number of times; the clock and the level stay in range, the search is idle,
// no link is held, and the flags hold only True or False. `after` names the step in a failure.
inline void expectConsistentGame(const std::string& after = {}) {
    std::array<int, kKinds + 1> perKind{};
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kCols; ++c) {
            const Cell& cell = board[r][c];
            ASSERT_TRUE(cell.present == 0 || cell.present == 1) << after;
            if (cell.present == 1) {
                ASSERT_TRUE(isPlayingCell(r, c))
                    << after << ": a tile in the ring at " << r << "," << c;
                ASSERT_GE(cell.kind, 1) << after;
                ASSERT_LE(cell.kind, kKinds) << after;
                ++perKind[cell.kind];
            }
        }
    }
    for (int k = 1; k <= kKinds; ++k) {
        ASSERT_EQ(perKind[k] % 2, 0) << after << ": kind " << k << " has an odd count";
    }
    ASSERT_EQ(tilesOnBoard() + 2 * pairsRemoved, kInnerCells) << after;
    ASSERT_GE(timeLeft, 0) << after;
    ASSERT_LE(timeLeft, kTimeCap) << after;
    ASSERT_TRUE(searchIdle()) << after;
    ASSERT_EQ(pathTop, 1) << after;
    ASSERT_FALSE(holdingLink) << after;
    for (flag f : {playing, levelOver, paused, removeOnLink, probeFound}) {
        ASSERT_TRUE(isFlag(f)) << after;
    }
    ASSERT_EQ(removeOnLink, True) << after;
    ASSERT_GE(level, 1) << after;
    ASSERT_LE(level, kLastLevel) << after;
}

}  // namespace quorvane::testing
