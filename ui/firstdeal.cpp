// SPDX-License-Identifier: MIT
#include "ui/firstdeal.h"

#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <algorithm>
#include <array>
#include <vector>

#include "engine/dealing.h"
#include "engine/painting.h"
#include "engine/state.h"

namespace quorvane::ui {

namespace {

// Keeps the first `pairs` pairs in reading order, each two tiles of a kind, and takes the rest.
void keepPairs(int pairs) {
    std::array<std::vector<Cell*>, kKinds + 1> byKind;
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            byKind[static_cast<std::size_t>(board[row][col].kind)].push_back(&board[row][col]);
        }
    }
    std::vector<Cell*> kept;
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            Cell& cell = board[row][col];
            auto& alike = byKind[static_cast<std::size_t>(cell.kind)];
            if (static_cast<int>(kept.size()) < pairs * 2 && alike.size() >= 2 &&
                alike[0] == &cell) {
                kept.push_back(alike[0]);
                kept.push_back(alike[1]);
                alike.erase(alike.begin(), alike.begin() + 2);
            }
        }
    }
    for (int16 row = kFirstPlayingRow; row <= kLastPlayingRow; ++row) {
        for (int16 col = kFirstPlayingCol; col <= kLastPlayingCol; ++col) {
            Cell* cell = &board[row][col];
            if (std::find(kept.begin(), kept.end(), cell) == kept.end()) {
                cell->present = 0;
            }
        }
    }
    pairsRemoved = static_cast<int16>(kPairsPerLevel - static_cast<int>(kept.size()) / 2);
    paintBoard();
}

}  // namespace

void dealFirstLevel() {
    const QList<QByteArray> asked = qgetenv("QUORVANE_TEST_FIRST_DEAL").split(':');
    const int askedLevel = asked.size() == 2 ? asked[0].toInt() : 0;
    const int askedPairs = asked.size() == 2 ? asked[1].toInt() : 0;
    if (askedLevel < 1 || askedLevel > kLastLevel || askedPairs < 1 ||
        askedPairs > kPairsPerLevel) {
        startLevel();
        return;
    }
    level = static_cast<int16>(askedLevel);
    startLevel();
    if (askedPairs < kPairsPerLevel) {
        keepPairs(askedPairs);
    }
}

}  // namespace quorvane::ui
